// Move-only owners of the OLE values handed to COM calls: a BSTR freed with
// SysFreeString, and values the system fills and clears (a VARIANT, a
// PROPVARIANT), cleared when they go; a copy would clear them twice.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <string_view>
#include <utility>

namespace dorvane {

class Bstr {
public:
    // A copy of the text, NULs included; an empty text is an empty string,
    // not a null one.
    explicit Bstr(std::wstring_view text) noexcept
        : s_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { SysFreeString(s_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& o) noexcept : s_(std::exchange(o.s_, nullptr)) {}
    Bstr& operator=(Bstr&& o) noexcept {
        if (this != &o) {
            SysFreeString(s_);
            s_ = std::exchange(o.s_, nullptr);
        }
        return *this;
    }

    BSTR Get() const noexcept { return s_; }
    explicit operator bool() const noexcept { return s_ != nullptr; }

private:
    BSTR s_ = nullptr;
};

// Traits: value_type, init (to the empty value) and clear (frees what the
// value holds and leaves it empty).
template <typename Traits>
class ClearedValue {
public:
    using value_type = typename Traits::value_type;

    ClearedValue() noexcept { Traits::init(&value_); }
    ~ClearedValue() { Traits::clear(&value_); }
    ClearedValue(const ClearedValue&) = delete;
    ClearedValue& operator=(const ClearedValue&) = delete;
    ClearedValue(ClearedValue&& other) noexcept : value_(other.value_) { Traits::init(&other.value_); }
    ClearedValue& operator=(ClearedValue&& other) noexcept {
        if (this != &other) {
            Traits::clear(&value_);
            value_ = other.value_;
            Traits::init(&other.value_);
        }
        return *this;
    }

    const value_type& get() const noexcept { return value_; }
    // For a call that reads the value, or changes it in place.
    value_type* Arg() noexcept { return &value_; }
    // For an out parameter: what was held is cleared first.
    value_type* Put() noexcept {
        Traits::clear(&value_);
        return &value_;
    }

private:
    value_type value_;
};

struct VariantTraits {
    using value_type = VARIANT;
    static void init(VARIANT* v) noexcept { VariantInit(v); }
    static void clear(VARIANT* v) noexcept { VariantClear(v); }
};
using Variant = ClearedValue<VariantTraits>;

// What automation takes for an optional argument the caller leaves out.
inline Variant OmittedArgument() noexcept {
    Variant v;
    v.Arg()->vt = VT_ERROR;
    v.Arg()->scode = DISP_E_PARAMNOTFOUND;
    return v;
}

}  // namespace dorvane
