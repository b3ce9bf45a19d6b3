#pragma once
// The subject labels of the sociogram window as plain data. Element 0 is the hidden
// template; elements 1 to 40 are created at run time as copies of it, one per
// subject, captioned with the subject number. The window shows whatever this set
// holds; layouts, the drawing and printing read it without a window.

#include "errorreport.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

struct SubjectLabel {
    float Left = 0;
    float Top = 0;
    float Width = 360;
    float Height = 360;
    QString Caption = QStringLiteral("1");
    QString Tag; // the Target layout's ring radius, as decimal text
    bool Visible = false;
};

class LabelSet {
public:
    static constexpr int MaxIndex = 40;

    LabelSet();

    // The hidden template, element 0: never shown or moved.
    const SubjectLabel& Template() const { return labels[0].value(); }

    // Creates label i as a visible copy of the template with caption i. Fails with
    // 360 when the label exists already and with 9 when i is outside 1 to 40.
    std::optional<Failure> load(int i);
    bool exists(int i) const;
    SubjectLabel* get(int i);
    const SubjectLabel* get(int i) const;
    // Moves label i; false when it does not exist.
    bool move(int i, float left, float top);
    // Removes every run-time label; the template stays.
    void unloadAll();
    // Highest index in use (0 when only the template exists).
    int highestIndex() const;

    // Told after labels were created, moved or removed, so that a view can follow.
    std::function<void()> changed;

private:
    void notify();
    std::array<std::optional<SubjectLabel>, MaxIndex + 1> labels;
};
