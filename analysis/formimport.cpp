#include "formimport.h"

#include "classlist.h"
#include "codes.h"
#include "datastate.h"
#include "globals.h"
#include "importchoices.h"
#include "messages.h"
#include "programicon.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The context of this file's texts in the catalogues.
struct FormImportText {
    Q_DECLARE_TR_FUNCTIONS(FormImportText)
};

bool runModally(FormColumnsDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

FormColumnsRunner& columnsRunner()
{
    static FormColumnsRunner runner = runModally;
    return runner;
}

// The roles a column may take in a study of this criterion type, with their captions.
std::vector<std::pair<FormRole, QString>> rolesFor(int criterionType)
{
    std::vector<std::pair<FormRole, QString>> roles{
        {FormRole::Ignored, FormImportText::tr("Not read")},
        {FormRole::Respondent, FormImportText::tr("Who answers")}};
    if (criterionType == Codes::CriterionType::Both) {
        roles.emplace_back(FormRole::Positive, FormImportText::tr("Positive choices"));
        roles.emplace_back(FormRole::Negative, FormImportText::tr("Negative choices"));
    } else {
        roles.emplace_back(criterionType == Codes::CriterionType::Negative ? FormRole::Negative
                                                                           : FormRole::Positive,
                           FormImportText::tr("Choices"));
    }
    return roles;
}

QTableWidget* preview(const FormSheet& sheet, QWidget* parent)
{
    const int rows =
        std::min<int>(static_cast<int>(sheet.rows.size()), FormColumnsDialog::RowsShown);
    auto* table = new QTableWidget(rows, sheet.columns, parent);
    table->setObjectName(QStringLiteral("FormPreview"));
    QStringList header = sheet.header;
    while (header.size() < sheet.columns)
        header.append(QString());
    table->setHorizontalHeaderLabels(header);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < rows; ++r) {
        const QStringList& fields = sheet.rows[static_cast<std::size_t>(r)].fields;
        for (int c = 0; c < fields.size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(fields[c]));
    }
    table->resizeColumnsToContents();
    return table;
}

// Lists the problems and asks whether to take the rows without one; true to go on.
bool mayTakeCleanRows(const FormResponses& read, bool withNames)
{
    if (read.problems.empty())
        return true;
    // Without a class list every name is a problem: how to give the names comes first.
    QString text =
        withNames ? QString()
                  : FormImportText::tr("Names are matched only with the class list: give it first "
                                       "with File > Class List..., Load..., then import again.") +
                        u"\n\n"_qs;
    text +=
        problemListing(FormImportText::tr("Some rows of the file have problems:"), read.problems);
    if (read.rowsTaken == 0) {
        MsgBox(text + u"\n\n"_qs + FormImportText::tr("No row can be taken; nothing was imported."),
               Buttons::Ok, Icon::Exclamation);
        return false;
    }
    const QString take =
        read.rowsTaken == 1
            ? FormImportText::tr("Take the one row without a problem")
            : FormImportText::tr("Take the %1 rows without a problem").arg(read.rowsTaken);
    const QString leave =
        read.rowsLeftOut == 1
            ? FormImportText::tr("and leave the other out?")
            : FormImportText::tr("and leave the %1 others out?").arg(read.rowsLeftOut);
    text += u"\n\n"_qs + take + u' ' + leave + u' ' + FormImportText::tr("No imports nothing.");
    return MsgBox(text, Buttons::YesNo, Icon::Question) == Answer::Yes;
}

} // namespace

FormColumnsDialog::FormColumnsDialog(const FormSheet& sheet, const std::vector<FormRole>& guessed,
                                     int criterionType, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormColumnsDialog"));
    setWindowTitle(FormImportText::tr("Import Form Responses"));
    setWindowIcon(programIcon());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        FormImportText::tr("Say what each column holds. The first rows of the file:"), this));
    layout->addWidget(preview(sheet, this));
    auto* form = new QFormLayout;
    const auto roles = rolesFor(criterionType);
    for (int c = 0; c < sheet.columns; ++c) {
        auto* box = new QComboBox(this);
        for (const auto& [role, caption] : roles)
            box->addItem(caption, static_cast<int>(role));
        const FormRole guess = c < static_cast<int>(guessed.size())
                                   ? guessed[static_cast<std::size_t>(c)]
                                   : FormRole::Ignored;
        box->setCurrentIndex(std::max(0, box->findData(static_cast<int>(guess))));
        const QString heading = c < sheet.header.size() ? sheet.header[c] : QString();
        auto* label = new QLabel(
            fontMetrics().elidedText(FormImportText::tr("Column %1: %2").arg(c + 1).arg(heading),
                                     Qt::ElideRight, 360),
            this);
        label->setToolTip(heading);
        label->setTextFormat(Qt::PlainText);
        form->addRow(label, box);
        boxes.push_back(box);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(640);
}

std::vector<FormRole> FormColumnsDialog::roles() const
{
    std::vector<FormRole> out;
    for (const QComboBox* box : boxes)
        out.push_back(static_cast<FormRole>(box->currentData().toInt()));
    return out;
}

QComboBox* FormColumnsDialog::roleBox(int column) const
{
    return column >= 0 && column < static_cast<int>(boxes.size())
               ? boxes[static_cast<std::size_t>(column)]
               : nullptr;
}

FileNameAsker& formFileName()
{
    static FileNameAsker ask;
    return ask;
}

void setFormColumnsRunner(FormColumnsRunner runner)
{
    columnsRunner() = runner ? std::move(runner) : FormColumnsRunner(runModally);
}

bool ImportFormResponses(DataState& state, QWidget* parent)
{
    const QString path = askOpenFile(
        parent, FormImportText::tr("Import Form Responses"),
        FormImportText::tr("Form responses (*.csv *.tsv *.txt);;All files (*)"), formFileName());
    return !path.isEmpty() && ImportFormResponsesFrom(path, state, parent);
}

bool ImportFormResponsesFrom(const QString& path, DataState& state, QWidget* parent)
{
    const std::optional<QString> text = readPickedFile(path);
    if (!text)
        return false;
    const FormSheet sheet = readFormSheet(*text);
    if (!sheet.problems.empty()) {
        MsgBox(
            problemListing(FormImportText::tr("The responses were not imported:"), sheet.problems),
            Buttons::Ok, Icon::Exclamation);
        return false;
    }
    const int type = static_cast<int>(Global::CriterionType);
    FormColumnsDialog dialog(sheet, guessFormRoles(sheet.header, type), type, parent);
    if (!columnsRunner()(dialog))
        return false;
    ChoiceGrid& grid = state.grid();
    const FormStudy study{grid.Rows() - ChoiceGrid::FixedRows, grid.Cols() - ChoiceGrid::FixedCols,
                          type, ClassList::instance().currentNames()};
    const FormResponses read = readFormResponses(sheet, dialog.roles(), study);
    if (!mayTakeCleanRows(read, !study.names.empty()))
        return false;
    const bool positiveInView = state.answerTypeInView() == Codes::AnswerType::Positive;
    const auto& inView = positiveInView ? read.positive : read.negative;
    const auto& other = positiveInView ? read.negative : read.positive;
    std::vector<ImportTarget> targets;
    if (inView)
        targets.push_back({&grid, &*inView});
    if (other && type == Codes::CriterionType::Both)
        targets.push_back({&state.otherCriterion(), &*other});
    const std::optional<bool> keep = askKeepOtherRows(targets);
    if (!keep)
        return false;
    for (const ImportTarget& t : targets)
        applyImportedChoices(*t.choices, *t.grid, *keep);
    return !targets.empty();
}
