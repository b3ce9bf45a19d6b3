#include "classlistwindow.h"

#include "classlist.h"
#include "classlistfile.h"
#include "filedialogs.h"
#include "globals.h"
#include "importchoices.h"
#include "messages.h"
#include "programicon.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const ListFilter =
    QT_TRANSLATE_NOOP("ClassListWindow", "Class lists (*.csv *.txt);;All files (*)");

constexpr int NameColumn = 1;

} // namespace

FileNameAsker& ClassListWindow::openFileName()
{
    static FileNameAsker ask;
    return ask;
}

ClassListWindow::ClassListWindow(int groupSize, std::int32_t record, QWidget* parent)
    : QDialog(parent), size(std::max(groupSize, 0)), study(record)
{
    setWindowTitle(tr("Class List"));
    setWindowIcon(programIcon());
    makeRows();
    auto* caption = new QLabel(tr("&Names of the subjects:"), this);
    caption->setBuddy(rows);

    layOutWith(caption);
    connectRows();
    showNames(ClassList::instance().names(study));
    if (size > 0)
        rows->setCurrentCell(0, NameColumn);
    rows->setFocus();
}

// A row a subject: the number, and the name to type.
void ClassListWindow::makeRows()
{
    rows = new QTableWidget(size, 2, this);
    rows->setObjectName(QStringLiteral("table"));
    rows->setHorizontalHeaderLabels({tr("Number"), tr("Name")});
    rows->verticalHeader()->hide();
    rows->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    rows->horizontalHeader()->setStretchLastSection(true);
    rows->setSelectionMode(QAbstractItemView::SingleSelection);
    // Typing on a row starts its name; Tab leaves the list for the buttons.
    rows->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::DoubleClicked);
    rows->setTabKeyNavigation(false);
    rows->setTextElideMode(Qt::ElideRight);
    for (int s = 1; s <= size; ++s) {
        auto* number = new QTableWidgetItem(QString::number(s));
        number->setFlags(Qt::ItemIsEnabled);
        rows->setItem(s - 1, 0, number);
        rows->setItem(s - 1, NameColumn, new QTableWidgetItem);
    }
    rows->installEventFilter(this);
}

void ClassListWindow::layOutWith(QLabel* caption)
{
    loadFile = new QPushButton(tr("&Load..."), this);
    loadFile->setObjectName(QStringLiteral("loadButton"));
    saveFile = new QPushButton(tr("&Save..."), this);
    auto* answer = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (QPushButton* b : {loadFile, saveFile})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(loadFile);
    buttons->addWidget(saveFile);
    buttons->addStretch(1);
    buttons->addWidget(answer);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(rows, 1);
    layout->addLayout(buttons);
    resize(420, 520);

    connect(loadFile, &QPushButton::clicked, this, &ClassListWindow::load);
    connect(saveFile, &QPushButton::clicked, this, &ClassListWindow::save);
    connect(answer, &QDialogButtonBox::accepted, this, &ClassListWindow::accept);
    connect(answer, &QDialogButtonBox::rejected, this, &ClassListWindow::reject);
}

void ClassListWindow::connectRows()
{
    connect(rows, &QTableWidget::itemChanged, this, [](QTableWidgetItem* item) {
        // Long names are cut short in the row; the whole name is a tooltip away.
        if (item->column() == NameColumn)
            item->setToolTip(item->text());
    });
    // Enter on a typed name goes on to the next subject, as keying choices does.
    connect(rows->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache &&
                    rows->currentRow() + 1 < rows->rowCount())
                    rows->setCurrentCell(rows->currentRow() + 1, NameColumn);
            });
}

void ClassListWindow::showNames(const SubjectNames& names)
{
    for (int s = 1; s <= size; ++s)
        rows->item(s - 1, NameColumn)
            ->setText(std::size_t(s) < names.size() ? names[std::size_t(s)] : QString());
}

std::optional<SubjectNames> ClassListWindow::typedNames()
{
    SubjectNames names(1);
    for (int s = 1; s <= size; ++s) {
        const QString typed = rows->item(s - 1, NameColumn)->text();
        const QString name = cleanName(typed);
        if (name.isEmpty() && !typed.isEmpty()) {
            rows->setCurrentCell(s - 1, NameColumn);
            MsgBox(tr("The name of subject %1 is only blanks. Type a name, or empty "
                      "the row with Delete.")
                       .arg(s),
                   Buttons::Ok, Icon::Exclamation);
            rows->setFocus();
            return std::nullopt;
        }
        names.push_back(name);
    }
    return names;
}

bool ClassListWindow::loadFrom(const QString& path)
{
    const std::optional<QString> text = readPickedFile(path);
    if (!text)
        return false;
    const ClassListRead read = readClassList(*text, size);
    if (!read.ok()) {
        MsgBox(problemListing(tr("The class list was not loaded:"), read.problems), Buttons::Ok,
               Icon::Exclamation);
        return false;
    }
    showNames(*read.names);
    return true;
}

void ClassListWindow::load()
{
    const QString path = askOpenFile(this, tr("Load Class List"), tr(ListFilter), openFileName());
    if (!path.isEmpty())
        loadFrom(path);
}

void ClassListWindow::save()
{
    const std::optional<SubjectNames> names = typedNames();
    if (!names)
        return;
    saveText(this, tr("Save Class List"), tr("class list"), CsvSuffix, tr(ListFilter),
             classListCsv(*names));
}

void ClassListWindow::accept()
{
    const std::optional<SubjectNames> names = typedNames();
    if (!names)
        return;
    ClassList::instance().setNames(study, *names);
    QDialog::accept();
}

bool ClassListWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Keys the list itself gets; while a name is typed its editor has them.
    if (watched == rows && event->type() == QEvent::KeyPress && rows->hasFocus()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        QTableWidgetItem* name = rows->item(rows->currentRow(), NameColumn);
        if (name && (key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace)) {
            name->setText(QString());
            return true;
        }
        // Enter on a row moves on rather than closing the window half done.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (rows->currentRow() + 1 < rows->rowCount())
                rows->setCurrentCell(rows->currentRow() + 1, NameColumn);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void showClassList(QWidget* parent)
{
    auto* window = new ClassListWindow(int(Global::GroupSize), Global::CurrentRecord, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}
