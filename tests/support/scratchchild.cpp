// A test program at work, for the test that stops one by a signal: it makes what tests
// make (scratch roots, temporary folders, a QML component compiled to the disk cache),
// says "working" once the cache is written, and goes on writing until stopped, or for
// the given number of milliseconds.
#include "scratchroots.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <cstdio>

static bool cacheWritten()
{
    QDirIterator it(qEnvironmentVariable("TUL_TEST_SCRATCH"), {QStringLiteral("*.qmlc")}, QDir::Files,
                    QDirIterator::Subdirectories);
    return it.hasNext();
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int workMs = argc > 1 ? QByteArray(argv[1]).toInt() : 30000;

    ScratchRoots roots;
    QTemporaryDir work;
    if (!roots.isValid() || !work.isValid() || !roots.writeRootFile(QStringLiteral("a.txt"), "a"))
        return 2;
    QFile qml(work.filePath(QStringLiteral("Item.qml")));
    if (!qml.open(QIODevice::WriteOnly) || qml.write("import QtQml 2.15\nQtObject { property int n: 1 }\n") < 0)
        return 2;
    qml.close();
    QQmlEngine engine;
    QQmlComponent component(&engine, QUrl::fromLocalFile(qml.fileName()));
    QScopedPointer<QObject> object(component.create());
    if (!object || !cacheWritten()) {
        std::fprintf(stderr, "no QML cache in the scratch folder\n");
        return 3;
    }
    std::printf("working\n");
    std::fflush(stdout);
    for (int ms = 0; ms < workMs; ms += 20) {
        QFile more(work.filePath(QStringLiteral("f%1").arg(ms % 400)));
        if (more.open(QIODevice::WriteOnly))
            more.write("x");
        QThread::msleep(20);
    }
    return 0;
}
