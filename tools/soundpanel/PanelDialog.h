// The stand-in panel's dialog: a top-level dialog with OK and Cancel around
// a page dialog with the playback, recording and MIDI device lists, each
// filled in device order with the default device selected. OK makes a
// changed choice the default.
#pragma once
#include <windows.h>

namespace dorvane::soundpanel {

// Runs the dialog until it is closed.
void RunSoundPanel(HINSTANCE instance);

}  // namespace dorvane::soundpanel
