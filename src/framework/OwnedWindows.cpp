#include "framework/OwnedWindows.h"

#include <vector>

namespace {
struct OwnedSearch {
    HWND owner;
    std::vector<HWND> found;
};

BOOL CALLBACK collectOwned(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<OwnedSearch*>(search);
    if (::GetWindow(window, GW_OWNER) == s->owner && ::IsWindowVisible(window)) s->found.push_back(window);
    return TRUE;
}
}  // namespace

void RaiseOwnedWindows(HWND owner) {
    OwnedSearch search{owner, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), collectOwned, reinterpret_cast<LPARAM>(&search));
    // Enumeration runs from the top down: raising the lowest first keeps their own order.
    for (auto window = search.found.rbegin(); window != search.found.rend(); ++window)
        ::SetWindowPos(*window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
