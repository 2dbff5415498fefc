#pragma once
#include <string>
#include <vector>
#include "core/WideString.h"

/// Text helpers shared by every layer. Invalid input is replaced by U+FFFD, never trusted.

/// UTF-8 bytes to UTF-16; malformed, overlong or surrogate sequences become U+FFFD.
WideString fromUtf8(std::string_view bytes);
/// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string toUtf8(WideStringView text);
/// A file name's bytes as UTF-16, losslessly: each byte that is no part of valid UTF-8 becomes
/// a lone surrogate U+DC80..U+DCFF, which `toFileName` turns back into that byte and `toUtf8`
/// (for the log and the screen) into U+FFFD. Paths are bytes on Linux: use these two for every
/// path that reaches the disk, `fromUtf8`/`toUtf8` for texts.
WideString fromFileName(std::string_view bytes);
/// The bytes of a path made by `fromFileName` (and joined with other text); any other lone
/// surrogate becomes U+FFFD.
std::string toFileName(WideStringView path);
/// The first and the second half of a UTF-16 surrogate pair.
bool isHighSurrogate(char32_t unit);
bool isLowSurrogate(char32_t unit);
/// The code point at `i`, advancing `i` past it; U+FFFD for a lone surrogate half.
char32_t nextCodePoint(WideStringView text, std::size_t& i);
/// Appends one code point as UTF-16 (one unit, or a surrogate pair).
void appendCodePoint(WideString& out, char32_t codePoint);

/// Drops " \t\r\n" from both ends.
WideString trim(WideStringView text);
std::string trim(std::string_view text);
/// True for a code point that leaves no mark a reader can see: Unicode white space (the
/// no-break and ideographic spaces too) and the default-ignorable characters (zero-width
/// space, joiners, direction marks, fillers, variation selectors, tags).
bool isInvisible(char32_t codePoint);
/// Drops every invisible character (`isInvisible`), a surrogate pair whole, from both ends.
WideString trimInvisible(WideStringView text);
/// The part after the last '/' or '\\'.
WideStringView fileNamePart(WideStringView path);
std::string_view fileNamePart(std::string_view path);
/// Lines split at each line feed; a carriage return before a line feed is dropped.
std::vector<WideString> splitLines(WideStringView text);
/// The same lines as views into `text`, for a text of very many lines.
std::vector<WideStringView> splitLineViews(WideStringView text);
/// ASCII-only case folding, for comparisons that must not depend on the locale.
WideString toLowerAscii(WideStringView text);
