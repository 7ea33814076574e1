#pragma once
// Answering modal forms in place of the user, for tests and for a program driving its own dialogs.
//
// A responder is registered under a form name. Each time a form is shown modally (ShowModal of any form,
// hence every dialog and message box built on forms), the responder registered under the form's Name, or
// under its ClassName when no responder has its Name, is called on the UI thread with the form, once the
// form is shown and its modal loop runs, unless something answered the form before. It answers as a user
// would: it sets fields, clicks or types through the input, or sets ModalResult; when it returns without an
// answer the form stays open for the user. A form that no responder answers goes to the default responder
// when there is one, else it waits for the user as usual. Everything here is for the UI thread.
#include <functional>

#include "platform/base/Types.h"

class TCustomForm;

/// Answers one showing of a modal form.
using TModalResponder = std::function<void(TCustomForm* Form)>;

/// Registers Responder for forms named FormName (compared case-insensitively, as component names are),
/// replacing the one registered before; an empty Responder removes it.
void SetModalResponder(const String& FormName, TModalResponder Responder);
/// The responder for modal forms that no named responder answers; empty: none.
void SetDefaultModalResponder(TModalResponder Responder);
/// Removes every responder, the default one included.
void ClearModalResponders();

/// The responder that answers Form: the one of its Name, else of its ClassName, else the default one;
/// empty when none answers it.
TModalResponder ModalResponderFor(const TCustomForm& Form);
