#pragma once
// "&Export Picture...": the small dialog that asks for the format, the PNG
// resolution, whether the key goes beside the picture and a title above it, then the
// file to write.

#include "filedialogs.h"
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
    // Which boxes the picture in view can honour.
    void setShown(ShownOnWindow shown) { Choices.setShown(shown); }

private:
    void formatChanged();

    // Each part is named as it is here (Format_0 to Format_2).
    QRadioButton* Format[3] = {}; // PNG, SVG, PDF, in the order of PictureFormat
    QLabel* ResolutionLabel = nullptr;
    QSpinBox* Resolution = nullptr;
    PictureChoiceBoxes Choices; // shared with the print
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

namespace PictureExport {

// Asks for the options; nullopt when the user cancelled. The default shows the
// dialog, starting from the options chosen last in this session.
using OptionsChooser = PictureChoicesAsker;

// Tests answer the two questions here; nullptr puts the dialogs back. The file is
// asked as every window asks (askSaveFile), suggesting the study's name and the layout.
void setOptionsChooser(OptionsChooser chooser);
void setFileChooser(FileNameAsker chooser);

// The window's picture for the options chosen, with the title's lines and the key's
// contents filled in.
using PictureMaker = std::function<PrimitiveList(PictureOptions& options)>;
// The whole command: asks for the options and the file (adding the format's ending
// when the name has none), then writes the picture of a drawing area of `drawing`
// twips. `what` (the layout) goes into the suggested name. A failure is told in a
// message box that names the file. True when a file was written; cancelling writes
// nothing and says nothing.
bool run(QWidget* parent, const QString& what, const PictureMaker& make, QSizeF drawing,
         ShownOnWindow shown = {});

} // namespace PictureExport
