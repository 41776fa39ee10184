#pragma once
// A band as dots: rows along the carriage (one per firing column of the
// band's bitmap) by dots along the paper feed.  What the band decoder
// recovers from the machine data.
#include <cstdint>
#include <vector>

namespace pv {

class BandDots {
public:
    void Reset(int rows, int width);
    int Rows() const { return rows_; }
    int Width() const { return width_; }
    bool Get(int row, int dot) const;
    // Outside the band: false, nothing set.
    bool Set(int row, int dot);
    std::int64_t Count() const;

private:
    std::size_t index(int row, int dot) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(wordsPerRow_) +
               static_cast<std::size_t>(dot / 64);
    }
    std::vector<std::uint64_t> bits_;
    int rows_ = 0;
    int width_ = 0;
    int wordsPerRow_ = 0;
};

}  // namespace pv
