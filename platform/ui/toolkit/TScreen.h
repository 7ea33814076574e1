#pragma once
// The screen as the program sees it: its forms in creation order, the active form and control, the
// screen-wide cursor, the screen's size, work area and monitors, and the installed font families.
// One screen exists while the application object lives (the global Screen).
#include <memory>
#include <vector>

#include "platform/base/TComponent.h"
#include "platform/base/TStringList.h"
#include "platform/ui/toolkit/ControlTypes.h"
#include "platform/ui/toolkit/TMonitor.h"

class TCustomForm;
class TWinControl;

/// Which monitor MonitorFromWindow and its kin answer when the window lies on none.
enum TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

/// The screen; see the file comment.
class TScreen : public TComponent {
public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  // ---- Forms ----
  /// Every form from its creation on (with or without a window), in creation order.
  int FormCount() const { return int(FForms.size()); }
  /// A bad index raises EListError.
  TCustomForm* Forms(int Index) const;
  int CustomFormCount() const { return FormCount(); }
  TCustomForm* CustomForms(int Index) const { return Forms(Index); }
  /// The form that was activated last (it stays while the program is inactive); null when none.
  TCustomForm* ActiveForm() const { return FActiveForm; }
  TCustomForm* ActiveCustomForm() const { return FActiveForm; }
  /// The active form's focused control.
  TWinControl* ActiveControl() const { return FActiveControl; }

  // ---- Cursor ----
  /// A cursor over every control of the program (crDefault: each control's own).
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  /// The cursor handle of a TCursor value.
  HCURSOR Cursors(TCursor Index) const;

  // ---- Size and monitors ----
  /// The primary monitor.
  int Width() const;
  int Height() const;
  /// The rectangle around every monitor.
  int DesktopLeft() const { return DesktopRect().Left; }
  int DesktopTop() const { return DesktopRect().Top; }
  int DesktopWidth() const { return DesktopRect().Width(); }
  int DesktopHeight() const { return DesktopRect().Height(); }
  TRect DesktopRect() const;
  /// The primary monitor's work area.
  TRect WorkAreaRect() const;
  int WorkAreaLeft() const { return WorkAreaRect().Left; }
  int WorkAreaTop() const { return WorkAreaRect().Top; }
  int WorkAreaWidth() const { return WorkAreaRect().Width(); }
  int WorkAreaHeight() const { return WorkAreaRect().Height(); }
  int MonitorCount() const;
  /// A bad index raises EListError.
  TMonitor* Monitors(int Index) const;
  TMonitor* PrimaryMonitor() const { return Monitors(0); }
  TMonitor* MonitorFromWindow(HWND Wnd, TMonitorDefaultTo Default = mdNearest) const;
  TMonitor* MonitorFromPoint(TPoint P, TMonitorDefaultTo Default = mdNearest) const;
  TMonitor* MonitorFromRect(const TRect& R, TMonitorDefaultTo Default = mdNearest) const;

  /// The installed font families, sorted.
  TStrings* Fonts();

  TNotifyEvent OnActiveFormChange;
  TNotifyEvent OnActiveControlChange;

protected:
  /// A form that is being destroyed leaves the list here, while it is still whole: its OnDestroy runs.
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TCustomForm;

  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);
  /// Form became the active form (null: none any more).
  void SetActiveForm(TCustomForm* Form);
  /// The active form's focused control changed.
  void SetActiveControl(TWinControl* Control);
  TMonitor* Monitor(HMONITOR Handle) const;

  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm { nullptr };
  TWinControl* FActiveControl { nullptr };
  TCursor FCursor { crDefault };
  mutable std::vector<std::unique_ptr<TMonitor>> FMonitors;
  std::unique_ptr<TStringList> FFonts;
};

/// The screen of the running application object; null while there is none.
extern TScreen* Screen;
