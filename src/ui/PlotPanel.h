#pragma once

#include <QGroupBox>
#include <QHash>

class PlotWindow;
class QCheckBox;
class VarsTab;
class VarsUI;
class VarWidget;

// Below the rows of the Diagnostics page: a box per number row of the page that plots it while ticked.
class PlotPanel : public QGroupBox
{
    Q_OBJECT
public:
    // The page file that gets the panel.
    static inline const QString PageFile = QStringLiteral("diag");

    PlotPanel(PlotWindow& plots, const QList<VarWidget*>& rows, QWidget* parent = nullptr);

    // Puts a panel on the page views the last assembly of the model built, where the page asks for one.
    static void addTo(const VarsUI& model, const QList<VarsTab*>& views, PlotWindow& plots);

private:
    void showPlotted();

    PlotWindow& m_plots;
    QHash<int, QCheckBox*> m_boxes; // by variable
};
