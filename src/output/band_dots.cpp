#include "output/band_dots.h"

#include <algorithm>
#include <bit>

namespace pv {

void BandDots::Reset(int rows, int width) {
    rows_ = std::max(rows, 0);
    width_ = std::max(width, 0);
    wordsPerRow_ = (width_ + 63) / 64;
    bits_.assign(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(wordsPerRow_), 0);
}

bool BandDots::Get(int row, int dot) const {
    if (row < 0 || row >= rows_ || dot < 0 || dot >= width_) return false;
    return ((bits_[index(row, dot)] >> (dot % 64)) & 1u) != 0;
}

bool BandDots::Set(int row, int dot) {
    if (row < 0 || row >= rows_ || dot < 0 || dot >= width_) return false;
    bits_[index(row, dot)] |= std::uint64_t{1} << (dot % 64);
    return true;
}

std::int64_t BandDots::Count() const {
    std::int64_t n = 0;
    for (std::uint64_t w : bits_) n += std::popcount(w);
    return n;
}

}  // namespace pv
