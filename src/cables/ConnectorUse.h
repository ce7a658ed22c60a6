#pragma once
// Which cables of the catalog use a connector, and with which pinout drawings. Only rows in use
// count. No windows.h here.

#include <vector>

// The pinout numbers the catalog pairs with connector `plug`: the startPinouts of every row whose
// startPlug it is and the endPinouts of every row whose endPlug it is; ascending, each once.
std::vector<int> PinoutsUsedWith(int plug);

// The cable numbers whose start or end is connector `plug` with pinout `pinouts`, ascending.
std::vector<int> CablesUsing(int plug, int pinouts);
