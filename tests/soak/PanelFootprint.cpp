#include "PanelFootprint.h"
#include <winternl.h>
#include <psapi.h>
#include <cstdint>
#include <cstring>
#include <vector>
#include "controls/Handles.h"

namespace dorvane::testing {
namespace {

// Wine's GetGuiResources is a stub that answers 0 for every process, so a
// 0 is taken for "not told" rather than for an empty process.

// Every process's GDI handles are listed in a table that the process's own
// gdi32 reads (PEB GdiSharedHandleTable): one 24-byte entry per handle slot
// on x64, the object type in the byte at offset 14, 0 for a free slot. Wine
// keeps that table in the process's memory as Windows does, so another
// process can read it and count the slots in use.
constexpr size_t kPebGdiSharedHandleTable = 0xF8;  // x64 PEB
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiEntryType = 14;
constexpr size_t kGdiSlots = 16384;

const char* KindName(unsigned type) {
    switch (type) {
        case 0x01: return "dc";
        case 0x04: return "region";
        case 0x05: return "bitmap";
        case 0x08: return "palette";
        case 0x0a: return "font";
        case 0x10: return "brush";
        case 0x30: return "pen";
        case 0x50: return "extpen";
        default: return nullptr;
    }
}

std::optional<long> GdiFromHandleTable(HANDLE process, std::string& kinds) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0)
        return std::nullopt;
    void* table = nullptr;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, static_cast<const char*>(static_cast<void*>(basic.PebBaseAddress)) +
                                        kPebGdiSharedHandleTable,
                           &table, sizeof table, &read) ||
        !table)
        return std::nullopt;
    std::vector<unsigned char> entries(kGdiSlots * kGdiEntrySize);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size(), &read) || read != entries.size())
        return std::nullopt;
    long used = 0;
    long by_type[256] = {};
    for (size_t slot = 0; slot < kGdiSlots; ++slot) {
        const unsigned char type = entries[slot * kGdiEntrySize + kGdiEntryType];
        if (type == 0) continue;
        ++used;
        ++by_type[type];
    }
    for (unsigned type = 1; type < 256; ++type) {
        if (!by_type[type]) continue;
        if (!kinds.empty()) kinds += ", ";
        const char* name = KindName(type);
        kinds += (name ? std::string(name) : "type " + std::to_string(type)) + " " + std::to_string(by_type[type]);
    }
    return used;
}

struct WindowCount {
    DWORD process_id;
    long windows = 0;
};

BOOL CALLBACK CountChild(HWND window, LPARAM state) {
    auto* count = reinterpret_cast<WindowCount*>(state);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == count->process_id) ++count->windows;
    return TRUE;
}

BOOL CALLBACK CountTop(HWND window, LPARAM state) {
    CountChild(window, state);
    // EnumChildWindows walks every descendant, not only the direct children.
    EnumChildWindows(window, &CountChild, state);
    return TRUE;
}

// Windows are the USER objects a panel makes and destroys as it runs; menus,
// icons and cursors of another process cannot be counted from here (the
// icons' bitmaps show in the GDI count). Message-only windows are not
// listed by EnumWindows and are walked apart.
long WindowsOf(DWORD process_id) {
    WindowCount count{process_id};
    EnumWindows(&CountTop, reinterpret_cast<LPARAM>(&count));
    for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr))
        CountTop(w, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

size_t CommittedPrivate(HANDLE process) {
    size_t total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        if (region.RegionSize == 0) break;
    }
    return total;
}

}  // namespace

std::optional<Footprint> MeasureFootprint(DWORD process_id) {
    KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id));
    if (!process) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process.get(), &code) || code != STILL_ACTIVE) return std::nullopt;
    Footprint f;
    if (const DWORD gdi = GetGuiResources(process.get(), GR_GDIOBJECTS)) {
        f.gdi_objects = static_cast<long>(gdi);
        f.gdi_source = "GetGuiResources";
    } else if (const auto counted = GdiFromHandleTable(process.get(), f.gdi_kinds)) {
        f.gdi_objects = *counted;
        f.gdi_source = "GDI handle table";
    } else {
        return std::nullopt;
    }
    if (const DWORD user = GetGuiResources(process.get(), GR_USEROBJECTS)) {
        f.user_objects = static_cast<long>(user);
        f.user_source = "GetGuiResources";
    } else {
        f.user_objects = WindowsOf(process_id);
        f.user_source = "windows";
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        return std::nullopt;
    // Wine leaves PrivateUsage at 0 and reports the commit charge in
    // PagefileUsage, the field that holds it on Windows too.
    if (memory.PrivateUsage) {
        f.private_bytes = memory.PrivateUsage;
        f.private_source = "PrivateUsage";
    } else {
        f.private_bytes = memory.PagefileUsage;
        f.private_source = "PagefileUsage";
    }
    f.committed_private = CommittedPrivate(process.get());
    return f;
}

std::string Describe(const Footprint& f) {
    return "gdi " + std::to_string(f.gdi_objects) + ", user " + std::to_string(f.user_objects) + ", private " +
           std::to_string(f.private_bytes) + " bytes";
}

}  // namespace dorvane::testing
