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
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

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

    area = new SocioCanvas(this, state);
    area->setObjectName(QStringLiteral("DrawingArea"));
    area->setMouseTracking(false);
    area->installEventFilter(this);
    setCentralWidget(area);
    buildMenus();

    connect(&state, &SociogramState::drawingChanged, area, &SocioCanvas::pictureChanged);
    connect(&state.labels, &LabelSet::changed, area, &SocioCanvas::pictureChanged);
    connect(&state, &SociogramState::busyChanged, this,
            [this](bool busy) { setCursor(busy ? Qt::WaitCursor : Qt::SizeAllCursor); });

    // Opens at the designed size; it may grow and shrink back to it, never below.
    area->setMinimumSize(Twips::toPixels(int(Codes::Geometry::DesignWidth)),
                         Twips::toPixels(int(Codes::Geometry::DesignHeight)));
    adjustSize();
    CenterForm(this);
}

DrawForm::~DrawForm() = default;

void DrawForm::buildMenus()
{
    FileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    Save =
        FileMenu->addAction(QStringLiteral("&Save Current Sociogram"), this, &DrawForm::Save_Click);
    Print = FileMenu->addAction(QStringLiteral("&Print Sociogram"), this, &DrawForm::Print_Click);
    ExportPicture = FileMenu->addAction(QStringLiteral("&Export Picture..."), this,
                                        &DrawForm::ExportPicture_Click);
    Quit = FileMenu->addAction(QStringLiteral("&Quit"), this, &DrawForm::Quit_Click);

    ViewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    View[0] = ViewMenu->addAction(QStringLiteral("&Default Distribution"), this,
                                  [this] { View_Click(0); });
    View[1] =
        ViewMenu->addAction(QStringLiteral("&Saved Distribution"), this, [this] { View_Click(1); });
    ViewMenu->addSeparator();
    Tidy = ViewMenu->addAction(QStringLiteral("&Tidy Labels"), this, &DrawForm::Tidy_Click);
    ColourChoices = ViewMenu->addAction(QStringLiteral("&Colour Choices"));
    ColourChoices->setCheckable(true);
    connect(ColourChoices, &QAction::toggled, this, &DrawForm::ColourChoices_Click);
    OtherCriterion = ViewMenu->addAction(QStringLiteral("Show &Other Criterion"));
    OtherCriterion->setCheckable(true);
    OtherCriterion->setChecked(true);
    connect(OtherCriterion, &QAction::toggled, this, &DrawForm::OtherCriterion_Click);

    Key = menuBar()->addAction(QStringLiteral("&Key"), this, &DrawForm::Key_Click);
}

void DrawForm::updateViewItems()
{
    View[0]->setEnabled(state.viewDefaultEnabled);
    View[1]->setEnabled(state.viewSavedEnabled);
    // Only a study of both criteria has another criterion to show.
    OtherCriterion->setVisible(Global::CriterionType == Codes::CriterionType::Both);
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
    state.DoWork();
    updateViewItems();
}

bool DrawForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != area)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return labelMouseDown(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return labelMouseMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return labelMouseUp(static_cast<QMouseEvent*>(event));
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

bool DrawForm::labelMouseDown(QMouseEvent* event)
{
    const double per = Twips::perPixel();
    const QPoint at = area->designPixel(event->position());
    const int subject = area->labelAt(QPointF(at) * per);
    if (subject == 0)
        return false;
    // The grab point is kept in the label's own coordinates, as the label shows it.
    const QPoint grab = at - area->labelDesignRect(subject).topLeft();
    state.beginDrag(subject, Global::Single(grab.x() * per), Global::Single(grab.y() * per));
    dragging = true;
    return true;
}

bool DrawForm::labelMouseMove(QMouseEvent* event)
{
    if (!dragging)
        return false;
    const QPointF at = QPointF(area->designPixel(event->position())) * Twips::perPixel();
    const SubjectLabel& t = state.labels.Template();
    area->setDragOutline(QRectF(at.x() - state.GrabX, at.y() - state.GrabY, t.Width, t.Height));
    return true;
}

bool DrawForm::labelMouseUp(QMouseEvent* event)
{
    if (!dragging)
        return false;
    dragging = false;
    area->clearDragOutline();
    const QPoint at = area->designPixel(event->position());
    const QPointF twips = QPointF(at) * Twips::perPixel();
    // Only a drop on the picture's background moves the label; a drop on a label or
    // outside the picture has nowhere to go.
    if (!area->insidePicture(at) || area->labelAt(twips) != 0)
        return true;
    state.dropOnBackground(Global::Single(twips.x()), Global::Single(twips.y()));
    return true;
}

void DrawForm::View_Click(int index)
{
    if (index == 0)
        state.DefaultDistribution();
    else
        state.SavedDistribution();
    updateViewItems();
}

void DrawForm::Tidy_Click()
{
    state.TidyLabels();
}

void DrawForm::ColourChoices_Click(bool on)
{
    state.style.colour = on;
    state.LineDraw();
    if (KeyForm* key = SingleInstance<KeyForm>::ifLoaded())
        key->setColour(on);
}

void DrawForm::OtherCriterion_Click(bool on)
{
    state.style.otherCriterion = on;
    state.LineDraw();
}

void DrawForm::Save_Click()
{
    state.SavePositions();
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
    if (!SocioPrint(printer, DataGrid(), state.labels, state.W, state.H, state.style)) {
        const QString where = printer.outputFileName().isEmpty()
                                  ? QStringLiteral("the printer \"%1\"").arg(printer.printerName())
                                  : QStringLiteral("the file \"%1\"").arg(printer.outputFileName());
        MsgBox(QStringLiteral("The sociogram could not be printed to %1. Check that it is "
                              "available and that you may write to it.")
                   .arg(where),
               Buttons::Ok, Icon::Exclamation, ProgramTitle);
    }
}

void DrawForm::ExportPicture_Click()
{
    // The same primitives the canvas paints, with the label controls drawn on top.
    PictureExport::run(this, sociogramPicture(state.drawing(), area->labelPrimitives()),
                       QSizeF(state.W, state.H),
                       {pictureTitle(), state.style.colour, shownGroupCount()});
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
    if (Global::CriterionType == Codes::CriterionType::Both && state.style.otherCriterion)
        criterion += QStringLiteral(", both criteria shown");
    return {
        Global::RefName, criterion,
        QStringLiteral("%1 layout, %2")
            .arg(layouts[layout], QLocale().toString(QDate::currentDate(), QLocale::LongFormat))};
}

void DrawForm::askToSavePositions()
{
    askedAndAgreed = false;
    if (state.PositionsSaved == Global::True)
        return;
    if (MsgBox(SaveQuestion, Buttons::YesNo, Icon::None, ProgramTitle) == Answer::Yes) {
        askedAndAgreed = true;
        state.SavePositions();
    }
}

void DrawForm::Quit_Click()
{
    askToSavePositions();
    state.RingsOnly = false;
    closingByQuit = true;
    close();
}

void DrawForm::closeEvent(QCloseEvent* event)
{
    // The close box asks the same question as Quit, so an arrangement is never
    // dropped without a word.
    if (!closingByQuit) {
        askToSavePositions();
        state.RingsOnly = false;
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

int DrawForm::shownGroupCount() const
{
    return state.groups.isEmpty() ? 0
                                  : *std::max_element(state.groups.begin(), state.groups.end()) + 1;
}

void DrawForm::showGroups(const QList<int>& groups)
{
    state.groups = groups;
    area->pictureChanged();
    if (KeyForm* key = SingleInstance<KeyForm>::ifLoaded())
        key->setGroups(shownGroupCount());
}

void DrawForm::Key_Click()
{
    if (KeyShown) {
        if (KeyForm* key = SingleInstance<KeyForm>::ifLoaded())
            key->hide();
    } else {
        KeyForm* key = SingleInstance<KeyForm>::instance();
        key->setColour(state.style.colour);
        key->setGroups(shownGroupCount());
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
    return form->state.PositionsSaved == Global::True || !form->askedAndAgreed;
}

void showDrawForm(const QString& newStudyGroupSize)
{
    DrawForm* form = SingleInstance<DrawForm>::instance();
    form->state.newStudyGroupSize = newStudyGroupSize;
    form->show();
    form->raise();
    form->activateWindow();
}
