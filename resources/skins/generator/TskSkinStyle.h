#pragma once
// The look of a generated skin. Both of the program's skins come from one recipe (TskSkinRecipe), which
// decides every record, every rectangle and every size; a style only paints the pieces the recipe places
// and picks the colours of texts and lines. So the product skin and the colour-coded test skin share
// their record names and their geometry, and differ only in pixels and colours, except that the test
// skin's list box record also has a caption band with buttons (TskListCaption).
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TskSkinCanvas;

/// What a piece of a skin picture shows.
enum class TskPieceRole {
  Frame,           // the form frame picture; Inner is its client rectangle, the caption lies above it
  CaptionButton,   // a caption button in its caption's colours
  MenuBar,         // the main menu bar's background strip
  MenuBarItem,     // an item of the main menu bar; Amount is the hot share of an animation frame
  MenuBarButton,   // the small system buttons of the main menu bar
  PopupWindow,     // the whole background picture of popup menus
  MenuItem,        // a popup menu row
  MenuDivider,     // a popup menu separator row
  MenuGlyph,       // a check, radio or submenu mark on a menu row's background
  Hint,            // the whole background picture of hints
  PushButton,
  ToolButton,      // flat until hot or pressed
  HeaderButton,    // a list view column header
  CheckImage,      // a check box mark: Glyph None (unchecked), Check or Grayed
  ListCheckImage,  // a check box mark on a list row
  RadioImage,      // a radio box mark: Glyph None (unchecked) or Radio
  CheckRadioBack,  // the background of a check box drawn from its whole picture
  Panel,
  GroupBox,        // Inner is the caption band
  ToolPanel,       // a tool bar: a line along its bottom
  StatusBar,       // a line along its top
  ScrollTrack,
  ScrollButton,    // Glyph gives the arrow
  ScrollThumb,
  ScrollCorner,    // the square where a horizontal and a vertical bar meet
  ListFrame,       // a white field with a frame: list boxes, scroll boxes
  ListItem,        // Hot: selected, Focused: selected with the focus
  Field,           // the frame of edits and combo boxes; Hot: under the pointer or focused
  FieldButton,     // the drop-down or edit button inside a field
  UpDownButton,
  SliderRuler,
  SliderThumb,
  TabPage,         // the frame around a page control's pages
  Tab,             // Down: the selected tab
  TabRow,          // the background behind the tabs
  LabelStrip,      // popup-menu header rows and office list headers
  Splitter,
  Gripper,
  TreeGlyph,       // the button of a tree node: Glyph Down when expanded, Right when collapsed
};

enum class TskPieceState { Normal, Hot, Down, Focused, Disabled, Inactive };

enum class TskGlyph {
  None, Close, Maximize, Restore, Minimize, RollUp, RollDown, SysMenu, Tray,
  Left, Right, Up, Down, Check, Radio, Grayed,
};

/// One piece for a style to paint.
struct TskPiece {
  TskPieceRole Role { TskPieceRole::Frame };
  TskPieceState State { TskPieceState::Normal };
  TskGlyph Glyph { TskGlyph::None };
  bool Vertical { false };
  double Amount { 0 };
  int Radius { 0 };  // how round the recipe's corner sizes allow the piece's outline to be
  TRect Inner;       // in the piece's own coordinates
};

/// The colours a skin gives its texts, lines and backgrounds.
enum class TskColorRole {
  Text, TextHot, TextDown, TextDisabled, TextSelected, HeaderText, LinkHot, PanelCaption, GroupCaption,
  CaptionText, CaptionTextInactive, MenuText, MenuTextHot, MenuTextDisabled, HintText,
  Surface, Window, WindowText, Highlight, HighlightText, LightLine, DarkLine, SliderBack, SliderPoints,
  MarkerNormal, MarkerActive,
};

/// Paints the pieces of one skin.
class TskSkinStyle {
public:
  virtual ~TskSkinStyle() = default;

  /// What a new picture holds before any piece is painted into it.
  virtual TColor Background() = 0;
  /// Paints Piece into R, which the recipe has reserved for it.
  virtual void Paint(TskSkinCanvas& Canvas, const TRect& R, const TskPiece& Piece) = 0;
  virtual TColor Color(TskColorRole Role) = 0;
};
