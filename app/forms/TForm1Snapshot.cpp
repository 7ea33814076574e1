// Snapshots of the preview: the picture on screen saved as base_n.ext in the snapshot folder, the menu of
// the snapshot settings, and the capture button's save dialog.
#include "app/forms/TForm1.h"
#include "app/settings/OptionFile.h"
#include "app/snapshots/SnapshotNames.h"
#include "app/snapshots/SnapshotWriter.h"
#include "engine/player/FFPlay.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/TBitmap.h"
#include "platform/shell/IShellOpenService.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/Input.h"
#include "skin/dialogs/TskSkinSavePictureDialog.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"
#include "skin/form/TskSkinPopupMenu.h"

namespace {

TMenuItem* TypeItem(TForm1& Form, TSnapshotFormat Type) {
  TMenuItem* const Items[] = { Form.BMP1, Form.JPG1, Form.GIF1, Form.PNG1 };
  return Items[Type];
}

/// The type rule: the stored picture type, "BMP" written back when it is missing or invalid; its menu
/// item ticked.
TSnapshotFormat ReadSnapshotType(TForm1& Form) {
  TSnapshotFormat Type = snBMP;
  SnapshotFormatFromText(ReadOption(okPicture), Type);
  TypeItem(Form, Type)->SetChecked(true);
  return Type;
}

void ChooseSnapshotType(TForm1& Form, TSnapshotFormat Type) {
  WriteOption(okPicture, SnapshotFormatText(Type));
  TypeItem(Form, Type)->SetChecked(true);
}

/// A copy of the picture the player shows now; empty when it shows none.
std::unique_ptr<TBitmap> PictureOnScreen(TFFPlayer& Player) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->Assign(Player.CurrentFrame());
  return Picture;
}

}  // namespace

void TForm1::skSkinButton22Click(TObject*) {
  const std::unique_ptr<TBitmap> Picture = PictureOnScreen(*FFPlayer);
  const String Folder = ReadSnapshotFolder();
  const TSnapshotFormat Type = ReadSnapshotType(*this);
  if (Picture->Width() == 0) return;
  const String FileName =
      NextSnapshotFileName(Folder, SnapshotBaseName(T_Movie_PLayer_FileName), SnapshotExtension(Type));
  SaveSnapshot(*Picture, Type, FileName);
}

// ---- The settings button and its menu ----

void TForm1::skSkinButton23MouseDown(TObject*, TMouseButton Button, TShiftState, int, int) {
  if (Button != mbLeft) return;
  TPoint Cursor;
  GetCursorPos(&Cursor);
  skSkinPopupMenu2->Popup(Cursor.X, Cursor.Y);
}

void TForm1::skSkinButton23Click(TObject*) { ReadSnapshotType(*this); }

void TForm1::MenuItem1Click(TObject*) { Services.ShellOpen->Open(ReadSnapshotFolder(), ""); }

// A cancelled dialog changes nothing; a chosen folder is stored when it exists.
void TForm1::MenuItem2Click(TObject*) {
  if (!skSkinSelectDirectoryDialog2->Execute()) return;
  const String Folder = skSkinSelectDirectoryDialog2->Directory();
  if (DirectoryExists(Folder)) WriteOption(okSnapshotDir, Folder);
}

void TForm1::BMP1Click(TObject*) { ChooseSnapshotType(*this, snBMP); }
void TForm1::JPG1Click(TObject*) { ChooseSnapshotType(*this, snJPG); }
void TForm1::GIF1Click(TObject*) { ChooseSnapshotType(*this, snGIF); }
void TForm1::PNG1Click(TObject*) { ChooseSnapshotType(*this, snPNG); }

// ---- The capture button: a name chosen in the save dialog, BMP for ".bmp" and JPEG for any other ----

void TForm1::btnCaptureClick(TObject*) {
  const std::unique_ptr<TBitmap> Picture = PictureOnScreen(*FFPlayer);
  if (Picture->Width() <= 0 || !SavePictureDialog1->Execute()) return;
  const String FileName = SavePictureDialog1->FileName();
  SaveSnapshot(*Picture, SameText(ExtractFileExt(FileName), ".bmp") ? snBMP : snJPG, FileName);
}
