#include "analysiswindow.h"

#include "analysistable.h"
#include "classlist.h"
#include "comparison.h"
#include "exports.h"
#include "filedialogs.h"
#include "messages.h"
#include "programicon.h"
#include "statusmethod.h"
#include "texttablemodel.h"
#include "windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const GraphFilter =
    QT_TRANSLATE_NOOP("AnalysisWindow", "GraphML files (*.graphml);;All files (*)");

} // namespace

AnalysisWindow::AnalysisWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Sociometric Analysis"));
    setWindowIcon(programIcon());
    setSizeGripEnabled(true);
    makeMethodChoice();
    makeTables();
    makeLabels();
    exportTable = new QPushButton(tr("Export &Table..."), this);
    exportTable->setObjectName(QStringLiteral("exportTableButton"));
    exportChoices = new QPushButton(tr("Export &Choices..."), this);
    exportChoices->setObjectName(QStringLiteral("exportChoicesButton"));
    exportGraph = new QPushButton(tr("Export &GraphML..."), this);
    exportGraph->setObjectName(QStringLiteral("exportGraphButton"));
    withNames = makeNamesBox(this, classNames());
    withNames->setObjectName(QStringLiteral("withNamesBox"));
    closeButton = new QPushButton(tr("C&lose"), this);
    layOut();
    connectControls();
    showNames();
}

void AnalysisWindow::makeMethodChoice()
{
    methodLabel = new QLabel(tr("&Method:"), this);
    methods = new QComboBox(this);
    methods->setObjectName(QStringLiteral("methodBox"));
    methods->addItem(statusMethodName(StatusMethod::CoieDodgeCoppotelli));
    methods->addItem(statusMethodName(StatusMethod::NewcombBukowski));
    // A window opened again shows the method chosen last, which the sociogram marks.
    methods->setCurrentIndex(
        ChosenStatusMethod::instance().method() == StatusMethod::NewcombBukowski ? 1 : 0);
    methodLabel->setBuddy(methods);
}

void AnalysisWindow::makeTables()
{
    model = new TextTableModel(this);
    subjects = new QTableView(this);
    subjects->setObjectName(QStringLiteral("subjectView"));
    subjects->setModel(model);
    subjects->verticalHeader()->hide();
    subjects->setSelectionBehavior(QAbstractItemView::SelectRows);
    subjects->setEditTriggers(QAbstractItemView::NoEditTriggers);

    figures = new QTableWidget(0, 2, this);
    figures->setObjectName(QStringLiteral("figureView"));
    figures->setHorizontalHeaderLabels({tr("Figure"), tr("Value")});
    figures->verticalHeader()->hide();
    // The names take what room is left; the values are never cut off.
    figures->horizontalHeader()->setStretchLastSection(false);
    figures->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    figures->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    const int rowHeight = fontMetrics().height() + 6;
    figures->verticalHeader()->setDefaultSectionSize(rowHeight);
    subjects->verticalHeader()->setDefaultSectionSize(rowHeight);
    figures->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void AnalysisWindow::makeLabels()
{
    methodNote = new QLabel(this);
    methodNote->setObjectName(QStringLiteral("methodNote"));
    methodNote->setWordWrap(true);
    methodNote->setText(statusMethodNote(method()));
    cliques = new QLabel(this);
    cliques->setObjectName(QStringLiteral("cliquesLine"));
    cliques->setWordWrap(true);
    cliques->setTextInteractionFlags(Qt::TextSelectableByMouse);
    leftOut = new QLabel(this);
    leftOut->setObjectName(QStringLiteral("leftOut"));
    leftOut->setWordWrap(true);
    leftOut->setTextFormat(Qt::PlainText);
    leftOut->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void AnalysisWindow::layOut()
{
    auto* top = new QHBoxLayout;
    top->addWidget(methodLabel);
    top->addWidget(methods);
    top->addStretch();

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(subjects);
    splitter->addWidget(figures);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportTable);
    buttons->addWidget(exportChoices);
    buttons->addWidget(exportGraph);
    buttons->addWidget(withNames);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(methodNote);
    layout->addWidget(splitter, 1);
    layout->addWidget(cliques);
    layout->addWidget(leftOut);
    layout->addLayout(buttons);
    resize(1240, 600);
    splitter->setSizes({840, 380});
}

void AnalysisWindow::connectControls()
{
    connect(methods, &QComboBox::currentIndexChanged, this, [this](int i) {
        setMethod(i == 1 ? StatusMethod::NewcombBukowski : StatusMethod::CoieDodgeCoppotelli);
    });
    connect(exportTable, &QPushButton::clicked, this, &AnalysisWindow::exportTableCsv);
    connect(exportChoices, &QPushButton::clicked, this, &AnalysisWindow::exportChoicesCsv);
    connect(exportGraph, &QPushButton::clicked, this, &AnalysisWindow::exportGraphMl);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(&ClassList::instance(), &ClassList::changed, this, [this] {
        offerNames(withNames, classNames());
        showNames();
    });
}

void AnalysisWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("Sociometric Analysis"));
        methodLabel->setText(tr("&Method:"));
        figures->setHorizontalHeaderLabels({tr("Figure"), tr("Value")});
        exportTable->setText(tr("Export &Table..."));
        exportChoices->setText(tr("Export &Choices..."));
        exportGraph->setText(tr("Export &GraphML..."));
        withNames->setText(namesBoxText());
        closeButton->setText(tr("C&lose"));
        methodNote->setText(statusMethodNote(method()));
        showNames(); // the table's words, the figures and the cliques
    }
    QDialog::changeEvent(event);
}

void AnalysisWindow::showTable()
{
    model->setTable(subjectTable(current, method()), classNames());
}

void AnalysisWindow::showNames()
{
    showTable();
    subjects->resizeColumnsToContents();
    if (model->hasNames())
        subjects->setColumnWidth(
            1, std::min(subjects->columnWidth(1), TextTableModel::NameColumnWidth));
    cliques->setText(cliquesText(shownChoices, classNames()));
    refreshFigures(); // the entries left out name their choosers
}

void AnalysisWindow::setChoices(const ChoiceSet& choices)
{
    shownChoices = choices;
    current = analyseChoices(choices);
    // The status groups need both criteria; for a one-criterion study there is
    // nothing to choose between.
    methods->setEnabled(current.group.classified);
    methodLabel->setEnabled(current.group.classified);
    methodNote->setVisible(current.group.classified);
    showNames();
}

StatusMethod AnalysisWindow::method() const
{
    return methods->currentIndex() == 1 ? StatusMethod::NewcombBukowski
                                        : StatusMethod::CoieDodgeCoppotelli;
}

void AnalysisWindow::setMethod(StatusMethod m)
{
    const int index = m == StatusMethod::NewcombBukowski ? 1 : 0;
    if (methods->currentIndex() != index) {
        methods->setCurrentIndex(index); // comes back here through the signal
        return;
    }
    showTable(); // the status column alone changes: the columns keep their widths
    refreshFigures();
    methodNote->setText(statusMethodNote(m));
    ChosenStatusMethod::instance().setMethod(m);
}

void AnalysisWindow::refreshFigures()
{
    const FigureList list = groupFigures(current, method());
    figures->setRowCount(static_cast<int>(list.size()));
    for (int row = 0; row < static_cast<int>(list.size()); ++row) {
        const auto& [name, value] = list[static_cast<std::size_t>(row)];
        figures->setItem(row, 0, new QTableWidgetItem(name));
        auto* valueItem = new QTableWidgetItem(shownNumber(value));
        valueItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        figures->setItem(row, 1, valueItem);
    }
    // Said under the figures, not only counted: a teacher must see which answers
    // the figures do not include.
    const SubjectNames names = classNames();
    leftOut->setText(leftOutText(current.skipped, names));
    leftOut->setToolTip(skippedEntriesText(current.skipped, names));
    leftOut->setVisible(!current.skipped.empty());
}

void AnalysisWindow::exportTableCsv()
{
    saveText(this, tr("Export Table"), tr("analysis"), CsvSuffix, csvFilter(),
             analysisTableCsv(current, method(), namesToExport()));
}

void AnalysisWindow::exportChoicesCsv()
{
    saveText(this, tr("Export Choices"), tr("choices"), CsvSuffix, csvFilter(),
             choicesEdgeListCsv(shownChoices, namesToExport()));
}

void AnalysisWindow::exportGraphMl()
{
    // The graph holds the whole study, so it carries the study's name alone.
    saveText(this, tr("Export GraphML"), {}, QStringLiteral("graphml"), tr(GraphFilter),
             choicesGraphMl(shownChoices, namesToExport()));
}

SubjectNames AnalysisWindow::classNames() const
{
    return ClassList::instance().currentNames();
}

SubjectNames AnalysisWindow::namesToExport()
{
    return takeNames(withNames, classNames());
}

void showAnalysis(const ChoiceSet& choices, QWidget* parent)
{
    AnalysisWindow* window = SingleInstance<AnalysisWindow>::instance(parent);
    window->setChoices(choices);
    window->show();
    window->raise();
    window->activateWindow();
}
