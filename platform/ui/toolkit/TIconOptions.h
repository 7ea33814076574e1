#pragma once
// How a list view arranges its icon views.
#include "platform/base/TPersistent.h"

class TCustomListView;

enum TIconArrangement { iaTop, iaLeft };

/// Arrangement options of the icon views; a change lays the list view out again.
class TIconOptions : public TPersistent {
public:
  explicit TIconOptions(TCustomListView* AOwner) : FOwner(AOwner) {}

  TIconArrangement Arrangement() const { return FArrangement; }
  void SetArrangement(TIconArrangement Value);
  bool AutoArrange() const { return FAutoArrange; }
  void SetAutoArrange(bool Value);
  /// Captions under large icons break into lines.
  bool WrapText() const { return FWrapText; }
  void SetWrapText(bool Value);

private:
  void Changed();

  TCustomListView* FOwner;
  TIconArrangement FArrangement { iaTop };
  bool FAutoArrange { false };
  bool FWrapText { true };
};
