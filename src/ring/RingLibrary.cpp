// The ring tone folder, the chosen tone and Skype's silent ring tone.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::SendSkypeRingTone() {}

void TForm1::LoadRingTone() {}

void TForm1::EnsureMuteFile() {}

void TForm1::ShowRingFolder() {}

void TForm1::SelectRingEntry(int) {}

}  // namespace dorvane
