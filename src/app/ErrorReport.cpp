#include "app/ErrorReport.h"

namespace dorvane {

std::string ErrorBoxText(const std::string& message) {
    std::string text = message;
    // Bytes compare unsigned: a lead or trail byte of a double-byte character
    // sorts after "." as any letter does.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
    return text;
}

}  // namespace dorvane
