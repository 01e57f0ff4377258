#include "VarWidget.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>

#include "LineVarEditor.h"
#include "OnOffVarEditor.h"
#include "RoVarEditor.h"
#include "SelectVarEditor.h"
#include "SpinVarEditor.h"
#include "WideComboBox.h"
#include "vars/UnsavedChanges.h"
#include "vars/VARS.h"
#include "vars/VarsRegistry.h"

namespace {

enum Column
{
    NameColumn = 0,
    EditorColumn = 1,
    ArrowColumn = 2,
    SelectorColumn = 3,
    InversionColumn = 4,
};

constexpr int SelectorMinChars = 8;
constexpr int LabelExtra = 8;
constexpr int WrapInset = 6;
constexpr QRgb HighlightColour = 0xfff1a8;
// Text on the highlight, whatever the palette's own text colour.
constexpr QRgb HighlightTextColour = 0x000000;

// The name of a row with unsaved changes is bold; names are measured in it so that it always fits.
QFont markedFont(QFont font)
{
    font.setBold(true);
    return font;
}

VarEditor* makeEditor(const VarUiInfoPtr& info, const VARS& vars, bool readOnly, QWidget* parent)
{
    if (readOnly || info->kind == VarKind::Bitmap)
        return new RoVarEditor(info, vars, parent);
    switch (info->kind) {
    case VarKind::Select:
        return new SelectVarEditor(info, vars, parent);
    case VarKind::OnOff:
    case VarKind::OnOffRedir:
        return new OnOffVarEditor(info, vars, parent);
    case VarKind::Slider:
    case VarKind::SliderF:
        return new SpinVarEditor(info, vars, parent);
    default:
        return new LineVarEditor(info, vars, parent);
    }
}

} // namespace

VarWidget::VarWidget(VarUiInfoPtr info, VarsRegistry& registry, QWidget* parent)
    : QWidget(parent), m_info(std::move(info)), m_registry(registry), m_grid(new QGridLayout(this))
{
    m_grid->setContentsMargins(4, 2, 4, 2);
    m_grid->setHorizontalSpacing(8);
    m_grid->setColumnStretch(EditorColumn, 3);
    m_grid->setColumnStretch(SelectorColumn, 4);
    m_grid->setColumnMinimumWidth(EditorColumn, 90);
    m_grid->setColumnMinimumWidth(ArrowColumn, 20);
    m_grid->setColumnMinimumWidth(SelectorColumn, 120);

    if (m_info->kind == VarKind::ThreeWayRedir)
        buildThreeWay();
    else
        buildNormal();

    if (m_info->inv) {
        m_inv = new QCheckBox(tr("Inversion"), this);
        m_inv->setToolTip(tr("Inverse input value, eg 0->1, 1->0"));
        m_grid->addWidget(m_inv, 0, InversionColumn);
        connect(m_inv, &QCheckBox::clicked, this, [this](bool checked) { m_registry.setInv(deviceId(), checked); });
    }
    setToolTip(m_info->help);
    addPlotAction();
}

bool VarWidget::isPlottable() const
{
    switch (m_info->kind) {
    case VarKind::Unsigned:
    case VarKind::Integer:
    case VarKind::Float:
    case VarKind::Float2:
    case VarKind::Slider:
    case VarKind::SliderF:
        return true;
    default:
        return false;
    }
}

void VarWidget::addPlotAction()
{
    if (!isPlottable())
        return;
    auto* plot = new QAction(tr("Plot"), this);
    // The keyboard's way to the right-click menu: the key acts while the focus is in the row.
    plot->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    plot->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(plot, &QAction::triggered, this, [this] { m_registry.requestPlot(deviceId(), m_info->name); });
    addAction(plot);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void VarWidget::buildNormal()
{
    m_name = new QLabel(m_info->name, this);
    m_name->setTextFormat(Qt::PlainText);
    m_name->setWordWrap(true);
    m_name->setAccessibleName(QString(m_info->name).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    m_name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grid->addWidget(m_name, 0, NameColumn);
    const QFontMetrics metrics(markedFont(m_name->font()));
    for (const QString& line : m_info->name.split(QLatin1Char('\n')))
        m_nameWidth = qMax(m_nameWidth, metrics.horizontalAdvance(line));
    placeEditor(m_info->readonly);

    if (m_info->redir.isEmpty())
        return;
    m_grid->addWidget(arrow(m_info->revRedir), 0, ArrowColumn);
    m_redir = makeSelector(m_info->redir, m_redirIds);
    m_grid->addWidget(m_redir, 0, SelectorColumn);
    connect(m_redir, &QComboBox::activated, this, [this](int index) {
        const int chosen = m_redir->itemData(index).toInt();
        if (m_info->revRedir)
            m_registry.setRedirReverse(deviceId(), chosen, m_redirIds);
        else
            m_registry.setRedir(deviceId(), chosen);
    });
}

void VarWidget::buildThreeWay()
{
    m_source = makeSelector(m_info->redirFrom, m_sourceIds);
    m_grid->addWidget(m_source, 0, NameColumn);
    connect(m_source, &QComboBox::activated, this, [this](int index) {
        m_registry.setRedirReverse(deviceId(), m_source->itemData(index).toInt(), m_sourceIds);
    });

    auto* middle = new QWidget(this);
    auto* box = new QHBoxLayout(middle);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(arrow(false));
    m_name = new QLabel(m_info->name, middle);
    m_name->setTextFormat(Qt::PlainText);
    m_name->setAlignment(Qt::AlignCenter);
    box->addWidget(m_name, 1);
    box->addWidget(arrow(false));
    m_grid->addWidget(middle, 0, EditorColumn, 1, 2);

    m_redir = makeSelector(m_info->redirTo, m_redirIds);
    m_grid->addWidget(m_redir, 0, SelectorColumn);
    connect(m_redir, &QComboBox::activated, this,
            [this](int index) { m_registry.setRedir(deviceId(), m_redir->itemData(index).toInt()); });
}

void VarWidget::placeEditor(bool readOnly)
{
    m_editor = makeEditor(m_info, m_registry.vars(), readOnly, this);
    m_editable = !qobject_cast<RoVarEditor*>(m_editor);
    const int span = !m_info->redir.isEmpty() ? 1 : m_info->inv ? 3 : 4;
    m_grid->addWidget(m_editor, 0, EditorColumn, 1, span, m_editor->alignLeft() ? Qt::AlignLeft : Qt::Alignment());
    connect(m_editor, &VarEditor::edited, this, [this](const QString& text) {
        if (!m_available)
            return;
        if (m_info->kind == VarKind::OnOffRedir)
            m_registry.setOnOffRedir(deviceId(), m_info->target, m_info->targetRedirList, text == QLatin1String("1"));
        else
            m_registry.setValue(deviceId(), text);
    });
}

QComboBox* VarWidget::makeSelector(const QStringList& groups, QList<int>& candidateIds)
{
    auto* selector = new WideComboBox(this);
    // Set while the box is empty: each would otherwise measure every entry.
    selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    selector->setMinimumContentsLength(SelectorMinChars);
    selector->setFocusPolicy(Qt::StrongFocus);
    selector->addItem(tr("Not connected"), 0);
    for (const VarsRegistry::Candidate& candidate : m_registry.candidates(groups)) {
        // A name laid out on two lines on its page reads as one line in a drop-down.
        selector->addItem(QString(candidate.second).replace(QLatin1Char('\n'), QLatin1Char(' ')), candidate.first);
        candidateIds.append(candidate.first);
    }
    return selector;
}

QLabel* VarWidget::arrow(bool left)
{
    auto* label = new QLabel(this);
    label->setPixmap(VarEditor::standardPixmap(this, left ? QStyle::SP_ArrowLeft : QStyle::SP_ArrowRight));
    return label;
}

QList<int> VarWidget::ids() const
{
    return QList<int>{deviceId()} + watchedIds();
}

QList<int> VarWidget::watchedIds() const
{
    if (m_source)
        return m_sourceIds;
    if (m_redir && m_info->revRedir)
        return m_redirIds;
    return {};
}

void VarWidget::refresh()
{
    const VARS& vars = m_registry.vars();
    bool found = false;
    const VarRecord record = vars.snapshot(uint16_t(deviceId()), &found);
    setAvailable(found);
    if (!found) {
        setUnsaved(false);
        updateToolTip();
        return;
    }
    if (m_editor && m_editable && (record.flags & VarFlag::ReadOnly)) {
        // The device says it cannot be written: show it as it is rather than take edits it refuses.
        m_grid->removeWidget(m_editor);
        m_editor->hide();
        m_editor->deleteLater();
        placeEditor(true);
        m_editor->show();
    }
    if (m_editor)
        m_editor->setValue(record);
    if (m_inv) {
        const QSignalBlocker blocker(m_inv);
        m_inv->setChecked(record.flags & VarFlag::Inverted);
    }
    if (m_source)
        showRedirect(m_source, m_sourceIds, true, record.redir);
    if (m_redir)
        showRedirect(m_redir, m_redirIds, !m_source && m_info->revRedir, record.redir);
    setUnsaved(m_registry.unsaved().isUnsaved(deviceId()));
    updateToolTip();
}

void VarWidget::setAvailable(bool available)
{
    if (available == m_available)
        return;
    m_available = available;
    // A blank, greyed row rather than an editor's default that looks like a value the device holds; the
    // label says so in words as well, for whoever cannot tell grey from black.
    if (m_name) {
        m_name->setEnabled(available);
        m_name->setText(shownName());
    }
    if (m_editor) {
        m_editor->setEnabled(available);
        if (!available)
            m_editor->clearValue();
    }
    if (m_inv)
        m_inv->setEnabled(available);
    for (QComboBox* selector : {m_redir, m_source}) {
        if (!selector)
            continue;
        selector->setEnabled(available);
        if (!available) {
            const QSignalBlocker blocker(selector);
            selector->setCurrentIndex(-1);
        }
    }
}

void VarWidget::setUnsaved(bool unsaved)
{
    if (unsaved == m_unsaved || !m_name)
        return;
    m_unsaved = unsaved;
    updateNameFont();
}

void VarWidget::updateNameFont()
{
    // Bold for unsaved, underlined for a search match: neither by colour alone.
    QFont font = m_unsaved ? markedFont(this->font()) : this->font();
    font.setUnderline(m_highlighted);
    m_name->setFont(font);
}

void VarWidget::updateToolTip()
{
    QStringList lines;
    if (!m_available)
        lines << tr("Not available on this device (id %1)").arg(deviceId());
    if (!m_info->help.isEmpty())
        lines << m_info->help;
    const QString range = m_available && m_editor ? m_editor->rangeText() : QString();
    if (!range.isEmpty())
        lines << range;
    if (m_unsaved)
        lines << tr("Changed since the settings were last saved to the device");
    setToolTip(lines.join(QLatin1Char('\n')));
    nameControls(toolTip());
}

QString VarWidget::shownName() const
{
    return m_available ? m_info->name : tr("%1 (not available)").arg(m_info->name);
}

void VarWidget::nameControls(const QString& description)
{
    // Refreshed with every poll: setting a name announces it, so only a change is set.
    const auto describe = [&description](QWidget* control, const QString& name) {
        if (control->accessibleName() != name)
            control->setAccessibleName(name);
        if (control->accessibleDescription() != description)
            control->setAccessibleDescription(description);
    };
    const QString name = QString(m_info->name).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (m_editor) {
        QWidget* first = nullptr;
        for (QWidget* control : m_editor->findChildren<QWidget*>()) {
            if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QAbstractSpinBox*>(control) &&
                !qobject_cast<QAbstractSlider*>(control) && !qobject_cast<QComboBox*>(control) &&
                control->focusPolicy() == Qt::NoFocus)
                continue;
            describe(control, name);
            first = first ? first : control;
        }
        if (m_name && first && m_name->buddy() != first)
            m_name->setBuddy(first);
    }
    if (m_inv)
        describe(m_inv, tr("%1: inversion").arg(name));
    if (m_source)
        describe(m_source, tr("%1: source").arg(name));
    if (m_redir)
        describe(m_redir, m_source ? tr("%1: target").arg(name) : tr("%1: connected to").arg(name));
}

void VarWidget::showRedirect(QComboBox* selector, const QList<int>& candidateIds, bool reverse, uint16_t redir)
{
    int chosen = 0;
    if (reverse) {
        const VARS& vars = m_registry.vars();
        for (int id : candidateIds) {
            bool found = false;
            if (vars.snapshot(uint16_t(id), &found).redir == deviceId() && found) {
                chosen = id;
                break;
            }
        }
    } else {
        chosen = redir;
    }
    const QSignalBlocker blocker(selector);
    selector->setCurrentIndex(qMax(selector->findData(chosen), 0));
}

int VarWidget::labelWidthHint() const
{
    if (!m_name || m_source)
        return 0;
    return m_nameWidth + LabelExtra;
}

void VarWidget::setLabelWidth(int width)
{
    m_grid->setColumnMinimumWidth(NameColumn, width);
    if (!m_name || m_source)
        return;
    const QFontMetrics metrics(markedFont(m_name->font()));
    int height = metrics.height();
    // Laying the name out is only needed when it does not fit on one line; an unavailable row's longer
    // name is measured too, so that its words are never cut off.
    const QString longest = tr("%1 (not available)").arg(m_info->name);
    if (longest.contains(QLatin1Char('\n')) || metrics.horizontalAdvance(longest) > width - WrapInset) {
        const QRect wrapped = metrics.boundingRect(QRect(0, 0, qMax(width - WrapInset, 1), QWIDGETSIZE_MAX),
                                                   Qt::TextWordWrap, longest);
        height = qMax(wrapped.height(), height);
    }
    m_name->setFixedSize(width, height + 2);
}

void VarWidget::setRowBackground(const QColor& color)
{
    m_background = color;
    if (!m_highlighted)
        fillBackground(color);
}

void VarWidget::setHighlighted(bool on)
{
    if (on == m_highlighted)
        return;
    m_highlighted = on;
    fillBackground(on ? QColor(HighlightColour) : m_background);
    if (m_name)
        updateNameFont();
}

void VarWidget::fillBackground(const QColor& color)
{
    // Only the roles set here are the row's own; the rest follows the window, a dark palette included.
    QPalette palette;
    if (color.isValid())
        palette.setColor(QPalette::Window, color);
    setPalette(palette);
    setAutoFillBackground(color.isValid());
    // The texts on the highlight are set one by one: the group's style sheet keeps them from inheriting it.
    QPalette text;
    if (m_highlighted)
        text.setColor(QPalette::WindowText, QColor(HighlightTextColour));
    for (QWidget* label : {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_inv)}) {
        if (label)
            label->setPalette(text);
    }
}
