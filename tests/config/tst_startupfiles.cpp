// Files read at start that cannot be used: each is set aside under its own name with
// ".unusable-<date-time>", one log line names it and says why, and the defaults are used;
// the cabinet's identity survives a damaged identity file.
#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "fileid.h"
#include "jsonguard.h"
#include "scratchroots.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList g_log;
QtMessageHandler g_previous = nullptr;
void record(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    g_log << text;
    g_previous(type, context, text);
}

constexpr qint64 JsonFileCap = 4096;
const QByteArray Uuid = "0f8fad5b-d9cb-469f-a165-70867728950e";

} // namespace

class TestStartupFiles : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        ScratchRoots scratch;
        FakeCabinetCore core;
        ConfigurationManager *config = new ConfigurationManager(nullptr, nullptr, true, 1, &core);
    };

private slots:
    void initTestCase() { g_previous = qInstallMessageHandler(record); }
    void cleanupTestCase() { qInstallMessageHandler(g_previous); }

    // "file": which reader; "content": what the file holds; "why": the reason logged. The
    // personality is never written by its reader: it stays where it is, unchanged.
    void unusableFileIsSetAside_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("why");
        const QByteArray binary("\x7f" "ELF\x02\x01\x01\x00\x00\x00\xff\xfe=\n\x00\x01", 17);
        const struct { const char *file; qint64 cap; QByteArray line; QByteArray truncated; } files[] = {
            {"config.txt", ConfigurationManager::MaxConfigFileBytes, "soundLevel=20\n", "soundLev"},
            {"serialModelNums.txt", CabinetIdentity::MaxIdentityFileBytes, "serialNumber=S1\n", "serialNum"},
            {"cabinet.hcc", FileID::kMaxFileBytes, "{\"personality\": {\"version\": 5}}\n", "{\"personality\": {\"ver"},
            // The menu and day-part files go through the same guard, with caps of their own.
            {"menu.json", JsonFileCap, "{\"products\": []}\n", "{\"products\": [{\"produ"},
        };
        for (const auto &f : files) {
            // The good line lies past the cap: a reader that reads only the head finds none.
            const QByteArray over = QByteArray(int(f.cap), ' ') + f.line;
            QTest::newRow(qPrintable(QStringLiteral("%1 binary").arg(f.file))) << f.file << binary << "not text";
            QTest::newRow(qPrintable(QStringLiteral("%1 truncated").arg(f.file))) << f.file << f.truncated << "";
            QTest::newRow(qPrintable(QStringLiteral("%1 empty").arg(f.file))) << f.file << QByteArray() << "empty";
            QTest::newRow(qPrintable(QStringLiteral("%1 over its cap").arg(f.file))) << f.file << over << "larger than";
        }
    }

    void unusableFileIsSetAside()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, why);
        Fixture f;
        QVERIFY(f.scratch.writeRootFile(file, content));
        const QString path = f.scratch.root() + file;
        // As an older program wrote its files: for all to read.
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0644), 0);
        g_log.clear();
        bool read = true;
        if (file == QLatin1String("config.txt")) {
            read = f.config->readConfigFile();
            QCOMPARE(f.config->get_soundLevel(), 100);
        } else if (file == QLatin1String("serialModelNums.txt")) {
            f.config->loadCabinetSerialModelNumbers();
            read = !f.config->get_serialNumber().isEmpty();
            // The file held no UUID that could be read: one is made and saved.
            QVERIFY(!f.config->get_uuidNumber().isEmpty());
            QVERIFY(readFile(path).contains("uuidNumber=" + f.config->get_uuidNumber().toUtf8() + "\n"));
        } else if (file == QLatin1String("menu.json")) {
            QJsonDocument doc;
            read = JsonGuard::readDataFile(path, JsonFileCap, "menu file", nullptr, &doc)
                   != JsonGuard::FileOutcome::SetAside;
            QVERIFY(doc.isNull());
        } else {
            FileID personality;
            read = personality.readFileID(path);
            QVERIFY(!read);
            QVERIFY(QDir(f.scratch.root()).entryList({file + ".unusable-*"}).isEmpty());
            QCOMPARE(readFile(path), content);
            QVERIFY(g_log.filter(QStringLiteral("cannot be used")).isEmpty());
            return;
        }
        QVERIFY(!read);
        const QStringList aside = QDir(f.scratch.root()).entryList({file + ".unusable-*"});
        QCOMPARE(aside.size(), 1);
        QVERIFY(QRegularExpression("^" + QRegularExpression::escape(file) + "\\.unusable-\\d{6}-\\d{6}$")
                    .match(aside.first()).hasMatch());
        QCOMPARE(readFile(f.scratch.root() + aside.first()), content);
        // The settings file's copy may hold the Wi-Fi pass phrase: for the owner only.
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(f.scratch.root() + aside.first()).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, file == QLatin1String("config.txt") ? 0600u : 0644u);
        if (file != QLatin1String("serialModelNums.txt")) // rewritten with the new UUID
            QVERIFY(!QFile::exists(path));
        const QStringList lines = g_log.filter(QStringLiteral("cannot be used"));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(path) && lines.first().contains(why), qPrintable(lines.first()));
    }

    // The identity file's lines that still read are kept, the UUID above all: a damaged
    // file never gives the cabinet a new name in the cloud.
    void identityKeptThroughDamage_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<bool>("setAside");
        const QByteArray whole = "serialNumber=S1\nmodelNumber=M1\nuuidNumber=" + Uuid + "\ncustomerIdStr=QRB\n";
        QTest::newRow("whole") << whole << "S1" << false;
        QTest::newRow("truncated in the last line") << whole.left(whole.size() - 5) << "S1" << false;
        QTest::newRow("garbage after the lines") << whole + QByteArray("\x00\xff\xfe", 3) << "S1" << true;
        QTest::newRow("over its cap") << whole + QByteArray(int(CabinetIdentity::MaxIdentityFileBytes), '\n') << "S1"
                                      << true;
        // As the end-of-line station could once store them: the file passed its own cap.
        QTest::newRow("over-long numbers")
            << "serialNumber=" + QByteArray(9000, 'S') + "\nmodelNumber=" + QByteArray(8000, 'M') + "\nuuidNumber=" + Uuid
                   + "\n"
            << "" << true;
        QTest::newRow("only the UUID reads") << "uuidNumber=" + Uuid + QByteArray("\n\x01\x02\x00", 4) << "" << true;
    }

    void identityKeptThroughDamage()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, serial);
        QFETCH(bool, setAside);
        Fixture f;
        QVERIFY(f.scratch.writeRootFile(QStringLiteral("serialModelNums.txt"), content));
        f.config->loadCabinetSerialModelNumbers();
        QCOMPARE(f.config->get_uuidNumber().toUtf8(), Uuid);
        QCOMPARE(f.config->get_serialNumber(), serial);
        const QStringList aside = QDir(f.scratch.root()).entryList({"serialModelNums.txt.unusable-*"});
        QCOMPARE(aside.size(), setAside ? 1 : 0);
        // What was kept is in a sound file again.
        QVERIFY(readFile(CabinetIdentity::identityFilePath()).contains("uuidNumber=" + Uuid + "\n"));
    }
};

QTEST_GUILESS_MAIN(TestStartupFiles)
#include "tst_startupfiles.moc"
