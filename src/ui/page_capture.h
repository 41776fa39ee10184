#pragma once
// Pictures of the parameter pages, saved on the user's desktop for the
// service engineer.  The file is an uncompressed 16-bit bottom-up bitmap
// even though its name ends in ".jpg": the names are the ones the service
// tools look for, so they stay as they are.
#include <QDateTime>
#include <QString>

#include "settings/edition.h"

class QImage;
class QWidget;

namespace pv::ui {

enum class CaptureKind { Machine, Misc, Advanced };

// The file name (without folder) for a capture taken at `when`: English
// names with dashes and "h m s", Chinese names with 年月日时分秒 when
// `language` is 0; the four-head advanced page is "ProtectPara…".
QString CaptureFileName(CaptureKind kind, Edition edition, int language, const QDateTime& when);

// Writes `image` as a Windows bitmap of 16 bits per pixel (5 bits per
// colour), bottom-up, rows padded to four bytes, behind the 14-byte file
// header and the 40-byte information header.  False when the file could
// not be written.
bool WriteBitmap16(const QImage& image, const QString& path);

// The desktop folder (created when missing).
QString DesktopFolder();

// Waits 500 ms so the pressed button has redrawn, grabs `page`, writes it
// to the desktop under CaptureFileName and tells the operator where it went
// ("Create File Error!" when it could not be written).  Returns at once;
// the capture happens from the event loop.
void SavePageCapture(QWidget* page, CaptureKind kind, Edition edition, int language);

}  // namespace pv::ui
