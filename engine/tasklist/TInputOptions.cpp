#include "engine/TInputOptions.h"

void InitInputOptions(TInputOptions& AOptions) { AOptions = {}; }
