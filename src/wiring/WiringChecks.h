#pragma once
// The checks that tie a cable's wiring source to its connectors' drawings: signal names, grounds
// and supplies, genders, and the views that position words refer to. Each takes sources that
// are read already and throws DataError ("file:line: message") at the first fault.

#include "wiring/CableSource.h"
#include "wiring/ConnectorSource.h"

namespace wiring {

// The pinout drawing each end follows: the one the cable table pairs with it, or the one the
// source names with 'pinouts'; null where the end has none.
struct EndPinouts {
    const ConnectorSource* start = nullptr;
    const ConnectorSource* end = nullptr;

    const ConnectorSource* of(Side side) const { return side == Side::Start ? start : end; }
};

// Every signal name of a wire or jumper agrees with its contact's row of that end's pinout
// drawing, allowing direction words and the source's aliases.
void checkSignalNames(const CableSource& cable, const EndPinouts& pinouts);

// Every contact that a pinout row names as a ground, a shield or a supply is wired or listed
// with 'free' and a reason; every plug of a branched end is checked on its own.
void checkReturnsAndSupplies(const CableSource& cable, const EndPinouts& pinouts);

// Both ends state their gender, and each heading says it.
void checkGenders(const CableSource& cable);

// A note that places a contact by left, right, top or bottom names the view it is seen from.
void checkViewWords(const CableSource& cable);

// No wire, jumper or continuity pair ends on a contact that the end's pinout drawing marks as
// the key or leaves out.
void checkKeyContacts(const CableSource& cable, const EndPinouts& pinouts);

// The 'cable' notes offer at least as many cores as the wiring needs (see CoreCount.h).
void checkCoreCount(const CableSource& cable);

// A 'cable' note that offers a shield or screen has one wired: a 'shield' line, a 'free' shield
// contact with its reason, or, for screened cores and coax, the grounds their screens carry. A
// note or reason that says there is no shield refuses a 'shield' line and any offer.
void checkShieldOffers(const CableSource& cable);

// All of them, in that order.
void checkWiring(const CableSource& cable, const EndPinouts& pinouts);

}  // namespace wiring
