#pragma once
// The choices the picture export and the print share, so that a page can carry what a
// file carries: a title, the key, the groups' colours and the status marks. The last
// two can be chosen only while the window shows them.

#include "pictureexport.h"

#include <QRect>
#include <functional>
#include <optional>

class QCheckBox;
class QWidget;

// What the window shows that a picture may leave out.
struct ShownOnWindow {
    bool groups = false;
    bool status = false;
    bool names = false; // the study has a class list
};

struct PictureChoiceBoxes {
    QCheckBox* IncludeKey = nullptr;
    QCheckBox* IncludeTitle = nullptr;
    QCheckBox* GroupColours = nullptr;
    QCheckBox* StatusMarks = nullptr;
    QCheckBox* WithNames = nullptr;

    // The five boxes one under the other, the first at `first` (twips).
    void create(QWidget* parent, QRect first);
    void setShown(ShownOnWindow shown);
    void read(PictureOptions& options) const;
    void write(const PictureOptions& options);
};

// Asks what the page or file carries; nullopt when the user cancelled.
using PictureChoicesAsker =
    std::function<std::optional<PictureOptions>(QWidget* parent, ShownOnWindow shown)>;
