// Start-up: find the program directory, connect the windows, show the start window.

#include "deferredicons.h"
#include "errorreport.h"
#include "globals.h"
#include "language.h"
#include "probe.h"
#include "programicon.h"
#include "projectlist.h"
#include "qtmessages.h"
#include "startform.h"
#include "startup.h"
#include "windowlinks.h"
#include "windows.h"

#include <QApplication>

namespace {

void Main()
{
    Trap trap(QStringLiteral("Mainmod:Main"));
    trap.step([] {
        Global::AppPath = appPathFrom(QCoreApplication::applicationDirPath());
        return std::optional<Failure>();
    });
    StartForm* start = StartForm::instance();
    start->show();
    // Looking at the study file loads the database driver: the window shows first, and
    // the offer of the example follows a moment later.
    afterFirstFrame(start, [start] { start->offerExample(studyFileIsEmpty()); });
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(styleWithDeferredIcons());
    QApplication::setWindowIcon(programIcon());
    setMessageHandler(showMessageBox);
    Language::apply(Language::forLocale(QLocale::system()));
    connectWindows();
    Main();
    runProbe(probeFromArguments(QCoreApplication::arguments()));
    return QApplication::exec();
}
