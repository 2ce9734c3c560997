// The lines of the small text files beside the program (ring.vob,
// urlList.vob, defaultWeb.vob), as reading them line by line in text mode
// gives them. Pure: no Windows headers, built natively too.
#pragma once
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace dorvane {

// The most one read takes; the rest of a longer line comes as the next line.
constexpr std::size_t kLineReadLimit = 1022;
// The longest line that reads back as one: a line of kLineReadLimit bytes
// leaves its line end for the read after, which gives an empty line.
constexpr std::size_t kLongestWholeLine = kLineReadLimit - 1;

// How many of a file's first bytes hold its first `lines` lines: each read
// takes at most kLineReadLimit bytes and the line end after them.
constexpr std::size_t TextBytesFor(std::size_t lines) { return lines * (kLineReadLimit + 2); }

class TextLines {
public:
    // A Ctrl-Z ends the text, as it ends a text file.
    explicit TextLines(std::string bytes);
    // The next line without its end (LF, or CR LF); an empty line once the
    // text is used up.
    std::string Next();

private:
    std::string text_;
    std::size_t at_ = 0;
};

// The lines, each ended by CR LF.
std::string TextFileBytes(std::initializer_list<std::string_view> lines);

}  // namespace dorvane
