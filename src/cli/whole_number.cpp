#include "cli/whole_number.h"

#include <charconv>
#include <system_error>

namespace pv::cli {

WholeNumber ParseWholeNumber(std::string_view text, long long lo, long long hi, long long& value) {
    if (text.empty()) return WholeNumber::Malformed;
    long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (end != text.data() + text.size()) return WholeNumber::Malformed;
    // from_chars consumed every digit but the value does not fit 64 bits.
    if (ec == std::errc::result_out_of_range) return WholeNumber::OutOfRange;
    if (ec != std::errc()) return WholeNumber::Malformed;
    if (v < lo || v > hi) return WholeNumber::OutOfRange;
    value = v;
    return WholeNumber::Ok;
}

}  // namespace pv::cli
