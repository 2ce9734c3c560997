// The Windows default playback device on the audio page.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::RefreshSysDefaultButton() {}

}  // namespace dorvane
