#include "picturechoices.h"

#include "fonts.h"

#include <QCoreApplication>

#include "windows.h"

#include <QCheckBox>

namespace {

constexpr int RowStep = 300; // twips between the boxes

QCheckBox* box(const QString& caption, QWidget* parent, QRect twips)
{
    auto* check = new QCheckBox(caption, parent);
    check->setFont(Fonts::small());
    placeTwips(check, twips.left(), twips.top(), twips.width(), twips.height());
    return check;
}

} // namespace

void PictureChoiceBoxes::create(QWidget* parent, QRect first)
{
    IncludeKey =
        box(QCoreApplication::translate("PictureChoices", "Include the key"), parent, first);
    IncludeTitle = box(QCoreApplication::translate("PictureChoices", "Include a title"), parent,
                       first.translated(0, RowStep));
    GroupColours = box(QCoreApplication::translate("PictureChoices", "Colour the groups"), parent,
                       first.translated(0, 2 * RowStep));
    StatusMarks = box(QCoreApplication::translate("PictureChoices", "Mark the status"), parent,
                      first.translated(0, 3 * RowStep));
    WithNames = box(QCoreApplication::translate("PictureChoices", "With &names"), parent,
                    first.translated(0, 4 * RowStep));
    // Tests find the boxes by these names.
    const std::pair<QCheckBox*, const char*> named[] = {{IncludeKey, "IncludeKey"},
                                                        {IncludeTitle, "IncludeTitle"},
                                                        {GroupColours, "GroupColours"},
                                                        {StatusMarks, "StatusMarks"},
                                                        {WithNames, "WithNames"}};
    for (const auto& [check, name] : named)
        check->setObjectName(QLatin1String(name));
}

void PictureChoiceBoxes::setShown(ShownOnWindow shown)
{
    GroupColours->setEnabled(shown.groups);
    StatusMarks->setEnabled(shown.status);
    WithNames->setEnabled(shown.names);
    if (!shown.names)
        WithNames->setChecked(false);
}

void PictureChoiceBoxes::read(PictureOptions& options) const
{
    options.includeKey = IncludeKey->isChecked();
    options.includeTitle = IncludeTitle->isChecked();
    options.groupColours = GroupColours->isChecked();
    options.statusMarks = StatusMarks->isChecked();
    options.withNames = WithNames->isChecked();
}

void PictureChoiceBoxes::write(const PictureOptions& options)
{
    IncludeKey->setChecked(options.includeKey);
    IncludeTitle->setChecked(options.includeTitle);
    GroupColours->setChecked(options.groupColours);
    StatusMarks->setChecked(options.statusMarks);
    WithNames->setChecked(options.withNames);
}
