#include "probe.h"

#include "choicegrid.h"
#include "drawform.h"
#include "globals.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <cstdio>

namespace {

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// A never-stored study held only in memory: the Target layout reads the grid, and
// nothing of it reaches the file.
void openLargestSociogram()
{
    constexpr int subjects = 40;
    constexpr int choices = 10;
    Global::NewProject = Global::False;
    Global::CurrentRecord = 0;
    Global::GroupSize = subjects;
    Global::MaxChoices = choices;
    Global::CriterionType = Codes::CriterionType::Positive;
    Global::CurrentCriterion = Codes::AnswerType::Positive;
    Global::SociogramType = Codes::SociogramType::Target;
    ChoiceGrid& grid = DataGrid();
    grid.setShape(subjects + 2, choices + 1);
    for (int s = 1; s <= subjects; ++s) {
        grid.setTextMatrix(s + 1, 0, QString::number(s));
        for (int c = 1; c <= choices; ++c)
            grid.setTextMatrix(s + 1, c, QString::number((s + c * 3 - 1) % subjects + 1));
    }
    showDrawForm(QString());
}

// Ends the run as the first frame is painted: the paint under way finishes, and nothing
// queued behind it runs. The minimal window the start is measured against stops there too.
class QuitAtFirstFrame : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QCoreApplication::exit(0);
        return false;
    }
};

} // namespace

QString probeFromArguments(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--probe"));
    if (at < 0 || at + 1 >= arguments.size())
        return {};
    return arguments.at(at + 1);
}

void runProbe(const QString& probe)
{
    if (probe == QLatin1String("memory")) {
        QTimer::singleShot(0, [] {
            openLargestSociogram();
            QTimer::singleShot(0, [] {
                std::printf("%ld\n", residentKilobytes());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        });
    } else if (probe == QLatin1String("startup")) {
        auto* quit = new QuitAtFirstFrame;
        quit->setParent(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(quit);
    }
}
