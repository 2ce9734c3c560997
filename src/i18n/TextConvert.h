// Text between 8-bit code pages, UTF-16 and UTF-8: the one place where the
// panel and its stand-ins convert.
//
// Failure reads the same everywhere: a conversion that cannot be done (a code
// page that is not installed, UTF-8 the strict decoder rejects, a result
// longer than the caller allows) gives an empty text, never part of one.
// Empty in gives empty out. The callers show or send nothing rather than
// garbage, and none of them has to tell "empty" from "failed".
//
// Code pages are Windows' numbers: 0 is the system ANSI code page (CP_ACP),
// 65001 is UTF-8 (CP_UTF8). Lengths come from the views, so a text may hold
// NULs and needs no terminator.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace dorvane {

// 8-bit text in `codePage` as UTF-16. Bytes the code page does not map
// become its default character, as Windows converts without flags.
std::wstring WidenText(std::string_view text, unsigned codePage);

// UTF-16 as 8-bit text in `codePage`; characters it lacks become its default
// character ('?' in most). With `maxBytes`, a result that does not fit in
// that many bytes is a failure.
std::string NarrowText(std::wstring_view text, unsigned codePage);
std::string NarrowText(std::wstring_view text, unsigned codePage, std::size_t maxBytes);

// No UTF-16 unit takes more bytes than this in `codePage`: its longest
// character (2 in the East Asian ANSI code pages, 1 in the others); 4 when
// the code page is unknown.
std::size_t MostBytesPerUnit(unsigned codePage);

// UTF-8 as UTF-16. Lenient: a broken sequence becomes U+FFFD (Windows before
// Vista drops it) and the rest still decodes. Strict: any broken sequence (a
// stray continuation byte, an overlong form, a surrogate, a cut-off tail, a
// code point above U+10FFFF) makes the whole text empty, for input that must
// be exactly what was sent.
std::wstring Utf8ToWide(std::string_view utf8);
std::wstring Utf8ToWideStrict(std::string_view utf8);

// UTF-16 as UTF-8 (a lone surrogate becomes U+FFFD).
std::string WideToUtf8(std::wstring_view text);

// The language table's UTF-16 cells as the Windows functions take them:
// both unit types are 16 bits wide here.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
inline std::wstring_view AsWide(std::u16string_view text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

}  // namespace dorvane
