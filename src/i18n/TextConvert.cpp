#include "i18n/TextConvert.h"
#include "i18n/Utf8Decode.h"
#include <windows.h>
#include <climits>

namespace dorvane {
namespace {

// Most texts here are captions and device names: a try into a buffer on the
// stack spares the sizing call, and only a longer text pays for two calls.
constexpr int kStackUnits = 256;

std::wstring ToWide(std::string_view text, UINT codePage, DWORD flags) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int length = static_cast<int>(text.size());
    wchar_t buffer[kStackUnits];
    int units = MultiByteToWideChar(codePage, flags, text.data(), length, buffer, kStackUnits);
    if (units > 0) return std::wstring(buffer, static_cast<std::size_t>(units));
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
    units = MultiByteToWideChar(codePage, flags, text.data(), length, nullptr, 0);
    if (units <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    units = MultiByteToWideChar(codePage, flags, text.data(), length, wide.data(), units);
    if (units <= 0) return {};
    wide.resize(static_cast<std::size_t>(units));
    return wide;
}

int Narrow(std::wstring_view text, UINT codePage, char* out, int capacity) {
    return WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out, capacity, nullptr,
                               nullptr);
}

}  // namespace

std::size_t MostBytesPerUnit(unsigned codePage) {
    CPINFO info{};
    return GetCPInfo(codePage, &info) && info.MaxCharSize > 0 ? info.MaxCharSize : 4;
}

std::wstring WidenText(std::string_view text, unsigned codePage) { return ToWide(text, codePage, 0); }

std::string NarrowText(std::wstring_view text, unsigned codePage) {
    if (text.empty() || text.size() > INT_MAX) return {};
    char buffer[kStackUnits];
    int bytes = Narrow(text, codePage, buffer, kStackUnits);
    if (bytes > 0) return std::string(buffer, static_cast<std::size_t>(bytes));
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return {};
    bytes = Narrow(text, codePage, nullptr, 0);
    if (bytes <= 0) return {};
    std::string narrow(static_cast<std::size_t>(bytes), '\0');
    bytes = Narrow(text, codePage, narrow.data(), bytes);
    if (bytes <= 0) return {};
    narrow.resize(static_cast<std::size_t>(bytes));
    return narrow;
}

std::string NarrowText(std::wstring_view text, unsigned codePage, std::size_t maxBytes) {
    if (text.empty() || text.size() > INT_MAX || maxBytes == 0) return {};
    const int capacity = static_cast<int>(maxBytes < INT_MAX ? maxBytes : INT_MAX);
    if (capacity <= kStackUnits) {
        char buffer[kStackUnits];
        const int bytes = Narrow(text, codePage, buffer, capacity);
        return bytes > 0 ? std::string(buffer, static_cast<std::size_t>(bytes)) : std::string();
    }
    std::string narrow(static_cast<std::size_t>(capacity), '\0');
    const int bytes = Narrow(text, codePage, narrow.data(), capacity);
    if (bytes <= 0) return {};
    narrow.resize(static_cast<std::size_t>(bytes));
    return narrow;
}

std::wstring Utf8ToWide(std::string_view utf8) { return ToWide(utf8, CP_UTF8, 0); }

// Our own decoder rather than MB_ERR_INVALID_CHARS: Windows 2000 rejects that
// flag for UTF-8 and XP drops broken sequences instead of failing, so only a
// decoder of our own gives the same answer on every Windows.
std::wstring Utf8ToWideStrict(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16Strict(utf8);
    return std::wstring(AsWide(units));
}

std::string WideToUtf8(std::wstring_view text) { return NarrowText(text, CP_UTF8); }

}  // namespace dorvane
