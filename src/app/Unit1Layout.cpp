// The main window's frame, its page control and the hidden hint controls.
// Each page's controls are laid out in the room of the page's subsystem.
#include "app/Unit1.h"
#include "app/Application.h"
#include "app/StartupSteps.h"
#include "controls/ControlRouting.h"

namespace dorvane {
namespace {
constexpr int kClientWidth = 590;
constexpr int kClientHeight = 297;
}  // namespace

void TForm1::CreateControls() {
    suiPageControl1 = std::make_unique<TsuiPageControl>(Handle(), "suiPageControl1", 4, 8, 581, 285);
    components_.push_back(suiPageControl1.get());
    Own(suiTabSheetUrl, std::make_unique<TsuiTabSheet>(*suiPageControl1, "suiTabSheetUrl"));
    Own(suiTabSheetRing, std::make_unique<TsuiTabSheet>(*suiPageControl1, "suiTabSheetRing"));
    Own(suiTabSheetAudio, std::make_unique<TsuiTabSheet>(*suiPageControl1, "suiTabSheetAudio"));
    Own(suiTabSheetWeb, std::make_unique<TsuiTabSheet>(*suiPageControl1, "suiTabSheetWeb"));
    MarkStartupStep("frame, page control, tabs");
    // Nothing on the pages is seen before the window first opens: their
    // controls wait for their windows until then.
    for (TsuiTabSheet* sheet : DeferredPages()) sheet->DeferChildWindows();

    CreateWebPage();
    MarkStartupStep("websites page controls");
    CreateRingPage();
    MarkStartupStep("ring page controls");
    CreateAudioPage();
    MarkStartupStep("audio page controls");
    CreateBrowserPage();
    MarkStartupStep("browser");

    // Nothing shows these two; they stay hidden and the button disabled.
    auto& hint = Own(ImageHint, std::make_unique<TImage>(Handle(), "ImageHint", 8, 30, 200, 260));
    hint.SetVisible(false);
    auto& hint_button =
        Own(suiButtonShowHint, std::make_unique<TsuiButton>(Handle(), "suiButtonShowHint", 440, 8, 40, 17, ">>"));
    hint_button.SetVisible(false);
    hint_button.SetEnabled(false);
    hint_button.OnClick = [this] { suiButtonShowHintClick(); };

    suiPageControl1->OnChange = [this] { suiPageControl1Change(); };
}

void TForm1::CreateFrame() {
    // A fixed dialog frame with a close box only; the client area is fixed in
    // pixels, whatever the screen's font size.
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    BoundWindow::Shape shape;
    shape.ex_style = ex_style;
    shape.style = style;
    shape.width = frame.right - frame.left;
    shape.height = frame.bottom - frame.top;
    shape.parent = application_.Handle();
    WindowClassDesc window_class;
    window_class.name = "TForm1";
    window_class.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.program_icon = window_class.arrow_cursor = true;
    // The title is a language's text: in an ANSI window it would be read and
    // drawn through the system code page.
    window_class.unicode = true;
    // The window's own font, for every control until a language applies its
    // own: each control takes its parent's font as it is made, so no second
    // pass sets it again.
    form_font_ = ShareFontFor(FontDesc{"MS Sans Serif", -11, DEFAULT_CHARSET});
    window_.Create(window_class, shape, [this](HWND, UINT msg, WPARAM wp, LPARAM lp) { return WindowProc(msg, wp, lp); });
}

void TForm1::suiPageControl1Change() {
    // Dropped files are taken only while the ring page shows.
    FileListBoxTest->SetDragDropFile(suiPageControl1->ActivePageIndex() == 1);
}

void TForm1::suiButtonShowHintClick() { Settings.WriteShowHint(suiButtonShowHint->Caption() == "<<" ? 0 : 1); }

}  // namespace dorvane
