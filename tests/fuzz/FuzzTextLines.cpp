// The line reader against the way text mode reads a file: CR LF becomes LF,
// a Ctrl-Z ends the text, and each read takes at most kLineReadLimit bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "FuzzCheck.h"
#include "settings/TextLines.h"

namespace {

std::vector<std::string> TextModeLines(const std::string& bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != '\x1A'; ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text += bytes[i];
    }
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::string line;
        while (at < text.size() && text[at] != '\n' && line.size() < dorvane::kLineReadLimit) line += text[at++];
        if (line.size() < dorvane::kLineReadLimit && at < text.size()) ++at;  // the LF that ended the line
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> expected = TextModeLines(bytes);
    dorvane::TextLines lines(bytes);
    for (const std::string& line : expected) FUZZ_CHECK(lines.Next() == line);
    // Used up, it keeps giving empty lines.
    FUZZ_CHECK(lines.Next().empty());
    FUZZ_CHECK(lines.Next().empty());

    // Lines the program writes come back as written: two of them, made of
    // the input's bytes without line ends or Ctrl-Z, each shorter than a read (one
    // of exactly the limit leaves its line end to the next read).
    std::string written[2];
    std::size_t n = 0;
    for (char c : bytes) {
        if (c == '\n' || c == '\r' || c == '\x1A' || written[n].size() + 1 == dorvane::kLineReadLimit) {
            if (++n == 2) break;
        } else {
            written[n] += c;
        }
    }
    dorvane::TextLines back(dorvane::TextFileBytes({written[0], written[1]}));
    FUZZ_CHECK(back.Next() == written[0]);
    FUZZ_CHECK(back.Next() == written[1]);
    FUZZ_CHECK(back.Next().empty());
    return 0;
}
