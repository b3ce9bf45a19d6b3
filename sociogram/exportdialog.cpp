#include "exportdialog.h"

#include "busypointer.h"
#include "filedialogs.h"
#include "fonts.h"
#include "messages.h"
#include "programicon.h"
#include "windows.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

const char* const ExportTitle = QT_TRANSLATE_NOOP("ExportDialog", "Export Picture");

QFont dialogFont()
{
    return Fonts::small();
}

template <class W> W* placed(W* widget, QRect twips)
{
    widget->setFont(dialogFont());
    placeTwips(widget, twips.left(), twips.top(), twips.width(), twips.height());
    return widget;
}

QString fileFilter(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Png:
        return ExportDialog::tr("PNG images (*.png)");
    case PictureFormat::Svg:
        return ExportDialog::tr("SVG drawings (*.svg)");
    case PictureFormat::Pdf:
        return ExportDialog::tr("PDF documents (*.pdf)");
    }
    return {};
}

// The options of the last export of this session, so that a second export starts
// where the first one left off.
PictureOptions& lastOptions()
{
    // A file shows what the window shows, groups and status included, unless the
    // user leaves them out.
    static PictureOptions options = [] {
        PictureOptions o;
        o.groupColours = true;
        o.statusMarks = true;
        return o;
    }();
    return options;
}

std::optional<PictureOptions> askWithDialog(QWidget* parent, ShownOnWindow shown)
{
    ExportDialog dialog(parent);
    dialog.setOptions(lastOptions());
    dialog.setShown(shown);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    lastOptions() = dialog.options();
    lastOptions().withNames = false; // asked afresh each time
    return dialog.options();
}

PictureExport::OptionsChooser& optionsChooser()
{
    static PictureExport::OptionsChooser chooser = askWithDialog;
    return chooser;
}

FileNameAsker& fileChooser()
{
    static FileNameAsker chooser;
    return chooser;
}

} // namespace

ExportDialog::ExportDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr(ExportTitle));
    setWindowIcon(programIcon());
    setModal(true);

    auto* frame = placed(new QGroupBox(tr("Format"), this), {120, 120, 1935, 1335});
    const QString captions[3] = {tr("&PNG image"), tr("S&VG drawing"), tr("P&DF document")};
    auto* formats = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        Format[i] = placed(new QRadioButton(captions[i], frame), {120, 360 + 300 * i, 1695, 255});
        formats->addButton(Format[i], i);
        Format[i]->setObjectName(QStringLiteral("Format_%1").arg(i));
    }
    connect(formats, &QButtonGroup::idToggled, this, [this] { formatChanged(); });

    ResolutionLabel =
        placed(new QLabel(tr("&Resolution (dots per inch):"), this), {2175, 240, 2295, 255});
    Resolution = placed(new QSpinBox(this), {2175, 540, 975, 315});
    Resolution->setRange(PictureResolution::Minimum, PictureResolution::Maximum);
    ResolutionLabel->setBuddy(Resolution);
    Choices.create(this, {2175, 1000, 2295, 255});

    OkButton = placed(new QPushButton(tr("OK"), this), {2175, 2580, 1095, 375});
    CancelButton = placed(new QPushButton(tr("Cancel"), this), {3375, 2580, 1095, 375});
    Resolution->setObjectName(QStringLiteral("Resolution"));
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setOptions(PictureOptions{});
    setWindowFlags(fixedWindowFlags());
    setFixedSize(Twips::toPixels(4590), Twips::toPixels(3075));
    fitFormToTexts(this);
    CenterForm(this);
}

PictureOptions ExportDialog::options() const
{
    PictureOptions o;
    for (int i = 0; i < 3; ++i)
        if (Format[i]->isChecked())
            o.format = PictureFormat(i);
    o.dpi = Resolution->value();
    Choices.read(o);
    return o;
}

void ExportDialog::setOptions(const PictureOptions& o)
{
    Format[int(o.format)]->setChecked(true);
    Resolution->setValue(o.dpi);
    Choices.write(o);
    formatChanged();
}

void ExportDialog::formatChanged()
{
    // Only an image has a resolution; SVG and PDF are drawn as vectors.
    const bool image = Format[int(PictureFormat::Png)]->isChecked();
    ResolutionLabel->setEnabled(image);
    Resolution->setEnabled(image);
}

namespace PictureExport {

void setOptionsChooser(OptionsChooser chooser)
{
    optionsChooser() = chooser ? std::move(chooser) : OptionsChooser(askWithDialog);
}

void setFileChooser(FileNameAsker chooser)
{
    fileChooser() = std::move(chooser);
}

bool run(QWidget* parent, const QString& what, const PictureMaker& make, QSizeF drawing,
         ShownOnWindow shown)
{
    std::optional<PictureOptions> options = optionsChooser()(parent, shown);
    if (!options)
        return false;
    const PrimitiveList picture = make(*options);
    const QString chosen =
        askSaveFile(parent, ExportDialog::tr(ExportTitle), what, pictureSuffix(options->format),
                    fileFilter(options->format), fileChooser());
    if (chosen.isEmpty())
        return false;
    ExportResult failed;
    {
        BusyPointer busy;
        failed =
            exportPicture(withPictureSuffix(chosen, options->format), picture, drawing, *options);
    }
    if (failed) {
        MsgBox(failed->sentence(), Buttons::Ok, Icon::Exclamation, ProgramTitle);
        return false;
    }
    return true;
}

} // namespace PictureExport
