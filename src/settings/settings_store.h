#pragma once
// Loading and saving the settings file (section "Para" of Setting.ini, or
// Setting4.ini for the four-head edition, in the program's directory) and
// the rules that keep the watched and backup directories usable.
#include <string>
#include <string_view>

#include "settings/app_settings.h"

namespace pv {

inline constexpr std::string_view kSettingsSection = "Para";

// The program directory of an executable: its folder, ending in '/'.
std::string ProgramDirOf(const std::string& executablePath);

// Sets ProgramDir (a '/' is added when missing) and the two font paths.
void InitProgramPaths(AppSettings& settings, const std::string& programDir);

// Fills the record from settings.SettingsPath(), or from `path`: every key of
// the edition, a missing or empty one taking its default; a logo text of
// fewer than two characters becomes the edition's welcome text; then
// NormaliseDirectories.  A missing or unreadable file gives the defaults.
// Returns whether the file was read.  The edition and ProgramDir must be set.
bool LoadSettings(AppSettings& settings);
bool LoadSettings(AppSettings& settings, const std::string& path);

// Writes every key of the edition into the file, keeping the file's other
// sections and keys.  A MachineIP of 0 becomes the default address first, in
// the record too.  The file is replaced as a whole or not at all; returns
// false (and the reason in `error`) when it was not written.
bool SaveSettings(AppSettings& settings, std::string* error = nullptr);
bool SaveSettings(AppSettings& settings, const std::string& path, std::string* error = nullptr);

// Tells the operator that the settings are not being saved, once: at the
// first failed save, and again only when the reason changes or after a save
// went through.  Each save of the window or the station passes its outcome.
class SettingsSaveNotice {
public:
    // The message to show, in `language`; empty when nothing is to be said.
    std::string After(bool saved, const std::string& error, int language);

private:
    std::string told_;   // the reason last told; empty while saves succeed
};

// Empty file filter → "*.plt;*.hpg;"; automatic and manual directories that
// are empty, missing or the program directory itself → ProgramDir +
// "DirAuto/" / "DirMan/", created; an empty backup directory → ProgramDir +
// "DirBak/"; the backup directory is created wherever it names.  Folders
// that cannot be created are left so.
void NormaliseDirectories(AppSettings& settings);

// Sets one key by name (letter case does not matter) from its text, with the
// rules a value read from the file gets: empty → default, integers by their
// leading number, a too short logo text → the welcome text; a changed
// directory or file filter runs NormaliseDirectories.  False when the
// edition has no such key.
bool SetSettingFromText(AppSettings& settings, std::string_view key, std::string_view value);

// Number of characters of UTF-8 text (a lone byte that is not UTF-8 counts
// as one character).
std::size_t CharacterCount(std::string_view text);

}  // namespace pv
