#pragma once
// The key of the sociogram: what a line, a disc and a square mean, and the colours of
// the groups shown on the labels.

#include <QWidget>

class KeyForm : public QWidget {
    Q_OBJECT
public:
    KeyForm();

    // Set to "User" once the key has been placed beside the sociogram window; a key
    // that keeps its tag keeps the place the user gave it.
    QString Tag;

    // Draws the samples as "&Colour Choices" draws the choices.
    void setColour(bool on);
    // Lists the colours of `groups` groups under the markers (0: none).
    void setGroups(int groups);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool colour = false;
    int groups = 0;
};
