#include "ControlFont.h"
#include <cstring>

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
