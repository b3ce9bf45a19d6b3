#pragma once
// Asked before "&Print Sociogram": what the page carries besides the designed
// picture, the same choices the picture export offers. With none chosen the page is
// the designed one.

#include "picturechoices.h"

#include <QDialog>

class QPushButton;

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintDialog(QWidget* parent = nullptr);

    PictureChoiceBoxes& choices() { return Choices; }

private:
    // The buttons are named OkButton and CancelButton.
    PictureChoiceBoxes Choices;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

namespace PrintChoices {
// The dialog, starting from the choices of the last print of this session.
std::optional<PictureOptions> ask(QWidget* parent, ShownOnWindow shown);
// Tests answer here; nullptr puts the dialog back.
void setAsker(PictureChoicesAsker asker);
} // namespace PrintChoices
