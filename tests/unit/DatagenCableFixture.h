#pragma once
// Helpers of the cable wiring tests: a cable's connections as groups of contacts that a meter
// finds joined, and the expected groups written out by hand.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CableFolder.h"
#include "wiring/Netlist.h"

using namespace wiring;

using ContactGroup = std::set<std::string>;
using ContactGroups = std::set<ContactGroup>;

// The real source of cable 'number' under data/.
inline CableSource realCable(int number) { return loadCable(std::string(SOURCE_DIR) + "/data", number); }

inline ContactGroups groupsOf(const CableSource& cable) {
    ContactGroups groups;
    for (const std::set<std::string>& g : connectedGroups(cable)) groups.insert(g);
    return groups;
}

inline std::string describe(const ContactGroups& groups) {
    std::string out;
    for (const ContactGroup& g : groups) {
        out += "{";
        for (const std::string& c : g) out += (out.back() == '{' ? "" : " ") + c;
        out += "} ";
    }
    return out;
}

// "S" or "E" and a contact: S("3") -> "S3".
inline std::string S(const std::string& contact) { return "S" + contact; }
inline std::string E(const std::string& contact) { return "E" + contact; }
inline std::string S(int contact) { return S(std::to_string(contact)); }
inline std::string E(int contact) { return E(std::to_string(contact)); }

// The group that holds a contact, or an empty set.
inline ContactGroup groupWith(const ContactGroups& groups, const std::string& contact) {
    for (const ContactGroup& g : groups) {
        if (g.count(contact)) return g;
    }
    return {};
}
