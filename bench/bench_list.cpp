// Filling the project list from a database of 10,000 studies, beside the bare query
// that reads the same NAME and RECORD values in the same order.

#include "globals.h"
#include "projectlist.h"
#include "testdb.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Studies = 10000;

// One database for every case, made once: its studies carry names of varying length.
class ManyStudies {
public:
    ManyStudies()
    {
        path = dir.filePath(QStringLiteral("KELVAROX.MDB"));
        ready = dir.isValid() && TestDatabase::create(path) && fill();
        Global::AppPath = dir.path() + u'/';
    }
    ~ManyStudies() { QSqlDatabase::removeDatabase(QStringLiteral("bench-list-fill")); }

    bool ready = false;
    QString path;

private:
    bool fill()
    {
        bool ok = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                        QStringLiteral("bench-list-fill"));
            db.setDatabaseName(path);
            ok = db.open() && db.transaction();
            QSqlQuery q(db);
            ok =
                ok && q.prepare(QStringLiteral("INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, "
                                               "QUESTION, CRITERIONTYPE) VALUES (?, 24, 3, ?, 1)"));
            for (int i = 1; ok && i <= Studies; ++i) {
                q.bindValue(0, QStringLiteral("Class %1 of year %2").arg(i).arg(1980 + i % 40));
                q.bindValue(1, QStringLiteral("Who would you like to work with?"));
                ok = q.exec();
            }
            ok = ok && db.commit();
            db.close();
        }
        return ok;
    }

    QTemporaryDir dir;
};

ManyStudies& manyStudies()
{
    static ManyStudies db;
    return db;
}

void BM_List_Baseline_BareQuery(benchmark::State& state)
{
    ManyStudies& data = manyStudies();
    if (!data.ready) {
        state.SkipWithError("the database of 10,000 studies could not be made");
        return;
    }
    for (auto _ : state) {
        std::size_t rows = 0;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                        QStringLiteral("bench-list-bare"));
            db.setDatabaseName(data.path);
            db.open();
            QSqlQuery q(db);
            q.setForwardOnly(true);
            q.exec(QStringLiteral("SELECT NAME, RECORD FROM SOCIOMETRY ORDER BY RECORD"));
            while (q.next()) {
                QString name = q.value(0).toString();
                benchmark::DoNotOptimize(name);
                benchmark::DoNotOptimize(q.value(1).toInt());
                ++rows;
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench-list-bare"));
        benchmark::DoNotOptimize(rows);
    }
    state.SetItemsProcessed(state.iterations() * Studies);
}
BENCHMARK(BM_List_Baseline_BareQuery)->Unit(benchmark::kMillisecond);

void BM_List_Fill(benchmark::State& state)
{
    ManyStudies& data = manyStudies();
    if (!data.ready) {
        state.SkipWithError("the database of 10,000 studies could not be made");
        return;
    }
    for (auto _ : state) {
        std::vector<ProjectEntry> list = readProjectList();
        if (list.size() != static_cast<std::size_t>(Studies)) {
            state.SkipWithError("the list did not hold every study");
            break;
        }
        benchmark::DoNotOptimize(list.data());
    }
    state.SetItemsProcessed(state.iterations() * Studies);
}
BENCHMARK(BM_List_Fill)->Unit(benchmark::kMillisecond);

} // namespace
