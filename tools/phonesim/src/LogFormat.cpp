#include "LogFormat.h"
#include <cstdio>

namespace phonesim {

std::string Hex(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string Word(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string Quoted(std::string_view bytes) {
    std::string out = "\"";
    for (char c : bytes) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7F) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\x%02X", u);
            out += esc;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

}  // namespace phonesim
