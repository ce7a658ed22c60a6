#pragma once
// The contacts of a face that sit next to each other, where a blob of solder or a stray strand
// most often joins two cups: the same row's neighbours and the next contact in the neighbouring
// row, worked out from where the face puts its contacts, so it holds for any face a source draws.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "wiring/Face.h"

namespace wiring {

using ContactPair = std::pair<std::string, std::string>;

// Whether a contact takes part (a key or a contact the pinout drawing leaves out does not), and
// whether two contacts may be asked at all (the wiring may join them on purpose).
using ContactFilter = std::function<bool(const std::string&)>;
using PairFilter = std::function<bool(const std::string&, const std::string&)>;

// Every two neighbouring contacts that pass the filters, ordered as chains a probe can walk: each
// pair's second contact is the next pair's first wherever the chain goes on (1-2, 2-3, 3-4, then
// 6-7 ...). Straight rows come first, then the zigzags and whatever is left.
std::vector<ContactPair> neighbourPairs(const Face& face, const ContactFilter& takesPart, const PairFilter& mayAsk);

}  // namespace wiring
