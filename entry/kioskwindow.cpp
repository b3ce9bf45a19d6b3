#include "kioskwindow.h"

#include "choicegrid.h"
#include "classlist.h"
#include "codes.h"
#include "datastate.h"
#include "errorreport.h"
#include "fieldvalue.h"
#include "globals.h"
#include "kioskanswer.h"
#include "messages.h"
#include "programicon.h"
#include "trappedopen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// A "Nobody" target carries no subject number.
constexpr int Nobody = 0;
constexpr int TargetHeight = 72; // pixels: a finger's width and more
// Five to a row fit a class of 25 in large print; a class of 40 needs eight, or the
// rows would run off a small screen.
int columnsFor(std::size_t targets)
{
    return targets <= 25 ? 5 : 8;
}

QPushButton* bigButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setMinimumHeight(TargetHeight);
    // A long name never pushes the columns off the screen.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return button;
}

// Pupils whose answers the file holds already, keyed or given in a round before (one the
// computer's crash ended): they are marked as done until the teacher clears the marks.
std::set<int> pupilsWithAnswers()
{
    Trap trap(QStringLiteral("PupilsAnswer:LoadData"));
    std::set<int> pupils;
    for (const AnswerRow& row : storedAnswersTrapped(trap)) {
        Global::Long individual = 0;
        if (!FieldValue::wholeLong(row.individual, individual))
            pupils.insert(individual - ChoiceGrid::FixedRows + 1);
    }
    return pupils;
}

} // namespace

KioskWindow::KioskWindow(ChoiceGrid& g, std::set<int> answered) : grid(g), done(std::move(answered))
{
    setObjectName(QStringLiteral("KioskWindow"));
    setWindowTitle(tr("Pupils Answer Here"));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    QFont big = font();
    big.setPointSize(18);
    setFont(big);
    // A ticked classmate must show across the room, not only as a shade of grey.
    setStyleSheet(QStringLiteral("QPushButton { font-size: 18pt; } QPushButton:checked { "
                                 "background-color: #1565c0; color: white; border: 3px solid "
                                 "#0d47a1; font-weight: bold; }"));
    namespace Type = Codes::CriterionType;
    if (Global::CriterionType != Type::Negative)
        questions.push_back({Codes::AnswerType::Positive, Global::Question});
    if (Global::CriterionType == Type::Negative || Global::CriterionType == Type::Both)
        questions.push_back({Codes::AnswerType::Negative, Global::Question});
    buildPages();
    auto* end = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Q), this);
    connect(end, &QShortcut::activated, this, [this] { endRound(); });
    auto* clear = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C), this);
    connect(clear, &QShortcut::activated, this, &KioskWindow::clearMarks);
    showPupils();
}

void KioskWindow::buildPages()
{
    auto* layout = new QVBoxLayout(this);
    title = new QLabel(this);
    title->setTextFormat(Qt::PlainText);
    title->setWordWrap(true);
    QFont heading = font();
    heading.setPointSize(26);
    heading.setBold(true);
    title->setFont(heading);
    hint = new QLabel(this);
    hint->setTextFormat(Qt::PlainText);
    hint->setWordWrap(true);
    layout->addWidget(title);
    layout->addWidget(hint);
    pages = new QStackedWidget(this);
    buttons = new QWidget(pages);
    new QGridLayout(buttons);
    review = new QLabel(pages);
    review->setTextFormat(Qt::PlainText);
    review->setWordWrap(true);
    review->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    pages->addWidget(buttons);
    pages->addWidget(review);
    layout->addWidget(pages, 1);
    layout->addLayout(buildButtons());
}

// The row of buttons under the pages, and what each does.
QHBoxLayout* KioskWindow::buildButtons()
{
    auto* row = new QHBoxLayout;
    startAgain = bigButton(tr("Not me: start again"), this);
    startAgain->setObjectName(QStringLiteral("startAgainButton"));
    back = bigButton(tr("Back"), this);
    back->setObjectName(QStringLiteral("backButton"));
    next = bigButton(tr("Next"), this);
    next->setObjectName(QStringLiteral("nextButton"));
    confirm = bigButton(tr("Yes, save my answer"), this);
    confirm->setObjectName(QStringLiteral("confirmButton"));
    for (QPushButton* b : {startAgain, back, next, confirm})
        row->addWidget(b);
    connect(startAgain, &QPushButton::clicked, this, [this] { showPupils(); });
    connect(back, &QPushButton::clicked, this, [this] {
        // Back goes through this pupil's own pages only; the first has no way back.
        if (pages->currentWidget() == review)
            showCriterion(questions.size() - 1);
        else if (current > 0)
            showCriterion(current - 1);
    });
    connect(next, &QPushButton::clicked, this, [this] {
        if (current + 1 < questions.size())
            showCriterion(current + 1);
        else
            showReview();
    });
    connect(confirm, &QPushButton::clicked, this, &KioskWindow::store);
    return row;
}

QString KioskWindow::pupilName(int subject) const
{
    const QString name = ClassList::instance().nameOf(subject);
    return name.isEmpty() ? tr("Number %1").arg(subject) : name;
}

QString KioskWindow::targetName(int subject) const
{
    // Without a class list the big targets carry the number alone, as the hint asks for
    // it: a word beside it would not fit a narrow screen in every language.
    const QString name = ClassList::instance().nameOf(subject);
    return name.isEmpty() ? QString::number(subject) : name;
}

void KioskWindow::fillTargets(const std::vector<std::pair<int, QString>>& items, bool checkable)
{
    auto* layout = static_cast<QGridLayout*>(buttons->layout());
    // The buttons of the pupil before are deleted, not hidden: nothing of their answer
    // stays behind on the screen.
    for (QPushButton* old : buttons->findChildren<QPushButton*>())
        delete old;
    const int columns = columnsFor(items.size());
    int i = 0;
    for (const auto& [subject, text] : items) {
        QPushButton* b = bigButton(text, buttons);
        b->setProperty("subject", subject);
        b->setCheckable(checkable);
        if (checkable)
            connect(b, &QPushButton::toggled, this, [this, b] { pickChanged(b); });
        else
            connect(b, &QPushButton::clicked, this, [this, subject] { choosePupil(subject); });
        layout->addWidget(b, i / columns, i % columns);
        ++i;
    }
    pages->setCurrentWidget(buttons);
}

void KioskWindow::showPupils(const QString& greeting)
{
    // The page a pupil confirmed on is emptied, not only hidden.
    review->clear();
    pupil = 0;
    picks.assign(questions.size(), {});
    current = 0;
    title->setText(greeting.isEmpty() ? tr("Who are you?") : greeting);
    hint->setText(ClassList::instance().loaded() ? tr("Touch your own name.")
                                                 : tr("Touch your own number."));
    std::vector<std::pair<int, QString>> items;
    for (int s = 1; s <= Global::GroupSize; ++s)
        items.emplace_back(s, answered(s) ? tr("\u2713 %1").arg(targetName(s)) : targetName(s));
    fillTargets(items, false);
    for (QPushButton* b : targets())
        b->setEnabled(!answered(b->property("subject").toInt()));
    for (QPushButton* b : {startAgain, back, next, confirm})
        b->hide();
}

void KioskWindow::choosePupil(int subject)
{
    if (answered(subject))
        return;
    pupil = subject;
    showCriterion(0);
}

void KioskWindow::showCriterion(std::size_t index)
{
    current = index;
    const Question& q = questions[index];
    const bool negative = q.type == Codes::AnswerType::Negative;
    title->setText((negative ? tr("Negative Criterion: ") : tr("Positive Criterion: ")) + q.text);
    hint->setText(
        negative
            ? tr("%1, touch up to %2 classmates, or Nobody.")
                  .arg(pupilName(pupil))
                  .arg(Global::MaxChoices)
            : tr("%1, touch up to %2 classmates.").arg(pupilName(pupil)).arg(Global::MaxChoices));
    std::vector<std::pair<int, QString>> items;
    for (int s = 1; s <= Global::GroupSize; ++s)
        if (s != pupil)
            items.emplace_back(s, targetName(s));
    if (negative)
        items.emplace_back(Nobody, tr("Nobody"));
    fillTargets(items, true);
    for (QPushButton* b : targets()) {
        const int s = b->property("subject").toInt();
        const auto& mine = picks[index];
        b->setChecked(s != Nobody && std::find(mine.begin(), mine.end(), s) != mine.end());
    }
    startAgain->show();
    back->setVisible(index > 0);
    next->show();
    confirm->hide();
}

void KioskWindow::pickChanged(QPushButton* button)
{
    const QList<QPushButton*> all = targets();
    // "Nobody" and classmates exclude each other.
    if (button->isChecked())
        for (QPushButton* b : all)
            if (b != button && b->isChecked() &&
                ((button->property("subject").toInt() == Nobody) ||
                 b->property("subject").toInt() == Nobody))
                b->setChecked(false);
    // The picks keep the order they were touched in: the first is choice 1.
    std::vector<int>& mine = picks[current];
    const int subject = button->property("subject").toInt();
    const auto at = std::find(mine.begin(), mine.end(), subject);
    if (button->isChecked() && subject != Nobody && at == mine.end())
        mine.push_back(subject);
    else if (!button->isChecked() && at != mine.end())
        mine.erase(at);
    int chosen = 0;
    for (QPushButton* b : all)
        chosen += b->isChecked() && b->property("subject").toInt() != Nobody;
    for (QPushButton* b : all)
        if (b->property("subject").toInt() != Nobody)
            b->setEnabled(b->isChecked() || chosen < Global::MaxChoices);
}

void KioskWindow::showReview()
{
    title->setText(tr("Is this right, %1?").arg(pupilName(pupil)));
    hint->setText(tr("These are your answers. Nobody else will see them."));
    review->setText(picksText());
    pages->setCurrentWidget(review);
    next->hide();
    back->show();
    confirm->show();
    confirm->setFocus();
}

QString KioskWindow::reviewText() const
{
    return review->text();
}

QString KioskWindow::picksText() const
{
    QStringList lines;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        QStringList names;
        for (int s : picks[i])
            names << pupilName(s);
        const bool negative = questions[i].type == Codes::AnswerType::Negative;
        lines << (negative ? tr("Negative Criterion: ") : tr("Positive Criterion: ")) +
                     questions[i].text;
        lines << u"    "_qs + (names.isEmpty() ? tr("Nobody") : names.join(QStringLiteral(", ")));
    }
    return lines.join(u'\n');
}

void KioskWindow::store()
{
    KioskAnswer answer{pupil, {}, {}};
    for (std::size_t i = 0; i < questions.size(); ++i)
        (questions[i].type == Codes::AnswerType::Negative ? answer.negative : answer.positive) =
            picks[i];
    if (!storeKioskAnswer(answer, grid)) {
        // The error report has spoken; the pupil may try again.
        showReview();
        return;
    }
    done.insert(pupil);
    showPupils(tr("Thank you! Pass the computer on to the next pupil."));
}

void KioskWindow::clearMarks()
{
    if (done.empty() || pupil != 0)
        return;
    if (MsgBox(tr("Teacher: let every pupil marked as done answer again?"), Buttons::YesNo,
               Icon::Question, tr("Pupils Answer Here")) != Answer::Yes)
        return;
    done.clear();
    showPupils();
}

void KioskWindow::start()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) {
            hidden.emplace_back(w);
            w->hide();
        }
    // Without a window manager full screen is only a wish: the screen's size is set too.
    if (QScreen* at = screen())
        setGeometry(at->geometry());
    showFullScreen();
    raise();
    activateWindow();
}

bool KioskWindow::endRound()
{
    // Yes, the button Enter presses, goes on: a pupil who found the chord by chance and
    // presses Enter or Y keeps the round running.
    const QString question =
        tr("Teacher only: do the pupils go on answering?\n\nYes goes on. No ends the round "
           "and shows the program's windows again; every answer confirmed is stored.");
    if (MsgBox(question, Buttons::YesNo, Icon::Question, tr("Pupils Answer Here")) != Answer::No)
        return false;
    ended = true;
    for (const QPointer<QWidget>& w : hidden)
        if (w)
            w->show();
    hidden.clear();
    close();
    return true;
}

void KioskWindow::closeEvent(QCloseEvent* event)
{
    // Alt+F4 or the window manager's close would end the round behind the teacher's back.
    if (ended)
        event->accept();
    else
        event->ignore();
}

KioskWindow* startPupilsRound(DataState& state)
{
    // The answers go straight to the file, beside what it holds: the grid is stored
    // first, so that nothing keyed is lost or mixed in.
    if (Global::CurrentRecord == 0 || state.gridChanged()) {
        if (MsgBox(KioskWindow::tr("The grid is saved before the pupils answer. Save it now?"),
                   Buttons::YesNo, Icon::Question) != Answer::Yes)
            return nullptr;
        if (!state.SaveChanges(state.answerTypeInView()))
            return nullptr;
    }
    auto* kiosk = new KioskWindow(state.grid(), pupilsWithAnswers());
    kiosk->start();
    return kiosk;
}

KioskWindow::Page KioskWindow::page() const
{
    if (pages->currentWidget() == review)
        return Page::Review;
    return pupil == 0 ? Page::Pupils : Page::Criterion;
}

QList<QPushButton*> KioskWindow::targets() const
{
    return buttons->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
}
