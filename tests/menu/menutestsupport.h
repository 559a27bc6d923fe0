#ifndef MENUTESTSUPPORT_H
#define MENUTESTSUPPORT_H

#include "filesavechain.h"
#include "scratchroots.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QObject>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

// Helpers shared by the menu and day-part tests.
namespace MenuTest {

inline QString fixture(const QString &name)
{
    return QStringLiteral(MENU_FIXTURES "/") + name;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Copies a fixture into the data root under `target`.
inline bool placeFixture(const ScratchRoots &roots, const QString &name, const QString &target)
{
    const QByteArray data = readFile(fixture(name));
    return (!data.isEmpty() || QFileInfo(fixture(name)).size() == 0) && roots.writeRootFile(target, data);
}

inline QJsonDocument jsonOf(const QByteArray &text)
{
    return QJsonDocument::fromJson(text);
}

// Every role of every row, for comparing two models.
inline QList<QMap<int, QVariant>> rowsOf(const QStandardItemModel *model)
{
    QList<QMap<int, QVariant>> rows;
    for (int r = 0; r < model->rowCount(); ++r)
        rows << model->itemData(model->index(r, 0));
    return rows;
}

// The save chain of a manager, found by its object name.
inline FileSaveChain *chainOf(QObject *owner, const char *chainName)
{
    return owner->findChild<FileSaveChain *>(QString::fromLatin1(chainName));
}

// Lets the event loop run until the chain (and any save queued behind it) has ended.
inline bool waitUntilIdle(FileSaveChain *chain, int timeoutMs = 10000)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (chain && chain->isBusy() && elapsed.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return chain && !chain->isBusy();
}

// The stand-in calls with the detached sync that ends each chain included: it may log
// a moment after the chain has ended.
inline QStringList waitForToolCalls(const ScratchRoots &roots, int count, int timeoutMs = 5000)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (roots.toolCalls().size() < count && elapsed.elapsed() < timeoutMs)
        QTest::qWait(10);
    return roots.toolCalls();
}

} // namespace MenuTest

#endif // MENUTESTSUPPORT_H
