#include "settings/ini_file.h"

#include <string>

#include "settings/atomic_file_writer.h"
#include "settings/regular_file.h"

namespace pv {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

bool IsComment(std::string_view t) { return !t.empty() && (t[0] == ';' || t[0] == '#'); }

std::string OneLine(std::string_view value) {
    std::string v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    return v;
}

}  // namespace

bool IniFile::Load(const std::string& path) {
    lines_.clear();
    // Only a plain file, opened without waiting: a folder, pipe or device is
    // not a settings file.
    RegularFile f;
    if (f.Open(path) != RegularFileResult::Ok) return false;
    std::string text;
    char block[1 << 14];
    for (;;) {
        const long got = f.Read(block, sizeof block);
        if (got < 0) return false;
        text.append(block, static_cast<std::size_t>(got));
        if (got < static_cast<long>(sizeof block)) break;
    }
    Parse(text);
    return true;
}

void IniFile::Parse(std::string_view text) {
    lines_.clear();
    eol_ = "\n";
    bom_ = text.substr(0, kBom.size()) == kBom;
    if (bom_) text.remove_prefix(kBom.size());
    std::size_t firstLf = text.find('\n');
    if (firstLf != std::string_view::npos && firstLf > 0 && text[firstLf - 1] == '\r') eol_ = "\r\n";
    finalEol_ = text.empty() || text.back() == '\n';

    std::string section;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        std::string_view raw = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        Line line;
        line.text = std::string(raw);
        std::string_view t = Trim(raw);
        if (!t.empty() && t.front() == '[' && t.find(']') != std::string_view::npos) {
            section = std::string(Trim(t.substr(1, t.find(']') - 1)));
            line.isSection = true;
        } else if (!IsComment(t)) {
            std::size_t eq = t.find('=');
            if (eq != std::string_view::npos && !Trim(t.substr(0, eq)).empty()) {
                line.isKey = true;
                line.key = std::string(Trim(t.substr(0, eq)));
            }
        }
        line.section = section;
        lines_.push_back(std::move(line));
    }
}

long IniFile::FindKey(std::string_view section, std::string_view key) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& l = lines_[i];
        if (l.isKey && SameName(l.section, section) && SameName(l.key, key)) return static_cast<long>(i);
    }
    return -1;
}

long IniFile::SectionEnd(std::string_view section) const {
    long end = -1;
    bool inside = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& l = lines_[i];
        if (l.isSection) {
            // Only the first section of that name is written to.
            if (inside) break;
            if (SameName(l.section, section)) {
                inside = true;
                end = static_cast<long>(i) + 1;
            }
        } else if (inside && !Trim(l.text).empty()) {
            end = static_cast<long>(i) + 1;
        }
    }
    return end;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    long i = FindKey(section, key);
    if (i < 0) return std::nullopt;
    std::string_view t = Trim(lines_[static_cast<std::size_t>(i)].text);
    return std::string(Trim(t.substr(t.find('=') + 1)));
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    long i = FindKey(section, key);
    if (i >= 0) {
        Line& l = lines_[static_cast<std::size_t>(i)];
        l.text = l.key + "=" + OneLine(value);
        return;
    }
    Line line;
    line.text = std::string(key) + "=" + OneLine(value);
    line.section = std::string(section);
    line.isKey = true;
    line.key = std::string(key);
    long end = SectionEnd(section);
    if (end < 0) {
        if (!lines_.empty() && !Trim(lines_.back().text).empty() && !lines_.back().isSection) {
            // Keep the new section apart from what precedes it.
            Line blank;
            blank.section = lines_.back().section;
            lines_.push_back(blank);
        }
        Line header;
        header.text = "[" + std::string(section) + "]";
        header.section = std::string(section);
        header.isSection = true;
        lines_.push_back(std::move(header));
        lines_.push_back(std::move(line));
        return;
    }
    lines_.insert(lines_.begin() + end, std::move(line));
}

std::string IniFile::Text() const {
    std::string out;
    if (bom_) out += kBom;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i].text;
        if (i + 1 < lines_.size() || finalEol_) out += eol_;
    }
    return out;
}

bool IniFile::Save(const std::string& path, std::string* error) const {
    return WriteFileAtomically(path, Text(), error);
}

}  // namespace pv
