#pragma once
// The four-head edition's drawing view: no tool buttons and no text tool.
// A left drag always draws the rubber band; with EnableCurveMove on, a drag
// that starts inside the selection's box (Ctrl not held) moves the
// selected curves instead.  Its context menu adds "Test" (dotted cuts with
// 0.5 mm dots).
#include "ui/pelvane_view.h"

namespace pv::ui {

class COrvantaView : public CPelvaneView {
    Q_OBJECT
public:
    explicit COrvantaView(Station& station, QWidget* parent = nullptr);

    // There are no tool buttons: the tool stays "select".
    void SetTool(int tool) override;

protected:
    bool MoveSelectionModeAt(QPoint pos, Qt::KeyboardModifiers mods) const override;
    int DragTool() const override { return 1; }
};

}  // namespace pv::ui
