#pragma once
// A stored study shown in the data grid, and the sociogram window opened on it: what
// the sociogram window's tests start from.

#include "choicegrid.h"
#include "drawform.h"
#include "globals.h"
#include "testdb.h"
#include "windows.h"

#include <QtTest>
#include <utility>
#include <vector>

namespace SociogramTest {

// A stored study of `size` subjects with one choice slot, the given positive choices
// (chooser, chosen) in the data window's grid.
inline void defineStudy(TestDatabase& db, int size, const std::vector<std::pair<int, int>>& choices)
{
    Global::CurrentRecord =
        db.addStudy(QStringLiteral("Class"), size, 1, QStringLiteral("Who?"), 1);
    Global::NewProject = Global::False;
    Global::GroupSize = size;
    Global::MaxChoices = 1;
    Global::CriterionType = 1;
    Global::CurrentCriterion = 1;
    ChoiceGrid& grid = DataGrid();
    grid.setShape(size + 2, 2);
    grid.clearChoices();
    for (int s = 1; s <= size; ++s)
        grid.setTextMatrix(s + 1, 0, QString::number(s));
    for (auto [chooser, chosen] : choices)
        grid.setTextMatrix(chooser + 1, 1, QString::number(chosen));
}

inline DrawForm* openSociogram(int type)
{
    Global::SociogramType = Global::Integer(type);
    showDrawForm(QString());
    DrawForm* form = SingleInstance<DrawForm>::ifLoaded();
    if (form)
        (void)QTest::qWaitForWindowExposed(form);
    return form;
}

} // namespace SociogramTest
