#pragma once
// Where a print goes: the printer the user picks in the print dialog, or, on a machine
// without an installed printer, a PDF file the user names.

#include <QString>

class QPrinter;
class QWidget;

struct PrintWords {
    QString dialogTitle; // of the print dialog
    QString pdfTitle;    // of the file dialog for a PDF file
    QString fileStem;    // the PDF file's suggested name
    QString noFile;      // why nothing was printed when no PDF file was chosen
    QString cancelled;   // why nothing was printed after Cancel in the print dialog
};

// True when the printer is set up; otherwise `why` holds the sentence for the user.
bool chooseDefaultPrinter(QPrinter& printer, QWidget* parent, const PrintWords& words,
                          QString& why);
