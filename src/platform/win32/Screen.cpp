#include "platform/Screen.h"

#include <windows.h>

namespace platform {

namespace {

// The screen's device context for the life of one question.
class ScreenDC {
public:
    ScreenDC() : m_dc(::GetDC(nullptr)) {}
    ~ScreenDC()
    {
        if (m_dc)
            ::ReleaseDC(nullptr, m_dc);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

} // namespace

bool MeasureText(const FontSpec& font, const std::string& text, TextExtent& extent)
{
    LOGFONTA logical = {};
    logical.lfHeight = font.height;
    logical.lfWeight = font.weight;
    logical.lfCharSet = static_cast<BYTE>(font.charSet);
    logical.lfPitchAndFamily = static_cast<BYTE>(font.pitchAndFamily);
    lstrcpynA(logical.lfFaceName, font.face.c_str(), LF_FACESIZE);
    HFONT handle = ::CreateFontIndirectA(&logical);
    if (!handle)
        return false;
    ScreenDC screen;
    bool ok = false;
    if (screen.Get()) {
        HGDIOBJ old = ::SelectObject(screen.Get(), handle);
        SIZE size = {};
        ok = ::GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size) != 0;
        ::SelectObject(screen.Get(), old);
        extent.cx = size.cx;
        extent.cy = size.cy;
    }
    ::DeleteObject(handle);
    return ok;
}

int ScreenPixelsPerInch(bool horizontal)
{
    ScreenDC screen;
    return screen.Get() ? ::GetDeviceCaps(screen.Get(), horizontal ? LOGPIXELSX : LOGPIXELSY) : 96;
}

int BorderWidth() { return ::GetSystemMetrics(SM_CXBORDER); }

} // namespace platform
