// A cookbook save on the primary display reaches the mirror display: this process plays
// the primary on a virtual CAN bus of its own, the mirror is the program itself.
#include "canbusmanager.h"
#include "canfiletransfer.h"
#include "canmessagecodes.h"
#include "cansendrequest.h"
#include "daypartmanager.h"
#include "fakecabinetcore.h"
#include "menumanager.h"
#include "menutestsupport.h"
#include "tulpaths.h"

#include <QProcess>
#include <QTcpServer>
#include <QtTest>

namespace {

// The primary: what its menu and day-part saves send goes onto the bus.
class PrimaryCore : public FakeCabinetCore
{
public:
    explicit PrimaryCore(CanbusManager *bus) : m_bus(bus) {}
    void sendFileViaCanbus(int fileId) override
    {
        auto *request = new CanSendRequest;
        request->set_frameId(1);
        request->set_multi(true);
        request->set_multiId(fileId);
        request->set_data(CanFileTransfer::buildPayload(TulPaths::rootPath(CanFileTransfer::fileNameFor(fileId))));
        m_bus->enqueueSendRequest(request);
    }
    void sendOvUpdateProducts() override { single(CanMsg::TULMSGSINGLE_OV_UPDATE_PRODUCTS); }
    void sendOvUpdateDayparts() override { single(CanMsg::TULMSGSINGLE_OV_UPDATE_DAYPARTS); }

private:
    void single(int code)
    {
        auto *request = new CanSendRequest;
        request->set_frameId(1);
        request->set_multi(false);
        request->set_data(QByteArray(1, char(code)));
        m_bus->enqueueSendRequest(request);
    }
    CanbusManager *m_bus;
};

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

class TestCookbookMirror : public QObject
{
    Q_OBJECT

private slots:
    void savedCookbookIsLoadedByTheMirror();
};

void TestCookbookMirror::savedCookbookIsLoadedByTheMirror()
{
    ScratchRoots roots;
    const QString can = QStringLiteral("tcp://127.0.0.1:%1/can0").arg(freePort());
    const QString mirrorRoot = roots.base() + QStringLiteral("/mirror/");
    QVERIFY(QDir().mkpath(mirrorRoot));
    QVERIFY(QFile::copy(QStringLiteral(PERSONALITY_FIXTURES "/2x4_mirror.hcc"), mirrorRoot + "2x4_mirror.hcc"));

    QProcess mirror;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TUL_ROOT_DIR"), mirrorRoot);
    env.insert(QStringLiteral("TUL_CAN_INTERFACE"), can);
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.canbus.*=false;tul.*.debug=true"));
    mirror.setProcessEnvironment(env);
    mirror.setProcessChannelMode(QProcess::MergedChannels);
    mirror.start(QStringLiteral(TUL_BINARY), {QStringLiteral("-simulation")});
    QString log;
    const auto saw = [&](const char *text) {
        log += QString::fromLocal8Bit(mirror.readAll());
        return log.contains(QLatin1String(text));
    };
    QTRY_VERIFY_WITH_TIMEOUT(saw("Scene loaded"), 60000);

    auto *bus = new CanbusManager(QStringLiteral("virtualcan"), can);
    bus->set_canId(1);
    // A loaded machine may keep the mirror from answering for a while: a short wait for
    // its acknowledgements would give the menu file up and leave the mirror's old one.
    bus->set_ackTimeout(10000);
    PrimaryCore core(bus);
    bus->setParent(&core);
    QSignalSpy connected(bus, &CanbusManager::busConnected);
    bus->start();
    QVERIFY(connected.wait(30000) || bus->isBusConnected());
    QSignalSpy finished(bus, &CanbusManager::requestFinished);

    auto *menu = new MenuManager(&core);
    core.menuManagerPtr = menu;
    auto *dayParts = new DayPartManager(2, 4, menu, &core);
    core.daypartManagerPtr = dayParts;
    core.numberOfZones = 2;
    menu->menuLoadJsonDocFile();
    dayParts->dayPartsLoadJsonDocFile();
    menu->initializeEditDataModels();
    dayParts->dayPartEditInitialize();
    const int id = menu->saveProductEdit(0, QStringList{QStringLiteral("Zucchini")}, 1800, 300, 180, 180, 300,
                                         QStringLiteral("None"), QStringLiteral("Normal"), QStringLiteral("1/4"),
                                         100, QStringLiteral("#fffffd"));
    dayParts->dayPartEditSetProductId(1, 1, 2, id);
    menu->saveEditModel();
    dayParts->dayPartEditSave();
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(menu, "menuSaveChain")));
    QVERIFY(MenuTest::waitUntilIdle(MenuTest::chainOf(dayParts, "dayPartsSaveChain")));

    // Both files and both reload messages went out and were taken, in this order.
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 4, 60000);
    for (const QList<QVariant> &delivered : qAsConst(finished))
        QVERIFY(delivered.at(0).toBool());
    QTRY_VERIFY_WITH_TIMEOUT(saw("Reloading the menu and day-part files") && log.count("Reloading the menu and day-part files") >= 2, 30000);
    QVERIFY(MenuTest::readFile(mirrorRoot + QStringLiteral("menu.json")).contains("Zucchini"));
    QCOMPARE(MenuTest::readFile(mirrorRoot + QStringLiteral("dayParts.json")),
             MenuTest::readFile(roots.root() + QStringLiteral("dayParts.json")));
    mirror.kill();
    mirror.waitForFinished(5000);
}

QTEST_GUILESS_MAIN(TestCookbookMirror)
#include "tst_cookbookmirror.moc"
