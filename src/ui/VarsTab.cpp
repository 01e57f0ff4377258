#include "VarsTab.h"

#include <algorithm>
#include <utility>

#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "FoldGroup.h"
#include "VarWidget.h"

namespace {

constexpr int PageMargin = 6;
constexpr int GroupSpacing = 6;
constexpr int StripeDarker = 110;
constexpr int MinLabelWidth = 150;
constexpr double LabelShare = 0.35;

// An empty line between rows, as tall as a line of the page's text.
class SpacerRow : public QWidget
{
public:
    explicit SpacerRow(QWidget* parent) : QWidget(parent) { setFixedHeight(fontMetrics().height() + 4); }
};

} // namespace

VarsTab::VarsTab(const QString& title, const QString& key, const QString& section, int uid, QWidget* parent)
    : QScrollArea(parent), m_title(title), m_key(key), m_section(section), m_uid(uid), m_content(new QWidget),
      m_layout(new QVBoxLayout(m_content))
{
    m_layout->setContentsMargins(PageMargin, PageMargin, PageMargin, PageMargin);
    m_layout->setSpacing(0);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setWidget(m_content);
}

void VarsTab::place(QWidget* row, bool alwaysVisible)
{
    if (m_open) {
        m_open->addRow(row, alwaysVisible);
        m_groupOf.insert(row, m_open);
    } else {
        m_layout->addWidget(row);
    }
}

QWidget* VarsTab::rowParent() const
{
    return m_open ? static_cast<QWidget*>(m_open) : m_content;
}

void VarsTab::addRow(VarWidget* row)
{
    if (m_rowCounter % 2 == 0)
        row->setRowBackground(palette().color(QPalette::Window).darker(StripeDarker));
    ++m_rowCounter;
    m_rows.append(row);
    m_widestLabel = qMax(m_widestLabel, row->labelWidthHint());
    place(row, row->info().summary);
}

void VarsTab::addSpacer()
{
    ++m_rowCounter;
    place(new SpacerRow(rowParent()), false);
}

void VarsTab::beginGroup(const QString& title, bool collapsed, int groupIndex)
{
    endGroup();
    m_layout->addSpacing(GroupSpacing);
    m_savedCounter = m_rowCounter + 1;
    m_open = new FoldGroup(title, m_key + QLatin1Char('/') + title, collapsed, m_content);
    m_open->setGroupIndex(groupIndex);
    m_groups.append(m_open);
}

void VarsTab::endGroup()
{
    if (!m_open)
        return;
    m_open->refresh();
    m_layout->addWidget(m_open);
    m_open = nullptr;
    // Rows after a group stripe as if the group had one row, whatever it holds.
    m_rowCounter = m_savedCounter;
}

void VarsTab::finish()
{
    endGroup();
    m_layout->addStretch();
    applyLabelWidth();
}

void VarsTab::deferRows(QList<VarUiInfoPtr> rowInfos, std::function<void(VarsTab&)> addRows)
{
    m_deferredInfos = std::move(rowInfos);
    m_addRows = std::move(addRows);
}

void VarsTab::ensureRows()
{
    if (!m_addRows)
        return;
    const auto addRows = std::exchange(m_addRows, {});
    m_deferredInfos.clear();
    // Rows added to a shown page would only appear one event later, after a frame without them;
    // showing the content again shows them all at once.
    const bool shown = m_content->isVisible();
    if (shown)
        m_content->hide();
    addRows(*this);
    Q_EMIT rowsBuilt();
    if (shown)
        m_content->show();
}

void VarsTab::addFooter(QWidget* footer)
{
    m_layout->addWidget(footer);
}

void VarsTab::refreshRows()
{
    ensureRows();
    for (VarWidget* row : std::as_const(m_rows))
        row->refresh();
}

bool VarsTab::rowMatches(const VarUiInfo& info, const QString& text)
{
    return info.name.contains(text, Qt::CaseInsensitive) || info.help.contains(text, Qt::CaseInsensitive);
}

bool VarsTab::matches(const QString& text) const
{
    if (m_addRows) {
        return std::any_of(m_deferredInfos.cbegin(), m_deferredInfos.cend(),
                           [&text](const VarUiInfoPtr& info) { return rowMatches(*info, text); });
    }
    return std::any_of(m_rows.cbegin(), m_rows.cend(),
                       [&text](const VarWidget* row) { return rowMatches(row->info(), text); });
}

void VarsTab::showMatches(const QString& text)
{
    ensureRows();
    VarWidget* first = nullptr;
    QHash<FoldGroup*, QList<QWidget*>> revealed;
    for (VarWidget* row : std::as_const(m_rows)) {
        const bool match = !text.isEmpty() && rowMatches(row->info(), text);
        row->setHighlighted(match);
        if (!match)
            continue;
        if (!first)
            first = row;
        if (FoldGroup* group = m_groupOf.value(row))
            revealed[group].append(row);
    }
    for (FoldGroup* group : std::as_const(m_groups))
        group->reveal(revealed.value(group));
    if (!first)
        return;
    // A row just revealed has its place only once the page has laid itself out again.
    QTimer::singleShot(0, first, [this, first] { ensureWidgetVisible(first); });
}

void VarsTab::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    applyLabelWidth();
}

void VarsTab::showEvent(QShowEvent* event)
{
    ensureRows();
    QScrollArea::showEvent(event);
}

void VarsTab::applyLabelWidth()
{
    const int width = qMin(qMax(int(viewport()->width() * LabelShare), MinLabelWidth), m_widestLabel);
    if (width == m_labelWidth)
        return;
    m_labelWidth = width;
    for (VarWidget* row : std::as_const(m_rows))
        row->setLabelWidth(width);
}
