// The strict UTF-8 decoder behind Utf8ToWideStrict. Pure: no Windows
// headers, so it also builds natively and is fuzzed.
#pragma once
#include <string>
#include <string_view>

namespace dorvane {

// UTF-8 as UTF-16, or an empty text when any sequence is broken: a stray
// continuation byte, a lead byte that starts no sequence, an overlong form,
// an encoded surrogate, a code point above U+10FFFF or a cut-off tail. A 0
// byte is text like any other.
std::u16string Utf8ToUtf16Strict(std::string_view utf8);

}  // namespace dorvane
