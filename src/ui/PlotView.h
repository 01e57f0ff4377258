#pragma once

#include <QList>
#include <QTimer>
#include <QWidget>

class PlotModel;
class QAction;
class QChart;
class QChartView;
class QDoubleSpinBox;
class QLabel;
class QLineSeries;
class QValueAxis;

// A chart of a plot's series against time, with its tools: pause, automatic or manual ranges, zoom by
// dragging a rectangle and back, a read-out of the values under the cursor, and export.
class PlotView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int RedrawMs = 250;

    explicit PlotView(PlotModel& model, QWidget* parent = nullptr);

    // The chart as a picture, or the series as CSV, by the file's suffix.
    bool exportTo(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuild();
    void redraw();
    void applyRange();
    void resetZoom();
    void showReadout(const QPointF& position);
    void chooseExport();
    void fillRemoveMenu();

    PlotModel& m_model;
    QChart* m_chart;
    QChartView* m_view;
    QValueAxis* m_x;
    QValueAxis* m_y;
    QList<QList<QLineSeries*>> m_lines; // per series: one line per run of readings between gaps
    QAction* m_pause;
    QAction* m_auto;
    QDoubleSpinBox* m_yFrom;
    QDoubleSpinBox* m_yTo;
    QDoubleSpinBox* m_span;
    QLabel* m_readout;
    QTimer m_redraw;
    bool m_dirty = false;
    bool m_zoomed = false;
    QPoint m_pressAt;
};
