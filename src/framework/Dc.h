#pragma once
// Device contexts. A CDC either owns its DC (made by CreateCompatibleDC or handed over by Attach)
// and deletes it, or borrows one (FromHandle, CPaintDC) and leaves it alone.

#include <windows.h>

#include <string>

class CGdiObject;

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    CDC(CDC&& other) noexcept;
    CDC& operator=(CDC&& other) noexcept;
    virtual ~CDC();

    // A CDC that borrows a DC owned elsewhere.
    static CDC FromHandle(HDC dc);

    bool CreateCompatibleDC(const CDC* reference);
    bool Attach(HDC dc);  // takes ownership
    HDC Detach();
    bool DeleteDC();
    HDC GetSafeHdc() const { return hdc; }
    operator HDC() const { return hdc; }

    HGDIOBJ SelectObject(const CGdiObject& object);
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(hdc, object); }

    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(hdc, index); }
    COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(hdc, colour); }
    COLORREF SetBkColor(COLORREF colour) { return ::SetBkColor(hdc, colour); }
    int SetBkMode(int mode) { return ::SetBkMode(hdc, mode); }
    UINT SetTextAlign(UINT align) { return ::SetTextAlign(hdc, align); }
    bool TextOut(int x, int y, const std::string& text) {
        return ::TextOutA(hdc, x, y, text.data(), static_cast<int>(text.size())) != 0;
    }
    void MoveTo(int x, int y) { ::MoveToEx(hdc, x, y, nullptr); }
    bool LineTo(int x, int y) { return ::LineTo(hdc, x, y) != 0; }
    void FillSolidRect(const RECT& rect, COLORREF colour);
    bool BitBlt(int x, int y, int width, int height, const CDC& source, int sx, int sy, DWORD rop) {
        return ::BitBlt(hdc, x, y, width, height, source.hdc, sx, sy, rop) != 0;
    }
    int SetMapMode(int mode) { return ::SetMapMode(hdc, mode); }
    void SetWindowExt(int x, int y) { ::SetWindowExtEx(hdc, x, y, nullptr); }
    void SetViewportExt(int x, int y) { ::SetViewportExtEx(hdc, x, y, nullptr); }
    void SetWindowOrg(int x, int y) { ::SetWindowOrgEx(hdc, x, y, nullptr); }
    bool PlayMetaFile(HMETAFILE metafile) { return ::PlayMetaFile(hdc, metafile) != 0; }
    int DrawText(const char* text, RECT* rect, UINT format) { return ::DrawTextA(hdc, text, -1, rect, format); }

    // Printing: a document of pages. StartDoc answers the job id, or zero or below when refused.
    int StartDoc(const char* documentName);
    int StartPage() { return ::StartPage(hdc); }
    int EndPage() { return ::EndPage(hdc); }
    int EndDoc() { return ::EndDoc(hdc); }
    int AbortDoc() { return ::AbortDoc(hdc); }

protected:
    HDC hdc = nullptr;
    bool owns = false;
};

// BeginPaint / EndPaint for one WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND window);
    ~CPaintDC() override;
    const PAINTSTRUCT& paintStruct() const { return ps; }

private:
    HWND window;
    PAINTSTRUCT ps{};
};

// Selects an object into a DC for one scope and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(CDC& dc, const CGdiObject& object);
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { ::SelectObject(dc, previous); }

private:
    HDC dc;
    HGDIOBJ previous;
};
