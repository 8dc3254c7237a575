#include "platform/Bitmaps.h"

#include <windows.h>

#include <climits>
#include <vector>

namespace platform {

namespace {

// The module this code is linked into (the library, or a test program), whose resources hold the strips.
HMODULE OwnModule()
{
    HMODULE module = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&OwnModule), &module);
    return module;
}

// GDI objects released in the reverse order of their making, whatever way the function is left.
struct GdiScope {
    HDC screen = nullptr;
    HDC source = nullptr, target = nullptr;
    HBITMAP strip = nullptr, image = nullptr;
    HGDIOBJ oldSource = nullptr, oldTarget = nullptr;
    ~GdiScope()
    {
        if (target && oldTarget)
            ::SelectObject(target, oldTarget);
        if (source && oldSource)
            ::SelectObject(source, oldSource);
        if (target)
            ::DeleteDC(target);
        if (source)
            ::DeleteDC(source);
        if (image)
            ::DeleteObject(image);
        if (strip)
            ::DeleteObject(strip);
        if (screen)
            ::ReleaseDC(nullptr, screen);
    }
};

} // namespace

bool CropResourceToDib4(int resourceId, long long left, int width, int height, std::string& dib)
{
    dib.clear();
    const std::size_t size = Dib4Size(width, height);
    if (size == 0)
        return false;
    GdiScope gdi;
    gdi.strip = ::LoadBitmapA(OwnModule(), MAKEINTRESOURCEA(resourceId));
    gdi.screen = ::GetDC(nullptr);
    if (!gdi.strip || !gdi.screen)
        return false;
    gdi.image = ::CreateCompatibleBitmap(gdi.screen, width, height);
    gdi.source = ::CreateCompatibleDC(gdi.screen);
    gdi.target = ::CreateCompatibleDC(gdi.screen);
    if (!gdi.image || !gdi.source || !gdi.target)
        return false;
    gdi.oldSource = ::SelectObject(gdi.source, gdi.strip);
    gdi.oldTarget = ::SelectObject(gdi.target, gdi.image);
    // A cell past the strip's end leaves black where there is nothing to copy.
    ::PatBlt(gdi.target, 0, 0, width, height, BLACKNESS);
    BITMAP strip = {};
    ::GetObjectA(gdi.strip, sizeof strip, &strip);
    if (left > -width && left < strip.bmWidth)
        ::BitBlt(gdi.target, 0, 0, width, height, gdi.source, static_cast<int>(left), 0, SRCCOPY);
    // The image must not be selected into a device context while GetDIBits reads it.
    ::SelectObject(gdi.target, gdi.oldTarget);
    gdi.oldTarget = nullptr;

    std::vector<unsigned char> buffer(size);
    auto* info = reinterpret_cast<BITMAPINFO*>(buffer.data());
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = height;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = 4;
    info->bmiHeader.biCompression = BI_RGB;
    unsigned char* bits = buffer.data() + sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD);
    if (::GetDIBits(gdi.screen, gdi.image, 0, static_cast<UINT>(height), bits, info, DIB_RGB_COLORS) != height)
        return false;
    dib.assign(reinterpret_cast<const char*>(buffer.data()), size);
    return true;
}

} // namespace platform
