// The data window's menus: building them, their captions in the language in use, and the
// commands that hand the study to another window.
#include "dataform.h"

#include "forms.h"
#include "gridmodel.h"
#include "kioskwindow.h"

#include <QEvent>
#include <QMenuBar>

void DataForm::buildMenus()
{
    File = menuBar()->addMenu(QString());
    Save = File->addAction(QString(), this, &DataForm::Save_Click);
    Clear = File->addAction(QString(), this, &DataForm::Clear_Click);
    Import = File->addAction(QString(), this, &DataForm::importChoices);
    ImportForm = File->addAction(QString(), this, &DataForm::importFormResponses);
    PrintBallotsItem = File->addAction(QString(), this, [this] {
        if (Forms::PrintBallots)
            Forms::PrintBallots(this);
    });
    PupilsAnswer = File->addAction(QString(), this, [this] { pupilsAnswerHere(); });
    ClassListItem =
        File->addAction(QString(), this, [this] { Forms::show(Forms::Window::ClassList, this); });
    ReportItem = File->addAction(QString(), this, &DataForm::printClassReport);
    Quit = File->addAction(QString(), this, &DataForm::Quit_Click);

    Criterion = menuBar()->addMenu(QString());
    Crit[0] = Criterion->addAction(QString(), this,
                                   [this] { Crit_Click(DataState::CriterionItem::Positive); });
    Crit[1] = Criterion->addAction(QString(), this,
                                   [this] { Crit_Click(DataState::CriterionItem::Negative); });

    Plot = menuBar()->addMenu(QString());
    connect(Plot, &QMenu::aboutToShow, this, &DataForm::Plot_Click);
    Type0 = Plot->addMenu(QString());
    for (int i = 0; i < 4; ++i)
        Sociogram[i] = Type0->addAction(QString(), this, [this, i] { Sociogram_Click(i); });

    AnalysisMenu = menuBar()->addMenu(QString());
    Analysis = AnalysisMenu->addAction(QString(), this, &DataForm::openAnalysis);
    CompareItem = AnalysisMenu->addAction(QString(), this, &DataForm::compareWith);
    GroupsItem = menuBar()->addAction(QString(), this, &DataForm::openGroups);
    nameMenus();
}

// Tests find the menus and commands by these names, as they are called here.
void DataForm::nameMenus()
{
    const std::pair<QObject*, const char*> named[] = {{File, "File"},
                                                      {Save, "Save"},
                                                      {Clear, "Clear"},
                                                      {Import, "Import"},
                                                      {ImportForm, "ImportForm"},
                                                      {PrintBallotsItem, "PrintBallotsItem"},
                                                      {PupilsAnswer, "PupilsAnswer"},
                                                      {ClassListItem, "ClassListItem"},
                                                      {ReportItem, "ReportItem"},
                                                      {Quit, "Quit"},
                                                      {Criterion, "Criterion"},
                                                      {Crit[0], "Crit_0"},
                                                      {Crit[1], "Crit_1"},
                                                      {Plot, "Plot"},
                                                      {Type0, "Type0"},
                                                      {AnalysisMenu, "AnalysisMenu"},
                                                      {Analysis, "Analysis"},
                                                      {CompareItem, "CompareItem"},
                                                      {GroupsItem, "GroupsItem"}};
    for (const auto& [object, name] : named)
        object->setObjectName(QLatin1String(name));
    for (int i = 0; i < 4; ++i)
        Sociogram[i]->setObjectName(QStringLiteral("Sociogram_%1").arg(i));
}

void DataForm::retranslate()
{
    File->setTitle(tr("&File"));
    Save->setText(tr("&Save Data"));
    Clear->setText(tr("&Clear Data from Current Grid"));
    Import->setText(tr("&Import Choices..."));
    ImportForm->setText(tr("Import &Form Responses..."));
    PrintBallotsItem->setText(tr("Print &Ballots..."));
    PupilsAnswer->setText(tr("Pupils &Answer Here..."));
    ClassListItem->setText(tr("Class &List..."));
    ReportItem->setText(tr("Class &Report..."));
    Quit->setText(tr("&Quit"));
    Criterion->setTitle(tr("&Criterion Type"));
    Crit[0]->setText(tr("&Positive"));
    Crit[1]->setText(tr("&Negative"));
    Plot->setTitle(tr("&Plot Sociogram"));
    Type0->setTitle(tr("&Type"));
    const QString types[4] = {tr("&Circle"), tr("&Random"), tr("&Square"), tr("&Target")};
    for (int i = 0; i < 4; ++i)
        Sociogram[i]->setText(types[i]);
    AnalysisMenu->setTitle(tr("&Analysis"));
    Analysis->setText(tr("&Study Analysis..."));
    CompareItem->setText(tr("&Compare With..."));
    GroupsItem->setText(tr("&Groups"));
    model->retranslate();
    applyColumnWidths();
    state.retranslate();
}

void DataForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void DataForm::Sociogram_Click(int index)
{
    // The Type menu lists the layouts in the order of their codes.
    Global::SociogramType = static_cast<Global::Integer>(index);
    Forms::show(Forms::Window::Draw);
}

void DataForm::openAnalysis()
{
    state.offerSaveBeforeAnalysis();
    Forms::show(Forms::Window::Analysis, this);
}

void DataForm::compareWith()
{
    // No offer to save: comparing writes nothing, and the grid is compared as it stands.
    Forms::show(Forms::Window::Compare, this);
}

void DataForm::openGroups()
{
    state.offerSaveBeforeAnalysis();
    Forms::show(Forms::Window::Groups, this);
}

void DataForm::printClassReport()
{
    // The report reads the stored answers, as the analysis does.
    state.offerSaveBeforeAnalysis();
    if (Forms::PrintClassReport)
        Forms::PrintClassReport(this);
}

void DataForm::importChoices()
{
    if (Forms::ImportChoices && Forms::ImportChoices(this))
        state.setGridChanged(true);
}

void DataForm::importFormResponses()
{
    if (Forms::ImportFormResponses && Forms::ImportFormResponses(this))
        state.setGridChanged(true);
}

KioskWindow* DataForm::pupilsAnswerHere()
{
    return startPupilsRound(state);
}
