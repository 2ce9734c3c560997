// The text of a WM_COPYDATA payload. The payload is copied into a buffer of
// exactly the byte count the message names, so AddressSanitizer stops any
// read past it; the text must be the bytes before the first 0.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include "FuzzCheck.h"
#include "link/CopyDataText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks how much of the rest the message claims: a sender
    // may name fewer bytes than it has.
    if (size == 0) {
        FUZZ_CHECK(!dorvane::CopyDataText(nullptr, 0));
        return 0;
    }
    const std::size_t rest = size - 1;
    const std::size_t count = data[0] == 0xFF ? rest : (rest == 0 ? 0 : data[0] % (rest + 1));
    auto payload = std::make_unique<char[]>(count == 0 ? 1 : count);
    std::memcpy(payload.get(), data + 1, count);

    const std::optional<std::string> text = dorvane::CopyDataText(count == 0 ? nullptr : payload.get(), count);
    if (count == 0) {
        FUZZ_CHECK(!text);
        FUZZ_CHECK(!dorvane::CopyDataText(payload.get(), 0));
        return 0;
    }
    FUZZ_CHECK(text.has_value());
    FUZZ_CHECK(text->size() <= count);
    FUZZ_CHECK(text->find('\0') == std::string::npos);
    FUZZ_CHECK(std::memcmp(text->data(), payload.get(), text->size()) == 0);
    // It ends at a 0 byte or at the count, nowhere else.
    FUZZ_CHECK(text->size() == count || payload[text->size()] == '\0');
    FUZZ_CHECK(!dorvane::CopyDataText(nullptr, count));
    return 0;
}
