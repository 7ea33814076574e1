#pragma once
// A shell folder that also gives the detail columns of its items.
#include "platform/shell/IShellFolder.h"

// Column state of GetDefaultColumnState.
constexpr uint32_t SHCOLSTATE_ONBYDEFAULT = 0x10;

/// Alignment of a detail column.
enum class TShellColumnAlign { Left, Right, Center };

/// One detail text, or a column's header.
struct TShellDetails {
  TShellColumnAlign Align { TShellColumnAlign::Left };
  int CharWidth { 0 };  // the column's usual width in average characters
  String Text;
};

/// Every folder of the namespace is one. Columns: 0 Name, 1 Size ("n KB" for files, empty for folders),
/// 2 Type ("AVI file", "Folder"), 3 Date modified and 4 Date changed ("yyyy-mm-dd hh:nn", local time);
/// column 4 is not shown by default.
class IShellFolder2 : public IShellFolder {
public:
  /// The header of Column (ID null) or the text of ID in it; false past the last column.
  virtual bool GetDetailsOf(PCItemIDList ID, int Column, TShellDetails& Details) = 0;
  /// SHCOLSTATE_ONBYDEFAULT for the columns shown by default, else 0; false past the last column.
  virtual bool GetDefaultColumnState(int Column, uint32_t& State) = 0;
};
