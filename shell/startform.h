#pragma once
#include "windows.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QLabel;

// The start window. It stays open underneath everything; closing it or choosing
// "&Exit" ends the program.
class StartForm : public QMainWindow, public SingleInstance<StartForm> {
    Q_OBJECT
public:
    StartForm();

    // Says, under the title, how to open the example class: while the study file holds
    // no study.
    void offerExample(bool offered);

    void New_Click();
    void Load_Click();
    void Quit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void buildHelpMenu();
    void buildLanguageMenu();
    void retranslate();
    static QString exampleOfferText();
    void openExample();

    // The menu's commands are named New, Load and Quit.
    QLabel* Slabel = nullptr;
    QAction* New = nullptr;
    QAction* Load = nullptr;
    QAction* Quit = nullptr;
    QLabel* exampleOffer = nullptr;
    QMenu* fileMenu = nullptr;
    QMenu* helpMenu = nullptr;
    QMenu* languageMenu = nullptr;
    QAction* openExampleItem = nullptr;
    QAction* guideItem = nullptr;
    QAction* aboutItem = nullptr;
    bool mayEnd();
};
