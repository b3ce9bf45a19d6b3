#include "printerchoice.h"

#include "filedialogs.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

bool chooseDefaultPrinter(QPrinter& printer, QWidget* parent, const PrintWords& words, QString& why)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // Without an installed printer the page still goes somewhere useful: a PDF file.
        const QString file =
            askSaveFile(parent, words.pdfTitle, words.fileStem, QStringLiteral("pdf"),
                        QCoreApplication::translate("Print", "PDF files (*.pdf)"));
        if (file.isEmpty()) {
            why = words.noFile;
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(words.dialogTitle);
    if (dialog.exec() != QDialog::Accepted) {
        why = words.cancelled;
        return false;
    }
    return true;
}
