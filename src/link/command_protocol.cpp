#include "link/command_protocol.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "geometry/point.h"
#include "link/link_result.h"
#include "link/link_wait.h"
#include "settings/localized.h"

namespace pv {

namespace {

void PutInt32(std::vector<std::uint8_t>& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

std::int32_t GetInt32(const std::uint8_t* b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                     static_cast<std::uint32_t>(b[2]) << 16 |
                                     static_cast<std::uint32_t>(b[3]) << 24);
}

constexpr int kReadPauseMs = 20;
constexpr int kWritePauseMs = 300;

}  // namespace

CommandProtocol::CommandProtocol(CMyCommu& commu, SharedRecord<AppSettings>& settings,
                                 SharedRecord<MachineParams>& params, LinkState& state, StationHost& host)
    : commu_(commu),
      settings_(settings),
      params_(params),
      edition_(settings.Read([](const AppSettings& s) { return s.edition; })),
      state_(state),
      host_(host) {}

int CommandProtocol::Language() const {
    return settings_.Read([](const AppSettings& s) { return s.Language; });
}

int CommandProtocol::ReadMachineParameters(std::stop_token token) {
    const Edition e = edition_;
    std::array<std::uint8_t, 64> buf{};
    int r = commu_.ReadBlock(kReadMachineIP, 4, buf.data());
    if (r != kLinkOk) return r;
    const std::int32_t ip = GetInt32(buf.data());
    state_.editMachineIP.store(ip);
    settings_.Edit([ip](AppSettings& s) { s.MachineIP = ip; });

    // Each record replaces the copy's as soon as it has arrived whole; the
    // fields of the other record stay as they are.
    LinkWait(token, kReadPauseMs);
    const auto advSize = static_cast<std::uint8_t>(AdvParaBlockSize(e));
    r = commu_.ReadBlock(kReadAdvParams, advSize, buf.data());
    if (r != kLinkOk) return r;
    params_.Edit([&](MachineParams& p) { DecodeAdvParaBlock(std::span(buf.data(), advSize), e, p.adv); });

    LinkWait(token, kReadPauseMs);
    const auto machineSize = static_cast<std::uint8_t>(MachineParaTransferSize(e));
    r = commu_.ReadBlock(kReadMachineParams, machineSize, buf.data());
    if (r != kLinkOk) return r;
    params_.Edit([&](MachineParams& p) { DecodeMachineParaBlock(std::span(buf.data(), machineSize), e, p.machine); });
    return kLinkOk;
}

int CommandProtocol::ReadCarriagePosition() {
    std::array<std::uint8_t, 64> buf{};
    const int r = commu_.ReadBlock(kReadCarriagePos, 4, buf.data());
    if (r == kLinkOk) {
        state_.status.carriagePos.store(GetInt32(buf.data()));
        state_.status.carriagePosNew.store(true);
    }
    return r;
}

void CommandProtocol::ShowSaveFailed(bool ip) {
    host_.ShowMessage(Localized(Language(), ip ? "保存IP失败!" : "保存参数失败!", "Failed To Save Parameter!"));
}

int CommandProtocol::WriteMachineIP(std::stop_token token) {
    const std::int32_t ip = state_.editMachineIP.load();
    std::vector<std::uint8_t> block;
    PutInt32(block, ip);
    const int r = commu_.WriteBlock(kWriteMachineIP, block.data(), block.size());
    if (r != kLinkOk) ShowSaveFailed(true);
    LinkWait(token, kWritePauseMs);
    // The new address is used from now on, whether or not the machine took it.
    settings_.Edit([ip](AppSettings& s) { s.MachineIP = ip; });
    return r;
}

int CommandProtocol::WriteParamRecord(std::stop_token token, std::uint8_t request, const std::vector<std::uint8_t>& bytes) {
    const int r = commu_.WriteBlock(request, bytes.data(), bytes.size());
    if (r != kLinkOk) ShowSaveFailed(false);
    LinkWait(token, kWritePauseMs);
    return r;
}

int CommandProtocol::WriteAdvParams(std::stop_token token) {
    // The record as it is at the moment of sending, other pages' edits included.
    const AdvParaBlock adv = params_.Read([](const MachineParams& p) { return p.adv; });
    return WriteParamRecord(token, kWriteAdvParams, EncodeAdvParaBlock(adv, edition_));
}

int CommandProtocol::WriteMachineParams(std::stop_token token) {
    const MachineParaBlock machine = params_.Read([](const MachineParams& p) { return p.machine; });
    return WriteParamRecord(token, kWriteMachineParams, EncodeMachineParaTransfer(machine, edition_));
}

JobStartBlock CommandProtocol::ComputeJobStart(const MachineParams& params, const AppSettings& settings,
                                               std::int32_t pageMaxX, std::int32_t columnCount) {
    const double f = params.adv.feedPulsesPerMm;   // pulses per mm x 100
    // Truncated toward zero; a length beyond the 32-bit field saturates, and
    // a negative one (a hostile CutOffDistX, a drawing left of its start)
    // feeds nothing rather than pulling the roll back.
    const double a = std::trunc(f * settings.CutOffDistX * 0.01);
    const double feed = a + pageMaxX / 40.0 * f * 0.01;
    JobStartBlock block;
    block.paperLength = feed > 0 ? TruncToInt32(feed) : 0;
    block.columnCount = std::max(columnCount, 0);
    return block;
}

std::vector<std::uint8_t> CommandProtocol::EncodeJobStart(const JobStartBlock& block) {
    std::vector<std::uint8_t> out;
    PutInt32(out, block.paperLength);
    PutInt32(out, block.columnCount);
    return out;
}

std::vector<std::uint8_t> CommandProtocol::EncodeBandHeader(std::int32_t index, bool reverse) {
    std::vector<std::uint8_t> out;
    PutInt32(out, index);
    out.push_back(reverse ? 1 : 0);
    out.push_back(1);
    return out;
}

std::vector<std::uint8_t> CommandProtocol::EncodeCutHeader(std::int32_t records) {
    std::vector<std::uint8_t> out;
    PutInt32(out, records);
    return out;
}

int CommandProtocol::SendJobStart(const JobStartBlock& block) {
    const auto bytes = EncodeJobStart(block);
    return commu_.WriteBlock(kWriteJobStart, bytes.data(), bytes.size());
}

int CommandProtocol::SendBand(PrintJobSource& job, int a) {
    if (a >= job.PlotBandCount()) return kLinkOk;
    std::span<const std::uint8_t> bytes;
    if (job.BuildBand(a, bytes) < 0) return kBandBuildFailed;
    if (commu_.SendBulk(bytes.data(), bytes.size()) != static_cast<long>(bytes.size())) return kLinkFailed;
    const auto header = EncodeBandHeader(a, job.BandReversed(a));
    return commu_.WriteBlock(kWriteBandHeader, header.data(), header.size());
}

int CommandProtocol::SendCutSegment(PrintJobSource& job, int i) {
    if (i > job.BandCount()) return kLinkOk;
    const std::span<const CutRecord> records = job.BuildCutSegment(i);
    if (records.empty()) return kLinkOk;
    if (PackCutRecords(records, wire_) != kCutPackOk) return kLinkFailed;
    if (commu_.SendBulk(wire_.data(), wire_.size()) != static_cast<long>(wire_.size())) return kLinkFailed;
    const auto header = EncodeCutHeader(static_cast<std::int32_t>(records.size()));
    if (commu_.WriteBlock(kWriteCutHeader, header.data(), header.size()) != kLinkOk) {
        LinkWait({}, 1);
        return kLinkFailed;
    }
    return kLinkOk;
}

}  // namespace pv
