#pragma once
// A drawing view of the connector catalog as a screen reader hears it: a graphic with its name,
// the drawing it shows in words (the connector list's, as the guide tells the same drawing) and
// what a double-click does.

#include <string>

#include "drawing/DrawingView.h"
#include "framework/Accessible.h"

class SpokenDrawingView : public DrawingView {
public:
    SpokenDrawingView(const Scale& scale, const int& dpi, std::string spokenName, std::string hint = std::string())
        : DrawingView(scale, dpi), spokenName(std::move(spokenName)), hint(std::move(hint)) {}

    // The drawing in words, told to a listening reader when it changes.
    void SetWords(std::string text) {
        if (text == words) return;
        words = std::move(text);
        if (GetSafeHwnd()) NotifyValueChanged(*this);
    }

    bool describe(AccessibleFacts& facts) const override {
        facts.role = AccessibleRoleGraphic;
        facts.name = spokenName;
        facts.value = words;
        facts.description = hint;
        return true;
    }

private:
    std::string spokenName, hint, words;
};
