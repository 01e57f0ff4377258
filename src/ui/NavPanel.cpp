#include "NavPanel.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

#include "VarsTab.h"

namespace {

constexpr int SearchWidth = 220;

// Colours come from the palette, so that a dark one stays readable; the tab with the keyboard's focus is
// framed, not only coloured.
const char* const SectionsStyle =
    "QTabBar::tab { font-weight: bold; padding: 6px 16px; border: none; background: transparent; border-bottom: 3px "
    "solid transparent; color: palette(window-text); }QTabBar::tab:disabled { color: palette(mid); "
    "}QTabBar::tab:selected { border-bottom: 3px solid palette(highlight); }QTabBar::tab:focus { border: 1px dashed "
    "palette(window-text); border-bottom: 3px solid palette(highlight); padding: 5px 15px; }";
const char* const NothingStyle = "QLabel { font-size: 18px; }";
const char* const PagesStyle =
    "QTabBar::tab { padding: 4px 12px; border: none; background: transparent; border-bottom: 2px solid transparent; "
    "color: palette(window-text); }QTabBar::tab:disabled { color: palette(mid); }QTabBar::tab:selected "
    "{ color: palette(highlighted-text); background: palette(highlight); }QTabBar::tab:focus { border: 1px dashed "
    "palette(window-text); border-bottom: 2px solid palette(window-text); padding: 3px 11px; }";

QTabBar* makeBar(const char* styleSheet, const QString& name, QWidget* parent)
{
    auto* bar = new QTabBar(parent);
    bar->setExpanding(false);
    bar->setUsesScrollButtons(true);
    bar->setElideMode(Qt::ElideNone);
    // Tab reaches the bar; the arrows, Home and End move along it.
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(name);
    bar->setStyleSheet(QString::fromLatin1(styleSheet));
    return bar;
}

// The first (step 1) or last (step -1) tab that can be chosen.
int firstEnabled(const QTabBar* bar, int step)
{
    for (int at = step > 0 ? 0 : bar->count() - 1; at >= 0 && at < bar->count(); at += step) {
        if (bar->isTabEnabled(at))
            return at;
    }
    return -1;
}

// A tab's title as the bars show it: admin pages without their "h_".
QString titleOf(const QTabWidget& tabs, int index)
{
    QString title = tabs.tabText(index);
    if (title.startsWith(QLatin1String("h_")))
        title.remove(0, 2);
    return title;
}

void clearBar(QTabBar* bar)
{
    while (bar->count() > 0)
        bar->removeTab(bar->count() - 1);
}

} // namespace

NavPanel::NavPanel(QTabWidget& tabs, QWidget* parent)
    : QWidget(parent), m_tabs(tabs), m_tabBar(tabs.tabBar()), m_search(new QLineEdit(this)),
      m_sections(makeBar(SectionsStyle, tr("Sections"), this)), m_pages(makeBar(PagesStyle, tr("Pages"), this)),
      m_nothing(new QLabel(tr("Nothing found"), this))
{
    m_nothing->setObjectName(QStringLiteral("nothingFound"));
    m_nothing->setAlignment(Qt::AlignCenter);
    m_search->setPlaceholderText(tr("Search (Ctrl+F)"));
    m_search->setClearButtonEnabled(true);
    m_search->setFixedWidth(SearchWidth);
    m_search->setAccessibleName(tr("Search the pages"));
    m_nothing->setStyleSheet(QString::fromLatin1(NothingStyle));
    m_nothing->hide();
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(m_sections, 1);
    top->addWidget(m_search);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 4);
    outer->addLayout(top);
    auto* pagesRow = new QHBoxLayout;
    pagesRow->setContentsMargins(0, 0, 0, 0);
    pagesRow->addWidget(m_pages);
    outer->addLayout(pagesRow);

    m_searchTimer.setSingleShot(true);
    m_searchTimer.setInterval(SearchDelayMs);
    connect(m_search, &QLineEdit::textChanged, &m_searchTimer, qOverload<>(&QTimer::start));
    connect(&m_searchTimer, &QTimer::timeout, this, &NavPanel::refresh);
    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });

    // Clicks as well: while the page shown is not listed (a hidden page), the tab selected in its place
    // is not the page shown, and clicking it must still open it.
    connect(m_sections, &QTabBar::currentChanged, this, &NavPanel::onSectionChosen);
    connect(m_sections, &QTabBar::tabBarClicked, this, &NavPanel::onSectionChosen);
    connect(m_pages, &QTabBar::currentChanged, this, &NavPanel::onPageChosen);
    connect(m_pages, &QTabBar::tabBarClicked, this, &NavPanel::onPageChosen);
    connect(&m_tabs, &QTabWidget::currentChanged, this, &NavPanel::onTabChanged);
    // The window locks its tab bar while no device is ready; the panel is the way to the same pages.
    m_tabBar->installEventFilter(this);
    setEnabled(m_tabBar->isEnabled());
    m_sections->installEventFilter(this);
    m_pages->installEventFilter(this);
    setTabOrder(m_sections, m_search);
    setTabOrder(m_search, m_pages);
}

bool NavPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Compared by the pointer kept at construction: the bar also reports while the tab widget that
    // owns it is being destroyed, when asking that widget for its bar is no longer valid.
    if (watched == m_tabBar && event->type() == QEvent::EnabledChange)
        setEnabled(m_tabBar->isEnabled());
    if ((watched == m_sections || watched == m_pages) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Home || key == Qt::Key_End) {
            auto* bar = static_cast<QTabBar*>(watched);
            const int at = firstEnabled(bar, key == Qt::Key_Home ? 1 : -1);
            if (at >= 0)
                bar->setCurrentIndex(at);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NavPanel::setSection(int tabIndex, const QString& section)
{
    m_sectionOfTab.insert(tabIndex, section);
}

void NavPanel::setSectionOrder(const QStringList& order)
{
    m_sectionOrder = order;
}

void NavPanel::setSearchMatch(SearchMatch match)
{
    m_match = std::move(match);
}

void NavPanel::setRestricted(bool on)
{
    m_restricted = on;
    refresh();
}

void NavPanel::setRestrictionValid(bool valid)
{
    m_restrictionValid = valid;
    refresh();
}

void NavPanel::setAllowedPages(const QSet<int>& tabIndexes)
{
    m_allowed = tabIndexes;
    refresh();
}

bool NavPanel::allowed(int tabIndex) const
{
    return m_tabs.isTabEnabled(tabIndex) && (!m_restricted || (m_restrictionValid && m_allowed.contains(tabIndex)));
}

bool NavPanel::listed(int tabIndex, const QString& filter) const
{
    if (!m_tabs.isTabVisible(tabIndex))
        return false;
    return filter.isEmpty() || (allowed(tabIndex) && (titleOf(m_tabs, tabIndex).contains(filter, Qt::CaseInsensitive) ||
                                                      (m_match && m_match(tabIndex, filter))));
}

QString NavPanel::filter() const
{
    return m_search->text().trimmed();
}

QString NavPanel::sectionOf(int tabIndex) const
{
    const QString section = m_sectionOfTab.value(tabIndex);
    return section.isEmpty() ? otherSection() : section;
}

void NavPanel::refresh()
{
    struct Listed
    {
        int index;
        QString title;
        QString section;
    };
    const QString filter = this->filter();
    QList<Listed> pages;
    QStringList found;
    bool currentListed = false;
    for (int i = 0; i < m_tabs.count(); ++i) {
        if (!listed(i, filter))
            continue;
        pages.append({i, titleOf(m_tabs, i), sectionOf(i)});
        currentListed = currentListed || i == m_tabs.currentIndex();
        if (!found.contains(pages.last().section))
            found.append(pages.last().section);
    }
    QStringList sections;
    for (const QString& name : std::as_const(m_sectionOrder)) {
        if (found.contains(name) && !sections.contains(name))
            sections.append(name);
    }
    for (const QString& name : std::as_const(found)) {
        if (!sections.contains(name))
            sections.append(name);
    }

    QString current;
    for (const Listed& page : std::as_const(pages)) {
        if (page.index == m_tabs.currentIndex())
            current = page.section;
    }
    if (current.isEmpty())
        current = sections.contains(m_currentSection) ? m_currentSection : sections.value(0);
    m_currentSection = current;

    QSignalBlocker blockSections(m_sections);
    QSignalBlocker blockPages(m_pages);
    clearBar(m_sections);
    clearBar(m_pages);
    m_firstPage.clear();
    for (const QString& name : std::as_const(sections)) {
        const int at = m_sections->addTab(name);
        m_sections->setTabData(at, name);
        if (name == current)
            m_sections->setCurrentIndex(at);
    }
    for (const Listed& page : std::as_const(pages)) {
        if (allowed(page.index) && !m_firstPage.contains(page.section))
            m_firstPage.insert(page.section, page.index);
        if (page.section != current)
            continue;
        const int at = m_pages->addTab(page.title);
        m_pages->setTabData(at, page.index);
        m_pages->setTabEnabled(at, allowed(page.index));
        if (page.index == m_tabs.currentIndex())
            m_pages->setCurrentIndex(at);
    }
    blockSections.unblock();
    blockPages.unblock();
    const bool nothing = !filter.isEmpty() && pages.isEmpty();
    const bool newlyNothing = nothing && m_nothing->isHidden();
    m_pages->setVisible(!nothing);
    if (nothing)
        placeNothingFound();
    m_tabs.setVisible(!nothing);
    m_nothing->setVisible(nothing);
    if (newlyNothing) {
        // A screen reader's user learns it without moving away from the search field.
        QAccessibleEvent said(m_nothing, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&said);
    }

    // The search left the page shown out: show the page the bars now select instead.
    if (!filter.isEmpty() && !currentListed) {
        for (int at = 0; at < m_pages->count(); ++at) {
            if (m_pages->isTabEnabled(at)) {
                m_tabs.setCurrentIndex(m_pages->tabData(at).toInt());
                return;
            }
        }
    }
    markMatches(filter);
}

void NavPanel::placeNothingFound()
{
    // In the tab widget's place, so that no page, and nothing on it to edit, shows under a search without
    // a match. The tab widget may have been laid out after the panel was made.
    auto* box = qobject_cast<QBoxLayout*>(m_tabs.parentWidget() ? m_tabs.parentWidget()->layout() : nullptr);
    if (!box || box->indexOf(m_nothing) >= 0)
        return;
    const int at = box->indexOf(&m_tabs);
    if (at >= 0)
        box->insertWidget(at + 1, m_nothing, box->stretch(at));
}

void NavPanel::onTabChanged()
{
    // Something other than the bars (a lost device, a restart) showed a page the search leaves out:
    // the search gives way rather than leave the bars selecting another page.
    if (!listed(m_tabs.currentIndex(), filter())) {
        const QSignalBlocker block(m_search);
        m_search->clear();
    }
    refresh();
}

void NavPanel::markMatches(const QString& filter)
{
    VarsTab* view = qobject_cast<VarsTab*>(m_tabs.currentWidget());
    if (m_marked && m_marked != view)
        m_marked->showMatches(QString());
    if (view && (view != m_marked || filter != m_markedText))
        view->showMatches(filter);
    m_marked = view;
    m_markedText = filter;
}

void NavPanel::onSectionChosen(int barIndex)
{
    const QString section = m_sections->tabData(barIndex).toString();
    // Clicking the section of the page shown keeps that page.
    if (section.isEmpty() || section == sectionOf(m_tabs.currentIndex()))
        return;
    m_currentSection = section;
    m_pendingActivation = m_firstPage.value(section, -1);
    // The bars are rebuilt when the page changes; not from inside their own signal.
    QMetaObject::invokeMethod(this, &NavPanel::activatePending, Qt::QueuedConnection);
}

void NavPanel::onPageChosen(int barIndex)
{
    if (!m_pages->isTabEnabled(barIndex))
        return;
    m_pendingActivation = m_pages->tabData(barIndex).toInt();
    QMetaObject::invokeMethod(this, &NavPanel::activatePending, Qt::QueuedConnection);
}

void NavPanel::activatePending()
{
    const int index = m_pendingActivation;
    m_pendingActivation = -1;
    if (index >= 0 && index != m_tabs.currentIndex())
        m_tabs.setCurrentIndex(index);
    else
        refresh();
}
