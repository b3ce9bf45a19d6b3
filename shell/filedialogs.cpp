#include "filedialogs.h"

#include "filefolder.h"

#include <QFileDialog>

QString askSaveFile(QWidget* parent, const QString& caption, const QString& what,
                    const QString& suffix, const QString& filter, const FileNameAsker& ask)
{
    const QString start = FileFolder::suggested(what, suffix);
    QString file;
    if (ask) {
        file = ask(parent, caption, start, filter);
    } else {
        QFileDialog dialog(parent, caption, start, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The dialog adds the ending itself, so that its question about replacing a
        // file is asked about the name that will really be written.
        dialog.setDefaultSuffix(suffix);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            file = dialog.selectedFiles().front();
    }
    FileFolder::remember(file);
    return file;
}

QString askOpenFile(QWidget* parent, const QString& caption, const QString& filter,
                    const FileNameAsker& ask)
{
    const QString start = FileFolder::lastUsed();
    const QString file = ask ? ask(parent, caption, start, filter)
                             : QFileDialog::getOpenFileName(parent, caption, start, filter);
    FileFolder::remember(file);
    return file;
}
