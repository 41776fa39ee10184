#include "history/print_history.h"

#include <algorithm>

#include "history/file_fingerprint.h"
#include "history/process_identity.h"
#include "settings/localized.h"

namespace pv {

PrintHistory::~PrintHistory() { Close(); }

void PrintHistory::Close() {
    if (open_) CopyEnded(CopyResult::Stopped, "", open_->bandsSent);
    store_.Close();
}

void PrintHistory::TellOnce(const std::string& text) {
    if (tell_) tell_(text);
}

void PrintHistory::Open(const std::string& programDir, const std::string& edition, int language, Tell tell) {
    Close();
    path_ = programDir + HistoryStore::kFileName;
    edition_ = edition;
    language_ = language;
    tell_ = std::move(tell);
    toldWriteFailure_ = false;
    store_.SetWriter(ThisProcessIdentity());
    const HistoryOpen opened = store_.OpenForWriting(path_);
    if (opened == HistoryOpen::SetAside) {
        TellOnce(std::string(Localized(language_, "打印记录文件已损坏，已改名保存为 ",
                                       "The print history was damaged; it was renamed ")) +
                 store_.setAsidePath() +
                 Localized(language_, "，已开始新的打印记录。", " and a new history was started."));
    } else if (opened != HistoryOpen::Opened) {
        Written(false);
        return;
    }
    const std::string self = ThisProcessIdentity();
    Written(store_.MarkInterrupted([&self](const std::string& w) { return w != self && ProcessStillRuns(w); }) >= 0);
}

void PrintHistory::Written(bool ok) {
    if (ok || toldWriteFailure_) return;
    toldWriteFailure_ = true;
    TellOnce(std::string(Localized(language_, "打印记录无法写入，打印继续：", "The print history cannot be written; printing goes on: ")) +
             store_.error());
}

void PrintHistory::CopyStarted(const Start& s) {
    if (open_) CopyEnded(CopyResult::Interrupted, "", open_->bandsSent);   // never heard of its end
    CopyRecord r;
    r.edition = edition_;
    r.filePath = s.filePath;
    r.fileName = s.fileName;
    r.fileSize = s.fileSize;
    r.fileTime = s.fileTime;
    r.contentHash = FileContentHash(s.filePath);
    r.origin = s.origin;
    const int printed = printedInRun_.count(s.jobKey) ? printedInRun_[s.jobKey] : 0;
    r.copyNumber = printed + 1;
    r.copies = printed + std::max(s.copiesLeft, 1);
    r.startedMs = HistoryNowMs();
    r.bandsTotal = s.measures.bandsTotal;
    r.widthMm = s.widthMm;
    r.lengthMm = s.lengthMm;
    r.paperMm = s.measures.paperMm;
    r.knifeMm = s.measures.knifeMm;
    openKey_ = s.jobKey;
    if (store_.IsOpen()) {
        r.id = store_.Insert(r);
        Written(r.id != 0);
    }
    lastWriteMs_ = r.startedMs;
    open_ = std::move(r);
}

void PrintHistory::AddDrops(const std::array<std::int64_t, kHistoryCartridges>& drops) {
    if (!open_) return;
    for (std::size_t k = 0; k < drops.size(); ++k) open_->drops[k] += drops[k];
}

void PrintHistory::NoteBand(int band) {
    if (!open_) return;
    open_->bandsSent = std::clamp(band, open_->bandsSent, std::max(open_->bandsTotal, 0));
}

void PrintHistory::WriteProgress() {
    if (!open_) return;
    const std::int64_t now = HistoryNowMs();
    if (now - lastWriteMs_ < kProgressEveryMs || open_->id == 0) return;
    lastWriteMs_ = now;
    Written(store_.Update(*open_));
}

void PrintHistory::CopyEnded(CopyResult result, const std::string& message, int bandsSent) {
    if (!open_) return;
    CopyRecord r = std::move(*open_);
    open_.reset();
    r.result = result;
    r.endedMs = std::max(HistoryNowMs(), r.startedMs);
    r.message = result == CopyResult::Finished ? std::string() : message;
    r.bandsSent = result == CopyResult::Finished ? r.bandsTotal : std::clamp(bandsSent, 0, std::max(r.bandsTotal, 0));
    if (result == CopyResult::Finished) {
        // The run ends with its last copy; another start of the job begins a new one.
        if (r.copyNumber >= r.copies)
            printedInRun_.erase(openKey_);
        else
            printedInRun_[openKey_] = r.copyNumber;
    }
    if (printedInRun_.size() > 1000) printedInRun_.clear();   // keys of jobs long gone
    if (r.id != 0) Written(store_.Update(r));
}

bool PrintHistory::AlreadyPrinted(const std::string& path, std::int64_t size, std::int64_t time) {
    if (!store_.IsOpen()) return false;
    const std::string hash = FileContentHash(path);
    return !hash.empty() && store_.FinishedUnchanged(path, size, time, hash);
}

}  // namespace pv
