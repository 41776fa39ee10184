#pragma once
// Which of many spans along one axis reach into a window of that axis: the
// curves a cut segment or an inkjet band has to visit.  Built once per
// print; each question costs the logarithm of the span count per span it
// finds, so a long marker's windows together cost n·log n, not n per window.
#include <cstdint>
#include <vector>

namespace pv {

class SpanIndex {
public:
    struct Span {
        std::int64_t lo = 0, hi = 0;   // both ends belong to the span; lo <= hi
        std::uint32_t id = 0;          // the caller's number (a curve's place in its page)
    };

    // Replaces the spans.
    void Build(std::vector<Span> spans);
    void Clear();
    std::size_t Size() const { return ids_.size(); }

    // Appends the ids of every span with lo <= last and hi >= first to `out`,
    // in increasing order of id.
    void Query(std::int64_t first, std::int64_t last, std::vector<std::uint32_t>& out) const;

private:
    // The spans sorted by their low end; a binary tree over that order keeps
    // the highest high end below each node (leaves_ leaves, root at 1).
    std::vector<std::int64_t> lows_;
    std::vector<std::uint32_t> ids_;
    std::vector<std::int64_t> highest_;
    std::size_t leaves_ = 0;
};

}  // namespace pv
