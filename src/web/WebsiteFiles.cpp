// The web settings file defaultWeb.vob and the website list file
// urlList.vob beside the program.
#include "app/Unit1.h"
#include "settings/ProgramFiles.h"
#include "settings/TextLines.h"

namespace dorvane {
namespace {
constexpr char kSkypeHome[] = "http://www.skype.com/";
constexpr std::size_t kWebSettingsLines = 6;
constexpr std::size_t kWebListLines = 8;
}  // namespace

void TForm1::LoadWebSettings() {
    DefaultWebName = "Skype";
    DefaultWebAddress = kSkypeHome;
    NamePlaceholder = "N/A";
    AddressPlaceholder.clear();
    WebPageCaption = "Skype";
    WebPageAddress = kSkypeHome;
    const auto bytes = ReadFileStart(system_.ProgramFolder + "defaultWeb.vob", TextBytesFor(kWebSettingsLines));
    if (!bytes) {
        WriteWebSettings();
        return;
    }
    // An empty line keeps its default. The file is never written back.
    TextLines lines(*bytes);
    for (std::string* value : {&DefaultWebName, &DefaultWebAddress, &NamePlaceholder, &AddressPlaceholder,
                               &WebPageCaption, &WebPageAddress}) {
        std::string line = lines.Next();
        if (!line.empty()) *value = std::move(line);
    }
}

void TForm1::WriteWebSettings() {
    // Only when there is none: a settings file that is there but cannot be
    // read stays the user's.
    WriteFileBytes(system_.ProgramFolder + "defaultWeb.vob",
                   TextFileBytes({DefaultWebName, DefaultWebAddress, NamePlaceholder, AddressPlaceholder,
                                  WebPageCaption, WebPageAddress}),
                   true);
}

void TForm1::LoadWebList() {
    suiURLLabelWeb[0]->SetCaption(DefaultWebName);
    suiURLLabelWeb[0]->SetURL(DefaultWebAddress);
    const auto bytes = ReadFileStart(system_.ProgramFolder + "urlList.vob", TextBytesFor(kWebListLines));
    TextLines lines(bytes.value_or(""));
    for (int n = 1; n < 5; ++n) {
        const std::string name = lines.Next(), address = lines.Next();
        suiURLLabelWeb[n]->SetCaption(name.empty() ? NamePlaceholder : name);
        suiURLLabelWeb[n]->SetURL(address.empty() ? AddressPlaceholder : address);
    }
    if (!bytes) SaveWebList(true);
    for (auto& link : suiURLLabelWeb) link->SetEnabled(!link->URL().empty());
}

void TForm1::SaveWebList(bool when_missing) {
    std::string bytes;
    for (int n = 1; n < 5; ++n) bytes += TextFileBytes({suiURLLabelWeb[n]->Caption(), suiURLLabelWeb[n]->URL()});
    WriteFileBytes(system_.ProgramFolder + "urlList.vob", bytes, when_missing);
}

}  // namespace dorvane
