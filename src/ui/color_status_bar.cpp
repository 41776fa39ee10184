#include "ui/color_status_bar.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFontMetrics>

#include "jobs/station.h"
#include "ui/color_pane.h"
#include "ui/status_texts.h"

namespace pv::ui {
namespace {

// "微软雅黑" with a character cell 22 pixels high, normal weight; where the
// family is missing Qt's substitute (a CJK sans where one is installed).
QFont BarFont(const QFont& base) {
    QFont f = base;
    f.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC"),
                   QStringLiteral("WenQuanYi Micro Hei")});
    f.setWeight(QFont::Normal);
    constexpr int kCellHeight = 22;   // pixels, ascent + descent
    f.setPixelSize(kCellHeight);
    const int h = QFontMetrics(f).height();
    if (h > 0 && h != kCellHeight) f.setPixelSize(std::max(1, kCellHeight * kCellHeight / h));
    return f;
}

}  // namespace

CColorStatusBar::CColorStatusBar(Station& station, QWidget* parent) : QStatusBar(parent), station_(station) {
    setFont(BarFont(font()));
    setSizeGripEnabled(false);
    static const char* const initial[] = {
        QT_TRANSLATE_NOOP("pv::ui::CColorStatusBar", "鼠标:(0mm,0mm)"), QT_TRANSLATE_NOOP("pv::ui::CColorStatusBar", "机器状态"),
        QT_TRANSLATE_NOOP("pv::ui::CColorStatusBar", "X:0 Y:0"),        QT_TRANSLATE_NOOP("pv::ui::CColorStatusBar", "Machine IP"),
        QT_TRANSLATE_NOOP("pv::ui::CColorStatusBar", "PC IP"),          QT_TRANSLATE_NOOP("pv::ui::CColorStatusBar", "IVS")};
    const int count = IsFourHead(station_.edition()) ? 5 : 6;
    for (int i = 0; i < count; ++i) {
        auto* pane = new CColorPane(this);
        pane->setObjectName(QStringLiteral("pane%1").arg(601 + i));
        addWidget(pane);
        panes_.push_back(pane);
        const QString text = tr(initial[i]);
        pane->SetColorText(text, StatusTexts::kGrey);
        pane->SetWantedWidth(i == kPointer ? 200 : fontMetrics().horizontalAdvance(text) + 8);
    }
}

int CColorStatusBar::Language() const { return station_.Language(); }

void CColorStatusBar::SetPaneColorText(int pane, const QString& text, const QColor& colour) {
    if (pane < 0 || pane >= PaneCount()) return;
    panes_[std::size_t(pane)]->SetColorText(text, colour);
}

int CColorStatusBar::WidthFor(int pane, const QString& text) const {
    if (pane == kPointer) return 200;
    QString shown = text.left(text.indexOf(QLatin1Char('\n')));
    const int w = fontMetrics().horizontalAdvance(shown);
    if (pane == kMachineState || pane == kInk) return 2 * w;
    return int(1.2 * w);
}

void CColorStatusBar::SetPane(int pane, const QString& text, const QColor& colour) {
    if (pane < 0 || pane >= PaneCount()) return;
    SetPaneColorText(pane, text, colour);
    panes_[std::size_t(pane)]->SetWantedWidth(WidthFor(pane, text));
}

void CColorStatusBar::ShowPointerPosition(int x, int y) {
    const PaneContent c = StatusTexts::Pointer(Language(), x, y);
    SetPane(kPointer, c.text, c.colour);
}

bool CColorStatusBar::ShowMachineState() {
    const MachineStatus& s = station_.link.status;
    const bool online = s.online.load();
    const int state = s.state.load();
    const PaneContent c = StatusTexts::MachineState(Language(), online, state, station_.output.BandCount,
                                                    station_.link.bandInProgress.load());
    SetPane(kMachineState, c.text, c.colour);
    return online && state == kStateWorking;
}

void CColorStatusBar::ShowCarriagePosition() {
    MachineStatus& s = station_.link.status;
    if (!s.carriagePosNew.exchange(false)) return;
    const int pulsesPerMm100 = station_.params.Read([](const MachineParams& p) { return int(p.adv.carriagePulsesPerMm); });
    const PaneContent c = StatusTexts::Carriage(Language(), s.carriagePos.load(), pulsesPerMm100);
    SetPane(kCarriage, c.text, c.colour);
}

void CColorStatusBar::ShowMachineIP() {
    const std::int32_t address = station_.settings.Read([](const AppSettings& s) { return s.MachineIP; });
    const PaneContent c = StatusTexts::MachineIp(Language(), address);
    SetPane(kMachineIp, c.text, c.colour);
}

void CColorStatusBar::ShowInk() {
    if (IsFourHead(station_.edition())) return;
    struct Ink {
        bool counted;
        std::int64_t drops1, drops2;
        int sumMl;
    };
    const Ink ink = station_.settings.Read([](const AppSettings& s) {
        return Ink{s.EnableInkVolumStatistic != 0, s.DropCountIB1, s.DropCountIB2, s.InkSum_mL};
    });
    if (!ink.counted) return;
    const PaneContent c = StatusTexts::Ink(Language(), ink.drops1, ink.drops2, ink.sumMl);
    SetPane(kInk, c.text, c.colour);
}

void CColorStatusBar::ShowLocalAddresses(const QString& addressText) {
    const PaneContent c = StatusTexts::LocalAddresses(Language(), addressText);
    SetPane(kLocalIp, c.text, c.colour);
}

QString CColorStatusBar::PaneText(int pane) const {
    return pane >= 0 && pane < PaneCount() ? panes_[std::size_t(pane)]->Text() : QString();
}

QColor CColorStatusBar::PaneColour(int pane) const {
    return pane >= 0 && pane < PaneCount() ? panes_[std::size_t(pane)]->Colour() : QColor();
}

int CColorStatusBar::PaneWidth(int pane) const {
    return pane >= 0 && pane < PaneCount() ? panes_[std::size_t(pane)]->WantedWidth() : 0;
}

}  // namespace pv::ui
