#pragma once

#include <QDockWidget>

class PlotModel;
class PlotView;
class VarsRegistry;

// The plot beside the pages (or floating on its own): rows ask for their variable to be plotted through
// the registry. Closing it stops the polling its series kept up.
class PlotWindow : public QDockWidget
{
    Q_OBJECT
public:
    explicit PlotWindow(VarsRegistry& registry, QWidget* parent = nullptr);

    PlotModel& model() const { return *m_model; }
    PlotView& view() const { return *m_view; }
    void plot(int id, const QString& rowName);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    PlotModel* m_model;
    PlotView* m_view;
};
