#pragma once
// "&Export Picture...": the small dialog that asks for the format, the PNG
// resolution, whether the key goes beside the picture and a title above it, then the
// file to write.

#include "pictureexport.h"

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
    QCheckBox* IncludeKey = nullptr;
    QCheckBox* IncludeTitle = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void formatChanged();
};

namespace PictureExport {

// Asks for the options; nullopt when the user cancelled. The default shows the
// dialog, starting from the options chosen last in this session.
using OptionsChooser = std::function<std::optional<PictureOptions>(QWidget* parent)>;
// Asks for the file to write; empty when the user cancelled. The default shows the
// save file dialog for the chosen format.
using FileChooser = std::function<QString(QWidget* parent, const PictureOptions& options)>;

// Tests answer the two questions here; nullptr puts the dialogs back.
void setOptionsChooser(OptionsChooser chooser);
void setFileChooser(FileChooser chooser);

// What the window adds: the title's lines, whether its key is in colour and how many
// groups it lists.
struct PictureExtras {
    QStringList titleLines;
    bool colourKey = false;
    int keyGroups = 0; // groups shown on the labels, listed under the key
};
// The whole command: asks for the options and the file (adding the format's ending
// when the name has none), then writes the picture of a drawing area of `drawing`
// twips. A failure is told in a message box that names the file. True when a file
// was written; cancelling writes nothing and says nothing.
bool run(QWidget* parent, const PrimitiveList& picture, QSizeF drawing,
         const PictureExtras& extras = {});

} // namespace PictureExport
