// The smallest Qt Widgets program that shows a window: the yardstick for the
// program's cold start and resident memory. With "startup" it quits as soon as its
// window is up; with "memory" it prints its resident set size first.

#include <QApplication>
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

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool memory = argc > 1 && qstrcmp(argv[1], "memory") == 0;
    QLabel window(QStringLiteral("Minimal"));
    window.resize(322, 250);
    window.show();
    QTimer::singleShot(0, &app, [&] {
        if (memory)
            std::printf("%ld\n", residentKilobytes());
        app.quit();
    });
    return QApplication::exec();
}
