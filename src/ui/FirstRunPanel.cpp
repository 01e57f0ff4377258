#include "FirstRunPanel.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int CardWidth = 560;

const char* const PanelStyle = "FirstRunPanel { background: palette(window); }"
                               "#firstRunCard { background: palette(base); border: 1px solid #c8ced6; "
                               "border-radius: 6px; }";
const char* const TitleStyle = "font-size: 16px; font-weight: bold;";
const char* const CommandStyle = "font-family: monospace; background: #f2f4f7; color: #222; padding: 6px; "
                                 "border-radius: 3px;";

QLabel* paragraph(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

FirstRunPanel::FirstRunPanel(bool demoAvailable, QWidget* covered) : QFrame(covered)
{
    setObjectName(QStringLiteral("firstRunPanel"));
    setAutoFillBackground(true);
    setStyleSheet(QString::fromLatin1(PanelStyle));

    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("firstRunCard"));
    card->setFixedWidth(CardWidth);
    auto* column = new QVBoxLayout(card);
    column->setContentsMargins(20, 16, 20, 16);
    column->setSpacing(10);

    auto* title = new QLabel(tr("No device connected"), card);
    title->setStyleSheet(QString::fromLatin1(TitleStyle));
    column->addWidget(title);
    column->addWidget(
        paragraph(tr("Connect the controller to this computer with its USB cable. Kestrova finds it by itself "
                     "and then asks for its PIN."),
                  card));
#ifdef Q_OS_LINUX
    column->addWidget(paragraph(tr("On Linux the device can be opened only with the udev rule installed (an "
                                   "installation to /usr has it). From the Kestrova folder:"),
                                card));
    auto* commands = new QLabel(udevCommands(), card);
    commands->setStyleSheet(QString::fromLatin1(CommandStyle));
    commands->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(commands);
    column->addWidget(paragraph(tr("Then unplug the device and plug it in again."), card));
#endif
    if (demoAvailable) {
        column->addSpacing(6);
        column->addWidget(
            paragraph(tr("No controller at hand? The demo device behaves like one; its PIN is 1234."), card));
        auto* demo = new QPushButton(tr("Try the demo device"), card);
        demo->setObjectName(QStringLiteral("demoButton"));
        column->addWidget(demo, 0, Qt::AlignLeft);
        connect(demo, &QPushButton::clicked, this, &FirstRunPanel::demoRequested);
    }

    // Centred by stretches, not by alignment: an aligned card gets its plain size hint, which is too low
    // for its wrapped texts.
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(card);
    row->addStretch();
    auto* outer = new QVBoxLayout(this);
    outer->addStretch(1);
    outer->addLayout(row);
    outer->addStretch(2);

    setGeometry(covered->rect());
    covered->installEventFilter(this);
}

bool FirstRunPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QFrame::eventFilter(watched, event);
}

QString FirstRunPanel::udevCommands()
{
    return QStringLiteral("sudo cp packaging/70-kestrova.rules /etc/udev/rules.d/\n"
                          "sudo udevadm control --reload && sudo udevadm trigger");
}
