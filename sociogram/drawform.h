#pragma once
// The sociogram window: the canvas showing one study under one layout, and the menus
// that save the arrangement, print, export, switch, tidy and undo it and show the key. The
// state holds everything the window shows; the window connects its signals to the
// canvas, the key and the menus.

#include "classreport.h"
#include "picturechoices.h"
#include "sociocanvas.h"
#include "sociogramstate.h"

#include <QMainWindow>
#include <functional>

class KeyForm;
class QAction;
class QPagedPaintDevice;
class QPrinter;

class DrawForm : public QMainWindow {
    Q_OBJECT
public:
    DrawForm();
    ~DrawForm() override;

    SociogramState& state() { return sociogram; }

    void Form_Activate();
    void Save_Click();
    void Print_Click();
    // Writes the picture the window shows to a PNG, SVG or PDF file (exportdialog.h
    // holds the questions it asks and the hooks that answer them in tests). It and
    // the print live in drawformpicture.cpp.
    void exportPicture();
    // The picture as the window shows it, for the class report; names only when asked.
    ReportPicture reportPicture(bool withNames) const;
    // Whether a sociogram was shown in this run, and so its layout is the one last shown.
    static bool shownThisRun();
    void Quit_Click();
    // Closes the window asking nothing: its study is being deleted.
    void closeWithoutAsking();
    void View_Click(int index);
    void Key_Click();
    // Colours the labels by group (the group from 0 of each subject, by subject number) and lists
    // the groups in the key; an empty list puts the designed colour back.
    void setShownGroups(const QList<int>& groups);
    // Draws the ties of two surveys, kept, new and gone, in place of the study's choices,
    // the labels where they stand; empty ties put the study's own choices back.
    void showChanges(const TieChanges& ties, const QString& comparedWith);

    // Asks the save question when the arrangement changed; used before the program
    // ends. False only when the user answered Yes and the arrangement could not be
    // saved: the program then keeps running with it.
    static bool mayEnd();

    // Where "&Print Sociogram" prints. The default offers the print dialog, or a PDF
    // file when no printer is installed; tests put a PDF file here. Returns false when
    // the user cancelled, with the reason in `why`.
    using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent, QString& why)>;
    static void setPrinterChooser(PrinterChooser chooser);

    // The whole picture with what a print or an export was asked to carry, title and key
    // included: both paint it. Fills in the title's text and the key's entries of `chosen`.
    PrimitiveList pictureFor(PictureOptions& chosen) const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void nameMenus();
    // Every caption in the language in use.
    void retranslate();
    void buildEditMenu();
    void makeUndoItems();
    void keepViewChoices();
    void askToSavePositions();
    // The close box's question, with Cancel: true when the window may close.
    bool mayCloseByBox();
    void Form_Unload();
    void connectState();
    void updateViewItems();
    void updateNamesItem();
    void updateChangesItem();
    void updateKey();
    void fillKey(KeyForm& key) const;
    // The survey the ties drawn are compared with; empty while the choices are drawn.
    QString changesShown() const;
    std::vector<Status> statusKey() const;
    // Whether any negative choice or tie is drawn: the key lists it only then.
    bool negativeDrawn() const;
    ShownOnWindow shownOnWindow() const;
    // Fills in the title and the key's contents for the choices made.
    void completeOptions(PictureOptions& options) const;

    // Each menu and command is named as it is here (View_0 and View_1 for the array).
    QAction* Save = nullptr;
    QAction* Print = nullptr;
    QAction* ExportPicture = nullptr;
    QAction* Quit = nullptr;
    QAction* View[2] = {};
    QAction* Tidy = nullptr;
    QAction* ColourChoices = nullptr;
    QAction* OtherCriterion = nullptr;
    QAction* ShowStatus = nullptr;
    QAction* LinesRound = nullptr;
    QAction* ShowNames = nullptr;
    QAction* ShowChanges = nullptr;
    QAction* Key = nullptr;
    QAction* Undo = nullptr;
    QAction* Redo = nullptr;
    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* ViewMenu = nullptr;

    // Window variables
    bool Activated = false;
    bool KeyShown = false;

    SociogramState sociogram;
    SocioCanvas* area = nullptr;
    bool closingAsked = false;   // the question before closing was asked, or is not needed
    bool askedAndAgreed = false; // the last save question was answered Yes
};

// Shows the sociogram window; `newStudyGroupSize` is the study window's group-size
// box, which the layouts read for a study being set up.
void showDrawForm(const QString& newStudyGroupSize);
