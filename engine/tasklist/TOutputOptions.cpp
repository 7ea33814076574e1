#include "engine/TOutputOptions.h"

void InitOutputOptions(TOutputOptions& AOptions) { AOptions = {}; }
