#pragma once
// Fixtures of the skin model tests: a folder of test files, small BMP pictures written by the test, the
// mini skin, and fake forms that record the skin messages they receive.
#include <functional>
#include <memory>
#include <vector>

#include "platform/base/TComponent.h"
#include "platform/gdi/TBitmap.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skSkinForms.h"

/// A fresh folder, removed with everything in it.
class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  String Path(const String& Name) const { return FDir + "/" + Name; }
  const String& Dir() const { return FDir; }

private:
  String FDir;
};

void PutFile(const String& FileName, const String& Bytes);
String GetFile(const String& FileName);

/// A 24-bit picture whose pixels encode their position and Seed, so a shifted or swapped picture shows.
std::unique_ptr<TBitmap> CodedPicture(int Width, int Height, int Seed);
/// A 1-bit BMP file with a black-and-white palette; a pixel is white when Pattern says so.
String MonochromeBmp(int Width, int Height, const std::function<bool(int X, int Y)>& Pattern);
/// The pixel (X, Y) as 0xRRGGBB, whatever the bitmap's format.
uint32_t PixelAt(TBitmap* Bitmap, int X, int Y);
/// Same size and the same colour at every pixel.
bool SamePixels(TBitmap* A, TBitmap* B);

/// The mini skin: an ini file "mini.ini" with a main picture, a 1-bit mask, two further pictures, the
/// fixed sections and a few records (and some listing entries that make no record), written into Folder.
void WriteMiniSkin(const TempFolder& Folder);
/// The ini text of the mini skin.
String MiniSkinIni();

/// The ini text a model writes for its skin: every stored field of every record, the geometry and the
/// colours.
String WrittenIni(TskSkinData& Model);

/// A form as the fake forms list holds it.
class TFakeForm : public TComponent {
public:
  explicit TFakeForm(const String& AName) : TComponent(nullptr) { SetName(AName); }
};

/// The layered border window of a form frame, which broadcasts leave out.
class TskFormLayerWindow : public TFakeForm {
public:
  using TFakeForm::TFakeForm;
};

/// Installs itself as the skin models' forms source for its lifetime; each form logs what it receives
/// as "<form>:<message>", and checks that wParam is Model and lParam 1000.
class FakeForms {
public:
  FakeForms();
  ~FakeForms();

  /// Appends a form (creation order) named AName.
  template <class TForm = TFakeForm> TForm* Add(const String& AName) {
    auto form = std::make_unique<TForm>(AName);
    TForm* added = form.get();
    FForms.push_back(std::move(form));
    return added;
  }
  /// Called on every delivery after logging it.
  std::function<void(UINT Msg)> OnDeliver;

  /// The model whose messages are expected.
  TskSkinData* Model { nullptr };
  std::vector<String> Log;
  /// Deliveries whose wParam was not Model or whose lParam was not 1000.
  int BadParameters { 0 };

private:
  std::vector<std::unique_ptr<TFakeForm>> FForms;
  TskFormsSource FPrevious;
};
