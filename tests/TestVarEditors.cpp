#include <QToolTip>
#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "SimFixture.h"
#include "link/CommandTable.h"
#include "ui/LineVarEditor.h"
#include "ui/RoVarEditor.h"
#include "ui/SelectVarEditor.h"
#include "ui/SpinVarEditor.h"
#include "ui/VarWidget.h"
#include "vars/VarsRegistry.h"
#include "vars/VarsUI.h"

namespace {

constexpr int Wait = 5000;

// Settings of the small profile: a signed one, and 13 (redirected to 1) with a selector over three others.
const char* const PageXml = R"(<page title="Лінії" section="Налаштування">
  <var id="3" name="Поправка" uitype="integer"/>
  <var id="1" name="Лічильник" uitype="unsigned" group="lines"/>
  <var id="2" name="Біт" uitype="unsigned" group="lines"/>
  <var id="12" name="Прапорці" uitype="unsigned" group="lines"/>
  <var id="13" name="Вихід" uitype="unsigned" redir="lines"/>
</page>)";

// A signed setting and a slider over redirected 13.
const char* const SliderPageXml = R"(<page title="Лінії" section="Налаштування">
  <var id="3" name="Поправка" uitype="integer"/>
  <var id="13" name="Гучність" uitype="slider" min="0" max="100"/>
</page>)";

// The rows of PageXml on the small stand-in device, every variable loaded through the worker.
struct LoadedPage
{
    bool load(const char* xml = PageXml)
    {
        QFile page(dir.filePath(QStringLiteral("page.xml")));
        if (!page.open(QIODevice::WriteOnly) || page.write(xml) <= 0)
            return false;
        page.close();
        if (!model.loadPageXml(page.fileName()))
            return false;
        registry.build(model.infos(), model.attrs());
        registry.setCurrentPageView(&shownPage);
        return session.connectAndLoad();
    }

    // A row of the shown page, refreshed from the store.
    std::unique_ptr<VarWidget> row(int id)
    {
        const auto info = std::find_if(model.infos().cbegin(), model.infos().cend(),
                                       [id](const VarUiInfoPtr& candidate) { return candidate->id == id; });
        auto widget = std::make_unique<VarWidget>(*info, registry);
        registry.registerRow(&shownPage, widget.get());
        widget->refresh();
        widget->show();
        return widget;
    }

    QTemporaryDir dir;
    VarsUI model;
    SimFixture::RunningStack session{SimFixture::deviceWithProfile(SimFixture::SmallProfile)};
    VarsRegistry registry{session.stack.protocol(), session.stack.worker()};
    QObject shownPage;
};

VarUiInfoPtr infoOf(VarKind kind, int min = 0, int max = 1024, const QString& format = {})
{
    auto info = std::make_shared<VarUiInfo>();
    info->id = 1;
    info->kind = kind;
    info->noUitype = false;
    info->min = min;
    info->max = max;
    info->format = format;
    info->options = {{0, QStringLiteral("Вимкнено")}, {1, QStringLiteral("Сирена")}, {2, QStringLiteral("Клаксон")}};
    return info;
}

VarRecord recordOf(VARS& vars, char type, uint16_t maxLen, const QByteArray& value)
{
    vars.update(1, 0, uint8_t(type), 0, maxLen, reinterpret_cast<const uint8_t*>(value.constData()), int(value.size()));
    return vars.snapshot(1);
}

QByteArray number(int32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QStringList sentTexts(const QSignalSpy& edited)
{
    QStringList texts;
    for (const QList<QVariant>& signal : edited)
        texts << signal.at(0).toString();
    return texts;
}

void wheel(QWidget* widget)
{
    const QPointF at = QPointF(widget->rect().center());
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestVarEditors : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lineEditors_data();
    void lineEditors();
    void typingIsNotOverwritten();
    void sliderSendsOnceAfterThePause();
    void wheelOverUnfocusedEditor_data();
    void wheelOverUnfocusedEditor();
    void deviceReadOnlyFlagTurnsRowReadOnly();
    void redirectSelectorFollowsTheDevice();
    void typedNumberSentOnceSteppedAfterThePause();
    void readOnlyTexts_data();
    void readOnlyTexts();
    void floatsInTheInterfaceLanguage_data();
    void floatsInTheInterfaceLanguage();
    void typedNumberOutsideTheRange_data();
    void typedNumberOutsideTheRange();
    void sliderKeepsToTheSteps_data();
    void sliderKeepsToTheSteps();
};

void TestVarEditors::readOnlyTexts_data()
{
    QTest::addColumn<VarKind>("kind");
    QTest::addColumn<QString>("format");
    QTest::addColumn<char>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("shown");
    QByteArray volts(4, '\0');
    qToLittleEndian(12.5f, volts.data());
    QTest::newRow("percent sign kept") << VarKind::Float2 << "%.1f %%" << 'F' << volts << "12.5 %";
    // Formats that would make printf read past the one value fall back to three decimals.
    QTest::newRow("text conversion") << VarKind::Float << "%s" << 'F' << volts << "12.500";
    QTest::newRow("two conversions") << VarKind::Float << "%f/%f" << 'F' << volts << "12.500";
    QTest::newRow("float2 without precision") << VarKind::Float2 << "%f" << 'F' << volts << "12.500000";
    QTest::newRow("slider of floats") << VarKind::SliderF << "" << 'F' << volts << "12.500";
    QTest::newRow("markup from the device")
        << VarKind::String << "" << 'T' << QByteArray("<b>Гараж</b>") << "<b>Гараж</b>";
}

void TestVarEditors::readOnlyTexts()
{
    QFETCH(VarKind, kind);
    QFETCH(QString, format);
    QFETCH(char, type);
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);

    VARS vars;
    RoVarEditor editor(infoOf(kind, 0, 1024, format), vars);
    editor.setValue(recordOf(vars, type, 32, value));
    QCOMPARE(editor.text(), shown);
    const auto* label = editor.findChild<QLabel*>();
    QVERIFY(label && label->textFormat() == Qt::PlainText); // shown as typed, never as markup
}

void TestVarEditors::lineEditors_data()
{
    QTest::addColumn<VarKind>("kind");
    QTest::addColumn<char>("type");
    QTest::addColumn<int>("maxLen");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("keys"); // typed over the whole text
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("sent");
    const auto row = [](const char* tag, VarKind kind, char type, int maxLen, const QByteArray& value,
                        const QString& keys, const QString& shown, const QStringList& sent) {
        QTest::newRow(tag) << kind << type << maxLen << value << keys << shown << sent;
    };
    const QString usbLimit(47, QLatin1Char('a'));
    row("comma in a float", VarKind::Float, 'F', 4, number(0), "1,5", "1,5", {"1.5"});
    row("float without digits", VarKind::Float, 'F', 4, number(0), "-", "0.000", {});
    row("letter in an unsigned", VarKind::Unsigned, 'U', 4, number(7), "1a2", "12", {"12"});
    row("unsigned past 32 bits", VarKind::Unsigned, 'U', 4, number(5), "99999999999", "5", {});
    row("unsigned past its one byte", VarKind::Unsigned, 'U', 4, QByteArray(1, 9), "256", "9", {});
    row("signed within its two bytes", VarKind::Integer, 'I', 4, QByteArray(2, 0), "-32768", "-32768", {"-32768"});
    row("three-byte character past maxLen", VarKind::String, 'T', 8, {}, QStringLiteral("abcde€€"),
        QStringLiteral("abcde€"), {QStringLiteral("abcde€")});
    row("link limit below maxLen", VarKind::String, 'T', 64, {}, usbLimit + QLatin1Char('b'), usbLimit, {usbLimit});
    row("one character", VarKind::Char, 'C', 4, "A", "xy", "x", {"x"});
}

void TestVarEditors::lineEditors()
{
    QFETCH(VarKind, kind);
    QFETCH(char, type);
    QFETCH(int, maxLen);
    QFETCH(QByteArray, value);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QStringList, sent);

    VARS vars;
    LineVarEditor editor(infoOf(kind), vars);
    editor.setValue(recordOf(vars, type, uint16_t(maxLen), value));
    QSignalSpy edited(&editor, &VarEditor::edited);
    QLineEdit* edit = editor.lineEdit();
    edit->selectAll();
    for (const QChar c : keys)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(sentTexts(edited), sent);
}

void TestVarEditors::typingIsNotOverwritten()
{
    VARS vars;
    LineVarEditor editor(infoOf(VarKind::Unsigned), vars);
    editor.setValue(recordOf(vars, 'U', 4, number(10)));
    QSignalSpy edited(&editor, &VarEditor::edited);
    QTest::keyClicks(editor.lineEdit(), QStringLiteral("5"));
    editor.setValue(recordOf(vars, 'U', 4, number(77)));
    QCOMPARE(editor.lineEdit()->text(), QStringLiteral("105"));
    QTest::keyClick(editor.lineEdit(), Qt::Key_Return);

    // Finishing again without a keystroke sends nothing.
    editor.setValue(recordOf(vars, 'U', 4, number(78)));
    QCOMPARE(editor.lineEdit()->text(), QStringLiteral("78"));
    QTest::keyClick(editor.lineEdit(), Qt::Key_Return);
    QCOMPARE(sentTexts(edited), QStringList{QStringLiteral("105")});
}

void TestVarEditors::sliderSendsOnceAfterThePause()
{
    VARS vars;
    SpinVarEditor editor(infoOf(VarKind::Slider, 0, 100), vars);
    editor.setValue(recordOf(vars, 'U', 4, number(10)));
    QSignalSpy edited(&editor, &VarEditor::edited);
    QSlider* slider = editor.slider();
    slider->setSliderDown(true);
    for (int step = 20; step <= 40; step += 10) {
        slider->setValue(step);
        editor.setValue(recordOf(vars, 'U', 4, number(99))); // the device reports while the user drags
    }
    QElapsedTimer sinceLastStep;
    sinceLastStep.start();
    slider->setSliderDown(false);
    QCOMPARE(editor.spinBox()->value(), 40);
    QCOMPARE(edited.count(), 0);
    QVERIFY(edited.wait(2000));
    QVERIFY(sinceLastStep.elapsed() >= SpinVarEditor::SendDelayMs * 9 / 10);
    QCOMPARE(sentTexts(edited), QStringList{QStringLiteral("40")});
}

void TestVarEditors::wheelOverUnfocusedEditor_data()
{
    QTest::addColumn<VarKind>("kind");
    QTest::addColumn<QString>("widget");
    QTest::newRow("drop-down") << VarKind::Select << QStringLiteral("QComboBox");
    QTest::newRow("spin box") << VarKind::Slider << QStringLiteral("QSpinBox");
    QTest::newRow("slider") << VarKind::Slider << QStringLiteral("QSlider");
}

void TestVarEditors::wheelOverUnfocusedEditor()
{
    QFETCH(VarKind, kind);
    QFETCH(QString, widget);
    VARS vars;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QLineEdit(&window);
    layout->addWidget(other);
    VarEditor* editor = kind == VarKind::Select ? static_cast<VarEditor*>(new SelectVarEditor(infoOf(kind), vars))
                                                : new SpinVarEditor(infoOf(kind), vars);
    layout->addWidget(editor);
    editor->setValue(recordOf(vars, 'U', 4, number(1)));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();

    QWidget* target = nullptr;
    for (QWidget* child : editor->findChildren<QWidget*>()) {
        if (child->inherits(qPrintable(widget)))
            target = child;
    }
    QVERIFY(target);
    const char* property = kind == VarKind::Select ? "currentIndex" : "value";
    const QVariant before = target->property(property);
    wheel(target);
    QCOMPARE(target->property(property), before);

    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    wheel(target);
    QVERIFY(target->property(property) != before);
}

void TestVarEditors::deviceReadOnlyFlagTurnsRowReadOnly()
{
    LoadedPage page;
    QVERIFY(page.load());
    const std::unique_ptr<VarWidget> correction = page.row(3);
    QVERIFY(qobject_cast<LineVarEditor*>(correction->editor()));
    SimVariables::Variable locked = *page.session.device->variable(3);
    locked.flags |= VarFlag::ReadOnly;
    page.session.device->setVariable(locked);
    QVERIFY(page.registry.refresh(3));
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<RoVarEditor*>(correction->editor()), Wait);
    QCOMPARE(static_cast<RoVarEditor*>(correction->editor())->text(), QStringLiteral("-1234"));
    QVERIFY(correction->editor()->isVisible());
}

void TestVarEditors::redirectSelectorFollowsTheDevice()
{
    LoadedPage page;
    QVERIFY(page.load());
    const std::unique_ptr<VarWidget> output = page.row(13);
    QComboBox* selector = output->redirSelector();
    QCOMPARE(selector->currentText(), QStringLiteral("Лічильник"));

    // The entry below is the user's choice, and the device is told that very variable.
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_Down);
    QTRY_COMPARE_WITH_TIMEOUT(page.session.device->variable(13)->redir, uint16_t(2), Wait);
    QCOMPARE(selector->currentText(), QStringLiteral("Біт"));

    // Redirected elsewhere by the device: the selector follows; to a variable it does not offer, "Not connected".
    for (const auto& [target, shown] : {std::pair{12, "Прапорці"}, std::pair{4, "Not connected"}}) {
        SimVariables::Variable moved = *page.session.device->variable(13);
        moved.redir = uint16_t(target);
        page.session.device->setVariable(moved);
        QVERIFY(page.registry.refresh(13));
        QTRY_COMPARE_WITH_TIMEOUT(selector->currentText(), QString::fromUtf8(shown), Wait);
    }
}

void TestVarEditors::typedNumberSentOnceSteppedAfterThePause()
{
    LoadedPage page;
    QVERIFY(page.load(SliderPageXml));
    QList<uint32_t> written; // values of VAR_SET requests for 13, as they left for the device
    QMutex writtenMutex;
    page.session.link->setRequestObserver([&](uint8_t cmd, const QByteArray& payload) {
        if (cmd == Cmd::VAR_SET && payload.size() == 10 && qFromLittleEndian<uint16_t>(payload.constData()) == 13) {
            QMutexLocker lock(&writtenMutex);
            written << qFromLittleEndian<uint32_t>(payload.constData() + 6);
        }
    });
    const auto writes = [&] {
        QMutexLocker lock(&writtenMutex);
        return written;
    };
    const auto volume = page.row(13);
    QSpinBox* spin = static_cast<SpinVarEditor*>(volume->editor())->spinBox();
    QCOMPARE(spin->value(), 5);
    spin->setFocus();
    spin->selectAll();
    // A user who types slower than the send delay: the first digit alone must not reach the device.
    QTest::keyClick(spin, Qt::Key_4);
    QTest::qWait(SpinVarEditor::SendDelayMs * 2);
    QTest::keyClick(spin, Qt::Key_5);
    QTest::keyClick(spin, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(writes(), QList<uint32_t>{45}, Wait);

    QTest::keyClick(spin, Qt::Key_Up);
    QTest::qWait(SpinVarEditor::SendDelayMs / 2);
    QCOMPARE(writes(), QList<uint32_t>{45});
    QTRY_COMPARE_WITH_TIMEOUT(writes(), (QList<uint32_t>{45, 46}), Wait);
    QTRY_COMPARE_WITH_TIMEOUT(page.session.device->variable(13)->value, QByteArray("\x2E\0\0\0", 4), Wait);
}

void TestVarEditors::floatsInTheInterfaceLanguage_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<VarKind>("kind");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("shown");
    const QLocale::Language uk = QLocale::Ukrainian;
    const QLocale::Language en = QLocale::English;
    QTest::newRow("read-only, Ukrainian") << uk << VarKind::Float << "" << false << "11,800";
    QTest::newRow("editable, Ukrainian") << uk << VarKind::Float << "" << true << "11,800";
    QTest::newRow("read-only, English") << en << VarKind::Float << "" << false << "11.800";
    QTest::newRow("editable, English") << en << VarKind::Float << "" << true << "11.800";
    QTest::newRow("page's decimals, editable") << uk << VarKind::Float2 << "%.1f" << true << "11,8";
    QTest::newRow("page's decimals, read-only") << en << VarKind::Float2 << "%.2f" << false << "11.80";
    QTest::newRow("slider of floats, editable") << uk << VarKind::SliderF << "" << true << "11,800";
    QTest::newRow("slider of floats, read-only") << en << VarKind::SliderF << "" << false << "11.800";
}

// The same value reads the same on every page, with the separator of the language shown.
void TestVarEditors::floatsInTheInterfaceLanguage()
{
    QFETCH(QLocale::Language, language);
    QFETCH(VarKind, kind);
    QFETCH(QString, format);
    QFETCH(bool, editable);
    QFETCH(QString, shown);
    QLocale::setDefault(QLocale(language));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
    auto info = std::make_shared<VarUiInfo>(*infoOf(kind, 0, 1024, format));
    info->fmax = 100.0f;
    QByteArray volts(4, '\0');
    qToLittleEndian(11.8f, volts.data());

    VARS vars;
    std::unique_ptr<VarEditor> editor;
    if (!editable)
        editor = std::make_unique<RoVarEditor>(info, vars);
    else if (kind == VarKind::SliderF)
        editor = std::make_unique<SpinVarEditor>(info, vars);
    else
        editor = std::make_unique<LineVarEditor>(info, vars);
    editor->setValue(recordOf(vars, 'F', 4, volts));
    if (auto* ro = qobject_cast<RoVarEditor*>(editor.get()))
        QCOMPARE(ro->text(), shown);
    else if (auto* spin = qobject_cast<SpinVarEditor*>(editor.get()))
        QCOMPARE(spin->floatSpinBox()->text(), shown);
    else
        QCOMPARE(static_cast<LineVarEditor*>(editor.get())->lineEdit()->text(), shown);
}

void TestVarEditors::typedNumberOutsideTheRange_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<bool>("refused"); // the allowed range was shown as the number was typed
    QTest::newRow("above the maximum") << 0 << "500" << QStringList{} << true;
    QTest::newRow("below the minimum") << -20 << "-50" << QStringList{} << true;
    QTest::newRow("within the range") << 0 << "150" << QStringList{"150"} << false;
}

// Typing 500 where 180 is the most: the box never shows 50 for it, and nothing is written.
void TestVarEditors::typedNumberOutsideTheRange()
{
    QFETCH(int, min);
    QFETCH(QString, keys);
    QFETCH(QStringList, sent);
    QFETCH(bool, refused);
    VARS vars;
    SpinVarEditor editor(infoOf(VarKind::Slider, min, 180), vars);
    editor.show();
    editor.setValue(recordOf(vars, 'U', 4, number(50)));
    QSignalSpy edited(&editor, &VarEditor::edited);
    QSpinBox* spin = editor.spinBox();
    spin->setFocus();
    spin->selectAll();
    QToolTip::hideText();
    QTest::keyClicks(spin, keys);
    QCOMPARE(spin->text(), keys);
    QCOMPARE(QToolTip::text().contains(QStringLiteral("Allowed: %1 to 180").arg(min)), refused);
    QTest::keyClick(spin, Qt::Key_Return);
    QCOMPARE(sentTexts(edited), sent);
    QCOMPARE(spin->value(), sent.isEmpty() ? 50 : sent.first().toInt());
}

void TestVarEditors::sliderKeepsToTheSteps_data()
{
    QTest::addColumn<int>("dragged");
    QTest::addColumn<int>("shown");
    QTest::newRow("between steps, nearer the next") << 78 << 80;
    QTest::newRow("between steps, nearer the last") << 73 << 70;
    QTest::newRow("on a step") << 40 << 40;
    QTest::newRow("past the last step") << 98 << 100;
}

void TestVarEditors::sliderKeepsToTheSteps()
{
    QFETCH(int, dragged);
    QFETCH(int, shown);
    auto info = std::make_shared<VarUiInfo>(*infoOf(VarKind::Slider, 0, 100));
    info->step = 10;
    VARS vars;
    SpinVarEditor editor(info, vars);
    editor.setValue(recordOf(vars, 'U', 4, number(10)));
    QSignalSpy edited(&editor, &VarEditor::edited);
    editor.slider()->setSliderDown(true);
    editor.slider()->setValue(dragged);
    editor.slider()->setSliderDown(false);
    QCOMPARE(editor.slider()->value(), shown);
    QCOMPARE(editor.spinBox()->value(), shown);
    QVERIFY(edited.wait(2000));
    QCOMPARE(sentTexts(edited), QStringList{QString::number(shown)});
}

QTEST_MAIN(TestVarEditors)
#include "TestVarEditors.moc"
