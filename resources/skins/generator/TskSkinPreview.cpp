#include "resources/skins/generator/TskSkinPreview.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TPngImage.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skSkinKinds.h"

namespace {

constexpr int SheetWidth = 1240;
constexpr int Gap = 12;
constexpr int CardMaxWidth = SheetWidth - 2 * Gap;
constexpr int Pad = 10;
constexpr int TitleHeight = 28;
constexpr TColor SheetColor = RGB(208, 213, 221);
constexpr TColor NoteColor = RGB(96, 104, 116);
constexpr TColor TitleColor = RGB(40, 48, 58);

using Image = std::unique_ptr<TBitmap>;

struct TFontSpec {
  String Name;
  int Height;
  TFontStyles Style;
  TColor Color;
};

template <class R> TFontSpec FontOf(const R& Record, TColor Color) {
  return { Record.FontName, Record.FontHeight, Record.FontStyle, Color };
}

void SetFont(TCanvas* Canvas, const TFontSpec& Font) {
  Canvas->Font()->SetName(Font.Name);
  Canvas->Font()->SetHeight(Font.Height);
  Canvas->Font()->SetStyle(Font.Style);
  Canvas->Font()->SetColor(Font.Color);
  Canvas->Brush()->SetStyle(bsClear);
}

Image NewImage(int W, int H, TColor Fill) {
  auto image = std::make_unique<TBitmap>();
  image->SetPixelFormat(pf24bit);
  image->SetSize(std::max(1, W), std::max(1, H));
  image->Canvas()->Brush()->SetStyle(bsSolid);
  image->Canvas()->Brush()->SetColor(Fill);
  image->Canvas()->FillRect(Rect(0, 0, image->Width(), image->Height()));
  return image;
}

Image Cut(TBitmap* Picture, const TRect& R) {
  Image image = NewImage(R.Width(), R.Height(), clWhite);
  image->Canvas()->CopyRect(Rect(0, 0, R.Width(), R.Height()), Picture->Canvas(), R);
  return image;
}

Image Zoom(TBitmap* Source, int Factor) {
  Image image = NewImage(Source->Width() * Factor, Source->Height() * Factor, clWhite);
  image->Canvas()->StretchDraw(Rect(0, 0, image->Width(), image->Height()), Source);
  return image;
}

bool Empty(const TRect& R) { return R.Width() <= 0 || R.Height() <= 0; }

TRect Moved(const TRect& R, int DX, int DY) { return { R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY }; }

// The resizable geometry that nine-part records share, whatever their class.
struct TNine {
  TPoint LT, RT, LB, RB;
  TRect Client, Skin;
  bool Left { true }, Top { true }, Right { true }, Bottom { true }, StretchEffect { false };
  TskStretchType StretchType { skstFull };

  template <class R> static TNine Of(const R& Record) {
    return { Record.LTPoint, Record.RTPoint, Record.LBPoint, Record.RBPoint, Record.ClRect, Record.SkinRect,
             Record.LeftStretch, Record.TopStretch, Record.RightStretch, Record.BottomStretch, Record.StretchEffect,
             Record.StretchType };
  }

  int Mode() const {
    if (Empty(Skin)) return -1;
    if (RB.X != 0 && RB.Y != 0) return 1;
    if (RT.X != 0 || RT.Y != 0) return 2;
    if (LB.X != 0 || LB.Y != 0) return 3;
    return 0;
  }
};

/// A piece Source composed to W x H the way the skinned controls resize their record's picture;
/// Client receives the client rectangle for that size.
Image Compose(TBitmap* Picture, const TNine& N, const TRect& Source, int W, int H, TRect* Client = nullptr,
              bool Popup = false) {
  const int dW = W - N.Skin.Width(), dH = H - N.Skin.Height();
  Image image = NewImage(W, H, clWhite);
  TRect client = N.Client;
  switch (N.Mode()) {
  case 0:
    image = Cut(Picture, Source);
    break;
  case 1: {
    client = { N.Client.Left, N.Client.Top, N.Client.Right + dW, N.Client.Bottom + dH };
    auto compose = Popup ? ComposePopupSkinImage : ComposeSkinImage;
    compose(N.LT, N.RT, N.LB, N.RB, N.Client, N.LT, { N.RT.X + dW, N.RT.Y }, { N.LB.X, N.LB.Y + dH },
            { N.RB.X + dW, N.RB.Y + dH }, client, image.get(), Picture, Source, W, H, true, N.Left, N.Top, N.Right,
            N.Bottom, N.StretchEffect, N.StretchType);
    break;
  }
  case 2:
    client.Right += dW;
    ComposeHorzStripImage(N.LT.X, N.Skin.Width() - N.RT.X, image.get(), Picture, Source, W, N.Skin.Height(),
                          N.StretchEffect);
    break;
  case 3:
    client.Bottom += dH;
    ComposeVertStripImage(N.LT.Y, N.Skin.Height() - N.LB.Y, image.get(), Picture, Source, N.Skin.Width(), H,
                          N.StretchEffect);
    break;
  default:
    break;
  }
  if (Client) *Client = client;
  return image;
}

Image Strip(TBitmap* Picture, const TRect& Source, int Left, int Right, int W, bool Stretch) {
  Image image = NewImage(W, Source.Height(), clWhite);
  ComposeHorzStripImage(Left, Right, image.get(), Picture, Source, W, Source.Height(), Stretch);
  return image;
}

/// Draws Text on Target in Font, placed in R by Alignment and centred vertically, as controls do.
void Caption(TBitmap* Target, const String& Text, const TRect& R, const TFontSpec& Font,
             TAlignment Alignment = taCenter) {
  SetFont(Target->Canvas(), Font);
  DrawAlignedText(Target->Canvas(), Text, R, Alignment);
}

/// One card of the sheet: a title, then whatever its record draws; cut to what was drawn.
class TCard {
public:
  TCard(const String& Title, TColor Back) : FImage(NewImage(CardMaxWidth, 1400, Back)), FBack(Back) {
    SetFont(Canvas(), { "Tahoma", 14, { fsBold }, TitleColor });
    Canvas()->TextOut(Pad, 7, Title);
    Reach(Pad + Canvas()->TextWidth(Title), TitleHeight);
  }

  TCanvas* Canvas() { return FImage->Canvas(); }
  TColor Back() const { return FBack; }
  int Bottom() const { return FBottom; }

  void Draw(int X, int Y, TBitmap* Picture, bool Transparent = false) {
    Picture->SetTransparent(Transparent);
    Canvas()->Draw(X, Y, Picture);
    Reach(X + Picture->Width(), Y + Picture->Height());
  }
  void Note(int X, int Y, const String& Text) {
    SetFont(Canvas(), { "Tahoma", 12, {}, NoteColor });
    Canvas()->TextOut(X, Y, Text);
    Reach(X + Canvas()->TextWidth(Text), Y + Canvas()->TextHeight(Text));
  }
  void Write(int X, int Y, const String& Text, const TFontSpec& Font) {
    SetFont(Canvas(), Font);
    Canvas()->TextOut(X, Y, Text);
    Reach(X + Canvas()->TextWidth(Text), Y + Canvas()->TextHeight(Text));
  }
  void Fill(const TRect& R, TColor Color) {
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(Color);
    Canvas()->FillRect(R);
    Reach(R.Right, R.Bottom);
  }
  void Reach(int Right, int Bottom) {
    FRight = std::min(CardMaxWidth - Pad, std::max(FRight, Right));
    FBottom = std::max(FBottom, Bottom);
  }

  Image Finish() {
    Image card = NewImage(FRight + Pad, FBottom + Pad, FBack);
    card->Canvas()->CopyRect(Rect(0, 0, card->Width(), card->Height()), Canvas(),
                             Rect(0, 0, card->Width(), card->Height()));
    card->Canvas()->Brush()->SetColor(RGB(170, 178, 190));
    card->Canvas()->FrameRect(Rect(0, 0, card->Width(), card->Height()));
    return card;
  }

private:
  Image FImage;
  TColor FBack;
  int FRight { 0 };
  int FBottom { 0 };
};

/// Places images left to right, starting a new row when the next one does not fit.
class TFlow {
public:
  TFlow(TCard& ACard, int ATop) : FCard(ACard), FY(ATop) {}
  /// The place for a W x H item with a note of Caption above it.
  TPoint Next(int W, int H, const String& Caption) {
    const int noteHeight = Caption.empty() ? 0 : 16;
    const int w = std::max(W, int(Caption.size()) * 6);
    if (FX + w > CardMaxWidth - Pad && FX > Pad) {
      FY += FRowHeight + 10;
      FX = Pad;
      FRowHeight = 0;
    }
    if (!Caption.empty()) FCard.Note(FX, FY, Caption);
    const TPoint at { FX, FY + noteHeight };
    FX += w + 14;
    FRowHeight = std::max(FRowHeight, H + noteHeight);
    return at;
  }
  /// Ends the row: the next item starts below everything placed so far.
  void Break() {
    FY += FRowHeight + 12;
    FX = Pad;
    FRowHeight = 0;
  }
private:
  TCard& FCard;
  int FX { Pad };
  int FY;
  int FRowHeight { 0 };
};

// Cards take the skin's face colour, which rounded pieces are drawn to stand on, unless it is too dark
// for the notes and titles on the cards to be read.
TColor CardColor(TColor Face) {
  const int luma = (GetRValue(Face) * 299 + GetGValue(Face) * 587 + GetBValue(Face) * 114) / 1000;
  return luma >= 200 ? Face : RGB(236, 238, 241);
}

struct TState {
  const char* Name;
  TRect Source;
  TColor Font;
};

class TSheet {
public:
  explicit TSheet(TskSkinData* ASkin) : FSkin(ASkin), FBack(CardColor(ASkin->SkinColors()->cBtnFace())) {}

  Image Render();

private:
  TBitmap* Picture(int Index) const {
    return Index >= 0 && Index < int(FSkin->FActivePictures.size()) ? FSkin->FActivePictures[Index].get() : nullptr;
  }
  template <class R> const R* Find(const String& Name) const {
    const int index = FSkin->GetControlIndex(Name);
    return index < 0 ? nullptr : dynamic_cast<const R*>(FSkin->CtrlList[index].get());
  }
  template <class R> const R* FindObject(const String& Name) const {
    const int index = FSkin->GetIndex(Name);
    return index < 0 ? nullptr : dynamic_cast<const R*>(FSkin->ObjectList[index].get());
  }

  Image Header();
  Image Frame();
  Image Windows();
  Image Colors();
  Image Control(TskDataSkinControl* Record);
  Image Object(TskDataSkinObject* Record);

  void FrameImage(TCard& Card, int X, int Y, int W, int H, bool Active, bool Hot, bool Content = false);
  /// The main window's controls in the client area Client of Window, each from its record.
  void Content(TBitmap* Window, const TRect& Client);
  /// The control record Name drawn at At with Text, hot when Hot, as its control would draw it.
  void Place(TBitmap* Target, const String& Name, const TRect& At, const String& Text, bool Hot = false);
  Image SliderFace(const TskDataSkinSlider& R, int Width, bool Pressed);
  void MenuBar(TBitmap* Target, int X, int Y, int W, int Hot, int Down);
  void PopupMenu(TCard& Card, int X, int Y, int W);
  void Button(TCard& Card, const TskDataSkinButtonControl& R);
  void CheckRadio(TCard& Card, const TskDataSkinCheckRadioControl& R);
  void Panel(TCard& Card, const TskDataSkinPanelControl& R);
  void ScrollBar(TCard& Card, const TskDataSkinScrollBarControl& R);
  void List(TCard& Card, const TskDataSkinListBox& R);
  void Edit(TCard& Card, const TskDataSkinEditControl& R);
  void Combo(TCard& Card, const TskDataSkinComboBox& R);
  void UpDown(TCard& Card, const TskDataSkinUpDownControl& R);
  void Slider(TCard& Card, const TskDataSkinSlider& R);
  void Tab(TCard& Card, const TskDataSkinTabControl& R);
  void Strip(TCard& Card, const TskDataSkinCustomControl& R, const TFontSpec& Font, const String& Text);
  void Views(TCard& Card, const TskDataSkinControl& R);
  void Bevel(TCard& Card, const TskDataSkinBevel& R);
  void Bar(TCard& Card, const TskDataSkinMainMenuBar& R);
  void Pieces(TCard& Card, TBitmap* Picture, const std::vector<TState>& States);

  TskSkinData* FSkin;
  TColor FBack;
};

Image TSheet::Render() {
  std::vector<Image> cards;
  cards.push_back(Header());
  cards.push_back(Frame());
  for (const auto& record : FSkin->ObjectList) cards.push_back(Object(record.get()));
  cards.push_back(Windows());
  for (const auto& record : FSkin->CtrlList) cards.push_back(Control(record.get()));
  cards.push_back(Colors());

  std::vector<TPoint> places;
  int x = Gap, y = Gap, rowHeight = 0;
  for (const Image& card : cards) {
    if (x + card->Width() > SheetWidth - Gap && x > Gap) {
      x = Gap;
      y += rowHeight + Gap;
      rowHeight = 0;
    }
    places.push_back({ x, y });
    x += card->Width() + Gap;
    rowHeight = std::max(rowHeight, card->Height());
  }
  Image sheet = NewImage(SheetWidth, y + rowHeight + Gap, SheetColor);
  for (size_t i = 0; i < cards.size(); ++i) sheet->Canvas()->Draw(places[i].X, places[i].Y, cards[i].get());
  return sheet;
}

Image TSheet::Header() {
  TCard card(FSkin->SkinName, FBack);
  card.Note(Pad, TitleHeight, FSkin->SkinComments);
  card.Note(Pad, TitleHeight + 18,
            std::to_string(FSkin->ObjectList.size()) + " form objects, " + std::to_string(FSkin->CtrlList.size()) +
              " control records, " + std::to_string(FSkin->FActivePictures.size()) + " pictures besides the frame");
  return card.Finish();
}

void TSheet::FrameImage(TCard& Card, int X, int Y, int W, int H, bool Active, bool Hot, bool WithContent) {
  TBitmap* picture = Active || FSkin->FInActivePicture->Empty() ? FSkin->FPicture.get() : FSkin->FInActivePicture.get();
  TNine frame { FSkin->LTPoint, FSkin->RTPoint, FSkin->LBPoint, FSkin->RBPoint, FSkin->ClRect,
                Rect(0, 0, picture->Width(), picture->Height()), FSkin->LeftStretch, FSkin->TopStretch,
                FSkin->RightStretch, FSkin->BottomStretch, FSkin->StretchEffect, FSkin->StretchType };
  TRect client;
  Image window = Compose(picture, frame, frame.Skin, W, H, &client);
  const int dW = W - frame.Skin.Width();

  // Caption buttons from the right of the buttons rectangle: close, maximize, minimize; the system menu
  // button at the left of the caption.
  TRect buttons = FSkin->ButtonsRect;
  if (buttons.Left > frame.Skin.Width() / 2) buttons = Moved(buttons, dW, 0);
  int x = buttons.Right;
  const char* names[] = { "closebutton", "maximizebutton", "minimizebutton" };
  for (const char* name : names) {
    const auto* button = FindObject<TskDataSkinStdButton>(name);
    TBitmap* source = button ? Picture(button->ActivePictureIndex) : nullptr;
    if (!source) continue;
    TRect face = Active ? button->SkinRect : button->InActiveSkinRect;
    if (Hot && name == names[0]) face = button->ActiveSkinRect;
    Image image = Cut(source, face);
    window->Canvas()->Draw(x - image->Width(), buttons.Top, image.get());
    x -= image->Width() + FSkin->ButtonsOffset;
  }
  int textLeft = 0;
  if (const auto* sys = FindObject<TskDataSkinStdButton>("sysmenubutton"); sys && Picture(sys->ActivePictureIndex)) {
    Image image = Cut(Picture(sys->ActivePictureIndex), Active ? sys->SkinRect : sys->InActiveSkinRect);
    const TRect caption = FSkin->CaptionRect;
    window->Canvas()->Draw(caption.Left, caption.Top + caption.Height() / 2 - image->Height() / 2, image.get());
    textLeft = caption.Left + image->Width();
  }
  for (const auto& record : FSkin->ObjectList) {
    const auto* caption = dynamic_cast<const TskDataSkinCaption*>(record.get());
    if (!caption) continue;
    TRect text = Moved(caption->TextRct, caption->SkinRect.Left, caption->SkinRect.Top);
    text.Right += dW;
    text.Left = std::max(text.Left, textLeft + 4);
    Caption(window.get(), "ZorvikWMV格式转换器", text,
            FontOf(*caption, Active ? caption->ActiveFontColor : caption->FontColor), caption->Alignment);
    break;
  }
  if (const auto* bar = Find<TskDataSkinMainMenuBar>("mainmenubar")) {
    MenuBar(window.get(), client.Left, client.Top, client.Width(), Hot ? 1 : -1, -1);
    client.Top += bar->SkinRect.Height();
  }
  if (WithContent) Content(window.get(), client);

  // The window's shape: the mask's corner areas keep their place at the frame's corners.
  TBitmap* mask = FSkin->FMask.get();
  if (!mask->Empty()) {
    for (int y = 0; y < H; ++y)
      for (int x2 = 0; x2 < W; ++x2) {
        int mx = x2, my = y;
        if (x2 >= FSkin->RTPoint.X + dW) mx = x2 - dW;
        else if (x2 >= FSkin->LTPoint.X) continue;
        if (y >= FSkin->LBPoint.Y + (H - frame.Skin.Height())) my = y - (H - frame.Skin.Height());
        else if (y >= FSkin->LTPoint.Y) continue;
        if (mask->Canvas()->Pixels(mx, my) != clBlack) window->Canvas()->SetPixels(x2, y, Card.Back());
      }
  }
  Card.Draw(X, Y, window.get());
}

void TSheet::MenuBar(TBitmap* Target, int X, int Y, int W, int Hot, int Down) {
  const auto* bar = Find<TskDataSkinMainMenuBar>("mainmenubar");
  TBitmap* picture = bar ? Picture(bar->PictureIndex) : nullptr;
  if (!picture) return;
  Image strip = ::Strip(picture, bar->SkinRect, bar->ItemsRect.Left, bar->SkinRect.Width() - bar->ItemsRect.Right, W,
                        bar->StretchEffect);
  const auto* item = FindObject<TskDataSkinMainMenuBarItem>(bar->MenuBarItem);
  TBitmap* items = item ? Picture(item->ActivePictureIndex) : nullptr;
  if (items) {
    int x = bar->ItemsRect.Left;
    const char* texts[] = { "文件", "编辑", "工具", "帮助" };
    for (int i = 0; i < 4; ++i) {
      SetFont(strip->Canvas(), FontOf(*item, item->FontColor));
      const int textWidth = strip->Canvas()->TextWidth(texts[i]);
      const int w = item->SkinRect.Width() + item->TextRct.Left + textWidth - item->TextRct.Right + 2;
      TRect face = item->SkinRect;
      TColor color = item->FontColor;
      if (i == Hot) face = item->ActiveSkinRect, color = item->ActiveFontColor;
      if (i == Down) face = item->DownRect, color = item->DownFontColor;
      if (i == 3) color = item->UnEnabledFontColor;
      if (face != item->SkinRect || !bar->ItemTransparent) {
        Image image = ::Strip(items, face, item->ItemLO, item->ItemRO, w, item->StretchEffect);
        strip->Canvas()->Draw(x, bar->ItemsRect.Top, image.get());
      }
      const TRect text { x + item->TextRct.Left, bar->ItemsRect.Top, x + w - (item->SkinRect.Width() - item->TextRct.Right),
                         bar->ItemsRect.Top + item->SkinRect.Height() };
      Caption(strip.get(), texts[i], text, FontOf(*item, color));
      x += w;
    }
  }
  Target->Canvas()->Draw(X, Y, strip.get());
}

void TSheet::Place(TBitmap* Target, const String& Name, const TRect& At, const String& Text, bool Hot) {
  const int index = FSkin->GetControlIndex(Name);
  if (index < 0) return;
  TskDataSkinControl* record = FSkin->CtrlList[index].get();
  TBitmap* picture = Picture(record->PictureIndex);
  TCanvas* canvas = Target->Canvas();
  if (auto* button = dynamic_cast<TskDataSkinButtonControl*>(record); button && picture) {
    TRect client;
    Image face = Compose(picture, TNine::Of(*button), Hot ? button->ActiveSkinRect : button->SkinRect, At.Width(),
                         At.Height(), &client);
    Caption(face.get(), Text, client, FontOf(*button, Hot ? button->ActiveFontColor : button->FontColor));
    canvas->Draw(At.Left, At.Top, face.get());
  } else if (auto* panel = dynamic_cast<TskDataSkinPanelControl*>(record); panel && picture) {
    Image face = Compose(picture, TNine::Of(*panel), panel->SkinRect, At.Width(), At.Height());
    if (!Empty(panel->CaptionRect) && !Text.empty()) {
      TRect caption = panel->CaptionRect;
      caption.Right += At.Width() - panel->SkinRect.Width();
      Caption(face.get(), Text, caption, FontOf(*panel, panel->FontColor), panel->Alignment);
    }
    canvas->Draw(At.Left, At.Top, face.get());
  } else if (auto* combo = dynamic_cast<TskDataSkinComboBox*>(record); combo && picture) {
    const int d = At.Width() - combo->SkinRect.Width();
    Image face = ::Strip(picture, combo->SkinRect, combo->LTPoint.X, combo->SkinRect.Width() - combo->RTPoint.X,
                         At.Width(), combo->StretchEffect);
    TRect text = combo->ItemTextRect;
    text = Rect(combo->ClRect.Left + text.Left + 2, combo->ClRect.Top, combo->ClRect.Right + d, combo->ClRect.Bottom);
    Caption(face.get(), Text, text, FontOf(*combo, combo->FontColor), taLeftJustify);
    canvas->Draw(At.Left, At.Top, face.get());
  } else if (auto* edit = dynamic_cast<TskDataSkinEditControl*>(record); edit && picture) {
    const int d = At.Width() - edit->SkinRect.Width();
    Image face = ::Strip(picture, edit->SkinRect, edit->LTPoint.X, edit->SkinRect.Width() - edit->RTPoint.X, At.Width(),
                         edit->StretchEffect);
    Caption(face.get(), Text, Rect(edit->ClRect.Left + 2, edit->ClRect.Top, edit->ClRect.Right + d, edit->ClRect.Bottom),
            FontOf(*edit, edit->FontColor), taLeftJustify);
    canvas->Draw(At.Left, At.Top, face.get());
  } else if (auto* box = dynamic_cast<TskDataSkinCheckRadioControl*>(record); box && picture) {
    Image mark = Cut(picture, box->CheckImageRect);
    mark->SetTransparent(true);
    canvas->Draw(At.Left + 3, At.Top + At.Height() / 2 - mark->Height() / 2, mark.get());
    SetFont(canvas, FontOf(*box, box->FrameFontColor));
    DrawLeftText(canvas, Text, Rect(At.Left + mark->Width() + 7, At.Top, At.Right, At.Bottom));
  } else if (auto* label = dynamic_cast<TskDataSkinStdLabelControl*>(record)) {
    SetFont(canvas, FontOf(*label, label->FontColor));
    DrawLeftText(canvas, Text, At);
  } else if (auto* slider = dynamic_cast<TskDataSkinSlider*>(record); slider && picture) {
    canvas->Draw(At.Left, At.Top, SliderFace(*slider, At.Width(), false).get());
  } else if (auto* list = dynamic_cast<TskDataSkinListView*>(record)) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(list->BGColor);
    canvas->FillRect(At);
    const int headerHeight = 24;
    const char* columns[] = { "输入文件", "视频时间", "文件大小", "输出文件", "转换进度" };
    const int widths[] = { 110, 70, 70, 110, At.Width() - 360 };
    int x = At.Left;
    for (int i = 0; i < 5; ++i) {
      Place(Target, "header", Rect(x, At.Top, x + widths[i], At.Top + headerHeight), "");
      if (const auto* header = Find<TskDataSkinButtonControl>("header"))
        Caption(Target, columns[i], Rect(x + 6, At.Top, x + widths[i], At.Top + headerHeight),
                FontOf(*header, header->FontColor), taLeftJustify);
      x += widths[i];
    }
    const char* rows[][5] = { { "旅行.mp4", "00:03:12", "24.5MB", "旅行.wmv", "100%" },
                              { "会议记录.avi", "01:02:40", "512MB", "会议记录.wmv", "35%" } };
    int y = At.Top + headerHeight + 2;
    for (const auto& row : rows) {
      x = At.Left;
      for (int i = 0; i < 5; ++i) {
        Caption(Target, row[i], Rect(x + 6, y, x + widths[i], y + 20), FontOf(*list, list->FontColor), taLeftJustify);
        x += widths[i];
      }
      y += 20;
    }
  }
}

void TSheet::Content(TBitmap* Window, const TRect& Client) {
  const int l = Client.Left, t = Client.Top, r = Client.Right;
  Place(Window, "toolpanel", Rect(l, t, r, t + 58), "");
  const char* tools[] = { "添加", "删除", "清空", "选项" };
  for (int i = 0; i < 4; ++i)
    Place(Window, i == 0 ? "toolmenubutton" : "toolbutton", Bounds(l + 8 + 56 * i, t + 5, 48, 48), tools[i], i == 1);
  Place(Window, "toolbutton", Bounds(r - 120, t + 5, 48, 48), "开始");
  Place(Window, "toolbutton", Bounds(r - 64, t + 5, 48, 48), "停止");
  const int top = t + 66;
  Place(Window, "panel", Rect(l + 8, top, r - 250, top + 170), "");
  Place(Window, "listview", Rect(l + 12, top + 4, r - 254, top + 166), "");
  Place(Window, "groupbox", Rect(r - 242, top, r - 8, top + 170), "视频预览");
  Place(Window, "slider", Rect(r - 236, top + 100, r - 14, top + 131), "");
  for (int i = 0; i < 4; ++i) Place(Window, "resizetoolbutton", Bounds(r - 234 + 37 * i, top + 134, 30, 30), "", i == 1);
  const int bottom = top + 178;
  Place(Window, "panel", Rect(l + 8, bottom, r - 8, Client.Bottom - 6), "");
  Place(Window, "combobox", Bounds(l + 16, bottom + 8, 160, 25), "WMV格式");
  Place(Window, "combobox", Bounds(l + 184, bottom + 8, 300, 25), "WMV标准视频(*.wmv)");
  Place(Window, "button", Bounds(l + 492, bottom + 8, 80, 25), "设置...");
  Place(Window, "checkbox", Bounds(l + 590, bottom + 8, 150, 25), "完成后关机");
  Place(Window, "stdlabel", Bounds(l + 16, bottom + 42, 72, 25), "输出目录：");
  Place(Window, "edit", Bounds(l + 88, bottom + 42, 400, 25), "/home/用户/Zorvik视频软件/输出");
  Place(Window, "resizebutton", Bounds(l + 496, bottom + 42, 75, 25), "浏览...", true);
  Place(Window, "resizebutton", Bounds(l + 579, bottom + 42, 75, 25), "打开");
}

Image TSheet::Frame() {
  TCard card("Form frame: caption, caption buttons, borders and menu bar", FBack);
  TFlow flow(card, TitleHeight + 4);
  TPoint at = flow.Next(380, 150, "active");
  FrameImage(card, at.X, at.Y, 380, 150, true, false);
  at = flow.Next(380, 150, "inactive");
  FrameImage(card, at.X, at.Y, 380, 150, false, false);
  at = flow.Next(380, 150, "hot close button and menu item");
  FrameImage(card, at.X, at.Y, 380, 150, true, true);
  flow.Break();
  at = flow.Next(830, 392, "the main window's controls, each drawn from its record");
  FrameImage(card, at.X, at.Y, 830, 392, true, false, true);
  return card.Finish();
}

void TSheet::Pieces(TCard& Card, TBitmap* Picture, const std::vector<TState>& States) {
  TFlow flow(Card, Card.Bottom() + 6);
  for (int factor : { 1, 2 }) {
    for (const TState& state : States) {
      if (Empty(state.Source) || !Picture) continue;
      Image piece = Cut(Picture, state.Source);
      if (factor > 1) piece = Zoom(piece.get(), factor);
      const TPoint at = flow.Next(piece->Width(), piece->Height(), factor == 1 ? state.Name : "");
      Card.Draw(at.X, at.Y, piece.get());
    }
    flow.Break();
  }
}

Image TSheet::Object(TskDataSkinObject* Record) {
  TCard card(Record->IDName + " : " + SkinObjectKind(Record), FBack);
  TBitmap* picture = Picture(Record->ActivePictureIndex);
  TBitmap* normal = Record->SkinRectInAPicture ? picture : FSkin->FPicture.get();
  if (auto* standard = dynamic_cast<TskDataSkinStdButton*>(Record)) {
    Pieces(card, picture,
           { { "normal", standard->SkinRect, 0 }, { "hot", standard->ActiveSkinRect, 0 },
             { "pressed", standard->DownRect, 0 }, { "inactive", standard->InActiveSkinRect, 0 },
             { "disabled", standard->DisableSkinRect, 0 }, { "restore", standard->RestoreRect, 0 },
             { "restore hot", standard->RestoreActiveRect, 0 }, { "restore pressed", standard->RestoreDownRect, 0 },
             { "restore inactive", standard->RestoreInActiveRect, 0 } });
  } else if (auto* item = dynamic_cast<TskDataSkinMainMenuBarItem*>(Record)) {
    Pieces(card, picture,
           { { "normal", item->SkinRect, 0 }, { "hot", item->ActiveSkinRect, 0 }, { "pressed", item->DownRect, 0 },
             { "hover frames", item->AnimateSkinRect, 0 } });
  } else if (auto* caption = dynamic_cast<TskDataSkinCaption*>(Record)) {
    TFlow flow(card, TitleHeight + 4);
    for (int w : { 300, 520 }) {
      const int l = std::max(0, FSkin->LTPoint.X - caption->SkinRect.Left);
      const int r = std::max(0, caption->SkinRect.Right - FSkin->RTPoint.X);
      Image strip = ::Strip(normal, caption->SkinRect, l, r, w, caption->StretchEffect);
      TRect text = caption->TextRct;
      text.Right = w - (caption->SkinRect.Width() - caption->TextRct.Right);
      for (bool active : { true, false }) {
        Image copy = Cut(strip.get(), Rect(0, 0, strip->Width(), strip->Height()));
        Caption(copy.get(), "ZorvikWMV格式转换器 - 选项", text,
                FontOf(*caption, active ? caption->ActiveFontColor : caption->FontColor), caption->Alignment);
        const TPoint at = flow.Next(w, copy->Height(), active ? "active text" : "inactive text");
        card.Draw(at.X, at.Y, copy.get());
      }
      flow.Break();
    }
  } else if (dynamic_cast<TskDataSkinMenuItem*>(Record)) {
    PopupMenu(card, Pad, TitleHeight + 4, 180);
    PopupMenu(card, Pad + 200, TitleHeight + 4, 280);
  } else if (auto* button = dynamic_cast<TskDataSkinButton*>(Record)) {
    Pieces(card, picture,
           { { "normal", button->SkinRect, 0 }, { "hot", button->ActiveSkinRect, 0 }, { "pressed", button->DownRect, 0 },
             { "disabled", button->DisableSkinRect, 0 } });
  } else {
    card.Note(Pad, TitleHeight, "not drawn here");
  }
  return card.Finish();
}

void TSheet::PopupMenu(TCard& Card, int X, int Y, int W) {
  const TskDataSkinPopupWindow& popup = *FSkin->PopupWindow;
  const auto* item = FindObject<TskDataSkinMenuItem>("menuitem");
  TBitmap* back = Picture(popup.WindowPictureIndex);
  TBitmap* rows = item ? Picture(item->ActivePictureIndex) : nullptr;
  if (!back || !rows) return;
  struct TRow {
    const char* Text;
    int Kind;  // 0 normal, 1 hot, 2 divider, 3 checked, 4 radio, 5 submenu, 6 disabled
  } lines[] = { { "打开文件...", 0 }, { "添加目录...", 1 }, { "", 2 }, { "覆盖已有文件", 3 }, { "高优先级", 4 },
                { "导出", 5 }, { "不可用的命令", 6 } };
  int height = 0;
  for (const TRow& row : lines) height += row.Kind == 2 ? item->DividerRect.Height() : item->SkinRect.Height();
  const int pw = back->Width(), ph = back->Height();
  const int H = height + popup.ItemsRect.Top + (ph - popup.ItemsRect.Bottom);
  TNine nine { popup.LTPoint, popup.RTPoint, popup.LBPoint, popup.RBPoint, popup.ItemsRect, Rect(0, 0, pw, ph),
               popup.LeftStretch, popup.TopStretch, popup.RightStretch, popup.BottomStretch, popup.StretchEffect,
               popup.StretchType };
  TRect items;
  Image window = Compose(back, nine, nine.Skin, W, H, &items, true);
  int y = items.Top;
  for (const TRow& row : lines) {
    if (row.Kind == 2) {
      Image divider = ::Strip(rows, item->DividerRect, item->DividerLO, item->DividerRO, items.Width(),
                              item->DividerStretchEffect);
      window->Canvas()->Draw(items.Left, y, divider.get());
      y += divider->Height();
      continue;
    }
    const bool hot = row.Kind == 1;
    Image face = ::Strip(rows, hot ? item->ActiveSkinRect : item->SkinRect, item->ItemLO, item->ItemRO, items.Width(),
                         hot ? item->StretchEffect : item->InActiveStretchEffect);
    const TColor color = row.Kind == 6 ? item->UnEnabledFontColor : hot ? item->ActiveFontColor : item->FontColor;
    TRect text = item->TextRct;
    text.Right += items.Width() - item->SkinRect.Width();
    Caption(face.get(), row.Text, Rect(text.Left + 16, text.Top, text.Right - 16, text.Bottom), FontOf(*item, color),
            taLeftJustify);
    const TRect glyph = Rect(text.Left + 2, text.Top, text.Left + 16, text.Bottom);
    auto mark = [&](const TRect& Source, const TRect& Where) {
      if (Empty(Source)) return;
      Image image = Cut(rows, Source);
      image->SetTransparent(true);
      face->Canvas()->Draw(Where.Left + Where.Width() / 2 - image->Width() / 2,
                           Where.Top + Where.Height() / 2 - image->Height() / 2, image.get());
    };
    if (row.Kind == 3) mark(item->CheckImageRect, glyph);
    if (row.Kind == 4) mark(item->RadioImageRect, glyph);
    if (row.Kind == 5) mark(item->ArrowImageRect, Rect(text.Right - item->ArrowImageRect.Width() - 5, text.Top, text.Right, text.Bottom));
    window->Canvas()->Draw(items.Left, y, face.get());
    y += face->Height();
  }
  Card.Draw(X, Y, window.get());
}

Image TSheet::Windows() {
  TCard card("Hint window", FBack);
  const TskDataSkinHintWindow& hint = *FSkin->HintWindow;
  TBitmap* back = Picture(hint.WindowPictureIndex);
  if (!back) return card.Finish();
  TFlow flow(card, TitleHeight + 4);
  for (const char* text : { "删除", "添加视频文件到转换列表" }) {
    SetFont(card.Canvas(), FontOf(hint, hint.FontColor));
    const int tw = card.Canvas()->TextWidth(text), th = card.Canvas()->TextHeight(text);
    const int w = tw + hint.ClRect.Left + back->Width() - hint.ClRect.Right + 5;
    const int h = th + hint.ClRect.Top + back->Height() - hint.ClRect.Bottom;
    TNine nine { hint.LTPoint, hint.RTPoint, hint.LBPoint, hint.RBPoint, hint.ClRect, Rect(0, 0, back->Width(), back->Height()),
                 hint.LeftStretch, hint.TopStretch, hint.RightStretch, hint.BottomStretch, hint.StretchEffect,
                 hint.StretchType };
    TRect client;
    Image window = Compose(back, nine, nine.Skin, w, h, &client, true);
    Caption(window.get(), text, client, FontOf(hint, hint.FontColor));
    const TPoint at = flow.Next(w, h, "");
    card.Draw(at.X, at.Y, window.get());
  }
  return card.Finish();
}

Image TSheet::Colors() {
  TCard card("Skin colours", FBack);
  TskSkinColors* colors = FSkin->SkinColors();
  const std::pair<const char*, TColor> swatches[] = {
    { "button face", colors->cBtnFace() },       { "button text", colors->cBtnText() },
    { "window", colors->cWindow() },             { "window text", colors->cWindowText() },
    { "highlight", colors->cHighLight() },       { "highlight text", colors->cHighLightText() },
    { "button highlight", colors->cBtnHighLight() }, { "button shadow", colors->cBtnShadow() },
  };
  TFlow flow(card, TitleHeight + 4);
  for (const auto& [name, color] : swatches) {
    const TPoint at = flow.Next(90, 30, name);
    card.Fill(Rect(at.X, at.Y, at.X + 90, at.Y + 30), RGB(120, 128, 140));
    card.Fill(Rect(at.X + 1, at.Y + 1, at.X + 89, at.Y + 29), color);
  }
  return card.Finish();
}

Image TSheet::Control(TskDataSkinControl* Record) {
  TCard card(Record->IDName + " : " + SkinControlKind(Record), FBack);
  if (auto* r = dynamic_cast<TskDataSkinButtonControl*>(Record)) Button(card, *r);
  else if (auto* r = dynamic_cast<TskDataSkinCheckRadioControl*>(Record)) CheckRadio(card, *r);
  else if (auto* r = dynamic_cast<TskDataSkinPanelControl*>(Record)) Panel(card, *r);
  else if (auto* r = dynamic_cast<TskDataSkinScrollBarControl*>(Record)) ScrollBar(card, *r);
  else if (auto* r = dynamic_cast<TskDataSkinListBox*>(Record)) List(card, *r);
  else if (auto* r = dynamic_cast<TskDataSkinEditControl*>(Record)) Edit(card, *r);
  else if (auto* r = dynamic_cast<TskDataSkinComboBox*>(Record)) Combo(card, *r);
  else if (auto* r = dynamic_cast<TskDataSkinUpDownControl*>(Record)) UpDown(card, *r);
  else if (auto* r = dynamic_cast<TskDataSkinSlider*>(Record)) Slider(card, *r);
  else if (auto* r = dynamic_cast<TskDataSkinTabControl*>(Record)) Tab(card, *r);
  else if (auto* r = dynamic_cast<TskDataSkinLabelControl*>(Record)) Strip(card, *r, FontOf(*r, r->FontColor), "工具");
  else if (auto* r = dynamic_cast<TskDataSkinSplitterControl*>(Record)) Strip(card, *r, {}, "");
  else if (auto* r = dynamic_cast<TskDataSkinScrollBoxControl*>(Record)) Strip(card, *r, {}, "");
  else if (auto* r = dynamic_cast<TskDataSkinMainMenuBar*>(Record)) Bar(card, *r);
  else if (auto* r = dynamic_cast<TskDataSkinBevel*>(Record)) Bevel(card, *r);
  else if (dynamic_cast<TskDataSkinStdLabelControl*>(Record) || dynamic_cast<TskDataSkinListView*>(Record) ||
           dynamic_cast<TskDataSkinTreeView*>(Record))
    Views(card, *Record);
  else
    card.Note(Pad, TitleHeight, "a kind the program does not use: not drawn here");
  return card.Finish();
}

void TSheet::Button(TCard& Card, const TskDataSkinButtonControl& R) {
  TBitmap* picture = Picture(R.PictureIndex);
  if (!picture) return;
  const TNine nine = TNine::Of(R);
  const bool square = R.SkinRect.Width() == R.SkinRect.Height();
  const bool header = R.IDName == "header";
  const TSize sizes[] = { square ? TSize { 30, 30 } : header ? TSize { 90, R.SkinRect.Height() } : TSize { 75, 25 },
                          square ? TSize { 64, 64 } : header ? TSize { 150, R.SkinRect.Height() + 6 } : TSize { 120, 34 } };
  const char* texts[] = { square ? "" : header ? "输入文件" : "确定", square ? "添加" : header ? "转换进度" : "开始转换" };
  const TState states[] = { { "normal", R.SkinRect, R.FontColor }, { "hot", R.ActiveSkinRect, R.ActiveFontColor },
                            { "pressed", R.DownSkinRect, R.DownFontColor }, { "focused", R.FocusedSkinRect, R.FontColor },
                            { "disabled", R.DisabledSkinRect, R.DisabledFontColor } };
  TFlow flow(Card, TitleHeight + 4);
  for (int size = 0; size < 2; ++size) {
    for (const TState& state : states) {
      if (Empty(state.Source)) continue;
      TRect client;
      Image face = Compose(picture, nine, state.Source, sizes[size].cx, sizes[size].cy, &client);
      Caption(face.get(), texts[size], client, FontOf(R, state.Font));
      const TPoint at = flow.Next(face->Width(), face->Height(), size == 0 ? state.Name : "");
      Card.Draw(at.X, at.Y, face.get());
    }
    flow.Break();
  }
}

void TSheet::CheckRadio(TCard& Card, const TskDataSkinCheckRadioControl& R) {
  TBitmap* picture = Picture(R.PictureIndex);
  if (!picture) return;
  const TState marks[] = {
    { "checked", R.CheckImageRect, R.FrameFontColor },      { "unchecked", R.UnCheckImageRect, R.FrameFontColor },
    { "hot checked", R.ActiveCheckImageRect, R.FrameFontColor }, { "hot", R.ActiveUnCheckImageRect, R.FrameFontColor },
    { "disabled checked", R.UnEnabledCheckImageRect, R.UnEnabledFontColor },
    { "disabled", R.UnEnabledUnCheckImageRect, R.UnEnabledFontColor },
    { "grayed", R.GrayedCheckImageRect, R.FrameFontColor }, { "hot grayed", R.ActiveGrayedCheckImageRect, R.FrameFontColor },
  };
  TFlow flow(Card, TitleHeight + 4);
  for (int factor : { 1, 2 }) {
    for (const TState& mark : marks) {
      if (Empty(mark.Source)) continue;
      Image image = Cut(picture, mark.Source);
      if (factor > 1) image = Zoom(image.get(), factor);
      const int w = image->Width() + (factor == 1 ? 70 : 0);
      const TPoint at = flow.Next(w, image->Height(), factor == 1 ? mark.Name : "");
      Card.Draw(at.X, at.Y, image.get(), true);
      Card.Reach(at.X + w, at.Y + image->Height());
      if (factor == 1) {
        SetFont(Card.Canvas(), FontOf(R, mark.Font));
        DrawLeftText(Card.Canvas(), "覆盖文件", Rect(at.X + image->Width() + 6, at.Y, at.X + w, at.Y + image->Height()));
      }
    }
    flow.Break();
  }
}

void TSheet::Panel(TCard& Card, const TskDataSkinPanelControl& R) {
  TBitmap* picture = Picture(R.PictureIndex);
  if (!picture) return;
  const TNine nine = TNine::Of(R);
  TFlow flow(Card, TitleHeight + 4);
  for (TSize size : { TSize { 160, 80 }, TSize { 300, 120 } }) {
    if (nine.Mode() == 2) size.cy = R.SkinRect.Height();
    Image face = Compose(picture, nine, R.SkinRect, size.cx, size.cy);
    if (!Empty(R.CaptionRect)) {
      // The caption reaches from the left corner into the right one: it widens with the panel.
      TRect caption = R.CaptionRect;
      caption.Right += size.cx - R.SkinRect.Width();
      Caption(face.get(), "视频预览", caption, FontOf(R, R.FontColor), R.Alignment);
    }
    const TPoint at = flow.Next(face->Width(), face->Height(), "");
    Card.Draw(at.X, at.Y, face.get());
  }
}

void TSheet::ScrollBar(TCard& Card, const TskDataSkinScrollBarControl& R) {
  TBitmap* picture = Picture(R.PictureIndex);
  if (!picture) return;
  const TNine nine = TNine::Of(R);
  const bool vertical = nine.Mode() == 3;
  TFlow flow(Card, TitleHeight + 4);
  const TState states[] = { { "normal", R.ThumbRect, 0 }, { "hot", R.ActiveThumbRect, 0 }, { "pressed", R.DownThumbRect, 0 } };
  for (int length : { 120, 220 }) {
    for (const TState& state : states) {
      Image bar = Compose(picture, nine, R.SkinRect, vertical ? R.SkinRect.Width() : length,
                          vertical ? length : R.SkinRect.Height());
      const int d = length - (vertical ? R.SkinRect.Height() : R.SkinRect.Width());
      auto moved = [&](TRect B) {
        const bool beyond = vertical ? B.Top > R.LBPoint.Y : B.Left > R.RTPoint.X;
        return beyond ? (vertical ? Moved(B, 0, d) : Moved(B, d, 0)) : B;
      };
      const bool hot = state.Source == R.ActiveThumbRect, down = state.Source == R.DownThumbRect;
      const TRect buttonState = hot ? R.ActiveUpButtonRect : down ? R.DownUpButtonRect : TRect {};
      if (!Empty(buttonState)) {
        Image button = Cut(picture, buttonState);
        const TRect at = moved(R.UpButtonRect);
        bar->Canvas()->Draw(at.Left, at.Top, button.get());
      }
      TRect track = R.TrackArea;
      (vertical ? track.Bottom : track.Right) += d;
      const int thumbLength = std::max(vertical ? state.Source.Height() : state.Source.Width(), length / 3);
      Image thumb = NewImage(vertical ? state.Source.Width() : thumbLength, vertical ? thumbLength : state.Source.Height(),
                             clWhite);
      if (vertical)
        ComposeVertStripImage(R.ThumbOffset1, R.ThumbOffset2, thumb.get(), picture, state.Source, thumb->Width(),
                              thumbLength, R.ThumbStretchEffect);
      else
        ComposeHorzStripImage(R.ThumbOffset1, R.ThumbOffset2, thumb.get(), picture, state.Source, thumbLength,
                              thumb->Height(), R.ThumbStretchEffect);
      const int along = (vertical ? track.Height() : track.Width()) - thumbLength;
      const int offset = along * (hot ? 1 : down ? 2 : 0) / 2;
      if (vertical)
        bar->Canvas()->Draw(track.Left + track.Width() / 2 - thumb->Width() / 2, track.Top + offset, thumb.get());
      else
        bar->Canvas()->Draw(track.Left + offset, track.Top + track.Height() / 2 - thumb->Height() / 2, thumb.get());
      const TPoint at = flow.Next(bar->Width(), bar->Height(), length == 120 ? state.Name : "");
      Card.Draw(at.X, at.Y, bar.get());
    }
    if (!vertical) flow.Break();
  }
}

void TSheet::List(TCard& Card, const TskDataSkinListBox& R) {
  TBitmap* picture = Picture(R.PictureIndex);
  if (!picture) return;
  const auto* checks = dynamic_cast<const TskDataSkinCheckListBox*>(&R);
  TFlow flow(Card, TitleHeight + 4);
  for (TSize size : { TSize { 180, 110 }, TSize { 280, 120 } }) {
    TRect client;
    Image box = Compose(picture, TNine::Of(R), R.SkinRect, size.cx, size.cy, &client);
    const char* texts[] = { "WMV标准视频(*.wmv)", "选中的项目", "有焦点的项目", "AVI视频(*.avi)" };
    int y = client.Top;
    for (int i = 0; i < 4 && y + R.SItemRect.Height() <= client.Bottom; ++i) {
      const TRect source = i == 1 ? R.ActiveItemRect : i == 2 ? R.FocusItemRect : R.SItemRect;
      const TColor color = i == 1 ? R.ActiveFontColor : i == 2 ? R.FocusFontColor : R.FontColor;
      Image row = ::Strip(picture, source, R.ItemLeftOffset, R.ItemRightOffset, client.Width(), i > 0);
      TRect text = R.ItemTextRect;
      text.Right += client.Width() - R.SItemRect.Width();
      if (checks) {
        Image mark = Cut(picture, i % 2 == 0 ? checks->CheckImageRect : checks->UnCheckImageRect);
        mark->SetTransparent(true);
        row->Canvas()->Draw(checks->ItemCheckRect.Left, checks->ItemCheckRect.Top, mark.get());
        text.Left = checks->ItemCheckRect.Right + 2;
      }
      Caption(row.get(), texts[i], Rect(text.Left + 2, text.Top, text.Right, text.Bottom), FontOf(R, color), taLeftJustify);
      box->Canvas()->Draw(client.Left, y, row.get());
      y += row->Height();
    }
    const TPoint at = flow.Next(box->Width(), box->Height(), "");
    Card.Draw(at.X, at.Y, box.get());
  }
}

void TSheet::Edit(TCard& Card, const TskDataSkinEditControl& R) {
  TBitmap* picture = Picture(R.PictureIndex);
  if (!picture) return;
  const int left = R.LTPoint.X, right = R.SkinRect.Width() - R.RTPoint.X;
  const TState states[] = { { "normal", R.SkinRect, R.FontColor }, { "hot or focused", R.ActiveSkinRect, R.ActiveFontColor },
                            { "disabled", R.SkinRect, R.DisabledFontColor } };
  TFlow flow(Card, TitleHeight + 4);
  for (int width : { 180, 320 }) {
    for (const TState& state : states) {
      Image face = ::Strip(picture, state.Source, left, right, width, R.StretchEffect);
      const int d = width - R.SkinRect.Width();
      if (!Empty(R.ButtonRect)) {
        const TRect button = state.Source == R.ActiveSkinRect ? R.ActiveButtonRect
                             : state.Font == R.DisabledFontColor ? R.UnEnabledButtonRect
                                                                 : TRect {};
        if (!Empty(button)) {
          Image image = Cut(picture, button);
          face->Canvas()->Draw(R.ButtonRect.Left + d, R.ButtonRect.Top, image.get());
        }
      }
      const TRect text = Rect(R.ClRect.Left + 2, R.ClRect.Top, R.ClRect.Right + d, R.ClRect.Bottom);
      Caption(face.get(), "/home/用户/Zorvik视频软件/输出", text, FontOf(R, state.Font), taLeftJustify);
      const TPoint at = flow.Next(face->Width(), face->Height(), width == 180 ? state.Name : "");
      Card.Draw(at.X, at.Y, face.get());
    }
    flow.Break();
  }
}

void TSheet::Combo(TCard& Card, const TskDataSkinComboBox& R) {
  TBitmap* picture = Picture(R.PictureIndex);
  if (!picture) return;
  const auto* edit = Find<TskDataSkinEditControl>("edit");
  const TColor disabled = edit ? edit->DisabledFontColor : R.FontColor;
  struct TLook {
    const char* Name;
    TRect Face, Button, Item;
    TColor Font;
  } looks[] = { { "normal", R.SkinRect, {}, R.SItemRect, R.FontColor },
                { "hot", R.ActiveSkinRect, R.ActiveButtonRect, R.SItemRect, R.ActiveFontColor },
                { "focused", R.ActiveSkinRect, {}, R.FocusItemRect, R.FocusFontColor },
                { "pressed", R.ActiveSkinRect, R.DownButtonRect, R.FocusItemRect, R.FocusFontColor },
                { "disabled", R.SkinRect, R.UnEnabledButtonRect, R.SItemRect, disabled } };
  TFlow flow(Card, TitleHeight + 4);
  for (int width : { 170, 300 }) {
    for (const TLook& look : looks) {
      const int d = width - R.SkinRect.Width();
      Image face = ::Strip(picture, look.Face, R.LTPoint.X, R.SkinRect.Width() - R.RTPoint.X, width, R.StretchEffect);
      if (!Empty(look.Button)) {
        Image button = Cut(picture, look.Button);
        face->Canvas()->Draw(R.ButtonRect.Left + d, R.ButtonRect.Top, button.get());
      }
      const int itemWidth = R.ClRect.Width() + d;
      Image item = ::Strip(picture, look.Item, R.ItemLeftOffset, R.ItemRightOffset, itemWidth, R.FocusItemStretchEffect);
      TRect text = R.ItemTextRect;
      text.Right += itemWidth - R.SItemRect.Width();
      Caption(item.get(), "WMV标准视频(*.wmv)", Rect(text.Left + 2, text.Top, text.Right, text.Bottom),
              FontOf(R, look.Font), taLeftJustify);
      face->Canvas()->Draw(R.ClRect.Left, R.ClRect.Top, item.get());
      const TPoint at = flow.Next(face->Width(), face->Height(), width == 170 ? look.Name : "");
      Card.Draw(at.X, at.Y, face.get());
    }
    flow.Break();
  }
}

void TSheet::UpDown(TCard& Card, const TskDataSkinUpDownControl& R) {
  TBitmap* picture = Picture(R.PictureIndex);
  if (!picture) return;
  struct TLook {
    const char* Name;
    TRect Up, Down;
  } looks[] = { { "normal", {}, {} }, { "up hot", R.ActiveUpButtonRect, {} }, { "up pressed", R.DownUpButtonRect, {} },
                { "down hot", {}, R.ActiveDownButtonRect }, { "down pressed", {}, R.DownDownButtonRect } };
  TFlow flow(Card, TitleHeight + 4);
  for (int factor : { 1, 2 }) {
    for (const TLook& look : looks) {
      Image face = Cut(picture, R.SkinRect);
      if (!Empty(look.Up)) face->Canvas()->Draw(R.UpButtonRect.Left, R.UpButtonRect.Top, Cut(picture, look.Up).get());
      if (!Empty(look.Down))
        face->Canvas()->Draw(R.DownButtonRect.Left, R.DownButtonRect.Top, Cut(picture, look.Down).get());
      if (factor > 1) face = Zoom(face.get(), factor);
      const TPoint at = flow.Next(face->Width(), face->Height(), factor == 1 ? look.Name : "");
      Card.Draw(at.X, at.Y, face.get());
    }
    flow.Break();
  }
}

Image TSheet::SliderFace(const TskDataSkinSlider& R, int Width, bool Pressed) {
  TBitmap* picture = Picture(R.PictureIndex);
  const int th = R.HThumbRect.Height(), tw = R.HThumbRect.Width() / 2;
  Image face = NewImage(Width, 31, R.BGColor);
  Image ruler = ::Strip(picture, R.HRulerRect, R.EdgeSize, R.EdgeSize, Width - 12, false);
  ruler->SetTransparent(true);
  face->Canvas()->Draw(6, 6 + (th - ruler->Height()) / 2, ruler.get());
  face->Canvas()->Pen()->SetColor(R.PointsColor);
  const int track = Width - 12 - tw;
  for (int i = 0; i <= 10; ++i) {
    const int x = 6 + track * i / 10 + tw / 2;
    face->Canvas()->MoveTo(x, th + 7);
    face->Canvas()->LineTo(x, th + 7 + (i % 10 == 0 ? 5 : 3));
  }
  Image thumb = Cut(picture, Rect(R.HThumbRect.Left + (Pressed ? tw : 0), R.HThumbRect.Top,
                                  R.HThumbRect.Left + (Pressed ? 2 * tw : tw), R.HThumbRect.Bottom));
  thumb->SetTransparent(true);
  face->Canvas()->Draw(6 + track * (Pressed ? 7 : 3) / 10, 6, thumb.get());
  return face;
}

void TSheet::Slider(TCard& Card, const TskDataSkinSlider& R) {
  TBitmap* picture = Picture(R.PictureIndex);
  if (!picture || Empty(R.HRulerRect) || Empty(R.HThumbRect)) return;
  TFlow flow(Card, TitleHeight + 4);
  for (int width : { 150, 218 }) {
    for (bool pressed : { false, true }) {
      Image face = SliderFace(R, width, pressed);
      const TPoint at = flow.Next(width, 31, width == 150 ? (pressed ? "pressed" : "normal") : "");
      Card.Draw(at.X, at.Y, face.get());
    }
  }
  if (!Empty(R.VRulerRect)) {
    Image face = NewImage(31, 120, R.BGColor);
    Image ruler = NewImage(R.VRulerRect.Width(), 108, clWhite);
    ComposeVertStripImage(R.EdgeSize, R.EdgeSize, ruler.get(), picture, R.VRulerRect, ruler->Width(), 108, false);
    ruler->SetTransparent(true);
    face->Canvas()->Draw(6 + (R.VThumbRect.Width() / 2 - ruler->Width()) / 2, 6, ruler.get());
    Image thumb = Cut(picture, Rect(R.VThumbRect.Left, R.VThumbRect.Top, R.VThumbRect.Left + R.VThumbRect.Width() / 2,
                                    R.VThumbRect.Bottom));
    thumb->SetTransparent(true);
    face->Canvas()->Draw(6, 40, thumb.get());
    const TPoint at = flow.Next(31, 120, "vertical");
    Card.Draw(at.X, at.Y, face.get());
  }
}

void TSheet::Tab(TCard& Card, const TskDataSkinTabControl& R) {
  TBitmap* picture = Picture(R.PictureIndex);
  if (!picture) return;
  TFlow flow(Card, TitleHeight + 4);
  for (TSize size : { TSize { 260, 110 }, TSize { 380, 150 } }) {
    const bool focused = size.cx > 300;
    const int rowHeight = 2 + R.TabRect.Height();
    Image face = NewImage(size.cx, size.cy, FBack);
    const TRect row = Rect(0, 0, size.cx, rowHeight);
    TRect bg = R.TabsBGRect;
    if (Empty(bg)) bg = Moved(R.ClRect, R.SkinRect.Left, R.SkinRect.Top);
    for (int y = 0; y < row.Bottom; y += bg.Height())
      for (int x = 0; x < row.Right; x += bg.Width()) face->Canvas()->Draw(x, y, Cut(picture, bg).get());
    Image page = Compose(picture, TNine::Of(R), R.SkinRect, size.cx, size.cy - rowHeight);
    face->Canvas()->Draw(0, rowHeight, page.get());
    struct TTabLook {
      const char* Text;
      TRect Source;
      TColor Font;
    } tabs[] = { { "常规", focused ? R.FocusTabRect : R.ActiveTabRect, focused ? R.FocusFontColor : R.ActiveFontColor },
                 { "CPU", R.TabRect, R.FontColor },
                 { "输出", R.MouseInTabRect, R.MouseInFontColor } };
    SetFont(face->Canvas(), FontOf(R, R.FontColor));
    int x = 2;
    std::vector<std::pair<int, int>> places;
    for (const TTabLook& tab : tabs) {
      const int w = face->Canvas()->TextWidth(tab.Text) + 24;
      places.push_back({ x, w });
      x += w;
    }
    for (int index : { 2, 1, 0 }) {  // the selected tab last, over its neighbours and the frame
      const TTabLook& tab = tabs[index];
      Image image = ::Strip(picture, tab.Source, R.TabLeftOffset, R.TabRightOffset, places[index].second, R.TabStretchEffect);
      const int shift = index == 0 ? 0 : 2;
      Caption(image.get(), tab.Text, Rect(0, shift, image->Width(), R.TabRect.Height()), FontOf(R, tab.Font));
      face->Canvas()->Draw(places[index].first, 2, image.get());
    }
    const TPoint at = flow.Next(face->Width(), face->Height(), focused ? "selected tab focused" : "selected, normal, hot");
    Card.Draw(at.X, at.Y, face.get());
  }
}

void TSheet::Strip(TCard& Card, const TskDataSkinCustomControl& R, const TFontSpec& Font, const String& Text) {
  TBitmap* picture = Picture(R.PictureIndex);
  if (!picture) return;
  const TNine nine = TNine::Of(R);
  TFlow flow(Card, TitleHeight + 4);
  for (int length : { 120, 240 }) {
    const bool vertical = nine.Mode() == 3;
    const int w = nine.Mode() == 1 ? length : vertical ? R.SkinRect.Width() : length;
    const int h = nine.Mode() == 1 ? length / 2 : vertical ? length / 2 : R.SkinRect.Height();
    TRect client;
    Image face = Compose(picture, nine, R.SkinRect, w, h, &client);
    if (!Text.empty()) Caption(face.get(), Text, client, Font);
    if (const auto* splitter = dynamic_cast<const TskDataSkinSplitterControl*>(&R); splitter && !Empty(splitter->GripperRect)) {
      Image grip = Cut(picture, splitter->GripperRect);
      face->Canvas()->Draw(w / 2 - grip->Width() / 2, h / 2 - grip->Height() / 2, grip.get());
    }
    const TPoint at = flow.Next(face->Width(), face->Height(), "");
    Card.Draw(at.X, at.Y, face.get());
  }
}

void TSheet::Views(TCard& Card, const TskDataSkinControl& R) {
  TFlow flow(Card, TitleHeight + 4);
  if (const auto* label = dynamic_cast<const TskDataSkinStdLabelControl*>(&R)) {
    for (bool active : { false, true }) {
      TFontSpec font = FontOf(*label, active ? label->ActiveFontColor : label->FontColor);
      if (active) font.Style = font.Style + TFontStyles { fsUnderline };
      const char* text = active ? "访问我们的网站 (link under the pointer)" : "输出目录： Output folder";
      SetFont(Card.Canvas(), font);
      const TPoint at = flow.Next(Card.Canvas()->TextWidth(text), 18, "");
      Card.Write(at.X, at.Y, text, font);
    }
    return;
  }
  const auto* list = dynamic_cast<const TskDataSkinListView*>(&R);
  const auto* tree = dynamic_cast<const TskDataSkinTreeView*>(&R);
  const TFontSpec font = list ? FontOf(*list, list->FontColor) : FontOf(*tree, tree->FontColor);
  const TColor back = list ? list->BGColor : tree->BGColor;
  for (TSize size : { TSize { 300, 110 }, TSize { 420, 130 } }) {
    Image face = NewImage(size.cx, size.cy, back);
    int y = 2;
    if (list) {
      const auto* header = Find<TskDataSkinButtonControl>("header");
      int x = 0;
      for (const char* column : { "输入文件", "视频时间", "文件大小", "转换进度" }) {
        const int w = size.cx / 4;
        if (header && Picture(header->PictureIndex)) {
          TRect client;
          Image cell = Compose(Picture(header->PictureIndex), TNine::Of(*header), header->SkinRect, w, header->SkinRect.Height(), &client);
          Caption(cell.get(), column, client, FontOf(*header, header->FontColor), taLeftJustify);
          face->Canvas()->Draw(x, 0, cell.get());
          y = cell->Height() + 2;
        }
        x += w;
      }
      for (const char* line : { "旅行.mp4        00:03:12    24.5MB", "会议记录.avi    01:02:40    512MB" }) {
        Caption(face.get(), line, Rect(6, y, size.cx, y + 20), font, taLeftJustify);
        y += 20;
      }
    } else {
      TBitmap* picture = Picture(tree->PictureIndex);
      const struct {
        int Level;
        const char* Text;
        int Button;  // 0 none, 1 expanded, 2 collapsed
      } nodes[] = { { 0, "主文件夹", 1 }, { 1, "视频", 2 }, { 1, "Zorvik视频软件", 1 }, { 2, "输出", 0 } };
      for (const auto& node : nodes) {
        const int x = 8 + node.Level * 18;
        const TRect button = node.Button == 1 ? tree->ExpandImageRect : tree->NoExpandImageRect;
        if (node.Button && picture && !Empty(button)) {
          Image image = Cut(picture, button);
          image->SetTransparent(true);
          face->Canvas()->Draw(x, y + 10 - image->Height() / 2, image.get());
        }
        Caption(face.get(), node.Text, Rect(x + 14, y, size.cx, y + 20), font, taLeftJustify);
        y += 20;
      }
    }
    const TPoint at = flow.Next(size.cx, size.cy, "");
    Card.Draw(at.X, at.Y, face.get());
  }
}

void TSheet::Bevel(TCard& Card, const TskDataSkinBevel& R) {
  TFlow flow(Card, TitleHeight + 4);
  for (TSize size : { TSize { 120, 40 }, TSize { 240, 60 } }) {
    Image face = NewImage(size.cx, size.cy, FBack);
    TCanvas* canvas = face->Canvas();
    const int r = size.cx - 5, b = size.cy - 5;
    canvas->Pen()->SetColor(R.DarkColor);  // lowered: dark above and left, light below and right
    canvas->MoveTo(4, b);
    canvas->LineTo(4, 4);
    canvas->LineTo(r, 4);
    canvas->Pen()->SetColor(R.LightColor);
    canvas->LineTo(r, b);
    canvas->LineTo(4, b);
    const TPoint at = flow.Next(size.cx, size.cy, "");
    Card.Draw(at.X, at.Y, face.get());
  }
}

void TSheet::Bar(TCard& Card, const TskDataSkinMainMenuBar& R) {
  TFlow flow(Card, TitleHeight + 4);
  for (int width : { 300, 520 }) {
    Image face = NewImage(width, R.SkinRect.Height(), FBack);
    MenuBar(face.get(), 0, 0, width, width == 300 ? 1 : -1, width == 300 ? -1 : 2);
    const TPoint at = flow.Next(width, face->Height(), width == 300 ? "an item under the pointer" : "an item opened");
    Card.Draw(at.X, at.Y, face.get());
  }
}

}  // namespace

std::unique_ptr<TBitmap> TskSkinPreview::Render() { return TSheet(FSkin).Render(); }

void WriteSkinPreview(const String& IniFileName, const String& PngFileName) {
  TskSkinData skin(nullptr);
  skin.LoadFromFile(IniFileName);
  std::unique_ptr<TBitmap> sheet = TskSkinPreview(&skin).Render();
  TPngImage png;
  png.Assign(sheet.get());
  png.SaveToFile(PngFileName);
}
