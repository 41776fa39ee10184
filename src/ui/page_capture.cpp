#include "ui/page_capture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "settings/localized.h"
#include "ui/dialog_messages.h"

namespace pv::ui {
namespace {

void PutU16(QByteArray& b, std::uint16_t v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>(v >> 8));
}
void PutU32(QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

QString CaptureFileName(CaptureKind kind, Edition edition, int language, const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    if (language == 0) {
        const char* prefix = kind == CaptureKind::Machine ? "参数" : kind == CaptureKind::Misc ? "杂项参数" : "高级参数";
        return QString::asprintf("%s%d年%02d月%02d日%02d时%02d分%02d秒.jpg", prefix, d.year(), d.month(), d.day(),
                                 t.hour(), t.minute(), t.second());
    }
    const char* prefix = kind == CaptureKind::Machine ? "Para"
                         : kind == CaptureKind::Misc  ? "MiscPara"
                         : IsFourHead(edition)        ? "ProtectPara"
                                                      : "AdvPara";
    return QString::asprintf("%s%04d-%02d-%02d %02dh%02dm%02ds.jpg", prefix, d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

bool WriteBitmap16(const QImage& source, const QString& path) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 2 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);

    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(imageBytes + 54));
    bytes.append("BM", 2);
    PutU32(bytes, imageBytes + 54);   // file size
    PutU32(bytes, 0);                 // reserved
    PutU32(bytes, 54);                // pixel data offset
    PutU32(bytes, 40);                // information header size
    PutU32(bytes, static_cast<std::uint32_t>(width));
    PutU32(bytes, static_cast<std::uint32_t>(height));   // positive: bottom-up
    PutU16(bytes, 1);                 // planes
    PutU16(bytes, 16);                // bits per pixel
    PutU32(bytes, 0);                 // no compression
    PutU32(bytes, imageBytes);
    PutU32(bytes, 0);
    PutU32(bytes, 0);
    PutU32(bytes, 0);
    PutU32(bytes, 0);
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb c = line[x];
            const auto pixel =
                static_cast<std::uint16_t>(((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3));
            PutU16(bytes, pixel);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 2; pad < rowBytes; ++pad) bytes.append('\0');
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written;
}

QString DesktopFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (folder.isEmpty()) folder = QDir::homePath() + QStringLiteral("/Desktop");
    QDir().mkpath(folder);
    return folder;
}

void SavePageCapture(QWidget* page, CaptureKind kind, Edition edition, int language) {
    QPointer<QWidget> target(page);
    QTimer::singleShot(500, page, [target, kind, edition, language] {
        if (!target) return;
        const QString path =
            DesktopFolder() + QLatin1Char('/') + CaptureFileName(kind, edition, language, QDateTime::currentDateTime());
        if (!WriteBitmap16(target->grab().toImage(), path)) {
            ShowMessage(target, "Create File Error!");
            return;
        }
        ShowMessage(target, QString::fromUtf8(Localized(language, "截图成功保存到", "Capture save to ")) + path,
                    QStringLiteral("Note"));
    });
}

}  // namespace pv::ui
