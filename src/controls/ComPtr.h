// A move-only owner of one COM interface reference.
#pragma once
#include <unknwn.h>
#include <utility>

namespace dorvane {

template <typename T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    // Takes over a reference the caller already holds.
    static ComPtr Adopt(T* p) noexcept {
        ComPtr c;
        c.p_ = p;
        return c;
    }
    // Adds a reference of its own.
    static ComPtr Share(T* p) noexcept {
        if (p) p->AddRef();
        return Adopt(p);
    }
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& o) noexcept {
        if (this != &o) {
            Reset();
            p_ = std::exchange(o.p_, nullptr);
        }
        return *this;
    }

    T* Get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    void Reset() noexcept {
        if (T* p = std::exchange(p_, nullptr)) p->Release();
    }
    // For out parameters: drops what is held and hands out the slot.
    T** Put() noexcept {
        Reset();
        return &p_;
    }
    void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }
    // Gives up the reference without releasing it.
    T* Detach() noexcept { return std::exchange(p_, nullptr); }

    template <typename U>
    ComPtr<U> As(REFIID iid) const noexcept {
        ComPtr<U> out;
        if (p_) p_->QueryInterface(iid, out.PutVoid());
        return out;
    }

private:
    T* p_ = nullptr;
};

// A COM object of ours, made with the one reference it starts with handed
// over: from then on COM's reference count owns it, and its Release deletes it.
template <typename T, typename... Args>
ComPtr<T> MakeCom(Args&&... args) {
    return ComPtr<T>::Adopt(new T(std::forward<Args>(args)...));
}

}  // namespace dorvane
