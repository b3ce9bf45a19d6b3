#include "infoform.h"

#include "fonts.h"
#include "forms.h"
#include "programicon.h"
#include "windows.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int ButtonTop = 3600;
constexpr int ButtonWidth = 1000;
constexpr int ButtonHeight = 375;

struct CriterionTypeEntry {
    const char* caption;
    Global::Long code;
};
constexpr CriterionTypeEntry CriterionTypes[] = {
    {QT_TRANSLATE_NOOP("InfoForm", "Positive"), Codes::CriterionType::Positive},
    {QT_TRANSLATE_NOOP("InfoForm", "Negative"), Codes::CriterionType::Negative},
    {QT_TRANSLATE_NOOP("InfoForm", "Both"), Codes::CriterionType::Both}};

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

InfoForm::InfoForm()
{
    setWindowTitle(tr("Study Information"));
    setWindowIcon(programIcon());
    setModal(false);
    makeEntries();
    Action[0] = makeButton(QString(), 2880, Command::Ok);
    Action[1] = makeButton(QString(), 1680, Command::Clear);
    Action[2] = makeButton(QString(), 120, Command::Quit);
    Action[0]->setDefault(true);

    setTabOrder(Criterion, ICombo);
    setTabOrder(ICombo, IText[2]);
    setTabOrder(IText[2], IText[0]);
    setTabOrder(IText[0], IText[1]);
    setTabOrder(IText[1], Action[0]);
    setTabOrder(Action[0], Action[1]);
    setTabOrder(Action[1], Action[2]);

    makeFixedWindow(this, this, 7455, 4110);
    Form_Load();
    retranslate();
    Criterion->setFocus();
}

// The criterion, its type, the reference name, the group size and the number of
// choices, each beside its caption.
void InfoForm::makeEntries()
{
    ILabel[4] = makeLabel(QString(), 120, 120, 2655, 375);
    Criterion = new QPlainTextEdit(this);
    Criterion->setObjectName(QStringLiteral("IText_3"));
    Criterion->setFont(Fonts::font(Fonts::Serif, 12));
    // Tab moves on to the next entry, as in every other box of the window.
    Criterion->setTabChangesFocus(true);
    placeTwips(Criterion, 3000, 120, 4335, 855);
    connect(Criterion, &QPlainTextEdit::textChanged, this, &InfoForm::keepCriterionShort);
    Criterion->installEventFilter(this);

    ILabel[5] = makeLabel(QString(), 120, 1080, 2775, 375);
    ICombo = new QComboBox(this);
    ICombo->setObjectName(QStringLiteral("ICombo_0"));
    ICombo->setEditable(false);
    ICombo->setFont(Fonts::font(Fonts::Serif, 12));
    placeTwips(ICombo, 3000, 1080, 1815, 405);

    ILabel[3] = makeLabel(QString(), 120, 1560, 2775, 375);
    IText[2] = makeBox(ReferenceNameLength, 3000, 1560, 1695, 495);

    ILabel[0] = makeLabel(QString(), 120, 2160, 2775, 375);
    IText[0] = makeBox(CountLength, 3000, 2160, 855, 495);

    ILabel[1] = makeLabel(QString(), 120, 2760, 2655, 615);
    IText[1] = makeBox(CountLength, 3000, 2760, 855, 525);
    for (int i = 0; i < 3; ++i)
        IText[i]->setObjectName(QStringLiteral("IText_%1").arg(i));
    for (int i : {0, 1, 3, 4, 5})
        ILabel[i]->setObjectName(QStringLiteral("ILabel_%1").arg(i));
}

QLabel* InfoForm::makeLabel(const QString& caption, int left, int top, int width, int height)
{
    auto* label = new QLabel(caption, this);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Fonts::font(Fonts::Serif, 12, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    placeTwips(label, left, top, width, height);
    return label;
}

QLineEdit* InfoForm::makeBox(int maxLength, int left, int top, int width, int height)
{
    auto* box = new QLineEdit(this);
    box->setFont(Fonts::font(Fonts::Serif, 12));
    box->setMaxLength(maxLength);
    placeTwips(box, left, top, width, height);
    box->installEventFilter(this);
    return box;
}

QPushButton* InfoForm::makeButton(const QString& caption, int left, Command command)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("Action_%1").arg(static_cast<int>(command)));
    button->setFont(Fonts::font(Fonts::Sans, 9.75));
    placeTwips(button, left, ButtonTop, ButtonWidth, ButtonHeight);
    connect(button, &QPushButton::clicked, this, [this, command] { Action_Click(command); });
    return button;
}

void InfoForm::Form_Load()
{
    adjustSize();
    CenterForm(this);
    for (const CriterionTypeEntry& entry : CriterionTypes)
        ICombo->addItem(QString(), entry.code);
    ICombo->setCurrentIndex(0);
}

void InfoForm::retranslate()
{
    setWindowTitle(tr("Study Information"));
    ILabel[4]->setText(tr("Criterion:"));
    ILabel[5]->setText(tr("Criterion Type:"));
    ILabel[3]->setText(tr("Reference Name:"));
    ILabel[0]->setText(tr("Group Size (6-40):"));
    ILabel[1]->setText(tr("Maximum Number of Choices Allowed (1-10):"));
    Criterion->setToolTip(tr("This is used to store a description of the data set."));
    IText[2]->setToolTip(tr("This is used to identify the data set in the database"));
    for (int i = 0; i < ICombo->count(); ++i)
        ICombo->setItemText(i, tr(CriterionTypes[i].caption));
    Action[0]->setText(tr("&OK"));
    Action[1]->setText(tr("&Clear"));
    Action[2]->setText(tr("&Quit"));
    fitFormToTexts(this);
}

void InfoForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void InfoForm::keepCriterionShort()
{
    const int excess = static_cast<int>(Criterion->toPlainText().size()) - CriterionLength;
    if (excess <= 0)
        return;
    // What was just typed or pasted stands before the caret: that is what goes.
    QTextCursor cursor = Criterion->textCursor();
    const int end = cursor.position();
    if (end >= excess) {
        cursor.setPosition(end - excess);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
    } else {
        cursor.setPosition(CriterionLength);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
    Criterion->setTextCursor(cursor);
}

bool InfoForm::eventFilter(QObject* watched, QEvent* event)
{
    // The focus coming back from the box's own context menu is no new visit: a paste
    // from that menu must not find the whole text selected.
    if (event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        // After the focus event (and a click's caret placing) is done.
        QTimer::singleShot(0, this, [this, watched] { IText_GotFocus(watched); });
    // Enter in the criterion box presses OK, as it does in every other box; Ctrl+Enter
    // still begins a new line.
    if (watched == Criterion && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key)) {
            if (key->modifiers() & Qt::ControlModifier)
                Criterion->insertPlainText(QStringLiteral("\n"));
            else
                Action[0]->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void InfoForm::IText_GotFocus(QObject* box)
{
    // Every box, the multi-line criterion included, offers its whole text for replacing.
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        SelectAllText(line);
    } else if (box == Criterion) {
        QTextCursor cursor = Criterion->textCursor();
        cursor.select(QTextCursor::Document);
        Criterion->setTextCursor(cursor);
    }
}

StudyEntries InfoForm::entries() const
{
    StudyEntries e;
    e.criterion = Criterion->toPlainText();
    e.referenceName = IText[2]->text();
    e.groupSize = IText[0]->text();
    e.choices = IText[1]->text();
    e.criterionType = ICombo->currentData().toInt();
    return e;
}

bool InfoForm::Validate()
{
    const bool accepted = ::Validate(entries(), Global::CurrentRecord);
    unsetCursor();
    return accepted;
}

void InfoForm::ClearForm()
{
    IText[0]->clear();
    IText[1]->clear();
    IText[2]->clear();
    Criterion->clear();
    ICombo->setCurrentIndex(0);
    Criterion->setFocus();
}

void InfoForm::Action_Click(Command command)
{
    switch (command) {
    case Command::Ok:
        // The data window of another study settles its changes while the globals are
        // still its own.
        if (!Forms::mayChangeStudy())
            return;
        if (Validate())
            Forms::show(Forms::Window::Data);
        break;
    case Command::Clear:
        ClearForm();
        break;
    case Command::Quit:
        unloadInfoForm();
        break;
    }
}

void InfoForm::reject()
{
    Action_Click(Command::Quit);
}

void InfoForm::closeEvent(QCloseEvent* event)
{
    event->accept();
    unloadInfoForm();
}

void InfoForm::focusCriterion()
{
    Criterion->setFocus();
}

QString InfoForm::groupSizeText() const
{
    return IText[0]->text();
}

void showInfoForm()
{
    InfoForm* form = SingleInstance<InfoForm>::instance();
    // A window shown again starts in its first field, as a new one does, so that the
    // criterion typed first goes where it belongs.
    form->focusCriterion();
    form->show();
    form->raise();
    form->activateWindow();
}

void unloadInfoForm()
{
    SingleInstance<InfoForm>::unload();
}

QString infoGroupSizeText()
{
    const InfoForm* form = SingleInstance<InfoForm>::ifLoaded();
    return form ? form->groupSizeText() : QString();
}
