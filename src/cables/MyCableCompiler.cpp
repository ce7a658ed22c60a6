#include "cables/MyCableCompiler.h"

wiring::UserCable CompileMyCable(const wiring::SourceText& source, const std::vector<wiring::SourceText>& userConnectors,
                                 const std::vector<wiring::SourceText>& shippedConnectors) {
    return wiring::CompileUserCable(source, userConnectors, shippedConnectors);
}
