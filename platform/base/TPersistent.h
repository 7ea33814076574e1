#pragma once
// Objects that can copy their state from another object of a compatible class.
#include "platform/base/TObject.h"

/// An object with Assign/AssignTo: Assign asks the source to AssignTo this object when it does not know the
/// source's class; when neither knows the other, EConvertError "Cannot assign a <source> to a <dest>" is raised.
class TPersistent : public TObject {
public:
  virtual void Assign(TPersistent* Source);

protected:
  virtual void AssignTo(TPersistent* Dest);

private:
  [[noreturn]] void AssignError(TPersistent* Source);
};
