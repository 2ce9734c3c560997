// Keypad navigation: the key step run on each key report and repeat tick.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::TimerKeyRepeatTimer() {}

}  // namespace dorvane
