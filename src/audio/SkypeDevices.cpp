// Skype's output and input devices, as the phone service relays them: the
// two lists of the audio page, the commands that set and ask Skype's
// devices, and the answers that select a list entry.
#include "app/Unit1.h"
#include "audio/DeviceText.h"
#include "i18n/TextConvert.h"
#include "link/LinkProtocol.h"

namespace dorvane {
namespace {
constexpr char kSetOut[] = "SET AUDIO_OUT ";
constexpr char kSetIn[] = "SET AUDIO_IN ";

// UTF-8 as ANSI text; invalid UTF-8 gives nothing.
std::string FromUtf8(const std::string& text) {
    return text.empty() ? std::string() : NarrowText(Utf8ToWideStrict(text), CP_ACP);
}
}  // namespace

void TForm1::FillSkypeLists() {
    suiComboBoxSkypeOut->Clear();
    suiComboBoxSkypeIn->Clear();
    suiComboBoxSkypeOut->AddItem(DefaultDeviceText);
    suiComboBoxSkypeIn->AddItem(DefaultDeviceText);
    for (int i = 0; i < AudioMixerUsb.WaveOutDevNum(); ++i)
        suiComboBoxSkypeOut->AddItem(AudioMixerUsb.WaveOutDevName(i, false));
    for (int i = 0; i < AudioMixerUsb.WaveInDevNum(); ++i)
        suiComboBoxSkypeIn->AddItem(AudioMixerUsb.WaveInDevName(i, false));
    suiComboBoxSkypeOut->SetItemIndex(0);
    suiComboBoxSkypeIn->SetItemIndex(0);
    QueryAudioOut();
    QueryAudioIn();
}

void TForm1::UpdateSkypeGroup(bool skype_present) {
    if (!skype_present) {
        if (!suiGroupBoxSkype->Enabled()) return;
        suiGroupBoxSkype->SetEnabled(false);
        FillSkypeLists();
        return;
    }
    if (!suiGroupBoxSkype->Enabled()) {
        suiGroupBoxSkype->SetEnabled(true);
        FillSkypeLists();
    }
    if (!AudioMixerUsb.Active()) return;
    // Once per activation of the phone: Skype is switched to the phone's
    // devices as soon as each is listed, then left to the user.
    struct Pending {
        bool& pending;
        const std::string& name;
        TsuiComboBox& list;
        SkypeList which;
    } lists[] = {{AutoSelectOutPending, PhoneOutName, *suiComboBoxSkypeOut, SkypeList::Out},
                 {AutoSelectInPending, PhoneInName, *suiComboBoxSkypeIn, SkypeList::In}};
    for (Pending& p : lists) {
        if (!p.pending) continue;
        for (int i = 0; i < p.list.Count(); ++i) {
            if (lstrcmpiA(p.list.Item(i).c_str(), p.name.c_str()) != 0) continue;
            p.pending = false;
            p.list.SetItemIndex(i);
            SendSkypeDevice(p.which);
            break;
        }
    }
}

void TForm1::SendSkypeDevice(SkypeList list) {
    if (!suiGroupBoxSkype->Enabled()) return;
    const bool out = list == SkypeList::Out;
    TsuiComboBox& box = out ? *suiComboBoxSkypeOut : *suiComboBoxSkypeIn;
    std::string command = out ? kSetOut : kSetIn;
    const int n = box.ItemIndex();
    if (n > 0 && n < box.Count()) {
        command += out ? AudioMixerUsb.WaveOutDevName(n - 1, true) : AudioMixerUsb.WaveInDevName(n - 1, true);
        command = WideToUtf8(WidenText(command, CP_ACP));
    }
    SendCommand(command);
    if (out) QueryAudioOut();
    else QueryAudioIn();
}

void TForm1::QueryAudioOut() { SendCommand("GET AUDIO_OUT"); }

void TForm1::QueryAudioIn() { SendCommand("GET AUDIO_IN"); }

void TForm1::ApplySkypeDeviceReply(const std::string& text, const char* prefix, SkypeList list) {
    const std::string d1 = FromUtf8(text);
    // A name that reached us encoded twice reads right after a second decoding.
    const std::string d2 = FromUtf8(d1);
    const auto same = [&](const std::string& candidate) {
        return SameDeviceText(candidate, d1) || SameDeviceText(candidate, d2);
    };
    const bool out = list == SkypeList::Out;
    int result = 0;
    if (!same(prefix)) {
        const int count = out ? AudioMixerUsb.WaveOutDevNum() : AudioMixerUsb.WaveInDevNum();
        for (int i = 0; i < count; ++i) {
            const std::string name = out ? AudioMixerUsb.WaveOutDevName(i, true) : AudioMixerUsb.WaveInDevName(i, true);
            if (same(prefix + name)) {
                result = i + 1;
                break;
            }
        }
    }
    // Shown only: selecting from code sends nothing.
    TsuiComboBox& box = out ? *suiComboBoxSkypeOut : *suiComboBoxSkypeIn;
    if (!box.Enabled()) box.SetEnabled(true);
    if (box.ItemIndex() != result) box.SetItemIndex(result);
}

void TForm1::suiComboBoxSkypeOutChange() { SendSkypeDevice(SkypeList::Out); }

void TForm1::suiComboBoxSkypeInChange() { SendSkypeDevice(SkypeList::In); }

}  // namespace dorvane
