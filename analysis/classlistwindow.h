#pragma once
// "Class List": the pupils' names of the study in the data window, one row per subject,
// typed in or loaded from the teacher's own file and saved back to one. OK gives them to
// the run's ClassList; nothing of them goes to the study file.

#include "filedialogs.h"

#include <QDialog>
#include <cstdint>
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;

class ClassListWindow : public QDialog {
    Q_OBJECT
public:
    ClassListWindow(int groupSize, std::int32_t study, QWidget* parent = nullptr);

    // The names as typed, cleaned; nothing after a message when one is only blanks.
    std::optional<SubjectNames> typedNames();
    void showNames(const SubjectNames& names);
    // Reads a class-list file into the rows; a file with any problem changes nothing.
    bool loadFrom(const QString& path);

    // Tests answer the question of which file to read here; empty shows the dialog. The
    // list is saved through saveText, as every export is.
    static FileNameAsker& openFileName();

public Q_SLOTS:
    void load();
    void save();
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeRows();
    void layOutWith(QLabel* caption);
    void connectRows();

    int size;
    std::int32_t study;
    QTableWidget* rows = nullptr;
    QPushButton* loadFile = nullptr;
    QPushButton* saveFile = nullptr;
};

// Opens the Class List window of the current study over `parent`.
void showClassList(QWidget* parent);
