// Website addresses as the user types them. Pure: no Windows headers.
#pragma once
#include <string>
#include <string_view>

namespace dorvane {

// What a stored address begins with.
inline constexpr std::string_view kWebAddressPrefix = "http://";

// A typed address with "http://" in front: the seven characters of a typed
// "http://" in any letter case become lower case, anything else (another
// scheme included) gets the prefix in front of the whole text.
std::string NormaliseWebAddress(const std::string& typed);

// Without the blanks and control characters at either end.
std::string TrimBlanks(const std::string& text);

}  // namespace dorvane
