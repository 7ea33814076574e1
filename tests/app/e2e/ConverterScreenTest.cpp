#include "tests/app/e2e/ConverterScreenTest.h"

#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/base/SysUtils.h"
#include "tests/engine/fixtures/MediaFixtures.h"
#include "tools/screenshot/ConverterMainWindow.h"
#include "tools/screenshot/Polling.h"
#include "tools/screenshot/WindowPicture.h"

// Last: Xlib's macros would clash with the names above.
#include <X11/Xlib.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

String ReadText(const String& FileName) {
  std::ifstream File(FileName, std::ios::binary);
  std::stringstream Text;
  Text << File.rdbuf();
  return Text.str();
}

std::vector<String> Lines(const String& Text) {
  std::vector<String> Result;
  std::istringstream In(Text);
  for (String Line; std::getline(In, Line);) Result.push_back(Line);
  return Result;
}

std::vector<String> Fields(const String& Line, char Separator) {
  std::vector<String> Result;
  size_t Start = 0;
  for (size_t End; (End = Line.find(Separator, Start)) != String::npos; Start = End + 1)
    Result.push_back(Line.substr(Start, End - Start));
  Result.push_back(Line.substr(Start));
  return Result;
}

std::optional<TRect> RectOf(const String& Text) {
  TRect R;
  std::istringstream In(Text);
  if (!(In >> R.Left >> R.Top >> R.Right >> R.Bottom)) return std::nullopt;
  return R;
}

String TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

/// The whole screen of DISPLAY.
TRect ScreenRect() {
  Display* X = XOpenDisplay(nullptr);
  if (!X) return {};
  const TRect Whole { 0, 0, DisplayWidth(X, DefaultScreen(X)), DisplayHeight(X, DefaultScreen(X)) };
  XCloseDisplay(X);
  return Whole;
}

TPoint Centre(const TRect& R) { return { (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 }; }

/// A shell script at FileName that appends its name and arguments to Record, with the shell's own words
/// only (PATH holds nothing else).
void WriteRecorder(const String& FileName, const String& Record) {
  std::ofstream(FileName) << "#!/bin/sh\necho \"${0##*/} $*\" >> '" << Record << "'\n";
  chmod(FileName.c_str(), 0755);
}

/// FileName filled with Size bytes no demuxer takes for media (the same bytes every run).
void WriteRandomBytes(const String& FileName, size_t Size) {
  std::mt19937 Random(20240601);
  std::ofstream File(FileName, std::ios::binary);
  for (size_t I = 0; I < Size; ++I) File.put(char(Random() & 0xFF));
}

}  // namespace

void ConverterScreenTest::SetUp() {
  if (!getenv("DISPLAY")) GTEST_SKIP() << "no X server";
  FWindows = std::make_unique<XTopLevelWindows>();
  FScreen = ScreenRect();
  FProgram = std::make_unique<TInstalledProgram>(ZORVIK_PROGRAM);
  const fs::path Root = fs::path(FProgram->InstallFolder()).parent_path();
  // The completion sound lies beside the program, as the build puts it.
  fs::copy(fs::path(ZORVIK_PROGRAM).parent_path() / "sounds", fs::path(FProgram->InstallFolder()) / "sounds");
  FSocket = (Root / "queries").string();
  FStandIns = (Root / "bin").string();
  FCalls = (Root / "calls").string();
  WriteStandIns();
  MakeMedia();
  // The pictures of an earlier run of this test go; the other tests' stay.
  if (fs::is_directory(E2E_SCREENSHOTS))
    for (const auto& Entry : fs::directory_iterator(E2E_SCREENSHOTS))
      if (Entry.path().filename().string().starts_with(TestName() + "-")) fs::remove(Entry.path());
}

void ConverterScreenTest::TearDown() {
  FProgram.reset();
  FWindows.reset();
}

void ConverterScreenTest::WriteStandIns() {
  fs::create_directories(FStandIns);
  for (const char* Name : { "systemctl", "xdg-open" }) WriteRecorder(FStandIns + "/" + Name, FCalls);
}

void ConverterScreenTest::MakeMedia() {
  const TMediaFixtures& Made = MediaFixtures();
  const fs::path Folder = fs::path(FProgram->HomeFolder()) / "media";
  const fs::path Mixed = Folder / "mixed";
  fs::create_directories(Mixed / "sub");
  fs::create_directories(Folder / "empty");
  fs::copy_file(Made.ClipMKV, Folder / "clip.mkv");
  fs::copy_file(Made.LongMKV, Folder / "long.mkv");
  fs::copy_file(Made.AudioWAV, Folder / "tone.wav");
  fs::copy_file(Made.ClipMKV, Mixed / "clip.mkv");
  fs::copy_file(Made.ClipMKV, Mixed / ".hidden.mkv");
  fs::copy_file(Made.ClipMKV, Mixed / "sub" / "clip.mkv");
  WriteRandomBytes((Mixed / "corrupt.mp4").string(), 64 * 1024);
  ASSERT_EQ(mkfifo((Mixed / "pipe").c_str(), 0600), 0);
  FMedia = { Folder.string(),           (Folder / "clip.mkv").string(), (Folder / "long.mkv").string(),
             (Folder / "tone.wav").string(), Mixed.string(),                 (Folder / "empty").string() };
}

// ---- The program ----

bool ConverterScreenTest::StartProgram(const std::vector<String>& Changes, const std::vector<String>& Command) {
  std::vector<String> All { "ZORVIK_CONTROL_QUERIES=" + FSocket, "PATH=" + FStandIns, "ZORVIK_NO_POWEROFF=1",
                            "LC_ALL=C.UTF-8" };
  All.insert(All.end(), Changes.begin(), Changes.end());
  if (!FProgram->Start(All, Command)) return false;
  std::optional<TRect> Frame;
  return PollUntil([&] { return (Frame = FWindows->Find(ConverterTitle)) && ConverterWindowPainted(FShot, *Frame); },
                   Patience, 20ms) &&
         PollUntil([&] { return Where("Form1").has_value(); }, Patience, 20ms);
}

String ConverterScreenTest::OptionFile() const { return ReadText(FProgram->InstallFolder() + "/option.ini"); }

std::vector<String> ConverterScreenTest::Calls() const { return Lines(ReadText(FCalls)); }

// ---- What the program says ----

String ConverterScreenTest::Ask(const String& Request) {
  const int Socket = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_un Address {};
  Address.sun_family = AF_UNIX;
  std::strncpy(Address.sun_path, FSocket.c_str(), sizeof Address.sun_path - 1);
  String Answer;
  if (connect(Socket, reinterpret_cast<sockaddr*>(&Address), sizeof Address) == 0) {
    const String Line = Request + "\n";
    if (send(Socket, Line.data(), Line.size(), MSG_NOSIGNAL) == ssize_t(Line.size())) {
      char Buffer[4096];
      for (ssize_t Read; (Read = recv(Socket, Buffer, sizeof Buffer, 0)) > 0;) Answer.append(Buffer, size_t(Read));
    }
  }
  close(Socket);
  return Answer;
}

std::optional<TRect> ConverterScreenTest::Where(const String& Name) { return RectOf(Ask("where " + Name)); }

std::optional<TRect> ConverterScreenTest::WaitShowing(const String& Name, std::source_location At) {
  std::optional<TRect> Place;
  WaitFor([&] { return (Place = Where(Name)).has_value(); }, Name + " showing", Patience, At);
  return Place;
}

bool ConverterScreenTest::WaitGone(const String& Name, std::source_location At) {
  return WaitFor([&] { return Ask("where " + Name) == "none\n"; }, Name + " gone", Patience, At);
}

std::vector<TJobRow> ConverterScreenTest::Rows() {
  std::vector<TJobRow> Result;
  for (const String& Line : Lines(Ask("rows lvFiles"))) {
    std::vector<String> Parts = Fields(Line, '\t');
    const std::optional<TRect> Place = RectOf(Parts[0]);
    if (!Place || Parts.size() < 3) continue;
    Result.push_back({ *Place, Parts[1] == "*", std::vector<String>(Parts.begin() + 2, Parts.end()) });
  }
  return Result;
}

std::optional<ConverterScreenTest::TComboChoice> ConverterScreenTest::Choice(const String& Name) {
  std::istringstream In(Ask("choice " + Name));
  TComboChoice Answer;
  String List;
  if (!(In >> Answer.Index >> List)) return std::nullopt;
  Answer.Open = List == "open";
  return Answer;
}

// ---- The user's hands ----

void ConverterScreenTest::Click(const String& Name, std::source_location At) {
  if (const std::optional<TRect> Place = WaitShowing(Name, At)) ClickAt(Centre(*Place));
}

void ConverterScreenTest::Hover(const String& Name, std::source_location At) {
  if (const std::optional<TRect> Place = WaitShowing(Name, At)) {
    const TPoint P = Centre(*Place);
    Spawn({ "xdotool", "mousemove", IntToStr(P.X), IntToStr(P.Y) });
  }
}

void ConverterScreenTest::ClickAt(TPoint Where, int Clicks) {
  Spawn({ "xdotool", "mousemove", IntToStr(Where.X), IntToStr(Where.Y), "click", "--repeat", IntToStr(Clicks),
          "--delay", "60", "1" });
}

void ConverterScreenTest::Keys(const std::vector<String>& Names) {
  std::vector<String> Arguments { "xdotool", "key", "--delay", "30" };
  Arguments.insert(Arguments.end(), Names.begin(), Names.end());
  Spawn(Arguments);
}

void ConverterScreenTest::Type(const String& Text) { Spawn({ "xdotool", "type", "--delay", "10", Text }); }

void ConverterScreenTest::Enter(const String& Text) {
  Keys({ "End", "shift+Home" });
  Type(Text);
  Keys({ "Return" });
}

void ConverterScreenTest::Spawn(const std::vector<String>& Arguments) {
  std::vector<char*> Argv;
  for (const String& A : Arguments) Argv.push_back(const_cast<char*>(A.c_str()));
  Argv.push_back(nullptr);
  pid_t Pid = -1;
  int ExitStatus = -1;
  ASSERT_EQ(posix_spawnp(&Pid, Argv[0], nullptr, nullptr, Argv.data(), environ), 0) << Arguments[0];
  waitpid(Pid, &ExitStatus, 0);
  EXPECT_TRUE(WIFEXITED(ExitStatus) && WEXITSTATUS(ExitStatus) == 0) << Arguments[0] << " " << Arguments[1] << " failed";
}

// ---- Waiting and looking ----

bool ConverterScreenTest::WaitFor(const std::function<bool()>& Done, const String& What, Milliseconds Limit,
                                  std::source_location At) {
  if (PollUntil(Done, Limit, 20ms)) return true;
  ADD_FAILURE_AT(At.file_name(), int(At.line())) << "waited in vain for " << What;
  Picture("waited-in-vain");
  return false;
}

int ConverterScreenTest::PixelsLike(const TRect& R, TColor Colour) const {
  const auto Near = [](int A, int B) { return std::abs(A - B) <= 40; };
  int Count = 0;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X) {
      const TColor C = FShot.At(X, Y);
      Count += Near(GetRValue(C), GetRValue(Colour)) && Near(GetGValue(C), GetGValue(Colour)) &&
               Near(GetBValue(C), GetBValue(Colour));
    }
  return Count;
}

void ConverterScreenTest::Picture(const String& Label) {
  const TRect Whole = FScreen;
  XScreenshot& Screen = FPictureShot;
  if (!Screen.Take(Whole)) return;
  fs::create_directories(E2E_SCREENSHOTS);
  char Number[16];
  std::snprintf(Number, sizeof Number, "%02d", ++FPictures);
  SaveWindowPicture(Screen, Whole, String(E2E_SCREENSHOTS) + "/" + TestName() + "-" + Number + "-" + Label + ".png");
}
