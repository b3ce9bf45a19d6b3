#pragma once
// "&Export Picture...": the small dialog that asks for the format, the PNG
// resolution, whether the key goes beside the picture and a title above it, then the
// file to write.

#include "picturechoices.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class ExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportDialog(QWidget* parent = nullptr);

    PictureOptions options() const;
    void setOptions(const PictureOptions& options);

    QRadioButton* Format[3] = {}; // PNG, SVG, PDF, in the order of PictureFormat
    QLabel* ResolutionLabel = nullptr;
    QSpinBox* Resolution = nullptr;
    PictureChoiceBoxes Choices; // shared with the print
    QCheckBox*& IncludeKey = Choices.IncludeKey;
    QCheckBox*& IncludeTitle = Choices.IncludeTitle;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void formatChanged();
};

namespace PictureExport {

// Asks for the options; nullopt when the user cancelled. The default shows the
// dialog, starting from the options chosen last in this session.
using OptionsChooser = PictureChoicesAsker;
// Asks for the file to write; empty when the user cancelled. The default shows the
// save file dialog for the chosen format.
using FileChooser = std::function<QString(QWidget* parent, const PictureOptions& options)>;

// Tests answer the two questions here; nullptr puts the dialogs back.
void setOptionsChooser(OptionsChooser chooser);
void setFileChooser(FileChooser chooser);

// The window's picture for the options chosen, with the title's lines and the key's
// contents filled in.
using PictureMaker = std::function<PrimitiveList(PictureOptions& options)>;
// The whole command: asks for the options and the file (adding the format's ending
// when the name has none), then writes the picture of a drawing area of `drawing`
// twips. A failure is told in a message box that names the file. True when a file
// was written; cancelling writes nothing and says nothing.
bool run(QWidget* parent, const PictureMaker& make, QSizeF drawing, ShownOnWindow shown = {});

} // namespace PictureExport
