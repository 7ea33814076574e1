#pragma once
// A page of a page control.
#include "platform/ui/toolkit/TWinControl.h"

class TPageControl;

/// A page: a control filling its page control's display area while it is the active page, with a tab
/// showing its caption and image unless TabVisible is off (the page stays in the control).
class TTabSheet : public TWinControl {
public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return FPageControl; }
  /// Moves the page into Value's pages (at the end) or out of any page control (null).
  void SetPageControl(TPageControl* Value);
  /// Position among the page control's pages; -1 without one.
  int PageIndex() const;
  void SetPageIndex(int Value);
  /// Position among the visible tabs; -1 when the tab is hidden or there is no page control.
  int TabIndex() const;
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);

protected:
  void Dispatch(TMessage& Message) override;

private:
  friend class TPageControl;

  TPageControl* FPageControl { nullptr };
  bool FTabVisible { true };
  int FImageIndex { -1 };
};
