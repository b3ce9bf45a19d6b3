#pragma once
// "Import &Form Responses...": the responses a form tool exported, one row per pupil,
// into the grids of the study's criteria. A small dialog says what each column holds.

#include "filedialogs.h"
#include "formresponses.h"

#include <QDialog>
#include <functional>
#include <vector>

class DataState;
class QComboBox;

// The columns of the file, each with a box saying what it holds, over its first rows.
class FormColumnsDialog : public QDialog {
    Q_OBJECT
public:
    FormColumnsDialog(const FormSheet& sheet, const std::vector<FormRole>& guessed,
                      int criterionType, QWidget* parent = nullptr);
    std::vector<FormRole> roles() const;
    QComboBox* roleBox(int column) const; // from 0
    // The rows shown, at most this many.
    static constexpr int RowsShown = 5;

private:
    std::vector<QComboBox*> boxes;
};

// Asks for the file, the columns, and before choices already in the grids change; true
// when the grids of the data window's study took rows of the file.
bool ImportFormResponses(DataState& state, QWidget* parent);
bool ImportFormResponsesFrom(const QString& path, DataState& state, QWidget* parent);

// Tests answer the file dialog and the columns dialog here; the runner returns true for OK.
FileNameAsker& formFileName();
using FormColumnsRunner = std::function<bool(FormColumnsDialog& dialog)>;
void setFormColumnsRunner(FormColumnsRunner runner);
