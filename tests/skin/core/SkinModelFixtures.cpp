#include "SkinModelFixtures.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/base/TStream.h"
#include "platform/base/TMemoryStream.h"

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  char pattern[] = "/tmp/skinmodel-XXXXXX";
  if (!mkdtemp(pattern)) throw std::runtime_error("no temporary folder");
  FDir = pattern;
}

TempFolder::~TempFolder() { fs::remove_all(FDir); }

void PutFile(const String& FileName, const String& Bytes) { std::ofstream(FileName, std::ios::binary) << Bytes; }

String GetFile(const String& FileName) {
  std::ostringstream text;
  text << std::ifstream(FileName, std::ios::binary).rdbuf();
  return text.str();
}

std::unique_ptr<TBitmap> CodedPicture(int Width, int Height, int Seed) {
  auto picture = std::make_unique<TBitmap>();
  picture->SetPixelFormat(pf24bit);
  picture->SetSize(Width, Height);
  for (int y = 0; y < Height; ++y) {
    Byte* row = static_cast<Byte*>(picture->ScanLine(y));
    for (int x = 0; x < Width; ++x) {
      row[3 * x] = Byte(x * 16 + Seed);
      row[3 * x + 1] = Byte(y * 16 + Seed);
      row[3 * x + 2] = Byte(Seed * 40 + x + y);
    }
  }
  return picture;
}

String MonochromeBmp(int Width, int Height, const std::function<bool(int X, int Y)>& Pattern) {
  const int stride = ((Width + 31) / 32) * 4;
  const uint32_t offset = 14 + 40 + 8, size = offset + uint32_t(stride * Height);
  TMemoryStream file;
  file.WriteBuffer("BM", 2);
  file.WriteInt32(int32_t(size));
  file.WriteInt32(0);
  file.WriteInt32(int32_t(offset));
  for (int32_t value : { 40, Width, Height }) file.WriteInt32(value);
  file.WriteByte(1);
  file.WriteByte(0);
  file.WriteByte(1);
  file.WriteByte(0);
  for (int32_t value : { 0, stride * Height, 2835, 2835, 2, 0 }) file.WriteInt32(value);
  file.WriteInt32(0);           // black
  file.WriteInt32(0x00FFFFFF);  // white
  for (int y = Height - 1; y >= 0; --y) {
    String row(size_t(stride), '\0');
    for (int x = 0; x < Width; ++x)
      if (Pattern(x, y)) row[size_t(x / 8)] = char(Byte(row[size_t(x / 8)]) | (0x80 >> (x % 8)));
    file.WriteBuffer(row.data(), stride);
  }
  return String(static_cast<const char*>(file.Memory()), size_t(file.Size()));
}

uint32_t PixelAt(TBitmap* Bitmap, int X, int Y) {
  const Byte* row = static_cast<const Byte*>(Bitmap->ScanLine(Y));
  const Byte* pixel = row + X * (Bitmap->PixelFormat() == pf24bit ? 3 : 4);
  return uint32_t(pixel[0]) | uint32_t(pixel[1]) << 8 | uint32_t(pixel[2]) << 16;
}

bool SamePixels(TBitmap* A, TBitmap* B) {
  if (A->Width() != B->Width() || A->Height() != B->Height()) return false;
  for (int y = 0; y < A->Height(); ++y)
    for (int x = 0; x < A->Width(); ++x)
      if (PixelAt(A, x, y) != PixelAt(B, x, y)) return false;
  return true;
}

String MiniSkinIni() {
  return "; the mini skin of the tests\n"
         "[VERSION]\nver=1\nskinname=Mini\nskinauthor=Tester\nauthoremail=t@example.org\n"
         "authorurl=http://example.org\nskincomments=made by a test\n"
         "[PICTURES]\npicture=main.bmp\ninactivepicture=\nmask=mask.bmp\nactivepicturescount=2\n"
         "0=parts.bmp\n1=glyphs.bmp\n"
         "[FORMINFO]\nlefttoppoint=10,23\nrighttoppoint=130,23\nleftbottompoint=10,110\n"
         "rightbottompoint=130,110\nclientrect=3,21,143,115\nbgpictureindex=0\nmaskrectarea=5,5,100,100\n"
         "hittestlefttoppoint=0,7\nbuttonsrect=80,2,140,18\ncaptionrect=20,2,80,18\nbuttonsoffset=2\n"
         "borderwidth=3\nautorenderinginactiveimage=1\ninactiveeffect=iedarkness\nformminwidth=120\n"
         "[POPUPWINDOW]\nwindowpictureindex=1\nitemsrect=2,2,6,6\n"
         "[HINTWINDOW]\nfontname=Arial\nfontheight=11\n"
         "[SKINCOLORS]\ncbtnface=12632256\ncbtntext=255\n"
         "[EXTRA]\nkept=yes\n"
         "[SKINOBJECTS]\ncount=4\n0=closebutton:stdbutton\n1=caption:caption\n2=mdiclose:mainmenubarbutton\n"
         "3=menuitem:menuitem\n"
         "[closebutton]\nhint=Maximize\ncommand=cmmaximize\nactivepictureindex=0\nskinrectinapicture=1\n"
         "skinrect=0,0,4,3\nactiveskinrect=4,0,8,3\n"
         "[caption]\ntextrect=20,2,80,18\nfontname=Tahoma\nfontheight=14\nalignment=taleftjustify\n"
         "[mdiclose]\ncommand=cmclose\n"
         "[menuitem]\ncheckimagerect=1,1,3,3\n"
         "[SKINCONTROLS]\ncount=7\n0=button:button\n1=odd:b:c\n2=nocolon\n3=edit:nosuchkind\n"
         "4=button:checkradio\n6=hscrollbar:scrollbar\n"
         "[button]\npictureindex=0\nskinrect=0,0,6,3\nclientrect=1,1,5,2\nfontname=Tahoma\nfontheight=13\n"
         "[hscrollbar]\npictureindex=1\nthumbrect=0,0,3,3\n";
}

void WriteMiniSkin(const TempFolder& Folder) {
  PutFile(Folder.Path("mini.ini"), MiniSkinIni());
  CodedPicture(6, 5, 1)->SaveToFile(Folder.Path("main.bmp"));
  PutFile(Folder.Path("mask.bmp"), MonochromeBmp(4, 4, [](int X, int Y) { return X == 0 || Y == 3; }));
  CodedPicture(8, 3, 2)->SaveToFile(Folder.Path("parts.bmp"));
  CodedPicture(3, 3, 3)->SaveToFile(Folder.Path("glyphs.bmp"));
}

String WrittenIni(TskSkinData& Model) {
  TempFolder folder;
  Model.SaveToFile(folder.Path("written.ini"));
  return GetFile(folder.Path("written.ini"));
}

FakeForms::FakeForms() {
  FPrevious = SetSkinFormsSource([this] {
    std::vector<TskFormReceiver> receivers;
    for (const auto& form : FForms) {
      TFakeForm* target = form.get();
      receivers.push_back({ target, [this, target](UINT Msg, WPARAM WParam, LPARAM LParam) {
                             if (WParam != WPARAM(Model) || LParam != 1000) ++BadParameters;
                             Log.push_back(target->Name() + ":" + std::to_string(Msg));
                             if (OnDeliver) OnDeliver(Msg);
                           } });
    }
    return receivers;
  });
}

FakeForms::~FakeForms() { SetSkinFormsSource(FPrevious); }
