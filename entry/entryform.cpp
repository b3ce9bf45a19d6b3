#include "entryform.h"

#include "choicegrid.h"
#include "classlist.h"
#include "entrycheck.h"
#include "fonts.h"
#include "numbers.h"
#include "programicon.h"
#include "windows.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int NamesWidth = 2400; // twips

QFont boxFont()
{
    return Fonts::font(Fonts::Serif, 12, true);
}

} // namespace

EntryForm::EntryForm(ChoiceGrid& g, QWidget* parent) : QDialog(parent), grid(g)
{
    setWindowTitle(tr("Data Entry"));
    setWindowIcon(programIcon());
    setModal(true);
    makeBoxes();
    makeButtons();
    setTabOrder(DText[0], DText[1]);
    setTabOrder(DText[1], DText[2]);
    setTabOrder(DText[2], Action[0]);
    setTabOrder(Action[0], Action[1]);

    makeNameLabels();
    const bool names = ClassList::instance().loaded();
    setWindowFlags(fixedWindowFlags() | Qt::Dialog); // stays above the data window
    setFixedSize(Twips::toPixels(3495 + (names ? NamesWidth + 120 : 0)), Twips::toPixels(2175));
    fitFormToTexts(this);
    CenterForm(this);
    LoadData();
    DText[2]->setFocus();
}

// The subject, the choice slot and the choice, each under its caption.
void EntryForm::makeBoxes()
{
    const QString captions[3] = {tr("Subject Number:"), tr("Choice Number:"), tr("Choice Made:")};
    for (int i = 0; i < 3; ++i) {
        const int top = 120 + 480 * i;
        DLabel[i] = new QLabel(captions[i], this);
        DLabel[i]->setFont(boxFont());
        placeTwips(DLabel[i], 120, top, 2175, 255);
        DText[i] = new QLineEdit(this);
        DText[i]->setObjectName(QStringLiteral("DText_%1").arg(i));
        DText[i]->setFont(boxFont());
        DText[i]->setMaxLength(3);
        DText[i]->setEnabled(i == 2);
        DText[i]->installEventFilter(this);
        placeTwips(DText[i], 2520, top, 855, 375);
    }
}

void EntryForm::makeButtons()
{
    Action[0] = new QPushButton(tr("&OK"), this);
    Action[1] = new QPushButton(tr("&Cancel"), this);
    placeTwips(Action[0], 2520, 1680, 855, 375);
    placeTwips(Action[1], 120, 1680, 855, 375);
    for (int i = 0; i < 2; ++i) {
        Action[i]->setObjectName(QStringLiteral("Action_%1").arg(i));
        Action[i]->setFont(Fonts::font(Fonts::Sans, 9.75));
        connect(Action[i], &QPushButton::clicked, this,
                [this, i] { Action_Click(static_cast<Command>(i)); });
    }
    Action[0]->setDefault(true);
    Action[0]->setAutoDefault(true);
    Action[1]->setAutoDefault(true); // Enter on a focused Cancel cancels
}

// The names stand to the right of the boxes, in a window widened for them.
void EntryForm::makeNameLabels()
{
    SubjectName = new QLabel(this);
    SubjectName->setObjectName(QStringLiteral("SubjectName"));
    ChosenName = new QLabel(this);
    ChosenName->setObjectName(QStringLiteral("ChosenName"));
    const bool names = ClassList::instance().loaded();
    for (auto [label, top] : {std::pair{SubjectName, 120}, std::pair{ChosenName, 1080}}) {
        label->setTextFormat(Qt::PlainText);
        label->setVisible(names);
        placeTwips(label, 3495, top, NamesWidth, 375);
    }
    connect(DText[2], &QLineEdit::textChanged, this,
            [this](const QString& typed) { showName(ChosenName, typed); });
}

void EntryForm::LoadData()
{
    row = grid.Row();
    col = grid.Col();
    DText[0]->setText(grid.TextMatrix(row, 0));
    DText[1]->setText(grid.TextMatrix(1, col));
    DText[2]->setText(grid.TextMatrix(row, col));
    showName(SubjectName, DText[0]->text());
    showName(ChosenName, DText[2]->text());
}

void EntryForm::showName(QLabel* label, const QString& number)
{
    const std::optional<double> n = Numbers::wholeValue(number);
    const QString name = n && *n >= 1 && *n <= Global::GroupSize
                             ? ClassList::instance().nameOf(static_cast<int>(*n))
                             : QString();
    const QString shown = label->fontMetrics().elidedText(name, Qt::ElideRight, label->width());
    label->setText(shown);
    label->setToolTip(shown == name ? QString() : name);
}

void EntryForm::beginWith(const QString& typed)
{
    DText[2]->setText(typed);
    keepTyped = true;
}

bool EntryForm::Validate()
{
    RowChoices others(std::size_t(grid.Cols()));
    for (int c = ChoiceGrid::FixedCols; c < grid.Cols(); ++c)
        others[std::size_t(c)] = grid.TextMatrix(row, c);
    const Global::Long subject = row - 1; // row s + 1 is subject s
    return ValidateChoice(DText[2]->text(), subject, col, others, Global::GroupSize);
}

void EntryForm::SaveData()
{
    // The number as the grid shows every other: "03" goes in as "3".
    grid.setTextMatrix(row, col, choiceText(DText[2]->text()));
}

void EntryForm::Action_Click(Command command)
{
    if (command == Command::Ok) {
        if (!Validate()) {
            // Back to the typed text, selected, so the next try replaces it.
            activateWindow();
            DText[2]->setFocus();
            SelectAllText(DText[2]);
            return;
        }
        SaveData();
        accept();
    } else {
        // Esc and the close box come here too (reject): the cell stays as it was.
        reject();
    }
}

bool EntryForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == DText[2])
        keepTyped = false;
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            // After the focus event the box places its caret; select once that is done.
            QTimer::singleShot(0, box, [this, box] {
                // Every focus the box gets before the next key (the window's own
                // activation too) keeps the typed start as it is.
                if (keepTyped && box == DText[2]) {
                    box->deselect();
                    box->end(false);
                    return;
                }
                SelectAllText(box);
            });
        }
    }
    return QDialog::eventFilter(watched, event);
}
