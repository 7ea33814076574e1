#include "platform/gdi/EmbeddedResources.h"

#include "platform/base/Exception.h"
#include "platform/base/TMemoryStream.h"
#include "platform/gdi/TGraphic.h"

std::span<const Byte> FindEmbeddedResource(const String& Name) {
  for (const TEmbeddedResource& resource : EmbeddedResourceTable())
    if (Name == resource.Name) return resource.Data;
  throw EResNotFound("Resource " + Name + " not found");
}

void ReadEmbeddedResource(const String& Name, TMemoryStream& Stream) {
  const std::span<const Byte> data = FindEmbeddedResource(Name);
  Stream.Clear();
  Stream.WriteBuffer(data.data(), Int64(data.size()));
  Stream.SetPosition(0);
}

void LoadFromResourceName(TGraphic& Graphic, const String& ResName) {
  TMemoryStream stream;
  ReadEmbeddedResource(ResName, stream);
  Graphic.LoadFromStream(&stream);
}
