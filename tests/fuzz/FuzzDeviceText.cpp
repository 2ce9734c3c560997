// A Skype answer as the panel takes it: the strict UTF-8 decode, then the
// device text comparison. The decoder is checked against a validity model
// and a re-encode; SameDeviceText against a model of "letters without case,
// trailing blanks ignored".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include "FuzzCheck.h"
#include "audio/DeviceText.h"
#include "i18n/Utf8Decode.h"

namespace {

// Well-formed UTF-8 as the Unicode standard's table of byte sequences gives it.
bool WellFormed(std::string_view s) {
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return static_cast<unsigned>(static_cast<unsigned char>(s[k])); };
    const auto in = [&](std::size_t k, unsigned lo, unsigned hi) { return k < s.size() && at(k) >= lo && at(k) <= hi; };
    while (i < s.size()) {
        const unsigned b = at(i);
        if (b <= 0x7F) {
            i += 1;
        } else if (b >= 0xC2 && b <= 0xDF && in(i + 1, 0x80, 0xBF)) {
            i += 2;
        } else if (b == 0xE0 && in(i + 1, 0xA0, 0xBF) && in(i + 2, 0x80, 0xBF)) {
            i += 3;
        } else if (((b >= 0xE1 && b <= 0xEC) || b == 0xEE || b == 0xEF) && in(i + 1, 0x80, 0xBF) &&
                   in(i + 2, 0x80, 0xBF)) {
            i += 3;
        } else if (b == 0xED && in(i + 1, 0x80, 0x9F) && in(i + 2, 0x80, 0xBF)) {
            i += 3;
        } else if (b == 0xF0 && in(i + 1, 0x90, 0xBF) && in(i + 2, 0x80, 0xBF) && in(i + 3, 0x80, 0xBF)) {
            i += 4;
        } else if (b >= 0xF1 && b <= 0xF3 && in(i + 1, 0x80, 0xBF) && in(i + 2, 0x80, 0xBF) && in(i + 3, 0x80, 0xBF)) {
            i += 4;
        } else if (b == 0xF4 && in(i + 1, 0x80, 0x8F) && in(i + 2, 0x80, 0xBF) && in(i + 3, 0x80, 0xBF)) {
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

// UTF-16 back to UTF-8; false on a lone surrogate, which a decoder must
// never produce.
bool Encode(std::u16string_view units, std::string& out) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xDC00 && c <= 0xDFFF) return false;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 == units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF) return false;
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return true;
}

void CheckDecode(std::string_view bytes) {
    const std::u16string units = dorvane::Utf8ToUtf16Strict(bytes);
    if (!WellFormed(bytes)) {
        FUZZ_CHECK(units.empty());
        return;
    }
    std::string again;
    FUZZ_CHECK(Encode(units, again));
    FUZZ_CHECK(again == bytes);
}

std::string Model(std::string_view s) {
    std::string folded;
    for (char c : s) folded += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    while (!folded.empty() && folded.back() == ' ') folded.pop_back();
    return folded;
}

std::string OtherCaseWithBlanks(std::string_view s, std::size_t blanks) {
    std::string other;
    for (char c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        other += c;
    }
    return other + std::string(blanks, ' ');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first 0x01 byte splits the input into the device's text and the answer.
    const std::size_t split = input.find('\x01');
    const std::string_view a = input.substr(0, split);
    const std::string_view b = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    CheckDecode(input);
    CheckDecode(a);
    CheckDecode(b);

    using dorvane::SameDeviceText;
    const bool same = SameDeviceText(a, b);
    FUZZ_CHECK(same == SameDeviceText(b, a));
    FUZZ_CHECK(same == (Model(a) == Model(b)));
    FUZZ_CHECK(SameDeviceText(a, a));
    FUZZ_CHECK(SameDeviceText(a, OtherCaseWithBlanks(a, size % 4)));

    // An ASCII answer decodes to itself, so the panel compares what Skype sent.
    const std::u16string answer = dorvane::Utf8ToUtf16Strict(b);
    bool ascii = true;
    for (char c : b) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        FUZZ_CHECK(answer.size() == b.size());
        for (std::size_t i = 0; i < b.size(); ++i) FUZZ_CHECK(answer[i] == static_cast<char16_t>(b[i]));
    }
    return 0;
}
