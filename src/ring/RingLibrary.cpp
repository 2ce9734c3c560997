// The ring tone folder, the chosen tone and Skype's silent ring tone.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::SendSkypeRingTone() {}

}  // namespace dorvane
