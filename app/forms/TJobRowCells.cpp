#include "app/forms/TJobRowCells.h"

#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TWinControl.h"

String TJobRowCells::Cell(int Index) const { return FRow.SubItems()->Strings(Index); }

void TJobRowCells::SetCell(int Index, const String& Text) { FRow.SubItems()->Put(Index, Text); }

void TJobRowCells::FocusJobList() { FJobList.SetFocus(); }
