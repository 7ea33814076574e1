#pragma once
// The output formats the user can choose: 15 categories, each with its ordered group of format captions,
// and the two numbers that identify a choice. A format is identified by its position only: captions repeat
// within a group.
#include <span>
#include <string_view>

#include "platform/base/Types.h"

/// One category of the category combo: its caption, its picture index, which also addresses its format
/// group, and the captions of that group in order. Every caption ends with the promised file extension in
/// parentheses after an asterisk, as in "(*.wmv)".
struct FormatCategory {
  std::string_view Caption;
  int ImageIndex { 0 };
  std::span<const std::string_view> Formats;
};

/// The 15 categories in the category combo's order.
std::span<const FormatCategory> FormatCategories();
/// The picture index of the category at CategoryIndex; 0 for an index outside the categories.
int CategoryImageIndex(int CategoryIndex);
/// The format captions of the category whose picture index is ImageIndex; empty when no category has it.
std::span<const std::string_view> FormatGroup(int ImageIndex);
/// The key of the format parameters and preset lists: CategoryImageIndex * 100 + FormatIndex.
int FormatKey(int CategoryIndex, int FormatIndex);

/// What a job row keeps of its format (never a FormatKey): (CategoryIndex + 1) * 100 + FormatIndex.
int RowFormatCode(int CategoryIndex, int FormatIndex);
/// The category and format positions a RowFormatCode was built from.
struct RowFormat {
  int CategoryIndex { 0 };
  int FormatIndex { 0 };
};
RowFormat DecodeRowFormatCode(int Code);

/// The output extension a format caption yields: the four characters before its last one, with "lac)",
/// "flac", "aiff", "mpeg", "*.rm" and "*.ra" read as ".alac", ".flac", ".aiff", ".mpeg", ".rm" and ".ra".
String FormatExtension(std::string_view Caption);
