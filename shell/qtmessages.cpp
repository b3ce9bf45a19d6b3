#include "qtmessages.h"

#include "busypointer.h"
#include "programicon.h"

#include <QApplication>
#include <QMessageBox>
#include <optional>

namespace {

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Buttons b)
{
    switch (b) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Answer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

} // namespace

Answer showMessageBox(const Message& m)
{
    QMessageBox box(boxIcon(m.icon),
                    QCoreApplication::translate("Messages", m.title.toUtf8().constData()), m.text,
                    boxButtons(m.buttons), QApplication::activeWindow());
    box.setWindowIcon(programIcon());
    // A fixed message is translated here, so that every caller and test deals in the
    // English source; a message made up of values was translated where it was made.
    QString text = QCoreApplication::translate("Messages", m.text.toUtf8().constData());
    box.setText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // A question asked in the middle of long work is answered with the normal pointer.
    std::optional<PointerOverride> normalPointer;
    if (QApplication::overrideCursor())
        normalPointer.emplace(Qt::ArrowCursor);
    return answerOf(box.exec());
}
