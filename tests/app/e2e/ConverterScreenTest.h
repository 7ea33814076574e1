#pragma once
// The converter as a user meets it: the built program installed in a folder of its own, run with a home of
// its own on the X server of DISPLAY, and driven only through the screen. Clicks and keys go through xdotool
// to the places the program names for its controls (its control query socket, TControlQueryServer.h); the
// job list's rows are read through the same socket. Each step can leave a picture of the screen under the
// build folder's e2e-screenshots/.
//
// The program finds no real system services: PATH holds only recording stand-ins for "systemctl" and
// "xdg-open", so neither a power-off nor a file manager can ever start; every call is appended to
// Calls() as its arguments on one line.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <source_location>
#include <vector>

#include "platform/base/Types.h"
#include "tests/platform/display/XScreenshot.h"
#include "tools/screenshot/TInstalledProgram.h"
#include "tools/screenshot/XTopLevelWindows.h"

/// One row of the job list as the program's list model holds it.
struct TJobRow {
  TRect Place;
  bool Selected { false };
  /// The caption (input file) followed by the 24 cells.
  std::vector<String> Cells;
};

/// The media a run adds, in the home folder's "media" folder.
struct TRunMedia {
  String Folder;
  String Clip;     // clip.mkv: 2 s, 320 x 240, 25 fps mpeg4 + 44.1 kHz stereo flac
  String Long;     // long.mkv: 20 s of the same picture and sound
  String Tone;     // tone.wav: 1 s of a 440 Hz sine, stereo
  /// "mixed": clip.mkv, .hidden.mkv, corrupt.mp4 (random bytes), the folder "sub" holding clip.mkv, the FIFO
  /// "pipe".
  String Mixed;
  String Empty;    // "empty": an empty folder
};

/// Base of the end-to-end tests (suites ending in "Display"); skipped without an X server.
class ConverterScreenTest : public ::testing::Test {
protected:
  using Milliseconds = std::chrono::milliseconds;
  /// How long any step may take before the test gives up on it: generous, so that a slow or loaded machine
  /// only makes a run longer, never fails it.
  static constexpr Milliseconds Patience { 120000 };

  void SetUp() override;
  void TearDown() override;

  // ---- The program ----
  /// Starts the installed program (or Command, as TInstalledProgram::Start runs it) with the environment
  /// changes of TInstalledProgram::Start after this run's own (its query socket, the stand-ins' PATH, no
  /// power-off), waits for its main window to come up painted and answers whether it did.
  bool StartProgram(const std::vector<String>& Changes = {}, const std::vector<String>& Command = {});
  TInstalledProgram& Program() const { return *FProgram; }
  const TRunMedia& Media() const { return FMedia; }
  /// The settings file beside the program, as text ("" while there is none).
  String OptionFile() const;
  /// The calls the stand-ins recorded, one a line: "systemctl poweroff", "xdg-open <path>".
  std::vector<String> Calls() const;

  // ---- What the program says ----
  /// Its answer to one request of the query socket; "" when it cannot be asked.
  String Ask(const String& Request);
  /// The screen rectangle of the showing control (or menu item) Name ("Form.Control" or "Control");
  /// none while it is missing or hidden.
  std::optional<TRect> Where(const String& Name);
  /// Waits up to the patience for Name to show; its rectangle, or none after failing the test at the caller.
  std::optional<TRect> WaitShowing(const String& Name, std::source_location At = std::source_location::current());
  /// Waits for Name to be gone from the screen; false after failing the test at the caller.
  bool WaitGone(const String& Name, std::source_location At = std::source_location::current());
  /// The screen rectangle of the mapped top-level window titled Title (a hint window bears its text); none
  /// while there is none.
  std::optional<TRect> TopLevelWindow(const String& Title) { return FWindows->Find(Title); }
  /// The job list's rows.
  std::vector<TJobRow> Rows();
  /// The item index of the showing skinned combo box Name and whether its drop-down list shows; none while
  /// the combo box does not show.
  struct TComboChoice {
    int Index { -1 };
    bool Open { false };
  };
  std::optional<TComboChoice> Choice(const String& Name);

  // ---- The user's hands ----
  /// Moves the pointer to the centre of the showing control (or menu item) Name and clicks it there; fails
  /// the test at the caller when it does not show up in time.
  void Click(const String& Name, std::source_location At = std::source_location::current());
  void ClickAt(TPoint Where, int Clicks = 1);
  /// Moves the pointer to the centre of the showing control Name and leaves it there; fails the test at the
  /// caller when it does not show up in time.
  void Hover(const String& Name, std::source_location At = std::source_location::current());
  /// Presses the keys named as xdotool names them ("Return", "Tab", "End", "shift+Home"), in order.
  void Keys(const std::vector<String>& Names);
  /// Types Text on the keyboard, to whatever has the focus.
  void Type(const String& Text);
  /// Replaces the whole text of the focused single-line edit with Text and presses Enter.
  void Enter(const String& Text);

  // ---- Waiting and looking ----
  /// Polls Done every 20 ms until it holds; after Limit fails the test at the caller with What, keeps a
  /// picture of the screen and answers false.
  bool WaitFor(const std::function<bool()>& Done, const String& What, Milliseconds Limit = Patience,
               std::source_location At = std::source_location::current());
  /// Reads the screen rectangle R; false when the server gives nothing.
  bool Look(const TRect& R) { return FShot.Take(R); }
  TColor PixelAt(int X, int Y) const { return FShot.At(X, Y); }
  /// How many pixels of R (inside the rectangle last looked at) are near Colour (each channel within 40).
  int PixelsLike(const TRect& R, TColor Colour) const;
  /// Writes the whole screen as e2e-screenshots/<test>-<nn>-<Label>.png in the build folder.
  void Picture(const String& Label);

private:
  void Spawn(const std::vector<String>& Arguments);
  void WriteStandIns();
  void MakeMedia();

  std::unique_ptr<TInstalledProgram> FProgram;
  std::unique_ptr<XTopLevelWindows> FWindows;
  XScreenshot FShot;
  XScreenshot FPictureShot;
  TRect FScreen;
  TRunMedia FMedia;
  String FSocket;
  String FStandIns;
  String FCalls;
  int FPictures { 0 };
};
