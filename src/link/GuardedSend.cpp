#include "link/GuardedSend.h"
#include "link/LinkProtocol.h"

namespace dorvane {

void GuardedSend(HWND target, UINT msg, WPARAM wp, LPARAM lp) {
    if (InSendMessage()) return;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(target, msg, wp, lp, SMTO_ABORTIFHUNG, kLinkSendTimeoutMs, &result);
}

}  // namespace dorvane
