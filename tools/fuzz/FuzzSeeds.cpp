// Writes the seed corpus of every fuzz target: small valid inputs made by the project's own writers, so
// the fuzzers start from files that reach deep into each reader.
//
// Usage: fuzz-seeds <corpus folder> <media corpus folder>; target T's seeds go to <corpus folder>/T. The
// media corpus holds the clips other producers wrote (tools/media-corpus), the conversion task's seeds.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/base/TMemoryStream.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TGIFImage.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/TPngImage.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "tests/engine/fixtures/MediaFixtures.h"

namespace fs = std::filesystem;

namespace {

const char* const SkinIni =
  "[VERSION]\nver=1\nskinname=Seed\n"
  "[PICTURES]\npicture=main.bmp\ninactivepicture=\nmask=\nactivepicturescount=1\n0=parts.bmp\n"
  "[FORMINFO]\nlefttoppoint=4,10\nrighttoppoint=20,10\nleftbottompoint=4,20\nrightbottompoint=20,20\n"
  "clientrect=3,12,21,22\nbgpictureindex=0\nbuttonsrect=10,2,22,9\ncaptionrect=2,2,10,9\nborderwidth=3\n"
  "[POPUPWINDOW]\nwindowpictureindex=0\nitemsrect=2,2,6,6\n"
  "[SKINCOLORS]\ncbtnface=12632256\ncbtntext=255\n"
  "[SKINOBJECTS]\ncount=2\n0=closebutton:stdbutton\n1=caption:caption\n"
  "[closebutton]\ncommand=cmclose\nactivepictureindex=0\nskinrectinapicture=1\nskinrect=0,0,4,3\n"
  "activeskinrect=4,0,8,3\n"
  "[caption]\ntextrect=2,2,10,9\nfontname=Tahoma\nfontheight=14\nalignment=taleftjustify\n"
  "[SKINCONTROLS]\ncount=2\n0=button:button\n1=hscrollbar:scrollbar\n"
  "[button]\npictureindex=0\nskinrect=0,0,6,3\nclientrect=1,1,5,2\nfontname=Tahoma\nfontheight=13\n"
  "[hscrollbar]\npictureindex=0\nthumbrect=0,0,3,3\n";

const char* const IniTexts[] = {
  "; settings\n[Main]\nOutPath=/home/user/out\nSkin=1\r\n[CPU]\nPriority=2\nThreads = 4 \n",
  "[a]\nk=v\n[A]\nK=w\n[b]\n=empty name\nno value line\n[c\nk2=v2\n",
  "\xEF\xBB\xBF[中文]\n名称=值\n",
};

// Edit scripts: kind byte, length byte, bytes (see FuzzEditText.cpp).
const std::string EditScripts[] = {
  std::string("\x00\x05hello\x03\x01\x00\x04\x01\x00\x01\x03" "abc", 15),
  std::string("\x01\x01\xEF\x01\x02\x83\x83", 7),
  std::string("\x02\x04\xE4\xB8\xAD\x41\x05\x02\x00\x02\x02\x02\x0D\x0A", 14),
  std::string("\x06\x03one\x0C\x01\x06\x07\x02\x01\x01\x08\x02\x0D\x0A", 14),
};

void Write(const fs::path& File, const std::string& Bytes) {
  fs::create_directories(File.parent_path());
  std::ofstream(File, std::ios::binary) << Bytes;
}

std::string Bytes(TMemoryStream& Stream) { return std::string(static_cast<const char*>(Stream.Memory()), size_t(Stream.Size())); }

std::string Saved(TGraphic& Graphic) {
  TMemoryStream stream;
  Graphic.SaveToStream(&stream);
  return Bytes(stream);
}

/// A small picture whose pixels vary, in the given pixel format.
std::unique_ptr<TBitmap> Picture(TPixelFormat Format, int Width, int Height) {
  auto picture = std::make_unique<TBitmap>();
  picture->SetPixelFormat(pf32bit);
  picture->SetSize(Width, Height);
  for (int y = 0; y < Height; ++y) {
    auto* row = static_cast<uint8_t*>(picture->ScanLine(y));
    for (int x = 0; x < Width * 4; ++x) row[x] = uint8_t(x * 9 + y * 40);
  }
  picture->SetPixelFormat(Format);
  return picture;
}

template <class G> std::string Encoded(TBitmap& Picture) {
  G graphic;
  graphic.Assign(&Picture);
  return Saved(graphic);
}

void WritePictures(const fs::path& Corpus) {
  auto small = Picture(pf24bit, 7, 5);
  auto wide = Picture(pf32bit, 33, 2);
  Write(Corpus / "picture_bmp" / "24bit.bmp", Saved(*small));
  Write(Corpus / "picture_bmp" / "32bit.bmp", Saved(*wide));
  Write(Corpus / "picture_bmp" / "8bit.bmp", Saved(*Picture(pf8bit, 5, 4)));
  Write(Corpus / "picture_bmp" / "1bit.bmp", Saved(*Picture(pf1bit, 9, 3)));
  TPngImage png;
  png.Assign(wide.get());
  png.CreateAlpha();
  png.AlphaScanline(1)[3] = 90;
  Write(Corpus / "picture_png" / "alpha.png", Saved(png));
  Write(Corpus / "picture_png" / "plain.png", Encoded<TPngImage>(*small));
  Write(Corpus / "picture_jpeg" / "small.jpg", Encoded<TJPEGImage>(*small));
  Write(Corpus / "picture_gif" / "small.gif", Encoded<TGIFImage>(*small));
  TIcon standard, tiny;
  LoadFromResourceName(standard, "IDI_ERROR");
  tiny.SetHandle(CopyImage(standard.Handle(), IMAGE_ICON, 7, 5, 0));
  Write(Corpus / "picture_ico" / "standard.ico", Saved(standard));
  Write(Corpus / "picture_ico" / "small.ico", Saved(tiny));
}

void WriteSkins(const fs::path& Corpus, const fs::path& Work) {
  fs::create_directories(Work);
  Write(Work / "seed.ini", SkinIni);
  Picture(pf24bit, 24, 24)->SaveToFile((Work / "main.bmp").string());
  Picture(pf24bit, 8, 3)->SaveToFile((Work / "parts.bmp").string());
  Write(Corpus / "skin_ini" / "seed.ini", SkinIni);
  TskCompressedStoredSkin stored(nullptr);
  stored.LoadFromIniFile((Work / "seed.ini").string());
  TMemoryStream container;
  stored.SaveToCompressStream(&container);
  Write(Corpus / "skin_container" / "seed.skn", Bytes(container));
}

/// The first ALength bytes of AClip; 24 KiB are enough for its headers and first packets.
std::string HeadOf(const fs::path& AClip, size_t ALength = 24 * 1024) {
  std::ifstream in(AClip, std::ios::binary);
  std::string head(ALength, '\0');
  in.read(head.data(), std::streamsize(head.size()));
  head.resize(size_t(in.gcount()));
  return head;
}

/// The start of each fixture clip.
void WriteMedia(const fs::path& Corpus) {
  const TMediaFixtures& clips = MediaFixtures();
  for (const String& clip : { clips.ClipAVI, clips.ClipMKV, clips.ClipMP4, clips.AudioWAV, clips.AudioMP3 })
    Write(Corpus / "media_probe" / fs::path(clip).filename(), HeadOf(clip));
}

/// Whether AClip's streams start hours apart or its clock jumps by an hour: what makes it so lies past its
/// start (the second stream's packets, the splice).
bool FarApart(const fs::path& AClip) {
  const std::string name = AClip.filename().string();
  return name.find("-hours-late") != std::string::npos || name.find("-spliced-") != std::string::npos;
}

/// The start of each clip of the media corpus, for the conversion task; the whole of those whose streams
/// lie far apart.
void WriteTaskMedia(const fs::path& Corpus, const fs::path& MediaCorpus) {
  for (const auto& clip : fs::directory_iterator(MediaCorpus))
    Write(Corpus / "convert_task" / clip.path().filename(),
          FarApart(clip.path()) ? HeadOf(clip.path(), fs::file_size(clip.path())) : HeadOf(clip.path()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <corpus folder> <media corpus folder>\n", argv[0]);
    return 2;
  }
  const fs::path corpus = argv[1];
  WritePictures(corpus);
  WriteSkins(corpus, corpus / ".work");
  for (size_t i = 0; i < std::size(IniTexts); ++i)
    Write(corpus / "ini_file" / ("seed" + std::to_string(i) + ".ini"), IniTexts[i]);
  for (size_t i = 0; i < std::size(EditScripts); ++i)
    Write(corpus / "edit_text" / ("seed" + std::to_string(i)), EditScripts[i]);
  WriteMedia(corpus);
  WriteTaskMedia(corpus, argv[2]);
  fs::remove_all(corpus / ".work");
  return 0;
}
