#include "emulator/plotter_machine.h"

#include <algorithm>
#include <cmath>

#include "emulator/plotter_records.h"
#include "emulator/plotter_wire.h"
#include "geometry/point.h"

namespace pv {

namespace {

using W = PlotterWire;

std::int32_t Int32At(const std::uint8_t* b) { return W::Int32At(b); }
void PutInt32(std::vector<std::uint8_t>& out, std::int32_t v) { W::PutInt32(out, v); }

// Bulk data that waits for its header is bounded: a band never exceeds a few
// megabytes, a cut segment 65534 records.
constexpr std::size_t kMaxPending = 8u << 20;
constexpr std::size_t kMaxFirmware = 1u << 20;
constexpr std::uint8_t kAckRefused = 1;

}  // namespace

PlotterMachine::PlotterMachine(Edition edition, double speed, std::vector<PlotterFault> faults, bool keepBandData)
    : edition_(edition),
      speed_(std::isfinite(speed) && speed > 0 ? speed : 0.0),
      keepBandData_(keepBandData),
      faults_(std::move(faults)),
      params_(MachineParams::Defaults(edition)) {
    // A current firmware: it may be updated over the link.
    params_.adv.firmwareFlag = 'Y';
}

PlotterMachine::Clock::duration PlotterMachine::Scaled(double seconds) const {
    const double s = std::clamp(seconds * speed_, 0.0, 3600.0);
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(s));
}

PlotterFault* PlotterMachine::DueFault(FaultKind kind, std::int64_t n) {
    for (auto& f : faults_)
        if (!f.fired && f.kind == kind && f.n == n) return &f;
    return nullptr;
}

void PlotterMachine::Advance(Clock::time_point now) {
    if (timedState_ && now >= timedUntil_) {
        state_ = after_;
        timedState_ = false;
    }
    if (finishing_ && now >= busyUntil_) {
        state_ = 1;
        finishing_ = false;
    }
}

std::uint8_t PlotterMachine::BusyByte(Clock::time_point now) const {
    return (state_ == 3 && now < busyUntil_) ? 1 : 0;
}

std::vector<std::uint8_t> PlotterMachine::Status(std::uint8_t head, std::uint8_t code, Clock::time_point now) const {
    return {head, 5, code, state_, BusyByte(now)};
}

void PlotterMachine::StateFor(std::uint8_t state, double seconds, Clock::time_point now) {
    if (speed_ == 0) return;   // done at once
    state_ = state;
    timedState_ = true;
    timedUntil_ = now + Scaled(seconds);
    after_ = 1;
}

PlotterReply PlotterMachine::HandleFrame(const std::uint8_t* frame, std::size_t n, std::uint32_t localIp) {
    std::lock_guard guard(lock_);
    const auto now = Clock::now();
    Advance(now);
    PlotterReply reply;
    if (n < 3) return reply;
    const std::uint8_t head = frame[0];
    const std::uint8_t code = frame[2];
    if (frameLog_.size() < 4096) frameLog_.emplace_back(head, code);
    if (head == W::kCommandHead) {
        Command(code, now, reply);
        reply.bytes = Status(head, code, Clock::now());
    } else if (head == W::kReadHead) {
        reply.bytes = Read(code, localIp);
    } else if (head == W::kWriteHead && n >= 4) {
        Write(code, frame + 4, n - 4, now, reply);
        reply.bytes = Status(head, code, Clock::now());
    } else {
        return reply;
    }

    // Faults, counted over the frames of the job in progress.
    if (job_ || reply.finished) {
        const std::int64_t k = ++jobFrames_;
        if (auto* f = DueFault(FaultKind::Silent, k)) {
            f->fired = true;
            silentUntil_ = now + std::chrono::milliseconds(f->ms);
            reply.bytes.clear();
            return reply;
        }
        if (auto* f = DueFault(FaultKind::BadLength, k)) {
            f->fired = true;
            reply.bytes.push_back(0);
        }
        if (auto* f = DueFault(FaultKind::BadHeader, k); f && !reply.bytes.empty()) {
            f->fired = true;
            reply.bytes[0] = static_cast<std::uint8_t>(reply.bytes[0] ^ 0x0F);
        }
        if (auto* f = DueFault(FaultKind::BadCode, k); f && reply.bytes.size() >= 3) {
            f->fired = true;
            reply.bytes[2] = static_cast<std::uint8_t>(reply.bytes[2] ^ 0xFF);
        }
        if (auto* f = DueFault(FaultKind::DropAfter, k)) {
            f->fired = true;
            reply.drop = true;
        }
    }
    return reply;
}

void PlotterMachine::Command(std::uint8_t code, Clock::time_point now, PlotterReply& reply) {
    if (code == W::kStatusPoll) {
        if (job_) ++job_->polls;
        return;
    }
    if (job_)
        job_->commands.push_back(code);
    else if (idleCommands_.size() < 10000)
        idleCommands_.push_back(code);
    const bool printing = state_ == 3 || state_ == 4;
    switch (code) {
        case W::kCarriageLeft: if (state_ == 1) carriagePos_ -= 800; break;
        case W::kCarriageRight: if (state_ == 1) carriagePos_ += 800; break;
        case W::kCleanHeads: if (state_ == 1) StateFor(2, 3.0, now); break;
        case W::kCutPaperOff: if (state_ == 1) StateFor(8, 1.5, now); break;
        case W::kReset: if (!printing) StateFor(7, 2.0, now); break;
        case W::kPause: if (state_ == 3 && job_) state_ = 4; break;
        case W::kResume: if (state_ == 4) state_ = 3; break;
        case W::kStopJob:
            if (printing) {
                finishing_ = false;
                busyUntil_ = now;
                if (job_) EndJob("stopped", reply);
                state_ = 1;
            }
            break;
        case W::kJobComplete:
            if (printing && job_) {
                EndJob("complete", reply);
                if (busyUntil_ > now) {
                    state_ = 3;
                    finishing_ = true;
                } else {
                    state_ = 1;
                }
            }
            break;
        default: break;
    }
}

std::vector<std::uint8_t> PlotterMachine::Read(std::uint8_t code, std::uint32_t localIp) const {
    std::vector<std::uint8_t> out;
    switch (code) {
        case W::kCarriagePosition: PutInt32(out, carriagePos_); break;
        case W::kAddress: PutInt32(out, static_cast<std::int32_t>(localIp)); break;
        case W::kAdvRecord: out = AdvRecordBytes(params_.adv, edition_); break;
        case W::kMachineRecord: out = MachineRecordBytes(params_.machine, edition_); break;
        default: out.assign(4, 0); break;
    }
    return out;
}

void PlotterMachine::Write(std::uint8_t code, const std::uint8_t* data, std::size_t n, Clock::time_point now,
                           PlotterReply& reply) {
    switch (code) {
        case W::kJobStart:
            if (n == 8) StartJob(Int32At(data), Int32At(data + 4), reply);
            break;
        case W::kBandHeader:
            if (n == 6 && job_) Band(data, now, reply);
            break;
        case W::kCutHeader:
            if (n == 4 && job_) Cut(Int32At(data), now);
            break;
        case W::kWriteAddress:
            if (n == 4) writtenIp_ = Int32At(data);
            break;
        case W::kWriteAdvRecord: TakeAdvRecord(std::span(data, n), edition_, params_.adv); break;
        case W::kWriteMachineRecord: TakeMachineRecord(std::span(data, n), edition_, params_.machine); break;
        case W::kFirmwarePages:
            if (n == 4) {
                firmware_ = PlotterFirmware{};
                firmware_.pagesAnnounced = Int32At(data);
                firmwareDue_ = true;
            }
            break;
        case W::kFirmwareEnd:
            firmwareDue_ = false;
            firmware_.ended = true;
            break;
        default: break;
    }
}

void PlotterMachine::StartJob(std::int32_t paperLength, std::int32_t columns, PlotterReply& reply) {
    if (job_) EndJob("replaced", reply);
    job_ = std::make_shared<PlotterJob>();
    job_->number = ++jobsStarted_;
    job_->edition = edition_;
    job_->params = params_;
    job_->paperLength = paperLength;
    job_->columnCount = columns;
    jobFrames_ = 0;
    jobPackets_ = 0;
    pending_.clear();
    state_ = 3;
    finishing_ = false;
    timedState_ = false;
    busyUntil_ = Clock::now();
}

void PlotterMachine::EndJob(const char* ending, PlotterReply& reply) {
    job_->ending = ending;
    reply.finished = job_;
    finished_.push_back(job_);
    if (finished_.size() > 16) finished_.erase(finished_.begin());
    job_.reset();
    pending_.clear();
}

void PlotterMachine::Band(const std::uint8_t* header, Clock::time_point now, PlotterReply& reply) {
    PlotterBand band;
    band.order = static_cast<int>(job_->bands.size() + job_->cutSegments.size());
    band.index = Int32At(header);
    band.reverse = header[4] != 0;
    band.constant = header[5];
    band.bytesReceived = pending_.size();
    if (keepBandData_) band.data = pending_;
    job_->bandBytes += static_cast<std::int64_t>(pending_.size());
    pending_.clear();
    job_->bands.push_back(std::move(band));

    // One sweep of the carriage across the band, then the feed of one band.
    const auto& a = params_.adv;
    const double columnsPerMm = a.fireIntervalPulses > 0 ? a.carriagePulsesPerMm / 100.0 / a.fireIntervalPulses : 7.27;
    const double sweepMm = columnsPerMm > 0 ? job_->columnCount / columnsPerMm : 0;
    const double seconds = sweepMm / std::max<int>(a.carriageMaxSpeed, 1) + 0.2 +
                           25.0 / std::max<int>(a.feedMaxSpeed, 1);
    busyUntil_ = std::max(busyUntil_, now) + Scaled(seconds);
    carriagePos_ = job_->bands.back().reverse ? 0 : TruncToInt32(sweepMm * a.carriagePulsesPerMm / 100.0);

    const std::int32_t index = job_->bands.back().index;
    if (auto* f = DueFault(FaultKind::Busy, index)) {
        f->fired = true;
        busyUntil_ = std::max(busyUntil_, now + std::chrono::milliseconds(f->ms));
    }
    if (auto* f = DueFault(FaultKind::LeaveAfterBand, index)) {
        f->fired = true;
        EndJob("left", reply);
        state_ = 1;
        busyUntil_ = now;
    }
}

void PlotterMachine::Cut(std::int32_t count, Clock::time_point now) {
    PlotterCutSegment seg;
    seg.order = static_cast<int>(job_->bands.size() + job_->cutSegments.size());
    seg.recordCount = count;
    const std::size_t available = pending_.size() / W::kKnifeRecordBytes;
    const std::size_t wanted = count > 0 ? static_cast<std::size_t>(count) : 0;
    seg.complete = wanted <= available;
    const std::size_t take = std::min(wanted, available);
    seg.records.reserve(take);
    double mm = 0;
    const auto& a = params_.adv;
    for (std::size_t i = 0; i < take; ++i) {
        seg.records.push_back(W::KnifeRecordAt(pending_, i));
        if (i > 0) {
            const double dx = (seg.records[i].x - seg.records[i - 1].x) / std::max(a.feedPulsesPerMm / 100.0, 0.01);
            const double dy =
                (seg.records[i].y - seg.records[i - 1].y) / std::max(a.carriagePulsesPerMm / 100.0, 0.01);
            mm += std::hypot(dx, dy);
        }
    }
    pending_.clear();
    job_->cutSegments.push_back(std::move(seg));
    busyUntil_ = std::max(busyUntil_, now) + Scaled(mm / std::max<int>(a.cutMaxSpeed, 1));
}

PlotterReply PlotterMachine::HandleBulkPacket(const std::uint8_t* data, std::size_t n) {
    std::lock_guard guard(lock_);
    Advance(Clock::now());
    PlotterReply reply;
    if (firmwareDue_) {
        if (firmware_.data.size() + n <= kMaxFirmware) firmware_.data.insert(firmware_.data.end(), data, data + n);
        reply.bytes = {0};
        return reply;
    }
    if (!job_ || (state_ != 3 && state_ != 4)) {
        reply.bytes = {kAckRefused};
        return reply;
    }
    ++jobPackets_;
    if (auto* f = DueFault(FaultKind::RefuseBulk, jobPackets_)) {
        f->fired = true;
        pending_.clear();
        reply.bytes = {kAckRefused};
        return reply;
    }
    if (pending_.size() + n > kMaxPending) {
        pending_.clear();
        reply.bytes = {kAckRefused};
        return reply;
    }
    pending_.insert(pending_.end(), data, data + n);
    reply.bytes = {state_};
    return reply;
}

std::size_t PlotterMachine::BulkPacketSize() const {
    std::lock_guard guard(lock_);
    return firmwareDue_ ? W::kFirmwarePacket : W::kDataPacket;
}

void PlotterMachine::ConnectionClosed() {
    std::lock_guard guard(lock_);
    pending_.clear();
}

bool PlotterMachine::Silent() const {
    std::lock_guard guard(lock_);
    return Clock::now() < silentUntil_;
}

std::uint8_t PlotterMachine::State() const {
    std::lock_guard guard(lock_);
    return state_;
}

MachineParams PlotterMachine::Params() const {
    std::lock_guard guard(lock_);
    return params_;
}

PlotterFirmware PlotterMachine::Firmware() const {
    std::lock_guard guard(lock_);
    return firmware_;
}

std::int32_t PlotterMachine::WrittenIp() const {
    std::lock_guard guard(lock_);
    return writtenIp_;
}

int PlotterMachine::JobsStarted() const {
    std::lock_guard guard(lock_);
    return jobsStarted_;
}

std::vector<std::uint8_t> PlotterMachine::IdleCommands() const {
    std::lock_guard guard(lock_);
    return idleCommands_;
}

}  // namespace pv

namespace pv {

std::vector<std::pair<std::uint8_t, std::uint8_t>> PlotterMachine::FrameLog() const {
    std::lock_guard guard(lock_);
    return frameLog_;
}

int PlotterMachine::CurrentJobBands() const {
    std::lock_guard guard(lock_);
    return job_ ? static_cast<int>(job_->bands.size()) : 0;
}

std::vector<std::shared_ptr<const PlotterJob>> PlotterMachine::FinishedJobs() const {
    std::lock_guard guard(lock_);
    return finished_;
}

PlotterMachine::JobUpdate PlotterMachine::JobSince(int jobNumber, std::size_t bandsSeen, std::size_t cutsSeen) const {
    std::lock_guard guard(lock_);
    JobUpdate u;
    const PlotterJob* newest = job_ ? job_.get() : finished_.empty() ? nullptr : finished_.back().get();
    if (!newest) return u;
    u.any = true;
    u.ended = !job_;
    u.whole = newest->number != jobNumber;
    if (u.whole) bandsSeen = cutsSeen = 0;
    PlotterJob& j = u.job;
    j.number = newest->number;
    j.edition = newest->edition;
    j.params = newest->params;
    j.paperLength = newest->paperLength;
    j.columnCount = newest->columnCount;
    j.polls = newest->polls;
    j.bandBytes = newest->bandBytes;
    j.ending = newest->ending;
    if (bandsSeen < newest->bands.size()) j.bands.assign(newest->bands.begin() + static_cast<std::ptrdiff_t>(bandsSeen), newest->bands.end());
    if (cutsSeen < newest->cutSegments.size())
        j.cutSegments.assign(newest->cutSegments.begin() + static_cast<std::ptrdiff_t>(cutsSeen), newest->cutSegments.end());
    return u;
}

}  // namespace pv
