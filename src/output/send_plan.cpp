#include "output/send_plan.h"

#include <algorithm>

namespace pv {

StreamOrder::StreamOrder(std::int32_t bandCount, std::int32_t bandsPerCutSegment)
    : bands_(std::max<std::int32_t>(bandCount, 0)), perSegment_(std::max<std::int32_t>(bandsPerCutSegment, 1)) {
    cutSegments_ = static_cast<std::int32_t>((bands_ + perSegment_ - 1) / perSegment_);
}

SendStep StreamOrder::Current() const {
    if (band_ > bands_ && cut_ >= cutSegments_) return {SendStep::Kind::Done, 0};
    if (band_ / perSegment_ <= cut_) return {SendStep::Kind::Band, static_cast<std::int32_t>(band_)};
    return {SendStep::Kind::Cut, static_cast<std::int32_t>(cut_)};
}

void StreamOrder::Advance() {
    const SendStep s = Current();
    if (s.kind == SendStep::Kind::Band) ++band_;
    else if (s.kind == SendStep::Kind::Cut) ++cut_;
}

}  // namespace pv
