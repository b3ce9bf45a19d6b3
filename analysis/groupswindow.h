#pragma once
// The Groups window: work groups or tables made from the study's choices, each group
// with its members and the mates each chose, the subjects a teacher should look at
// marked with the reason, shown on the sociogram's labels and written to a CSV file.

#include "choiceset.h"
#include "groups.h"
#include "subjectnames.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QTreeWidgetItem;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeWidget;

class GroupsWindow : public QDialog {
    Q_OBJECT
public:
    explicit GroupsWindow(QWidget* parent = nullptr);
    ~GroupsWindow() override;

    // The study's choices; the groups already made are cleared.
    void setChoices(const ChoiceSet& choices);

    const std::optional<Groups::Partition>& partition() const { return made; }

public Q_SLOTS:
    void makeGroups();
    // Makes the groups of the count suggested, when the class can be split so.
    void makeSuggestedGroups();
    // With no sociogram open it says so and the button springs back.
    void showOnSociogram(bool on);
    void exportGroups();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QGridLayout* makeCountControls();
    void makeResultView();
    QHBoxLayout* makeButtons();
    void countChanged();
    int requestedGroups() const;
    void showResult();
    void fillResultTree(const SubjectNames& names);
    void addSubjectItem(QTreeWidgetItem* group, const Groups::SubjectReport& r,
                        const SubjectNames& names);
    QStringList summaryLines(const SubjectNames& names) const;
    // The run's class list, read here alone; the rest of the window is handed it.
    SubjectNames classNames() const;
    // The names an export carries: none unless "With names" is ticked.
    SubjectNames namesToExport() const;

    Groups::Class shownClass;
    std::vector<SkippedEntry> skippedEntries;
    std::optional<Groups::Partition> made;
    QRadioButton* byGroups = nullptr;
    QRadioButton* bySeats = nullptr;
    QSpinBox* groupCount = nullptr;
    QSpinBox* seatCount = nullptr;
    QPushButton* make = nullptr;
    QLabel* summary = nullptr;
    QTreeWidget* result = nullptr;
    QPushButton* onSociogram = nullptr;
    QPushButton* exportCsv = nullptr;
    QCheckBox* withNames = nullptr;
    QPushButton* closeButton = nullptr;
};

// The class of a study as the groups see it: every sound choice of both criteria.
Groups::Class groupsClass(const ChoiceSet& choices);

// Shows the Groups window for the choices, the open one when there is one.
void showGroups(const ChoiceSet& choices, QWidget* parent);
// The open Groups window, or none.
GroupsWindow* openGroupsWindow();
