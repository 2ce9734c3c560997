#include "settings/TextLines.h"
#include <algorithm>

namespace dorvane {

TextLines::TextLines(std::string bytes) : text_(std::move(bytes)) { text_.resize(std::min(text_.find('\x1A'), text_.size())); }

std::string TextLines::Next() {
    std::string line;
    // A CR LF is one character to the limit: text mode has made it an LF.
    while (at_ < text_.size() && line.size() < kLineReadLimit) {
        if (text_.compare(at_, 2, "\r\n") == 0) {
            at_ += 2;
            return line;
        }
        const char c = text_[at_++];
        if (c == '\n') return line;
        line += c;
    }
    return line;
}

std::string TextFileBytes(std::initializer_list<std::string_view> lines) {
    std::string bytes;
    for (const auto line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace dorvane
