#pragma once
// Option text: the free-form options of the option records and the text forms of the task list's calls.
//
// The whole text is trimmed of blanks and control characters at both ends; CR LF, CR and the literal
// "<CRLF>" each end a line. Each line is a name, "=" and a value (a line without "=" is a name with an empty
// value); neither part is trimmed. Names are compared ignoring case.
#include <vector>

#include "engine/tasklist/TInputOptions.h"
#include "engine/tasklist/TOutputOptions.h"
#include "platform/base/Types.h"

/// One line of option text: the name as written and the value.
struct TOptionLine {
  String Name;
  String Value;
  friend bool operator==(const TOptionLine&, const TOptionLine&) = default;
};

/// The lines of AText, in order (empty lines included).
std::vector<TOptionLine> ReadOptionText(const String& AText);

/// An input record from option text: "TimeStart" (any case) sets TimeStart from a decimal number (no value
/// when it is not one); every other line goes to ExtOptions as name=value and LF.
TInputOptions InputOptionsFromText(const String& AText);
/// An output record from option text: "Hook" or "CustomHook" sets CustomHook and "Join" sets Join, whatever
/// their value; "TimeStart" and "TimeLength" as for inputs; every other line goes to ExtOptions.
TOutputOptions OutputOptionsFromText(const String& AText);
