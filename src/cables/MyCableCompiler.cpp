#include "cables/MyCableCompiler.h"

#include "cables/CableTable.h"

wiring::UserCable CompileMyCable(const wiring::SourceText& source, const std::vector<wiring::SourceText>& userConnectors,
                                 const std::vector<wiring::SourceText>& shippedConnectors) {
    static const wiring::CableNames names = CableNamesByNumber();
    return wiring::CompileUserCable(source, userConnectors, shippedConnectors, names);
}
