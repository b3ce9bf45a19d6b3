#pragma once
// How one window reaches another. Each window lives in its own library; the
// program's entry point connects them here, so that no library depends on a
// window that opens it.

#include "tiechange.h"

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace Forms {

enum class Window {
    Info,
    Load,
    Data,
    Draw,
    // The data window's Analysis and Groups commands: these work on the choices of the
    // study in the data window.
    Analysis,
    Groups,
    // The data window's Class List command: the pupils' names of its study.
    ClassList,
    // The data window's Compare With command: picks another stored survey of the class
    // and compares the study in the data window with it.
    Compare,
};
// Opens the window, or brings it forward when it is open; `parent` is the window that
// asked, where it matters.
inline std::function<void(Window window, QWidget* parent)> Show;

inline std::function<void()> UnloadInfoForm;
// Closes the sociogram window, which asks its own question about its arrangement.
inline std::function<void()> UnloadDrawForm;
// Before another study takes the globals: the open data window asks about its unsaved
// changes (saving them to its own study) and closes. False when the user chose Cancel,
// and everything stays as it was.
inline std::function<bool()> SettleDataForm;
// A study is about to be deleted: when it is the one in the data window, that window
// and its sociogram close first, asking nothing, so no later save writes it back.
inline std::function<void(long record)> CloseDeletedStudy;
// Help > Open Example Class: stores the example's two surveys when the file lacks
// them and opens the spring one in the data window; true when it is open.
inline std::function<bool()> OpenExample;
// The data window's Class Report command: prints the report of the study in the data
// window, after asking what it carries.
inline std::function<void(QWidget* parent)> PrintClassReport;
// The data window's Import Choices command: reads a file into the data window's grid;
// true when the grid's choices were replaced.
inline std::function<bool(QWidget* parent)> ImportChoices;
// The data window's Import Form Responses command: fills the grids of the study's criteria
// from a form's responses; true when a grid took any.
inline std::function<bool(QWidget* parent)> ImportFormResponses;
// The data window's Print Ballots command: slips for the study in the globals.
inline std::function<bool(QWidget* parent)> PrintBallots;

// Before the program ends each window, in turn, asks its save question when something
// is unsaved; false means the user chose Cancel and the program keeps running.
inline QList<std::function<bool()>> MayEnd;

// Colours the open sociogram's labels by group (the group, from 0, of subject i at
// i; an empty list gives the labels their own colour back). False when no
// sociogram window is open.
inline std::function<bool(const QList<int>& groups)> ShowGroupsOnSociogram;

// Draws two surveys' ties on the sociogram of the study in the data window, kept, new and
// gone told apart, the labels where they stand; `comparedWith` names the other survey for
// the key and the title. Opens the sociogram when none is open. Empty ties put the study's
// own choices back. False when no sociogram could be shown.
inline std::function<bool(const TieChanges& ties, const QString& comparedWith)>
    ShowChangesOnSociogram;

inline void show(Window window, QWidget* parent = nullptr)
{
    if (Show)
        Show(window, parent);
}

inline void call(const std::function<void()>& f)
{
    if (f)
        f();
}

inline bool mayChangeStudy()
{
    return !SettleDataForm || SettleDataForm();
}

// Cancel on one question leaves the later ones unasked.
inline bool mayEnd()
{
    for (const std::function<bool()>& ask : MayEnd)
        if (!ask())
            return false;
    return true;
}

} // namespace Forms
