#include "import/chain_joiner.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace pv {

namespace {

bool Near(const Point& a, const Point& b, std::int64_t t) {
    return std::llabs(std::int64_t{a.x} - b.x) <= t && std::llabs(std::int64_t{a.y} - b.y) <= t;
}

// The ends of the parts in cells of the tolerance's size, so that a search
// looks at the nine cells around a point instead of every part.
class EndGrid {
public:
    EndGrid(const std::vector<Polyline>& parts, std::int64_t tolerance)
        : parts_(parts), cell_(std::max<std::int64_t>(tolerance, 1)), tolerance_(tolerance) {
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (parts[i].empty()) continue;
            cells_[Key(parts[i].front())].push_back(i);
            if (parts[i].size() > 1) cells_[Key(parts[i].back())].push_back(i);
        }
    }

    // An unused part with an end near `p`, and whether that end is its last
    // point; parts.size() when none.
    std::size_t Find(const Point& p, const std::vector<char>& used, bool& atBack) const {
        const std::int64_t cx = Cell(p.x), cy = Cell(p.y);
        std::size_t best = parts_.size();
        for (std::int64_t dx = -1; dx <= 1; ++dx) {
            for (std::int64_t dy = -1; dy <= 1; ++dy) {
                auto it = cells_.find(Pack(cx + dx, cy + dy));
                if (it == cells_.end()) continue;
                for (std::size_t i : it->second) {
                    if (used[i] || i >= best) continue;   // the earliest part wins
                    if (Near(parts_[i].front(), p, tolerance_)) {
                        best = i;
                        atBack = false;
                    } else if (Near(parts_[i].back(), p, tolerance_)) {
                        best = i;
                        atBack = true;
                    }
                }
            }
        }
        return best;
    }

private:
    std::int64_t Cell(std::int32_t v) const {
        const std::int64_t q = v / cell_;
        return (v < 0 && v % cell_ != 0) ? q - 1 : q;
    }
    static std::uint64_t Pack(std::int64_t x, std::int64_t y) {
        return (static_cast<std::uint64_t>(x) << 32) ^ (static_cast<std::uint64_t>(y) & 0xffffffffu);
    }
    std::uint64_t Key(const Point& p) const { return Pack(Cell(p.x), Cell(p.y)); }

    const std::vector<Polyline>& parts_;
    std::int64_t cell_;
    std::int64_t tolerance_;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> cells_;
};

void Append(Polyline& chain, const Polyline& part, bool reversed) {
    if (reversed) {
        chain.insert(chain.end(), part.rbegin() + 1, part.rend());
    } else {
        chain.insert(chain.end(), part.begin() + 1, part.end());
    }
}

}  // namespace

std::vector<Polyline> JoinIntoChains(std::vector<Polyline> parts, std::int32_t tolerance) {
    std::vector<Polyline> chains;
    const EndGrid grid(parts, tolerance);
    std::vector<char> used(parts.size(), 0);
    for (std::size_t start = 0; start < parts.size(); ++start) {
        if (used[start] || parts[start].empty()) continue;
        used[start] = 1;
        Polyline chain = std::move(parts[start]);
        // Grows the chain at its last point while a free part meets it.
        const auto growAtBack = [&] {
            for (bool atBack = false;;) {
                const std::size_t j = grid.Find(chain.back(), used, atBack);
                if (j >= parts.size()) break;
                used[j] = 1;
                Append(chain, parts[j], atBack);
            }
        };
        growAtBack();
        // Backwards from its first point: the chain is turned round, grown
        // at its back and turned again.
        std::reverse(chain.begin(), chain.end());
        growAtBack();
        std::reverse(chain.begin(), chain.end());
        chains.push_back(std::move(chain));
    }
    return chains;
}

bool CloseChain(Polyline& chain, std::int32_t tolerance, bool force) {
    if (chain.size() < 3) return false;
    if (chain.front() == chain.back()) return true;
    if (!force && !Near(chain.front(), chain.back(), tolerance)) return false;
    // The gap is bridged by a last short segment: no point of the chain moves.
    chain.push_back(chain.front());
    return true;
}

}  // namespace pv
