#include "windowlinks.h"

#include "analysiswindow.h"
#include "ballotsprint.h"
#include "choicegrid.h"
#include "classlistwindow.h"
#include "classreportprint.h"
#include "comparewindow.h"
#include "dataform.h"
#include "drawform.h"
#include "example.h"
#include "formimport.h"
#include "forms.h"
#include "globals.h"
#include "groupswindow.h"
#include "importchoices.h"
#include "infoform.h"
#include "loadform.h"
#include "studychoices.h"
#include "windows.h"

namespace {

void showWindow(Forms::Window window, QWidget* parent)
{
    switch (window) {
    case Forms::Window::Info:
        return showInfoForm();
    case Forms::Window::Load:
        return showLoadForm();
    case Forms::Window::Data:
        return showDataForm();
    case Forms::Window::Draw:
        // The layouts of a study being set up take its group size from the study window.
        return showDrawForm(infoGroupSizeText());
    case Forms::Window::Analysis:
        return showAnalysis(currentStudyChoices().choices, parent);
    case Forms::Window::Groups:
        return showGroups(currentStudyChoices().choices, parent);
    case Forms::Window::ClassList:
        return showClassList(parent);
    case Forms::Window::Compare:
        return compareWithStoredStudy(parent);
    }
}

void closeDeletedStudy(long record)
{
    if (!SingleInstance<DataForm>::loaded() || record != Global::CurrentRecord)
        return;
    if (DrawForm* form = SingleInstance<DrawForm>::ifLoaded())
        form->closeWithoutAsking();
    DataForm::discard();
}

bool showGroupsOnSociogram(const QList<int>& groups)
{
    DrawForm* form = SingleInstance<DrawForm>::ifLoaded();
    if (form)
        form->setShownGroups(groups);
    return form != nullptr;
}

bool showChangesOnSociogram(const TieChanges& ties, const QString& comparedWith)
{
    // The sociogram draws the study in the data window: without one there is none.
    if (!SingleInstance<DataForm>::loaded())
        return false;
    DrawForm* form = SingleInstance<DrawForm>::ifLoaded();
    if (!form && ties.empty())
        return true; // the study's own choices are what a sociogram opens with
    if (!form) {
        // In the layout the data window's Plot Sociogram showed last (Circle at first).
        Forms::show(Forms::Window::Draw);
        form = SingleInstance<DrawForm>::ifLoaded();
    }
    if (form)
        form->showChanges(ties, comparedWith);
    return form != nullptr;
}

} // namespace

void connectWindows()
{
    Forms::Show = showWindow;
    Forms::UnloadInfoForm = unloadInfoForm;
    Forms::SettleDataForm = &DataForm::settle;
    Forms::OpenExample = openExampleClass;
    Forms::PrintClassReport = ClassReportPrint::run;
    Forms::CloseDeletedStudy = closeDeletedStudy;
    Forms::ImportChoices = [](QWidget* parent) { return ImportChoices(DataGrid(), parent); };
    Forms::PrintBallots = PrintBallots;
    Forms::ImportFormResponses = [](QWidget* parent) {
        DataForm* form = SingleInstance<DataForm>::ifLoaded();
        return form && ImportFormResponses(form->dataState(), parent);
    };
    // The data window asks first, as the sociogram draws from its grid.
    Forms::MayEnd = {&DataForm::mayEnd, &DrawForm::mayEnd};
    Forms::ShowGroupsOnSociogram = showGroupsOnSociogram;
    Forms::ShowChangesOnSociogram = showChangesOnSociogram;
    Forms::UnloadDrawForm = [] {
        // The study's window is going: the question is Quit's, as it cannot be
        // cancelled from here.
        if (DrawForm* form = SingleInstance<DrawForm>::ifLoaded())
            form->Quit_Click();
    };
}
