#include "platform/ui/toolkit/ModalResponders.h"

#include <algorithm>
#include <vector>

#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TCustomForm.h"

namespace {

struct TNamedResponder {
  String FormName;
  TModalResponder Responder;
};

std::vector<TNamedResponder>& Responders() {
  static std::vector<TNamedResponder> List;
  return List;
}

TModalResponder& DefaultResponder() {
  static TModalResponder Responder;
  return Responder;
}

std::vector<TNamedResponder>::iterator Find(const String& FormName) {
  return std::ranges::find_if(Responders(), [&](const TNamedResponder& R) { return SameText(R.FormName, FormName); });
}

}  // namespace

void SetModalResponder(const String& FormName, TModalResponder Responder) {
  const auto Found = Find(FormName);
  if (Found != Responders().end()) Responders().erase(Found);
  if (Responder) Responders().push_back({ FormName, std::move(Responder) });
}

void SetDefaultModalResponder(TModalResponder Responder) { DefaultResponder() = std::move(Responder); }

void ClearModalResponders() {
  Responders().clear();
  DefaultResponder() = nullptr;
}

TModalResponder ModalResponderFor(const TCustomForm& Form) {
  for (const String& Name : { Form.Name(), Form.ClassName() })
    if (!Name.empty())
      if (const auto Found = Find(Name); Found != Responders().end()) return Found->Responder;
  return DefaultResponder();
}
