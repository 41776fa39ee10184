// Converting the operator's label text to the reader's GB2312 bytes.
#include <gtest/gtest.h>

#include "import/gb2312_codec.h"

namespace pv {
namespace {

TEST(Gb2312Codec, ConvertsCharacterByCharacterAndMarksWhatItCannotHold) {
    const struct {
        const char* name;
        std::string utf8;
        std::string gb;
        int replaced;
    } table[] = {
        {"ascii", "A-12 x", "A-12 x", 0},
        {"chinese", "\xE5\x89\x8D\xE7\x89\x87", "\xC7\xB0\xC6\xAC", 0},              // 前片
        {"mixed", "S\xE7\xA0\x81", "S\xC2\xEB", 0},                                   // S码
        {"emoji", "A\xF0\x9F\x98\x80" "B", "A?B", 1},                                 // U+1F600
        {"traditional only", "\xE9\xBE\x9C", "?", 1},                                  // 龜
        {"euro sign", "\xE2\x82\xAC" "5", "?5", 1},
        {"malformed utf-8", "a\xC3(b\xFF", "a?(b?", 2},
        {"line break kept", "L1\r\nL2", "L1\r\nL2", 0},
    };
    for (const auto& t : table) {
        const Gb2312Text r = Utf8ToGb2312(t.utf8);
        EXPECT_EQ(r.bytes, t.gb) << t.name;
        EXPECT_EQ(r.replaced, t.replaced) << t.name;
    }
}

TEST(Gb2312Codec, DecodesStoredLabelsBack) {
    EXPECT_EQ(Gb2312ToUtf8("\xC7\xB0\xC6\xAC" "A"), "\xE5\x89\x8D\xE7\x89\x87" "A");
    // A lone lead byte at the end shows as the replacement character.
    EXPECT_EQ(Gb2312ToUtf8("A\xC7"), "A\xEF\xBF\xBD");
}

}  // namespace
}  // namespace pv
