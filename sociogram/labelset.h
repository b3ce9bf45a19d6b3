#pragma once
// The subject labels of the sociogram window as plain data. Element 0 is the hidden
// template; elements 1 to 40 are created at run time as copies of it, one per
// subject, captioned with the subject number. The window paints whatever this set
// holds; the layout steps, the drawing and printing read it without a window.

#include "codes.h"
#include "errorreport.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

struct SubjectLabel {
    float Left = 0;
    float Top = 0;
    float Width = Codes::Geometry::LabelSide;
    float Height = Codes::Geometry::LabelSide;
    QString Caption = QStringLiteral("1");
    QString Tag; // the Target layout's ring radius, as decimal text
    bool Visible = false;
};

class LabelSet : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxIndex = Codes::MaxSubjects;
    // An index a label can have: 1..MaxIndex.
    static constexpr bool isIndex(long long i) { return i >= 1 && i <= MaxIndex; }

    LabelSet();

    // The hidden template, element 0: never shown or moved.
    const SubjectLabel& Template() const { return labels[0].value(); }

    // Creates label i as a visible copy of the template with caption i. Fails with
    // 360 when the label exists already and with 9 when i is outside 1 to 40.
    std::optional<Failure> load(int i);
    bool exists(int i) const;
    const SubjectLabel* get(int i) const;
    // Moves label i; false when it does not exist.
    bool move(int i, float left, float top);
    // Sets label i's tag; false when it does not exist.
    bool setTag(int i, const QString& tag);
    // Removes every run-time label; the template stays.
    void unloadAll();
    // Highest index in use (0 when only the template exists).
    int highestIndex() const;

Q_SIGNALS:
    // Labels were created, moved, tagged or removed.
    void changed();

private:
    std::array<std::optional<SubjectLabel>, MaxIndex + 1> labels;
};
