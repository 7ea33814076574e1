#include "tools/controls-gallery/skGalleryPictureDialog.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <utility>
#include <vector>

#include "platform/base/MainThread.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskOpenPictureDlgForm.h"
#include "skin/dialogs/TskShellFolder.h"
#include "skin/dialogs/TskSkinOpenPictureDialog.h"
#include "tools/controls-gallery/TskControlsGallery.h"
#include "tools/controls-gallery/skGalleryFrames.h"

namespace {

/// A folder of pictures and a text file, removed with the object.
class TPictureSample {
public:
  TPictureSample() {
    String Pattern = (std::filesystem::temp_directory_path() / "zorvik-pictures.XXXXXX").string();
    FPath = ::mkdtemp(Pattern.data());
    std::filesystem::create_directory(FPath + "/旧照片");
    TBitmap Landscape;
    DrawLandscape(Landscape, 360, 240);
    Save<TPngImage>(Landscape, "/湖边 日落.png");
    TBitmap Small;
    DrawLandscape(Small, 120, 80);
    Save<TJPEGImage>(Small, "/缩略图.jpg");
    std::ofstream(FPath + "/说明.txt") << "图片说明";
  }
  ~TPictureSample() {
    std::error_code Ignored;
    std::filesystem::remove_all(FPath, Ignored);
  }
  const String& Path() const { return FPath; }

private:
  /// A sky fading into a lake, a sun and a shore line.
  static void DrawLandscape(TBitmap& Picture, int Width, int Height) {
    Picture.SetPixelFormat(pf24bit);
    Picture.SetSize(Width, Height);
    TCanvas* C = Picture.Canvas();
    const int Horizon = Height * 3 / 5;
    for (int Y = 0; Y < Height; ++Y) {
      const int T = Y < Horizon ? 255 * Y / Horizon : 255 * (Y - Horizon) / (Height - Horizon);
      C->Pen()->SetColor(Y < Horizon ? RGB(60 + T * 3 / 5, 110 + T / 3, 200 - T / 4) : RGB(30, 70 + T / 4, 120 - T / 3));
      C->MoveTo(0, Y);
      C->LineTo(Width, Y);
    }
    C->Pen()->SetColor(RGB(250, 190, 60));
    C->Brush()->SetColor(RGB(255, 210, 80));
    C->Ellipse(Width * 3 / 5, Horizon - Height / 4, Width * 3 / 5 + Height / 4, Horizon);
    C->Pen()->SetColor(RGB(40, 90, 40));
    C->Brush()->SetColor(RGB(50, 110, 50));
    C->Rectangle(0, Horizon - 6, Width / 3, Horizon + 4);
  }
  template <class G> void Save(TBitmap& Picture, const String& Name) const {
    G File;
    File.Assign(&Picture);
    File.SaveToFile(FPath + Name);
  }

  String FPath;
};

}  // namespace

void AddPictureDialogRow(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  const TPictureSample Sample;
  TskSkinOpenPictureDialog Dialog(nullptr);
  Dialog.SetTitle("打开图片");
  Dialog.SetFilter("图片文件 (*.bmp;*.png;*.jpg)|*.bmp;*.png;*.jpg|所有文件 (*.*)|*.*");
  Dialog.SetSkinData(Gallery.Skin());
  Dialog.SetCtrlSkinData(Gallery.Skin());
  Dialog.SetInitialDir(Sample.Path());
  std::vector<std::pair<String, std::unique_ptr<TBitmap>>> Cells;
  for (bool Stretch : { false, true }) {
    Dialog.SetStretchPicture(Stretch);
    Queue([&, Stretch] {
      auto* Form = static_cast<TskOpenPictureDlgForm*>(Dialog.DlgFrm());
      TskSkinFileListView* List = Form->FileListView;
      for (int I = 0; I < List->EntryCount(); ++I)
        if (List->EntryAt(I)->DisplayName() == "湖边 日落.png") List->Items()->Item(I)->SetSelected(true);
      Display.MoveTo(0, 0);
      Display.Advance(500);
      Display.PumpUntilIdle();
      Cells.emplace_back(Stretch ? "拉伸到预览区" : "原始大小，可滚动", WindowPicture(Form));
      Form->SetModalResult(mrCancel);
    });
    Dialog.Execute();
  }
  Gallery.AddPictureRow("打开图片对话框", Cells);
}
