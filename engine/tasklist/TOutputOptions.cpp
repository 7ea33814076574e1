#include "engine/tasklist/TOutputOptions.h"

void InitOutputOptions(TOutputOptions& AOptions) { AOptions = {}; }
