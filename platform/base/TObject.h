#pragma once
// Root of the class tree: a virtual destructor and the class name.
#include <functional>

#include "platform/base/Types.h"

/// Root class: objects are polymorphic and know their class name.
class TObject {
public:
  virtual ~TObject() = default;
  /// The class name of the most derived type ("TStringList"), without namespace or decoration.
  String ClassName() const;
  /// True when this object is an instance of T or of a class derived from it.
  template <class T> bool InheritsFrom() const { return dynamic_cast<const T*>(this) != nullptr; }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
