#include "wiring/ConnectorSet.h"

namespace wiring {

namespace {
const ConnectorSource* find(const std::map<int, ConnectorSource>& sources, int number) {
    auto found = sources.find(number);
    return found == sources.end() ? nullptr : &found->second;
}
}  // namespace

const ConnectorSource* ConnectorSet::plug(int number) const { return find(plugs, number); }

const ConnectorSource* ConnectorSet::pinout(int number) const { return find(pinouts, number); }

void addConnectors(ConnectorSet& set, const std::vector<ConnectorText>& files) {
    for (const ConnectorText& file : files) {
        if (file.kind != ConnectorKind::Plug) continue;
        set.plugs.emplace(file.number, parseConnector(splitSourceText(file.text, file.shown), ConnectorKind::Plug,
                                                      file.number, file.shown, nullptr));
    }
    const PlugLookup lookup = [&set](int number) { return set.plug(number); };
    for (const ConnectorText& file : files) {
        if (file.kind != ConnectorKind::Pinouts) continue;
        set.pinouts.emplace(file.number, parseConnector(splitSourceText(file.text, file.shown), ConnectorKind::Pinouts,
                                                        file.number, file.shown, lookup));
    }
}

}  // namespace wiring
