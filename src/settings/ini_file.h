#pragma once
// A text file of the INI kind, held line by line so that writing it back
// keeps everything the program does not own: other sections, unknown keys,
// comments, blank lines, their order and the file's line ends.  Section and
// key names match regardless of letter case; around names and values spaces
// and tabs do not count.  When a key appears twice in a section the first
// one is the one read and written.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pv {

class IniFile {
public:
    // Reads the file.  False when it cannot be read; the object is then empty.
    bool Load(const std::string& path);
    void Parse(std::string_view text);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Replaces the value of an existing key in place, or appends the key at
    // the end of its section (the section is appended when missing).  Line
    // breaks in the value become spaces: a value cannot add lines.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;
    // Writes through a temporary file and a rename, so a failure leaves the
    // file on disk as it was.  False when the file was not written.
    bool Save(const std::string& path, std::string* error = nullptr) const;

private:
    struct Line {
        std::string text;      // the whole line as written, without its end
        std::string section;   // section it belongs to ("" before the first)
        bool isSection = false;
        bool isKey = false;
        std::string key;       // trimmed, for key lines
    };
    // Index of the key's line, or -1.
    long FindKey(std::string_view section, std::string_view key) const;
    // Index after the last non-blank line of the section, or -1 when the
    // section does not exist.
    long SectionEnd(std::string_view section) const;

    std::vector<Line> lines_;
    std::string eol_ = "\n";
    bool bom_ = false;
    bool finalEol_ = true;
};

}  // namespace pv
