#include "AboutBox.h"

#include <QMessageBox>

#include "FirstRunPanel.h"
#include "ModalBox.h"

QString AboutBox::text(const QString& version)
{
    QString text = QStringLiteral("<h3>Kestrova %1</h3>").arg(version.toHtmlEscaped()) +
                   QStringLiteral("<p>%1</p>").arg(tr("Service tool for Orvo vehicle security controllers.")) +
                   QStringLiteral("<p>%1</p>")
                       .arg(tr("© 2026 Orvo SOFT. Proprietary licence: all rights reserved. The program may be used "
                               "only as Orvo SOFT permits; copying, changing or passing it on needs Orvo SOFT's "
                               "written permission."));
#ifdef Q_OS_LINUX
    text += QStringLiteral("<p>%1</p><pre>%2</pre><p>%3</p>")
                .arg(tr("On Linux the device opens only with the udev rule installed (a package or an "
                        "installation to /usr has it). For a program built from source, from the Kestrova folder:"),
                     FirstRunPanel::udevCommands().toHtmlEscaped(), tr("Then unplug the device and plug it in again."));
#endif
    return text;
}

void AboutBox::show(QWidget* parent, const QString& version)
{
    QMessageBox box(QMessageBox::Information, tr("About Kestrova"), text(version), QMessageBox::Close, parent);
    box.setTextFormat(Qt::RichText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ModalBox::exec(box);
}
