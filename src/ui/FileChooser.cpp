#include "FileChooser.h"

#include <QFileDialog>

namespace {
FileChooser::Chooser& chooser()
{
    static FileChooser::Chooser installed;
    return installed;
}
} // namespace

void FileChooser::setChooser(Chooser c)
{
    chooser() = std::move(c);
}

QString FileChooser::openFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter)
{
    if (chooser())
        return chooser()(Mode::Open, caption, folder);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString FileChooser::saveFile(QWidget* parent, const QString& caption, const QString& path, const QString& filter)
{
    if (chooser())
        return chooser()(Mode::Save, caption, path);
    return QFileDialog::getSaveFileName(parent, caption, path, filter);
}
