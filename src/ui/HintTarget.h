#pragma once
// Where the windows under the pointer send their hints: the main window's status line.

#include <string>

class HintTarget {
public:
    // Shows `text` when the hint comes from another source than the last one; hintId names the source.
    virtual void ShowHint(int hintId, const std::string& text) = 0;

protected:
    ~HintTarget() = default;
};
