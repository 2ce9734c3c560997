#include "i18n/Utf8Decode.h"

namespace dorvane {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::u16string Utf8ToUtf16Strict(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    const std::size_t size = utf8.size();
    std::size_t at = 0;
    while (at < size) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++at;
            continue;
        }
        // The length a lead byte announces, and the least code point of
        // that length: anything below it is an overlong form.
        std::size_t length;
        char32_t code;
        char32_t least;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, code = lead & 0x1F, least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, code = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, code = lead & 0x07, least = 0x10000;
        } else {
            return {};  // a continuation byte, C0/C1 (always overlong) or F5-FF
        }
        if (size - at < length) return {};
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(utf8[at + i]);
            if (!IsContinuation(next)) return {};
            code = (code << 6) | (next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
        if (code < 0x10000) {
            out.push_back(static_cast<char16_t>(code));
        } else {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        }
        at += length;
    }
    return out;
}

}  // namespace dorvane
