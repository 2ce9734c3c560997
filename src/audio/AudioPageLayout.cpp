// The audio page: the phone's volume group, Skype's device group and the
// Windows default device button.
#include "app/Unit1.h"
#include "app/Artwork.h"

namespace dorvane {
namespace {

struct VolumeRow {
    std::unique_ptr<TLabel>& label;
    std::unique_ptr<TImage>& min_image;
    std::unique_ptr<TsuiTrackBar>& bar;
    std::unique_ptr<TImage>& max_image;
    const char* name;  // "Out", "In", "Ring"
};

}  // namespace

void TForm1::CreateAudioPage() {
    HWND page = suiTabSheetAudio->Handle();
    auto& volume = Own(suiGroupBoxVol, std::make_unique<TsuiGroupBox>(page, "suiGroupBoxVol", 8, 4, 559, 100));
    HWND group = volume.Handle();
    VolumeRow rows[] = {
        {LabelVolOut, ImageVolOutMin, suiTrackBarVolOut, ImageVolOutMax, "Out"},
        {LabelVolIn, ImageVolInMin, suiTrackBarVolIn, ImageVolInMax, "In"},
        {LabelVolRing, ImageVolRingMin, suiTrackBarVolRing, ImageVolRingMax, "Ring"},
    };
    for (int i = 0; i < 3; ++i) {
        const int y = 24 + 36 * i;
        const std::string n = rows[i].name;
        Own(rows[i].label, std::make_unique<TLabel>(group, "LabelVol" + n, 12, y + 6, 120, 16));
        auto& low = Own(rows[i].min_image, std::make_unique<TImage>(group, "ImageVol" + n + "Min", 136, y + 4, 20, 20));
        low.SetIcon(IconFromPicture(SpeakerPicture(false)));
        auto& bar = Own(rows[i].bar, std::make_unique<TsuiTrackBar>(group, "suiTrackBarVol" + n, 158, y, 300, 30));
        auto& high = Own(rows[i].max_image, std::make_unique<TImage>(group, "ImageVol" + n + "Max", 460, y + 4, 20, 20));
        high.SetIcon(IconFromPicture(SpeakerPicture(true)));
        if (i < 2) {
            bar.SetRange(0, 65535);
            bar.SetPageSize(4096);
            bar.SetFrequency(4096);
        } else {
            bar.SetRange(0, 15);
            bar.SetPageSize(1);
            bar.SetFrequency(1);
        }
        bar.SetLineSize(1);
        // Ticks show only while the phone is there to be set.
        bar.SetTicksVisible(false);
    }
    Own(suiCheckBoxVolOut, std::make_unique<TsuiCheckBox>(group, "suiCheckBoxVolOut", 490, 30, 60, 18, "Mute"));
    Own(suiCheckBoxVolIn, std::make_unique<TsuiCheckBox>(group, "suiCheckBoxVolIn", 490, 66, 60, 18, "Mute"));
    // The ring row is part of the design but never shown.
    for (TControl* c : std::initializer_list<TControl*>{LabelVolRing.get(), ImageVolRingMin.get(),
                                                        suiTrackBarVolRing.get(), ImageVolRingMax.get()})
        c->SetVisible(false);

    auto& skype = Own(suiGroupBoxSkype, std::make_unique<TsuiGroupBox>(page, "suiGroupBoxSkype", 8, 110, 559, 96));
    HWND sgroup = skype.Handle();
    Own(LabelSkypeOut, std::make_unique<TLabel>(sgroup, "LabelSkypeOut", 12, 30, 120, 16));
    Own(suiComboBoxSkypeOut, std::make_unique<TsuiComboBox>(sgroup, "suiComboBoxSkypeOut", 136, 26, 410, 200));
    Own(LabelSkypeIn, std::make_unique<TLabel>(sgroup, "LabelSkypeIn", 12, 64, 120, 16));
    Own(suiComboBoxSkypeIn, std::make_unique<TsuiComboBox>(sgroup, "suiComboBoxSkypeIn", 136, 60, 410, 200));

    Own(LabelSysAudioOut, std::make_unique<TLabel>(page, "LabelSysAudioOut", 12, 224, 200, 16));
    Own(suiButtonSysAudioOut, std::make_unique<TsuiButton>(page, "suiButtonSysAudioOut", 216, 218, 351, 28));
}

}  // namespace dorvane
