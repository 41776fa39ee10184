#pragma once
// Whole numbers given on the command line for parameter fields: a value that
// is a number but lies outside the field's range is one case, however many
// digits it has (a number too long for any integer type is out of range, not
// malformed).
#include <string_view>

namespace pv::cli {

enum class WholeNumber {
    Ok,
    Malformed,    // not an optional '-' followed by decimal digits
    OutOfRange,   // a number outside lo..hi
};

WholeNumber ParseWholeNumber(std::string_view text, long long lo, long long hi, long long& value);

}  // namespace pv::cli
