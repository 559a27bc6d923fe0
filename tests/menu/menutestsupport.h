#ifndef MENUTESTSUPPORT_H
#define MENUTESTSUPPORT_H

#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "filesavechain.h"
#include "menumanager.h"
#include "roleitemmodel.h"
#include "scratchroots.h"
#include "translator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QObject>
#include <QProcess>
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

// The named roles of one row joined by '|' (lists joined by ','), to compare in one go.
inline QString fieldsOf(const QAbstractItemModel *model, int row, const char *roles)
{
    const QHash<int, QByteArray> names = model->roleNames();
    QStringList values;
    for (const QByteArray &name : QByteArray(roles).split(' ')) {
        const QVariant v = model->index(row, 0).data(names.key(name, -1));
        values << (v.type() == QVariant::StringList ? v.toStringList().join(',') : v.toString());
    }
    return values.join('|');
}

// One role of every row joined by ','.
inline QString columnOf(const QAbstractItemModel *model, const char *role)
{
    QStringList values;
    for (int r = 0; r < model->rowCount(); ++r)
        values << fieldsOf(model, r, role);
    return values.join(',');
}

// The live grid of a day part: the product ids of its bins, trailing empty bins left out.
inline QString gridOf(const DayPartManager *dayParts, int dayPart, int bins = 20)
{
    QStringList ids;
    for (int bin = 0; bin < bins; ++bin)
        ids << QString::number(dayParts->getProdIdOnBin(dayPart, bin));
    while (!ids.isEmpty() && ids.last() == QLatin1String("0"))
        ids.removeLast();
    return ids.join(',');
}

// The day parts in use, in order.
inline QString inUseOf(const DayPartManager *dayParts)
{
    QStringList parts;
    for (int i = 0; i < dayParts->getDayPartsToUseCount(); ++i)
        parts << QString::number(dayParts->getDayPartToUse(i));
    return parts.join(',');
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

// The save's wrap-up slot takes the end of the save's own commands only. Rows: who calls
// it (no sender, or a process of that name that is not the save's) and whether a save runs.
inline void addWrapUpRows()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QProcess::ExitStatus>("exitStatus");
    QTest::addColumn<bool>("saving");
    QTest::newRow("no sender") << "" << QProcess::NormalExit << false;
    QTest::newRow("no sender, crashed") << "" << QProcess::CrashExit << false;
    QTest::newRow("no sender, during a save") << "" << QProcess::NormalExit << true;
    QTest::newRow("another syncCommand, during a save") << "syncCommand" << QProcess::NormalExit << true;
    QTest::newRow("another mvCommand, during a save") << "mvCommand" << QProcess::NormalExit << true;
    QTest::newRow("another mvCommand, no save") << "mvCommand" << QProcess::NormalExit << false;
}

// Calls `slot(int, QProcess::ExitStatus)` of `owner` for a row of addWrapUpRows, then
// checks that nothing moved: no file replaced, nothing sent, a running save still
// running; and that the running save ends as usual, sending `sent` once.
inline void checkWrapUpRow(QObject *owner, const char *slot, FileSaveChain *chain, const std::function<bool()> &save,
                           const FakeCabinetCore &core, const QStringList &sent)
{
    QFETCH(QString, sender);
    QFETCH(QProcess::ExitStatus, exitStatus);
    QFETCH(bool, saving);
    const QByteArray before = readFile(chain->targetPath());
    if (saving)
        QVERIFY(save());
    if (sender.isEmpty()) {
        QVERIFY(QMetaObject::invokeMethod(owner, slot, Q_ARG(int, 0), Q_ARG(QProcess::ExitStatus, exitStatus)));
    } else {
        QProcess process; // never started: only its finished signal is used
        process.setObjectName(sender);
        QVERIFY(QObject::connect(&process, SIGNAL(finished(int,QProcess::ExitStatus)), owner,
                                 (QByteArray("1") + slot + "(int,QProcess::ExitStatus)").constData()));
        emit process.finished(0, exitStatus);
    }
    QVERIFY(core.sent.isEmpty());
    QCOMPARE(readFile(chain->targetPath()), before);
    QCOMPARE(chain->isBusy(), saving);
    QVERIFY(waitUntilIdle(chain));
    QCOMPARE(core.sentNames(), saving ? sent : QStringList());
}

// A scratch data root and a fake core with the managers a test asks for wired in.
struct Cabinet
{
    enum Parts { MenuOnly = 0, DayParts = 1, Language = 2, All = 3 };
    ScratchRoots roots;
    QScopedPointer<FakeCabinetCore> core{new FakeCabinetCore}; // owns the managers
    MenuManager *menu = nullptr;
    DayPartManager *dayParts = nullptr;
    Translator *translator = nullptr;
    ConfigurationManager *config = nullptr;

    explicit Cabinet(int parts = All)
    {
        if (parts & Language) {
            core->translatorPtr = translator = new Translator(core.data());
            core->configManagerPtr = config = new ConfigurationManager(nullptr, nullptr, true, 1, core.data());
        }
        core->menuManagerPtr = menu = new MenuManager(core.data());
        if (parts & DayParts)
            core->daypartManagerPtr = dayParts = new DayPartManager(5, 4, menu, core.data());
    }
    QString file(const QString &name) const { return roots.root() + name; }
    bool place(const QString &fixtureName, const QString &target) const { return placeFixture(roots, fixtureName, target); }
    bool exists(const QString &name) const { return QFileInfo::exists(file(name)); }
};

} // namespace MenuTest

#endif // MENUTESTSUPPORT_H
