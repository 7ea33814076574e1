#include "app/catalogue/TVideoParams.h"

#include <utility>

void TVideoParams::Reset() {
  TVideoParams Initial;
  Initial.Video_AddFileName = std::move(Video_AddFileName);
  *this = std::move(Initial);
}
