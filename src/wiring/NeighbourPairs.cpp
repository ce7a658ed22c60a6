#include "wiring/NeighbourPairs.h"

#include <cmath>
#include <cstddef>

namespace wiring {

namespace {

struct Direction {
    double x;
    double y;
};

Direction between(Point from, Point to) { return {double(to.x) - from.x, double(to.y) - from.y}; }

// The cosine of the angle between two directions; 1 where one of them has no length.
double cosine(Direction a, Direction b) {
    const double la = std::hypot(a.x, a.y);
    const double lb = std::hypot(b.x, b.y);
    if (la == 0 || lb == 0) return 1;
    return (a.x * b.x + a.y * b.y) / (la * lb);
}

// A third contact stands between two when it sees them at a right angle or wider, that is when it
// lies in the circle through both (89 degrees, so that a contact on that circle counts: the one
// between two others on the ring of a DIN plug). The next contact of a neighbouring row sees
// them at less (74 degrees on a DB-25, 71 on an HD-15), and so does a contact beside a far one.
constexpr double BetweenCosine = 0.0175;
// Steps of one straight row turn by less than 20 degrees.
constexpr double InLineCosine = 0.94;

bool sideBySide(const Face& face, std::size_t a, std::size_t b) {
    const Point pa = face.contacts[a].at;
    const Point pb = face.contacts[b].at;
    for (std::size_t c = 0; c < face.contacts.size(); ++c) {
        if (c == a || c == b) continue;
        const Point pc = face.contacts[c].at;
        if (cosine(between(pc, pa), between(pc, pb)) <= BetweenCosine) return false;
    }
    return true;
}

struct Edge {
    std::size_t a;
    std::size_t b;
    bool used = false;
    std::size_t other(std::size_t end) const { return end == a ? b : a; }
    bool touches(std::size_t end) const { return a == end || b == end; }
};

// Orders the edges into chains: straight rows of three steps or more first, then walks through
// what is left, each walk going on as straight as it can.
class Chains {
public:
    Chains(const Face& face, std::vector<Edge> edges) : face(face), edges(std::move(edges)) {}

    std::vector<ContactPair> walk() {
        for (std::size_t i = 0; i < face.contacts.size(); ++i) straightRowsFrom(i);
        while (true) {
            const std::size_t start = walkStart();
            if (start == face.contacts.size()) break;
            walkFrom(start);
        }
        return pairs;
    }

private:
    const Face& face;
    std::vector<Edge> edges;
    std::vector<ContactPair> pairs;

    Direction step(std::size_t from, std::size_t to) const { return between(face.contacts[from].at, face.contacts[to].at); }

    // The unused edges at a contact, by the face's order of their other ends.
    std::vector<std::size_t> unusedAt(std::size_t contact) const {
        std::vector<std::size_t> found;
        for (std::size_t e = 0; e < edges.size(); ++e)
            if (!edges[e].used && edges[e].touches(contact)) found.push_back(e);
        return found;
    }

    void take(std::size_t e, std::size_t from) {
        edges[e].used = true;
        pairs.emplace_back(face.contacts[from].id, face.contacts[edges[e].other(from)].id);
    }

    // The unused edge at `at` that goes on in line with `direction`, or edges.size().
    std::size_t inLineAt(std::size_t at, Direction direction, const std::vector<std::size_t>& taken) const {
        for (std::size_t e : unusedAt(at)) {
            bool inPath = false;
            for (std::size_t t : taken) inPath = inPath || t == e;
            if (!inPath && cosine(direction, step(at, edges[e].other(at))) > InLineCosine) return e;
        }
        return edges.size();
    }

    void straightRowsFrom(std::size_t first) {
        for (std::size_t e : unusedAt(first)) {
            if (edges[e].used) continue;
            const Direction out = step(first, edges[e].other(first));
            // A row is walked from its end: skip when another edge comes into `first` along it.
            if (inLineAt(first, {-out.x, -out.y}, {e}) != edges.size()) continue;
            std::vector<std::size_t> path{e};
            std::size_t at = edges[e].other(first);
            Direction direction = out;
            for (std::size_t next; (next = inLineAt(at, direction, path)) != edges.size();) {
                path.push_back(next);
                const std::size_t to = edges[next].other(at);
                direction = step(at, to);
                at = to;
            }
            if (path.size() < 3) continue;
            std::size_t from = first;
            for (std::size_t p : path) {
                take(p, from);
                from = edges[p].other(from);
            }
        }
    }

    // A contact with an odd number of edges left ends a chain: start there, else anywhere.
    std::size_t walkStart() const {
        std::size_t any = face.contacts.size();
        for (std::size_t i = 0; i < face.contacts.size(); ++i) {
            const std::size_t left = unusedAt(i).size();
            if (left % 2 == 1) return i;
            if (left > 0 && any == face.contacts.size()) any = i;
        }
        return any;
    }

    void walkFrom(std::size_t at) {
        bool first = true;
        Direction direction{0, 0};
        while (true) {
            const std::vector<std::size_t> open = unusedAt(at);
            if (open.empty()) return;
            std::size_t best = open.front();
            if (!first) {
                for (std::size_t e : open)
                    if (cosine(direction, step(at, edges[e].other(at))) > cosine(direction, step(at, edges[best].other(at))))
                        best = e;
            } else {
                for (std::size_t e : open)
                    if (edges[e].other(at) < edges[best].other(at)) best = e;
            }
            const std::size_t to = edges[best].other(at);
            take(best, at);
            direction = step(at, to);
            at = to;
            first = false;
        }
    }
};

}  // namespace

std::vector<ContactPair> neighbourPairs(const Face& face, const ContactFilter& takesPart, const PairFilter& mayAsk) {
    std::vector<Edge> edges;
    const std::size_t count = face.contacts.size();
    for (std::size_t a = 0; a < count; ++a) {
        if (!takesPart(face.contacts[a].id)) continue;
        for (std::size_t b = a + 1; b < count; ++b) {
            if (!takesPart(face.contacts[b].id) || !mayAsk(face.contacts[a].id, face.contacts[b].id)) continue;
            if (sideBySide(face, a, b)) edges.push_back({a, b});
        }
    }
    return Chains(face, std::move(edges)).walk();
}

}  // namespace wiring
