#include "drawform.h"

#include "choicegrid.h"
#include "exportdialog.h"
#include "forms.h"
#include "keyform.h"
#include "linedraw.h"
#include "messages.h"
#include "paint.h"
#include "programicon.h"
#include "socioprint.h"
#include "windows.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
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

QRect pixelRect(const SubjectLabel& l)
{
    const double per = Twips::perPixel();
    return QRect(qRound(l.Left / per), qRound(l.Top / per), qRound(l.Width / per),
                 qRound(l.Height / per));
}

} // namespace

SocioCanvas::SocioCanvas(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void SocioCanvas::setPrimitives(PrimitiveList primitives)
{
    list = std::move(primitives);
    update();
}

void SocioCanvas::setDragOutline(const QRectF& twips)
{
    outline = twips;
    update(); // coalesced by Qt: at most one repaint per frame however fast the pointer moves
}

void SocioCanvas::clearDragOutline()
{
    outline = QRectF();
    update();
}

void SocioCanvas::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const qreal scale = 1.0 / Twips::perPixel();
    paintPrimitives(p, list, scale);
    if (!outline.isNull()) {
        QPen pen(Qt::black, 0, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(outline.topLeft() * scale, outline.size() * scale));
    }
}

DrawForm::DrawForm()
{
    setWindowTitle(QStringLiteral("Sociogram"));
    setWindowIcon(programIcon());
    setCursor(Qt::SizeAllCursor);

    area = new SocioCanvas(this);
    area->setObjectName(QStringLiteral("DrawingArea"));
    setCentralWidget(area);
    buildMenus();
    labels.resize(LabelSet::MaxIndex + 1);

    state.W = 6915;
    state.H = 6630;
    state.clearDrawing = [this] { area->setPrimitives({}); };
    state.lineDraw = [this] { redrawLines(); };
    state.setBusyPointer = [this](bool busy) {
        setCursor(busy ? Qt::WaitCursor : Qt::SizeAllCursor);
    };
    state.labels.changed = [this] { syncLabels(); };

    makeFixedWindow(this, area, 6915, 6630);
    adjustSize();
    CenterForm(this);
}

DrawForm::~DrawForm()
{
    state.labels.changed = nullptr;
}

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

    Key = menuBar()->addAction(QStringLiteral("&Key"), this, &DrawForm::Key_Click);
}

QLabel* DrawForm::DLabel(int index) const
{
    if (index < 1 || index > LabelSet::MaxIndex)
        return nullptr;
    return labels[index].data();
}

QLabel* DrawForm::makeLabel(int index)
{
    auto* label = new QLabel(area);
    label->setObjectName(QStringLiteral("DLabel_%1").arg(index));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, QColor(255, 0, 0));
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->setFont(namedFont(QStringLiteral("MS Sans Serif"), 8.25));
    label->setCursor(Qt::SizeAllCursor);
    label->installEventFilter(this);
    return label;
}

void DrawForm::syncLabels()
{
    for (int i = 1; i <= LabelSet::MaxIndex; ++i) {
        const SubjectLabel* data = state.labels.get(i);
        if (!data || !data->Visible) {
            delete labels[i].data();
            labels[i] = nullptr;
            continue;
        }
        if (!labels[i])
            labels[i] = makeLabel(i);
        QLabel* label = labels[i];
        label->setText(data->Caption);
        label->setGeometry(pixelRect(*data));
        label->show();
    }
}

void DrawForm::redrawLines()
{
    const SubjectLabel& t = state.labels.Template();
    area->setPrimitives(LineDraw(DataGrid(), t.Width, t.Height, state.W, state.H));
}

void DrawForm::updateViewItems()
{
    View[0]->setEnabled(state.viewDefaultEnabled);
    View[1]->setEnabled(state.viewSavedEnabled);
}

void DrawForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    Form_Activate();
}

void DrawForm::Form_Activate()
{
    if (Activated != Global::False)
        return;
    Activated = Global::True;
    state.DoWork();
    updateViewItems();
}

bool DrawForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label || label->parent() != area)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return labelMouseDown(label, static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return labelMouseMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return labelMouseUp(static_cast<QMouseEvent*>(event));
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

bool DrawForm::labelMouseDown(QLabel* label, QMouseEvent* event)
{
    const double per = Twips::perPixel();
    state.beginDrag(label->text().toInt(), Global::Single(event->position().x() * per),
                    Global::Single(event->position().y() * per));
    dragging = true;
    return true;
}

bool DrawForm::labelMouseMove(QMouseEvent* event)
{
    if (!dragging)
        return false;
    const double per = Twips::perPixel();
    const QPointF at = area->mapFromGlobal(event->globalPosition()) * per;
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
    const QPoint at = area->mapFromGlobal(event->globalPosition()).toPoint();
    // Only a drop on the window's background moves the label; a drop on a label or
    // outside the window has nowhere to go.
    if (!area->rect().contains(at) || qobject_cast<QLabel*>(area->childAt(at)))
        return true;
    const double per = Twips::perPixel();
    state.dropOnBackground(Global::Single(at.x() * per), Global::Single(at.y() * per));
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
    if (!SocioPrint(printer, DataGrid(), state.labels, state.W, state.H)) {
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
    PictureExport::run(this, sociogramPicture(area->primitives(), state.labels),
                       QSizeF(state.W, state.H));
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
    state.RingsOnly = Global::False;
    closingByQuit = true;
    close();
}

void DrawForm::closeEvent(QCloseEvent* event)
{
    // The close box asks the same question as Quit, so an arrangement is never
    // dropped without a word.
    if (!closingByQuit) {
        askToSavePositions();
        state.RingsOnly = Global::False;
    }
    Form_Unload();
    event->accept();
    SingleInstance<DrawForm>::unload();
}

void DrawForm::Form_Unload()
{
    SingleInstance<KeyForm>::unload();
    Activated = Global::False;
    KeyShown = Global::False;
}

void DrawForm::Key_Click()
{
    if (KeyShown != Global::False) {
        if (KeyForm* key = SingleInstance<KeyForm>::ifLoaded())
            key->hide();
    } else {
        KeyForm* key = SingleInstance<KeyForm>::instance();
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
    KeyShown = KeyShown != Global::False ? Global::False : Global::True;
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

void showDrawForm()
{
    DrawForm* form = SingleInstance<DrawForm>::instance();
    form->show();
    form->raise();
    form->activateWindow();
}
