// OLE on the calling thread for as long as the guard lives: a single-threaded
// apartment. Only an initialisation that succeeded is undone; a thread that
// already was in another apartment keeps it. Bound to its thread, so neither
// copied nor moved.
#pragma once
#include <windows.h>
#include <ole2.h>

namespace dorvane {

class OleApartment {
public:
    OleApartment() noexcept : result_(OleInitialize(nullptr)) {}
    ~OleApartment() {
        if (SUCCEEDED(result_)) OleUninitialize();
    }
    OleApartment(const OleApartment&) = delete;
    OleApartment& operator=(const OleApartment&) = delete;

    // S_OK, S_FALSE when this thread already was in a single-threaded
    // apartment, RPC_E_CHANGED_MODE when it was in the multithreaded one.
    HRESULT Result() const noexcept { return result_; }

private:
    HRESULT result_;
};

}  // namespace dorvane
