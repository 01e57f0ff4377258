#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "SimFixture.h"
#include "ui/FoldGroup.h"
#include "ui/NavPanel.h"
#include "ui/VarWidget.h"
#include "ui/VarsTab.h"
#include "vars/VarsRegistry.h"

namespace {

QStringList texts(const QTabBar* bar)
{
    QStringList result;
    for (int i = 0; i < bar->count(); ++i)
        result << bar->tabText(i);
    return result;
}

} // namespace

class TestPageViews : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void foldStateKeptPerTitle();
    void navigation();
    void searchMarksTheRows();

private:
    QTemporaryDir m_settings;
    // A device stack that is never started: rows need a registry, not a device.
    DeviceStack m_stack{SimFixture::RunningStack::options()};
    VarsRegistry m_registry{m_stack.protocol(), m_stack.worker()};
};

void TestPageViews::initTestCase()
{
    QVERIFY(m_settings.isValid());
    QCoreApplication::setOrganizationName(QStringLiteral("KestrovaTest"));
    QCoreApplication::setApplicationName(QStringLiteral("TestPageViews"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
}

void TestPageViews::foldStateKeptPerTitle()
{
    // Each start of the program builds the page again.
    auto open = [this] {
        auto tab = std::make_unique<VarsTab>(QStringLiteral("GSM"), QStringLiteral("gsm"));
        tab->beginGroup(QStringLiteral("SIM"), true, 1);
        auto info = std::make_shared<VarUiInfo>();
        info->id = 1;
        info->kind = VarKind::Bitmap;
        info->noUitype = false;
        info->summary = true;
        tab->addRow(new VarWidget(info, m_registry));
        tab->addSpacer();
        tab->addSpacer();
        tab->beginGroup(QStringLiteral("SIM"), true, 2);
        tab->addSpacer();
        tab->finish();
        tab->show();
        return tab;
    };
    std::unique_ptr<VarsTab> tab = open();
    QCOMPARE(tab->groups()[0]->header()->text(), QStringLiteral("\u25B8 SIM  (+2)"));
    QCOMPARE(tab->groups()[1]->header()->text(), QStringLiteral("\u25B8 SIM  (+1)"));
    QVERIFY(tab->rows()[0]->isVisible()); // a summary row stays in view while folded

    tab->groups()[1]->header()->click();
    tab = open();
    QCOMPARE(tab->groups()[0]->header()->text(), QStringLiteral("\u25BE SIM"));
    QVERIFY(tab->groups()[1]->isExpanded());
}

void TestPageViews::navigation()
{
    QTabWidget tabs;
    for (const char* title : {"Загальне", "Стан", "GSM", "h_2", "Розширені", "Прихована", "Bluetooth"})
        tabs.addTab(new QWidget, QString::fromUtf8(title));
    tabs.setTabVisible(5, false);
    NavPanel nav(tabs);
    const QString device = QStringLiteral("Пристрій"), link = QStringLiteral("Зв'язок"),
                  admin = QStringLiteral("Адмін");
    for (int i : {0, 1, 5})
        nav.setSection(i, device);
    nav.setSection(2, link);
    nav.setSection(6, link);
    nav.setSection(3, admin);
    nav.setSectionOrder({device, QStringLiteral("Налаштування"), link, admin});
    nav.setSearchMatch([](int page, const QString& text) { return text == QLatin1String("gsm") && page == 4; });
    nav.refresh();
    QCOMPARE(texts(nav.sectionsBar()), (QStringList{device, link, admin, NavPanel::otherSection()}));
    QCOMPARE(texts(nav.pagesBar()), (QStringList{QStringLiteral("Загальне"), QStringLiteral("Стан")}));

    tabs.setCurrentIndex(3);
    QCOMPARE(texts(nav.pagesBar()), QStringList{QStringLiteral("2")});
    nav.sectionsBar()->setCurrentIndex(0);
    QTRY_COMPARE(tabs.currentIndex(), 0);
    nav.pagesBar()->setCurrentIndex(1);
    QTRY_COMPARE(tabs.currentIndex(), 1);

    // The search narrows the sections to the pages whose title or rows match.
    nav.searchField()->setText(QStringLiteral(" gsm "));
    QTRY_COMPARE_WITH_TIMEOUT(texts(nav.sectionsBar()), (QStringList{link, NavPanel::otherSection()}),
                              NavPanel::SearchDelayMs * 3);
    QCOMPARE(texts(nav.pagesBar()), QStringList{QStringLiteral("GSM")});
    // The page shown was filtered out: the page the bars now select is shown instead.
    QCOMPARE(tabs.currentIndex(), 2);
    QCOMPARE(nav.pagesBar()->currentIndex(), 0);

    // Pages the restriction holds back are not found, and stay listed but cannot be chosen.
    nav.setRestricted(true);
    nav.setRestrictionValid(true);
    nav.setAllowedPages({1, 2});
    QCOMPARE(texts(nav.sectionsBar()), QStringList{link});
    nav.searchField()->clear();
    nav.refresh();
    QCOMPARE(texts(nav.sectionsBar()).size(), 4);
    QCOMPARE(texts(nav.pagesBar()), (QStringList{QStringLiteral("GSM"), QStringLiteral("Bluetooth")}));
    QVERIFY(nav.pagesBar()->isTabEnabled(0) && !nav.pagesBar()->isTabEnabled(1));

    // A locked tab bar locks the way round it as well.
    tabs.tabBar()->setEnabled(false);
    QVERIFY(!nav.isEnabled());
}

void TestPageViews::searchMarksTheRows()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* tabs = new QTabWidget;
    NavPanel* nav = new NavPanel(*tabs);
    layout->addWidget(nav);
    layout->addWidget(tabs);
    auto* gsm = new VarsTab(QStringLiteral("GSM"), QStringLiteral("gsm"));
    const auto described = [](const char* name) {
        auto info = std::make_shared<VarUiInfo>();
        info->name = QString::fromUtf8(name);
        info->kind = VarKind::Bitmap;
        info->noUitype = false;
        return info;
    };
    const QList<VarUiInfoPtr> infos{described("Оператор"), described("IMEI модему")};
    VarWidget* operatorRow = nullptr;
    VarWidget* imeiRow = nullptr;
    // The rows come when the page is first needed; the search finds them from their descriptions.
    gsm->deferRows(infos, [&](VarsTab& page) {
        operatorRow = new VarWidget(infos[0], m_registry, page.rowParent());
        page.addRow(operatorRow);
        page.beginGroup(QStringLiteral("Модем"), true, 1);
        imeiRow = new VarWidget(infos[1], m_registry, page.rowParent());
        page.addRow(imeiRow);
        page.finish();
    });
    tabs->addTab(new QWidget, QStringLiteral("Загальне"));
    tabs->addTab(gsm, QStringLiteral("GSM"));
    nav->setSearchMatch([gsm](int page, const QString& text) { return page == 1 && gsm->matches(text); });
    nav->refresh();
    window.show();
    QVERIFY(!imeiRow);

    nav->searchField()->setText(QStringLiteral("imei"));
    QTRY_COMPARE_WITH_TIMEOUT(tabs->currentIndex(), 1, NavPanel::SearchDelayMs * 3);
    QVERIFY(imeiRow->isHighlighted() && !operatorRow->isHighlighted());
    QVERIFY(imeiRow->isVisible()); // opened in its folded group

    nav->searchField()->setText(QStringLiteral("zzz"));
    QTRY_VERIFY_WITH_TIMEOUT(nav->nothingFound()->isVisible(), NavPanel::SearchDelayMs * 3);
    QCOMPARE(nav->pagesBar()->count(), 0);
    // No page stays on screen to be edited while no bar selects it.
    QVERIFY(!tabs->isVisible() && !imeiRow->isVisible());
    QCOMPARE(nav->nothingFound()->parentWidget(), &window); // in the pages' place
    nav->searchField()->setText(QStringLiteral("zzzz"));
    QTest::qWait(NavPanel::SearchDelayMs * 2);
    QVERIFY(nav->nothingFound()->isVisible() && !tabs->isVisible());

    nav->searchField()->clear();
    QTRY_VERIFY_WITH_TIMEOUT(!nav->nothingFound()->isVisible(), NavPanel::SearchDelayMs * 3);
    QVERIFY(tabs->isVisible());
    QVERIFY(!imeiRow->isHighlighted());
    QVERIFY(!imeiRow->isVisible()); // folded as the user left it
}

QTEST_MAIN(TestPageViews)
#include "TestPageViews.moc"
