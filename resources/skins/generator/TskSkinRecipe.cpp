#include "resources/skins/generator/TskSkinRecipe.h"

#include <algorithm>

#include "platform/base/TMemIniFile.h"
#include "platform/base/TStringList.h"
#include "platform/gdi/TBitmap.h"
#include "resources/skins/generator/TskSkinAtlas.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skSkinKinds.h"

namespace {

using P = TskPieceRole;
using S = TskPieceState;
using G = TskGlyph;
using C = TskColorRole;

// Texts of controls and menus use the skin's default face and size; captions and hints the larger face.
const char* const TextFont = "Tahoma";
constexpr int TextHeight = 13;
const char* const CaptionFont = "Arial";
constexpr int CaptionFontHeight = 14;

// The form frame picture: a caption band, thin borders and rounded top corners (cut by the mask).
constexpr int FrameWidth = 160;
constexpr int FrameHeight = 120;
constexpr int FrameCaption = 30;
constexpr int FrameBorder = 4;
constexpr int FrameRadius = 7;
constexpr int FrameCorner = 16;
// Caption buttons stand in a row at the right of the caption, vertically centred in it.
constexpr int CaptionButtonWidth = 30;
constexpr int CaptionButtonHeight = 22;
constexpr int CaptionButtonTop = (FrameCaption - CaptionButtonHeight) / 2;
constexpr int CaptionButtonGap = 2;
constexpr int CaptionMargin = 6;

TskPiece Make(P Role, S State = S::Normal, G Glyph = G::None) {
  TskPiece piece;
  piece.Role = Role;
  piece.State = State;
  piece.Glyph = Glyph;
  return piece;
}

TskPiece Round(TskPiece Piece, int Radius) {
  Piece.Radius = Radius;
  return Piece;
}

TskPiece Upright(TskPiece Piece) {
  Piece.Vertical = true;
  return Piece;
}

TRect Offset(const TRect& R, int DX, int DY) { return { R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY }; }

// Nine-part geometry: fixed corners of Corner pixels, bands stretched, the centre Client repeated.
void NinePart(TskDataSkinCustomControl& Record, const TRect& SkinRect, int Corner, const TRect& Client) {
  const int w = SkinRect.Width(), h = SkinRect.Height();
  Record.SkinRect = SkinRect;
  Record.LTPoint = { Corner, Corner };
  Record.RTPoint = { w - Corner, Corner };
  Record.LBPoint = { Corner, h - Corner };
  Record.RBPoint = { w - Corner, h - Corner };
  Record.ClRect = Client;
  Record.LeftStretch = Record.TopStretch = Record.RightStretch = Record.BottomStretch = true;
  Record.StretchEffect = false;
  Record.StretchType = skstFull;
}

// A strip resizable in width only: fixed ends of Left and Right pixels.
void HorzStrip(TskDataSkinCustomControl& Record, const TRect& SkinRect, int Left, int Right, const TRect& Client) {
  Record.SkinRect = SkinRect;
  Record.LTPoint = { Left, 0 };
  Record.RTPoint = { SkinRect.Width() - Right, 0 };
  Record.LBPoint = {};
  Record.RBPoint = {};
  Record.ClRect = Client;
  Record.StretchEffect = true;
}

// A strip resizable in height only: fixed ends of Top and Bottom pixels.
void VertStrip(TskDataSkinCustomControl& Record, const TRect& SkinRect, int Top, int Bottom, const TRect& Client) {
  Record.SkinRect = SkinRect;
  Record.LTPoint = { 0, Top };
  Record.RTPoint = {};
  Record.LBPoint = { 0, SkinRect.Height() - Bottom };
  Record.RBPoint = {};
  Record.ClRect = Client;
  Record.StretchEffect = true;
}

template <class R> void SetFont(R& Record, TColor Color, TFontStyles Style = {}) {
  Record.FontName = TextFont;
  Record.FontHeight = TextHeight;
  Record.FontStyle = Style;
  Record.FontColor = Color;
}

// Whether the centre of pixel (X, Y) lies inside the window: the frame's top corners are rounded.
bool InsideFrame(int X, int Y) {
  const double px = X + 0.5, py = Y + 0.5;
  const double cx = std::clamp(px, double(FrameRadius), double(FrameWidth - FrameRadius));
  const double cy = std::max(py, double(FrameRadius));
  return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= FrameRadius * FrameRadius;
}

}  // namespace

TskSkinRecipe::TskSkinRecipe(TskSkinData* ASkin, TskSkinStyle* AStyle, TskListCaption AListCaption)
  : FSkin(ASkin),
    FStyle(AStyle),
    FListCaption(AListCaption),
    FControls(std::make_unique<TskSkinAtlas>(256, 0, AStyle->Background())),
    FObjects(std::make_unique<TskSkinAtlas>(256, 0, AStyle->Background())),
    FPopup(std::make_unique<TskSkinAtlas>(40, 40, AStyle->Background())),
    FHint(std::make_unique<TskSkinAtlas>(30, 26, AStyle->Background())),
    FFrame(std::make_unique<TskSkinAtlas>(FrameWidth, FrameHeight, AStyle->Background())),
    FFrameInactive(std::make_unique<TskSkinAtlas>(FrameWidth, FrameHeight, AStyle->Background())) {}

TskSkinRecipe::~TskSkinRecipe() = default;

void TskSkinRecipe::Build(const String& ASkinName, const String& AComments) {
  FSkin->SkinName = ASkinName;
  FSkin->SkinAuthor = "Zorvik";
  FSkin->SkinComments = AComments;
  BuildFrame();
  // Caption buttons come before the caption: the frame finds the hovered object in record order, and
  // the caption's area reaches under the buttons.
  BuildCaptionButtons();
  BuildCaption();
  BuildMainMenuBar();
  BuildPopupMenus();
  BuildHint();
  BuildButtons();
  BuildCheckRadio("checkbox", P::CheckImage, G::Check);
  BuildCheckRadio("radiobox", P::RadioImage, G::Radio);
  BuildPanels();
  BuildScrollBars();
  BuildLists();
  BuildFields();
  BuildUpDowns();
  BuildSlider();
  BuildTab();
  BuildLabels();
  BuildViews();
  BuildSplitters();
  BuildColors();
  StorePictures();
}

TRect TskSkinRecipe::Piece(TskSkinAtlas& Atlas, int W, int H, const TskPiece& APiece) {
  const TRect r = Atlas.Place(W, H);
  FStyle->Paint(Atlas.Canvas(), r, APiece);
  return r;
}

void TskSkinRecipe::Overlay(TskSkinAtlas& Atlas, const TRect& R, const TskPiece& APiece) {
  FStyle->Paint(Atlas.Canvas(), R, APiece);
}

template <class R> R& TskSkinRecipe::Control(const char* Kind, const String& Name) {
  std::unique_ptr<TskDataSkinControl> record = CreateSkinControl(Kind, Name);
  TMemIniFile none;
  record->LoadFromFile(&none);
  R& typed = dynamic_cast<R&>(*record);
  FSkin->CtrlList.push_back(std::move(record));
  return typed;
}

template <class R> R& TskSkinRecipe::Object(const char* Kind, const String& Name) {
  std::unique_ptr<TskDataSkinObject> record = CreateSkinObject(Kind, Name);
  TMemIniFile none;
  record->LoadFromFile(&none);
  R& typed = dynamic_cast<R&>(*record);
  FSkin->ObjectList.push_back(std::move(record));
  return typed;
}

void TskSkinRecipe::BuildFrame() {
  const TRect client = Rect(FrameBorder, FrameCaption, FrameWidth - FrameBorder, FrameHeight - FrameBorder);
  TskPiece frame = Round(Make(P::Frame), FrameRadius);
  frame.Inner = client;
  FStyle->Paint(FFrame->Canvas(), Rect(0, 0, FrameWidth, FrameHeight), frame);
  frame.State = S::Inactive;
  FStyle->Paint(FFrameInactive->Canvas(), Rect(0, 0, FrameWidth, FrameHeight), frame);

  FSkin->FMask->SetPixelFormat(pf24bit);
  FSkin->FMask->SetSize(FrameWidth, FrameHeight);
  for (int y = 0; y < FrameHeight; ++y) {
    auto* row = static_cast<Byte*>(FSkin->FMask->ScanLine(y));
    for (int x = 0; x < FrameWidth; ++x) {
      const Byte level = InsideFrame(x, y) ? 0 : 255;
      row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = level;
    }
  }

  FSkin->LTPoint = { FrameCorner, FrameCaption };
  FSkin->RTPoint = { FrameWidth - FrameCorner, FrameCaption };
  FSkin->LBPoint = { FrameCorner, client.Bottom };
  FSkin->RBPoint = { FrameWidth - FrameCorner, client.Bottom };
  FSkin->ClRect = client;
  FSkin->MaskRectArea = client;
  FSkin->LeftStretch = FSkin->TopStretch = FSkin->RightStretch = FSkin->BottomStretch = true;
  FSkin->HitTestLTPoint = { 12, 12 };
  FSkin->HitTestRTPoint = { FrameWidth - 12, 12 };
  FSkin->HitTestLBPoint = { 12, FrameHeight - 12 };
  FSkin->HitTestRBPoint = { FrameWidth - 12, FrameHeight - 12 };
  FSkin->CaptionRect = Rect(CaptionMargin, 0, FrameWidth - CaptionMargin, FrameCaption);
  FSkin->ButtonsRect = Rect(FrameWidth / 2 + CaptionMargin, CaptionButtonTop, FrameWidth - CaptionMargin,
                            CaptionButtonTop + CaptionButtonHeight);
  FSkin->ButtonsOffset = CaptionButtonGap;
  FSkin->BorderW = FrameBorder;
  FSkin->FPictureName = "frame.bmp";
  FSkin->FInActivePictureName = "frameinactive.bmp";
  FSkin->FMaskName = "framemask.bmp";
}

TskDataSkinStdButton& TskSkinRecipe::CaptionButton(const String& Name, TskStdCommand Command, const String& Hint,
                                                   TskGlyph Glyph, TskGlyph RestoreGlyph, int Width) {
  auto& button = Object<TskDataSkinStdButton>("stdbutton", Name);
  auto face = [&](S State, G Mark) {
    return Piece(*FObjects, Width, CaptionButtonHeight, Round(Make(P::CaptionButton, State, Mark), 4));
  };
  button.Hint = Hint;
  button.Command = Command;
  button.SkinRectInAPicture = true;
  button.ActivePictureIndex = ObjectsPicture;
  button.SkinRect = face(S::Normal, Glyph);
  button.ActiveSkinRect = face(S::Hot, Glyph);
  button.DownRect = face(S::Down, Glyph);
  button.InActiveSkinRect = face(S::Inactive, Glyph);
  button.DisableSkinRect = face(S::Disabled, Glyph);
  button.Morphing = true;
  button.MorphKind = mkDefault;
  if (RestoreGlyph != G::None) {
    button.RestoreRect = face(S::Normal, RestoreGlyph);
    button.RestoreActiveRect = face(S::Hot, RestoreGlyph);
    button.RestoreDownRect = face(S::Down, RestoreGlyph);
    button.RestoreInActiveRect = face(S::Inactive, RestoreGlyph);
    button.RestoreHint = "Restore";
  }
  return button;
}

void TskSkinRecipe::BuildCaptionButtons() {
  CaptionButton("closebutton", cmClose, "Close", G::Close, G::None, CaptionButtonWidth);
  CaptionButton("maximizebutton", cmMaximize, "Maximize", G::Maximize, G::Restore, CaptionButtonWidth);
  CaptionButton("minimizebutton", cmMinimize, "Minimize", G::Minimize, G::Restore, CaptionButtonWidth);
  CaptionButton("rollupbutton", cmRollUp, "Roll Up", G::RollUp, G::RollDown, CaptionButtonWidth);
  CaptionButton("traybutton", cmMinimizeToTray, "Minimize to tray", G::Tray, G::None, CaptionButtonWidth);
  CaptionButton("sysmenubutton", cmSysMenu, "System menu", G::SysMenu, G::None, CaptionButtonHeight);
  // Forms without border icons (dialogs) show this one alone.
  CaptionButton("dialogclosebutton", cmClose, "Close", G::Close, G::None, CaptionButtonWidth);
}

void TskSkinRecipe::BuildCaption() {
  auto& caption = Object<TskDataSkinCaption>("caption", "caption");
  // From the left corner to the right corner of the frame, so it widens with the form; the text keeps
  // clear of the widest row of caption buttons (close, maximize, minimize).
  caption.SkinRect = Rect(8, 0, FrameWidth - 10, FrameCaption);
  const int buttonsLeft = FrameWidth - CaptionMargin - (3 * CaptionButtonWidth + 2 * CaptionButtonGap);
  caption.TextRct = Rect(4, 0, buttonsLeft - 8 - caption.SkinRect.Left, FrameCaption);
  caption.FontName = CaptionFont;
  caption.FontHeight = CaptionFontHeight;
  caption.FontStyle = { fsBold };
  caption.FontColor = FStyle->Color(C::CaptionTextInactive);
  caption.ActiveFontColor = FStyle->Color(C::CaptionText);
  caption.Alignment = taLeftJustify;
}

void TskSkinRecipe::BuildMainMenuBar() {
  auto& bar = Control<TskDataSkinMainMenuBar>("mainmenubar", "mainmenubar");
  bar.PictureIndex = ControlsPicture;
  bar.SkinRect = Piece(*FControls, 60, 22, Make(P::MenuBar));
  bar.ItemsRect = Rect(4, 1, 56, 21);
  bar.MenuBarItem = "mainmenubaritem";
  bar.CloseButton = "menubarclosebutton";
  bar.MaxButton = "menubarmaxbutton";
  bar.MinButton = "menubarminbutton";
  bar.SysMenuButton = "menubarsysmenubutton";
  bar.TrackMarkColor = FStyle->Color(C::MarkerNormal);
  bar.TrackMarkActiveColor = FStyle->Color(C::MarkerActive);
  bar.StretchEffect = true;
  bar.ItemTransparent = true;

  auto& item = Object<TskDataSkinMainMenuBarItem>("mainmenubaritem", "mainmenubaritem");
  const int w = 24, h = 20, frames = 4;
  auto face = [&](S State) { return Piece(*FObjects, w, h, Round(Make(P::MenuBarItem, State), 4)); };
  item.SkinRectInAPicture = true;
  item.ActivePictureIndex = ObjectsPicture;
  item.SkinRect = face(S::Normal);
  item.ActiveSkinRect = face(S::Hot);
  item.DownRect = face(S::Down);
  // The hover fades in over four frames side by side, each a step further from the bar towards the hot face.
  item.AnimateSkinRect = FObjects->Place(w * frames, h);
  for (int i = 0; i < frames; ++i) {
    TskPiece frame = Round(Make(P::MenuBarItem, S::Hot), 4);
    frame.Amount = double(i + 1) / (frames + 1);
    Overlay(*FObjects, Bounds(item.AnimateSkinRect.Left + i * w, item.AnimateSkinRect.Top, w, h), frame);
  }
  item.FrameCount = frames;
  item.AnimateInterval = 20;
  item.InActiveAnimation = true;
  item.ItemLO = item.ItemRO = 6;
  item.TextRct = Rect(8, 0, w - 8, h);
  SetFont(item, FStyle->Color(C::MenuText));
  item.ActiveFontColor = FStyle->Color(C::MenuTextHot);
  item.DownFontColor = FStyle->Color(C::TextDown);
  item.UnEnabledFontColor = FStyle->Color(C::MenuTextDisabled);
  item.StretchEffect = true;

  const struct {
    const char* Name;
    TskStdCommand Command;
    G Glyph;
  } buttons[] = {
    { "menubarsysmenubutton", cmSysMenu, G::SysMenu },
    { "menubarclosebutton", cmClose, G::Close },
    { "menubarmaxbutton", cmMaximize, G::Restore },
    { "menubarminbutton", cmMinimize, G::Minimize },
  };
  for (const auto& spec : buttons) {
    auto& button = Object<TskDataSkinMainMenuBarButton>("mainmenubarbutton", spec.Name);
    auto face = [&](S State) { return Piece(*FObjects, 16, 16, Round(Make(P::MenuBarButton, State, spec.Glyph), 3)); };
    button.SkinRectInAPicture = true;
    button.ActivePictureIndex = ObjectsPicture;
    button.Command = spec.Command;
    button.SkinRect = face(S::Normal);
    button.ActiveSkinRect = face(S::Hot);
    button.DownRect = face(S::Down);
  }
}

void TskSkinRecipe::BuildPopupMenus() {
  TskDataSkinPopupWindow& popup = *FSkin->PopupWindow;
  FStyle->Paint(FPopup->Canvas(), Rect(0, 0, 40, 40), Make(P::PopupWindow));
  popup.WindowPictureIndex = PopupPicture;
  popup.LTPoint = { 4, 4 };
  popup.RTPoint = { 36, 4 };
  popup.LBPoint = { 4, 36 };
  popup.RBPoint = { 36, 36 };
  popup.ItemsRect = Rect(3, 3, 37, 37);
  popup.ScrollMarkerColor = FStyle->Color(C::MarkerNormal);
  popup.ScrollMarkerActiveColor = FStyle->Color(C::MarkerActive);
  popup.LeftStretch = popup.TopStretch = popup.RightStretch = popup.BottomStretch = true;

  // The popup window looks its row background up by this very name.
  auto& item = Object<TskDataSkinMenuItem>("menuitem", "menuitem");
  const int w = 40, h = 24;
  item.SkinRectInAPicture = true;
  item.ActivePictureIndex = ObjectsPicture;
  item.SkinRect = Piece(*FObjects, w, h, Round(Make(P::MenuItem), 4));
  item.ActiveSkinRect = Piece(*FObjects, w, h, Round(Make(P::MenuItem, S::Hot), 4));
  item.Morphing = true;
  item.DividerRect = Piece(*FObjects, w, 7, Make(P::MenuDivider));
  item.DividerLO = item.DividerRO = 6;
  item.ItemLO = item.ItemRO = 6;
  item.TextRct = Rect(6, 0, w - 6, h);
  SetFont(item, FStyle->Color(C::MenuText));
  item.ActiveFontColor = FStyle->Color(C::MenuTextHot);
  item.UnEnabledFontColor = FStyle->Color(C::MenuTextDisabled);
  item.StretchEffect = item.InActiveStretchEffect = item.DividerStretchEffect = true;
  auto mark = [&](S State, G Glyph) { return Piece(*FObjects, 16, 16, Make(P::MenuGlyph, State, Glyph)); };
  item.CheckImageRect = mark(S::Normal, G::Check);
  item.ActiveCheckImageRect = mark(S::Hot, G::Check);
  item.RadioImageRect = mark(S::Normal, G::Radio);
  item.ActiveRadioImageRect = mark(S::Hot, G::Radio);
  item.ArrowImageRect = mark(S::Normal, G::Right);
  item.ActiveArrowImageRect = mark(S::Hot, G::Right);
}

void TskSkinRecipe::BuildHint() {
  TskDataSkinHintWindow& hint = *FSkin->HintWindow;
  FStyle->Paint(FHint->Canvas(), Rect(0, 0, 30, 26), Make(P::Hint));
  hint.WindowPictureIndex = HintPicture;
  hint.LTPoint = { 4, 4 };
  hint.RTPoint = { 26, 4 };
  hint.LBPoint = { 4, 22 };
  hint.RBPoint = { 26, 22 };
  hint.ClRect = Rect(8, 5, 22, 21);
  hint.FontName = CaptionFont;
  hint.FontHeight = CaptionFontHeight;
  hint.FontColor = FStyle->Color(C::HintText);
  hint.LeftStretch = hint.TopStretch = hint.RightStretch = hint.BottomStretch = true;
  hint.StretchEffect = true;
}

TskDataSkinButtonControl& TskSkinRecipe::Button(const char* Kind, const String& Name, TskPieceRole Role, int W, int H,
                                                int Corner, const TRect& Client, bool Focusable) {
  auto& button = Control<TskDataSkinButtonControl>(Kind, Name);
  auto face = [&](S State) { return Piece(*FControls, W, H, Round(Make(Role, State), Corner - 1)); };
  button.PictureIndex = ControlsPicture;
  NinePart(button, face(S::Normal), Corner, Client);
  // Faces shade from top to bottom: their middle is stretched, never repeated.
  button.StretchEffect = true;
  button.ActiveSkinRect = face(S::Hot);
  button.DownSkinRect = face(S::Down);
  if (Focusable) button.FocusedSkinRect = face(S::Focused);
  button.DisabledSkinRect = face(S::Disabled);
  const bool header = Role == P::HeaderButton;
  SetFont(button, FStyle->Color(header ? C::HeaderText : C::Text));
  button.ActiveFontColor = FStyle->Color(header ? C::HeaderText : C::TextHot);
  button.DownFontColor = FStyle->Color(header ? C::HeaderText : C::TextDown);
  button.DisabledFontColor = FStyle->Color(C::TextDisabled);
  button.Morphing = !header;
  button.MorphKind = mkDefault;
  return button;
}

void TskSkinRecipe::BuildButtons() {
  const TRect push = Rect(4, 4, 36, 21);
  Button("button", "button", P::PushButton, 40, 25, 5, push, true);
  Button("button", "resizebutton", P::PushButton, 40, 25, 5, push, true);
  Button("button", "header", P::HeaderButton, 40, 24, 3, Rect(6, 1, 34, 23), false);
  const TRect tool = Rect(4, 4, 28, 28);
  for (const char* name : { "resizetoolbutton", "toolbutton", "bigtoolbutton", "editbutton", "combobutton",
                            "menuitembutton", "vtracktoolbutton", "htracktoolbutton" })
    Button("button", name, P::ToolButton, 32, 32, 5, tool, false);
  auto& menu = dynamic_cast<TskDataSkinMenuButtonControl&>(
    Button("menubutton", "toolmenubutton", P::ToolButton, 32, 32, 5, tool, false));
  menu.TrackButtonRect = Rect(20, 0, 32, 32);
}

void TskSkinRecipe::BuildCheckRadio(const String& Name, TskPieceRole MarkRole, TskGlyph Mark) {
  auto& box = Control<TskDataSkinCheckRadioControl>("checkradio", Name);
  box.PictureIndex = ControlsPicture;
  NinePart(box, Piece(*FControls, 40, 20, Make(P::CheckRadioBack)), 2, Rect(2, 2, 38, 18));
  box.ActiveSkinRect = Piece(*FControls, 40, 20, Make(P::CheckRadioBack, S::Hot));
  box.CheckImageArea = Rect(0, 0, 20, 20);
  box.TextArea = Rect(22, 0, 38, 20);
  // Each mark has a pixel of the background along its left and bottom edges: the controls leave out the
  // colour of a mark's bottom-left pixel.
  auto image = [&](S State, G Glyph) { return Piece(*FControls, 16, 16, Round(Make(MarkRole, State, Glyph), 3)); };
  box.CheckImageRect = image(S::Normal, Mark);
  box.UnCheckImageRect = image(S::Normal, G::None);
  box.ActiveCheckImageRect = image(S::Hot, Mark);
  box.ActiveUnCheckImageRect = image(S::Hot, G::None);
  box.UnEnabledCheckImageRect = image(S::Disabled, Mark);
  box.UnEnabledUnCheckImageRect = image(S::Disabled, G::None);
  if (MarkRole == P::CheckImage) {
    box.GrayedCheckImageRect = image(S::Normal, G::Grayed);
    box.ActiveGrayedCheckImageRect = image(S::Hot, G::Grayed);
  }
  SetFont(box, FStyle->Color(C::Text));
  box.ActiveFontColor = FStyle->Color(C::TextHot);
  box.FrameFontColor = FStyle->Color(C::Text);
  box.UnEnabledFontColor = FStyle->Color(C::TextDisabled);
}

void TskSkinRecipe::BuildPanels() {
  auto panel = [&](const String& Name, TskPiece Look, int W, int H, int Corner, const TRect& Client) -> TskDataSkinPanelControl& {
    auto& record = Control<TskDataSkinPanelControl>("panel", Name);
    record.PictureIndex = ControlsPicture;
    NinePart(record, Piece(*FControls, W, H, Look), Corner, Client);
    SetFont(record, FStyle->Color(C::PanelCaption));
    record.Alignment = taLeftJustify;
    return record;
  };
  panel("panel", Round(Make(P::Panel), 4), 40, 40, 5, Rect(4, 4, 36, 36));
  panel("toolpanel", Make(P::ToolPanel), 40, 40, 2, Rect(2, 2, 38, 38));
  panel("resizetoolpanel", Make(P::ToolPanel), 40, 40, 2, Rect(2, 2, 38, 38));
  panel("statusbar", Make(P::StatusBar), 40, 22, 2, Rect(4, 3, 36, 20));

  // The group box's caption band lies in its top band; its caption rectangle reaches from the left
  // corner into the right one, so it widens with the box.
  TskPiece group = Round(Make(P::GroupBox), 4);
  group.Inner = Rect(1, 1, 59, 25);
  auto& box = panel("groupbox", group, 60, 60, 0, Rect(4, 28, 56, 56));
  box.LTPoint = { 12, 28 };
  box.RTPoint = { 48, 28 };
  box.LBPoint = { 12, 56 };
  box.RBPoint = { 48, 56 };
  box.CaptionRect = Rect(10, 1, 50, 25);
  box.FontStyle = { fsBold };
  box.FontColor = FStyle->Color(C::GroupCaption);

  auto& scrollbox = Control<TskDataSkinScrollBoxControl>("scrollbox", "scrollbox");
  scrollbox.PictureIndex = ControlsPicture;
  NinePart(scrollbox, Piece(*FControls, 40, 40, Round(Make(P::ListFrame), 3)), 4, Rect(3, 3, 37, 37));
}

void TskSkinRecipe::BuildScrollBars() {
  const int thick = 16, length = 60, corner = 16;
  auto bar = [&](const String& Name, bool Vertical, bool Both) {
    auto& record = Control<TskDataSkinScrollBarControl>("scrollbar", Name);
    record.PictureIndex = ControlsPicture;
    const int along = length + (Both ? corner : 0);
    const TRect skin = Vertical ? FControls->Place(thick, along) : FControls->Place(along, thick);
    auto at = [&](int From, int To) {  // a part of the bar, in the bar's own coordinates
      return Vertical ? Rect(0, From, thick, To) : Rect(From, 0, To, thick);
    };
    auto inPicture = [&](const TRect& R) { return Offset(R, skin.Left, skin.Top); };
    const G decrease = Vertical ? G::Up : G::Left, increase = Vertical ? G::Down : G::Right;
    auto piece = [&](P Role, S State, G Glyph) {
      TskPiece p = Round(Make(Role, State, Glyph), 3);
      p.Vertical = Vertical;
      return p;
    };
    Overlay(*FControls, inPicture(at(0, along)), piece(P::ScrollTrack, S::Normal, G::None));
    record.DownButtonRect = at(0, thick);
    record.UpButtonRect = at(length - thick, length);
    record.TrackArea = at(thick, length - thick);
    Overlay(*FControls, inPicture(record.DownButtonRect), piece(P::ScrollButton, S::Normal, decrease));
    Overlay(*FControls, inPicture(record.UpButtonRect), piece(P::ScrollButton, S::Normal, increase));
    if (Both) Overlay(*FControls, inPicture(at(length, along)), piece(P::ScrollCorner, S::Normal, G::None));
    // The fixed ends reach one pixel into the track, so a button counts as lying beyond them.
    if (Vertical)
      VertStrip(record, skin, thick + 1, along - (length - thick - 1), record.TrackArea);
    else
      HorzStrip(record, skin, thick + 1, along - (length - thick - 1), record.TrackArea);
    auto button = [&](S State, G Glyph) { return Piece(*FControls, thick, thick, piece(P::ScrollButton, State, Glyph)); };
    record.ActiveDownButtonRect = button(S::Hot, decrease);
    record.DownDownButtonRect = button(S::Down, decrease);
    record.ActiveUpButtonRect = button(S::Hot, increase);
    record.DownUpButtonRect = button(S::Down, increase);
    auto thumb = [&](S State) {
      return Vertical ? Piece(*FControls, thick, 24, piece(P::ScrollThumb, State, G::None))
                      : Piece(*FControls, 24, thick, piece(P::ScrollThumb, State, G::None));
    };
    record.ThumbRect = thumb(S::Normal);
    record.ActiveThumbRect = thumb(S::Hot);
    record.DownThumbRect = thumb(S::Down);
    record.ThumbOffset1 = record.ThumbOffset2 = 6;
    record.ThumbStretchEffect = true;
  };
  bar("hscrollbar", false, false);
  bar("vscrollbar", true, false);
  bar("bothhscrollbar", false, true);
}

void TskSkinRecipe::BuildLists() {
  auto list = [&](const char* Kind, const String& Name, bool Captioned) -> TskDataSkinListBox& {
    auto& record = Control<TskDataSkinListBox>(Kind, Name);
    record.PictureIndex = ControlsPicture;
    if (Captioned)
      CaptionedListFrame(record);
    else
      NinePart(record, Piece(*FControls, 40, 40, Round(Make(P::ListFrame), 3)), 4, Rect(3, 3, 37, 37));
    auto item = [&](S State) { return Piece(*FControls, 40, 22, Round(Make(P::ListItem, State), 3)); };
    record.SItemRect = item(S::Normal);
    record.ActiveItemRect = item(S::Hot);
    record.FocusItemRect = item(S::Focused);
    record.ItemLeftOffset = record.ItemRightOffset = 4;
    record.ItemTextRect = Rect(4, 0, 36, 22);
    SetFont(record, FStyle->Color(C::Text));
    record.ActiveFontColor = FStyle->Color(C::Text);
    record.FocusFontColor = FStyle->Color(C::TextSelected);
    record.VScrollBarName = "vscrollbar";
    record.HScrollBarName = "hscrollbar";
    record.BothScrollBarName = "bothhscrollbar";
    return record;
  };
  list("listbox", "listbox", FListCaption == TskListCaption::WithButtons);
  auto& checks = dynamic_cast<TskDataSkinCheckListBox&>(list("checklistbox", "checklistbox", false));
  checks.ItemCheckRect = Rect(4, 3, 20, 19);
  checks.CheckImageRect = Piece(*FControls, 16, 16, Round(Make(P::ListCheckImage, S::Normal, G::Check), 3));
  checks.UnCheckImageRect = Piece(*FControls, 16, 16, Round(Make(P::ListCheckImage, S::Normal, G::None), 3));
}

// A list frame with a caption band along its top. The band's middle, which holds the caption text,
// widens with the list; the up, down and check buttons stand in the fixed top-right corner, the up
// button rightmost, and their hot and pressed faces are pieces of their own.
void TskSkinRecipe::CaptionedListFrame(TskDataSkinListBox& Record) {
  const int w = 80, h = 60, band = 20, edge = 4, button = 16, buttonTop = 2;
  const int buttonsLeft = w - edge - 3 * button;
  const TRect frame = Piece(*FControls, w, h, Round(Make(P::ListFrame), 3));
  NinePart(Record, frame, edge, Rect(3, band + 1, w - 3, h - 3));
  Record.LTPoint = { edge, band + 1 };
  Record.RTPoint = { buttonsLeft - 2, band + 1 };
  Record.CaptionRect = Rect(edge + 2, buttonTop, buttonsLeft - 2, buttonTop + button);
  Record.CaptionFontName = TextFont;
  Record.CaptionFontHeight = TextHeight;
  Record.CaptionFontColor = FStyle->Color(C::PanelCaption);
  Overlay(*FControls, Offset(Rect(1, 1, w - 1, band), frame.Left, frame.Top), Make(P::LabelStrip));
  struct TButton {
    TRect *Plain, *Hot, *Pressed;
    G Glyph;
  };
  const TButton buttons[] = {
    { &Record.UpButtonRect, &Record.ActiveUpButtonRect, &Record.DownUpButtonRect, G::Up },
    { &Record.DownButtonRect, &Record.ActiveDownButtonRect, &Record.DownDownButtonRect, G::Down },
    { &Record.CheckButtonRect, &Record.ActiveCheckButtonRect, &Record.DownCheckButtonRect, G::Check },
  };
  int right = w - edge;
  for (const TButton& b : buttons) {
    *b.Plain = Rect(right - button, buttonTop, right, buttonTop + button);
    right -= button;
    Overlay(*FControls, Offset(*b.Plain, frame.Left, frame.Top), Make(P::ScrollButton, S::Normal, b.Glyph));
    *b.Hot = Piece(*FControls, button, button, Make(P::ScrollButton, S::Hot, b.Glyph));
    *b.Pressed = Piece(*FControls, button, button, Make(P::ScrollButton, S::Down, b.Glyph));
  }
}

void TskSkinRecipe::BuildFields() {
  const int w = 40, h = 25;
  auto field = [&](const char* Kind, const String& Name) -> TskDataSkinEditControl& {
    auto& record = Control<TskDataSkinEditControl>(Kind, Name);
    record.PictureIndex = ControlsPicture;
    NinePart(record, Piece(*FControls, w, h, Round(Make(P::Field), 3)), 5, Rect(5, 5, w - 5, h - 5));
    record.ActiveSkinRect = Piece(*FControls, w, h, Round(Make(P::Field, S::Hot), 3));
    SetFont(record, FStyle->Color(C::WindowText));
    record.ActiveFontColor = FStyle->Color(C::WindowText);
    record.DisabledFontColor = FStyle->Color(C::TextDisabled);
    return record;
  };
  field("edit", "edit");
  auto& memo = dynamic_cast<TskDataSkinMemoControl&>(field("memo", "memo"));
  memo.BGColor = memo.ActiveBGColor = FStyle->Color(C::Window);

  // Fields with a button at their right end: the normal button is part of the field's picture, the
  // other states are pieces of their own.
  const int wide = 60, button = 21, fixedRight = 24;
  const TRect buttonRect = Rect(wide - 1 - button, 1, wide - 1, h - 1);
  auto withButton = [&](S State) {
    const TRect face = Piece(*FControls, wide, h, Round(Make(P::Field, State), 3));
    Overlay(*FControls, Offset(buttonRect, face.Left, face.Top), Round(Make(P::FieldButton, S::Normal, G::Down), 2));
    return face;
  };
  auto buttonFace = [&](S State) {
    return Piece(*FControls, button, h - 2, Round(Make(P::FieldButton, State, G::Down), 2));
  };

  auto& edit = Control<TskDataSkinEditControl>("edit", "buttonedit");
  edit.PictureIndex = ControlsPicture;
  NinePart(edit, withButton(S::Normal), 5, Rect(5, 5, wide - fixedRight, h - 5));
  edit.RTPoint.X = edit.RBPoint.X = wide - fixedRight;
  edit.ActiveSkinRect = withButton(S::Hot);
  edit.ButtonRect = buttonRect;
  edit.ActiveButtonRect = buttonFace(S::Hot);
  edit.DownButtonRect = buttonFace(S::Down);
  edit.UnEnabledButtonRect = buttonFace(S::Disabled);
  SetFont(edit, FStyle->Color(C::WindowText));
  edit.ActiveFontColor = FStyle->Color(C::WindowText);
  edit.DisabledFontColor = FStyle->Color(C::TextDisabled);

  // The combo box takes its height from the skin and widens its middle; the button stays in the fixed
  // right part.
  auto& combo = Control<TskDataSkinComboBox>("combobox", "combobox");
  combo.PictureIndex = ControlsPicture;
  HorzStrip(combo, withButton(S::Normal), 5, fixedRight, Rect(3, 3, wide - fixedRight, h - 3));
  combo.ActiveSkinRect = withButton(S::Hot);
  combo.ButtonRect = buttonRect;
  combo.ActiveButtonRect = buttonFace(S::Hot);
  combo.DownButtonRect = buttonFace(S::Down);
  combo.UnEnabledButtonRect = buttonFace(S::Disabled);
  const int itemW = 30, itemH = h - 6;
  combo.SItemRect = Piece(*FControls, itemW, itemH, Round(Make(P::ListItem), 3));
  combo.FocusItemRect = Piece(*FControls, itemW, itemH, Round(Make(P::ListItem, S::Hot), 3));
  combo.ItemLeftOffset = combo.ItemRightOffset = 4;
  combo.ItemTextRect = Rect(2, 0, itemW - 2, itemH);
  combo.ItemStretchEffect = combo.FocusItemStretchEffect = true;
  SetFont(combo, FStyle->Color(C::WindowText));
  combo.ActiveFontColor = FStyle->Color(C::WindowText);
  combo.FocusFontColor = FStyle->Color(C::WindowText);
  combo.ListBoxName = "listbox";
}

void TskSkinRecipe::BuildUpDowns() {
  auto updown = [&](const String& Name, bool Vertical) {
    auto& record = Control<TskDataSkinUpDownControl>("updown", Name);
    record.PictureIndex = ControlsPicture;
    const int w = Vertical ? 16 : 32, h = Vertical ? 24 : 16;
    record.SkinRect = FControls->Place(w, h);
    // The up button raises the position: the upper one of a vertical pair, the right one of a row.
    record.UpButtonRect = Vertical ? Rect(0, 0, 16, 12) : Rect(16, 0, 32, 16);
    record.DownButtonRect = Vertical ? Rect(0, 12, 16, 24) : Rect(0, 0, 16, 16);
    const G up = Vertical ? G::Up : G::Right, down = Vertical ? G::Down : G::Left;
    auto face = [&](S State, G Glyph) { return Round(Make(P::UpDownButton, State, Glyph), 3); };
    Overlay(*FControls, Offset(record.UpButtonRect, record.SkinRect.Left, record.SkinRect.Top), face(S::Normal, up));
    Overlay(*FControls, Offset(record.DownButtonRect, record.SkinRect.Left, record.SkinRect.Top), face(S::Normal, down));
    const int bw = record.UpButtonRect.Width(), bh = record.UpButtonRect.Height();
    record.ActiveUpButtonRect = Piece(*FControls, bw, bh, face(S::Hot, up));
    record.DownUpButtonRect = Piece(*FControls, bw, bh, face(S::Down, up));
    record.ActiveDownButtonRect = Piece(*FControls, bw, bh, face(S::Hot, down));
    record.DownDownButtonRect = Piece(*FControls, bw, bh, face(S::Down, down));
  };
  updown("hupdown", false);
  updown("vupdown", true);
}

void TskSkinRecipe::BuildSlider() {
  auto& slider = Control<TskDataSkinSlider>("slider", "slider");
  slider.PictureIndex = ControlsPicture;
  // Rulers and thumbs keep a row and column of the slider's background at their edges: the slider leaves
  // out the colour of their bottom-left pixel.
  slider.HRulerRect = Piece(*FControls, 40, 8, Round(Make(P::SliderRuler), 3));
  slider.VRulerRect = Piece(*FControls, 8, 40, Upright(Round(Make(P::SliderRuler), 3)));
  auto thumbs = [&](bool Vertical) {  // the normal and the pressed thumb side by side
    const TRect r = FControls->Place(32, 16);
    for (S state : { S::Normal, S::Down }) {
      const TskPiece thumb = Make(P::SliderThumb, state);
      Overlay(*FControls, Bounds(r.Left + (state == S::Down ? 16 : 0), r.Top, 16, 16), Vertical ? Upright(thumb) : thumb);
    }
    return r;
  };
  slider.HThumbRect = thumbs(false);
  slider.VThumbRect = thumbs(true);
  slider.EdgeSize = 4;
  slider.BGColor = FStyle->Color(C::SliderBack);
  slider.PointsColor = FStyle->Color(C::SliderPoints);
}

void TskSkinRecipe::BuildTab() {
  auto& tab = Control<TskDataSkinTabControl>("tab", "tab");
  tab.PictureIndex = ControlsPicture;
  tab.SkinRect = Piece(*FControls, 40, 40, Round(Make(P::TabPage), 2));
  tab.LTPoint = { 3, 3 };
  tab.RTPoint = { 37, 3 };
  tab.LBPoint = { 3, 37 };
  tab.RBPoint = { 37, 37 };
  tab.ClRect = Rect(2, 2, 38, 38);
  tab.LeftStretch = tab.TopStretch = tab.RightStretch = tab.BottomStretch = true;
  // The selected tab is a pixel taller, so it covers the page frame's top edge below it.
  auto face = [&](S State, int H) { return Piece(*FControls, 40, H, Round(Make(P::Tab, State), 4)); };
  tab.TabRect = face(S::Normal, 24);
  tab.ActiveTabRect = face(S::Down, 25);
  tab.FocusTabRect = face(S::Focused, 25);
  tab.MouseInTabRect = face(S::Hot, 24);
  tab.TabLeftOffset = tab.TabRightOffset = 5;
  tab.TabStretchEffect = true;
  tab.TabsBGRect = Piece(*FControls, 8, 8, Make(P::TabRow));
  SetFont(tab, FStyle->Color(C::HeaderText));
  tab.ActiveFontColor = FStyle->Color(C::Text);
  tab.FocusFontColor = FStyle->Color(C::Text);
  tab.MouseInFontColor = FStyle->Color(C::TextHot);
  tab.UpDown = "hupdown";
  tab.FocusOffsetX = tab.FocusOffsetY = 3;
}

void TskSkinRecipe::BuildLabels() {
  auto& plain = Control<TskDataSkinStdLabelControl>("stdlabel", "stdlabel");
  SetFont(plain, FStyle->Color(C::Text));
  plain.ActiveFontColor = FStyle->Color(C::LinkHot);
  for (const char* name : { "label", "menuheader" }) {
    auto& label = Control<TskDataSkinLabelControl>("label", name);
    label.PictureIndex = ControlsPicture;
    HorzStrip(label, Piece(*FControls, 40, 22, Make(P::LabelStrip)), 4, 4, Rect(8, 0, 32, 22));
    SetFont(label, FStyle->Color(C::PanelCaption), { fsBold });
  }
}

void TskSkinRecipe::BuildViews() {
  auto& list = Control<TskDataSkinListView>("listview", "listview");
  SetFont(list, FStyle->Color(C::WindowText));
  list.BGColor = FStyle->Color(C::Window);
  auto& tree = Control<TskDataSkinTreeView>("treeview", "treeview");
  SetFont(tree, FStyle->Color(C::WindowText));
  tree.BGColor = FStyle->Color(C::Window);
  tree.PictureIndex = ControlsPicture;
  tree.ExpandImageRect = Piece(*FControls, 9, 9, Make(P::TreeGlyph, S::Normal, G::Down));
  tree.NoExpandImageRect = Piece(*FControls, 9, 9, Make(P::TreeGlyph, S::Normal, G::Right));
  auto& bevel = Control<TskDataSkinBevel>("bevel", "bevel");
  bevel.LightColor = FStyle->Color(C::LightLine);
  bevel.DarkColor = FStyle->Color(C::DarkLine);
}

void TskSkinRecipe::BuildSplitters() {
  auto splitter = [&](const String& Name, bool Vertical) {
    auto& record = Control<TskDataSkinSplitterControl>("splitter", Name);
    record.PictureIndex = ControlsPicture;
    if (Vertical) {
      VertStrip(record, Piece(*FControls, 6, 40, Upright(Make(P::Splitter))), 4, 4, Rect(0, 4, 6, 36));
      record.GripperRect = Piece(*FControls, 6, 16, Upright(Make(P::Gripper)));
    } else {
      HorzStrip(record, Piece(*FControls, 40, 6, Make(P::Splitter)), 4, 4, Rect(4, 0, 36, 6));
      record.GripperRect = Piece(*FControls, 16, 6, Make(P::Gripper));
    }
  };
  splitter("vsplitter", true);
  splitter("hsplitter", false);
}

void TskSkinRecipe::BuildColors() {
  // The colours have no writers of their own: they are read from their section as a skin file holds them.
  const struct {
    const char* Key;
    C Role;
  } colors[] = {
    { "cbtnface", C::Surface },         { "cbtntext", C::Text },          { "cwindow", C::Window },
    { "cwindowtext", C::WindowText },   { "chighlight", C::Highlight },   { "chighlighttext", C::HighlightText },
    { "cbtnhighlight", C::LightLine },  { "cbtnshadow", C::DarkLine },
  };
  TMemIniFile ini;
  for (const auto& color : colors) ini.WriteInteger("SKINCOLORS", color.Key, FStyle->Color(color.Role));
  FSkin->SkinColors()->LoadFromFile(&ini);
}

void TskSkinRecipe::StorePictures() {
  FSkin->FPicture->Assign(FFrame->Finish().get());
  FSkin->FInActivePicture->Assign(FFrameInactive->Finish().get());
  for (auto* atlas : { FControls.get(), FObjects.get(), FPopup.get(), FHint.get() })
    FSkin->FActivePictures.push_back(atlas->Finish());
  for (const char* name : { "controls.bmp", "objects.bmp", "popup.bmp", "hint.bmp" })
    FSkin->FActivePicturesNames->Add(name);
}
