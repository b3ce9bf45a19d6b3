#include "windowlinks.h"

#include "dataform.h"
#include "drawform.h"
#include "forms.h"
#include "infoform.h"
#include "loadform.h"
#include "windows.h"

void connectWindows()
{
    Forms::ShowInfoForm = showInfoForm;
    Forms::UnloadInfoForm = unloadInfoForm;
    Forms::ShowLoadForm = showLoadForm;
    Forms::ShowDataForm = showDataForm;
    Forms::DataFormMayEnd = &DataForm::mayEnd;
    Forms::SettleDataForm = &DataForm::settle;
    // The layouts of a study being set up take its group size from the study window.
    Forms::ShowDrawForm = [] { showDrawForm(infoGroupSizeText()); };
    Forms::DrawFormMayEnd = &DrawForm::mayEnd;
    Forms::ShowGroupsOnSociogram = [](const QList<int>& groups) {
        DrawForm* form = SingleInstance<DrawForm>::ifLoaded();
        if (form)
            form->showGroups(groups);
        return form != nullptr;
    };
    Forms::UnloadDrawForm = [] {
        if (DrawForm* form = SingleInstance<DrawForm>::ifLoaded())
            form->close();
    };
}
