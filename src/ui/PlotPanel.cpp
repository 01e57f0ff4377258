#include "PlotPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "PlotWindow.h"
#include "VarWidget.h"
#include "VarsTab.h"
#include "vars/PlotModel.h"
#include "vars/VarsUI.h"

PlotPanel::PlotPanel(PlotWindow& plots, const QList<VarWidget*>& rows, QWidget* parent)
    : QGroupBox(tr("Plot"), parent), m_plots(plots)
{
    setObjectName(QStringLiteral("plotPanel"));
    auto* layout = new QVBoxLayout(this);
    auto* hint = new QLabel(tr("Tick a value to draw it in the plot window. Any number row of any page "
                               "offers Plot when right-clicked."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    for (VarWidget* row : rows) {
        const int id = row->deviceId();
        if (!row->isPlottable() || m_boxes.contains(id))
            continue;
        auto* box = new QCheckBox(row->info().name, this);
        layout->addWidget(box);
        m_boxes.insert(id, box);
        connect(box, &QCheckBox::toggled, this, [this, id, name = row->info().name](bool on) {
            if (on)
                m_plots.plot(id, name);
            else
                m_plots.model().removeSeries(id);
            showPlotted(); // a full plot leaves the box unticked
        });
    }
    connect(&m_plots.model(), &PlotModel::seriesChanged, this, &PlotPanel::showPlotted);
}

void PlotPanel::showPlotted()
{
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it) {
        const QSignalBlocker block(it.value());
        it.value()->setChecked(m_plots.model().contains(it.key()));
    }
}

void PlotPanel::addTo(const VarsUI& model, const QList<VarsTab*>& views, PlotWindow& plots)
{
    const QList<VarsUI::Page>& pages = model.pages();
    const qsizetype first = views.size() - pages.size();
    for (qsizetype i = 0; i < pages.size() && first >= 0; ++i) {
        if (pages.at(i).file != PageFile)
            continue;
        VarsTab* view = views.at(first + i);
        // The panel lists the page's rows, which exist only once the page is first shown.
        QObject::connect(view, &VarsTab::rowsBuilt, view,
                         [view, &plots] { view->addFooter(new PlotPanel(plots, view->rows(), view)); });
    }
}
