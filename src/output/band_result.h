#pragma once
// Results of building and decoding bands.  A band that cannot be built
// fails the job; nothing is written past a buffer.
namespace pv {

inline constexpr int kBandOk = 0;
inline constexpr int kBandTooManyColumns = -1;    // ColumnCount + M beyond the 26,000 rows
inline constexpr int kBandSegmentOverflow = -2;   // compressed band beyond the SegmentBuffer
inline constexpr int kBandBadParameters = -3;     // no firing interval or carriage pulses
inline constexpr int kBandNotPrepared = -4;       // no page or column count for the band
inline constexpr int kBandBadSegment = -5;        // decoder: the bytes are not a band

// The message for a result, Chinese when `language` is 0, else English.
const char* BandResultText(int result, int language);

}  // namespace pv
