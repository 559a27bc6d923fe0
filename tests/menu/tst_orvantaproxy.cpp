// The import controller: the listing of the update screen and the automatic import at
// start-up with its stamp file.
#include "menutestsupport.h"
#include "orvantaproxy.h"
#include "tulpaths.h"

#include <QAbstractState>
#include <QAbstractTransition>
#include <QDateTime>
#include <QDir>
#include <QtTest>

namespace {

QString importFixture(const QString &name)
{
    return QStringLiteral(MENUIMPORT_FIXTURES "/") + name;
}

QString stateOf(const OrvantaProxy &proxy)
{
    const auto states = proxy.configuration();
    return states.isEmpty() ? QString() : (*states.cbegin())->objectName();
}

// "name" for an empty file, "name=fixture" for a copy of a fixture, "name/" for a folder.
bool makeFiles(const QString &dir, const QStringList &files)
{
    if (!QDir().mkpath(dir))
        return false;
    for (const QString &entry : files) {
        if (entry.endsWith('/')) {
            if (!QDir().mkpath(dir + entry))
                return false;
            continue;
        }
        const QString name = entry.section('=', 0, 0);
        const QString fixture = entry.section('=', 1);
        QFile file(dir + name);
        const QByteArray data = fixture.isEmpty() ? QByteArray() : MenuTest::readFile(importFixture(fixture));
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            return false;
    }
    return true;
}

} // namespace

class TstOrvantaProxy : public QObject
{
    Q_OBJECT
    QScopedPointer<MenuTest::Cabinet> c;
    OrvantaProxy *m_proxy = nullptr;

private slots:
    void init()
    {
        c.reset(new MenuTest::Cabinet(MenuTest::Cabinet::All));
        c->menu->menuLoadJsonDocFile();
        m_proxy = new OrvantaProxy(c->core.data());
        m_proxy->connectAppliers(c->config, c->menu, c->dayParts);
    }
    void cleanup() { c.reset(); }
    void listing_data();
    void listing();
    void automaticImport_data();
    void automaticImport();
    void transitionTriggers_data();
    void transitionTriggers();
    void signalsOfTheClass_data();
    void signalsOfTheClass();
};

void TstOrvantaProxy::listing_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("preselected");

    QTest::newRow("names ignoring case, files only")
        << 0 << QStringList{"b.tul", "A.json", "notes.txt", ".hidden.tul", "dir.tul/", "c.TUL"}
        << QStringList{"A.json", "b.tul", "c.TUL"} << "b.tul";
    QTest::newRow("endings, not contents")
        << 0 << QStringList{"x.tul.json", "MENU.TUL", "menu.tulx", "json"} << QStringList{"MENU.TUL", "x.tul.json"}
        << "MENU.TUL";
    QTest::newRow("only JSON") << 0 << QStringList{"a.json"} << QStringList{"a.json"} << "";
    QTest::newRow("preloaded folder") << 1 << QStringList{"pre.tul"} << QStringList{"pre.tul"} << "pre.tul";
    QTest::newRow("no folder") << 1 << QStringList() << QStringList() << "";
}

void TstOrvantaProxy::listing()
{
    QFETCH(int, source);
    QFETCH(QStringList, files);
    QFETCH(QStringList, listed);
    QFETCH(QString, preselected);

    const QString dir = source == 0 ? c->roots.flash() : OrvantaProxy::preloadedMenusDir();
    if (!files.isEmpty())
        QVERIFY(makeFiles(dir, files));
    QSignalSpy dirChanged(m_proxy, &OrvantaProxy::ovImportDirChanged);
    m_proxy->set_importSource(source);
    QCOMPARE(dirChanged.count(), 1);
    QCOMPARE(m_proxy->get_ovImportDir(), dir);
    m_proxy->getOvImportDirList();
    QCOMPARE(m_proxy->get_dirContent(), listed);
    QCOMPARE(m_proxy->get_numOfFiles(), listed.size());
    QCOMPARE(m_proxy->get_ovImportFound(), !preselected.isEmpty());
    QCOMPARE(m_proxy->get_ovImportFilename(), preselected);
}

void TstOrvantaProxy::automaticImport_data()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch() / 1000;
    const QString future = QString::number(now + 3600) + ".txt";
    const QString past = QString::number(now - 5) + ".txt";

    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("imported"); // empty: nothing imported
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("endState");

    QTest::newRow("name order ignoring case")
        << QStringList{"b.tul=good.tul", "A.json=layout_empty.json"} << "A.json" << true << QStringList{"b.tul"}
        << "doneState";
    QTest::newRow("upper-case binary") << QStringList{"Menu.TUL=good.tul"} << "Menu.TUL" << true << QStringList()
                                       << "doneState";
    QTest::newRow("stamp in the future")
        << QStringList{"m.tul=good.tul", future} << "" << false << QStringList{future, "m.tul"} << "nothingToDo";
    QTest::newRow("stamp passed") << QStringList{"m.tul=good.tul", past} << "m.tul" << true << QStringList()
                                  << "doneState";
    QTest::newRow("stamp with a letter skipped")
        << QStringList{"m.tul=good.tul", "12a.txt", "13.txt"} << "m.tul" << true << QStringList{"12a.txt"}
        << "doneState";
    // Not a 64-bit number: read as 0, a time long passed.
    QTest::newRow("stamp too long for 64 bits")
        << QStringList{"m.tul=good.tul", "99999999999999999999.txt"} << "m.tul" << true << QStringList() << "doneState";
    QTest::newRow("a failing file goes too")
        << QStringList{"bad.tul=bad_header_crc.tul", past} << "bad.tul" << false << QStringList() << "doneState";
    QTest::newRow("only a stamp") << QStringList{past} << "" << false << QStringList{past} << "nothingToDo";
    QTest::newRow("no folder") << QStringList() << "" << false << QStringList() << "nothingToDo";
    // "@": the update folder's parent is a link to a folder outside the data root.
    QTest::newRow("linked folder neither read nor emptied")
        << QStringList{"@", "m.tul=good.tul"} << "" << false << QStringList{"m.tul"} << "nothingToDo";
}

void TstOrvantaProxy::automaticImport()
{
    QFETCH(QStringList, files);
    QFETCH(QString, imported);
    QFETCH(bool, result);
    QFETCH(QStringList, left);
    QFETCH(QString, endState);

    const QString dir = OrvantaProxy::automaticUpdateDir();
    if (files.value(0) == "@") {
        const QString outside = c->roots.base() + "/outside/";
        QVERIFY(QDir().mkpath(outside) && QFile::link(outside, TulPaths::rootPath("updates")));
        files.removeFirst();
    }
    if (!files.isEmpty())
        QVERIFY(makeFiles(dir, files));
    QSignalSpy importedMenu(m_proxy, &OrvantaProxy::importedMenu);
    QSignalSpy cloud(c->menu, &MenuManager::notifyMenuUpdated);
    m_proxy->start();
    QTRY_COMPARE(stateOf(*m_proxy), endState);

    if (imported.isEmpty()) {
        QCOMPARE(cloud.count(), 0);
    } else {
        QCOMPARE(cloud.count(), 1);
        QCOMPARE(cloud.first().at(1).toInt(), int(OrvantaProxy::METHOD_AUTOMATIC));
        QCOMPARE(cloud.first().at(2).toBool(), result);
        QCOMPARE(importedMenu.count(), result ? 1 : 0);
        if (result)
            QCOMPARE(importedMenu.first().first().toString().section('|', 0, 0), imported);
    }
    QCOMPARE(QDir(dir).entryList(QDir::Files, QDir::Name), left);
    // The update screen starts on the flash drive again.
    QCOMPARE(m_proxy->get_ovImportDir(), TulPaths::flashDir());
    QCOMPARE(m_proxy->get_ovImportFilename(), QString());
    // The machine runs once per start.
    m_proxy->start();
    QTest::qWait(20);
    QCOMPARE(cloud.count(), imported.isEmpty() ? 0 : 1);
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(c->menu, "menuSaveChain")));
}

// The tracer names each transition's trigger as the machine's own signal.
void TstOrvantaProxy::transitionTriggers_data()
{
    QTest::addColumn<QString>("transition");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("t_1") << "t_1" << "this::doOvAutoImport()" << "findOvFile" << "doTheImport";
    QTest::newRow("t_2") << "t_2" << "this::noOvAutoImport()" << "findOvFile" << "nothingToDo";
    QTest::newRow("t_3") << "t_3" << "this::doneImporting()" << "doTheImport" << "doneState";
}

void TstOrvantaProxy::transitionTriggers()
{
    QFETCH(QString, transition);
    QFETCH(QString, trigger);
    QFETCH(QString, from);
    QFETCH(QString, to);
    auto *t = m_proxy->findChild<QAbstractTransition *>(transition);
    QVERIFY(t);
    QCOMPARE(t->property("trigSignal").toString(), trigger);
    QCOMPARE(t->sourceState()->objectName(), from);
    QCOMPARE(t->targetState()->objectName(), to);
}

// Signals the IoT link and the screens reach by name.
void TstOrvantaProxy::signalsOfTheClass_data()
{
    QTest::addColumn<QString>("signature");
    for (const char *s : {"newConfigData(Configuration_t)", "newProductsDataList(QList<Product_t>)",
                          "newDayPartData(DayPart_t,int)", "saveNewDayPartsToJson()",
                          "newProductsDataJsonDoc(QString)", "doIotAgentImport()"})
        QTest::newRow(s) << QString::fromLatin1(s);
}

void TstOrvantaProxy::signalsOfTheClass()
{
    QFETCH(QString, signature);
    QVERIFY(m_proxy->metaObject()->indexOfSignal(signature.toLatin1().constData()) >= 0);
}

QTEST_MAIN(TstOrvantaProxy)
#include "tst_orvantaproxy.moc"
