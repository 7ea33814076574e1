#pragma once
// A memory stream read and written as text.
#include "platform/base/TMemoryStream.h"

/// A memory stream whose bytes are also available as one string.
class TStringStream : public TMemoryStream {
public:
  explicit TStringStream(const String& AString = String());

  /// The whole content as text, whatever the position.
  const String& DataString() const { return Data(); }
};
