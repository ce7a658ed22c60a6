#pragma once
// The one owner of a kernel handle: a file, a process or thread, a file search. Move-only; the
// handle is released when its owner goes. Both null and INVALID_HANDLE_VALUE mean "none", since
// CreateFile answers the one and CreateProcess's handles the other.

#include <windows.h>

#include <utility>

template <BOOL(WINAPI* release)(HANDLE)>
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(HANDLE handle) : handle(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle, nullptr));
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { reset(); }

    bool valid() const { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle; }
    // Releases the handle held, if any, and takes `next`.
    void reset(HANDLE next = nullptr) {
        if (valid()) release(handle);
        handle = next;
    }

private:
    HANDLE handle = nullptr;
};

using ScopedHandle = OwnedHandle<::CloseHandle>;  // files, processes, threads
using FindHandle = OwnedHandle<::FindClose>;      // FindFirstFile's searches
