// The sociogram window's picture on paper and in a file: "&Print Sociogram" and
// "&Export Picture...", which offer the same choices and draw the same primitives.

#include "classlist.h"
#include "drawform.h"
#include "exportdialog.h"
#include "filedialogs.h"
#include "globals.h"
#include "linesteps.h"
#include "messages.h"
#include "picturetitle.h"
#include "printdialog.h"
#include "printerchoice.h"
#include "statussteps.h"

#include <QPrinter>

namespace {

bool choosePrinterForSociogram(QPrinter& printer, QWidget* parent, QString& why)
{
    return chooseDefaultPrinter(
        printer, parent,
        {DrawForm::tr("Print Sociogram"), DrawForm::tr("Print Sociogram to PDF File"),
         DrawForm::tr("sociogram"),
         DrawForm::tr("No printer is installed and no PDF file was chosen, so the sociogram "
                      "was not printed."),
         DrawForm::tr("Printing was cancelled; the sociogram was not printed.")},
        why);
}

DrawForm::PrinterChooser& printerChooser()
{
    static DrawForm::PrinterChooser chooser = choosePrinterForSociogram;
    return chooser;
}

} // namespace

void DrawForm::setPrinterChooser(PrinterChooser chooser)
{
    printerChooser() = chooser ? std::move(chooser) : PrinterChooser(choosePrinterForSociogram);
}

ShownOnWindow DrawForm::shownOnWindow() const
{
    return {sociogram.view().groupCount() > 0, sociogram.view().showStatus(),
            ClassList::instance().loaded()};
}

void DrawForm::completeOptions(PictureOptions& options) const
{
    const ViewOptions& view = sociogram.view();
    const bool status = options.statusMarks && view.showStatus();
    options.titleLines = pictureTitle(view.style(), status, sociogram.statusMethod(),
                                      QDate::currentDate(), changesShown());
    options.key = {view.colourChoices() && changesShown().isEmpty(),
                   options.groupColours ? view.groupCount() : 0,
                   status ? statusKey() : std::vector<Status>{}, changesShown(), negativeDrawn()};
}

void DrawForm::Print_Click()
{
    const std::optional<PictureOptions> chosen = PrintChoices::ask(this, shownOnWindow());
    if (!chosen)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QString why;
    if (!printerChooser()(printer, this, why)) {
        if (!why.isEmpty())
            MsgBox(why, Buttons::Ok, Icon::Information, ProgramTitle);
        return;
    }
    PictureOptions page = *chosen;
    const PrimitiveList picture = pictureFor(page);
    const Layout::Area area = sociogram.layout().area();
    if (!SocioPrint(printer, picture, area.W, area.H, page)) {
        const QString where = printer.outputFileName().isEmpty()
                                  ? tr("the printer \"%1\"").arg(printer.printerName())
                                  : tr("the file \"%1\"").arg(printer.outputFileName());
        MsgBox(tr("The sociogram could not be printed to %1. Check that it is available and "
                  "that you may write to it.")
                   .arg(where),
               Buttons::Ok, Icon::Exclamation, ProgramTitle);
    }
}

PrimitiveList DrawForm::pictureFor(PictureOptions& chosen) const
{
    completeOptions(chosen);
    PictureValues values = sociogram.shownPicture();
    if (!chosen.groupColours)
        values.groups.clear();
    if (!chosen.statusMarks)
        values.marks.clear();
    // Only when ticked for this export or print, whatever the window shows: a shared
    // picture carries no name unless the user asked for one.
    if (chosen.withNames)
        values.names = ClassList::instance().currentNames();
    values.around = chosen.titleAndKey();
    return wholePicture(values);
}

void DrawForm::exportPicture()
{
    const Layout::Area size = sociogram.layout().area();
    PictureExport::run(
        this, layoutName(), [this](PictureOptions& options) { return pictureFor(options); },
        QSizeF(size.W, size.H), shownOnWindow());
}

ReportPicture DrawForm::reportPicture(bool withNames) const
{
    // What the window shows, with its key: the marks and the groups as they stand.
    ReportPicture picture;
    picture.options.includeKey = true;
    picture.options.groupColours = sociogram.view().groupCount() > 0;
    picture.options.statusMarks = sociogram.view().showStatus();
    picture.options.withNames = withNames && ClassList::instance().loaded();
    picture.primitives = pictureFor(picture.options);
    const Layout::Area size = sociogram.layout().area();
    picture.drawing = QSizeF(size.W, size.H);
    return picture;
}
