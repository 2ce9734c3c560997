#include "settings/SettingsStore.h"
#include "controls/Handles.h"

namespace dorvane {
namespace {

constexpr int kLanguageCount = 24;

RegKey OpenSettingsKey(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        &disposition) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

// The value when it is a 32-bit integer; any other type or size counts as absent.
std::optional<int32_t> ReadDword(HKEY key, const char* name) {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_DWORD || size != sizeof value) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace

SettingsStore::SettingsStore(std::string key_path, HKEY root) : key_path_(std::move(key_path)), root_(root) {}

std::optional<int32_t> SettingsStore::ReadInteger(const char* name) const {
    RegKey key = OpenSettingsKey(root_, key_path_);
    if (!key) return std::nullopt;
    return ReadDword(key.get(), name);
}

void SettingsStore::WriteInteger(const char* name, int32_t value) const {
    RegKey key = OpenSettingsKey(root_, key_path_);
    if (!key) return;
    DWORD raw = static_cast<DWORD>(value);
    RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&raw), sizeof raw);
}

int SettingsStore::ReadLanguageId() const { return ReadInteger(kLanguageIdValue).value_or(-1); }

void SettingsStore::WriteLanguageId(int language) const {
    WriteInteger(kLanguageIdValue, language < kLanguageCount ? language : -1);
}

void SettingsStore::WriteShowHint(int flag) const { WriteInteger(kShowHintValue, flag); }

std::optional<int32_t> SettingsStore::ReadRingToneValue() const { return ReadInteger(kRingToneValue); }

void SettingsStore::WriteRingToneLevel(int position, int max) const {
    // One opening of the key for the read and the write.
    RegKey key = OpenSettingsKey(root_, key_path_);
    if (!key) return;
    const std::optional<int32_t> old = ReadDword(key.get(), kRingToneValue);
    DWORD raw = static_cast<DWORD>(RingToneValue(old, position, max));
    RegSetValueExA(key.get(), kRingToneValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&raw), sizeof raw);
}

}  // namespace dorvane
