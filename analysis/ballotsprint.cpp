#include "ballotsprint.h"

#include "ballots.h"
#include "classlist.h"
#include "filedialogs.h"
#include "globals.h"
#include "messages.h"
#include "programicon.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>

namespace {

// The context of this file's texts in the catalogues.
struct PrintBallotsText {
    Q_DECLARE_TR_FUNCTIONS(PrintBallotsText)
};

bool choosePrinter(QPrinter& printer, QWidget* parent, QString& why)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // Without an installed printer the slips still go somewhere useful: a PDF file.
        const QString file = askSaveFile(parent, PrintBallotsText::tr("Print Ballots to PDF File"),
                                         QStringLiteral("ballots"), QStringLiteral("pdf"),
                                         PrintBallotsText::tr("PDF files (*.pdf)"));
        if (file.isEmpty()) {
            why = PrintBallotsText::tr(
                "No printer is installed and no PDF file was chosen, so no ballot was "
                "printed.");
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(PrintBallotsText::tr("Print Ballots"));
    if (dialog.exec() != QDialog::Accepted) {
        why = PrintBallotsText::tr("Printing was cancelled; no ballot was printed.");
        return false;
    }
    return true;
}

bool askNames(bool namesAvailable, bool& withNames)
{
    QDialog dialog;
    dialog.setWindowTitle(PrintBallotsText::tr("Print Ballots"));
    dialog.setWindowIcon(programIcon());
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(PrintBallotsText::tr("One slip for each pupil, several to a page. Pupils write "
                                        "the numbers of the classmates they choose."),
                   &dialog));
    auto* names = new QCheckBox(PrintBallotsText::tr("With names"), &dialog);
    names->setEnabled(namesAvailable);
    names->setToolTip(
        namesAvailable ? PrintBallotsText::tr("The class list by number, with the pupils' names")
                       : PrintBallotsText::tr("Give the class list first: File > Class List..."));
    layout->addWidget(names);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    withNames = names->isChecked();
    return true;
}

BallotPrinterChooser& printerChooser()
{
    static BallotPrinterChooser chooser = choosePrinter;
    return chooser;
}

BallotNamesAsker& namesAsker()
{
    static BallotNamesAsker asker = askNames;
    return asker;
}

BallotStudy studyInGlobals(bool withNames)
{
    BallotStudy study{Global::RefName,
                      Global::Question,
                      static_cast<int>(Global::CriterionType),
                      static_cast<int>(Global::GroupSize),
                      static_cast<int>(Global::MaxChoices),
                      {}};
    if (withNames)
        study.names = ClassList::instance().currentNames();
    return study;
}

} // namespace

void setBallotPrinterChooser(BallotPrinterChooser chooser)
{
    printerChooser() = chooser ? std::move(chooser) : BallotPrinterChooser(choosePrinter);
}

void setBallotNamesAsker(BallotNamesAsker asker)
{
    namesAsker() = asker ? std::move(asker) : BallotNamesAsker(askNames);
}

bool PrintBallots(QWidget* parent)
{
    bool withNames = false;
    if (!namesAsker()(ClassList::instance().loaded(), withNames))
        return false;
    QPrinter printer(QPrinter::HighResolution);
    QString why;
    if (!printerChooser()(printer, parent, why)) {
        if (!why.isEmpty())
            MsgBox(why, Buttons::Ok, Icon::Information, ProgramTitle);
        return false;
    }
    if (printBallots(printer, studyInGlobals(withNames)))
        return true;
    const QString where =
        printer.outputFileName().isEmpty()
            ? PrintBallotsText::tr("the printer \"%1\"").arg(printer.printerName())
            : PrintBallotsText::tr("the file \"%1\"").arg(printer.outputFileName());
    MsgBox(PrintBallotsText::tr(
               "The ballots could not be printed to %1. Check that it is available and that "
               "you may write to it.")
               .arg(where),
           Buttons::Ok, Icon::Exclamation, ProgramTitle);
    return false;
}
