#pragma once
// The data window's Class Report: gathers what this run shows of the study (the
// sociogram as it stands, the analysis under the chosen method, the groups and the
// comparison when their windows are open) and prints it as one page.

#include "classreport.h"
#include "drawform.h"

#include <functional>
#include <optional>

class QWidget;

namespace ClassReportPrint {

// Asks whether the report carries the pupils' names; nothing when the user cancels.
using NamesAsker = std::function<std::optional<bool>(QWidget* parent)>;
// Tests answer the questions without a dialog; an empty function restores the dialog.
void setNamesAsker(NamesAsker asker);
void setPrinterChooser(DrawForm::PrinterChooser chooser);

// The report of the study in the data window; opens its sociogram (in the layout
// last shown, the Target when none was) when none is open.
ClassReport gather(bool withNames);

// Asks, chooses the printer (a PDF file without one) and prints.
void run(QWidget* parent);

} // namespace ClassReportPrint
