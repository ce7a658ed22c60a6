#pragma once
// The one call from the program into the compiler of cable sources: a user's cable source, with the
// connector sources it may name, made into drawings and an index entry. No windows.h here.

#include <vector>

#include "wiring/UserCable.h"

wiring::UserCable CompileMyCable(const wiring::SourceText& source, const std::vector<wiring::SourceText>& userConnectors,
                                 const std::vector<wiring::SourceText>& shippedConnectors);
