#pragma once
// Icons by handle, with the window system's names and semantics: the table of live icons, drawing,
// resized copies and the system's standard icons. An icon handle names a set of sizes of one picture
// (IconImage.h); its own size is that of the picture nearest the standard icon size.
#include <cstdint>
#include <memory>

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/IconHandle.h"
#include "platform/gdi/IconImage.h"

// Flags of DrawIconEx.
constexpr uint32_t DI_MASK = 0x0001;
constexpr uint32_t DI_IMAGE = 0x0002;
constexpr uint32_t DI_NORMAL = DI_MASK | DI_IMAGE;
constexpr uint32_t DI_DEFAULTSIZE = 0x0008;

// Image types of CopyImage.
constexpr uint32_t IMAGE_BITMAP = 0;
constexpr uint32_t IMAGE_ICON = 1;

// The system's standard icons, as LoadIcon(0, IDI_...) names them.
constexpr uintptr_t IDI_APPLICATION = 32512;
constexpr uintptr_t IDI_HAND = 32513;
constexpr uintptr_t IDI_QUESTION = 32514;
constexpr uintptr_t IDI_EXCLAMATION = 32515;
constexpr uintptr_t IDI_ASTERISK = 32516;
constexpr uintptr_t IDI_ERROR = IDI_HAND;
constexpr uintptr_t IDI_WARNING = IDI_EXCLAMATION;
constexpr uintptr_t IDI_INFORMATION = IDI_ASTERISK;

/// A new icon of Images (at least one, none empty); the caller frees it with DestroyIcon. Shared icons
/// live for the whole run and DestroyIcon leaves them (the standard icons are shared).
HICON CreateIconFromImages(TIconImages Images, bool Shared = false);
/// The pictures of a live icon, null for any other handle. They stay valid after the icon is destroyed.
std::shared_ptr<const TIconImages> IconImagesOf(HICON Icon);
/// Frees an icon; true also for a shared icon, which stays; false for a handle that names no icon.
bool DestroyIcon(HICON Icon);

/// Draws Icon with its top-left at (X, Y), Width x Height (0: the icon's own size, or the standard icon
/// size with DI_DEFAULTSIZE), from its picture of that size or the best one scaled (BestIconImage).
/// With FlickerFreeBrush the rectangle is filled with the brush first. DI_NORMAL draws a 32-bit picture
/// blended by its alpha (source over, the destination's alpha too) and any other through its mask, which
/// leaves the destination's alpha as it was; DI_IMAGE alone copies the colours, DI_MASK alone the mask
/// (black opaque, white transparent). Step is ignored (no animated icons). False for a dead icon or DC.
bool DrawIconEx(HDC DC, int X, int Y, HICON Icon, int Width, int Height, uint32_t Step, HBRUSH FlickerFreeBrush,
                uint32_t Flags);
/// IMAGE_ICON: a new icon of one picture Width x Height (0: the icon's own size), made from Image's best
/// picture for that size. Flags are ignored. 0 for another type or a handle that names no icon.
HICON CopyImage(HICON Image, uint32_t Type, int Width, int Height, uint32_t Flags);

/// One of the system's standard icons (Instance 0, an IDI_* name: 32 x 32 and 16 x 16 pictures with
/// alpha, shared); 0 for any other name. The pictures are resources of the program (EmbeddedResources.h)
/// stored under the names "IDI_APPLICATION", "IDI_ERROR", "IDI_QUESTION", "IDI_WARNING", "IDI_INFORMATION".
HICON LoadIcon(uintptr_t Instance, uintptr_t IconName);
inline HICON LoadIconW(uintptr_t Instance, uintptr_t IconName) { return LoadIcon(Instance, IconName); }
