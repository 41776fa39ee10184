#pragma once
// The drawing view's commands on the shown page: selection, conversion
// between drawn and cut lines, recognition, rotation, paging, deletion,
// moving to the origin, breaking, reversing, the knife previews, and the
// zoom and scroll keys.  Each says what it changed so the view knows whether
// to repaint, refresh the job list and take an undo snapshot.
#include <QString>
#include <functional>

#include "geometry/one_page.h"
#include "geometry/view_mapping.h"

namespace pv {
class Station;
}

namespace pv::ui {

struct CommandEffect {
    bool handled = false;       // the id is one of the view's commands
    bool pageEdited = false;    // the drawing changed: undo snapshot
    bool refreshList = false;   // the job list's rows changed
    bool redraw = false;
};

class ViewCommands {
public:
    // Asks for a number: shows `prompt` with `value`, true and the number in
    // `value` on OK.
    using NumberPrompt = std::function<bool(const QString& prompt, double& value)>;

    explicit ViewCommands(Station& station) : station_(station) {}

    void SetNumberPrompt(NumberPrompt prompt) { ask_ = std::move(prompt); }

    // Runs command `id` on `page` (null when no job is shown) and the view's
    // mapping; `windowHeight` is for Fit.
    CommandEffect Run(int id, COnePage* page, ViewMapping& view, int windowHeight);

    // The zoom that fits the paper width into a window of this height.
    void Fit(ViewMapping& view, int windowHeight) const;

private:
    CommandEffect RunPageCommand(int id, COnePage& page);
    CommandEffect ManualPaging(COnePage& page);
    CommandEffect BreakByAngle(COnePage& page);
    bool Ask(const QString& prompt, double& value) const;
    QString Text(const char* chinese, const char* english) const;

    Station& station_;
    NumberPrompt ask_;
};

}  // namespace pv::ui
