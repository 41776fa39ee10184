#include "import/label_drawer.h"

#include "settings/app_settings.h"

namespace pv {

// Until the stroke fonts land a label draws nothing.
LabelDrawer::LabelDrawer(const AppSettings& settings, MessageSink sink)
    : settings_(settings), sink_(std::move(sink)) {}

LabelDrawer::~LabelDrawer() = default;

void LabelDrawer::LoadFonts() {}

void LabelDrawer::DrawLine(double, double, const std::uint8_t*, int, const LabelStyle&, PlotCommandList&) {}

}  // namespace pv
