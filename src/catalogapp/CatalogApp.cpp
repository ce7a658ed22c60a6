#include "catalogapp/CatalogApp.h"

#include <vector>

#include "cables/CableTable.h"
#include "catalogapp/CatalogFrame.h"
#include "framework/FileBytes.h"
#include "resource.h"

ConnectorListFile ReadConnectorListFile(const char* path) {
    ConnectorListFile file;
    const FileBytes bytes = ReadFileBytes(path, MaxConnectorListBytes);
    if (!bytes.ok()) {
        file.error = "The connector list " + std::string(path) + " cannot be read: " + bytes.error +
                     "\n\nStart the connector catalog in the folder that holds the DATA folder.";
        return file;
    }
    ConnectorListReading reading = ParseConnectorList(bytes.bytes);
    if (!reading.ok) {
        file.error = "The connector list " + std::string(path) + " is damaged (" + reading.error +
                     ").\n\nInstall the program's DATA folder again.";
        return file;
    }
    file.list = std::move(reading.list);
    return file;
}

CatalogApp::CatalogApp() : CWinApp(CatalogTitle, IDI_PROGRAM) {}

BOOL CatalogApp::InitInstance() {
    ConnectorListFile file = ReadConnectorListFile(ConnectorListPath);
    if (!file.error.empty()) {
        ::MessageBoxA(nullptr, file.error.c_str(), CatalogTitle, MB_OK | MB_ICONHAND);
        return FALSE;
    }
    auto* frame = new CatalogFrame(std::move(file.list));
    mainWindow = frame;
    frame->ShowWindow(showCommand);
    frame->UpdateWindow();
    return TRUE;
}

bool CatalogApp::PreTranslateMessage(MSG& message) {
    if (!mainWindow || !message.hwnd) return false;
    if (::GetAncestor(message.hwnd, GA_ROOT) != mainWindow->GetSafeHwnd()) return false;
    return mainWindow->TranslateAccelerator(message);
}
