#pragma once
// The kinds of the skin listings: the text after the ":" of a listing entry names the record class.
#include <memory>

#include "platform/base/Types.h"

class TskDataSkinControl;
class TskDataSkinObject;

/// A new form-object record of Kind ("menuitem", "mainmenubaritem", "stdbutton", "mainmenubarbutton",
/// "button", "caption", "animate", "userobject") named AIDName; null for any other text (compared
/// exactly).
std::unique_ptr<TskDataSkinObject> CreateSkinObject(const String& Kind, const String& AIDName);
/// A new control record of Kind (the 29 control kinds, "panel" ... "richedit") named AIDName; null for
/// any other text (compared exactly).
std::unique_ptr<TskDataSkinControl> CreateSkinControl(const String& Kind, const String& AIDName);

/// The kind written for a record: that of the first class in writing order the record is an instance of
/// (derived classes come before their bases); "" for a record of none of them.
String SkinObjectKind(const TskDataSkinObject* Record);
String SkinControlKind(const TskDataSkinControl* Record);
