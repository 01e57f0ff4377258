#include "LogView.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QSplitter>

#include "FileChooser.h"
#include "ModalBox.h"

namespace {

const QString HeightKey = QStringLiteral("window/log_height");
const QString FolderKey = QStringLiteral("last_log_path");
constexpr int ShownLines = 5000;
constexpr int LogHeight = 140;
constexpr int LogShareDivisor = 4; // the log takes at most a quarter of the height below the tool bars

} // namespace

LogView::LogView(QMainWindow& window, QSettings& settings)
    : m_window(window), m_settings(settings), m_split(new QSplitter(Qt::Vertical, &window)),
      m_saveAction(new QAction(tr("Save log…"), this)), m_logHeight(settings.value(HeightKey, LogHeight).toInt())
{
    setObjectName(QStringLiteral("teLog"));
    setAccessibleName(tr("Session log"));
    setReadOnly(true);
    setMaximumBlockCount(ShownLines);

    m_split->setObjectName(QStringLiteral("logSplit"));
    m_split->setChildrenCollapsible(false);
    m_split->addWidget(window.takeCentralWidget());
    m_split->addWidget(this);
    window.setCentralWidget(m_split);
    m_split->installEventFilter(this);
    connect(m_split, &QSplitter::splitterMoved, this, [this] {
        m_logHeight = m_split->sizes().value(1);
        m_settings.setValue(HeightKey, m_logHeight);
    });

    m_saveAction->setObjectName(QStringLiteral("actionSaveLog"));
    connect(m_saveAction, &QAction::triggered, this, &LogView::save);
}

bool LogView::eventFilter(QObject* watched, QEvent* event)
{
    // The splitter would share a new height out by the sizes it had; the log keeps its own instead.
    // On a low screen the pages keep most of the height: the log takes at most a quarter of it.
    if (watched == m_split && event->type() == QEvent::Resize) {
        const int log = qMin(m_logHeight, m_split->height() / LogShareDivisor);
        m_split->setSizes({m_split->height() - m_split->handleWidth() - log, log});
    }
    return QPlainTextEdit::eventFilter(watched, event);
}

void LogView::appendLine(const QString& text)
{
    const QString line = QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) + text;
    m_lines.append(line);
    appendPlainText(line);
}

void LogView::save()
{
    const QString folder = m_settings.value(FolderKey, QDir::homePath()).toString();
    const QString name = QStringLiteral("kestrova_log_%1.txt")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HHmm")));
    const QString path = FileChooser::saveFile(&m_window, tr("Save log"), QDir(folder).filePath(name),
                                               tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    m_settings.setValue(FolderKey, QFileInfo(path).absolutePath());
    QString error;
    if (saveTo(path, &error)) {
        appendLine(tr("Log saved to %1").arg(QDir::toNativeSeparators(path)));
        return;
    }
    QMessageBox box(QMessageBox::Warning, tr("Save log"), error, QMessageBox::Ok, &m_window);
    ModalBox::exec(box);
}

bool LogView::saveTo(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        // The lines carry only the time of day; the heading dates them and names the program.
        const QString heading =
            tr("%1, log of %2")
                .arg(m_window.windowTitle(), QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        file.write((heading + QLatin1Char('\n') + m_lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        if (file.commit())
            return true;
    }
    if (error)
        *error = tr("Cannot write the log to %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}
