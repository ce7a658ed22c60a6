#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resource.h"

namespace {
std::string versionString(const void* block, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!::VerQueryValueA(block, path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return "";
    return value;
}

SIZE bitmapSize(const char* name) {
    HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), name);
    BITMAP info{};
    if (bitmap) ::GetObjectA(bitmap, sizeof info, &info);
    ::DeleteObject(bitmap);
    return SIZE{info.bmWidth, info.bmHeight};
}
}  // namespace

TEST(Resources, VersionIsOnePointZeroFourCableMakingGuide) {
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(VS_VERSION_INFO), MAKEINTRESOURCEA(16));
    ASSERT_NE(found, nullptr);
    const void* block = ::LockResource(::LoadResource(nullptr, found));
    EXPECT_EQ(versionString(block, "FileVersion"), "1.04");
    EXPECT_EQ(versionString(block, "ProductVersion"), "1.04");
    EXPECT_EQ(versionString(block, "FileDescription"), "Cable-making guide");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(block, "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00040000u);
}

TEST(Resources, ManifestAsksForNoAdministratorRightsAndPerMonitorDpiAwareness) {
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(nullptr, found))),
                         ::SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
}

TEST(Resources, BitmapsHaveTheirSizes) {
    struct Expected {
        const char* name;
        int w, h;
    } bitmaps[] = {{MAKEINTRESOURCEA(IDB_START_PICTURE), 400, 300}, {MAKEINTRESOURCEA(IDB_LOGO), 120, 40},
                   {"OK_UP", 47, 47}, {"OK_DOWN", 47, 47}, {"NO_UP", 47, 47}, {"NO_DOWN", 47, 47},
                   {"OK_UP_2", 40, 40}, {"OK_DOWN_2", 40, 40}, {"NO_UP_2", 40, 40}, {"NO_DOWN_2", 40, 40},
                   {"F1_UP", 40, 40}, {"F10_DOWN", 40, 40}};
    for (const Expected& bitmap : bitmaps) {
        SIZE size = bitmapSize(bitmap.name);
        EXPECT_EQ(size.cx, bitmap.w);
        EXPECT_EQ(size.cy, bitmap.h);
    }
    for (int key = 1; key <= 10; ++key) {
        for (const char* state : {"_UP", "_DOWN"}) {
            std::string name = "F" + std::to_string(key) + state;
            EXPECT_EQ(bitmapSize(name.c_str()).cx, 40) << name;
        }
    }
    EXPECT_NE(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM)), nullptr);
}
