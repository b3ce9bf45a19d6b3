#pragma once
// The key of the sociogram: what a line, a disc and a square mean.

#include <QWidget>

class QGroupBox;
class QLabel;

class KeyForm : public QWidget {
    Q_OBJECT
public:
    KeyForm();

    // Set to "User" once the key has been placed beside the sociogram window; a key
    // that keeps its tag keeps the place the user gave it.
    QString Tag;

    QGroupBox* Kframe[2] = {};
    QLabel* KLabel[7] = {};

protected:
    void closeEvent(QCloseEvent* event) override;
};
