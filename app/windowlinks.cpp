#include "windowlinks.h"

#include "analysiswindow.h"
#include "choicegrid.h"
#include "dataform.h"
#include "drawform.h"
#include "forms.h"
#include "groupswindow.h"
#include "importchoices.h"
#include "infoform.h"
#include "loadform.h"
#include "studychoices.h"
#include "windows.h"

void connectWindows()
{
    Forms::ShowInfoForm = showInfoForm;
    Forms::UnloadInfoForm = unloadInfoForm;
    Forms::ShowLoadForm = showLoadForm;
    Forms::ShowDataForm = showDataForm;
    Forms::DataFormMayEnd = &DataForm::mayEnd;
    Forms::SettleDataForm = &DataForm::settle;
    Forms::ShowAnalysis = [](QWidget* parent) {
        showAnalysis(currentStudyChoices().choices, parent);
    };
    Forms::ShowGroups = [](QWidget* parent) { showGroups(currentStudyChoices().choices, parent); };
    Forms::ImportChoices = [](QWidget* parent) { return ImportChoices(DataGrid(), parent); };
    // The layouts of a study being set up take its group size from the study window.
    Forms::ShowDrawForm = [] { showDrawForm(infoGroupSizeText()); };
    Forms::DrawFormMayEnd = &DrawForm::mayEnd;
    Forms::ShowGroupsOnSociogram = [](const QList<int>& groups) {
        DrawForm* form = SingleInstance<DrawForm>::ifLoaded();
        if (form)
            form->setShownGroups(groups);
        return form != nullptr;
    };
    Forms::UnloadDrawForm = [] {
        if (DrawForm* form = SingleInstance<DrawForm>::ifLoaded())
            form->close();
    };
}
