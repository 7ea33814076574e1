#pragma once
// A job list row as the catalogue steps write it.
#include "app/catalogue/ISelectedJobRow.h"

class TListItem;
class TWinControl;

/// The cells of one row of a job list; the row and the list outlive this object.
class TJobRowCells : public ISelectedJobRow {
public:
  TJobRowCells(TListItem& Row, TWinControl& JobList) : FRow(Row), FJobList(JobList) {}

  String Cell(int Index) const override;
  void SetCell(int Index, const String& Text) override;
  void FocusJobList() override;

private:
  TListItem& FRow;
  TWinControl& FJobList;
};
