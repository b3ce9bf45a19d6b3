#pragma once
// The small list the Compare With command picks the other survey from: the stored
// studies the open one can be compared with, by name and record. Arrows choose,
// Return takes the one chosen, Escape leaves.

#include "storedsurvey.h"

#include <QDialog>
#include <optional>
#include <vector>

class QListWidget;

class StudyPicker : public QDialog {
    Q_OBJECT
public:
    StudyPicker(std::vector<StoredStudy> studies, QWidget* parent = nullptr);

    // The study of the row chosen; nothing when none is.
    std::optional<StoredStudy> chosen() const;

    // "Class 4b (record 3)", or "(no name) (record 3)".
    static QString itemText(const StoredStudy& study);

private:
    std::vector<StoredStudy> studies;
    QListWidget* shown = nullptr;
};
