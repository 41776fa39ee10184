#include "output/segment_buffer.h"

namespace pv {

SegmentBuffer::SegmentBuffer(std::size_t capacity) : bytes_(capacity, 0) {}

}  // namespace pv
