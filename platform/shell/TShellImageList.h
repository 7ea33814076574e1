#pragma once
// The namespace's own icons.
#include <memory>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/Surface.h"

/// The pictures of a shell icon list, by index.
enum TShellIcon {
  siFile,
  siFolder,
  siFolderOpen,
  siVideo,
  siAudio,
  siPicture,
  siDrive,
  siRemovableDrive,
  siComputer,
  siDesktop,
  siHome,
};
constexpr int ShellIconCount = siHome + 1;

/// The icon list of the shell namespace at one size: one 32-bit BGRA picture per TShellIcon, drawn by the
/// program itself, opaque on the shape and fully transparent around it (so premultiplied as they are).
/// The two lists live as long as the process; an image list takes its pictures from here.
class TShellImageList {
public:
  /// The 16 x 16 list.
  static const TShellImageList& Small();
  /// The 32 x 32 list.
  static const TShellImageList& Large();

  int Count() const { return int(FIcons.size()); }
  TSize IconSize() const { return { FSize, FSize }; }
  /// The picture of Index (a TShellIcon); raises EListError outside 0 .. Count - 1.
  const Surface& Icon(int Index) const;

private:
  explicit TShellImageList(int Size);

  int FSize;
  std::vector<std::unique_ptr<Surface>> FIcons;
};
