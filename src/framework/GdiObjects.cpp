#include "framework/GdiObjects.h"

#include "framework/WinApp.h"

namespace {
long liveObjects = 0;
}

long LiveGdiObjects() { return liveObjects; }

namespace gdi_count {
void acquired() { ++liveObjects; }
void released() { --liveObjects; }
}  // namespace gdi_count

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept {
    if (this != &other) {
        DeleteObject();
        handle = other.handle;
        other.handle = nullptr;
    }
    return *this;
}

bool CGdiObject::Attach(HGDIOBJ object) {
    DeleteObject();
    handle = object;
    if (handle) gdi_count::acquired();
    return handle != nullptr;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ detached = handle;
    if (handle) gdi_count::released();
    handle = nullptr;
    return detached;
}

bool CGdiObject::DeleteObject() {
    if (!handle) return false;
    bool deleted = ::DeleteObject(handle) != 0;
    gdi_count::released();
    handle = nullptr;
    return deleted;
}

bool CBitmap::LoadBitmap(const char* resourceName) {
    return Attach(::LoadBitmapA(ProgramInstance(), resourceName));
}

SIZE CBitmap::GetSize() const {
    BITMAP info{};
    if (handle) ::GetObjectA(handle, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

MetafileHandle::MetafileHandle(const std::uint8_t* bytes, std::size_t size)
    : handle(size > 0 ? ::SetMetaFileBitsEx(static_cast<UINT>(size), bytes) : nullptr) {
    if (handle) gdi_count::acquired();
}

MetafileHandle::~MetafileHandle() {
    if (handle) {
        ::DeleteMetaFile(handle);
        gdi_count::released();
    }
}
