#pragma once
// What the training plotter did with the newest job, drawn beside the main
// window: on the left the ink its bands fired, on the right the knife's
// path, both in millimetres with the carriage across and the paper feed
// down, and a line saying how far the job has come.
#include <QImage>
#include <QPolygonF>
#include <QString>
#include <QWidget>
#include <vector>

namespace pv::ui {

struct TrainingPicture {
    int jobNumber = 0;              // 0: no job yet
    int bands = 0;
    int cutSegments = 0;
    bool ended = false;
    QString ending;                 // how the job ended ("complete", "stopped", ...)
    QImage ink;                     // white paper, black dots; may be scaled down
    QSizeF inkMm;                   // the inked area's size: carriage mm × feed mm
    bool inkTooLarge = false;       // too many dots to show
    std::vector<QPolygonF> cuts;    // knife strokes in mm (carriage, feed)
    std::vector<QPolygonF> moves;   // travel with the knife up, in mm
    QRectF cutBoundsMm;
};

class TrainingPlotterView : public QWidget {
    Q_OBJECT
public:
    explicit TrainingPlotterView(QWidget* parent = nullptr);

    void SetPicture(TrainingPicture picture);
    const TrainingPicture& picture() const { return picture_; }
    // The line under the pictures.
    QString StatusLine() const;

    // The pane takes the width the window gives it; the pictures scale.
    QSize sizeHint() const override { return {280, 480}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintInk(QPainter& p, const QRectF& box) const;
    void PaintCuts(QPainter& p, const QRectF& box) const;

    TrainingPicture picture_;
};

}  // namespace pv::ui
