#pragma once
// Prints the connector shown: the system printer dialog, then one page with the connector's name,
// the pinout shown, and the two drawings side by side, as the document "Strandor! connector catalog".

#include <string>

#include "datafiles/ConnectorList.h"
#include "framework/Dc.h"
#include "framework/Wnd.h"

// `pinout` -1: the connector has no pinout drawing, only the connector drawing is printed.
void PrintConnector(CWnd* owner, const ConnectorEntry& entry, int pinout, const std::string& pinoutName);

// The page itself, on a printer DC the caller has.
void PrintConnectorPage(CWnd* owner, const ConnectorEntry& entry, int pinout, const std::string& pinoutName,
                        CDC& printer);
