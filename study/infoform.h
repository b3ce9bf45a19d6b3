#pragma once
// The study information window: where a new study's criterion, criterion type,
// reference name, group size and number of choices are entered. OK checks them and,
// when they pass, hands the study to the data window through the globals; nothing
// is written to the database here.

#include "validate.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class InfoForm : public QDialog {
    Q_OBJECT
public:
    InfoForm();

    static constexpr int CriterionLength = 100;
    static constexpr int ReferenceNameLength = 30;
    static constexpr int CountLength = 2;

    // The buttons, by their index in Action.
    enum class Command { Ok = 0, Clear = 1, Quit = 2 };
    void Action_Click(Command command);
    void ClearForm();
    bool Validate();
    StudyEntries entries() const;
    void focusCriterion();
    QString groupSizeText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void reject() override; // Esc
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Every caption in the language in use; the window grows where one needs the room.
    void retranslate();
    void Form_Load();
    void makeEntries();
    QLabel* makeLabel(const QString& caption, int left, int top, int width, int height);
    QLineEdit* makeBox(int maxLength, int left, int top, int width, int height);
    QPushButton* makeButton(const QString& caption, int left, Command command);
    void keepCriterionShort();
    void IText_GotFocus(QObject* box);

    // Each part is named as its array's entry: ILabel_0, IText_2, Action_1, ICombo_0.
    QLabel* ILabel[6] = {};              // 0, 1, 3, 4, 5; there is no label 2
    QLineEdit* IText[3] = {};            // 0 group size, 1 number of choices, 2 reference name
    QPlainTextEdit* Criterion = nullptr; // IText(3), the one multi-line box
    QComboBox* ICombo = nullptr;         // ICombo(0), the criterion type
    QPushButton* Action[3] = {};         // 0 OK, 1 Clear, 2 Quit
};

// The one study window of the program: created on first use, brought forward while
// open, made afresh after it was closed.
void showInfoForm();
void unloadInfoForm();
// The text of the group size box, or nothing when the window is not loaded.
QString infoGroupSizeText();
