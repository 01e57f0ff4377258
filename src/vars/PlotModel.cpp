#include "PlotModel.h"

#include <charconv>
#include <map>

#include <QIODevice>
#include <QTextStream>

#include "vars/VarSampler.h"
#include "vars/VarsRegistry.h"

namespace {

QString csvCell(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Whole numbers as they are; others as the shortest text that gives back the device's float.
QString number(double v)
{
    if (v == double(qint64(v)))
        return QString::number(qint64(v));
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, float(v)).ptr;
    return QString::fromLatin1(text, end - text);
}

} // namespace

PlotModel::PlotModel(VarsRegistry& registry, QObject* parent)
    : QObject(parent), m_registry(registry), m_registryAlive(&registry), m_originMs(registry.sampler().nowMs())
{
    m_take.setInterval(TakeMs);
    connect(&m_take, &QTimer::timeout, this, &PlotModel::takeSamples);
}

PlotModel::~PlotModel()
{
    if (!m_registryAlive)
        return;
    for (const Series& s : std::as_const(m_series))
        m_registry.stopPlotting(s.id);
}

bool PlotModel::addSeries(int id, const QString& name, const QString& unit)
{
    if (isFull() || contains(id))
        return false;
    // A new plot starts at 0 s; reads noted before belong to none of its series.
    if (m_series.isEmpty()) {
        m_registry.sampler().take();
        m_originMs = m_registry.sampler().nowMs();
    }
    m_series.append({id, name, unit, {}});
    m_registry.startPlotting(id);
    m_take.start();
    Q_EMIT seriesChanged();
    return true;
}

void PlotModel::removeSeries(int id)
{
    for (qsizetype i = 0; i < m_series.size(); ++i) {
        if (m_series.at(i).id != id)
            continue;
        m_series.removeAt(i);
        m_registry.stopPlotting(id);
        if (m_series.isEmpty())
            m_take.stop();
        Q_EMIT seriesChanged();
        return;
    }
}

void PlotModel::clear()
{
    while (!m_series.isEmpty())
        removeSeries(m_series.constLast().id);
}

bool PlotModel::contains(int id) const
{
    return std::any_of(m_series.cbegin(), m_series.cend(), [id](const Series& s) { return s.id == id; });
}

QPair<QString, QString> PlotModel::nameAndUnit(const QString& rowName)
{
    constexpr int MaxUnit = 6;
    const QString name = rowName.simplified();
    const qsizetype comma = name.lastIndexOf(QLatin1Char(','));
    const QString unit = comma < 0 ? QString() : name.mid(comma + 1).trimmed();
    if (unit.isEmpty() || unit.size() > MaxUnit || unit.contains(QLatin1Char(' ')))
        return {name, QString()};
    return {name.left(comma).trimmed(), unit};
}

double PlotModel::now() const
{
    return double(m_registry.sampler().nowMs() - m_originMs) / 1000.0;
}

void PlotModel::takeSamples()
{
    const QList<VarSampler::Sample> samples = m_registry.sampler().take();
    if (samples.isEmpty())
        return;
    for (const VarSampler::Sample& sample : samples) {
        for (Series& s : m_series) {
            if (s.id == sample.id)
                append(s, {double(sample.ms - m_originMs) / 1000.0, sample.value});
        }
    }
    Q_EMIT pointsAdded();
}

void PlotModel::append(Series& series, Point point)
{
    // One gap says it all; a series does not start with one.
    if (point.isGap() && (series.points.isEmpty() || series.points.constLast().isGap()))
        return;
    series.points.append(point);
    while (series.points.size() > MaxPoints || point.t - series.points.constFirst().t > HistorySeconds)
        series.points.removeFirst();
}

bool PlotModel::writeCsv(QIODevice& out) const
{
    // Rows by time in whole milliseconds, the resolution the reads are timed in.
    std::map<qint64, QStringList> rows;
    for (qsizetype column = 0; column < m_series.size(); ++column) {
        for (const Point& p : m_series.at(column).points) {
            if (p.isGap())
                continue;
            QStringList& row = rows[qRound64(p.t * 1000)];
            if (row.isEmpty())
                row.resize(m_series.size());
            row[column] = number(p.v);
        }
    }
    QTextStream text(&out);
    text << "time_s";
    for (const Series& s : m_series)
        text << ',' << csvCell(s.unit.isEmpty() ? s.name : QStringLiteral("%1, %2").arg(s.name, s.unit));
    text << '\n';
    for (const auto& [ms, cells] : rows) {
        text << QString::number(double(ms) / 1000.0, 'f', 3);
        for (const QString& cell : cells)
            text << ',' << cell;
        text << '\n';
    }
    text.flush();
    return text.status() == QTextStream::Ok;
}
