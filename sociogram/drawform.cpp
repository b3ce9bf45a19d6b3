#include "drawform.h"

#include "choicegrid.h"
#include "classlist.h"
#include "forms.h"
#include "keyform.h"
#include "messages.h"
#include "programicon.h"
#include "runreset.h"
#include "statusmethod.h"
#include "statussteps.h"
#include "windows.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QSignalBlocker>

namespace {

const QString SaveQuestion =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Save Current Sociogram Settings?"));

} // namespace

DrawForm::DrawForm()
{
    setWindowIcon(programIcon());
    setCursor(Qt::SizeAllCursor);

    area = new SocioCanvas(this, sociogram);
    area->setObjectName(QStringLiteral("DrawingArea"));
    area->setMouseTracking(false);
    setCentralWidget(area);
    buildMenus();
    buildEditMenu();
    retranslate();
    connectState();

    // Opens at the designed size; it may grow and shrink back to it, never below.
    area->setMinimumSize(Twips::toPixels(int(Codes::Geometry::DesignWidth)),
                         Twips::toPixels(int(Codes::Geometry::DesignHeight)));
    adjustSize();
    CenterForm(this);
}

DrawForm::~DrawForm() = default;

void DrawForm::connectState()
{
    const Arrangement& placed = sociogram.arrangement();
    const ViewOptions& view = sociogram.view();
    // The marks are by the method the analysis window shows.
    sociogram.setStatusMethod(ChosenStatusMethod::instance().method());
    connect(&ChosenStatusMethod::instance(), &ChosenStatusMethod::changed, &sociogram,
            [this] { sociogram.setStatusMethod(ChosenStatusMethod::instance().method()); });
    connect(&sociogram, &SociogramState::drawingChanged, area, &SocioCanvas::pictureChanged);
    connect(&placed, &Arrangement::changed, area, &SocioCanvas::pictureChanged);
    connect(&placed, &Arrangement::distributionsChanged, this, &DrawForm::updateViewItems);
    connect(&view, &ViewOptions::styleChanged, &sociogram, &SociogramState::LineDraw);
    connect(&view, &ViewOptions::styleChanged, this, &DrawForm::updateKey);
    connect(&sociogram.changes(), &SurveyChanges::changed, this, &DrawForm::updateChangesItem);
    connect(&sociogram.changes(), &SurveyChanges::changed, this, &DrawForm::updateKey);
    connect(&view, &ViewOptions::groupsChanged, area, &SocioCanvas::pictureChanged);
    connect(&view, &ViewOptions::linesRoundChanged, this, [this] {
        const QSignalBlocker quiet(LinesRound);
        LinesRound->setChecked(sociogram.view().linesRound());
    });
    connect(&view, &ViewOptions::groupsChanged, this, &DrawForm::updateKey);
    connect(&sociogram, &SociogramState::statusMarksChanged, area, &SocioCanvas::pictureChanged);
    connect(&view, &ViewOptions::namesChanged, area, &SocioCanvas::pictureChanged);
    // A list loaded, typed or taken away while the window is open shows at once.
    connect(&ClassList::instance(), &ClassList::changed, area, &SocioCanvas::pictureChanged);
    connect(&ClassList::instance(), &ClassList::changed, this, &DrawForm::updateNamesItem);
    connect(&sociogram, &SociogramState::statusMarksChanged, this, &DrawForm::updateKey);
    connect(&sociogram, &SociogramState::drawingChanged, this, &DrawForm::updateKey);
    connect(&sociogram, &SociogramState::busyChanged, this,
            [this](bool busy) { setCursor(busy ? Qt::WaitCursor : Qt::SizeAllCursor); });
    connect(area, &SocioCanvas::labelGrabbed, &sociogram.layout(), &LayoutSteps::beginDrag);
    connect(area, &SocioCanvas::labelDropped, &sociogram, &SociogramState::dropLabel);
}

void DrawForm::updateViewItems()
{
    View[0]->setEnabled(sociogram.arrangement().defaultDistributionEnabled());
    View[1]->setEnabled(sociogram.arrangement().savedDistributionEnabled());
}

void DrawForm::updateNamesItem()
{
    // Without a list there is nothing to show: the item is off and greyed, and the
    // choice kept for the study is left as it was for when a list comes.
    const bool loaded = ClassList::instance().loaded();
    const QSignalBlocker quiet(ShowNames);
    ShowNames->setEnabled(loaded);
    ShowNames->setChecked(loaded && sociogram.view().showNames());
}

void DrawForm::updateChangesItem()
{
    const SurveyChanges& changes = sociogram.changes();
    const QSignalBlocker quiet(ShowChanges);
    ShowChanges->setEnabled(changes.available());
    ShowChanges->setChecked(changes.shown());
}

QString DrawForm::changesShown() const
{
    return sociogram.changes().shown() ? sociogram.changes().comparedWith() : QString();
}

void DrawForm::updateKey()
{
    if (KeyForm* key = SingleInstance<KeyForm>::ifLoaded())
        fillKey(*key);
}

void DrawForm::fillKey(KeyForm& key) const
{
    // The ties' own looks replace "Colour Choices" while two surveys are drawn.
    key.setColour(sociogram.view().colourChoices() && changesShown().isEmpty());
    key.setGroups(sociogram.view().groupCount());
    key.setStatus(statusKey());
    key.setChanges(changesShown());
    key.setNegative(negativeDrawn());
}

bool DrawForm::negativeDrawn() const
{
    const PictureValues shown = sociogram.shownPicture();
    if (shown.changes)
        return std::any_of(shown.ties.begin(), shown.ties.end(),
                           [](const ChangedTie& tie) { return !tie.choice.positive(); });
    return std::any_of(shown.choices.begin(), shown.choices.end(),
                       [](const Choice& c) { return !c.positive(); });
}

std::vector<Status> DrawForm::statusKey() const
{
    return sociogram.view().showStatus()
               ? drawnLegend(int(Global::CriterionType), sociogram.statusMarks())
               : std::vector<Status>{};
}

void DrawForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    Form_Activate();
}

namespace {
bool& shownFlag()
{
    static bool shown = false;
    static const bool resettable = (RunReset::onReset([] { shown = false; }), true);
    Q_UNUSED(resettable);
    return shown;
}
} // namespace

bool DrawForm::shownThisRun()
{
    return shownFlag();
}

void DrawForm::Form_Activate()
{
    if (Activated)
        return;
    Activated = true;
    shownFlag() = true;
    // Only a study of both criteria has another criterion to show.
    OtherCriterion->setVisible(Global::CriterionType == Codes::CriterionType::Both);
    keepViewChoices();
    sociogram.DoWork();
}

void DrawForm::keepViewChoices()
{
    // The study's sociogram opens as the user last showed it in this run.
    ViewOptions& view = sociogram.view();
    view.keepFor(Global::CurrentRecord);
    ColourChoices->setChecked(view.colourChoices());
    OtherCriterion->setChecked(view.otherCriterion());
    ShowStatus->setChecked(view.showStatus());
    updateNamesItem();
}

void DrawForm::View_Click(int index)
{
    if (index == 0)
        sociogram.DefaultDistribution();
    else
        sociogram.SavedDistribution();
}

void DrawForm::Save_Click()
{
    sociogram.arrangement().SavePositions();
}

void DrawForm::askToSavePositions()
{
    askedAndAgreed = false;
    if (sociogram.arrangement().positionsSaved() == Global::True)
        return;
    if (MsgBox(SaveQuestion, Buttons::YesNo, Icon::None, ProgramTitle) == Answer::Yes) {
        askedAndAgreed = true;
        sociogram.arrangement().SavePositions();
    }
}

void DrawForm::Quit_Click()
{
    askToSavePositions();
    closingAsked = true;
    close();
}

void DrawForm::closeWithoutAsking()
{
    closingAsked = true;
    close();
}

bool DrawForm::mayCloseByBox()
{
    if (sociogram.arrangement().positionsSaved() == Global::True)
        return true;
    // Escape on a box of Yes and No would mean No, and throw the arrangement away:
    // here it means Cancel, and the window stays.
    switch (MsgBox(SaveQuestion, Buttons::YesNoCancel, Icon::None, ProgramTitle)) {
    case Answer::Yes:
        sociogram.arrangement().SavePositions();
        // A save that failed (the user has been told) keeps the window and its labels.
        return sociogram.arrangement().positionsSaved() == Global::True;
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void DrawForm::closeEvent(QCloseEvent* event)
{
    // The close box asks as Quit does, so an arrangement is never dropped without a
    // word, and may be cancelled.
    if (!closingAsked && !mayCloseByBox()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
    SingleInstance<DrawForm>::unload();
}

void DrawForm::Form_Unload()
{
    SingleInstance<KeyForm>::unload();
    Activated = false;
    KeyShown = false;
}

void DrawForm::setShownGroups(const QList<int>& groups)
{
    sociogram.view().setGroups(groups);
}

void DrawForm::showChanges(const TieChanges& ties, const QString& comparedWith)
{
    sociogram.changes().setChanges(ties, comparedWith);
}

void DrawForm::Key_Click()
{
    if (KeyShown) {
        if (KeyForm* key = SingleInstance<KeyForm>::ifLoaded())
            key->hide();
    } else {
        KeyForm* key = SingleInstance<KeyForm>::instance();
        fillKey(*key);
        key->showFirstBeside(*this);
    }
    KeyShown = !KeyShown;
}

bool DrawForm::mayEnd()
{
    DrawForm* form = SingleInstance<DrawForm>::ifLoaded();
    if (!form)
        return true;
    form->askToSavePositions();
    // Yes with a save that failed (the user has been told): the program keeps running
    // rather than drop the arrangement. No lets it end.
    return form->sociogram.arrangement().positionsSaved() == Global::True || !form->askedAndAgreed;
}

void showDrawForm(const QString& newStudyGroupSize)
{
    DrawForm* form = SingleInstance<DrawForm>::instance();
    form->state().layout().setNewStudyGroupSize(newStudyGroupSize);
    form->show();
    form->raise();
    form->activateWindow();
}
