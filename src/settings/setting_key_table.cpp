#include "settings/setting_key_table.h"

#include <array>
#include <limits>

namespace pv {

namespace {

using S = AppSettings;

constexpr SettingKey Int(const char* name, std::int32_t S::*f, std::uint8_t ed = kBothEditions) {
    return {name, SettingType::Int, ed, f, nullptr, nullptr};
}
constexpr SettingKey Int64(const char* name, std::int64_t S::*f, std::uint8_t ed) {
    return {name, SettingType::Int64, ed, nullptr, f, nullptr};
}
constexpr SettingKey Text(const char* name, std::string S::*f) {
    return {name, SettingType::Text, kBothEditions, nullptr, nullptr, f};
}

const std::array kKeys{
    Int("AutoDelFinish", &S::AutoDelFinish),
    Int("FindUNotch", &S::FindUNotch),
    Int("LineToDot", &S::LineToDot),
    Int("DotDist", &S::DotDist),
    Int("UnitNoHintNextTime", &S::UnitNoHintNextTime),
    Int("Language", &S::Language),
    Text("CustomString", &S::CustomString),
    Int("BackupPlt", &S::BackupPlt),
    Int("LineWidth", &S::LineWidth),
    Int("PlotOnly", &S::PlotOnly),
    Int("PlotCutLine", &S::PlotCutLine),
    Int("CleanAtStart", &S::CleanAtStart),
    Int("CleanAtSection", &S::CleanAtSection),
    Int("DxfUnit", &S::DxfUnit),
    Int("DxfGarmentLayers", &S::DxfGarmentLayers),
    Text("PrtFileExtension", &S::PrtFileExtension),
    Text("AutoDir", &S::AutoDir),
    Text("ManDir", &S::ManDir),
    Text("BackupDir", &S::BackupDir),
    Int("BackupPrintedFiles", &S::BackupPrintedFiles),
    Int("AutoRotate", &S::AutoRotate),
    Int("AutoMirror", &S::AutoMirror),
    Int("PaperLenMm", &S::PaperLenMm),
    Int("SearchOutline", &S::SearchOutline),
    Int("MachineIP", &S::MachineIP),
    Int("ConnectViaEth", &S::ConnectViaEth),
    Int("EnableInkVolumStatistic", &S::EnableInkVolumStatistic, kTwoHeadOnly),
    Int64("DropCountIB1", &S::DropCountIB1, kTwoHeadOnly),
    Int64("DropCountIB2", &S::DropCountIB2, kTwoHeadOnly),
    Int("InkSum_mL", &S::InkSum_mL, kTwoHeadOnly),
    Int("AutoStart", &S::AutoStart),
    Int("PltFileUnit", &S::PltFileUnit),
    Int("CusStrFontSize", &S::CusStrFontSize),
    Int("SplitEn", &S::SplitEn),
    Int("FindTCutFirst", &S::FindTCutFirst),
    Int("FindICutFirst", &S::FindICutFirst),
    Int("CutOffDistX", &S::CutOffDistX),
    Int("CutNotch", &S::CutNotch),
    Int("DoNotFindOutlineIfSp2Exist", &S::DoNotFindOutlineIfSp2Exist),
    Int("ManualAddFileType", &S::ManualAddFileType),
    Int("BreakAngle", &S::BreakAngle),
    Int("IB1PosToR", &S::IB1PosToR, kTwoHeadOnly),
    Int("IB2PosToR", &S::IB2PosToR, kTwoHeadOnly),
    Int("RBlankMm", &S::RBlankMm),
    Int("RatioSaveTo", &S::RatioSaveTo),
    Int("Measure10000X", &S::Measure10000X),
    Int("Measure10000Y", &S::Measure10000Y),
    Int("PltFontScale", &S::PltFontScale, kTwoHeadOnly),
    Int("OptSS", &S::OptSS),
    Int("EnableCurveMove", &S::EnableCurveMove, kFourHeadOnly),
    Int("IBLRError", &S::IBLRError, kFourHeadOnly),
};

bool InEdition(const SettingKey& key, Edition edition) {
    return (key.editions & (IsFourHead(edition) ? kFourHeadOnly : kTwoHeadOnly)) != 0;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// Sign and magnitude of the leading number; the magnitude stops at 2^64 - 1.
struct LeadingNumber {
    bool negative = false;
    std::uint64_t magnitude = 0;
};

LeadingNumber ReadLeadingNumber(std::string_view s) {
    LeadingNumber n;
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) n.negative = s[i++] == '-';
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        unsigned d = static_cast<unsigned>(s[i] - '0');
        n.magnitude = n.magnitude > (kMax - d) / 10 ? kMax : n.magnitude * 10 + d;
    }
    return n;
}

}  // namespace

std::span<const SettingKey> AllSettingKeys() { return kKeys; }

std::vector<const SettingKey*> SettingKeys(Edition edition) {
    std::vector<const SettingKey*> keys;
    for (const SettingKey& k : kKeys)
        if (InEdition(k, edition)) keys.push_back(&k);
    return keys;
}

const SettingKey* FindSettingKey(std::string_view name, Edition edition) {
    for (const SettingKey& k : kKeys)
        if (InEdition(k, edition) && SameName(k.name, name)) return &k;
    return nullptr;
}

std::int64_t ParseSettingInt64(std::string_view text) {
    LeadingNumber n = ReadLeadingNumber(text);
    constexpr std::uint64_t kLimit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (n.negative) {
        if (n.magnitude > kLimit) return std::numeric_limits<std::int64_t>::min();
        return -static_cast<std::int64_t>(n.magnitude);
    }
    return n.magnitude > kLimit ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(n.magnitude);
}

std::int32_t ParseSettingInt(std::string_view text) {
    LeadingNumber n = ReadLeadingNumber(text);
    if (n.negative) {
        if (n.magnitude > 0x80000000ull) return std::numeric_limits<std::int32_t>::min();
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(n.magnitude));
    }
    // Up to 2^32 - 1 the value is taken as the field's bits.
    if (n.magnitude > 0xFFFFFFFFull) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(n.magnitude));
}

void ApplySettingText(AppSettings& settings, const SettingKey& key, std::string_view text) {
    static const AppSettings kDefaults{};
    switch (key.type) {
        case SettingType::Int:
            settings.*key.intField = text.empty() ? kDefaults.*key.intField : ParseSettingInt(text);
            break;
        case SettingType::Int64:
            settings.*key.int64Field = text.empty() ? kDefaults.*key.int64Field : ParseSettingInt64(text);
            break;
        case SettingType::Text:
            settings.*key.textField = text.empty() ? kDefaults.*key.textField : std::string(text);
            break;
    }
}

std::string SettingText(const AppSettings& settings, const SettingKey& key) {
    switch (key.type) {
        case SettingType::Int: return std::to_string(settings.*key.intField);
        case SettingType::Int64: return std::to_string(settings.*key.int64Field);
        case SettingType::Text: return settings.*key.textField;
    }
    return {};
}

}  // namespace pv
