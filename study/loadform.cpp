#include "loadform.h"

#include "busypointer.h"
#include "classlist.h"
#include "fonts.h"
#include "forms.h"
#include "globals.h"
#include "messages.h"
#include "programicon.h"
#include "projectlist.h"
#include "windows.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int ButtonTop = 2400;
constexpr int ButtonWidth = 855;
constexpr int ButtonHeight = 375;

QFont standardFont()
{
    return Fonts::small();
}

} // namespace

LoadForm::LoadForm()
{
    setWindowTitle(tr("Load File"));
    setWindowIcon(programIcon());
    setModal(false);

    Lload = new QLabel(this);
    Lload->setObjectName(QStringLiteral("Lload"));
    Lload->setTextFormat(Qt::PlainText);
    Lload->setFont(Fonts::font(Fonts::Serif, 14.25));
    Lload->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Lload, 120, 120, 3615, 375);

    LList = new QListWidget(this);
    LList->setObjectName(QStringLiteral("LList"));
    LList->setFont(standardFont());
    LList->setSelectionMode(QAbstractItemView::SingleSelection);
    LList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    placeTwips(LList, 120, 600, 3735, 1620);

    Action[0] = makeButton(QString(), 3000, Command::Ok);
    Action[1] = makeButton(QString(), 1800, Command::Delete);
    Action[2] = makeButton(QString(), 120, Command::Cancel);
    Action[0]->setDefault(true);

    setTabOrder(LList, Action[0]);
    setTabOrder(Action[0], Action[1]);
    setTabOrder(Action[1], Action[2]);

    makeFixedWindow(this, this, 3990, 2895);
    Form_Load();
    retranslate();
    LList->setFocus();
}

QPushButton* LoadForm::makeButton(const QString& caption, int left, Command command)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("Action_%1").arg(static_cast<int>(command)));
    button->setFont(standardFont());
    placeTwips(button, left, ButtonTop, ButtonWidth, ButtonHeight);
    connect(button, &QPushButton::clicked, this, [this, command] { Action_Click(command); });
    return button;
}

void LoadForm::retranslate()
{
    setWindowTitle(tr("Load File"));
    Lload->setText(tr("Select Project"));
    Action[0]->setText(tr("&OK"));
    Action[1]->setText(tr("&Delete"));
    Action[2]->setText(tr("&Cancel"));
    fitFormToTexts(this);
}

void LoadForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void LoadForm::Form_Load()
{
    adjustSize();
    CenterForm(this);
    LoadData();
}

void LoadForm::LoadData()
{
    BusyPointer busy;
    LList->clear();
    for (const ProjectEntry& entry : readProjectList()) {
        auto* item = new QListWidgetItem(entry.name, LList);
        item->setData(Qt::UserRole, entry.record);
    }
    const bool any = LList->count() > 0;
    if (any)
        LList->setCurrentRow(0);
    Action[0]->setEnabled(any);
    Action[1]->setEnabled(any);
}

std::optional<Global::Long> LoadForm::selectedRecord() const
{
    const QList<QListWidgetItem*> chosen = LList->selectedItems();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.front()->data(Qt::UserRole).value<Global::Long>();
}

void LoadForm::DeleteRecord()
{
    const std::optional<Global::Long> record = selectedRecord();
    if (!record)
        return;
    // A data window left open on the study would store it again at its next save.
    if (Forms::CloseDeletedStudy)
        Forms::CloseDeletedStudy(*record);
    setCursor(Qt::WaitCursor);
    // A later study may be given the number again: the names go with the study.
    if (deleteProject(*record))
        ClassList::instance().forget(*record);
    LList->clear();
    unsetCursor();
    LoadData();
}

void LoadForm::Action_Click(Command command)
{
    switch (command) {
    case Command::Ok: {
        // Without a chosen study there is nothing to open.
        const std::optional<Global::Long> record = selectedRecord();
        if (!record)
            return;
        // The open study's changes are saved to it (or dropped) before this one takes
        // its place; Cancel keeps both windows as they are.
        if (!Forms::mayChangeStudy())
            return;
        Global::CurrentRecord = *record;
        // The study comes from the file now, even when "&New Project" was chosen while
        // this list stood open: the layouts must read its stored group size.
        Global::NewProject = Global::False;
        Forms::show(Forms::Window::Data);
        unloadLoadForm();
        break;
    }
    case Command::Delete:
        if (!selectedRecord())
            return;
        // The name first, so that the user sees which study goes.
        if (MsgBox(QStringLiteral("\"%1\"\n\n").arg(LList->selectedItems().front()->text()) +
                       ProjectMessages::DeleteQuestion,
                   Buttons::YesNo, Icon::None, ProgramTitle) == Answer::Yes)
            DeleteRecord();
        break;
    case Command::Cancel:
        unloadLoadForm();
        break;
    }
}

void LoadForm::reject()
{
    Action_Click(Command::Cancel);
}

void LoadForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    unloadLoadForm();
}

void showLoadForm()
{
    LoadForm* form = SingleInstance<LoadForm>::instance();
    form->show();
    form->raise();
    form->activateWindow();
}

void unloadLoadForm()
{
    SingleInstance<LoadForm>::unload();
}
