#include "ControlFont.h"
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

namespace dorvane {

int FontHeightForPoints(int points) {
    ScreenDC screen(GetDC(nullptr));
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return -MulDiv(points, dpi, 72);
}

GdiObject CreateFontFor(const FontDesc& desc) {
    LOGFONTA lf{};
    lf.lfHeight = desc.height;
    lf.lfWeight = desc.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = desc.underline ? TRUE : FALSE;
    lf.lfCharSet = desc.charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynA(lf.lfFaceName, desc.face.c_str(), LF_FACESIZE);
    return GdiObject(CreateFontIndirectA(&lf));
}

SharedFont ShareFontFor(const FontDesc& desc) {
    // A handful of descriptions at most (the form's, a language's, bold and
    // underlined ones), so a list does.
    static std::mutex mutex;
    static std::vector<std::pair<FontDesc, std::weak_ptr<const GdiObject>>> fonts;
    const std::lock_guard<std::mutex> lock(mutex);
    for (auto it = fonts.begin(); it != fonts.end();) {
        if (it->second.expired()) {
            it = fonts.erase(it);
        } else if (it->first == desc) {
            if (SharedFont font = it->second.lock()) return font;
            ++it;
        } else {
            ++it;
        }
    }
    GdiObject created = CreateFontFor(desc);
    if (!created) return {};
    auto font = std::make_shared<const GdiObject>(std::move(created));
    fonts.emplace_back(desc, font);
    return font;
}

FontDesc DescribeFont(HFONT font) {
    FontDesc desc;
    LOGFONTA lf{};
    if (!font || GetObjectA(font, sizeof(lf), &lf) != sizeof(lf)) return desc;
    desc.face.assign(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    desc.height = lf.lfHeight;
    desc.charset = lf.lfCharSet;
    desc.bold = lf.lfWeight >= FW_BOLD;
    desc.underline = lf.lfUnderline != 0;
    return desc;
}

UINT CodePageOfCharset(BYTE charset) {
    if (charset == ANSI_CHARSET || charset == DEFAULT_CHARSET) return CP_ACP;
    CHARSETINFO info{};
    if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<ULONG_PTR>(charset)), &info, TCI_SRCCHARSET))
        return CP_ACP;
    return info.ciACP;
}

UINT CodePageOfFont(HFONT font) {
    LOGFONTA lf{};
    if (!font || GetObjectA(font, sizeof(lf), &lf) != sizeof(lf)) return CP_ACP;
    return CodePageOfCharset(lf.lfCharSet);
}

}  // namespace dorvane
