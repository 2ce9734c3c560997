// The ring tone folder, the chosen tone and Skype's silent ring tone.
#include "app/Unit1.h"
#include "i18n/TextConvert.h"
#include "link/LinkProtocol.h"
#include "ring/FileExists.h"
#include "ring/RingFiles.h"

namespace dorvane {
namespace {
// Enough bytes for the longest line read, each character a CR before its LF.
std::string ReadStart(const std::string& path) {
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    std::string bytes(2 * kRingVobLineLimit + 2, '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
    bytes.resize(read);
    return bytes;
}

// Writes the whole file anew (create_new: only when there is none); false
// when it could not be opened.
bool WriteFileBytes(const std::string& path, const std::string& bytes, bool create_new) {
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, create_new ? CREATE_NEW : CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return true;
}
}  // namespace

std::string TForm1::RingFolder() const { return system_.ProgramFolder + "ring"; }

void TForm1::LoadRingTone() {
    const std::string vob = system_.ProgramFolder + "ring.vob";
    CurrentRingTone.clear();
    if (!FileExists(vob)) {
        // A first start names the default tone, which becomes current once
        // the file is really there.
        CurrentRingTone = RingFolder() + "\\ring_in.wav";
        SaveRingTone();
        CurrentRingTone.clear();
    }
    const std::string line = RingVobFirstLine(ReadStart(vob));
    if (!line.empty() && FileExists(line)) CurrentRingTone = line;
    ShowRingToneLabels();
}

void TForm1::SaveRingTone() {
    if (!CurrentRingTone.empty()) WriteFileBytes(system_.ProgramFolder + "ring.vob", RingVobText(CurrentRingTone), false);
    ShowRingToneLabels();
}

void TForm1::ShowRingToneLabels() {
    const size_t slash = CurrentRingTone.rfind('\\');
    const size_t split = slash == std::string::npos ? 0 : slash + 1;
    LabelRingPath->SetCaption(CurrentRingTone.substr(0, split));
    LabelRingTone->SetCaption(CurrentRingTone.substr(split));
}

std::string TForm1::EnsureMuteFile() {
    const std::string path = RingFolder() + "\\mute.wav";
    // Never overwritten: a mute file of any content stays as it is.
    if (!FileExists(path)) WriteFileBytes(path, MuteWaveBytes(), true);
    return path;
}

void TForm1::SendSkypeRingTone() {
    if ((StatusWord & kSkypeBit) == 0 || !RingToneSendPending) return;
    // Sent once: a command dropped for want of a service is not repeated.
    RingToneSendPending = false;
    SendCommand(WideToUtf8(WidenText("SET RINGTONE 1 " + EnsureMuteFile(), CP_ACP)));
}

void TForm1::ShowRingFolder() {
    const std::string folder = RingFolder();
    CreateDirectoryA(folder.c_str(), nullptr);
    FileListBoxTest->SetMask("*.wav");
    suiDriveComboBoxTest->SetDrive(folder[0]);
    DirectoryListBoxTest->SetDirectory(folder);
    DirectoryListBoxTest->Update();
    FileListBoxTest->Update();
    SelectRingEntry(0);
}

void TForm1::SelectRingEntry(int n) {
    // While a call rings, the list is the user's to browse: the tone plays on.
    if (Ringing) return;
    StopTone();
    FileListBoxTest->SetItemIndex(n >= 0 && n < FileListBoxTest->Count() ? n : -1);
    SelectedRingFile = FileListBoxTest->FileName();
}

void TForm1::FileListBoxTestChange() {
    if (FileListBoxTest->Count() == 0) FileListBoxTest->SetItemIndex(-1);
    SelectRingEntry(FileListBoxTest->ItemIndex());
}

void TForm1::AdoptSelectedTone() {
    if (Ringing || FileListBoxTest->ItemIndex() < 0) return;
    const std::string path = FileListBoxTest->FileName();
    if (!FileExists(path) || path == CurrentRingTone) return;
    CurrentRingTone = path;
    SaveRingTone();
    RingToneSendPending = true;
    SendSkypeRingTone();
}

void TForm1::suiButtonDefaultClick() { ShowRingFolder(); }

}  // namespace dorvane
