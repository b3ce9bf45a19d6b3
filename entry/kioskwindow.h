#pragma once
// "Pupils &Answer Here...": one computer passed round the class. A full-screen window
// where a pupil picks their own name, ticks classmates for each criterion, sees their
// own picks once more and confirms; the answer is stored at once and the screen clears
// to the list of pupils. Nothing shows another pupil's answer, and only the teacher's
// Ctrl+Alt+Q, confirmed, ends the round and brings the other windows back.

#include <QPointer>
#include <QWidget>
#include <set>
#include <vector>

class ChoiceGrid;
class DataState;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStackedWidget;

class KioskWindow : public QWidget {
    Q_OBJECT
public:
    // `answered`: the pupils marked as done from the start.
    explicit KioskWindow(ChoiceGrid& grid, std::set<int> answered = {});

    // Hides the program's other windows and fills the screen until the round ends.
    void start();
    // Asks the teacher and, on Yes, ends the round. True when it ended.
    bool endRound();

    enum class Page { Pupils, Criterion, Review };
    Page page() const;
    // The big buttons of the page in view: pupils, or classmates (and "Nobody").
    QList<QPushButton*> targets() const;
    QString reviewText() const; // the review page's text, whether shown or not
    bool answered(int pupil) const { return done.count(pupil) > 0; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Question {
        int type; // answer type
        QString text;
    };

    void buildPages();
    QHBoxLayout* buildButtons();
    void showPupils(const QString& greeting = {});
    void choosePupil(int pupil);
    void showCriterion(std::size_t index);
    void showReview();
    void store();
    void clearMarks();
    void fillTargets(const std::vector<std::pair<int, QString>>& items, bool checkable);
    void pickChanged(QPushButton* button);
    QString pupilName(int pupil) const;
    // A pupil on a target: the name, or without a class list the number alone.
    QString targetName(int pupil) const;
    QString picksText() const;

    ChoiceGrid& grid;
    std::vector<Question> questions;
    QStackedWidget* pages = nullptr;
    QLabel* title = nullptr;
    QLabel* hint = nullptr;
    QWidget* buttons = nullptr;
    QLabel* review = nullptr;
    QPushButton* next = nullptr;
    QPushButton* back = nullptr;
    QPushButton* startAgain = nullptr;
    QPushButton* confirm = nullptr;
    std::vector<QPointer<QWidget>> hidden;
    std::set<int> done;
    // The pupil in progress, their picks by question, and the question in view.
    int pupil = 0;
    std::vector<std::vector<int>> picks;
    std::size_t current = 0;
    bool ended = false;
};

// Starts a round for the data window's study, saving its grid first (the user is asked);
// the round's window, or nothing when none started.
KioskWindow* startPupilsRound(DataState& state);
