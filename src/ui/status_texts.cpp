#include "ui/status_texts.h"

#include <algorithm>

namespace pv::ui {
namespace {

enum class Form { Chinese, Ukrainian, Russian, English };

Form FormOf(int language) {
    switch (language) {
    case 0: return Form::Chinese;
    case 3: return Form::Ukrainian;
    case 4: return Form::Russian;
    default: return Form::English;
    }
}

// One text in its four forms (UTF-8 literals).
struct Forms {
    const char* chinese;
    const char* ukrainian;
    const char* russian;
    const char* english;

    QString In(int language) const {
        switch (FormOf(language)) {
        case Form::Chinese: return QString::fromUtf8(chinese);
        case Form::Ukrainian: return QString::fromUtf8(ukrainian);
        case Form::Russian: return QString::fromUtf8(russian);
        case Form::English: break;
        }
        return QString::fromUtf8(english);
    }
};

QString OneDecimal(double v) { return QString::asprintf("%.1f", v); }

// Fills the single "%.1f%%" of a progress text.
QString WithPercent(const QString& format, int permille) {
    QString t = format;
    return t.replace(QStringLiteral("%.1f%%"), OneDecimal(permille / 10.0) + QLatin1Char('%'));
}

PaneContent StateWithoutProgress(int language, int state) {
    switch (state) {
    case 0: return {QStringLiteral("Init..."), StatusTexts::kYellow};
    case 1: return {Forms{"准备就绪", "Готово", "Готово", "Ready"}.In(language), StatusTexts::kGreen};
    case 2:
        return {Forms{"清洗喷头...", "Очистка картриджiв", "Очистка картриджей", "Plot Test..."}.In(language),
                StatusTexts::kYellow};
    case 3:
    case 4:
        return {Forms{"打印中断或其他电脑正在联机打印\n", "Друк перервано або друкує iнший комп‘ютер",
                      "Печать прервано или печатает другой компьютер", "Print abort or other PC printing\n"}
                    .In(language),
                StatusTexts::kYellow};
    case 5:
        return {Forms{"内存错误...", "Помилка пам‘ятi", "Ошибка памяти", "MEM ERROR..."}.In(language),
                StatusTexts::kRed};
    case 7:
        return {Forms{"正在寻找原点...", "Пошук поч.точки...", "Поиск нач.точки...", "Seek ZP......"}.In(language),
                StatusTexts::kYellow};
    case 8:
        return {Forms{"手动裁纸...", "Ручне вiдрiзаня паперу", "Ручное отрезание бумаги", "Cutting paper..."}.In(
                    language),
                StatusTexts::kRed};
    case 255:
        return {Forms{"正在读取系统参数...", "Отримання параметрiв системи", "Получение параметров системы",
                      "Connecting..."}
                    .In(language),
                StatusTexts::kYellow};
    default: return {QStringLiteral("Error code %1").arg(state), StatusTexts::kRed};
    }
}

}  // namespace

const QColor StatusTexts::kGrey{240, 240, 240};
const QColor StatusTexts::kGreen{0, 255, 0};
const QColor StatusTexts::kYellow{255, 255, 0};
const QColor StatusTexts::kRed{255, 0, 0};

PaneContent StatusTexts::Pointer(int language, int x, int y) {
    const QString format = Forms{"位置:(%1mm,%2mm)", "позицiя:(%1mm,%2mm)", "позиция:(%1mm,%2mm)", "Pos:(%1mm,%2mm)"}
                               .In(language);
    return {format.arg(x / 40).arg(y / 40), kGrey};
}

int StatusTexts::ProgressPermille(std::int32_t bandCount, std::int32_t bandInProgress) {
    // 64 bits: a long marker's band number times 1000 passes 32 bits.
    const std::int64_t p = std::int64_t(bandInProgress) * 1000 / bandCount;
    return int(std::min<std::int64_t>(p, 1000));
}

PaneContent StatusTexts::MachineState(int language, bool online, int state, std::int32_t bandCount,
                                      std::int32_t bandInProgress) {
    if (!online) {
        QString text;
        if (language == 0) text = QString::fromUtf8("已脱机...");
        else if (language == 2) text = QStringLiteral("Astar");
        else if (language < 3 || language > 6) text = QStringLiteral("Offline");
        return {text, kRed};
    }
    if ((state == 3 || state == 4) && bandCount != 0) {
        const int p = ProgressPermille(bandCount, bandInProgress);
        const Forms working{"工作中...完成%.1f%%\n", "В роботi, завершено%.1f%%\n", "В работе, завершено%.1f%%\n",
                            "Plotting...%.1f%%\n"};
        const Forms paused{"暂停...完成%.1f%%", "Пауза, завершено%.1f%%\n", "Пауза, завершено%.1f%%\n",
                           "Paused...%.1f%%"};
        return {WithPercent((state == 3 ? working : paused).In(language), p), kYellow};
    }
    return StateWithoutProgress(language, state);
}

PaneContent StatusTexts::Carriage(int language, std::int32_t carriagePos, int pulsesPerMm100) {
    // A parameter record without a carriage scale shows the pulses themselves
    // rather than dividing by zero.
    const double pulsesPerMm = pulsesPerMm100 > 0 ? pulsesPerMm100 / 100.0 : 1.0;
    const QString mm = OneDecimal(carriagePos / pulsesPerMm);
    return {(language == 0 ? QString::fromUtf8("小车:%1 mm") : QStringLiteral("Car:%1 mm")).arg(mm), kGrey};
}

PaneContent StatusTexts::MachineIp(int language, std::int32_t address) {
    const auto a = std::uint32_t(address);
    const QString dotted = QStringLiteral("%1.%2.%3.%4")
                               .arg(a & 0xFF)
                               .arg((a >> 8) & 0xFF)
                               .arg((a >> 16) & 0xFF)
                               .arg((a >> 24) & 0xFF);
    return {(language == 0 ? QString::fromUtf8("绘图仪IP:") : QStringLiteral("Machine IP:")) + dotted, kGrey};
}

PaneContent StatusTexts::LocalAddresses(int language, const QString& addressText) {
    return {Forms{"本地IP:", "IP локальний:", "IP локальный:", "Local IP:"}.In(language) + addressText, kGrey};
}

double StatusTexts::InkLeftPercent(std::int64_t drops, int inkSumMl) {
    // 5 pL a drop: drops × 5e-9 mL, as a per cent of the cartridge.  A
    // cartridge of no content has nothing left.
    if (inkSumMl <= 0) return 0.0;
    // (drops × 5 × 0.001 × 0.001 × 0.1 / mL) written with one rounding, so
    // that a counter at exactly 80 % used reads 20.0, not 19.999….
    return 100.0 - double(drops) * 5.0 / (1e7 * double(inkSumMl));
}

PaneContent StatusTexts::Ink(int language, std::int64_t drops1, std::int64_t drops2, int inkSumMl) {
    const double left1 = InkLeftPercent(drops1, inkSumMl);
    const double left2 = InkLeftPercent(drops2, inkSumMl);
    const QString format = language == 0 ? QString::fromUtf8("墨盒1剩余:%1% 墨盒2剩余:%2% ")
                                         : QStringLiteral("1#Left:%1% 2#left:%2% ");
    return {format.arg(OneDecimal(left1), OneDecimal(left2)), (left1 < 20 || left2 < 20) ? kYellow : kGrey};
}

}  // namespace pv::ui
