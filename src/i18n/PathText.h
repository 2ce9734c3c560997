// Paths in 8-bit text, split and joined character by character: the one
// place where the panel takes a path apart or puts one together.
//
// In the East Asian code pages the second byte of a character may be 0x5C,
// the backslash's byte (in 932 the "so" of katakana and many kanji, in 936
// and 950 many hanzi), so a byte search for '\' would cut such a character
// in two. Here only a backslash or a slash that begins a character counts
// as a separator.
//
// Code pages are Windows' numbers, 0 (the default) being the system ANSI
// code page, which every path the panel holds is in.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace dorvane {

// Where the file name part begins: just after the last separator, 0 when
// there is none.
std::size_t NameStart(const std::string& path, unsigned codePage = 0);
// The folder part with its trailing separator, and the file name part;
// together they are the path again.
std::string FolderPart(const std::string& path, unsigned codePage = 0);
std::string NamePart(const std::string& path, unsigned codePage = 0);

// Whether the last character is a separator.
bool EndsWithSeparator(const std::string& path, unsigned codePage = 0);

// The folder joined with a name, with exactly one separator between: a
// backslash is added unless the folder already ends with a separator. An
// empty folder gives the name alone.
std::string JoinPath(const std::string& folder, const std::string& name, unsigned codePage = 0);

// The names between separators, in order, empty ones left out.
std::vector<std::string> PathParts(const std::string& path, unsigned codePage = 0);

}  // namespace dorvane
