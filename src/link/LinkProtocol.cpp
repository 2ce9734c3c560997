#include "LinkProtocol.h"
#include "link/CopyDataText.h"

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
    if (cds == nullptr) return std::nullopt;
    return CopyDataText(cds->lpData, cds->cbData);
}

}  // namespace dorvane
