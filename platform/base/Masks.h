#pragma once
// File-name masks.
#include <string_view>

/// True when Name matches Mask: "*" stands for any run of characters, "?" for exactly one, and "[set]" for
/// one character of the set, which lists characters and ranges ("[a-c_]") and is negated by a leading "!".
/// Letters match in either case (Latin, Greek and Cyrillic), on every file system; characters are code
/// points. A "[" without a closing "]" is an ordinary character.
bool MatchesMask(std::string_view Name, std::string_view Mask);
