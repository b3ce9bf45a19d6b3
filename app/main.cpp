// Start-up: find the program directory, connect the windows, show the start window.

#include "errorreport.h"
#include "forms.h"
#include "globals.h"
#include "programicon.h"
#include "qtmessages.h"
#include "startform.h"
#include "startup.h"

#include <QApplication>

namespace {

void connectWindows()
{
}

void Main()
{
    Trap trap(QStringLiteral("Mainmod:Main"));
    trap.step([] {
        Global::AppPath = appPathFrom(QCoreApplication::applicationDirPath());
        return std::optional<Failure>();
    });
    StartForm::instance()->show();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(programIcon());
    setMessageHandler(showMessageBox);
    connectWindows();
    Main();
    return QApplication::exec();
}
