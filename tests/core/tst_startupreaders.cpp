// A pipe, a socket or a device put in the place of a file the cabinet reads at start is
// refused at once, with a log line naming it, and start-up goes on: no reader waits for
// a writer that never comes.
#include "canfiletransfer.h"
#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "errorlogfiles.h"
#include "fakecabinetcore.h"
#include "fileid.h"
#include "interfacestate.h"
#include "iotkeyvaluefile.h"
#include "menumanager.h"
#include "nfcmanager.h"
#include "pluggedinminutes.h"
#include "scratchroots.h"
#include "tulpaths.h"

#include <QMutex>
#include <QNetworkInterface>
#include <QtTest>

#include <atomic>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

QMutex g_logLock;
QStringList g_log;
QtMessageHandler g_previous = nullptr;
void record(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    {
        QMutexLocker lock(&g_logLock);
        g_log << text;
    }
    g_previous(type, context, text);
}

// The objects of one start, made on the test's thread; the reader runs off it.
struct Start
{
    ScratchRoots scratch;
    FakeCabinetCore core;
    ConfigurationManager *config = new ConfigurationManager(nullptr, nullptr, true, 1, &core);
    MenuManager *menu = new MenuManager(&core);
    DayPartManager *dayParts = new DayPartManager(5, 4, menu, &core);
    FileID personality;
    NFCmanager nfc;
};

struct Reader
{
    const char *name;
    std::function<QString(const Start &)> path;
    std::function<void(Start &)> read;
};

QString inRoot(const Start &, const QString &name) { return TulPaths::rootPath(name); }

const QList<Reader> &readers()
{
    using namespace std::placeholders;
    static const QList<Reader> list = {
        {"settings", std::bind(inRoot, _1, "config.txt"), [](Start &s) { s.config->readConfigFile(); }},
        {"identity", std::bind(inRoot, _1, "serialModelNums.txt"),
         [](Start &s) { s.config->loadCabinetSerialModelNumbers(); }},
        {"cloud agent versions",
         [](const Start &s) { return CabinetIdentity::iotVersionFilePath(s.config->get_iotType()); },
         [](Start &s) { s.config->readIotConfigFile(); }},
        {"conversion Wi-Fi seed", std::bind(inRoot, _1, "updates/wpa_supplicant.conf"),
         [](Start &s) { s.config->initializeLumoWifiConnection(); }},
        {"default network seed", std::bind(inRoot, _1, "updates/defaultNetwork.txt"),
         [](Start &s) { s.config->resetToDefaultNetwork(); }},
        {"personality", std::bind(inRoot, _1, "ui.hcc"),
         [](Start &s) { s.personality.readFileID(TulPaths::rootPath("ui.hcc")); }},
        {"menu", std::bind(inRoot, _1, "menu.json"), [](Start &s) { s.menu->menuLoadJsonDocFile(); }},
        {"legacy products list", std::bind(inRoot, _1, "productsList.txt"),
         [](Start &s) { s.menu->loadProductsMenu(); }},
        {"day parts", std::bind(inRoot, _1, "dayParts.json"), [](Start &s) { s.dayParts->dayPartsLoadJsonDocFile(); }},
        {"legacy day part", std::bind(inRoot, _1, "morningDayPart.txt"),
         [](Start &s) { s.dayParts->dayPartsLoadJsonDocFile(); }},
        {"NFC store", [](const Start &) { return NFCmanager::tagStorePath(); }, [](Start &s) { s.nfc.restoreNFC2(); }},
        {"plugged-in minutes", [](const Start &) { return PluggedInMinutes::filePath(); },
         [](Start &) { PluggedInMinutes::load(0); }},
        {"route table", [](const Start &) { return InterfaceState::routeTablePath(); },
         [](Start &) { InterfaceState::read(QStringLiteral("lo")); }},
        {"cloud menu offer", std::bind(inRoot, _1, "updates/menuUpdateInfo.txt"), [](Start &) {
             QByteArray text;
             IotKeyValueFile::readText(TulPaths::rootPath("updates/menuUpdateInfo.txt"), &text);
         }},
        {"error log", [](const Start &) { return ErrorLogFiles::logDir() + "errorLog.txt"; },
         [](Start &) { ErrorLogFiles::readLog(ErrorLogFiles::logDir() + "errorLog.txt"); }},
        {"menu sent to the other display", std::bind(inRoot, _1, "menu.json"),
         [](Start &) { CanFileTransfer::buildPayload(TulPaths::rootPath("menu.json")); }},
    };
    return list;
}

} // namespace

class TestStartupReaders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        g_previous = qInstallMessageHandler(record);
        QVERIFY(QNetworkInterface::interfaceFromName(QStringLiteral("lo")).isValid());
    }
    void cleanupTestCase() { qInstallMessageHandler(g_previous); }

    void pipeInAFilesPlaceIsRefused_data()
    {
        QTest::addColumn<int>("reader");
        for (int i = 0; i < readers().size(); ++i)
            QTest::newRow(readers().at(i).name) << i;
    }
    void pipeInAFilesPlaceIsRefused()
    {
        QFETCH(int, reader);
        const Reader &r = readers().at(reader);
        Start start;
        const QString path = r.path(start);
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile::remove(path);
        const QByteArray name = QFile::encodeName(path);
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        {
            QMutexLocker lock(&g_logLock);
            g_log.clear();
        }

        // The reader off the test's thread: one that blocks is freed by a writer opening
        // the pipe, and then fails on its time.
        std::atomic<bool> done{false};
        QElapsedTimer clock;
        clock.start();
        std::thread run([&] {
            r.read(start);
            done = true;
        });
        while (!done && clock.elapsed() < 1000)
            QThread::msleep(5);
        const qint64 took = clock.elapsed();
        while (!done) {
            const int unblock = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            if (unblock >= 0)
                ::close(unblock);
            QThread::msleep(5);
        }
        run.join();
        QVERIFY2(took < 1000, "the reader waited on the pipe");

        // Refused and said so: some line names the file.
        const QString file = QFileInfo(path).fileName();
        QMutexLocker lock(&g_logLock);
        QVERIFY2(std::any_of(g_log.cbegin(), g_log.cend(), [&](const QString &line) { return line.contains(file); }),
                 qPrintable(g_log.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestStartupReaders)
#include "tst_startupreaders.moc"
