#include "tests/platform/display/XWindowProperties.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace {

using Connection = std::unique_ptr<Display, int (*)(Display*)>;

Connection Open() { return Connection(XOpenDisplay(nullptr), XCloseDisplay); }

/// The property's items of Format bits, as raw bytes; empty when unset.
std::vector<unsigned char> Read(Display* D, unsigned long Window, const char* Name, Atom Type, int& Format,
                                unsigned long& Count) {
  Atom ActualType;
  unsigned long After;
  unsigned char* Data = nullptr;
  Count = 0;
  if (XGetWindowProperty(D, Window, XInternAtom(D, Name, False), 0, 1024, False, Type, &ActualType, &Format, &Count,
                         &After, &Data) != Success || !Data)
    return {};
  const size_t Bytes = Format == 32 ? Count * sizeof(long) : Count * size_t(Format / 8);
  std::vector<unsigned char> Result(Data, Data + Bytes);
  XFree(Data);
  return Result;
}

}  // namespace

std::vector<std::string> XAtomListProperty(unsigned long Window, const char* Name) {
  std::vector<std::string> Names;
  const Connection D = Open();
  if (!D) return Names;
  int Format = 0;
  unsigned long Count = 0;
  const std::vector<unsigned char> Raw = Read(D.get(), Window, Name, XA_ATOM, Format, Count);
  const auto* Atoms = reinterpret_cast<const long*>(Raw.data());
  for (unsigned long I = 0; Format == 32 && I < Count; ++I)
    if (char* AtomName = XGetAtomName(D.get(), Atom(Atoms[I]))) {
      Names.emplace_back(AtomName);
      XFree(AtomName);
    }
  return Names;
}

std::string XUtf8Property(unsigned long Window, const char* Name) {
  const Connection D = Open();
  if (!D) return {};
  int Format = 0;
  unsigned long Count = 0;
  const std::vector<unsigned char> Raw =
      Read(D.get(), Window, Name, XInternAtom(D.get(), "UTF8_STRING", False), Format, Count);
  return std::string(Raw.begin(), Raw.end());
}

std::optional<uint32_t> XCardinalProperty(unsigned long Window, const char* Name) {
  const Connection D = Open();
  if (!D) return std::nullopt;
  int Format = 0;
  unsigned long Count = 0;
  const std::vector<unsigned char> Raw = Read(D.get(), Window, Name, XA_CARDINAL, Format, Count);
  if (Format != 32 || Count == 0) return std::nullopt;
  return uint32_t(*reinterpret_cast<const long*>(Raw.data()));
}

int XWindowDepth(unsigned long Window) {
  const Connection D = Open();
  XWindowAttributes A;
  return D && XGetWindowAttributes(D.get(), Window, &A) ? A.depth : 0;
}

uint32_t XWindowPixel(unsigned long Window, int X, int Y) {
  const Connection D = Open();
  if (!D) return 0;
  XImage* Image = XGetImage(D.get(), Window, X, Y, 1, 1, AllPlanes, ZPixmap);
  if (!Image) return 0;
  const uint32_t Pixel = uint32_t(XGetPixel(Image, 0, 0));
  XDestroyImage(Image);
  return Pixel;
}
