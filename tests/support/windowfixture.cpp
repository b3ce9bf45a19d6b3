#include "windowfixture.h"

#include "forms.h"

#include <QApplication>

void WindowFixture::init()
{
    resetProgram();
    messages.clear();
    database = std::make_unique<TestDatabase>();
    QVERIFY(database->isValid());
}

void WindowFixture::cleanup()
{
    // Unloaded as the windows unload themselves: hidden, then deleted from the event loop.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->parentWidget()) {
            window->hide();
            window->deleteLater();
        }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Forms::Show = {};
    Forms::UnloadInfoForm = Forms::UnloadDrawForm = {};
    Forms::SettleDataForm = {};
    Forms::CloseDeletedStudy = {};
    Forms::OpenExample = {};
    Forms::PrintClassReport = {};
    Forms::MayEnd.clear();
    Forms::ImportChoices = {};
    Forms::ImportFormResponses = {};
    Forms::PrintBallots = {};
    Forms::ShowGroupsOnSociogram = {};
    Forms::ShowChangesOnSociogram = {};
    messages.clear();
    database.reset();
}
