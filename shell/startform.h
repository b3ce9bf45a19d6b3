#pragma once
#include "windows.h"

#include <QMainWindow>

class QAction;
class QLabel;

// The start window. It stays open underneath everything; closing it or choosing
// "&Exit" ends the program.
class StartForm : public QMainWindow, public SingleInstance<StartForm> {
    Q_OBJECT
public:
    StartForm();

    QLabel* Slabel = nullptr;
    QAction* New = nullptr;
    QAction* Load = nullptr;
    QAction* Quit = nullptr;

    void New_Click();
    void Load_Click();
    void Quit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    bool mayEnd();
};
