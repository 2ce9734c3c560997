// Skype's output and input devices, as the phone service relays them.
#include "app/Unit1.h"

namespace dorvane {

void TForm1::UpdateSkypeGroup(bool) {}

void TForm1::FillSkypeLists() {}

void TForm1::ApplySkypeDeviceReply(const std::string&, const char*, SkypeList) {}

void TForm1::SendSkypeDevice(SkypeList) {}

void TForm1::QueryAudioOut() {}

void TForm1::QueryAudioIn() {}

void TForm1::suiComboBoxSkypeOutChange() {}

void TForm1::suiComboBoxSkypeInChange() {}

}  // namespace dorvane
