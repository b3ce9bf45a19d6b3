#include "groupswindow.h"

#include "comparison.h"

#include "busypointer.h"
#include "classlist.h"
#include "filedialogs.h"
#include "forms.h"
#include "groupcolours.h"
#include "messages.h"
#include "programicon.h"
#include "windows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int NameWidth = 160; // pixels

QString numberList(const QList<int>& subjects, const SubjectNames& names)
{
    QStringList numbers;
    for (int s : subjects)
        numbers.append(numberAndName(names, s));
    return numbers.join(QStringLiteral(", "));
}

QString plural(int count, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

} // namespace

Groups::Class groupsClass(const ChoiceSet& choices)
{
    Groups::Class c;
    c.size = choices.groupSize;
    c.positive = QList<Choice>(choices.positive.begin(), choices.positive.end());
    c.negative = QList<Choice>(choices.negative.begin(), choices.negative.end());
    return c;
}

GroupsWindow::GroupsWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Groups"));
    setWindowIcon(programIcon());
    QGridLayout* counts = makeCountControls();
    summary = new QLabel;
    summary->setObjectName(QStringLiteral("summary"));
    summary->setWordWrap(true);
    summary->setTextFormat(Qt::PlainText);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    makeResultView();
    QHBoxLayout* buttons = makeButtons();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(counts);
    layout->addWidget(summary);
    layout->addWidget(result, 1);
    layout->addLayout(buttons);
    resize(640, 560);

    connect(byGroups, &QRadioButton::toggled, this, [this] { countChanged(); });
    connect(groupCount, &QSpinBox::valueChanged, this, [this] { countChanged(); });
    connect(seatCount, &QSpinBox::valueChanged, this, [this] { countChanged(); });
    connect(make, &QPushButton::clicked, this, &GroupsWindow::makeGroups);
    connect(onSociogram, &QPushButton::toggled, this, &GroupsWindow::showOnSociogram);
    connect(exportCsv, &QPushButton::clicked, this, &GroupsWindow::exportGroups);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(&ClassList::instance(), &ClassList::changed, this, [this] {
        offerNames(withNames, classNames());
        showResult();
    });
}

QGridLayout* GroupsWindow::makeCountControls()
{
    byGroups = new QRadioButton(tr("Number of &groups:"));
    byGroups->setObjectName(QStringLiteral("byGroupsButton"));
    bySeats = new QRadioButton(tr("&Seats per table:"));
    bySeats->setObjectName(QStringLiteral("bySeatsButton"));
    byGroups->setChecked(true);
    groupCount = new QSpinBox;
    groupCount->setObjectName(QStringLiteral("groupCountBox"));
    seatCount = new QSpinBox;
    seatCount->setObjectName(QStringLiteral("seatCountBox"));
    // Wide ranges on purpose: a count the class cannot be split into, 0 or 99 typed
    // in included, is refused with a sentence that says which counts can, rather than
    // silently clamped by the box.
    for (QSpinBox* box : {groupCount, seatCount})
        box->setRange(0, 999);
    make = new QPushButton(tr("&Make Groups"));
    make->setObjectName(QStringLiteral("makeButton"));
    make->setDefault(true);
    auto* counts = new QGridLayout;
    counts->addWidget(byGroups, 0, 0);
    counts->addWidget(groupCount, 0, 1);
    counts->addWidget(bySeats, 1, 0);
    counts->addWidget(seatCount, 1, 1);
    counts->addWidget(make, 0, 3, 2, 1, Qt::AlignVCenter);
    counts->setColumnStretch(2, 1);
    return counts;
}

void GroupsWindow::makeResultView()
{
    result = new QTreeWidget;
    result->setObjectName(QStringLiteral("resultView"));
    result->setColumnCount(3);
    result->setHeaderLabels({tr("Subject"), tr("Chosen mates in the group"), tr("Why marked")});
    result->setRootIsDecorated(true);
    result->setUniformRowHeights(false);
    result->setWordWrap(true);
    result->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    result->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    result->header()->setStretchLastSection(true);
}

QHBoxLayout* GroupsWindow::makeButtons()
{
    onSociogram = new QPushButton(tr("Show on S&ociogram"));
    onSociogram->setObjectName(QStringLiteral("showButton"));
    onSociogram->setCheckable(true);
    exportCsv = new QPushButton(tr("&Export CSV..."));
    withNames = makeNamesBox(this, classNames());
    withNames->setObjectName(QStringLiteral("withNamesBox"));
    closeButton = new QPushButton(tr("&Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(onSociogram);
    buttons->addWidget(exportCsv);
    buttons->addWidget(withNames);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    return buttons;
}

void GroupsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("Groups"));
        byGroups->setText(tr("Number of &groups:"));
        bySeats->setText(tr("&Seats per table:"));
        make->setText(tr("&Make Groups"));
        result->setHeaderLabels({tr("Subject"), tr("Chosen mates in the group"), tr("Why marked")});
        onSociogram->setText(tr("Show on S&ociogram"));
        exportCsv->setText(tr("&Export CSV..."));
        withNames->setText(namesBoxText());
        closeButton->setText(tr("&Close"));
        showResult();
    }
    QDialog::changeEvent(event);
}

GroupsWindow::~GroupsWindow()
{
    if (onSociogram->isChecked() && Forms::ShowGroupsOnSociogram)
        Forms::ShowGroupsOnSociogram({});
}

void GroupsWindow::setChoices(const ChoiceSet& choices)
{
    shownClass = groupsClass(choices);
    skippedEntries = choices.skipped;
    const int n = shownClass.size;
    const QSignalBlocker blockGroups(groupCount), blockSeats(seatCount);
    if (!made)
        groupCount->setValue(std::clamp((n + 2) / 4, Groups::MinGroups,
                                        std::max(Groups::MinGroups, Groups::maxGroups(n))));
    made.reset();
    countChanged();
    showResult();
}

int GroupsWindow::requestedGroups() const
{
    if (byGroups->isChecked())
        return groupCount->value();
    return Groups::groupsForSeats(shownClass.size, seatCount->value());
}

// The count the user did not pick follows the one they did.
void GroupsWindow::countChanged()
{
    const int n = shownClass.size;
    groupCount->setEnabled(byGroups->isChecked());
    seatCount->setEnabled(bySeats->isChecked());
    const QSignalBlocker blockGroups(groupCount), blockSeats(seatCount);
    if (byGroups->isChecked())
        seatCount->setValue(Groups::seatsForGroups(n, groupCount->value()));
    else
        groupCount->setValue(requestedGroups());
}

void GroupsWindow::makeGroups()
{
    const int g = requestedGroups();
    const QString problem = bySeats->isChecked()
                                ? Groups::seatCountProblem(shownClass.size, seatCount->value())
                                : Groups::groupCountProblem(shownClass.size, g);
    if (!problem.isEmpty()) {
        MsgBox(problem, Buttons::Ok, Icon::Exclamation);
        return;
    }
    {
        const BusyPointer busy;
        made = Groups::makeGroups(shownClass, g);
    }
    showResult();
    if (onSociogram->isChecked())
        showOnSociogram(true);
}

void GroupsWindow::showResult()
{
    result->clear();
    onSociogram->setEnabled(made.has_value());
    exportCsv->setEnabled(made.has_value());
    if (!made) {
        summary->setText(tr("Choose the number of groups, or the seats per table, "
                            "and press Make Groups."));
        return;
    }
    const SubjectNames names = classNames();
    fillResultTree(names);
    QStringList lines = summaryLines(names);
    if (!skippedEntries.empty())
        lines << leftOutText(skippedEntries, names);
    summary->setText(lines.join(u'\n'));
    summary->setToolTip(skippedEntriesText(skippedEntries, names));
}

// One row a group, its members under it.
void GroupsWindow::fillResultTree(const SubjectNames& names)
{
    const Groups::Partition& p = *made;
    const QList<Groups::SubjectReport> reports = Groups::describe(shownClass, p, names);
    QList<QTreeWidgetItem*> groups;
    for (int g = 1; g <= p.groupCount; ++g)
        groups.append(new QTreeWidgetItem(result));
    QList<int> sizes(p.groupCount, 0);
    for (const Groups::SubjectReport& r : reports) {
        addSubjectItem(groups[r.group - 1], r, names);
        ++sizes[r.group - 1];
    }
    for (int g = 1; g <= p.groupCount; ++g) {
        groups[g - 1]->setText(0, tr("Group %1").arg(g));
        groups[g - 1]->setText(1, plural(sizes[g - 1], tr("subject"), tr("subjects")));
        // The swatch matches the group's colour on the sociogram and in its key.
        QPixmap swatch(12, 12);
        swatch.fill(groupColour(g - 1));
        groups[g - 1]->setIcon(0, QIcon(swatch));
    }
    result->expandAll();
}

void GroupsWindow::addSubjectItem(QTreeWidgetItem* group, const Groups::SubjectReport& r,
                                  const SubjectNames& names)
{
    auto* item = new QTreeWidgetItem(group);
    item->setText(0, tr("Subject %1").arg(r.subject));
    const QString name = nameOf(names, r.subject);
    if (!name.isEmpty()) {
        // A long name would push the mates out of view; the whole name is a tooltip.
        item->setText(0, item->text(0) + QStringLiteral("  ") +
                             fontMetrics().elidedText(name, Qt::ElideRight, NameWidth));
        item->setToolTip(0, name);
    }
    item->setText(1, numberList(r.chosenMates, names));
    item->setText(2, r.why);
    if (r.flagged) {
        item->setIcon(0, style()->standardIcon(QStyle::SP_MessageBoxWarning));
        item->setToolTip(2, r.why);
    }
}

// What the grouping achieved, a sentence a line.
QStringList GroupsWindow::summaryLines(const SubjectNames& names) const
{
    const Groups::Partition& p = *made;
    QStringList lines;
    if (p.nothingToGoBy) {
        lines << tr("There were no choices to go by: the groups are only even in size.");
    } else {
        if (p.scores.rejectionPairs > 0) {
            lines << tr("%1 could not be kept apart: %2.")
                         .arg(plural(p.scores.rejectionPairs, tr("rejection pair"),
                                     tr("rejection pairs")),
                              Groups::remainingRejections(shownClass, p, names)
                                  .join(QStringLiteral("; ")));
        } else if (!shownClass.negative.isEmpty()) {
            lines << tr("Nobody sits with someone they rejected or who rejected them.");
        }
        if (!shownClass.positive.isEmpty())
            lines << tr("%1 of %2 subjects sit with someone they chose; %3 of %4 "
                        "positive choices are kept within a group.")
                         .arg(p.scores.subjectsWithMate)
                         .arg(shownClass.size)
                         .arg(p.scores.satisfiedChoices)
                         .arg(shownClass.positive.size());
        if (p.proven)
            lines << tr("Every grouping was tried: none is better.");
    }
    return lines;
}

void GroupsWindow::makeSuggestedGroups()
{
    if (Groups::groupCountProblem(shownClass.size, groupCount->value()).isEmpty())
        makeGroups();
}

void GroupsWindow::showOnSociogram(bool on)
{
    if (!on) {
        if (Forms::ShowGroupsOnSociogram)
            Forms::ShowGroupsOnSociogram({});
        return;
    }
    if (made && Forms::ShowGroupsOnSociogram && Forms::ShowGroupsOnSociogram(made->groupOf))
        return;
    MsgBox(tr("No sociogram is open. Draw one from the data window's Plot Sociogram "
              "menu, then show the groups on it."),
           Buttons::Ok, Icon::Information);
    const QSignalBlocker block(onSociogram);
    onSociogram->setChecked(false);
}

void GroupsWindow::exportGroups()
{
    if (!made)
        return;
    saveText(this, tr("Export Groups"), tr("groups"), CsvSuffix, csvFilter(),
             Groups::groupsCsv(shownClass, *made, namesToExport()));
}

SubjectNames GroupsWindow::classNames() const
{
    return ClassList::instance().currentNames();
}

SubjectNames GroupsWindow::namesToExport() const
{
    return takeNames(withNames, classNames());
}

void GroupsWindow::closeEvent(QCloseEvent* event)
{
    // The colours belong to this window's groups: they go when it closes.
    if (onSociogram->isChecked()) {
        const QSignalBlocker block(onSociogram);
        onSociogram->setChecked(false);
        showOnSociogram(false);
    }
    QDialog::closeEvent(event);
}

GroupsWindow* openGroupsWindow()
{
    return SingleInstance<GroupsWindow>::ifLoaded();
}

void showGroups(const ChoiceSet& choices, QWidget* parent)
{
    GroupsWindow* window = SingleInstance<GroupsWindow>::instance(parent);
    window->setChoices(choices);
    // The groups are there as the window opens: most teachers want the suggested count.
    window->makeSuggestedGroups();
    window->show();
    window->raise();
    window->activateWindow();
}
