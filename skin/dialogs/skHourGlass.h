#pragma once
// The busy cursor for the length of a scope.
#include "platform/ui/toolkit/TScreen.h"

/// Shows the hourglass while a view reads a folder and puts the former cursor back however the scope ends.
class TskHourGlass {
public:
  TskHourGlass() : FOld(Screen ? Screen->Cursor() : crDefault) {
    if (Screen) Screen->SetCursor(crHourGlass);
  }
  ~TskHourGlass() {
    if (Screen) Screen->SetCursor(FOld);
  }
  TskHourGlass(const TskHourGlass&) = delete;
  TskHourGlass& operator=(const TskHourGlass&) = delete;

private:
  TCursor FOld;
};
