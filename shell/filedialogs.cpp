#include "filedialogs.h"

#include "filefolder.h"
#include "messages.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>

namespace {

struct FileDialogs {
    Q_DECLARE_TR_FUNCTIONS(FileDialogs)
};

} // namespace

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

FileNameAsker& saveFileName()
{
    static FileNameAsker ask;
    return ask;
}

void saveText(QWidget* parent, const QString& caption, const QString& what, const QString& suffix,
              const QString& filter, const QString& text)
{
    const QString path = askSaveFile(parent, caption, what, suffix, filter, saveFileName());
    if (path.isEmpty())
        return;
    QString error;
    if (!writeTextFile(path, text, &error))
        MsgBox(FileDialogs::tr("The file %1 could not be written: %2").arg(path, error),
               Buttons::Ok, Icon::Exclamation);
}

QString csvFilter()
{
    return FileDialogs::tr("Comma-separated files (*.csv);;All files (*)");
}

QString namesBoxText()
{
    return FileDialogs::tr("With &names");
}

QCheckBox* makeNamesBox(QWidget* parent, const SubjectNames& names)
{
    auto* box = new QCheckBox(namesBoxText(), parent);
    offerNames(box, names);
    return box;
}

void offerNames(QCheckBox* box, const SubjectNames& names)
{
    const bool loaded = !names.empty();
    box->setEnabled(loaded);
    if (!loaded)
        box->setChecked(false);
}

SubjectNames takeNames(QCheckBox* box, const SubjectNames& names)
{
    const bool asked = box->isChecked();
    box->setChecked(false);
    return asked ? names : SubjectNames();
}
