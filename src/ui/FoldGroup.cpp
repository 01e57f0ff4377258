#include "FoldGroup.h"

#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

const char* const FrameStyle = "#foldGroup { border: 1px solid #7d8a99; }";
const char* const HeaderStyle = "QPushButton { text-align: left; padding: 3px 8px; border: none; background: "
                                "transparent; }QPushButton:hover { background: rgba(0, 0, 0, 25); }";

} // namespace

FoldGroup::FoldGroup(const QString& title, const QString& key, bool collapsed, QWidget* parent)
    : QFrame(parent), m_title(title), m_foldKey(QStringLiteral("fold/") + key), m_header(new QPushButton(this)),
      m_rowsLayout(new QVBoxLayout)
{
    setObjectName(QStringLiteral("foldGroup"));
    setStyleSheet(QString::fromLatin1(FrameStyle));
    m_header->setFlat(true);
    m_header->setCursor(Qt::PointingHandCursor);
    m_header->setStyleSheet(QString::fromLatin1(HeaderStyle));
    connect(m_header, &QPushButton::clicked, this, &FoldGroup::toggle);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    m_rowsLayout->setSpacing(0);
    outer->addWidget(m_header);
    outer->addLayout(m_rowsLayout);

    m_expanded = QSettings().value(m_foldKey, !collapsed).toBool();
    refresh();
}

void FoldGroup::addRow(QWidget* row, bool alwaysVisible)
{
    m_rowsLayout->addWidget(row);
    m_rows.append({row, alwaysVisible});
}

void FoldGroup::refresh()
{
    int hidden = 0;
    for (const auto& [row, alwaysVisible] : m_rows) {
        const bool visible = m_expanded || alwaysVisible || m_revealed.contains(row);
        // Showing a row lays it out at once; rows that are not hidden are left alone.
        if (row->isHidden() == visible)
            row->setVisible(visible);
        if (!visible)
            ++hidden;
    }
    QString text = (m_expanded ? QStringLiteral("\u25BE ") : QStringLiteral("\u25B8 ")) + m_title;
    if (hidden > 0)
        text += QStringLiteral("  (+%1)").arg(hidden);
    m_header->setText(text);
}

void FoldGroup::toggle()
{
    m_expanded = !m_expanded;
    QSettings().setValue(m_foldKey, m_expanded);
    refresh();
}

void FoldGroup::reveal(const QList<QWidget*>& rows)
{
    if (rows == m_revealed)
        return;
    m_revealed = rows;
    refresh();
}
