#include "framework/ListBox.h"

#include <vector>

std::string CListBox::GetText(int row) {
    LRESULT length = SendMessage(LB_GETTEXTLEN, row);
    if (length < 0) return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    SendMessage(LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data());
}
