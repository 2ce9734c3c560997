// The one way the panel sends to another process's window.
#pragma once
#include <windows.h>

namespace dorvane {

// Skipped while this thread is inside a message another thread sent and
// still waits on, not yet released by ReplyMessage (sending back into a waiting
// sender could deadlock it); otherwise a send that gives up after 500 ms on
// a hung receiver. The result is not used and nothing is retried.
void GuardedSend(HWND target, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace dorvane
