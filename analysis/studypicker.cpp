#include "studypicker.h"

#include "programicon.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

StudyPicker::StudyPicker(std::vector<StoredStudy> list, QWidget* parent)
    : QDialog(parent), studies(std::move(list))
{
    setWindowTitle(tr("Compare With"));
    setWindowIcon(programIcon());
    auto* caption = new QLabel(tr("&Earlier survey of this class:"), this);
    shown = new QListWidget(this);
    shown->setObjectName(QStringLiteral("list"));
    caption->setBuddy(shown);
    for (const StoredStudy& s : studies)
        shown->addItem(itemText(s));
    shown->setCurrentRow(0);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    // Return on the list takes the study under the cursor.
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(shown, 1);
    layout->addWidget(buttons);
    resize(380, 300);
    shown->setFocus();

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(shown, &QListWidget::itemActivated, this, &QDialog::accept);
}

std::optional<StoredStudy> StudyPicker::chosen() const
{
    const int row = shown->currentRow();
    if (row < 0 || row >= static_cast<int>(studies.size()))
        return std::nullopt;
    return studies[static_cast<std::size_t>(row)];
}

QString StudyPicker::itemText(const StoredStudy& study)
{
    const QString name = study.name.trimmed().isEmpty() ? tr("(no name)") : study.name;
    return tr("%1 (record %2)").arg(name).arg(study.record);
}
