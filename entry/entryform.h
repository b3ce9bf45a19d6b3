#pragma once
// "Data Entry": the one-cell window over the data window's grid. It shows the subject
// and the choice slot of the grid's current cell and the choice stored there, checks
// the typed choice and writes it back into that cell.

#include "globals.h"

#include <QDialog>

class ChoiceGrid;
class QLabel;
class QLineEdit;
class QPushButton;

class EntryForm : public QDialog {
    Q_OBJECT
public:
    EntryForm(ChoiceGrid& grid, QWidget* parent = nullptr);

    // The buttons, by their index in Action (object names Action_0 and Action_1).
    enum class Command { Ok = 0, Cancel = 1 };

    void LoadData();
    // Starts the choice with text the user already typed on the grid; the caret goes
    // after it, so typing goes on from there.
    void beginWith(const QString& typed);
    bool Validate();
    void SaveData();
    void Action_Click(Command command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeBoxes();
    void makeButtons();
    void makeNameLabels();
    void showName(QLabel* label, const QString& number);

    QLabel* DLabel[3] = {};
    QLineEdit* DText[3] = {}; // object names DText_0 to DText_2
    QPushButton* Action[2] = {};
    // With a class list: the name of the subject keyed and of the subject whose number is
    // being typed, so that a slip shows before OK.
    QLabel* SubjectName = nullptr;
    QLabel* ChosenName = nullptr;

    ChoiceGrid& grid;
    bool keepTyped = false;
    int row = 0;
    int col = 0;
};
