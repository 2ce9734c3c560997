#include "link/CopyDataText.h"
#include <cstring>

namespace dorvane {

std::optional<std::string> CopyDataText(const void* data, std::size_t bytes) {
    if (data == nullptr || bytes == 0) return std::nullopt;
    const char* text = static_cast<const char*>(data);
    const void* end = std::memchr(text, 0, bytes);
    const std::size_t length = end ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : bytes;
    return std::string(text, length);
}

}  // namespace dorvane
