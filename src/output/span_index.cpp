#include "output/span_index.h"

#include <algorithm>
#include <limits>

namespace pv {

void SpanIndex::Clear() {
    std::vector<std::int64_t>().swap(lows_);
    std::vector<std::uint32_t>().swap(ids_);
    std::vector<std::int64_t>().swap(highest_);
    leaves_ = 0;
}

void SpanIndex::Build(std::vector<Span> spans) {
    std::sort(spans.begin(), spans.end(),
              [](const Span& a, const Span& b) { return a.lo != b.lo ? a.lo < b.lo : a.id < b.id; });
    const std::size_t n = spans.size();
    lows_.resize(n);
    ids_.resize(n);
    leaves_ = 1;
    while (leaves_ < n) leaves_ *= 2;
    highest_.assign(2 * leaves_, std::numeric_limits<std::int64_t>::min());
    for (std::size_t i = 0; i < n; ++i) {
        lows_[i] = spans[i].lo;
        ids_[i] = spans[i].id;
        highest_[leaves_ + i] = spans[i].hi;
    }
    for (std::size_t v = leaves_ - 1; v >= 1; --v) highest_[v] = std::max(highest_[2 * v], highest_[2 * v + 1]);
}

void SpanIndex::Query(std::int64_t first, std::int64_t last, std::vector<std::uint32_t>& out) const {
    if (ids_.empty()) return;
    // Only spans starting at or before `last` can reach the window: a prefix
    // of the sorted order.  Of those, the tree leads to the ones ending at or
    // after `first` without looking at the others.
    const std::size_t reach = static_cast<std::size_t>(std::upper_bound(lows_.begin(), lows_.end(), last) - lows_.begin());
    if (reach == 0) return;
    const std::size_t from = out.size();
    struct Node {
        std::size_t v, begin, width;
    };
    Node stack[64];
    int top = 0;
    stack[top++] = {1, 0, leaves_};
    while (top > 0) {
        const Node n = stack[--top];
        if (n.begin >= reach || highest_[n.v] < first) continue;
        if (n.width == 1) {
            out.push_back(ids_[n.begin]);
            continue;
        }
        const std::size_t half = n.width / 2;
        stack[top++] = {2 * n.v + 1, n.begin + half, half};
        stack[top++] = {2 * n.v, n.begin, half};
    }
    std::sort(out.begin() + static_cast<std::ptrdiff_t>(from), out.end());
}

}  // namespace pv
