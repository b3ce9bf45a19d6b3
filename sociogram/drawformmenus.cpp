// The sociogram window's menus: building them, Undo and Redo, and their captions in the
// language in use.
#include "drawform.h"

#include "classlist.h"

#include <QEvent>
#include <QMenuBar>
#include <QUndoStack>

void DrawForm::buildMenus()
{
    FileMenu = menuBar()->addMenu(QString());
    Save = FileMenu->addAction(QString(), this, &DrawForm::Save_Click);
    Print = FileMenu->addAction(QString(), this, &DrawForm::Print_Click);
    ExportPicture = FileMenu->addAction(QString(), this, &DrawForm::exportPicture);
    Quit = FileMenu->addAction(QString(), this, &DrawForm::Quit_Click);

    ViewMenu = menuBar()->addMenu(QString());
    View[0] = ViewMenu->addAction(QString(), this, [this] { View_Click(0); });
    View[1] = ViewMenu->addAction(QString(), this, [this] { View_Click(1); });
    ViewMenu->addSeparator();
    Tidy = ViewMenu->addAction(QString(), this,
                               [this] { sociogram.TidyLabels(ClassList::instance().loaded()); });
    ColourChoices = ViewMenu->addAction(QString());
    ColourChoices->setCheckable(true);
    connect(ColourChoices, &QAction::toggled, &sociogram.view(), &ViewOptions::setColourChoices);
    OtherCriterion = ViewMenu->addAction(QString());
    OtherCriterion->setCheckable(true);
    OtherCriterion->setChecked(true);
    connect(OtherCriterion, &QAction::toggled, &sociogram.view(), &ViewOptions::setOtherCriterion);
    ShowStatus = ViewMenu->addAction(QString());
    ShowStatus->setCheckable(true);
    connect(ShowStatus, &QAction::toggled, &sociogram.view(), &ViewOptions::setShowStatus);
    LinesRound = ViewMenu->addAction(QString());
    LinesRound->setCheckable(true);
    connect(LinesRound, &QAction::toggled, &sociogram.view(), &ViewOptions::setLinesRound);
    ShowNames = ViewMenu->addAction(QString());
    ShowNames->setCheckable(true);
    connect(ShowNames, &QAction::toggled, &sociogram.view(), &ViewOptions::setShowNames);
    updateNamesItem();
    // Offered only while the comparison of two surveys has handed its ties over.
    ShowChanges = ViewMenu->addAction(QString());
    ShowChanges->setCheckable(true);
    connect(ShowChanges, &QAction::toggled, &sociogram.changes(), &SurveyChanges::setShown);
    updateChangesItem();

    Key = menuBar()->addAction(QString(), this, &DrawForm::Key_Click);
    nameMenus();
}

// Tests find the menus and commands by these names, as they are called here.
void DrawForm::nameMenus()
{
    const std::pair<QObject*, const char*> named[] = {{FileMenu, "FileMenu"},
                                                      {Save, "Save"},
                                                      {Print, "Print"},
                                                      {ExportPicture, "ExportPicture"},
                                                      {Quit, "Quit"},
                                                      {ViewMenu, "ViewMenu"},
                                                      {View[0], "View_0"},
                                                      {View[1], "View_1"},
                                                      {Tidy, "Tidy"},
                                                      {ColourChoices, "ColourChoices"},
                                                      {OtherCriterion, "OtherCriterion"},
                                                      {ShowStatus, "ShowStatus"},
                                                      {LinesRound, "LinesRound"},
                                                      {ShowNames, "ShowNames"},
                                                      {ShowChanges, "ShowChanges"},
                                                      {Key, "Key"}};
    for (const auto& [object, name] : named)
        object->setObjectName(QLatin1String(name));
}

void DrawForm::buildEditMenu()
{
    EditMenu = new QMenu(this);
    menuBar()->insertMenu(ViewMenu->menuAction(), EditMenu);
    makeUndoItems();
}

void DrawForm::makeUndoItems()
{
    // The commands name what they take back or do again ("&Undo Move of Label 7"). The
    // stack keeps the word it was given, so a new language needs new items.
    delete Undo;
    delete Redo;
    QUndoStack& stack = sociogram.undoStack();
    Undo = stack.createUndoAction(this, tr("&Undo"));
    Undo->setShortcuts(QKeySequence::Undo);
    Redo = stack.createRedoAction(this, tr("&Redo"));
    Redo->setShortcuts(QKeySequence::Redo);
    Undo->setObjectName(QStringLiteral("Undo"));
    Redo->setObjectName(QStringLiteral("Redo"));
    EditMenu->addActions({Undo, Redo});
}

void DrawForm::retranslate()
{
    setWindowTitle(tr("Sociogram"));
    FileMenu->setTitle(tr("&File"));
    Save->setText(tr("&Save Current Sociogram"));
    Print->setText(tr("&Print Sociogram"));
    ExportPicture->setText(tr("&Export Picture..."));
    Quit->setText(tr("&Quit"));
    EditMenu->setTitle(tr("&Edit"));
    ViewMenu->setTitle(tr("&View"));
    View[0]->setText(tr("&Default Distribution"));
    View[1]->setText(tr("&Saved Distribution"));
    Tidy->setText(tr("&Tidy Labels"));
    ColourChoices->setText(tr("&Colour Choices"));
    OtherCriterion->setText(tr("Show &Other Criterion"));
    ShowStatus->setText(tr("Show Stat&us"));
    LinesRound->setText(tr("Lines &Round Labels"));
    ShowNames->setText(tr("Show &Names"));
    ShowChanges->setText(tr("Show C&hanges"));
    Key->setText(tr("&Key"));
}

void DrawForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        makeUndoItems();
        updateKey();            // the key's words
        area->pictureChanged(); // the title and the marks' words on the picture
    }
    QMainWindow::changeEvent(event);
}
