#include "comparewindow.h"

#include "classlist.h"
#include "filedialogs.h"
#include "forms.h"
#include "globals.h"
#include "messages.h"
#include "programicon.h"
#include "statusmethod.h"
#include "studychoices.h"
#include "studypicker.h"
#include "texttablemodel.h"
#include "windows.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int MinFiguresWidth = 260;

const QString TrapLabel = QStringLiteral("DataForm:Compare");

QString quoted(const QString& name)
{
    return QStringLiteral("\"%1\"").arg(name);
}

QString leftOut(std::size_t n)
{
    return n == 0 ? CompareWindow::tr("none") : QString::number(n);
}

QLabel* wrappedLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText); // a study's name is shown as typed
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

CompareWindow::CompareWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Compare Surveys"));
    setWindowIcon(programIcon());
    setSizeGripEnabled(true);

    studies = wrappedLabel(this);
    note = wrappedLabel(this);
    makeSubjectTable();
    makeFigureTable();
    stability = wrappedLabel(this);
    skipped = wrappedLabel(this);
    skipped->setObjectName(QStringLiteral("skippedLine"));
    makeButtons();
    layOut();
    retranslate();
    connectControls();
}

void CompareWindow::makeSubjectTable()
{
    model = new TextTableModel(this);
    subjects = new QTableView(this);
    subjects->setObjectName(QStringLiteral("subjectView"));
    subjects->setModel(TextTableModel::sorted(model));
    subjects->verticalHeader()->hide();
    subjects->setSelectionBehavior(QAbstractItemView::SelectRows);
    subjects->setEditTriggers(QAbstractItemView::NoEditTriggers);
    subjects->horizontalHeader()->setMinimumSectionSize(24);
    subjects->setSortingEnabled(true);
    subjects->sortByColumn(0, Qt::AscendingOrder);
    // The sorted column makes room for its arrow; the splitter stays where the user left it.
    connect(subjects->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this] { fitColumns(); });
}

void CompareWindow::makeFigureTable()
{
    figures = new QTableWidget(0, 3, this);
    figures->setObjectName(QStringLiteral("figureView"));
    figures->setHorizontalHeaderLabels({tr("Figure"), tr("Earlier"), tr("Later")});
    figures->verticalHeader()->hide();
    figures->horizontalHeader()->setStretchLastSection(false);
    // The names wrap rather than take the subjects' room.
    figures->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    figures->setWordWrap(true);
    figures->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    figures->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    figures->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    figures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const int rowHeight = fontMetrics().height() + 6;
    figures->verticalHeader()->setDefaultSectionSize(rowHeight);
    subjects->verticalHeader()->setDefaultSectionSize(rowHeight);
}

void CompareWindow::makeButtons()
{
    exportCsv = new QPushButton(tr("&Export CSV..."), this);
    auto* exports = new QMenu(exportCsv);
    subjectsItem = exports->addAction(QString(), this, &CompareWindow::exportSubjectsCsv);
    tiesItem = exports->addAction(QString(), this, &CompareWindow::exportTieChangesCsv);
    exportCsv->setMenu(exports);
    withNames = makeNamesBox(this, classNames());
    withNames->setObjectName(QStringLiteral("withNamesBox"));
    sociogram = new QPushButton(tr("Show on &Sociogram"), this);
    sociogram->setObjectName(QStringLiteral("sociogramButton"));
    closeButton = new QPushButton(this);
}

void CompareWindow::layOut()
{
    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(figures, 1);
    sideLayout->addWidget(stability);

    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(subjects);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportCsv);
    buttons->addWidget(withNames);
    buttons->addWidget(sociogram);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* rows = new QVBoxLayout(this);
    rows->addWidget(studies);
    rows->addWidget(note);
    rows->addWidget(splitter, 1);
    rows->addWidget(skipped);
    rows->addLayout(buttons);
    // Wide enough for every column of two surveys of both criteria, where the screen allows.
    const QSize wanted(1440, 700);
    const QRect screen = this->screen()->availableGeometry();
    resize(wanted.boundedTo(screen.size() - QSize(40, 60)));
}

void CompareWindow::connectControls()
{
    connect(sociogram, &QPushButton::clicked, this, &CompareWindow::showOnSociogram);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(&ClassList::instance(), &ClassList::changed, this, [this] {
        offerNames(withNames, classNames());
        showTable();
    });
    // The status groups are those of the method the analysis window shows.
    connect(&ChosenStatusMethod::instance(), &ChosenStatusMethod::changed, this, [this] {
        showTable();
        showFigures();
    });
}

void CompareWindow::retranslate()
{
    setWindowTitle(tr("Compare Surveys"));
    note->setText(tr("Subject numbers are taken to name the same pupils in both surveys."));
    figures->setHorizontalHeaderLabels({tr("Figure"), tr("Earlier"), tr("Later")});
    exportCsv->setText(tr("&Export CSV..."));
    subjectsItem->setText(tr("&Subjects..."));
    tiesItem->setText(tr("&Tie Changes..."));
    withNames->setText(namesBoxText());
    sociogram->setText(tr("Show on &Sociogram"));
    closeButton->setText(tr("C&lose"));
}

void CompareWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        showSurveys();
    }
    QDialog::changeEvent(event);
}

void CompareWindow::setSurveys(const StoredStudy& study, const ChoiceSet& earlierChoices,
                               const QString& name, const ChoiceSet& laterChoices)
{
    earlier = study;
    laterName = name;
    current = compareSurveys(earlierChoices, laterChoices);
    showSurveys();
}

void CompareWindow::showSurveys()
{
    const QString& name = laterName;
    const QString later = name.isEmpty() ? tr("the study in the data window")
                                         : tr("%1, the study in the data window").arg(quoted(name));
    studies->setText(tr("Earlier survey: %1 (record %2). Later survey: %3.")
                         .arg(quoted(earlier.name))
                         .arg(earlier.record)
                         .arg(later));
    const std::size_t before = current.earlier.skipped.size();
    const std::size_t after = current.later.skipped.size();
    skipped->setText(before + after == 0 ? tr("No entries were left out.")
                                         : tr("Entries left out, not choices: %1 in the earlier "
                                              "survey, %2 in the later.")
                                               .arg(leftOut(before), leftOut(after)));
    const SubjectNames names = classNames();
    QStringList details;
    if (before > 0)
        details << tr("Earlier survey:") << skippedEntriesText(current.earlier.skipped, names);
    if (after > 0)
        details << tr("Later survey:") << skippedEntriesText(current.later.skipped, names);
    skipped->setToolTip(details.join(u'\n'));
    showTable();
    showFigures();
}

void CompareWindow::showTable()
{
    model->setTable(comparisonTable(current, statusMethod()), classNames());
    const int needed = fitColumns();
    // The table takes what its columns need; the figures keep the rest, at least enough
    // for their numbers and wrapped names.
    layout()->activate(); // before the window is first shown, the splitter has no width yet
    const int figuresWidth = std::max(MinFiguresWidth, splitter->width() - needed);
    splitter->setSizes({splitter->width() - figuresWidth, figuresWidth});
}

int CompareWindow::fitColumns()
{
    // A column is as wide as its cells or its longest caption word, not its whole
    // caption: with both criteria the table has sixteen columns. Only the sorted column
    // makes room for the arrow, which the style sizes by the header's height.
    QHeaderView* header = subjects->horizontalHeader();
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin);
    const QFontMetrics captions = header->fontMetrics();
    const QFontMetrics cells = subjects->fontMetrics();
    const TextTable& table = model->table();
    int needed = subjects->frameWidth() * 2 + subjects->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < model->columnCount(); ++c) {
        const int room = 4 * margin + (c == header->sortIndicatorSection()
                                           ? header->sizeHint().height() / 2 + 2 * margin
                                           : 0);
        int width = 0;
        for (const QString& w : table.header[c].split(u' '))
            width = std::max(width, captions.horizontalAdvance(w) + room);
        for (const QStringList& row : table.rows)
            width = std::max(width, cells.horizontalAdvance(row.value(c)) + 4 * margin + 4);
        // The names take no more room than a long name needs; the rest is a tooltip.
        if (c == 1 && model->hasNames())
            width = std::min(width, TextTableModel::NameColumnWidth);
        subjects->setColumnWidth(c, width);
        needed += width;
    }
    return needed;
}

void CompareWindow::showFigures()
{
    const StatusMethod method = statusMethod();
    QString summary = stabilityText(current);
    if (current.earlier.group.classified || current.later.group.classified)
        summary += tr("\nStatus groups by %1, the method of the analysis window.")
                       .arg(statusMethodName(method));
    stability->setText(summary);
    const std::vector<FigurePair> list = comparisonFigures(current, method);
    figures->setRowCount(static_cast<int>(list.size()));
    for (int row = 0; row < figures->rowCount(); ++row) {
        const FigurePair& pair = list[static_cast<std::size_t>(row)];
        figures->setItem(row, 0, new QTableWidgetItem(pair.name));
        int column = 1;
        for (const QString& value : {pair.earlier, pair.later}) {
            auto* item = new QTableWidgetItem(shownNumber(value));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            figures->setItem(row, column++, item);
        }
    }
}

void CompareWindow::exportSubjectsCsv()
{
    saveText(this, tr("Export Subjects"), tr("comparison"), CsvSuffix, csvFilter(),
             comparisonTableCsv(current, statusMethod(), namesToExport()));
}

void CompareWindow::exportTieChangesCsv()
{
    saveText(this, tr("Export Tie Changes"), tr("tie changes"), CsvSuffix, csvFilter(),
             tieChangesCsv(current.ties, namesToExport()));
}

StatusMethod CompareWindow::statusMethod() const
{
    return ChosenStatusMethod::instance().method();
}

SubjectNames CompareWindow::classNames() const
{
    return ClassList::instance().currentNames();
}

SubjectNames CompareWindow::namesToExport()
{
    return takeNames(withNames, classNames());
}

bool CompareWindow::refresh()
{
    Trap trap(TrapLabel);
    const StoredSurvey other = readStoredSurvey(trap, earlier.record);
    if (other.state == SurveyRead::Gone) {
        MsgBox(studyGoneText(earlier.name), Buttons::Ok, Icon::Exclamation);
        return false;
    }
    if (other.state != SurveyRead::Read) {
        if (!trap.anyFailed()) // the error report has spoken otherwise
            MsgBox(tr("The study %1 can no longer be read as a study.").arg(quoted(earlier.name)),
                   Buttons::Ok, Icon::Exclamation);
        return false;
    }
    setSurveys(other.study, other.choices, Global::RefName, currentStudyChoices(TrapLabel).choices);
    return true;
}

void CompareWindow::showOnSociogram()
{
    if (refresh() && Forms::ShowChangesOnSociogram)
        Forms::ShowChangesOnSociogram(current.ties, earlier.name);
}

CompareWindow* openCompareWindow()
{
    return SingleInstance<CompareWindow>::ifLoaded();
}

CompareWindow* showComparison(const StoredSurvey& earlier, const QString& laterName,
                              const ChoiceSet& later, QWidget* parent)
{
    // A child of the data window: it closes with it, when the study changes or ends.
    CompareWindow* window = SingleInstance<CompareWindow>::instance(parent);
    window->setSurveys(earlier.study, earlier.choices, laterName, later);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void compareWithStoredStudy(QWidget* parent)
{
    Trap trap(TrapLabel);
    const std::vector<StoredStudy> studies =
        comparableStudies(trap, static_cast<int>(Global::GroupSize),
                          static_cast<int>(Global::CriterionType), Global::CurrentRecord);
    if (trap.anyFailed())
        return;
    if (studies.empty()) {
        MsgBox(CompareWindow::tr("No other study has %1 subjects, a criterion in common with this "
                                 "one and stored answers.")
                   .arg(Global::GroupSize),
               Buttons::Ok, Icon::Information);
        return;
    }
    StudyPicker picker(studies, parent);
    if (picker.exec() != QDialog::Accepted || !picker.chosen())
        return;
    const StoredSurvey other = readStoredSurvey(trap, picker.chosen()->record);
    if (other.state == SurveyRead::Gone)
        MsgBox(studyGoneText(picker.chosen()->name), Buttons::Ok, Icon::Exclamation);
    if (other.state != SurveyRead::Read)
        return;
    showComparison(other, Global::RefName, currentStudyChoices(TrapLabel).choices, parent);
}
