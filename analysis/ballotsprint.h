#pragma once
// "Print &Ballots...": paper slips for a class without a form, to the printer or a PDF file.

#include <functional>

class QPrinter;
class QString;
class QWidget;

// Asks whether names go on the slips, then for the printer, and prints one slip per
// subject of the study in the globals. False when nothing was printed.
bool PrintBallots(QWidget* parent);

// Sets up the printer (or a PDF file) and returns true, or false with `why` for the user.
// Tests print to a file here; an empty chooser puts the dialogs back.
using BallotPrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent, QString& why)>;
void setBallotPrinterChooser(BallotPrinterChooser chooser);
// Answers the "With names" question instead of the dialog; an empty one puts it back.
using BallotNamesAsker = std::function<bool(bool namesAvailable, bool& withNames)>;
void setBallotNamesAsker(BallotNamesAsker asker);
