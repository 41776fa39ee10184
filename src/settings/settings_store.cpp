#include "settings/settings_store.h"

#include <filesystem>
#include <system_error>

#include "settings/ini_file.h"
#include "settings/localized.h"
#include "settings/setting_key_table.h"

namespace pv {

namespace fs = std::filesystem;

namespace {

constexpr std::int32_t kDefaultMachineIP = -1342068544;   // 192.168.1.176

std::string WithoutTrailingSeparator(std::string dir) {
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

bool DirectoryExists(const std::string& dir) {
    std::error_code ec;
    return fs::is_directory(WithoutTrailingSeparator(dir), ec);
}

void CreateDirectory(const std::string& dir) {
    std::error_code ec;
    fs::create_directories(WithoutTrailingSeparator(dir), ec);   // a failure is left so
}

bool SameDirectory(const std::string& a, const std::string& b) {
    const std::string x = WithoutTrailingSeparator(a), y = WithoutTrailingSeparator(b);
    if (x == y) return true;
    std::error_code ec;
    return fs::equivalent(x, y, ec);
}

// The automatic and the manual directory: kept only when the name is longer
// than two characters, the folder exists and it is not the program directory.
void NormaliseWatchedDir(std::string& dir, const std::string& programDir, const char* ownFolder) {
    const std::string own = programDir + ownFolder;
    if (dir.empty()) dir = own;
    if (CharacterCount(dir) > 2 && DirectoryExists(dir) && !SameDirectory(dir, programDir)) return;
    dir = own;
    if (!DirectoryExists(dir)) CreateDirectory(dir);
}

void ApplyWelcomeText(AppSettings& settings) {
    if (CharacterCount(settings.CustomString) < 2)
        settings.CustomString = std::string(Info(settings.edition).welcomeText);
}

}  // namespace

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto b = static_cast<unsigned char>(text[i++]);
        std::size_t follow = b >= 0xF0 && b < 0xF8 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (b >= 0xF8) follow = 0;
        while (follow > 0 && i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
            ++i;
            --follow;
        }
    }
    return count;
}

std::string ProgramDirOf(const std::string& executablePath) {
    std::string dir = fs::path(executablePath).parent_path().string();
    if (dir.empty()) dir = ".";
    if (dir.back() != '/') dir += '/';
    return dir;
}

void InitProgramPaths(AppSettings& settings, const std::string& programDir) {
    settings.ProgramDir = programDir.empty() ? std::string("./") : programDir;
    if (settings.ProgramDir.back() != '/') settings.ProgramDir += '/';
    settings.HzFontPath = settings.ProgramDir + "fon_hz.bin";
    settings.EnFontPath = settings.ProgramDir + "fon_en.bin";
}

bool LoadSettings(AppSettings& settings) { return LoadSettings(settings, settings.SettingsPath()); }

bool LoadSettings(AppSettings& settings, const std::string& path) {
    IniFile file;
    const bool read = file.Load(path);
    for (const SettingKey* key : SettingKeys(settings.edition)) {
        const auto value = file.Get(kSettingsSection, key->name);
        ApplySettingText(settings, *key, value ? *value : std::string());
    }
    ApplyWelcomeText(settings);
    NormaliseDirectories(settings);
    return read;
}

bool SaveSettings(AppSettings& settings, std::string* error) {
    return SaveSettings(settings, settings.SettingsPath(), error);
}

bool SaveSettings(AppSettings& settings, const std::string& path, std::string* error) {
    if (settings.MachineIP == 0) settings.MachineIP = kDefaultMachineIP;
    IniFile file;
    // Whatever else the file holds is kept; a file that exists but cannot be
    // read is not overwritten with what little the program knows.
    std::error_code ec;
    if (!file.Load(path) && fs::exists(path, ec)) {
        if (error) *error = path + ": cannot read the existing file";
        return false;
    }
    for (const SettingKey* key : SettingKeys(settings.edition))
        file.Set(kSettingsSection, key->name, SettingText(settings, *key));
    return file.Save(path, error);
}

std::string SettingsSaveNotice::After(bool saved, const std::string& error, int language) {
    if (saved) {
        told_.clear();
        return {};
    }
    const std::string reason = error.empty() ? "?" : error;
    if (reason == told_) return {};
    told_ = reason;
    return std::string(Localized(language, "设置未保存：", "The settings are not saved: ")) + reason;
}

bool SetSettingFromText(AppSettings& settings, std::string_view name, std::string_view value) {
    const SettingKey* key = FindSettingKey(name, settings.edition);
    if (!key) return false;
    ApplySettingText(settings, *key, value);
    if (key->textField == &AppSettings::CustomString) ApplyWelcomeText(settings);
    if (key->textField == &AppSettings::AutoDir || key->textField == &AppSettings::ManDir ||
        key->textField == &AppSettings::BackupDir || key->textField == &AppSettings::PrtFileExtension)
        NormaliseDirectories(settings);
    return true;
}

void NormaliseDirectories(AppSettings& settings) {
    if (settings.PrtFileExtension.empty()) settings.PrtFileExtension = "*.plt;*.hpg;";
    NormaliseWatchedDir(settings.AutoDir, settings.ProgramDir, "DirAuto/");
    NormaliseWatchedDir(settings.ManDir, settings.ProgramDir, "DirMan/");
    if (settings.BackupDir.empty()) settings.BackupDir = settings.ProgramDir + "DirBak/";
    if (!DirectoryExists(settings.BackupDir)) CreateDirectory(settings.BackupDir);
}

}  // namespace pv
