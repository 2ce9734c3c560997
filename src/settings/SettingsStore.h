// The per-user settings key. Nothing is cached and no handle is held: every
// operation opens the key (creating it when missing), does its one value
// operation and closes it again, so other programs of the user may change
// the values at any time.
#pragma once
#include <windows.h>
#include <optional>
#include <string>
#include "settings/RingToneBits.h"

namespace dorvane {

constexpr char kSettingsKeyPath[] = "SoftWare\\TALVEX\\USB_PHONE_K52";
constexpr char kLanguageIdValue[] = "LanguageID";
constexpr char kShowHintValue[] = "ShowHint";
constexpr char kRingToneValue[] = "RingTone";

class SettingsStore {
public:
    // Tests name a key of their own; the program uses the real one.
    explicit SettingsStore(std::string key_path = kSettingsKeyPath, HKEY root = HKEY_CURRENT_USER);

    // The stored language index, or -1 when there is none (the caller checks
    // the range).
    int ReadLanguageId() const;
    // Stores the index when below 24, otherwise -1.
    void WriteLanguageId(int language) const;
    void WriteShowHint(int flag) const;

    // The raw "RingTone" bit field, when it exists.
    std::optional<int32_t> ReadRingToneValue() const;
    // Stores the inverted ring volume in bits 4-7 and keeps bits 0-3 of the
    // value stored before (0 when there was none).
    void WriteRingToneLevel(int position, int max) const;

    // A value stored with another type than a 32-bit integer (or of another
    // size) counts as absent: this program only writes 32-bit integers, and a
    // stray value must not be misread.
    std::optional<int32_t> ReadInteger(const char* name) const;
    void WriteInteger(const char* name, int32_t value) const;

    const std::string& KeyPath() const { return key_path_; }

private:
    std::string key_path_;
    HKEY root_;
};

}  // namespace dorvane
