#include "classreportprint.h"

#include "classlist.h"
#include "comparewindow.h"
#include "forms.h"
#include "globals.h"
#include "groupswindow.h"
#include "messages.h"
#include "printerchoice.h"
#include "reportlines.h"
#include "statusmethod.h"
#include "studychoices.h"
#include "windows.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPrinter>
#include <QVBoxLayout>

namespace {

// The context of this file's texts in the catalogues.
struct ClassReportText {
    Q_DECLARE_TR_FUNCTIONS(ClassReportText)
};

std::optional<bool> askWithNames(QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(ClassReportText::tr("Class Report"));
    auto* text = new QLabel(
        ClassReportText::tr("One page with the sociogram as it stands, the table of pupils, "
                            "the group's figures, and the groups and the changes when their "
                            "windows are open."),
        &dialog);
    text->setWordWrap(true);
    auto* names = new QCheckBox(ClassReportText::tr("With &names"), &dialog);
    names->setEnabled(ClassList::instance().loaded());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(names);
    layout->addWidget(buttons);
    dialog.resize(dialog.sizeHint().expandedTo(QSize(380, 0)));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return names->isChecked();
}

bool chooseReportPrinter(QPrinter& printer, QWidget* parent, QString& why)
{
    return chooseDefaultPrinter(
        printer, parent,
        {ClassReportText::tr("Print Class Report"),
         ClassReportText::tr("Print Class Report to PDF File"), ClassReportText::tr("class report"),
         ClassReportText::tr(
             "No printer is installed and no PDF file was chosen, so the report was not printed."),
         ClassReportText::tr("Printing was cancelled; the report was not printed.")},
        why);
}

ClassReportPrint::NamesAsker& namesAsker()
{
    static ClassReportPrint::NamesAsker asker = askWithNames;
    return asker;
}

DrawForm::PrinterChooser& printerChooser()
{
    static DrawForm::PrinterChooser chooser = chooseReportPrinter;
    return chooser;
}

QStringList headerLines()
{
    const QString kinds = Global::CriterionType == Codes::CriterionType::Both
                              ? ClassReportText::tr("Positive and negative choices")
                          : Global::CriterionType == Codes::CriterionType::Negative
                              ? ClassReportText::tr("Negative choices")
                              : ClassReportText::tr("Positive choices");
    return {Global::RefName, kinds + QStringLiteral(": ") + Global::Question,
            ClassReportText::tr("%n pupils", nullptr, Global::GroupSize) + QStringLiteral(", ") +
                ClassReportText::tr("%n choices each", nullptr, Global::MaxChoices),
            QLocale().toString(QDate::currentDate(), QLocale::LongFormat)};
}

DrawForm* shownSociogram()
{
    if (!SingleInstance<DrawForm>::loaded()) {
        if (!DrawForm::shownThisRun())
            Global::SociogramType = Codes::SociogramType::Target;
        Forms::show(Forms::Window::Draw);
    }
    return SingleInstance<DrawForm>::ifLoaded();
}

} // namespace

namespace ClassReportPrint {

void setNamesAsker(NamesAsker asker)
{
    namesAsker() = asker ? std::move(asker) : NamesAsker(askWithNames);
}

void setPrinterChooser(DrawForm::PrinterChooser chooser)
{
    printerChooser() = chooser ? std::move(chooser) : DrawForm::PrinterChooser(chooseReportPrinter);
}

ClassReport gather(bool withNames)
{
    const SubjectNames names = withNames ? ClassList::instance().currentNames() : SubjectNames();
    const StatusMethod method = ChosenStatusMethod::instance().method();
    const ChoiceSet choices = currentStudyChoices().choices;
    const SociometricAnalysis analysis = analyseChoices(choices);
    ClassReport report;
    report.header = headerLines();
    if (DrawForm* sociogram = shownSociogram())
        report.picture = sociogram->reportPicture(withNames);
    report.table = ReportLines::table(analysis, method);
    if (withNames) {
        report.table = ::withNames(report.table, names);
        report.shortenedColumn = 1; // after the number
    }
    report.figures = ReportLines::figures(analysis, method, choices, names);
    if (const GroupsWindow* groups = openGroupsWindow(); groups && groups->partition())
        report.groups = ReportLines::groups(*groups->partition(), names);
    if (const CompareWindow* compare = openCompareWindow()) {
        report.changes
            << ClassReportText::tr("Compared with \"%1\".").arg(compare->earlierStudy().name);
        report.changes << ReportLines::changes(compare->comparison(), method, names);
    }
    if (analysis.group.classified)
        report.notes = ReportLines::methodNotes(method);
    if (!analysis.skipped.empty())
        report.notes << leftOutText(analysis.skipped, ClassList::instance().currentNames(),
                                    int(analysis.skipped.size()));
    return report;
}

void run(QWidget* parent)
{
    const std::optional<bool> withNames = namesAsker()(parent);
    if (!withNames)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    QString why;
    if (!printerChooser()(printer, parent, why)) {
        if (!why.isEmpty())
            MsgBox(why, Buttons::Ok, Icon::Information, ProgramTitle);
        return;
    }
    const ClassReport report = gather(*withNames);
    if (paintClassReport(printer, report) == 0)
        MsgBox(ClassReportText::tr(
                   "The report could not be printed to \"%1\". Check that it is available and "
                   "that you may write to it.")
                   .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                           : printer.outputFileName()),
               Buttons::Ok, Icon::Exclamation, ProgramTitle);
}

} // namespace ClassReportPrint
