#pragma once
// Owning wrappers of GDI objects. Each wrapper is move-only and deletes its object in its
// destructor; all of them share one live count, so a test can prove a paint leaves nothing behind.

#include <windows.h>

#include <cstddef>
#include <cstdint>

// Number of GDI objects, metafiles and device contexts that the program's wrappers hold alive.
long LiveGdiObjects();

namespace gdi_count {
void acquired();
void released();
}  // namespace gdi_count

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : handle(other.handle) { other.handle = nullptr; }
    CGdiObject& operator=(CGdiObject&& other) noexcept;
    ~CGdiObject() { DeleteObject(); }

    HGDIOBJ GetSafeHandle() const { return handle; }
    bool isNull() const { return handle == nullptr; }
    // Takes ownership of an object made elsewhere; a previous one is deleted first.
    bool Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    bool DeleteObject();

protected:
    HGDIOBJ handle = nullptr;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
    bool CreatePen(int style, int width, COLORREF colour) { return Attach(::CreatePen(style, width, colour)); }
    operator HPEN() const { return static_cast<HPEN>(handle); }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    bool CreateSolidBrush(COLORREF colour) { return Attach(::CreateSolidBrush(colour)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(handle); }
};

class CFont : public CGdiObject {
public:
    bool CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* face) {
        return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                    charSet, outPrecision, clipPrecision, quality, pitchAndFamily, face));
    }
    operator HFONT() const { return static_cast<HFONT>(handle); }
};

class CBitmap : public CGdiObject {
public:
    bool LoadBitmap(const char* resourceName);
    bool LoadBitmap(UINT resourceId) { return LoadBitmap(MAKEINTRESOURCEA(resourceId)); }
    bool CreateCompatibleBitmap(HDC dc, int width, int height) {
        return Attach(::CreateCompatibleBitmap(dc, width, height));
    }
    SIZE GetSize() const;
    operator HBITMAP() const { return static_cast<HBITMAP>(handle); }
};

// A Windows metafile made from bytes in memory, released when the wrapper goes.
class MetafileHandle {
public:
    MetafileHandle(const std::uint8_t* bytes, std::size_t size);
    MetafileHandle(const MetafileHandle&) = delete;
    MetafileHandle& operator=(const MetafileHandle&) = delete;
    ~MetafileHandle();
    HMETAFILE get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }

private:
    HMETAFILE handle = nullptr;
};
