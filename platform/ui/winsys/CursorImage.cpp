#include "platform/ui/winsys/CursorImage.h"

#include <algorithm>
#include <map>

#include "platform/ui/winsys/Input.h"

namespace {

using Picture = std::vector<std::string>;

const Picture ArrowPicture {
  "X",
  "XX",
  "XoX",
  "XooX",
  "XoooX",
  "XooooX",
  "XoooooX",
  "XooooooX",
  "XoooooooX",
  "XooooooooX",
  "XoooooooooX",
  "XooooooXXXXX",
  "XoooXooX",
  "XooX.XooX",
  "XoX..XooX",
  "XX....XooX",
  "X.....XooX",
  ".......XooX",
  ".......XooX",
  "........XX",
};

const Picture IBeamPicture {
  ".ooo.ooo.",
  "oXXXoXXXo",
  ".oooXooo.",
  "...oXo...",
  "...oXo...",
  "...oXo...",
  "...oXo...",
  "...oXo...",
  "...oXo...",
  "...oXo...",
  "...oXo...",
  "...oXo...",
  "...oXo...",
  "...oXo...",
  "...oXo...",
  ".oooXooo.",
  "oXXXoXXXo",
  ".ooo.ooo.",
};

const Picture WaitPicture {
  "XXXXXXXXXXXXX",
  "XoooooooooooX",
  "XXXXXXXXXXXXX",
  ".XoooooooooX.",
  ".XoXoXoXoXoX.",
  "..XoXoXoXoX..",
  "...XoXoXoX...",
  "....XoXoX....",
  ".....XoX.....",
  ".....XoX.....",
  "....XoooX....",
  "...XoooooX...",
  "..XoooXoooX..",
  ".XoooXoXoooX.",
  ".XooXoXoXooX.",
  "XXXXXXXXXXXXX",
  "XoooooooooooX",
  "XXXXXXXXXXXXX",
};

const Picture HandPicture {
  ".....XX",
  "....XooX",
  "....XooX",
  "....XooX",
  "....XooXXX",
  "....XooXooXXX",
  "....XooXooXooXX",
  ".XX.XooXooXooXoX",
  "XooXXooooooooXoX",
  "XoooXooooooooooX",
  ".XooXooooooooooX",
  "..XoooooooooooX",
  "..XoooooooooooX",
  "...XooooooooooX",
  "...XoooooooooX",
  "....XooooooooX",
  "....XooooooooX",
  "....XXXXXXXXXX",
};

const Picture SizeWEPicture {
  "...X.........X",
  "..XX.........XX",
  ".XoXXXXXXXXXXXoX",
  "XoooooooooooooooX",
  ".XoXXXXXXXXXXXoX",
  "..XX.........XX",
  "...X.........X",
};

const Picture SizeNWSEPicture {
  "XXXXXXX",
  "XoooooX",
  "XooooX",
  "XoooX",
  "XooXoX",
  "XoX.XoX",
  "XX...XoX",
  "......XoX",
  ".......XoX...XX",
  "........XoX.XoX",
  ".........XoXooX",
  "..........XoooX",
  ".........XooooX",
  "........XoooooX",
  "........XXXXXXX",
};

/// Every row padded to Width with transparent pixels.
Picture Padded(Picture P, size_t Width) {
  for (std::string& Row : P)
    Row.resize(std::max(Row.size(), Width), '.');
  return P;
}

Picture Mirrored(const Picture& P) {
  Picture Out = Padded(P, 15);
  for (std::string& Row : Out)
    std::reverse(Row.begin(), Row.end());
  return Out;
}

Picture Transposed(const Picture& P) {
  const Picture In = Padded(P, 17);
  Picture Out(17, std::string(In.size(), '.'));
  for (size_t Y = 0; Y < In.size(); ++Y)
    for (size_t X = 0; X < 17; ++X)
      Out[X][Y] = In[Y][X];
  return Out;
}

/// The two double arrows laid over each other, crossing at the centre; white wins over black so the
/// shafts stay open where they cross.
Picture Crossed() {
  Picture Out(17, std::string(17, '.'));
  const Picture Across = Padded(SizeWEPicture, 17), Down = Transposed(SizeWEPicture);
  for (size_t Y = 0; Y < Across.size(); ++Y)
    Out[Y + 5] = Across[Y];
  for (size_t Y = 0; Y < Down.size(); ++Y)
    for (size_t X = 0; X < Down[Y].size(); ++X) {
      char& Pixel = Out[Y][X + 5];
      const char Over = Down[Y][X];
      if (Over == 'o' || (Over == 'X' && Pixel != 'o'))
        Pixel = Over;
    }
  return Out;
}

}  // namespace

CursorImage::CursorImage(const std::vector<std::string>& Rows, TPoint HotSpot)
    : FHotSpot(HotSpot), FAndMask(Size * RowBytes, 0xFF), FXorMask(Size * RowBytes, 0),
      FPixels(std::make_unique<Surface>(Size, Size, SurfaceFormat::Bgra32)) {
  for (size_t Y = 0; Y < Rows.size() && Y < size_t(Size); ++Y)
    for (size_t X = 0; X < Rows[Y].size() && X < size_t(Size); ++X) {
      const char C = Rows[Y][X];
      if (C != 'X' && C != 'o')
        continue;
      const size_t Index = Y * RowBytes + X / 8;
      const Byte Bit = Byte(0x80 >> (X % 8));
      FAndMask[Index] &= Byte(~Bit);
      if (C == 'o')
        FXorMask[Index] |= Bit;
      FPixels->SetPixel(int(X), int(Y), C == 'o' ? 0xFFFFFFFFu : 0xFF000000u);
    }
}

const CursorImage* CursorImage::System(uintptr_t Name) {
  static const std::map<uintptr_t, CursorImage> Cursors = [] {
    std::map<uintptr_t, CursorImage> All;
    All.try_emplace(IDC_ARROW, ArrowPicture, TPoint { 0, 0 });
    All.try_emplace(IDC_IBEAM, IBeamPicture, TPoint { 4, 9 });
    All.try_emplace(IDC_WAIT, WaitPicture, TPoint { 6, 9 });
    All.try_emplace(IDC_HAND, HandPicture, TPoint { 5, 0 });
    All.try_emplace(IDC_SIZEWE, SizeWEPicture, TPoint { 8, 3 });
    All.try_emplace(IDC_SIZENS, Transposed(SizeWEPicture), TPoint { 3, 8 });
    All.try_emplace(IDC_SIZENWSE, SizeNWSEPicture, TPoint { 7, 7 });
    All.try_emplace(IDC_SIZENESW, Mirrored(SizeNWSEPicture), TPoint { 7, 7 });
    All.try_emplace(IDC_SIZEALL, Crossed(), TPoint { 8, 8 });
    return All;
  }();
  const auto Found = Cursors.find(Name);
  return Found == Cursors.end() ? nullptr : &Found->second;
}
