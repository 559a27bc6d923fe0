#include "qmlscreen.h"

#include <QRegularExpression>

// The settings screens when the settings file cannot be written: the page says so, the
// settings store keeps its values, and nobody (the cloud link, the other displays, the
// translator) hears of a change.
class TestSaveFailures : public QObject
{
    Q_OBJECT

private slots:
    void screenSaveFails_data();
    void screenSaveFails();
    void oneSettingSaveFails_data();
    void oneSettingSaveFails();
};

void TestSaveFailures::screenSaveFails_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("scene");    // when the page is not a sized item itself
    QTest::addColumn<QStringList>("taps");    // the edits, then the button that saves
    QTest::addColumn<QString>("pin");         // typed on the pad after the taps
    QTest::addColumn<QString>("message");     // the failure message's objectName
    QTest::addColumn<QString>("saveButton");  // offered again after the failure
    QTest::newRow("preferences") << "qrc:/settings/PreferencesPage.qml" << QByteArray()
                                 << QStringList{"splitViewSwitch", "useFirstSwitch", "preferencesSaveButton"}
                                 << QString() << "preferencesSaveFailed" << "preferencesSaveButton";
    QTest::newRow("language and offered languages") << "qrc:/settings/LanguagePage.qml" << QByteArray()
                                 << QStringList{"usedMark_5", "languageName_2", "languageAcceptButton"}
                                 << QString() << "languageSaveFailed" << "languageAcceptButton";
    QTest::newRow("offered languages only") << "qrc:/settings/LanguagePage.qml" << QByteArray()
                                 << QStringList{"usedMark_1", "languageAcceptButton"}
                                 << QString() << "languageSaveFailed" << "languageAcceptButton";
    QTest::newRow("manager's PIN") << "qrc:/config" << QByteArray("PasswordPage { anchors.fill: parent }")
                                   << QStringList{"changePinButton"}
                                   << "2580" << "passwordMessage" << QString();
}

void TestSaveFailures::screenSaveFails()
{
    QFETCH(QString, page);
    QFETCH(QByteArray, scene);
    QFETCH(QStringList, taps);
    QFETCH(QString, pin);
    QFETCH(QString, message);
    QFETCH(QString, saveButton);
    QmlScreen s;
    QVERIFY(s.load(page, scene));
    const QByteArray before = s.config->configFileText();
    const int language = s.translator.getLanguage();
    QSignalSpy passcode(s.config, &ConfigurationManager::passcodeChanged);
    QSignalSpy switched(&s.translator, &Translator::languageChanged);
    QVERIFY(QmlScreen::blockConfigFile());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Settings not saved")));
    for (const QString &tap : taps)
        QVERIFY2(s.tap(qPrintable(tap)), qPrintable(tap));
    if (!pin.isEmpty()) {
        QTRY_VERIFY(s.shown("pinPad"));
        s.type(pin);
    }
    QTRY_VERIFY(s.shown(qPrintable(message)));
    QQuickItem *text = s.find(s.item(qPrintable(message)), QStringLiteral("configMessageText"));
    QVERIFY(text && text->property("text").toString().contains("could not be saved"));
    // Every value as it was, and nothing told.
    QCOMPARE(s.config->configFileText(), before);
    QCOMPARE(s.translator.getLanguage(), language);
    QCOMPARE(passcode.count(), 0);
    QCOMPARE(switched.count(), 0);
    QCOMPARE(s.core.sentNames(), QStringList());
    QCOMPARE(s.config->passcodeLevel(QStringLiteral("2580")), 0);
    QVERIFY(s.tap("configMessageClose", qPrintable(message)));
    if (!saveButton.isEmpty())
        QVERIFY(s.enabled(qPrintable(saveButton))); // offered for another try
}

void TestSaveFailures::oneSettingSaveFails_data()
{
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<QString>("field"); // a text field filled in first
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tap");
    QTest::addColumn<QString>("key");
    QTest::newRow("supply voltage") << QByteArray("PowerSourceRow {}") << QString() << QString()
                                    << "powerSource208" << "powerSource";
    QTest::newRow("store number of the unit details")
        << QByteArray("SerialModelNumbersDialog { anchors.fill: parent; Component.onCompleted: open() }")
        << "storeField" << "4711" << "serialModelAccept" << "storeNumber";
}

// A setting a screen saves on its own: with the file blocked it keeps its old value, and
// the cloud link hears of no new store number.
void TestSaveFailures::oneSettingSaveFails()
{
    QFETCH(QByteArray, scene);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, tap);
    QFETCH(QString, key);
    QmlScreen s;
    s.core.powerSourceChoice = true;
    QVERIFY(s.load(QStringLiteral("qrc:/config"), scene));
    const QVariant before = s.config->property(qPrintable(key));
    QSignalSpy reported(s.config, &ConfigurationManager::storeNumberReported);
    QVERIFY(QmlScreen::blockConfigFile());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Settings not saved")));
    if (!field.isEmpty())
        QVERIFY(s.item(qPrintable(field))->setProperty("text", text));
    QVERIFY(s.tap(qPrintable(tap)));
    QCOMPARE(s.config->property(qPrintable(key)), before);
    QCOMPARE(reported.count(), 0);
}

QTEST_MAIN(TestSaveFailures)
#include "tst_savefailures.moc"
