// Keypad navigation: the key step run on each key report and repeat tick,
// and what each key does to the window, its pages and the focused control.
#include <algorithm>
#include "app/Unit1.h"
#include "link/KeypadKeys.h"
#include "link/LinkProtocol.h"

namespace dorvane {
namespace {

constexpr int kWebPage = 0;
constexpr int kRingPage = 1;
constexpr int kAudioPage = 2;
constexpr int kWebEntries = 5;

enum class KeyKind { Press, Repeat, Release };

int RowOf(uint8_t key) {
    for (int row = 0; row < kWebEntries; ++row)
        if (kKeyRows[row] == key) return row;
    return -1;
}

// A combo box of the drop-down kind hands the focus to its edit child.
bool HasFocus(const TControl& control) {
    const HWND focus = GetFocus();
    return control.Handle() && focus && (focus == control.Handle() || IsChild(control.Handle(), focus));
}

void StepBar(TsuiTrackBar& bar, int delta) {
    bar.SetPosition(std::clamp(bar.Position() + delta, bar.Min(), bar.Max()));
}

// Single presses cycle a bar through its values; a held key stops at the top.
void RaiseBar(TsuiTrackBar& bar, KeyKind kind) {
    if (kind == KeyKind::Press && bar.Position() >= bar.Max()) bar.SetPosition(0);
    else StepBar(bar, bar.PageSize());
}

// Left lowers and right raises the focused control of the audio page.
void StepAudioControl(TForm1& form, bool raise, KeyKind kind) {
    for (TsuiTrackBar* bar : {form.suiTrackBarVolOut.get(), form.suiTrackBarVolIn.get(), form.suiTrackBarVolRing.get()}) {
        if (!HasFocus(*bar)) continue;
        if (raise) RaiseBar(*bar, kind);
        else StepBar(*bar, -bar->PageSize());
        return;
    }
    struct List {
        TsuiComboBox& box;
        void (TForm1::*changed)();
    } lists[] = {{*form.suiComboBoxSkypeOut, &TForm1::suiComboBoxSkypeOutChange},
                 {*form.suiComboBoxSkypeIn, &TForm1::suiComboBoxSkypeInChange}};
    for (const List& list : lists) {
        if (!HasFocus(list.box)) continue;
        if (kind != KeyKind::Press) return;
        const int index = list.box.ItemIndex();
        const int entries = list.box.Count();
        if (raise) {
            // Right cycles; a single entry has nowhere to go.
            if (entries < 2) return;
            list.box.SetItemIndex(index >= entries - 1 ? 0 : index + 1);
        } else {
            if (index <= 0) return;
            list.box.SetItemIndex(index - 1);
        }
        // Setting the selection from code raises nothing: the device choice
        // goes to Skype only through the handler.
        (form.*list.changed)();
        return;
    }
    if (kind != KeyKind::Press) return;
    if (HasFocus(*form.suiCheckBoxVolOut)) form.suiCheckBoxVolOut->Click();
    else if (HasFocus(*form.suiCheckBoxVolIn)) form.suiCheckBoxVolIn->Click();
}

}  // namespace

void TForm1::TimerKeyRepeatTimer() {
    const uint8_t navigation = NavigationByteOf(KeyEvent);
    const uint8_t call_state = CallStateOf(KeyEvent);
    const bool live = (navigation != 0 && HeldKey != kKeyIgnored) || HeldKey == kKeyPage ||
                      (call_state == kCallSpeakerKeys && (HeldKey == kKeyUp || HeldKey == kKeyDown));
    if (!live) {
        HeldKey = PrevKey = 0;
        return;
    }

    // A key that lets go never acts, so a change from one key to another
    // comes down to the new key's press.
    const uint8_t key = HeldKey;
    const KeyKind kind = HeldKey == PrevKey ? KeyKind::Repeat : HeldKey != 0 ? KeyKind::Press : KeyKind::Release;
    PrevKey = HeldKey;
    if (key == 0 || kind == KeyKind::Release) return;

    // Working the keypad is use, like the mouse: the window stays up.
    TimerMin.RestartIfRunning();

    if (call_state == kCallSpeakerKeys && (key == kKeyUp || key == kKeyDown)) {
        const int step = suiTrackBarVolOut->PageSize();
        StepBar(*suiTrackBarVolOut, key == kKeyUp ? step : -step);
        return;
    }
    if (!IsWindowVisible(Handle())) {
        if (kind == KeyKind::Press && key == kKeyPage) OpenMainWindow();
        return;
    }
    // A window behind another program takes the first press to come up,
    // so the user sees what the next key will change.
    if (GetForegroundWindow() != Handle()) {
        if (kind == KeyKind::Press) ForceForeground(Handle());
        return;
    }
    if (key == kKeyPage) {
        const int pages = suiPageControl1->PageCount();
        if (kind == KeyKind::Press && pages > 0)
            suiPageControl1->SetActivePageIndex((suiPageControl1->ActivePageIndex() + 1) % pages);
        return;
    }

    switch (suiPageControl1->ActivePageIndex()) {
        case kWebPage: {
            if (kind != KeyKind::Press) break;
            const int row = RowOf(key);
            if (key == kKeyUp) {
                SelectWebEntry(SelectedWebEntry <= 0 ? kWebEntries - 1 : SelectedWebEntry - 1);
            } else if (key == kKeyDown) {
                SelectWebEntry(SelectedWebEntry >= kWebEntries - 1 ? 0 : SelectedWebEntry + 1);
            } else if (row >= 0) {
                SelectWebEntry(row);
                OpenWebEntry(SelectedWebEntry);
            } else if (key == kKeyLeft || key == kKeyRight) {
                OpenWebEntry(SelectedWebEntry);
            }
            break;
        }
        case kRingPage: {
            const int entries = FileListBoxTest->Count();
            if (kind != KeyKind::Press || entries == 0) break;
            const int highlighted = FileListBoxTest->ItemIndex();
            if (key == kKeyUp) {
                SelectRingEntry(highlighted <= 0 ? entries - 1 : highlighted - 1);
            } else if (key == kKeyDown) {
                SelectRingEntry(highlighted >= entries - 1 ? 0 : highlighted + 1);
            } else if (key == kKeyLeft || key == kKeyRight) {
                TogglePreview();
            }
            break;
        }
        case kAudioPage:
            if (key == kKeyUp || key == kKeyDown) {
                // The window's own dialog-focus message, so that the keypad
                // walks the controls exactly as the tab key would.
                if (kind == KeyKind::Press) SendMessageA(Handle(), WM_NEXTDLGCTL, key == kKeyUp ? 1 : 0, FALSE);
            } else if (key == kKeyLeft || key == kKeyRight) {
                StepAudioControl(*this, key == kKeyRight, kind);
            }
            break;
        default:
            break;
    }
}

}  // namespace dorvane
