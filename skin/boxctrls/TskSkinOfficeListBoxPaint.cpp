// How the office list draws: its background (built-in frame or the record's picture), then every item that
// shows, clipped to the items area: headers as a band with a centred caption, other items as title, image
// and word-wrapped caption, the selected one highlighted.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/boxctrls/TskSkinOfficeListBox.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skGlyphText.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"

namespace {

constexpr TColor DisabledItemColor = RGB(128, 128, 128);
constexpr int CheckColumn = 14;
constexpr int CaptionIndent = 10;

/// The control record Name of Model as a TRecord; null when absent or of another kind.
template <class TRecord> const TRecord* FindRecord(TskSkinData* Model, const String& Name) {
  if (!Model || Name.empty()) return nullptr;
  const int Index = Model->GetControlIndex(Name);
  return Index == -1 ? nullptr : dynamic_cast<const TRecord*>(Model->CtrlList[Index].get());
}

/// Clips the canvas to R until it goes out of scope. Restoring the device context also brings back the
/// objects and modes it had, so the canvas selects its own anew afterwards.
class TClip {
public:
  TClip(TCanvas* C, const TRect& R) : FCanvas(C), FDC(C->Handle()), FSaved(SaveDC(FDC)) {
    IntersectClipRect(FDC, R.Left, R.Top, R.Right, R.Bottom);
  }
  ~TClip() {
    RestoreDC(FDC, FSaved);
    FCanvas->Refresh();
  }
  TClip(const TClip&) = delete;
  TClip& operator=(const TClip&) = delete;

private:
  TCanvas* FCanvas;
  HDC FDC;
  int FSaved;
};

}  // namespace

void TskSkinOfficeListBox::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* C = B->Canvas();
  C->Brush()->SetColor(clWindow);
  C->FillRect(Rect(0, 0, FWidth, FHeight));
  C->Brush()->SetColor(clBtnShadow);
  C->FrameRect(Rect(0, 0, FWidth, FHeight));
  DrawItems(C);
}

void TskSkinOfficeListBox::CreateControlSkinImage(TBitmap* B) {
  TskSkinCustomControl::CreateControlSkinImage(B);
  DrawItems(B->Canvas());
}

void TskSkinOfficeListBox::DrawItems(TCanvas* C) {
  CalcItemRects();
  const TClip Clip(C, FItemsRect);
  for (int I = 0; I < FItems->Count(); ++I)
    if (FItems->Items(I)->IsVisible) DrawItem(I, C);
}

void TskSkinOfficeListBox::DrawItem(int Index, TCanvas* Cnvs) {
  if (FIndex == -1)
    DefaultDrawItem(Index, Cnvs);
  else
    SkinDrawItem(Index, Cnvs);
}

void TskSkinOfficeListBox::DefaultDrawItem(int Index, TCanvas* Cnvs) {
  TskSkinOfficeItem* Item = FItems->Items(Index);
  const TRect& IR = Item->ItemRect;
  const bool Header = Item->Header();
  const TColor Fill = Header ? clBtnShadow : Item->Active ? clHighlight : clWindow;
  const TColor Text = Header         ? clBtnHighlight
                      : Item->Active ? clHighlightText
                      : Item->Enabled() ? clWindowText
                                        : DisabledItemColor;
  const TClip Clip(Cnvs, IR);
  Cnvs->Font()->Assign(DefaultFont());
  Cnvs->Font()->SetColor(Text);
  Cnvs->Brush()->SetColor(Fill);
  Cnvs->FillRect(IR);
  TRect R = Rect(IR.Left + 2, IR.Top + 2, IR.Right - 2, IR.Bottom - 2);
  if (Header) {
    Cnvs->Brush()->SetStyle(bsClear);
    DrawTextWide(Cnvs, Item->Caption(), R,
                 DT_SINGLELINE | DT_VCENTER | (FHeaderLeftAlignment ? DT_LEFT : DT_CENTER));
    return;
  }
  DrawItemContent(Index, Cnvs, R, nullptr);
  if (FShowLines) {
    Cnvs->Pen()->SetColor(clBtnFace);
    Cnvs->MoveTo(IR.Left, IR.Bottom - 1);
    Cnvs->LineTo(IR.Right, IR.Bottom - 1);
  }
  if (FShowCheckBoxes && Item->Checked()) DrawCheckMark(Cnvs, IR.Left + 2, IR.Top + IR.Height() / 2 - 5, Text);
  if (Item->Active && Focused()) Cnvs->DrawFocusRect(IR);
}

void TskSkinOfficeListBox::SetItemFont(TCanvas* C, const TskDataSkinListBox& Record) {
  if (UseSkinFont()) {
    C->Font()->SetName(Record.FontName);
    C->Font()->SetHeight(Record.FontHeight);
    C->Font()->SetStyle(Record.FontStyle);
  } else {
    C->Font()->Assign(DefaultFont());
  }
  TskSkinData* Model = SkinData();
  C->Font()->SetCharset(Model && Model->ResourceStrData() ? Model->ResourceStrData()->CharSet()
                                                          : DefaultFont()->Charset());
}

void TskSkinOfficeListBox::SkinDrawItem(int Index, TCanvas* Cnvs) {
  TskSkinOfficeItem* Item = FItems->Items(Index);
  if (Item->Header()) {
    SkinDrawHeaderItem(Index, Cnvs);
    return;
  }
  const auto* Record = FindRecord<TskDataSkinListBox>(SkinData(), FItemSkinDataName);
  if (!Record) return;
  if (FDisabledFontColor == Record->FontColor && Record->FontColor == 0) FDisabledFontColor = DisabledItemColor;
  const String& Own = SkinDataName();
  const TColor EnabledColour = Own == "listbox" || Own == "memo" || Own == "menupagepanel"
                             ? Record->FontColor
                             : SkinData()->SkinColors()->cBtnText();
  const TRect& IR = Item->ItemRect;
  if (Item->Active && Item->Enabled()) {
    const bool Focus = Focused();
    TBitmap Bitmap;
    Bitmap.SetSize(IR.Width(), IR.Height());
    if (TBitmap* Source = ModelPicture(SkinData(), Record->PictureIndex))
      ComposeStretchedSkinImage(&Bitmap, Source, Focus ? Record->FocusItemRect : Record->ActiveItemRect,
                                Record->ItemTextRect, true);
    TCanvas* BC = Bitmap.Canvas();
    SetItemFont(BC, *Record);
    BC->Font()->SetColor(Focus ? Record->FocusFontColor : Record->ActiveFontColor);
    DrawItemContent(Index, BC, Rect(2, 2, IR.Width() - 2, IR.Height() - 2), Record);
    Cnvs->Draw(IR.Left, IR.Top, &Bitmap);
    return;
  }
  const TClip Clip(Cnvs, IR);
  SetItemFont(Cnvs, *Record);
  Cnvs->Font()->SetColor(Item->Enabled() ? EnabledColour : FDisabledFontColor);
  DrawItemContent(Index, Cnvs, Rect(IR.Left + 2, IR.Top + 2, IR.Right - 2, IR.Bottom - 2), Record);
  if (FShowLines) {
    Cnvs->Pen()->SetColor(SkinData()->SkinColors()->cBtnShadow());
    Cnvs->MoveTo(IR.Left, IR.Bottom - 1);
    Cnvs->LineTo(IR.Right, IR.Bottom - 1);
  }
}

// Record is the item record in the skinned look (null in the built-in one, whose check mark is drawn after
// the content).
void TskSkinOfficeListBox::DrawItemContent(int Index, TCanvas* C, TRect R, const TskDataSkinListBox* Record) {
  TskSkinOfficeItem* Item = FItems->Items(Index);
  C->Brush()->SetStyle(bsClear);
  if (OnDrawItem) {
    OnDrawItem(C, Index, Record ? R : Item->ItemRect);
    return;
  }
  if (FShowCheckBoxes) DrawCheckColumn(Item, C, R, Record);
  if (FShowItemTitles && !Item->Title().empty()) {
    const TFontStyles Plain = C->Font()->Style();
    TFontStyles Bold = Plain;
    Bold.Include(fsBold);
    C->Font()->SetStyle(Bold);
    TRect TitleRect = R;
    const int TitleHeight = DrawTextWide(C, Item->Title(), TitleRect, DT_SINGLELINE | DT_LEFT | DT_TOP);
    C->Font()->SetStyle(Plain);
    R.Top += TitleHeight;
  }
  if (FImages && Item->ImageIndex() >= 0 && Item->ImageIndex() < FImages->Count()) {
    DrawImageAndTextLeft(C, R, 0, 2, blGlyphLeft, Item->Caption(), Item->ImageIndex(), FImages, false,
                         Item->Enabled(), false, clNone);
    return;
  }
  if (FShowItemTitles) R.Left += CaptionIndent;
  const unsigned Wrap = DT_WORDBREAK | DT_LEFT | (Record ? DT_EXPANDTABS : 0);
  TRect Measured = Rect(R.Left, R.Top, R.Right, R.Top);
  DrawTextWide(C, Item->Caption(), Measured, Wrap | DT_CALCRECT);
  TRect Text = R;
  Text.Top = std::max(R.Top, R.Top + (R.Height() - Measured.Height()) / 2);
  DrawTextWide(C, Item->Caption(), Text, Wrap);
}

// Skinned: the "checklistbox" record's check pictures when the skin has it, else a drawn mark in a 12-pixel
// column; built-in: only the room (the mark is drawn over the item afterwards).
void TskSkinOfficeListBox::DrawCheckColumn(TskSkinOfficeItem* Item, TCanvas* C, TRect& R,
                                           const TskDataSkinListBox* Record) {
  const auto* Check = Record ? FindRecord<TskDataSkinCheckListBox>(SkinData(), "checklistbox") : nullptr;
  if (Check) {
    const TRect& Piece = Item->Checked() ? Check->CheckImageRect : Check->UnCheckImageRect;
    if (TBitmap* Source = ModelPicture(SkinData(), Check->PictureIndex); Source && !IsEmptyRect(Piece)) {
      TBitmap Mark;
      Mark.SetSize(Piece.Width(), Piece.Height());
      Mark.Canvas()->CopyRect(Rect(0, 0, Piece.Width(), Piece.Height()), Source->Canvas(), Piece);
      Mark.SetTransparent(true);
      C->Draw(R.Left, R.Top + (R.Height() - Piece.Height()) / 2, &Mark);
    }
    FCheckOffset = Check->CheckImageRect.Width() + 5;
    R.Left += FCheckOffset;
    return;
  }
  if (Record && Item->Checked())
    DrawCheckMark(C, R.Left + 2, R.Top + R.Height() / 2 - 5,
                  Item->Active ? Record->ActiveFontColor : SkinData()->SkinColors()->cWindowText());
  R.Left += CheckColumn;
  FCheckOffset = CheckColumn;
}

void TskSkinOfficeListBox::SkinDrawHeaderItem(int Index, TCanvas* Cnvs) {
  TskSkinData* Model = SkinData();
  const auto* Record = FindRecord<TskDataSkinLabelControl>(Model, FHeaderSkinDataName);
  if (!Record) Record = FindRecord<TskDataSkinLabelControl>(Model, "label");
  if (!Record) return;
  const TskSkinOfficeItem* Item = FItems->Items(Index);
  const TRect& IR = Item->ItemRect;
  TBitmap Bitmap;
  Bitmap.SetSize(IR.Width(), IR.Height());
  if (TBitmap* Source = ModelPicture(Model, Record->PictureIndex))
    ComposeStretchedSkinImage(&Bitmap, Source, Record->SkinRect, Record->ClRect, true);
  TCanvas* BC = Bitmap.Canvas();
  BC->Font()->SetName(Record->FontName);
  BC->Font()->SetColor(Record->FontColor);
  BC->Font()->SetHeight(Record->FontHeight);
  BC->Font()->SetStyle(Record->FontStyle);
  BC->Brush()->SetStyle(bsClear);
  TRect R = Rect(FHeaderLeftAlignment ? Record->ClRect.Left : 1, 1, IR.Width() - 1, IR.Height() - 1);
  DrawTextWide(BC, Item->Caption(), R, DT_SINGLELINE | DT_VCENTER | (FHeaderLeftAlignment ? DT_LEFT : DT_CENTER));
  Cnvs->Draw(IR.Left, IR.Top, &Bitmap);
}
