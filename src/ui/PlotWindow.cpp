#include "PlotWindow.h"

#include <QMessageBox>

#include "ModalBox.h"
#include "PlotView.h"
#include "vars/PlotModel.h"
#include "vars/VarsRegistry.h"

PlotWindow::PlotWindow(VarsRegistry& registry, QWidget* parent)
    : QDockWidget(tr("Plot"), parent), m_model(new PlotModel(registry, this)), m_view(new PlotView(*m_model, this))
{
    setObjectName(QStringLiteral("plotWindow"));
    setWidget(m_view);
    connect(&registry, &VarsRegistry::plotRequested, this, &PlotWindow::plot);
}

void PlotWindow::plot(int id, const QString& rowName)
{
    show();
    raise();
    if (m_model->contains(id))
        return;
    if (m_model->isFull()) {
        QMessageBox box(QMessageBox::Information, tr("Plot"),
                        tr("A plot shows at most %1 values; remove one first.").arg(PlotModel::MaxSeries),
                        QMessageBox::Ok, this);
        ModalBox::exec(box);
        return;
    }
    const auto [name, unit] = PlotModel::nameAndUnit(rowName);
    m_model->addSeries(id, name, unit);
}

void PlotWindow::closeEvent(QCloseEvent* event)
{
    m_model->clear();
    QDockWidget::closeEvent(event);
}
