// Joining of curves whose ends meet: JoinTouching (list neighbours whose ends
// coincide) and JoinNear (any later curve whose end lies within a tolerance).
#include <algorithm>
#include <cstdlib>
#include <deque>
#include <limits>
#include <tuple>

#include "geometry/one_page.h"

namespace pv {

namespace {

bool Touches(const CCurve& a, const CCurve& b) {
    return a.kind == b.kind && !a.points.empty() && !b.points.empty() && !a.IsNotch() &&
           !b.IsNotch() && a.points.back() == b.points.front();
}

// The points of the growing curve of JoinNear.  Reversing only flips the
// reading direction and appending goes to whichever physical end is the
// logical end, so a curve that is reversed thousands of times while it grows
// costs no more than one that is not.
class Chain {
public:
    explicit Chain(const std::vector<Point>& pts) : d_(pts.begin(), pts.end()) {}
    Point Front() const { return rev_ ? d_.back() : d_.front(); }
    Point Back() const { return rev_ ? d_.front() : d_.back(); }
    void Reverse() { rev_ = !rev_; }
    void Append(const Point& p) {
        if (rev_) d_.push_front(p);
        else d_.push_back(p);
    }
    void MoveTo(std::vector<Point>& out) const {
        if (rev_) out.assign(d_.rbegin(), d_.rend());
        else out.assign(d_.begin(), d_.end());
    }

private:
    std::deque<Point> d_;
    bool rev_ = false;
};

// Finds, for the curve being grown, the first later curve in list order that
// JoinNear would join.  The ends of every candidate are filed in square
// cells of 32 tolerances, so only the one to four cells that a tolerance
// square around each end of the grown curve touches are looked at.  The
// answer is the same as a scan of the whole list.
class EndIndex {
public:
    EndIndex(const std::vector<CCurve>& curves, const std::vector<char>& eligible,
             std::int64_t tolerance)
        : t_(tolerance), cell_(32 * (tolerance + 1)), ends_(curves.size()) {
        for (std::size_t j = 0; j < curves.size(); ++j) {
            if (!eligible[j]) continue;
            ends_[j] = {curves[j].points.front(), curves[j].points.back()};
            const std::int32_t idx = static_cast<std::int32_t>(j);
            entries_.push_back({curves[j].kind, Key(ends_[j].s), idx});
            if (Key(ends_[j].e) != Key(ends_[j].s)) entries_.push_back({curves[j].kind, Key(ends_[j].e), idx});
        }
        std::sort(entries_.begin(), entries_.end());
        BuildCellTable();
    }

    bool Near(const Point& a, const Point& b) const {
        return std::llabs(std::int64_t{a.x} - b.x) <= t_ && std::llabs(std::int64_t{a.y} - b.y) <= t_;
    }

    // First index after `after` of a live curve of `kind` with an end near a
    // or b; `none` when there is none.
    std::size_t FirstPartner(std::size_t after, std::int32_t kind, const Point& a, const Point& b,
                             const std::vector<char>& alive, std::size_t none) const {
        std::size_t best = none;
        std::uint64_t seen[8];
        int nSeen = 0;
        for (const Point& q : {a, b}) {
            for (std::int64_t ix = FloorDiv(q.x - t_); ix <= FloorDiv(q.x + t_); ++ix) {
                for (std::int64_t iy = FloorDiv(q.y - t_); iy <= FloorDiv(q.y + t_); ++iy) {
                    const std::uint64_t key = Pack(ix, iy);
                    if (std::find(seen, seen + nSeen, key) != seen + nSeen) continue;
                    seen[nSeen++] = key;
                    best = ScanCell(key, after, kind, a, b, alive, best);
                }
            }
        }
        return best;
    }

private:
    struct Ends {
        Point s, e;
    };
    struct Entry {
        std::int32_t kind;
        std::uint64_t key;
        std::int32_t index;
        friend bool operator<(const Entry& l, const Entry& r) {
            return std::tie(l.kind, l.key, l.index) < std::tie(r.kind, r.key, r.index);
        }
    };
    // The entries of one cell of one kind: entries_[begin, end).
    struct Cell {
        std::uint64_t key = 0;
        std::int32_t kind = 0;
        std::uint32_t begin = 0, end = 0;   // end 0: free slot
    };

    std::int64_t FloorDiv(std::int64_t v) const {
        const std::int64_t q = v / cell_;
        return (v % cell_ != 0 && v < 0) ? q - 1 : q;
    }
    static std::uint64_t Pack(std::int64_t cx, std::int64_t cy) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(cx)) << 32) |
               static_cast<std::uint32_t>(cy);
    }
    std::uint64_t Key(const Point& p) const { return Pack(FloorDiv(p.x), FloorDiv(p.y)); }

    static std::size_t Hash(std::int32_t kind, std::uint64_t key) {
        std::uint64_t h = key ^ (static_cast<std::uint64_t>(static_cast<std::uint32_t>(kind)) * 0x9E3779B97F4A7C15ull);
        h ^= h >> 31;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 29;
        return static_cast<std::size_t>(h);
    }

    // Open addressing over the groups of the sorted entries, so that a look
    // at an empty cell costs one probe.
    void BuildCellTable() {
        std::size_t size = 16;
        while (size < 2 * entries_.size()) size *= 2;
        cells_.assign(size, Cell{});
        for (std::size_t b = 0; b < entries_.size();) {
            std::size_t e = b + 1;
            while (e < entries_.size() && entries_[e].kind == entries_[b].kind && entries_[e].key == entries_[b].key) ++e;
            std::size_t slot = Hash(entries_[b].kind, entries_[b].key) & (size - 1);
            while (cells_[slot].end != 0) slot = (slot + 1) & (size - 1);
            cells_[slot] = {entries_[b].key, entries_[b].kind, static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(e)};
            b = e;
        }
    }

    const Cell* FindCell(std::int32_t kind, std::uint64_t key) const {
        const std::size_t mask = cells_.size() - 1;
        for (std::size_t slot = Hash(kind, key) & mask; cells_[slot].end != 0; slot = (slot + 1) & mask)
            if (cells_[slot].key == key && cells_[slot].kind == kind) return &cells_[slot];
        return nullptr;
    }

    bool Joinable(std::size_t j, const Point& a, const Point& b) const {
        const Ends& x = ends_[j];
        return Near(b, x.s) || Near(a, x.s) || Near(b, x.e) || Near(a, x.e);
    }

    std::size_t ScanCell(std::uint64_t key, std::size_t after, std::int32_t kind, const Point& a,
                         const Point& b, const std::vector<char>& alive, std::size_t best) const {
        const Cell* cell = FindCell(kind, key);
        if (cell == nullptr) return best;
        const auto first = entries_.begin() + cell->begin;
        const auto last = entries_.begin() + cell->end;
        const Entry lo{kind, key, static_cast<std::int32_t>(after + 1)};
        for (auto it = std::lower_bound(first, last, lo); it != last; ++it) {
            const auto j = static_cast<std::size_t>(it->index);
            if (j >= best) break;
            if (alive[j] && Joinable(j, a, b)) return j;
        }
        return best;
    }

    std::int64_t t_;
    std::int64_t cell_;
    std::vector<Ends> ends_;
    std::vector<Entry> entries_;
    std::vector<Cell> cells_;
};

}  // namespace

void COnePage::JoinTouching() {
    if (curves.size() < 2) return;
    // One pass that compacts the list: curve w grows for as long as the
    // curve after it continues it, which is what joining each neighbour in
    // turn and removing it gives.
    std::size_t w = 0;
    for (std::size_t j = 1; j < curves.size(); ++j) {
        if (Touches(curves[w], curves[j])) {
            const auto& more = curves[j].points;
            curves[w].points.insert(curves[w].points.end(), more.begin() + 1, more.end());
        } else if (++w != j) {
            curves[w] = std::move(curves[j]);
        }
    }
    curves.resize(w + 1);
}

void COnePage::JoinNear(std::int32_t tolerance, Edition edition) {
    if (!IsFourHead(edition) && curves.size() > 8000) return;
    if (tolerance < 0 || curves.size() < 2) return;   // no two points are near
    const std::size_t n = curves.size();
    if (n > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return;

    // A curve's ends are only read while it is a candidate, and a candidate
    // is never changed before it is grown itself, so "closed" (ends near,
    // more than 3 points) is decided once for every curve.
    std::vector<char> eligible(n, 0);
    std::vector<char> alive(n, 1);
    const std::int64_t t = tolerance;
    auto near = [t](const Point& a, const Point& b) {
        return std::llabs(std::int64_t{a.x} - b.x) <= t && std::llabs(std::int64_t{a.y} - b.y) <= t;
    };
    for (std::size_t j = 0; j < n; ++j) {
        const CCurve& c = curves[j];
        if (c.points.empty() || c.IsNotch()) continue;
        const bool closed = c.points.size() > 3 && near(c.points.front(), c.points.back());
        eligible[j] = !closed;
    }
    const EndIndex index(curves, eligible, t);

    bool anyJoined = false;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (!alive[i] || !eligible[i]) continue;
        CCurve& p = curves[i];
        Point a = p.points.front();
        Point b = p.points.back();
        std::size_t j = index.FirstPartner(i, p.kind, a, b, alive, n);
        if (j >= n) continue;
        Chain chain(p.points);
        while (j < n) {
            const std::vector<Point>& sp = curves[j].points;
            const Point s = sp.front(), e = sp.back();
            bool backward = false;   // s is taken from its end to its start
            if (near(b, s)) {
            } else if (near(a, s)) {
                chain.Reverse();
            } else if (near(b, e)) {
                backward = true;
            } else {
                chain.Reverse();
                backward = true;
            }
            if (backward) {
                for (std::size_t k = sp.size() - 1; k-- > 0;) chain.Append(sp[k]);
            } else {
                for (std::size_t k = 1; k < sp.size(); ++k) chain.Append(sp[k]);
            }
            alive[j] = 0;
            std::vector<Point>().swap(curves[j].points);
            a = chain.Front();
            b = chain.Back();
            j = index.FirstPartner(i, p.kind, a, b, alive, n);
        }
        chain.MoveTo(p.points);
        anyJoined = true;
    }
    if (!anyJoined) return;
    std::size_t w = 0;
    for (std::size_t j = 0; j < n; ++j) {
        if (!alive[j]) continue;
        if (w != j) curves[w] = std::move(curves[j]);
        ++w;
    }
    curves.resize(w);
}

}  // namespace pv
