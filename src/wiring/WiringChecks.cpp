#include "wiring/WiringChecks.h"

namespace wiring {

void checkWiring(const CableSource& cable, const EndPinouts& pinouts) {
    checkSignalNames(cable, pinouts);
    checkKeyContacts(cable, pinouts);
    checkReturnsAndSupplies(cable, pinouts);
    checkGenders(cable);
    checkViewWords(cable);
    checkCoreCount(cable);
    checkShieldOffers(cable);
}

}  // namespace wiring
