#include "framework/Dc.h"

#include "framework/GdiObjects.h"

CDC::CDC(CDC&& other) noexcept : hdc(other.hdc), owns(other.owns) {
    other.hdc = nullptr;
    other.owns = false;
}

CDC& CDC::operator=(CDC&& other) noexcept {
    if (this != &other) {
        DeleteDC();
        hdc = other.hdc;
        owns = other.owns;
        other.hdc = nullptr;
        other.owns = false;
    }
    return *this;
}

CDC::~CDC() { DeleteDC(); }

CDC CDC::FromHandle(HDC dc) {
    CDC borrowed;
    borrowed.hdc = dc;
    return borrowed;
}

bool CDC::CreateCompatibleDC(const CDC* reference) {
    return Attach(::CreateCompatibleDC(reference ? reference->hdc : nullptr));
}

bool CDC::Attach(HDC dc) {
    DeleteDC();
    hdc = dc;
    owns = dc != nullptr;
    if (owns) gdi_count::acquired();
    return owns;
}

HDC CDC::Detach() {
    HDC detached = hdc;
    if (owns) gdi_count::released();
    hdc = nullptr;
    owns = false;
    return detached;
}

bool CDC::DeleteDC() {
    bool deleted = false;
    if (hdc && owns) {
        deleted = ::DeleteDC(hdc) != 0;
        gdi_count::released();
    }
    hdc = nullptr;
    owns = false;
    return deleted;
}

HGDIOBJ CDC::SelectObject(const CGdiObject& object) { return ::SelectObject(hdc, object.GetSafeHandle()); }

int CDC::StartDoc(const char* documentName) {
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = documentName;
    return ::StartDocA(hdc, &info);
}

void CDC::FillSolidRect(const RECT& rect, COLORREF colour) {
    CBrush brush(colour);
    ::FillRect(hdc, &rect, brush);
}

CPaintDC::CPaintDC(HWND window) : window(window) { hdc = ::BeginPaint(window, &ps); }

CPaintDC::~CPaintDC() {
    ::EndPaint(window, &ps);
    hdc = nullptr;
}

SelectGuard::SelectGuard(CDC& dc, const CGdiObject& object)
    : dc(dc.GetSafeHdc()), previous(::SelectObject(this->dc, object.GetSafeHandle())) {}
