// Ringing while a call comes in, and the preview player.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::UpdateRinging(uint8_t) {}

void TForm1::EndRinging() { Ringing = false; }

void TForm1::StopTone() {}

void TForm1::TogglePreview() {}

}  // namespace dorvane
