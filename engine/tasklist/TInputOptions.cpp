#include "engine/tasklist/TInputOptions.h"

void InitInputOptions(TInputOptions& AOptions) { AOptions = {}; }
