// Routing of child notifications to control objects. A parent window's
// procedure calls RouteControlMessage first; when it returns true the
// message was handled by a control of this set and result is the answer.
// WM_COMMAND, WM_NOTIFY, WM_HSCROLL, WM_VSCROLL and WM_CTLCOLOR* are routed;
// every other message returns false at once.
#pragma once
#include <windows.h>

namespace dorvane {

bool RouteControlMessage(HWND parent, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace dorvane
