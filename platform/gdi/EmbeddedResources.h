#pragma once
// The pictures the program carries inside itself, found by name: bitmaps, PNG pictures and icons that
// are drawn by the program's own code at build time (resources/pictures) and compiled in as bytes.
//
// The table is part of the executable, not of this library: the library resources_pictures defines
// EmbeddedResourceTable, and the toolkit library brings it into every program that links the toolkit.
// Code that draws the pictures at build time must therefore call nothing of this file.
#include <cstdint>
#include <span>

#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"

class TGraphic;
class TMemoryStream;

/// One named resource: its stored bytes (a BMP, PNG or icon file).
struct TEmbeddedResource {
  const char* Name;
  std::span<const Byte> Data;
};

/// Every resource of the program, defined by the resources library.
std::span<const TEmbeddedResource> EmbeddedResourceTable();

/// The bytes of the resource Name (names compare exactly); raises EResNotFound "Resource Name not found"
/// when the program has none of that name.
std::span<const Byte> FindEmbeddedResource(const String& Name);
/// Replaces Stream's content by the resource Name, position 0; EResNotFound as above.
void ReadEmbeddedResource(const String& Name, TMemoryStream& Stream);
/// Loads Graphic from the resource ResName through its own LoadFromStream (a TBitmap from a BMP
/// resource, a TPngImage from a PNG, a TIcon from an icon); EResNotFound as above, and the format's
/// error when the resource holds another format.
void LoadFromResourceName(TGraphic& Graphic, const String& ResName);
/// The BMP resource BitmapName as a new device-independent bitmap (24 bits, or 32 for other depths), which
/// the caller frees with DeleteObject; null when the program has no bitmap of that name. Instance is not
/// looked at: the program has one resource table.
HBITMAP LoadBitmap(uintptr_t Instance, const String& BitmapName);
inline HBITMAP LoadBitmapW(uintptr_t Instance, const String& BitmapName) { return LoadBitmap(Instance, BitmapName); }
