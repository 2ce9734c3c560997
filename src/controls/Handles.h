// Move-only owners for the Win32 handles the program keeps. Each closes its
// handle exactly once, with the function that belongs to that handle kind.
#pragma once
#include <windows.h>
#include <utility>

namespace dorvane {

template <typename Traits>
class UniqueHandle {
public:
    using handle_type = typename Traits::handle_type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(handle_type h) noexcept : h_(h) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    handle_type get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return Traits::valid(h_); }
    handle_type release() noexcept { return std::exchange(h_, Traits::invalid()); }
    // For a function that hands a new handle out through a pointer: the one
    // held before is closed first.
    handle_type* Put() noexcept {
        reset();
        return &h_;
    }
    void reset(handle_type h = Traits::invalid()) noexcept {
        handle_type old = std::exchange(h_, h);
        if (Traits::valid(old)) Traits::close(old);
    }

private:
    handle_type h_ = Traits::invalid();
};

struct KernelHandleTraits {
    using handle_type = HANDLE;
    static HANDLE invalid() noexcept { return nullptr; }
    static bool valid(HANDLE h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) noexcept { ::CloseHandle(h); }
};

struct WindowHandleTraits {
    using handle_type = HWND;
    static HWND invalid() noexcept { return nullptr; }
    static bool valid(HWND h) noexcept { return h != nullptr; }
    static void close(HWND h) noexcept { if (::IsWindow(h)) ::DestroyWindow(h); }
};

struct RegKeyTraits {
    using handle_type = HKEY;
    static HKEY invalid() noexcept { return nullptr; }
    static bool valid(HKEY h) noexcept { return h != nullptr; }
    static void close(HKEY h) noexcept { ::RegCloseKey(h); }
};

struct GdiObjectTraits {
    using handle_type = HGDIOBJ;
    static HGDIOBJ invalid() noexcept { return nullptr; }
    static bool valid(HGDIOBJ h) noexcept { return h != nullptr; }
    static void close(HGDIOBJ h) noexcept { ::DeleteObject(h); }
};

struct IconTraits {
    using handle_type = HICON;
    static HICON invalid() noexcept { return nullptr; }
    static bool valid(HICON h) noexcept { return h != nullptr; }
    static void close(HICON h) noexcept { ::DestroyIcon(h); }
};

struct MenuTraits {
    using handle_type = HMENU;
    static HMENU invalid() noexcept { return nullptr; }
    static bool valid(HMENU h) noexcept { return h != nullptr; }
    static void close(HMENU h) noexcept { ::DestroyMenu(h); }
};

struct ModuleTraits {
    using handle_type = HMODULE;
    static HMODULE invalid() noexcept { return nullptr; }
    static bool valid(HMODULE h) noexcept { return h != nullptr; }
    static void close(HMODULE h) noexcept { ::FreeLibrary(h); }
};

// A desktop made or opened by the program (CreateDesktop, OpenDesktop).
struct DesktopTraits {
    using handle_type = HDESK;
    static HDESK invalid() noexcept { return nullptr; }
    static bool valid(HDESK h) noexcept { return h != nullptr; }
    static void close(HDESK h) noexcept { ::CloseDesktop(h); }
};

// A file search (FindFirstFile), closed with FindClose.
struct FindHandleTraits {
    using handle_type = HANDLE;
    static HANDLE invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool valid(HANDLE h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) noexcept { ::FindClose(h); }
};

// The screen's device context (GetDC of no window).
struct ScreenDCTraits {
    using handle_type = HDC;
    static HDC invalid() noexcept { return nullptr; }
    static bool valid(HDC h) noexcept { return h != nullptr; }
    static void close(HDC h) noexcept { ::ReleaseDC(nullptr, h); }
};

// Memory the system allocated for the caller with LocalAlloc.
template <typename Pointer>
struct LocalMemoryTraits {
    using handle_type = Pointer;
    static Pointer invalid() noexcept { return nullptr; }
    static bool valid(Pointer h) noexcept { return h != nullptr; }
    static void close(Pointer h) noexcept { ::LocalFree(reinterpret_cast<HLOCAL>(h)); }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using WindowHandle = UniqueHandle<WindowHandleTraits>;
using RegKey = UniqueHandle<RegKeyTraits>;
using GdiObject = UniqueHandle<GdiObjectTraits>;
using IconHandle = UniqueHandle<IconTraits>;
using MenuHandle = UniqueHandle<MenuTraits>;
using ModuleHandle = UniqueHandle<ModuleTraits>;
using DesktopHandle = UniqueHandle<DesktopTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;
using ScreenDC = UniqueHandle<ScreenDCTraits>;
template <typename Pointer>
using LocalMemory = UniqueHandle<LocalMemoryTraits<Pointer>>;

}  // namespace dorvane
