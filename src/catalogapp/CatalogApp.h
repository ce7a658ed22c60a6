#pragma once
// The connector catalog program's application object: reads the connector list, opens the window.

#include <string>

#include "datafiles/ConnectorList.h"
#include "framework/WinApp.h"

class CatalogApp : public CWinApp {
public:
    CatalogApp();
    ~CatalogApp() override = default;

    // A list that cannot be read or is damaged: a message, and the program ends (FALSE).
    BOOL InitInstance() override;
    // Keys reach the window's accelerators only while it is the active top window, so Enter, Tab
    // and Esc in the printer dialog or a message box stay theirs.
    bool PreTranslateMessage(MSG& message) override;
};

// The list from DATA\MISC\CONNECT.LST; when it cannot be read or is damaged, `error` says so in
// words for the user.
struct ConnectorListFile {
    ConnectorList list;
    std::string error;
};
ConnectorListFile ReadConnectorListFile(const char* path);
