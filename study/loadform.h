#pragma once
// The project list: the stored studies by reference name, in the order they were
// created. OK opens the chosen study in the data window; Delete removes it with its
// answers and saved arrangements.

#include "globals.h"

#include <QDialog>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

class LoadForm : public QDialog {
    Q_OBJECT
public:
    LoadForm();

    void LoadData();
    void DeleteRecord();
    // The buttons, by their index in Action.
    enum class Command { Ok = 0, Delete = 1, Cancel = 2 };
    void Action_Click(Command command);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void reject() override; // Esc

private:
    // Every caption in the language in use; the window grows where one needs the room.
    void retranslate();
    void Form_Load();
    QPushButton* makeButton(const QString& caption, int left, Command command);
    // The RECORD of the selected entry, or nothing when no entry is selected.
    std::optional<Global::Long> selectedRecord() const;

    // Each part is named as it is here (the buttons Action_0 to Action_2).
    QLabel* Lload = nullptr;
    QListWidget* LList = nullptr;
    QPushButton* Action[3] = {}; // 0 OK, 1 Delete, 2 Cancel
};

// Shows the one project list; while it is open it is only brought forward.
void showLoadForm();
void unloadLoadForm();
