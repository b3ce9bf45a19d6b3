#pragma once
// The pupils' names of the studies opened in this run, from the teacher's own class-list
// file or typed in the Class List window. Names are personal data a study file is often
// shared without: they live here until the program ends and are never handed to the store.
// Keyed by the study's record number, 0 for a study never stored.

#include "subjectnames.h"

#include <QObject>
#include <cstdint>

class ClassList : public QObject {
    Q_OBJECT
public:
    static ClassList& instance();

    // The names of a study's subjects as the cores take them. Empty when no list was
    // given for the study.
    SubjectNames names(std::int32_t study) const;
    // Replaces the study's list; a list of empty names takes it away.
    void setNames(std::int32_t study, const SubjectNames& names);
    void forget(std::int32_t study);
    // A study stored for the first time takes its list to its new number.
    void moveTo(std::int32_t from, std::int32_t to);

    // Of the study the program holds (Global::CurrentRecord).
    bool loaded() const;
    SubjectNames currentNames() const;
    QString nameOf(int subject) const; // empty when the subject has none
    // "7 Anna" with a name, "7" without.
    QString numberAndName(int subject) const;

    // Back to the start of the run, for tests that need a clean program.
    void forgetAll();

Q_SIGNALS:
    void changed();

private:
    ClassList() = default;
};
