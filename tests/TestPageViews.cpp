#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include "SimFixture.h"
#include "ui/FoldGroup.h"
#include "ui/LineVarEditor.h"
#include "ui/MainWindow.h"
#include "ui/ModalBox.h"
#include "ui/NavPanel.h"
#include "ui/OnOffVarEditor.h"
#include "ui/PageBuilder.h"
#include "ui/SelectVarEditor.h"
#include "ui/SpinVarEditor.h"
#include "ui/VarWidget.h"
#include "ui/VarsTab.h"
#include "vars/VarsRegistry.h"
#include "vars/VarsUI.h"

namespace {

constexpr int Wait = 5000;

QStringList texts(const QTabBar* bar)
{
    QStringList result;
    for (int i = 0; i < bar->count(); ++i)
        result << bar->tabText(i);
    return result;
}

VarUiInfoPtr named(const QString& name)
{
    auto info = std::make_shared<VarUiInfo>();
    info->id = 1;
    info->kind = VarKind::Bitmap;
    info->noUitype = false;
    info->name = name;
    return info;
}

VarWidget* rowNamed(const VarsTab* page, const QString& name)
{
    for (VarWidget* row : page->rows()) {
        if (row->info().name == name)
            return row;
    }
    return nullptr;
}

} // namespace

class TestPageViews : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void foldedGroupOpensAsLeft();
    void groupsWithOneTitleShareTheirState();
    void labelColumns_data();
    void labelColumns();
    void navigationSectionsAndPages();
    void searchNarrowsThroughTheMatch();
    void shippedPagesOnTheTabWidget();
    void demoWindowShowsAndWritesTheDevice();

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

void TestPageViews::foldedGroupOpensAsLeft()
{
    auto open = [] {
        auto group = std::make_unique<FoldGroup>(QStringLiteral("Входи модуля"),
                                                 QStringLiteral("підкапотний модуль/Входи модуля"), true);
        for (bool summary : {true, false, false})
            group->addRow(new QWidget(group.get()), summary);
        group->refresh();
        return group;
    };
    std::unique_ptr<FoldGroup> group = open();
    QCOMPARE(group->header()->text(), QStringLiteral("\u25B8 Входи модуля  (+2)"));
    const QList<QWidget*> rows = group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int hidden = 0;
    for (QWidget* row : rows)
        hidden += row != group->header() && row->isHidden();
    QCOMPARE(hidden, 2);

    group->header()->click();
    QCOMPARE(group->header()->text(), QStringLiteral("\u25BE Входи модуля"));
    group.reset();

    // The next start of the program.
    group = open();
    QVERIFY(group->isExpanded());
    QCOMPARE(group->header()->text(), QStringLiteral("\u25BE Входи модуля"));
    QCOMPARE(QSettings().value(QStringLiteral("fold/підкапотний модуль/Входи модуля")), QVariant(true));
}

void TestPageViews::groupsWithOneTitleShareTheirState()
{
    auto page = [] {
        auto tab = std::make_unique<VarsTab>(QStringLiteral("GSM"), QStringLiteral("gsm"));
        tab->beginGroup(QStringLiteral("SIM"), true, 1);
        tab->addSpacer();
        tab->addSpacer();
        tab->beginGroup(QStringLiteral("SIM"), true, 2);
        tab->addSpacer();
        tab->finish();
        return tab;
    };
    std::unique_ptr<VarsTab> tab = page();
    QCOMPARE(tab->groups().size(), 2);
    QCOMPARE(tab->groups()[0]->header()->text(), QStringLiteral("\u25B8 SIM  (+2)"));
    QCOMPARE(tab->groups()[1]->header()->text(), QStringLiteral("\u25B8 SIM  (+1)"));

    tab->groups()[1]->header()->click();
    tab = page();
    QVERIFY(tab->groups()[0]->isExpanded());
    QVERIFY(tab->groups()[1]->isExpanded());
}

void TestPageViews::labelColumns_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("viewport");
    QTest::addColumn<int>("expected"); // -1: the widest label

    const QStringList longNames{QStringLiteral("Напруга на лінії запалювання під час запуску двигуна з брелока, В"),
                                QStringLiteral("Поріг")};
    QTest::newRow("narrow page") << longNames << 300 << 150;
    QTest::newRow("wide page") << longNames << 1000 << 350;
    QTest::newRow("short labels") << QStringList{QStringLiteral("Поріг"), QStringLiteral("Рядок 1\nРядок 2")} << 300
                                  << -1;
}

void TestPageViews::labelColumns()
{
    QFETCH(QStringList, names);
    QFETCH(int, viewport);
    QFETCH(int, expected);

    VarsTab tab(QStringLiteral("Лінії"), QStringLiteral("лінії"));
    int widest = 0;
    for (const QString& name : names) {
        auto* row = new VarWidget(named(name), m_registry);
        widest = qMax(widest, row->labelWidthHint());
        tab.addRow(row);
    }
    tab.finish();
    tab.resize(viewport, 600);
    tab.show();
    QCOMPARE(tab.viewport()->width(), viewport);
    if (expected < 0) {
        QVERIFY(widest < 150);
        expected = widest;
    }
    QCOMPARE(tab.labelWidth(), expected);
    for (const VarWidget* row : tab.rows())
        QCOMPARE(row->nameLabel()->width(), expected);
}

void TestPageViews::navigationSectionsAndPages()
{
    QTabWidget tabs;
    for (const char* title : {"Загальне", "Стан", "GSM", "h_2", "Розширені", "Прихована"})
        tabs.addTab(new QWidget, QString::fromUtf8(title));
    tabs.setTabVisible(5, false);
    NavPanel nav(tabs);
    for (int i : {0, 1})
        nav.setSection(i, QStringLiteral("Пристрій"));
    nav.setSection(2, QStringLiteral("Зв'язок"));
    nav.setSection(3, QStringLiteral("Адмін"));
    nav.setSection(5, QStringLiteral("Пристрій"));
    nav.setSectionOrder({QStringLiteral("Пристрій"), QStringLiteral("Налаштування"), QStringLiteral("Зв'язок"),
                         QStringLiteral("Адмін")});
    nav.refresh();

    const QStringList sections{QStringLiteral("Пристрій"), QStringLiteral("Зв'язок"), QStringLiteral("Адмін"),
                               QStringLiteral("Інше")};
    QCOMPARE(texts(nav.sectionsBar()), sections);
    QCOMPARE(texts(nav.pagesBar()), (QStringList{QStringLiteral("Загальне"), QStringLiteral("Стан")}));

    tabs.setCurrentIndex(3);
    QCOMPARE(nav.sectionsBar()->currentIndex(), 2);
    QCOMPARE(texts(nav.pagesBar()), QStringList{QStringLiteral("2")});

    nav.sectionsBar()->setCurrentIndex(3);
    QTRY_COMPARE(tabs.currentIndex(), 4);
    QCOMPARE(texts(nav.pagesBar()), QStringList{QStringLiteral("Розширені")});

    nav.sectionsBar()->setCurrentIndex(0);
    QTRY_COMPARE(tabs.currentIndex(), 0);
    nav.pagesBar()->setCurrentIndex(1);
    QTRY_COMPARE(tabs.currentIndex(), 1);

    // Pages the restriction holds back stay listed, but cannot be chosen.
    nav.setRestricted(true);
    nav.setRestrictionValid(true);
    nav.setAllowedPages({1});
    QVERIFY(!nav.pagesBar()->isTabEnabled(0));
    QVERIFY(nav.pagesBar()->isTabEnabled(1));

    // A locked tab bar locks the way round it as well.
    tabs.tabBar()->setEnabled(false);
    QVERIFY(!nav.isEnabled());
}

void TestPageViews::searchNarrowsThroughTheMatch()
{
    QTabWidget tabs;
    for (const char* title : {"Загальне", "GSM", "Bluetooth", "Розширені"})
        tabs.addTab(new QWidget, QString::fromUtf8(title));
    NavPanel nav(tabs);
    nav.setSection(0, QStringLiteral("Пристрій"));
    nav.setSection(1, QStringLiteral("Зв'язок"));
    nav.setSection(2, QStringLiteral("Зв'язок"));
    QList<int> asked;
    nav.setSearchMatch([&asked](int page, const QString& text) {
        asked << page;
        return text == QLatin1String("gsm") && page == 3;
    });
    nav.refresh();

    nav.searchField()->setText(QStringLiteral(" gsm "));
    QTRY_COMPARE_WITH_TIMEOUT(texts(nav.sectionsBar()),
                              (QStringList{QStringLiteral("Зв'язок"), QStringLiteral("Інше")}),
                              NavPanel::SearchDelayMs * 3);
    QCOMPARE(texts(nav.pagesBar()), QStringList{QStringLiteral("GSM")});
    QVERIFY(!asked.contains(1)); // the title alone matches

    nav.setRestricted(true);
    nav.setRestrictionValid(true);
    nav.setAllowedPages({1, 2});
    QCOMPARE(texts(nav.sectionsBar()), QStringList{QStringLiteral("Зв'язок")});

    nav.searchField()->clear();
    nav.refresh();
    QCOMPARE(texts(nav.sectionsBar()).size(), 3);
}

void TestPageViews::shippedPagesOnTheTabWidget()
{
    QTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("Загальне"));
    PageBuilder builder(m_registry, tabs);
    VarsUI model;
    model.setAssembler([&builder](VarsUI& m) { builder.build(m); });
    model.load();

    QCOMPARE(builder.pageViews().size(), 14);
    QCOMPARE(tabs.count(), 15);
    int rows = 0;
    for (const VarsTab* view : builder.pageViews()) {
        QCOMPARE(tabs.widget(view->index()), view);
        QCOMPARE(tabs.isTabVisible(view->index()), !view->key().startsWith(QLatin1String("h_")));
        rows += int(view->rows().size());
        QCOMPARE(m_registry.tabIds(view).size() > 0, !view->rows().isEmpty());
    }
    QCOMPARE(rows, 503);
    QCOMPARE(tabs.tabText(14), QStringLiteral("h_2"));
    QVERIFY(!tabs.isTabVisible(14));

    // Page-only rows stand for their device variable; the switches bring their targets.
    const QList<uint16_t> ids = builder.loadList();
    QVERIFY(std::is_sorted(ids.begin(), ids.end()));
    QVERIFY(ids.contains(10027) && ids.contains(10031) && ids.contains(5001) && ids.contains(3106));
    QVERIFY(!ids.contains(0));
}

void TestPageViews::demoWindowShowsAndWritesTheDevice()
{
    QStringList boxes;
    ModalBox::setChooser([&boxes](QMessageBox& box) {
        boxes << box.text();
        return nullptr;
    });
    auto device = SimFixture::deviceWithProfile(SimFixture::DemoProfile);
    DeviceStack stack(SimFixture::RunningStack::options());
    stack.addTransport(QStringLiteral("demo"), QStringLiteral("Demo"), std::make_unique<SimLink>(device));
    stack.transports().select(QStringLiteral("demo"));
    auto window = std::make_unique<MainWindow>(stack);
    window->show();
    window->connectDevice();
    stack.start();
    auto* pin = window->findChild<QLineEdit*>(QStringLiteral("ePin1"));
    QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QWidget*>(QStringLiteral("gPin1"))->isEnabled(), Wait);
    pin->setText(QStringLiteral("1234"));
    window->findChild<QPushButton*>(QStringLiteral("bPin1"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(window->findChild<QLabel*>(QStringLiteral("lFirmwareV"))->text(), QStringLiteral("1.5.4"),
                              Wait);

    // Every page shows the device's values as it is opened.
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("tabWidget"));
    VARS& vars = stack.protocol().vars();
    const QList<VarsTab*> pages = window->findChildren<VarsTab*>();
    QCOMPARE(pages.size(), 14);
    for (VarsTab* page : pages) {
        tabs->setCurrentIndex(page->index());
        for (const VarWidget* row : page->rows()) {
            bool found = false;
            const VarRecord record = vars.snapshot(uint16_t(row->deviceId()), &found);
            QVERIFY2(found, qPrintable(row->info().name));
            if (auto* line = qobject_cast<LineVarEditor*>(row->editor()))
                QCOMPARE(line->lineEdit()->text(), vars.valueText(record));
            else if (auto* select = qobject_cast<SelectVarEditor*>(row->editor()))
                QCOMPARE(select->comboBox()->currentData().toInt(), qFromLittleEndian<int32_t>(record.num));
            else if (auto* onOff = qobject_cast<OnOffVarEditor*>(row->editor()))
                QCOMPARE(onOff->checkBox()->isChecked(), row->info().kind == VarKind::OnOffRedir
                                                             ? record.redir == row->info().target
                                                             : qFromLittleEndian<uint32_t>(record.num) != 0);
        }
    }

    // The page chosen in the navigation is polled: a change on the device reaches its row.
    auto* nav = window->findChild<NavPanel*>();
    nav->sectionsBar()->setCurrentIndex(int(texts(nav->sectionsBar()).indexOf(QStringLiteral("Налаштування"))));
    QTRY_COMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Загальні налаштування"));
    auto* general = static_cast<VarsTab*>(tabs->currentWidget());
    auto* volume = static_cast<SpinVarEditor*>(rowNamed(general, QStringLiteral("Гучність сирени, %"))->editor());
    QByteArray eighty(4, '\0');
    eighty[0] = 80;
    device->setVariableValue(11011, eighty);
    QTRY_COMPARE_WITH_TIMEOUT(volume->spinBox()->value(), 80, Wait);

    // An edit reaches the device.
    auto* quiet = static_cast<OnOffVarEditor*>(rowNamed(general, QStringLiteral("Тиха охорона"))->editor());
    QVERIFY(!quiet->checkBox()->isChecked());
    quiet->checkBox()->click();
    QTRY_COMPARE_WITH_TIMEOUT(device->variable(11005)->value, QByteArray("\x01\0\0\0", 4), Wait);
    QVERIFY(quiet->checkBox()->isChecked());

    // A refused one shows the device's value again.
    VarsTab* module = nullptr;
    for (VarsTab* page : pages) {
        if (page->title() == QStringLiteral("Підкапотний модуль"))
            module = page;
    }
    tabs->setCurrentIndex(module->index());
    VarWidget* nameRow = rowNamed(module, QStringLiteral("Назва модуля"));
    SimVariables::Variable shorter = *device->variable(uint16_t(nameRow->deviceId()));
    shorter.capacity = 4;
    shorter.value = shorter.value.left(4);
    device->setVariable(shorter);
    QLineEdit* edit = static_cast<LineVarEditor*>(nameRow->editor())->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Engine bay"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(edit->text(), QString::fromUtf8(shorter.value), Wait);
    QTRY_VERIFY(window->findChild<QPlainTextEdit*>(QStringLiteral("teLog"))
                    ->toPlainText()
                    .contains(QStringLiteral("write var %1 failed, code=").arg(nameRow->deviceId())));
    QVERIFY(boxes.isEmpty());

    stack.shutdown();
    window.reset();
    ModalBox::setChooser({});
}

QTEST_MAIN(TestPageViews)
#include "TestPageViews.moc"
