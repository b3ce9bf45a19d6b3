// The smallest Qt Widgets program that shows a window: the yardstick for the
// program's cold start and resident memory. With "startup" it quits as its window's
// first frame is painted, as the program's probe does; with "memory" it prints its
// resident set size once its window is up, and quits.

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <cstdio>

static long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// Ends the run as the first frame is painted; the paint under way finishes.
class QuitAtFirstFrame : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QCoreApplication::exit(0);
        return false;
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool memory = argc > 1 && qstrcmp(argv[1], "memory") == 0;
    QLabel window(QStringLiteral("Minimal"));
    window.resize(322, 250);
    window.show();
    QuitAtFirstFrame firstFrame;
    if (memory) {
        QTimer::singleShot(0, &app, [&] {
            std::printf("%ld\n", residentKilobytes());
            app.quit();
        });
    } else {
        app.installEventFilter(&firstFrame);
    }
    return QApplication::exec();
}
