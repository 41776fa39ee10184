// Writes a program's manual page from its own --help texts, so the page and
// the program can never tell different stories:
//   make_man_page --program PATH --name NAME --summary TEXT --version TEXT
//                 [--commands] [--see-also NAME(1)]... --out FILE.1
// It runs `PATH --help` for the synopsis and description; with --commands
// the "commands:" list of that text names the commands, and `PATH COMMAND
// --help` gives each one its subsection.  The texts go in verbatim (no-fill),
// escaped for roff.
#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string program, name, summary, version, out;
    bool commands = false;
    std::vector<std::string> seeAlso;
};

std::optional<std::string> RunForText(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::string text;
    std::array<char, 4096> chunk;
    while (const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), pipe)) text.append(chunk.data(), n);
    if (::pclose(pipe) != 0) return std::nullopt;
    return text;
}

std::string ShellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

// Text for roff: backslashes and hyphens escaped, control characters at a
// line's start neutralised.
std::string Escaped(const std::string& line) {
    std::string out;
    if (!line.empty() && (line[0] == '.' || line[0] == '\'')) out = "\\&";
    for (char c : line) {
        if (c == '\\') out += "\\e";
        else if (c == '-') out += "\\-";
        else out += c;
    }
    return out;
}

void Verbatim(std::ostream& out, const std::vector<std::string>& lines, std::size_t from = 0) {
    out << ".nf\n";
    for (std::size_t i = from; i < lines.size(); ++i) out << (lines[i].empty() ? ".sp" : Escaped(lines[i])) << '\n';
    out << ".fi\n";
}

// The "usage:" line and its continuation lines, without the word "usage:".
std::size_t Synopsis(std::ostream& out, const std::vector<std::string>& lines) {
    out << ".SH SYNOPSIS\n.nf\n";
    std::size_t i = 0;
    for (; i < lines.size() && !lines[i].empty(); ++i) {
        std::string l = lines[i];
        if (l.rfind("usage: ", 0) == 0) l = l.substr(7);
        const auto start = l.find_first_not_of(' ');
        out << Escaped(start == std::string::npos ? l : l.substr(start)) << '\n';
    }
    out << ".fi\n";
    while (i < lines.size() && lines[i].empty()) ++i;
    return i;
}

// "  name  summary" rows after the "commands:" line, up to a blank line.
std::vector<std::string> CommandNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    bool inList = false;
    for (const std::string& l : lines) {
        if (l == "commands:") {
            inList = true;
        } else if (inList) {
            if (l.empty()) break;
            std::istringstream row(l);
            std::string name;
            if (row >> name) names.push_back(name);
        }
    }
    return names;
}

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

int Fail(const std::string& why) {
    std::cerr << "make_man_page: " << why << '\n';
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : std::string(); };
        if (a == "--program") o.program = value();
        else if (a == "--name") o.name = value();
        else if (a == "--summary") o.summary = value();
        else if (a == "--version") o.version = value();
        else if (a == "--out") o.out = value();
        else if (a == "--see-also") o.seeAlso.push_back(value());
        else if (a == "--commands") o.commands = true;
        else return Fail("unknown option " + a);
    }
    if (o.program.empty() || o.name.empty() || o.summary.empty() || o.out.empty())
        return Fail("--program, --name, --summary and --out are needed");

    const auto help = RunForText(ShellQuoted(o.program) + " --help");
    if (!help) return Fail(o.program + " --help failed");
    const std::vector<std::string> lines = Lines(*help);

    std::ostringstream page;
    page << ".TH " << Escaped(Upper(o.name)) << " 1 \"\" \"" << Escaped(o.version) << "\" \"User Commands\"\n";
    page << ".SH NAME\n" << Escaped(o.name) << " \\- " << Escaped(o.summary) << '\n';
    const std::size_t rest = Synopsis(page, lines);
    page << ".SH DESCRIPTION\n";
    Verbatim(page, lines, rest);
    if (o.commands) {
        const std::vector<std::string> names = CommandNames(lines);
        if (names.empty()) return Fail("no commands listed by " + o.program + " --help");
        page << ".SH COMMANDS\n";
        for (const std::string& name : names) {
            const auto usage = RunForText(ShellQuoted(o.program) + " " + ShellQuoted(name) + " --help");
            if (!usage) return Fail(o.program + " " + name + " --help failed");
            page << ".SS " << Escaped(name) << '\n';
            Verbatim(page, Lines(*usage));
        }
    }
    if (!o.seeAlso.empty()) {
        page << ".SH SEE ALSO\n";
        for (std::size_t i = 0; i < o.seeAlso.size(); ++i) {
            const std::string& ref = o.seeAlso[i];
            const auto paren = ref.find('(');
            if (paren == std::string::npos) return Fail("--see-also wants NAME(SECTION), not " + ref);
            page << ".BR " << Escaped(ref.substr(0, paren)) << ' ' << ref.substr(paren)
                 << (i + 1 < o.seeAlso.size() ? "," : "") << '\n';
        }
    }
    std::ofstream file(o.out, std::ios::binary);
    file << page.str();
    if (!file.flush()) return Fail(o.out + " not written");
    return 0;
}
