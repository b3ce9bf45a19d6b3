#include "printdialog.h"

#include "fonts.h"
#include "programicon.h"
#include "windows.h"

#include <QPushButton>

namespace {

PictureOptions& lastChoices()
{
    static PictureOptions options; // nothing added: the designed page
    return options;
}

std::optional<PictureOptions> askWithDialog(QWidget* parent, ShownOnWindow shown)
{
    PrintDialog dialog(parent);
    dialog.choices().write(lastChoices());
    dialog.choices().setShown(shown);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    dialog.choices().read(lastChoices());
    PictureOptions chosen = lastChoices();
    lastChoices().withNames = false; // asked afresh each time
    return chosen;
}

PictureChoicesAsker& asker()
{
    static PictureChoicesAsker chosen = askWithDialog;
    return chosen;
}

} // namespace

PrintDialog::PrintDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Print Sociogram"));
    setWindowIcon(programIcon());
    setModal(true);
    Choices.create(this, {240, 180, 2535, 255});
    OkButton = new QPushButton(tr("OK"), this);
    CancelButton = new QPushButton(tr("Cancel"), this);
    for (QPushButton* b : {OkButton, CancelButton})
        b->setFont(Fonts::small());
    placeTwips(OkButton, 240, 1800, 1095, 375);
    placeTwips(CancelButton, 1455, 1800, 1095, 375);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    setWindowFlags(fixedWindowFlags());
    setFixedSize(Twips::toPixels(2790), Twips::toPixels(2355));
    fitFormToTexts(this);
    CenterForm(this);
}

namespace PrintChoices {

std::optional<PictureOptions> ask(QWidget* parent, ShownOnWindow shown)
{
    return asker()(parent, shown);
}

void setAsker(PictureChoicesAsker chosen)
{
    asker() = chosen ? std::move(chosen) : PictureChoicesAsker(askWithDialog);
}

} // namespace PrintChoices
