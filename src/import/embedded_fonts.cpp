#include "import/embedded_fonts.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "settings/app_settings.h"

// The font files of resources/fonts are assembled into read-only data; the
// build passes their folder as PV_FONT_DIR and rebuilds this file when they
// change.
#ifndef PV_FONT_DIR
#error "PV_FONT_DIR must name the folder that holds fon_en.bin and fon_hz.bin"
#endif

#define PV_INCBIN(sym, file)                                  \
    asm(".pushsection .rodata." #sym ",\"a\",@progbits\n"    \
        ".balign 16\n"                                         \
        ".globl " #sym "_begin\n"                              \
        ".hidden " #sym "_begin\n"                             \
        ".type " #sym "_begin, @object\n"                      \
        #sym "_begin:\n"                                       \
        ".incbin \"" PV_FONT_DIR "/" file "\"\n"               \
        ".globl " #sym "_end\n"                                \
        ".hidden " #sym "_end\n"                               \
        #sym "_end:\n"                                         \
        ".byte 0\n"                                            \
        ".popsection\n")

PV_INCBIN(pv_font_en, "fon_en.bin");
PV_INCBIN(pv_font_hz, "fon_hz.bin");

extern "C" {
extern const std::uint8_t pv_font_en_begin[];
extern const std::uint8_t pv_font_en_end[];
extern const std::uint8_t pv_font_hz_begin[];
extern const std::uint8_t pv_font_hz_end[];
}

namespace pv {

std::span<const std::uint8_t> EmbeddedFont(StrokeFontKind kind) {
    if (kind == StrokeFontKind::Latin) return {pv_font_en_begin, pv_font_en_end};
    return {pv_font_hz_begin, pv_font_hz_end};
}

namespace {

void WriteIfMissing(const std::string& path, std::span<const std::uint8_t> bytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (path.empty() || fs::exists(path, ec) || ec) return;
    // Write beside the target and rename, so that an interrupted write never
    // leaves a truncated font file that later reads would take as valid.
    const std::string part = path + ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        if (!out) return;
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(part, ec);
            return;
        }
    }
    fs::rename(part, path, ec);
    if (ec) fs::remove(part, ec);
}

}  // namespace

void EnsureFontFiles(const AppSettings& settings) {
    WriteIfMissing(settings.EnFontPath, EmbeddedFont(StrokeFontKind::Latin));
    WriteIfMissing(settings.HzFontPath, EmbeddedFont(StrokeFontKind::Chinese));
}

}  // namespace pv
