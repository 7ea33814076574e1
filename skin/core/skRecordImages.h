#pragma once
// A resizable control record drawn at another size: its corner points, client rectangle and pieces keep
// their place at the top-left corner, move right by the width difference and down by the height
// difference, so one piece of the picture serves every size of the control.
#include "platform/base/Types.h"
#include "skin/core/TskSkinData.h"

class TBitmap;
class TskDataSkinCustomControl;

/// Piece (one of Record's images in Source, the size of its SkinRect: normal, hot or pressed) composed
/// into Dest at W x H by the record's nine-part geometry. Nothing without Source or for an empty size.
void ComposeRecordImage(const TskDataSkinCustomControl& Record, TBitmap* Source, const TRect& Piece, int W, int H,
                        TBitmap* Dest);
/// Record's client rectangle in an image of W x H.
TRect RecordClientRect(const TskDataSkinCustomControl& Record, int W, int H);

/// The control record named Name in Model when it is of class TRecord; null without a model, in an
/// empty one, or for a record of another class.
template <class TRecord> const TRecord* FindControlRecord(const TskSkinData* Model, const String& Name) {
  const int Index = Model && !Model->Empty ? Model->GetControlIndex(Name) : -1;
  return Index < 0 ? nullptr : dynamic_cast<const TRecord*>(Model->CtrlList[size_t(Index)].get());
}
