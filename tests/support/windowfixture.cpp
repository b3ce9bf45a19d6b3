#include "windowfixture.h"

#include "forms.h"
#include "globals.h"

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
    Forms::MayEnd.clear();
    Forms::ImportChoices = {};
    Forms::ShowGroupsOnSociogram = {};
    messages.clear();
    database.reset();
}

int WindowFixture::openStudy(int groupSize, int choices, int criterionType, bool stored)
{
    Global::NewProject = stored ? Global::False : Global::True;
    Global::CurrentRecord =
        stored ? database->addStudy(u"Class"_qs, groupSize, choices, u"Who?"_qs, criterionType) : 0;
    Global::RefName = u"Class"_qs;
    Global::Question = u"Who?"_qs;
    Global::GroupSize = groupSize;
    Global::MaxChoices = choices;
    Global::CriterionType = criterionType;
    Global::CurrentCriterion = criterionType == 2 ? 2 : 1;
    return Global::CurrentRecord;
}
