#pragma once

#include <QPlainTextEdit>
#include <QStringList>

class QAction;
class QMainWindow;
class QSettings;
class QSplitter;

// The session's log below the pages. The pages take the window's extra height; the split between
// them and the log is the user's and is remembered. "Save log…" writes the whole session to a text
// file, a record of the job done.
class LogView : public QPlainTextEdit
{
    Q_OBJECT
public:
    // Puts the window's central widget and the log on one split, which becomes the central widget.
    LogView(QMainWindow& window, QSettings& settings);

    // One line, stamped with the time.
    void appendLine(const QString& text);
    QAction* saveAction() const { return m_saveAction; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void save();
    bool saveTo(const QString& path, QString* error) const;

    QMainWindow& m_window;
    QSettings& m_settings;
    QSplitter* m_split;
    QAction* m_saveAction;
    int m_logHeight;     // the user's, kept when the window changes its height
    QStringList m_lines; // the whole session; the view keeps only the latest lines
};
