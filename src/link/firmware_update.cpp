#include "link/firmware_update.h"

#include <cstdio>
#include <vector>

#include "link/command_protocol.h"
#include "link/link_result.h"
#include "settings/localized.h"
#include "settings/regular_file.h"

namespace pv {

namespace {

std::vector<std::uint8_t> Int32Bytes(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16),
            static_cast<std::uint8_t>(u >> 24)};
}

}  // namespace

FirmwareUpdate::FirmwareUpdate(CMyCommu& commu, FirmwareLog& log, int language)
    : commu_(commu), log_(log), language_(language) {}

int FirmwareUpdate::UpdateFirmware(const std::string& path) {
    auto text = [this](const char* chinese, const char* english) { return Localized(language_, chinese, english); };
    // Only a regular file, opened without waiting: a pipe named like a
    // firmware file would otherwise hold the worker for ever.
    RegularFile file;
    const RegularFileResult opened = file.Open(path);
    if (opened != RegularFileResult::Ok) {
        log_.Log(opened == RegularFileResult::NotRegular
                     ? text("文件打开失败!（不是普通文件）", "Failed to open firmware file! (not a regular file)")
                     : text("文件打开失败!", "Failed to open firmware file!"));
        return kCannotOpen;
    }
    log_.Log(text("文件打开成功，正在发送数据!", "File open ok,Sending data!"));
    const std::int64_t n = file.size();
    if (n < kMinBytes || n > kMaxBytes) {
        log_.Log(text("固件文件校验失败!", "Invalid firmware file!"));
        return kInvalidFile;
    }
    std::vector<std::uint8_t> image(kMaxBytes, 0xFF);
    if (file.Read(image.data(), static_cast<std::size_t>(n)) != static_cast<long>(n)) {
        log_.Log(text("文件打开失败!", "Failed to open firmware file!"));
        return kCannotOpen;
    }
    file.Close();

    const auto pages = static_cast<std::int32_t>((n + static_cast<std::int64_t>(kPageBytes) - 1) /
                                                 static_cast<std::int64_t>(kPageBytes));
    const auto count = Int32Bytes(pages);
    if (commu_.WriteBlock(kWriteFirmwarePages, count.data(), count.size()) != kLinkOk) {
        log_.Log(text("发送命令失败，请重试", "Send Command error! Please retry"));
        return kSendFailed;
    }
    for (std::int32_t i = 0; i < pages; ++i) {
        const long sent = commu_.SendFirmwareData(image.data() + static_cast<std::size_t>(i) * kPageBytes, kPageBytes);
        if (sent != static_cast<long>(kPageBytes)) {
            log_.Log(text("发送数据失败，请重试", "Send Command error! Please retry"));
            return kSendFailed;
        }
        if (i % 4 == 2) {
            char line[64];
            std::snprintf(line, sizeof line, text("升级中，完成%.1f%%...", "Updating,%.1f%%..."), i * 100.0 / pages);
            log_.Log(line);
        }
    }
    const auto end = Int32Bytes(0);
    if (commu_.WriteBlock(kWriteFirmwareEnd, end.data(), end.size()) != kLinkOk) {
        log_.Log(text("发送命令失败，请重试", "Send Command error! Please retry"));
        return kSendFailed;
    }
    log_.Log(text("升级中，完成100%", "Updating, 100%..."));
    return kUpdated;
}

}  // namespace pv
