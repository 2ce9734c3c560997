// The threading runtime that the compiler links in asks the system for three
// functions that Windows 2000 lacks (GetTickCount64 is Vista's, the vectored
// exception handlers are XP's). Imported directly, they would keep the
// program from loading at all on the older systems it is made for. These
// stand-ins take the import slots instead: they use the real function where
// the system has it and a safe substitute where it does not.
#include <windows.h>

namespace {

using VectoredHandler = LONG(WINAPI*)(EXCEPTION_POINTERS*);
using AddHandlerFunction = PVOID(WINAPI*)(ULONG, VectoredHandler);
using RemoveHandlerFunction = ULONG(WINAPI*)(PVOID);
using TickCountFunction = ULONGLONG(WINAPI*)();

FARPROC Kernel32Function(const char* name) { return GetProcAddress(GetModuleHandleA("kernel32.dll"), name); }

ULONGLONG WINAPI TickCount64() {
    static const auto real = reinterpret_cast<TickCountFunction>(
        reinterpret_cast<void*>(Kernel32Function("GetTickCount64")));
    if (real) return real();
    // The 32-bit count wraps after 49.7 days; count the wraps.
    static DWORD last = 0;
    static ULONGLONG high = 0;
    const DWORD now = GetTickCount();
    if (now < last) high += 0x100000000ULL;
    last = now;
    return high + now;
}

PVOID WINAPI AddVectoredHandler(ULONG first, VectoredHandler handler) {
    static const auto real = reinterpret_cast<AddHandlerFunction>(
        reinterpret_cast<void*>(Kernel32Function("AddVectoredExceptionHandler")));
    return real ? real(first, handler) : nullptr;
}

ULONG WINAPI RemoveVectoredHandler(PVOID handle) {
    static const auto real = reinterpret_cast<RemoveHandlerFunction>(
        reinterpret_cast<void*>(Kernel32Function("RemoveVectoredExceptionHandler")));
    return real && handle ? real(handle) : 0;
}

}  // namespace

#if defined(__i386__)
#define DORVANE_IMPORT_SLOT(name, argument_bytes) "__imp__" #name "@" #argument_bytes
#else
#define DORVANE_IMPORT_SLOT(name, argument_bytes) "__imp_" #name
#endif

extern "C" {
__attribute__((used)) void* dorvane_slot_tick_count_64 __asm__(DORVANE_IMPORT_SLOT(GetTickCount64, 0)) =
    reinterpret_cast<void*>(&TickCount64);
__attribute__((used)) void* dorvane_slot_add_vectored __asm__(DORVANE_IMPORT_SLOT(AddVectoredExceptionHandler, 8)) =
    reinterpret_cast<void*>(&AddVectoredHandler);
__attribute__((used)) void* dorvane_slot_remove_vectored
    __asm__(DORVANE_IMPORT_SLOT(RemoveVectoredExceptionHandler, 4)) = reinterpret_cast<void*>(&RemoveVectoredHandler);
}
