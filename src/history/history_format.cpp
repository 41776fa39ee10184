#include "history/history_format.h"

#include <cstdio>
#include <ctime>
#include <regex>

namespace pv {

std::string IsoUtc(std::int64_t ms) {
    if (ms <= 0) return "";
    const std::time_t t = static_cast<std::time_t>(ms / 1000);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, static_cast<int>(ms % 1000));
    return buf;
}

std::optional<std::int64_t> ParseHistoryDate(const std::string& text, bool endOfDay) {
    static const std::regex form(
        R"((\d{4})-(\d{2})-(\d{2})(?:[T ](\d{2}):(\d{2})(?::(\d{2}))?)?(Z|[+-]\d{2}:\d{2})?)");
    std::smatch m;
    if (text.size() > 40 || !std::regex_match(text, m, form)) return std::nullopt;
    const auto num = [&m](int i) { return m[i].matched ? std::stoi(m[i].str()) : 0; };
    std::tm tm{};
    tm.tm_year = num(1) - 1900;
    tm.tm_mon = num(2) - 1;
    tm.tm_mday = num(3);
    tm.tm_hour = num(4);
    tm.tm_min = num(5);
    tm.tm_sec = num(6);
    if (tm.tm_mon < 0 || tm.tm_mon > 11 || tm.tm_mday < 1 || tm.tm_mday > 31 || tm.tm_hour > 23 || tm.tm_min > 59 ||
        tm.tm_sec > 60)
        return std::nullopt;
    const int mday = tm.tm_mday;
    std::int64_t seconds = timegm(&tm);
    if (tm.tm_mday != mday) return std::nullopt;   // 31 February
    if (!m[4].matched && endOfDay) seconds += 24 * 3600;
    if (m[7].matched && m[7].str() != "Z") {
        const std::string z = m[7].str();
        const int offset = std::stoi(z.substr(1, 2)) * 3600 + std::stoi(z.substr(4, 2)) * 60;
        seconds += z[0] == '+' ? -offset : offset;
    }
    return seconds * 1000;
}

nlohmann::json RowJson(const CopyRecord& r) {
    nlohmann::json drops = nlohmann::json::array();
    nlohmann::json ink = nlohmann::json::array();
    for (std::int64_t d : r.drops) {
        drops.push_back(d);
        ink.push_back(static_cast<double>(d) / kDropsPerMl);
    }
    return {{"id", r.id},
            {"edition", r.edition},
            {"filePath", r.filePath},
            {"fileName", r.fileName},
            {"fileSize", r.fileSize},
            {"origin", JobOriginName(r.origin)},
            {"copy", r.copyNumber},
            {"copies", r.copies},
            {"started", IsoUtc(r.startedMs)},
            {"ended", r.endedMs > 0 ? nlohmann::json(IsoUtc(r.endedMs)) : nlohmann::json(nullptr)},
            {"seconds", r.endedMs > r.startedMs ? (r.endedMs - r.startedMs) / 1000.0 : 0.0},
            {"result", CopyResultName(r.result)},
            {"message", r.message},
            {"bandsSent", r.bandsSent},
            {"bandsTotal", r.bandsTotal},
            {"widthMm", r.widthMm},
            {"lengthMm", r.lengthMm},
            {"paperMm", r.paperMm},
            {"knifeMm", r.knifeMm},
            {"drops", drops},
            {"inkMl", ink}};
}

nlohmann::json RowsJson(const std::vector<CopyRecord>& rows) {
    nlohmann::json a = nlohmann::json::array();
    for (const CopyRecord& r : rows) a.push_back(RowJson(r));
    return a;
}

nlohmann::json TotalsJson(const HistoryTotals& t) {
    nlohmann::json byResult = nlohmann::json::object();
    for (int k = 0; k < 5; ++k) byResult[CopyResultName(static_cast<CopyResult>(k))] = t.byResult[static_cast<std::size_t>(k)];
    nlohmann::json drops = nlohmann::json::array();
    nlohmann::json ink = nlohmann::json::array();
    for (std::int64_t d : t.drops) {
        drops.push_back(d);
        ink.push_back(static_cast<double>(d) / kDropsPerMl);
    }
    nlohmann::json longest = nullptr;
    if (t.longestId != 0)
        longest = {{"id", t.longestId}, {"fileName", t.longestFile}, {"seconds", t.longestMs / 1000.0}};
    return {{"copies", t.copies},  {"byResult", byResult}, {"machineSeconds", t.machineMs / 1000.0},
            {"paperM", t.paperM},  {"knifeM", t.knifeM},   {"drops", drops},
            {"inkMl", ink},        {"longest", longest}};
}

namespace {

std::string CsvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string q = "\"";
    for (char c : s) {
        if (c == '"') q += '"';
        q += c == '\r' || c == '\n' ? ' ' : c;
    }
    return q + '"';
}

std::string Number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    return buf;
}

}  // namespace

std::string RowsCsv(const std::vector<CopyRecord>& rows) {
    std::string out =
        "id,edition,file_path,file_name,file_size,origin,copy,copies,started,ended,seconds,result,message,"
        "bands_sent,bands_total,width_mm,length_mm,paper_mm,knife_mm,drops_1,drops_2,drops_3,drops_4\n";
    for (const CopyRecord& r : rows) {
        std::string line = std::to_string(r.id) + "," + CsvField(r.edition) + "," + CsvField(r.filePath) + "," +
                           CsvField(r.fileName) + "," + std::to_string(r.fileSize) + "," + JobOriginName(r.origin) +
                           "," + std::to_string(r.copyNumber) + "," + std::to_string(r.copies) + "," +
                           IsoUtc(r.startedMs) + "," + IsoUtc(r.endedMs) + "," +
                           Number(r.endedMs > r.startedMs ? (r.endedMs - r.startedMs) / 1000.0 : 0.0) + "," +
                           CopyResultName(r.result) + "," + CsvField(r.message) + "," + std::to_string(r.bandsSent) +
                           "," + std::to_string(r.bandsTotal) + "," + Number(r.widthMm) + "," + Number(r.lengthMm) +
                           "," + Number(r.paperMm) + "," + Number(r.knifeMm);
        for (std::int64_t d : r.drops) line += "," + std::to_string(d);
        out += line + "\n";
    }
    return out;
}

}  // namespace pv
