#pragma once
// The key of the sociogram: what a line, a disc and a square mean, and the colours of
// the groups shown on the labels.

#include "keydrawing.h"

#include <QWidget>
#include <vector>

class KeyForm : public QWidget {
    Q_OBJECT
public:
    KeyForm();

    // Shows the key: the first time beside `window`, afterwards where the user left it.
    void showFirstBeside(const QWidget& window);

    // Puts the shown key frame to frame beside `window`, on its left or else on its
    // right, and where neither fits (a maximised window) inside the screen's free area.
    void placeBeside(const QWidget& window);

    // Draws the samples as "&Colour Choices" draws the choices.
    void setColour(bool on);
    // Lists the colours of `groups` groups under the markers (0: none).
    void setGroups(int groups);
    // Lists the status marks shown on the labels (empty: none).
    void setStatus(const std::vector<Status>& marks);
    // Shows the looks of kept, new and gone ties since the survey named (empty: none).
    void setChanges(const QString& comparedWith);
    // Lists the negative choice only while one is drawn.
    void setNegative(bool drawn);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The title in the language in use; the entries are refilled by the sociogram window.
    void changeEvent(QEvent* event) override;

private:
    // Set to "User" once the key has been placed beside the sociogram window; a key
    // that keeps its tag keeps the place the user gave it.
    QString Tag;
    KeyEntries shown;

    void fitContents();
};
