#include "PlotView.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSaveFile>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include "FileChooser.h"
#include "ModalBox.h"
#include "vars/PlotModel.h"

namespace {

constexpr QRgb Colours[PlotModel::MaxSeries] = {0x1f77b4, 0xd62728, 0x2ca02c, 0xff7f0e,
                                                0x9467bd, 0x8c564b, 0xe377c2, 0x17becf};
constexpr double MinSpan = 10;   // seconds shown at least while a plot fills up
constexpr int DragThreshold = 4; // pixels a press must move to be a zoom rather than a click

QString label(const PlotModel::Series& s)
{
    return s.unit.isEmpty() ? s.name : QStringLiteral("%1, %2").arg(s.name, s.unit);
}

// Runs of readings between gaps: a line is drawn only between values the device reported one after the
// other. Within a run, readings closer together than bucket seconds (about a pixel) are thinned to the
// lowest and the highest of them, so that ten minutes of readings cost no more to draw than the width
// of the chart, and a short dip still shows.
QList<QList<QPointF>> runsOf(const QList<PlotModel::Point>& points, double bucket)
{
    QList<QList<QPointF>> runs;
    bool open = false;
    qint64 current = 0;
    QPointF low;
    QPointF high;
    const auto flush = [&] {
        if (!open)
            return;
        QList<QPointF>& run = runs.last();
        run.append(low.x() <= high.x() ? low : high);
        if (low != high)
            run.append(low.x() <= high.x() ? high : low);
    };
    for (const PlotModel::Point& p : points) {
        const qint64 index = bucket > 0 ? qint64(std::floor(p.t / bucket)) : 0;
        if (p.isGap() || !open || index != current || bucket <= 0) {
            flush();
            if (p.isGap()) {
                open = false;
                continue;
            }
            if (!open)
                runs.append(QList<QPointF>());
            open = true;
            current = index;
            low = high = QPointF(p.t, p.v);
            continue;
        }
        if (p.v < low.y())
            low = QPointF(p.t, p.v);
        if (p.v > high.y())
            high = QPointF(p.t, p.v);
    }
    flush();
    return runs;
}

} // namespace

PlotView::PlotView(PlotModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_chart(new QChart), m_view(new QChartView(m_chart, this)),
      m_x(new QValueAxis(m_chart)), m_y(new QValueAxis(m_chart)), m_yFrom(new QDoubleSpinBox(this)),
      m_yTo(new QDoubleSpinBox(this)), m_span(new QDoubleSpinBox(this)), m_readout(new QLabel(this))
{
    m_x->setTitleText(tr("Time, s"));
    m_x->setLabelFormat(QStringLiteral("%.4g"));
    m_chart->addAxis(m_x, Qt::AlignBottom);
    m_chart->addAxis(m_y, Qt::AlignLeft);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setRubberBand(QChartView::RectangleRubberBand);
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);

    // Three short rows, so that every tool shows in a dock beside the pages: the chart's own actions, then
    // the range switch with the spans it frees, then the values.
    auto* tools = new QToolBar(this);
    auto* spans = new QToolBar(this);
    auto* values = new QToolBar(this);
    m_pause = tools->addAction(tr("Pause"));
    m_pause->setCheckable(true);
    m_pause->setToolTip(tr("Stop the chart moving; readings are still kept"));
    tools->addAction(tr("Reset zoom"), this, &PlotView::resetZoom);
    auto* remove = new QToolButton(this);
    remove->setFocusPolicy(Qt::TabFocus);
    remove->setText(tr("Remove"));
    remove->setPopupMode(QToolButton::InstantPopup);
    remove->setMenu(new QMenu(remove));
    connect(remove->menu(), &QMenu::aboutToShow, this, &PlotView::fillRemoveMenu);
    tools->addWidget(remove);
    tools->addAction(tr("Export…"), this, &PlotView::chooseExport);

    m_auto = spans->addAction(tr("Automatic range"));
    m_auto->setCheckable(true);
    m_auto->setChecked(true);
    m_auto->setToolTip(tr("Fit every reading; off: show the range set beside it"));
    for (QDoubleSpinBox* box : {m_yFrom, m_yTo}) {
        box->setRange(-1e6, 1e6);
        box->setDecimals(2);
        box->setEnabled(false);
    }
    m_yTo->setValue(15);
    m_span->setRange(MinSpan, PlotModel::HistorySeconds);
    m_span->setDecimals(0);
    m_span->setValue(60);
    m_span->setSuffix(tr(" s"));
    m_span->setEnabled(false);
    // Each field is named by the words before it, which a screen reader does not join to it by itself.
    m_span->setAccessibleName(tr("Last"));
    m_yFrom->setAccessibleName(tr("Values from"));
    m_yTo->setAccessibleName(tr("Values to"));
    m_view->setAccessibleName(tr("Plot"));
    spans->addWidget(new QLabel(tr("Last"), this));
    spans->addWidget(m_span);
    values->addWidget(new QLabel(tr("Values from"), this));
    values->addWidget(m_yFrom);
    values->addWidget(new QLabel(tr("to"), this));
    values->addWidget(m_yTo);

    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    int widest = 0;
    for (QToolBar* bar : {tools, spans, values}) {
        bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
        // A tool bar's buttons are left out of the Tab chain; here they are the only way to the tools.
        for (QAction* action : bar->actions()) {
            if (QWidget* button = bar->widgetForAction(action); button && button->focusPolicy() == Qt::NoFocus)
                button->setFocusPolicy(Qt::TabFocus);
        }
        layout->addWidget(bar);
        widest = std::max(widest, bar->sizeHint().width());
    }
    // Never narrower than a row, which would hide its last tools behind an overflow button.
    setMinimumWidth(widest);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_readout);

    connect(m_auto, &QAction::toggled, this, [this](bool on) {
        for (QDoubleSpinBox* box : {m_yFrom, m_yTo, m_span})
            box->setEnabled(!on);
        m_zoomed = false;
        applyRange();
    });
    for (QDoubleSpinBox* box : {m_yFrom, m_yTo, m_span})
        connect(box, &QDoubleSpinBox::valueChanged, this, &PlotView::applyRange);
    connect(m_pause, &QAction::toggled, this, [this](bool paused) {
        if (!paused)
            redraw();
    });
    connect(&m_model, &PlotModel::seriesChanged, this, &PlotView::rebuild);
    connect(&m_model, &PlotModel::pointsAdded, this, [this] { m_dirty = true; });
    m_redraw.setInterval(RedrawMs);
    connect(&m_redraw, &QTimer::timeout, this, [this] {
        if (m_dirty && !m_pause->isChecked() && isVisible())
            redraw();
    });
    m_redraw.start();
    rebuild();
}

void PlotView::rebuild()
{
    m_chart->removeAllSeries();
    m_lines.clear();
    m_lines.resize(m_model.series().size());
    redraw();
}

void PlotView::redraw()
{
    m_dirty = false;
    applyRange();
    const double width = m_chart->plotArea().width();
    const double bucket = width > 0 ? (m_x->max() - m_x->min()) / width : 0;
    const QList<PlotModel::Series>& series = m_model.series();
    for (qsizetype i = 0; i < series.size(); ++i) {
        const QList<QList<QPointF>> runs = runsOf(series.at(i).points, bucket);
        QList<QLineSeries*>& lines = m_lines[i];
        // Every series keeps one line, so that its legend entry shows before its first reading.
        const qsizetype wanted = std::max<qsizetype>(runs.size(), 1);
        while (lines.size() > wanted)
            delete lines.takeLast();
        while (lines.size() < wanted) {
            auto* line = new QLineSeries;
            line->setName(label(series.at(i)));
            line->setColor(QColor(Colours[i]));
            m_chart->addSeries(line);
            line->attachAxis(m_x);
            line->attachAxis(m_y);
            if (!lines.isEmpty()) {
                for (QLegendMarker* marker : m_chart->legend()->markers(line))
                    marker->setVisible(false);
            }
            lines.append(line);
        }
        for (qsizetype r = 0; r < lines.size(); ++r) {
            const QList<QPointF> points = r < runs.size() ? runs.at(r) : QList<QPointF>();
            lines.at(r)->replace(points);
            // A reading alone between two gaps shows as a dot.
            lines.at(r)->setPointsVisible(points.size() == 1);
        }
    }
}

void PlotView::applyRange()
{
    if (m_zoomed)
        return;
    double first = 0;
    double last = m_model.now();
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    bool any = false;
    for (const PlotModel::Series& s : m_model.series()) {
        for (const PlotModel::Point& p : s.points) {
            if (p.isGap())
                continue;
            first = any ? std::min(first, p.t) : p.t;
            low = std::min(low, p.v);
            high = std::max(high, p.v);
            any = true;
        }
    }
    if (!m_auto->isChecked()) {
        m_x->setRange(std::max(0.0, last - m_span->value()), std::max(last, m_span->value()));
        m_y->setRange(m_yFrom->value(), m_yTo->value());
        return;
    }
    if (!any) {
        m_x->setRange(0, std::max(last, MinSpan));
        m_y->setRange(0, 1);
        return;
    }
    const double pad = high > low ? (high - low) * 0.05 : std::max(1.0, std::abs(high) * 0.05);
    m_x->setRange(first, std::max(last, first + MinSpan));
    m_y->setRange(low - pad, high + pad);
    // Round ticks: whole seconds, values a reader can take in at a glance.
    m_x->applyNiceNumbers();
    m_y->applyNiceNumbers();
}

void PlotView::resetZoom()
{
    m_zoomed = false;
    redraw();
}

bool PlotView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view->viewport())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        showReadout(static_cast<QMouseEvent*>(event)->position());
        break;
    case QEvent::MouseButtonPress:
        // The chart view zooms out on a right click; "Reset zoom" does that here.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            return true;
        m_pressAt = static_cast<QMouseEvent*>(event)->position().toPoint();
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton)
            return true;
        if ((mouse->position().toPoint() - m_pressAt).manhattanLength() > DragThreshold) {
            m_zoomed = true;
            // Drawn again once the chart has zoomed, with the detail of the narrower range.
            QTimer::singleShot(0, this, &PlotView::redraw);
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void PlotView::showReadout(const QPointF& position)
{
    const QList<PlotModel::Series>& series = m_model.series();
    if (series.isEmpty() || !m_chart->plotArea().contains(position)) {
        m_readout->clear();
        return;
    }
    const double t = m_chart->mapToValue(position).x();
    QStringList parts{tr("t = %1 s").arg(t, 0, 'f', 1)};
    for (const PlotModel::Series& s : series) {
        // The reading in force at that time: the last one before it, unless a gap came between.
        const auto after = std::upper_bound(s.points.cbegin(), s.points.cend(), t,
                                            [](double time, const PlotModel::Point& p) { return time < p.t; });
        QString value = QStringLiteral("–");
        if (after != s.points.cbegin() && !std::prev(after)->isGap())
            value = QString::number(std::prev(after)->v, 'g', 6);
        parts << QStringLiteral("%1: %2 %3").arg(s.name, value, s.unit).trimmed();
    }
    m_readout->setText(parts.join(QStringLiteral("    ")));
}

void PlotView::fillRemoveMenu()
{
    auto* menu = qobject_cast<QMenu*>(sender());
    menu->clear();
    for (const PlotModel::Series& s : m_model.series()) {
        const int id = s.id;
        menu->addAction(label(s), this, [this, id] { m_model.removeSeries(id); });
    }
    if (m_model.series().isEmpty())
        return;
    menu->addSeparator();
    menu->addAction(tr("Remove all"), &m_model, &PlotModel::clear);
}

void PlotView::chooseExport()
{
    const QString filter = tr("CSV file (*.csv)") + QStringLiteral(";;") + tr("PNG image (*.png)");
    QString path = FileChooser::saveFile(this, tr("Export plot"), QStringLiteral("plot.csv"), filter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    if (exportTo(path))
        return;
    QMessageBox box(QMessageBox::Warning, tr("Export plot"),
                    tr("Could not write %1.").arg(QDir::toNativeSeparators(path)), QMessageBox::Ok, this);
    ModalBox::exec(box);
}

bool PlotView::exportTo(const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const bool written = path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ? m_view->grab().save(&file, "PNG")
                                                                                    : m_model.writeCsv(file);
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
