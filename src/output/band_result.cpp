#include "output/band_result.h"

namespace pv {

const char* BandResultText(int result, int language) {
    const bool zh = language == 0;
    switch (result) {
    case kBandOk:
        return zh ? "成功" : "OK";
    case kBandTooManyColumns:
        return zh ? "图形太宽，喷墨数据超出缓冲区" : "The drawing is too wide for the band buffer";
    case kBandSegmentOverflow:
        return zh ? "喷墨数据压缩后超出缓冲区" : "The compressed band does not fit the band buffer";
    case kBandBadParameters:
        return zh ? "喷墨参数错误(脉冲数或喷墨间隔为0)"
                  : "Bad inkjet parameters (carriage pulses or firing interval is 0)";
    case kBandNotPrepared:
        return zh ? "没有可打印的数据" : "No print data prepared";
    case kBandBadSegment:
        return zh ? "喷墨数据格式错误" : "Malformed band data";
    default:
        return zh ? "未知错误" : "Unknown error";
    }
}

}  // namespace pv
