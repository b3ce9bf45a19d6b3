// Saving the full grid of the largest study (40 subjects x 10 choices, 400 answers)
// through the data window's SaveChanges, beside a bare transaction that writes the
// same header and rows with prepared statements on a connection kept open. The gap
// is what the program adds: opening and closing the file on every save, the error
// report around each step and reading the answers back out of the grid's texts.

#include "choicegrid.h"
#include "datastate.h"
#include "globals.h"
#include "testdb.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

constexpr int Subjects = 40;
constexpr int Slots = 10;
constexpr int AnswersPerSave = Subjects * Slots;

int answerOf(int row, int col)
{
    return 1 + (row + col) % Subjects;
}

void studyOfForty()
{
    Global::RefName = QStringLiteral("Bench");
    Global::GroupSize = Subjects;
    Global::MaxChoices = Slots;
    Global::Question = QStringLiteral("Whom would you like to sit beside?");
    Global::CriterionType = Codes::CriterionType::Positive;
    Global::CurrentRecord = 0;
}

void fillFullGrid(ChoiceGrid& grid)
{
    for (int r = ChoiceGrid::FixedRows; r < grid.Rows(); ++r)
        for (int c = ChoiceGrid::FixedCols; c < grid.Cols(); ++c)
            grid.setTextMatrix(r, c, QString::number(answerOf(r, c)));
}

bool run(QSqlQuery& q)
{
    if (q.exec())
        return true;
    qWarning("%s", qPrintable(q.lastError().text()));
    return false;
}

// The bare save: one transaction, the header updated, the answers deleted and the
// 400 rows inserted through one prepared statement.
void saveRepeatedly(benchmark::State& state, const QSqlDatabase& connection, int record)
{
    QSqlQuery begin(connection), commit(connection), header(connection), remove(connection),
        insert(connection);
    begin.prepare(QStringLiteral("BEGIN IMMEDIATE"));
    commit.prepare(QStringLiteral("COMMIT"));
    header.prepare(QStringLiteral("UPDATE SOCIOMETRY SET NAME = ?, GROUPSIZE = ?, CHOICES = ?, "
                                  "QUESTION = ?, CRITERIONTYPE = ? WHERE RECORD = ?"));
    remove.prepare(QStringLiteral("DELETE FROM SOCIDATA WHERE HEADER = ?"));
    insert.prepare(QStringLiteral("INSERT INTO SOCIDATA (HEADER, CHOICE, INDIVIDUAL, ANSWER, "
                                  "ANSWERTYPE) VALUES (?, ?, ?, ?, ?)"));
    const QVariantList headerValues{QStringLiteral("Bench"),
                                    Subjects,
                                    Slots,
                                    QStringLiteral("Whom would you like to sit beside?"),
                                    1,
                                    record};
    for (int i = 0; i < headerValues.size(); ++i)
        header.bindValue(i, headerValues[i]);
    remove.bindValue(0, record);
    for (auto _ : state) {
        bool ok = run(begin) && run(header) && run(remove);
        for (int r = ChoiceGrid::FixedRows; ok && r < Subjects + 2; ++r) {
            for (int c = ChoiceGrid::FixedCols; ok && c <= Slots; ++c) {
                insert.bindValue(0, record);
                insert.bindValue(1, c);
                insert.bindValue(2, r);
                insert.bindValue(3, double(answerOf(r, c)));
                insert.bindValue(4, 1);
                ok = run(insert);
            }
        }
        if (!ok || !run(commit)) {
            state.SkipWithError("bare save failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * AnswersPerSave);
}

void BM_Save_Baseline_BareTransaction(benchmark::State& state)
{
    Global::reset();
    TestDatabase db;
    if (!db.isValid() ||
        !db.exec(QStringLiteral("INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, QUESTION, "
                                "CRITERIONTYPE) VALUES ('Bench', 40, 10, 'Who?', 1)"))) {
        state.SkipWithError("no database");
        return;
    }
    const int record = db.scalar(QStringLiteral("SELECT max(RECORD) FROM SOCIOMETRY")).toInt();
    const QString name = QStringLiteral("bench-bare");
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        connection.setDatabaseName(db.path());
        // The statements go before the connection closes.
        if (connection.open())
            saveRepeatedly(state, connection, record);
        else
            state.SkipWithError("cannot open the database");
        connection.close();
    }
    QSqlDatabase::removeDatabase(name);
}
BENCHMARK(BM_Save_Baseline_BareTransaction)->Unit(benchmark::kMillisecond);

void BM_Save_SaveChanges(benchmark::State& state)
{
    Global::reset();
    TestDatabase db;
    if (!db.isValid()) {
        state.SkipWithError("no database");
        return;
    }
    studyOfForty();
    DataState data;
    data.SetGrid();
    fillFullGrid(data.grid());
    // The first save makes the study; every save measured rewrites it, as the data
    // window's later saves do.
    if (!data.SaveChanges(DataState::PositiveAnswer)) {
        state.SkipWithError("first save failed");
        return;
    }
    for (auto _ : state) {
        if (!data.SaveChanges(DataState::PositiveAnswer)) {
            state.SkipWithError("save failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * AnswersPerSave);
    if (db.scalar(QStringLiteral("SELECT count(*) FROM SOCIDATA")).toInt() != AnswersPerSave)
        state.SkipWithError("the file does not hold one grid's answers");
}
BENCHMARK(BM_Save_SaveChanges)->Unit(benchmark::kMillisecond);

} // namespace
