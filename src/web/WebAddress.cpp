#include "web/WebAddress.h"

namespace dorvane {
namespace {
constexpr std::string::size_type kPrefixLength = kWebAddressPrefix.size();

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string NormaliseWebAddress(const std::string& typed) {
    bool prefixed = typed.size() >= kPrefixLength;
    for (std::string::size_type i = 0; prefixed && i < kPrefixLength; ++i)
        prefixed = Lower(typed[i]) == kWebAddressPrefix[i];
    return std::string(kWebAddressPrefix) + (prefixed ? typed.substr(kPrefixLength) : typed);
}

std::string TrimBlanks(const std::string& text) {
    std::string::size_type begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace dorvane
