#pragma once
// The maker's web endpoints, held as fixed texts: the help menu opens them and the about box shows them.
#include "platform/base/Types.h"

/// The page of answers to common questions.
inline const String FaqAddress = "https://www.zorvik.example/faq/";
/// The maker's home page, and the short form the about box shows of it.
inline const String WebSiteAddress = "https://www.zorvik.example/";
inline const String WebSiteShownAddress = "www.zorvik.example";
/// The support mail address and the link that opens a new mail to it.
inline const String SupportMailAddress = "help@zorvik.example";
inline const String SupportMailLink = "mailto:" + SupportMailAddress;
