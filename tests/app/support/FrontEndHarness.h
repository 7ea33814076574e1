#pragma once
// The front end's tests on the headless presenter: the program's forms built in a temporary install folder
// and home, driven by name through the real input path, their modal dialogs answered by responders, and
// the loop pumped until a condition holds, with a time-out that fails the test instead of hanging it.
#include <functional>
#include <initializer_list>
#include <optional>
#include <source_location>

#include "platform/ui/toolkit/ModalResponders.h"
#include "tests/platform/ui/AppFixture.h"

class TskSkinComboBox;
class TskSkinOfficeComboBox;

/// The media files of one test, in a folder of its own, copied from the engine's generated fixtures.
struct TFrontEndMedia {
  String Folder;
  String Clip;         // clip.mkv: 2 s, 320 x 240, 25 fps mpeg4 + 44.1 kHz stereo sine (flac)
  String Tone;         // tone.wav: 1 s of the sine, audio only
  String Corrupt;      // corrupt.mp4: random bytes
  String Awkward;      // "测试 视频.a.b.mkv": the clip
  String NoExtension;  // "noext": the clip
  String Hidden;       // ".hidden.mkv": the clip
  /// "mixed": clip.mkv, .hidden.mkv, corrupt.mp4, the folder "sub" holding clip.mkv, and the FIFO "pipe".
  String Mixed;
  String Empty;        // "empty": an empty folder
};

/// Base of the front end's tests. Each test runs with the application on the headless presenter, ExePath
/// on an empty install folder and HOME on an empty home folder of its own (both removed afterwards), and a
/// default responder that fails the test for a modal form no responder answers and cancels it.
class FrontEndHarness : public AppTest {
protected:
  void SetUp() override;
  void TearDown() override;

  // ---- Folders and files ----
  /// The install folder ExePath answers, with a trailing "/".
  const String& InstallDir() const { return FInstallDir; }
  /// The folder HOME names.
  const String& HomeDir() const { return FHomeDir; }
  /// The media files, made on the first call of a test.
  const TFrontEndMedia& Media();

  // ---- Forms ----
  /// Makes forms owned by the application (the first one made through CreateForm becomes the main form)
  /// and answers the one to show.
  using TFormFactory = std::function<TCustomForm*(TApplication& App)>;
  /// Runs AFactory, shows the form it answers unless it is visible already, lets the loop run until idle
  /// and answers the form.
  TCustomForm* ShowForm(const TFormFactory& AFactory);
  /// The control named AName (case-insensitively) among ARoot's controls and theirs, and among the
  /// components ARoot owns and theirs, when it is a T; null otherwise.
  template <class T> static T* FindControl(TWinControl* ARoot, const String& AName) {
    return dynamic_cast<T*>(FindNamedControl(ARoot, AName));
  }
  static TControl* FindNamedControl(TWinControl* ARoot, const String& AName);

  // ---- Input, through the presenter's synthetic mouse and keyboard ----
  /// A left click at the centre of AControl (screen coordinates); fails the test for a control that is
  /// missing or not showing.
  void Click(TControl* AControl, std::source_location AWhere = std::source_location::current());
  void DoubleClick(TControl* AControl, std::source_location AWhere = std::source_location::current());
  /// Picks item Index of an office combo as the user does: a click opens its list, clicks on the arrows of
  /// its scroll bar bring the item into view and a click on the item picks it.
  void Pick(TskSkinOfficeComboBox* Combo, int Index);
  /// Picks entry Index of a combo as the user does: a click opens its list and a click on the entry picks
  /// it. The list opens with the shown entry at its top; Index lies among the entries that show.
  void Pick(TskSkinComboBox* Combo, int Index);
  /// Text as typed on the keyboard, to the control with the focus.
  void TypeText(const String& AText) { Display->TypeText(AText); }
  /// Presses and releases AKey with the AHeld keys down (VK_SHIFT, VK_CONTROL, VK_MENU).
  void Key(UINT AKey, std::initializer_list<UINT> AHeld = {}) { Display->Key(AKey, AHeld); }

  // ---- Modal dialogs ----
  /// Answers the modal forms named AFormName (their Name, else their ClassName: "MessageBox" for the
  /// plain message box, "TskMessageForm" for the skinned one) with AResponder until the test ends or
  /// another responder replaces it; an empty one removes it. The responder runs before the form's first
  /// paint: one that reads pixels pumps the loop first.
  void Answer(const String& AFormName, TModalResponder AResponder) { SetModalResponder(AFormName, std::move(AResponder)); }
  /// The text of a message box: its control "Message".
  static String MessageText(TCustomForm* ABox);
  /// Clicks AForm's control AName (a message box's buttons are named "OK", "Cancel", "Yes", "No", ...).
  void Press(TCustomForm* AForm, const String& AName, std::source_location AWhere = std::source_location::current());

  // ---- The loop ----
  /// Runs the loop (hand-overs of other threads, messages, timers due on the virtual clock, paints) until
  /// ADone holds and answers true; after ATimeout ms of real time the test fails at the caller's line and
  /// the answer is false. The default is generous: a loaded machine plays and converts late.
  bool PumpUntil(const std::function<bool()>& ADone, Cardinal ATimeout = 30000,
                 std::source_location AWhere = std::source_location::current());

private:
  void MakeMedia();

  String FRoot;
  String FInstallDir;
  String FHomeDir;
  std::optional<String> FSavedHome;
  std::optional<TFrontEndMedia> FMedia;
};
