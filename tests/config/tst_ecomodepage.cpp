#include "servicescreen.h"
#include "tullumo.h"

#include <QJsonDocument>
#include <QJsonObject>

// The Eco Mode Options page on the master display, reached through the carousel and
// driven by taps and the numeric pad: what reaches the settings file, what is refused
// before anything is stored, and the cloud link's eco-mode event after a save.
class TestEcoModePage : public QObject
{
    Q_OBJECT

private slots:
    void saves_data();
    void saves();
    void refuses_data();
    void refuses();
    void failedSaveIsReported();
};

namespace {

struct EcoScreen
{
    ServiceScreen s{true, true, 0};
    TulLumo lumo{nullptr, &s.core}; // finds the settings through the core
    QSignalSpy events{&lumo, &TulLumo::sendLumoInfo};

    explicit EcoScreen(int tempUnit)
    {
        s.config->setPersonalityAccess(false, true);
        s.config->set_tempUnit(tempUnit);
        s.extraContext.insert(QStringLiteral("TulLumo"), &lumo);
    }
    bool open()
    {
        return s.load() && s.open(QStringLiteral("Eco Mode Options")) && s.unlock(QStringLiteral("7046"))
            && QTest::qWaitFor([this] { return s.enabled("ecoSaveButton") || s.enabled("ecoHeaterHold"); });
    }
    // Taps a field and types on the pad; an empty text leaves the field alone.
    bool enter(const char *field, const QString &digits)
    {
        if (digits.isEmpty())
            return true;
        if (!s.tap(field))
            return false;
        s.type(digits);
        return true;
    }
    QJsonObject lastEvent() const
    {
        return events.isEmpty() ? QJsonObject()
                                : QJsonDocument::fromJson(events.last().at(0).toString().toUtf8()).object();
    }
};

QString line(const char *key, int value)
{
    return QStringLiteral("%1=%2\n").arg(QLatin1String(key)).arg(value);
}

} // namespace

void TestEcoModePage::saves_data()
{
    QTest::addColumn<int>("tempUnit");
    QTest::addColumn<bool>("hold");
    QTest::addColumn<QString>("temperature"); // typed in the unit; empty: left as shown
    QTest::addColumn<bool>("suggest");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<int>("storedFahrenheit");
    QTest::addColumn<int>("storedMinutes");
    QTest::newRow("Fahrenheit") << 0 << true << "150" << true << "30" << 150 << 30;
    QTest::newRow("Celsius typed") << 1 << true << "70" << true << "45" << 158 << 45;
    // 125 F shows as 52 C; saving it untouched must not turn it into 126 F.
    QTest::newRow("Celsius left as shown") << 1 << true << "" << true << "20" << 125 << 20;
    QTest::newRow("highest values") << 0 << true << "225" << true << "1440" << 225 << 1440;
    QTest::newRow("lowest values") << 0 << true << "90" << true << "5" << 90 << 5;
    // A value typed and then switched off is not taken.
    QTest::newRow("highest in Celsius, no suggestion") << 1 << true << "107" << false << "30" << 225 << 60;
    QTest::newRow("heater off, never") << 0 << false << "150" << false << "" << 125 << 60;
}

void TestEcoModePage::saves()
{
    QFETCH(int, tempUnit);
    QFETCH(bool, hold);
    QFETCH(QString, temperature);
    QFETCH(bool, suggest);
    QFETCH(QString, minutes);
    QFETCH(int, storedFahrenheit);
    QFETCH(int, storedMinutes);
    EcoScreen e(tempUnit);
    QVERIFY(e.open());
    QCOMPARE(e.s.text("ecoTempUnit"), tempUnit ? QStringLiteral("\u00B0C") : QStringLiteral("\u00B0F"));
    QCOMPARE(e.s.text("ecoTempField"), tempUnit ? QStringLiteral("52") : QStringLiteral("125"));

    // Heater off with no suggestion is already what the page shows: change and undo.
    QVERIFY(e.s.tap("ecoHeaterHold"));
    QVERIFY(e.enter("ecoTempField", temperature));
    QVERIFY(e.s.tap(hold ? "ecoHeaterHold" : "ecoHeaterOff"));
    QVERIFY(e.s.tap("ecoSuggestAfter"));
    QVERIFY(e.enter("ecoTimeoutField", minutes));
    QVERIFY(e.s.tap(suggest ? "ecoSuggestAfter" : "ecoSuggestNever"));
    QVERIFY(e.s.tap("ecoSaveButton"));

    const QByteArray file = e.s.configFile();
    QVERIFY(file.contains(line("ecoShelfHeatMode", hold).toUtf8()));
    QVERIFY2(file.contains(line("ecoShelfHeatTemp", storedFahrenheit).toUtf8()), file.constData());
    QVERIFY(file.contains(line("ecoActivateMode", suggest).toUtf8()));
    QVERIFY(file.contains(line("ecoActivateTimeout", storedMinutes).toUtf8()));
    QVERIFY(!e.s.shown("ecoRefusal"));
    QVERIFY(!e.s.enabled("ecoSaveButton"));

    // One eco-mode event with the values just saved.
    QTRY_COMPARE(e.events.count(), 1);
    const QJsonObject event = e.lastEvent();
    QCOMPARE(event.value("event").toString(), QStringLiteral("ecoModeSettings"));
    QCOMPARE(event.value("shelfTemperatureSetting").toInt(), hold ? storedFahrenheit : 0);
    QCOMPARE(event.value("configuredSuggestionTime").toInt(), suggest ? storedMinutes : 0);
}

void TestEcoModePage::refuses_data()
{
    QTest::addColumn<int>("tempUnit");
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("below 90 F") << 0 << "89" << "" << "from 90 \u00B0F to 225 \u00B0F";
    QTest::newRow("above 225 F") << 0 << "226" << "" << "from 90 \u00B0F to 225 \u00B0F";
    QTest::newRow("108 C is 226 F") << 1 << "108" << "" << "from 32 \u00B0C to 107 \u00B0C";
    QTest::newRow("31 C is 88 F") << 1 << "31" << "" << "from 32 \u00B0C to 107 \u00B0C";
    QTest::newRow("a number no cabinet reaches") << 0 << "9999" << "" << "from 90 \u00B0F to 225 \u00B0F";
    QTest::newRow("idle time too short") << 0 << "" << "4" << "from 5 to 1440 minutes";
    QTest::newRow("idle time too long") << 0 << "" << "1441" << "from 5 to 1440 minutes";
}

void TestEcoModePage::refuses()
{
    QFETCH(int, tempUnit);
    QFETCH(QString, temperature);
    QFETCH(QString, minutes);
    QFETCH(QString, reason);
    EcoScreen e(tempUnit);
    QVERIFY(e.s.config->saveConfigFile());
    const QByteArray before = e.s.configFile();
    QVERIFY(e.open());
    QVERIFY(e.s.tap("ecoHeaterHold") && e.s.tap("ecoSuggestAfter"));
    QVERIFY(e.enter("ecoTempField", temperature));
    QVERIFY(e.enter("ecoTimeoutField", minutes));
    QVERIFY(e.s.tap("ecoSaveButton"));

    QTRY_VERIFY(e.s.shown("ecoRefusal"));
    QVERIFY2(e.s.text("ecoRefusal").contains(reason), qPrintable(e.s.text("ecoRefusal")));
    QCOMPARE(e.s.configFile(), before);
    QCOMPARE(e.s.config->get_ecoShelfHeatMode(), 0);
    QCOMPARE(e.s.config->get_ecoShelfHeatTemp(), 125);
    QCOMPARE(e.s.config->get_ecoActivateTimeout(), 60);
    QTest::qWait(20);
    QCOMPARE(e.events.count(), 0);
    // The edit stays on the page to be put right.
    QVERIFY(e.s.enabled("ecoSaveButton"));
}

void TestEcoModePage::failedSaveIsReported()
{
    EcoScreen e(0);
    // A folder where the file goes: the file cannot be written.
    QVERIFY(QDir().mkpath(ConfigurationManager::configFilePath()));
    QVERIFY(e.open());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Safe write failed")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Settings not saved")));
    QVERIFY(e.s.tap("ecoHeaterHold") && e.s.tap("ecoSaveButton"));
    QTRY_VERIFY(e.s.shown("ecoMessage"));
    QQuickItem *text = QmlScreen::find(e.s.item("ecoMessage"), QStringLiteral("configMessageText"));
    QVERIFY(text);
    QCOMPARE(text->property("text").toString(), QStringLiteral("The settings could not be saved."));
    QTest::qWait(20);
    QCOMPARE(e.events.count(), 0);
    QCOMPARE(e.s.config->get_ecoShelfHeatMode(), 0); // the stored value is back
}

QTEST_MAIN(TestEcoModePage)
#include "tst_ecomodepage.moc"
