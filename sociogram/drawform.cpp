#include "drawform.h"

#include "choicegrid.h"
#include "exportdialog.h"
#include "forms.h"
#include "keydrawing.h"
#include "keyform.h"
#include "linesteps.h"
#include "messages.h"
#include "paint.h"
#include "programicon.h"
#include "windows.h"

#include <QCloseEvent>
#include <QDate>
#include <QFileDialog>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

const QString SaveQuestion = QStringLiteral("Save Current Sociogram Settings?");

bool chooseDefaultPrinter(QPrinter& printer, QWidget* parent, QString& why)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // Without an installed printer the page still goes somewhere useful: a PDF file.
        const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                              QStringLiteral("/Sociogram.pdf");
        const QString file =
            QFileDialog::getSaveFileName(parent, QStringLiteral("Print Sociogram to PDF File"),
                                         start, QStringLiteral("PDF files (*.pdf)"));
        if (file.isEmpty()) {
            why = QStringLiteral("No printer is installed and no PDF file was chosen, so the "
                                 "sociogram was not printed.");
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Sociogram"));
    if (dialog.exec() != QDialog::Accepted) {
        why = QStringLiteral("Printing was cancelled; the sociogram was not printed.");
        return false;
    }
    return true;
}

DrawForm::PrinterChooser& printerChooser()
{
    static DrawForm::PrinterChooser chooser = chooseDefaultPrinter;
    return chooser;
}

} // namespace

DrawForm::DrawForm()
{
    setWindowTitle(QStringLiteral("Sociogram"));
    setWindowIcon(programIcon());
    setCursor(Qt::SizeAllCursor);

    area = new SocioCanvas(this, sociogram);
    area->setObjectName(QStringLiteral("DrawingArea"));
    area->setMouseTracking(false);
    setCentralWidget(area);
    buildMenus();
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
    connect(&sociogram, &SociogramState::drawingChanged, area, &SocioCanvas::pictureChanged);
    connect(&placed, &Arrangement::changed, area, &SocioCanvas::pictureChanged);
    connect(&placed, &Arrangement::distributionsChanged, this, &DrawForm::updateViewItems);
    connect(&view, &ViewOptions::styleChanged, &sociogram, &SociogramState::LineDraw);
    connect(&view, &ViewOptions::styleChanged, this, &DrawForm::updateKey);
    connect(&view, &ViewOptions::groupsChanged, area, &SocioCanvas::pictureChanged);
    connect(&view, &ViewOptions::groupsChanged, this, &DrawForm::updateKey);
    connect(&sociogram, &SociogramState::busyChanged, this,
            [this](bool busy) { setCursor(busy ? Qt::WaitCursor : Qt::SizeAllCursor); });
    connect(area, &SocioCanvas::labelGrabbed, &sociogram.layout(), &LayoutSteps::beginDrag);
    connect(area, &SocioCanvas::labelDropped, &sociogram.layout(), &LayoutSteps::dropLabel);
}

void DrawForm::buildMenus()
{
    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    Save =
        FileMenu->addAction(QStringLiteral("&Save Current Sociogram"), this, &DrawForm::Save_Click);
    Print = FileMenu->addAction(QStringLiteral("&Print Sociogram"), this, &DrawForm::Print_Click);
    ExportPicture =
        FileMenu->addAction(QStringLiteral("&Export Picture..."), this, &DrawForm::exportPicture);
    Quit = FileMenu->addAction(QStringLiteral("&Quit"), this, &DrawForm::Quit_Click);

    ViewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    View[0] = ViewMenu->addAction(QStringLiteral("&Default Distribution"), this,
                                  [this] { View_Click(0); });
    View[1] =
        ViewMenu->addAction(QStringLiteral("&Saved Distribution"), this, [this] { View_Click(1); });
    ViewMenu->addSeparator();
    Tidy = ViewMenu->addAction(QStringLiteral("&Tidy Labels"), &sociogram.layout(),
                               &LayoutSteps::TidyLabels);
    ColourChoices = ViewMenu->addAction(QStringLiteral("&Colour Choices"));
    ColourChoices->setCheckable(true);
    connect(ColourChoices, &QAction::toggled, &sociogram.view(), &ViewOptions::setColourChoices);
    OtherCriterion = ViewMenu->addAction(QStringLiteral("Show &Other Criterion"));
    OtherCriterion->setCheckable(true);
    OtherCriterion->setChecked(true);
    connect(OtherCriterion, &QAction::toggled, &sociogram.view(), &ViewOptions::setOtherCriterion);

    Key = menuBar()->addAction(QStringLiteral("&Key"), this, &DrawForm::Key_Click);
}

void DrawForm::updateViewItems()
{
    View[0]->setEnabled(sociogram.arrangement().defaultDistributionEnabled());
    View[1]->setEnabled(sociogram.arrangement().savedDistributionEnabled());
}

void DrawForm::updateKey()
{
    if (KeyForm* key = SingleInstance<KeyForm>::ifLoaded()) {
        key->setColour(sociogram.view().colourChoices());
        key->setGroups(sociogram.view().groupCount());
    }
}

void DrawForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    Form_Activate();
}

void DrawForm::Form_Activate()
{
    if (Activated)
        return;
    Activated = true;
    // Only a study of both criteria has another criterion to show.
    OtherCriterion->setVisible(Global::CriterionType == Codes::CriterionType::Both);
    sociogram.DoWork();
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

void DrawForm::setPrinterChooser(PrinterChooser chooser)
{
    printerChooser() = chooser ? std::move(chooser) : PrinterChooser(chooseDefaultPrinter);
}

void DrawForm::Print_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    QString why;
    if (!printerChooser()(printer, this, why)) {
        if (!why.isEmpty())
            MsgBox(why, Buttons::Ok, Icon::Information, ProgramTitle);
        return;
    }
    const Layout::Area page = sociogram.layout().area();
    if (!SocioPrint(printer, DataGrid(), sociogram.labels(), page.W, page.H,
                    sociogram.view().style())) {
        const QString where = printer.outputFileName().isEmpty()
                                  ? QStringLiteral("the printer \"%1\"").arg(printer.printerName())
                                  : QStringLiteral("the file \"%1\"").arg(printer.outputFileName());
        MsgBox(QStringLiteral("The sociogram could not be printed to %1. Check that it is "
                              "available and that you may write to it.")
                   .arg(where),
               Buttons::Ok, Icon::Exclamation, ProgramTitle);
    }
}

void DrawForm::exportPicture()
{
    // The same primitives the canvas paints, with the label controls drawn on top.
    const Layout::Area size = sociogram.layout().area();
    const ViewOptions& view = sociogram.view();
    PictureExport::run(this, sociogramPicture(sociogram.drawing(), area->labelPrimitives()),
                       QSizeF(size.W, size.H),
                       {pictureTitle(), view.colourChoices(), view.groupCount()});
}

QStringList DrawForm::pictureTitle() const
{
    static const QString types[] = {QString(), QStringLiteral("positive"),
                                    QStringLiteral("negative"),
                                    QStringLiteral("positive and negative")};
    static const QString layouts[] = {QStringLiteral("Circle"), QStringLiteral("Random"),
                                      QStringLiteral("Square"), QStringLiteral("Target")};
    const int type =
        Global::CriterionType >= 1 && Global::CriterionType <= 3 ? int(Global::CriterionType) : 0;
    const int layout =
        Global::SociogramType >= 0 && Global::SociogramType <= 3 ? int(Global::SociogramType) : 0;
    QString criterion = Global::Question;
    if (type != 0)
        criterion += QStringLiteral(" (%1)").arg(types[type]);
    if (Global::CriterionType == Codes::CriterionType::Both && sociogram.view().otherCriterion())
        criterion += QStringLiteral(", both criteria shown");
    return {
        Global::RefName, criterion,
        QStringLiteral("%1 layout, %2")
            .arg(layouts[layout], QLocale().toString(QDate::currentDate(), QLocale::LongFormat))};
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
    closingByQuit = true;
    close();
}

void DrawForm::closeEvent(QCloseEvent* event)
{
    // The close box asks the same question as Quit, so an arrangement is never
    // dropped without a word.
    if (!closingByQuit)
        askToSavePositions();
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

void DrawForm::Key_Click()
{
    if (KeyShown) {
        if (KeyForm* key = SingleInstance<KeyForm>::ifLoaded())
            key->hide();
    } else {
        KeyForm* key = SingleInstance<KeyForm>::instance();
        key->setColour(sociogram.view().colourChoices());
        key->setGroups(sociogram.view().groupCount());
        const bool place = key->Tag.isEmpty();
        // Shown first: a window has its outer frame only once it is shown, and the
        // key goes exactly beside the sociogram, frame to frame.
        key->show();
        if (place) {
            const QRect outer = frameGeometry();
            key->move(outer.left() - key->frameGeometry().width(), outer.top());
            key->Tag = QStringLiteral("User");
        }
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
