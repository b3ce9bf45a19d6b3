// Start-up: find the program directory, connect the windows, show the start window.

#include "dataform.h"
#include "drawform.h"
#include "errorreport.h"
#include "forms.h"
#include "globals.h"
#include "probe.h"
#include "programicon.h"
#include "qtmessages.h"
#include "startform.h"
#include "startup.h"
#include "windows.h"

#include <QApplication>

namespace {

void connectWindows()
{
    Forms::ShowDataForm = showDataForm;
    Forms::DataFormMayEnd = &DataForm::mayEnd;
    Forms::ShowDrawForm = showDrawForm;
    Forms::DrawFormMayEnd = &DrawForm::mayEnd;
    Forms::UnloadDrawForm = [] {
        if (DrawForm* form = SingleInstance<DrawForm>::ifLoaded())
            form->close();
    };
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
    runProbe(probeFromArguments(QCoreApplication::arguments()));
    return QApplication::exec();
}
