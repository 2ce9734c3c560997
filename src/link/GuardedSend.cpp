#include "link/GuardedSend.h"
#include "link/LinkProtocol.h"

namespace dorvane {

namespace {
bool SenderIsWaiting() {
    // InSendMessage stays true after ReplyMessage; only the flags tell a
    // released sender from one that still waits.
    const DWORD flags = InSendMessageEx(nullptr);
    return (flags & ISMEX_SEND) != 0 && (flags & ISMEX_REPLIED) == 0;
}
}  // namespace

void GuardedSend(HWND target, UINT msg, WPARAM wp, LPARAM lp) {
    if (SenderIsWaiting()) return;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(target, msg, wp, lp, SMTO_ABORTIFHUNG, kLinkSendTimeoutMs, &result);
}

}  // namespace dorvane
