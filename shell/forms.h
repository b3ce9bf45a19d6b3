#pragma once
// How one window reaches another. Each window lives in its own library; the
// program's entry point connects them here, so that no library depends on a
// window that opens it.

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace Forms {

inline std::function<void()> ShowInfoForm;
inline std::function<void()> ShowLoadForm;
inline std::function<void()> ShowDataForm;
inline std::function<void()> ShowDrawForm;
inline std::function<void()> UnloadInfoForm;
// Closes the sociogram window, which asks its own question about its arrangement.
inline std::function<void()> UnloadDrawForm;
// Before another study takes the globals: the open data window asks about its unsaved
// changes (saving them to its own study) and closes. False when the user chose Cancel,
// and everything stays as it was.
inline std::function<bool()> SettleDataForm;
// The data window's Analysis command: the analysis window shows the choices of the
// study in the data window.
inline std::function<void(QWidget* parent)> ShowAnalysis;
// The data window's Groups command: the groups window works on the same choices.
inline std::function<void(QWidget* parent)> ShowGroups;
// The data window's Import Choices command: reads a file into the data window's grid;
// true when the grid's choices were replaced.
inline std::function<bool(QWidget* parent)> ImportChoices;

inline bool mayChangeStudy()
{
    return !SettleDataForm || SettleDataForm();
}

// Before the program ends: each asks its window's save question when something is
// unsaved; false means the user chose Cancel and the program keeps running.
inline std::function<bool()> DataFormMayEnd;
inline std::function<bool()> DrawFormMayEnd;

// Colours the open sociogram's labels by group (the group, from 0, of subject i at
// i; an empty list gives the labels their own colour back). False when no
// sociogram window is open.
inline std::function<bool(const QList<int>& groups)> ShowGroupsOnSociogram;

inline void call(const std::function<void()>& f)
{
    if (f)
        f();
}

} // namespace Forms
