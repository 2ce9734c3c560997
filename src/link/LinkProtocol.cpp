#include "LinkProtocol.h"
#include <cstring>

namespace dorvane {

std::vector<char> BuildCommandPayload(std::string_view text) {
    std::vector<char> payload;
    payload.reserve(text.size() + 2);
    payload.push_back('!');
    payload.insert(payload.end(), text.begin(), text.end());
    payload.push_back('\0');
    return payload;
}

std::optional<std::string> ReadCopyDataText(const COPYDATASTRUCT* cds) {
    if (cds == nullptr || cds->lpData == nullptr || cds->cbData == 0) return std::nullopt;
    const char* data = static_cast<const char*>(cds->lpData);
    const void* end = std::memchr(data, 0, cds->cbData);
    size_t length = end ? static_cast<size_t>(static_cast<const char*>(end) - data) : cds->cbData;
    return std::string(data, length);
}

}  // namespace dorvane
