#include "import/dxf_group_reader.h"

#include <cfloat>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>

#include "settings/regular_file.h"

namespace pv {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view SkipBlanks(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && IsBlank(t[i])) ++i;
    return t.substr(i);
}

}  // namespace

std::int32_t DxfParseInt(std::string_view text) {
    text = SkipBlanks(text);
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t v = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > kLimit) v = kLimit;
    }
    if (negative) return static_cast<std::int32_t>(-v);
    return static_cast<std::int32_t>(v >= kLimit ? kLimit - 1 : v);
}

double DxfParseDouble(std::string_view text) {
    text = SkipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    // Only decimal numbers: no second sign, no "inf" or "nan" from a file.
    if (text.empty() || !((text[0] >= '0' && text[0] <= '9') || text[0] == '.')) return 0.0;
    double v = 0.0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Too large keeps its sign at the largest finite value; too small is 0.
        v = 0.0;
        std::string_view digits = text.substr(0, static_cast<std::size_t>(ptr - text.data()));
        std::size_t e = digits.find_first_of("eE");
        if (e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] != '-') v = DBL_MAX;
    } else if (ec != std::errc()) {
        v = 0.0;
    }
    return negative ? -v : v;
}

double DxfGroup::AsDouble() const { return DxfParseDouble(value); }
std::int32_t DxfGroup::AsInt() const { return DxfParseInt(value); }

DxfGroupReader::~DxfGroupReader() {
    if (file_ != nullptr) std::fclose(file_);
}

bool DxfGroupReader::Open(const std::string& path) {
    // Only a regular file, opened without waiting on a pipe or device.
    RegularFile f;
    if (f.Open(path) != RegularFileResult::Ok) return false;
    file_ = ::fdopen(f.fd(), "rb");
    if (file_ == nullptr) return false;
    f.Release();   // the stream owns the descriptor now
    block_ = std::make_unique<std::uint8_t[]>(kBlockSize);
    data_ = block_.get();
    return true;
}

void DxfGroupReader::OpenMemory(const std::uint8_t* data, std::size_t size) {
    memory_ = true;
    data_ = data;
    size_ = size;
    pos_ = 0;
}

bool DxfGroupReader::Fill() {
    if (memory_ || file_ == nullptr || eof_) return false;
    size_ = std::fread(block_.get(), 1, kBlockSize, file_);
    pos_ = 0;
    if (size_ == 0) {
        failed_ = std::ferror(file_) != 0;
        eof_ = true;
        return false;
    }
    return true;
}

bool DxfGroupReader::ReadLine(std::string& out) {
    out.clear();
    bool any = false;
    for (;;) {
        if (pos_ >= size_ && !Fill()) return any;
        if (skipLf_) {
            skipLf_ = false;
            if (data_[pos_] == '\n') {
                ++pos_;
                continue;
            }
        }
        any = true;
        const std::uint8_t* start = data_ + pos_;
        const std::uint8_t* end = data_ + size_;
        const std::uint8_t* p = start;
        while (p < end && *p != '\r' && *p != '\n') ++p;
        std::size_t n = static_cast<std::size_t>(p - start);
        if (out.size() < kMaxLine) out.append(reinterpret_cast<const char*>(start), std::min(n, kMaxLine - out.size()));
        pos_ += n;
        if (p < end) {
            skipLf_ = *p == '\r';
            ++pos_;
            return true;
        }
    }
}

bool DxfGroupReader::Next(DxfGroup& group) {
    if (steppedBack_ && haveCurrent_) {
        steppedBack_ = false;
        group = current_;
        return true;
    }
    steppedBack_ = false;
    haveCurrent_ = false;
    if (!ReadLine(codeLine_) || !ReadLine(valueLine_)) {
        ended_ = true;
        return false;
    }
    // Values are C strings: a NUL ends them.
    std::size_t nul = valueLine_.find('\0');
    std::string_view value(valueLine_);
    if (nul != std::string::npos) value = value.substr(0, nul);
    current_.code = DxfParseInt(codeLine_);
    current_.value = value;
    haveCurrent_ = true;
    group = current_;
    return true;
}

bool DxfGroupReader::Find(std::string_view keyword) {
    DxfGroup g;
    while (Next(g)) {
        if (g.Is(0, keyword)) return true;
    }
    return false;
}

}  // namespace pv
