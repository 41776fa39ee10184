#pragma once
// The label reader's narrow code page is GB2312 (EUC-CN): ASCII bytes for
// Latin text, byte pairs of 0xA1..0xFE for Chinese.  Text typed by the
// operator arrives as UTF-8 and is converted character by character.
#include <cstdint>
#include <string>
#include <string_view>

namespace pv {

struct Gb2312Text {
    std::string bytes;
    // Characters GB2312 cannot hold (and malformed UTF-8); each became "?".
    std::int32_t replaced = 0;
};

Gb2312Text Utf8ToGb2312(std::string_view utf8);

// Back again, for showing a stored label; bytes that are not GB2312 become
// U+FFFD.
std::string Gb2312ToUtf8(std::string_view gb);

}  // namespace pv
