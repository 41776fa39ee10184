#include "app/training_plotter.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>

#include "emulator/band_ink_image.h"
#include "emulator/virtual_plotter.h"
#include "output/band_layout.h"
#include "output/raster_config.h"

namespace pv::app {

namespace {

// A job whose ink would need more dots than this is shown by its knife path
// only: the picture is for looking, not for checking every dot.
constexpr std::int64_t kMaxInkDots = 200'000'000;
constexpr auto kWatchPeriod = std::chrono::milliseconds(400);

// The ink scaled down so its longer side has at most `maxPixels` pixels; a
// pixel is black when any dot under it is inked, so thin lines stay seen.
QImage InkImage(const BandInk& ink, int maxPixels) {
    const int longer = std::max(ink.width, ink.height);
    const int step = std::max(1, (longer + maxPixels - 1) / maxPixels);
    const int w = std::max(1, (ink.width + step - 1) / step);
    const int h = std::max(1, (ink.height + step - 1) / step);
    QImage image(w, h, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < ink.height; ++y) {
        uchar* row = image.scanLine(y / step);
        const std::uint8_t* dots = ink.dots.data() + static_cast<std::size_t>(y) * ink.width;
        for (int x = 0; x < ink.width; ++x)
            if (dots[x]) row[x / step] = 0;
    }
    return image;
}

}  // namespace

TrainingPlotter::TrainingPlotter(Edition edition, std::function<AppSettings()> settings, double speed)
    : edition_(edition), settings_(std::move(settings)), speed_(speed) {}

TrainingPlotter::~TrainingPlotter() { Stop(); }

bool TrainingPlotter::Start(QString* error) {
    if (plotter_) return true;
    VirtualPlotterOptions o;
    o.edition = edition_;
    o.bindAddress = "127.0.0.1";
    o.port = 0;
    o.speed = speed_;
    o.keepBands = true;
    o.layoutSettings = settings_();
    auto plotter = std::make_unique<VirtualPlotter>(std::move(o));
    if (!plotter->Start()) {
        if (error) *error = QString::fromStdString(plotter->error());
        return false;
    }
    port_ = plotter->port();
    plotter_ = std::move(plotter);
    seen_ = PlotterJob{};
    {
        std::lock_guard guard(lock_);
        picture_ = ui::TrainingPicture{};
    }
    ++generation_;
    watcher_ = std::jthread([this](std::stop_token token) { Watch(token); });
    return true;
}

void TrainingPlotter::Stop() {
    if (watcher_.joinable()) {
        watcher_.request_stop();
        watcher_.join();
    }
    if (plotter_) plotter_->Stop();
    plotter_.reset();
    port_ = 0;
}

ui::TrainingPicture TrainingPlotter::Picture() const {
    std::lock_guard guard(lock_);
    return picture_;
}

void TrainingPlotter::Watch(std::stop_token token) {
    std::mutex m;
    std::condition_variable_any wake;
    bool endedShown = false;
    while (!token.stop_requested()) {
        {
            std::unique_lock l(m);
            wake.wait_for(l, token, kWatchPeriod, [] { return false; });
        }
        if (token.stop_requested()) break;
        auto u = plotter_->machine().JobSince(seen_.number, seen_.bands.size(), seen_.cutSegments.size());
        if (!u.any) continue;
        const bool news = u.whole || !u.job.bands.empty() || !u.job.cutSegments.empty() || u.ended != endedShown;
        if (!news) continue;
        if (u.whole) {
            seen_ = std::move(u.job);
        } else {
            for (auto& b : u.job.bands) seen_.bands.push_back(std::move(b));
            for (auto& c : u.job.cutSegments) seen_.cutSegments.push_back(std::move(c));
            seen_.ending = u.job.ending;
            seen_.bandBytes = u.job.bandBytes;
        }
        endedShown = u.ended;
        ui::TrainingPicture picture = MakePicture(seen_, u.ended, settings_());
        {
            std::lock_guard guard(lock_);
            picture_ = std::move(picture);
        }
        ++generation_;
    }
}

ui::TrainingPicture TrainingPlotter::MakePicture(const PlotterJob& job, bool ended, const AppSettings& settings,
                                                 int maxPixels) {
    ui::TrainingPicture t;
    t.jobNumber = job.number;
    t.bands = static_cast<int>(job.bands.size());
    t.cutSegments = static_cast<int>(job.cutSegments.size());
    t.ended = ended;
    t.ending = QString::fromStdString(job.ending);

    const RasterConfig config = RasterConfig::From(settings, job.params);
    const BandLayout layout(config);
    std::int32_t lastIndex = -1;
    for (const auto& b : job.bands) lastIndex = std::max(lastIndex, b.index);
    const std::int64_t dots = layout.BitmapRows(std::max(job.columnCount, 0)) *
                              (static_cast<std::int64_t>(lastIndex) + 1) * layout.Heads().BandStep();
    if (dots > kMaxInkDots) {
        t.inkTooLarge = true;
    } else if (!job.bands.empty()) {
        const BandInk ink = ReconstructBandInk(job, config);
        if (ink.width > 0 && ink.height > 0) {
            t.ink = InkImage(ink, maxPixels);
            // Across: one bitmap row per firing column; down: 300 dots per inch.
            const double columnsPerMm = config.carriagePulsesPerMm / 100.0 / config.fireIntervalPulses;
            t.inkMm = QSizeF(ink.width / columnsPerMm, ink.height / kDotsPerMm);
        }
    }

    // Knife records: feed-motor pulses (x) and carriage-motor pulses (y).
    const double feedPerMm = std::max(job.params.adv.feedPulsesPerMm / 100.0, 0.01);
    const double carriagePerMm = std::max(job.params.adv.carriagePulsesPerMm / 100.0, 0.01);
    QPolygonF stroke;
    QPointF last;
    bool haveLast = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    auto flush = [&t, &stroke] {
        if (stroke.size() > 1) t.cuts.push_back(stroke);
        stroke.clear();
    };
    for (const auto& seg : job.cutSegments)
        for (const CutRecord& r : seg.records) {
            const QPointF p(r.y / carriagePerMm, r.x / feedPerMm);
            x0 = haveLast ? std::min(x0, p.x()) : p.x();
            x1 = haveLast ? std::max(x1, p.x()) : p.x();
            y0 = haveLast ? std::min(y0, p.y()) : p.y();
            y1 = haveLast ? std::max(y1, p.y()) : p.y();
            if (r.code == kCodeMove) {
                flush();
                if (haveLast) t.moves.push_back(QPolygonF({last, p}));
                stroke << p;
            } else {
                if (stroke.isEmpty() && haveLast) stroke << last;
                stroke << p;
            }
            last = p;
            haveLast = true;
        }
    flush();
    // A millimetre of paper around the path, so a single straight cut still
    // has an area to be drawn in.
    if (haveLast) t.cutBoundsMm = QRectF(QPointF(x0 - 1, y0 - 1), QPointF(x1 + 1, y1 + 1));
    return t;
}

}  // namespace pv::app
