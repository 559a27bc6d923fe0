#include "qmlscreen.h"

// The settings pages as the user meets them: operated by taps and saving through the
// settings store.
class TestSettingsPages : public QObject
{
    Q_OBJECT

private slots:
    void preferencesSave();
    void preferencesRefuseAnInvalidCleaningTime();
    void importedSettingsReplaceUnsavedEdits_data();
    void importedSettingsReplaceUnsavedEdits();
    void languagePage();
    void dockButtonSwitchesAfterTheLastTap();
};

void TestSettingsPages::preferencesSave()
{
    QmlScreen s;
    QQuickItem *page = s.load("qrc:/settings/PreferencesPage.qml");
    QVERIFY(page);
    QCOMPARE(page->property("soundLevel").toInt(), 100);
    QVERIFY(!s.enabled("preferencesSaveButton"));
    QVERIFY(s.tap("splitViewSwitch") && s.tap("useFirstSwitch"));
    QVERIFY(page->property("changed").toBool());
    QVERIFY(s.tap("preferencesSaveButton"));
    QVERIFY(s.config->get_splitViewEnabled());
    QVERIFY(!s.config->get_useFirstEnabled());
    QVERIFY(s.configFile().contains("\nsplitViewEnabled=1\n") && s.configFile().contains("\nuseFirstEnabled=0\n"));
    QCOMPARE(s.core.sentNames(), QStringList{"sendConfigSettingsData"});
    QVERIFY(!page->property("changed").toBool());
    // An edit dropped by the main window's cancelEdits changes nothing.
    QVERIFY(s.tap("groupDotsSwitch"));
    QVERIFY(QMetaObject::invokeMethod(page, "cancelEdits"));
    QVERIFY(page->property("groupDotsEnabled").toBool());
    QVERIFY(!page->property("changed").toBool());

    // Another display only asks the master.
    QmlScreen other(false);
    QVERIFY(other.load("qrc:/settings/PreferencesPage.qml"));
    QVERIFY(other.tap("splitViewSwitch") && other.tap("preferencesSaveButton"));
    QVERIFY(!other.config->get_splitViewEnabled());
    QVERIFY(!QFileInfo::exists(ConfigurationManager::configFilePath()));
    QCOMPARE(other.core.sentNames(), QStringList{"sendConfigSettingsChangeRequest"});
    QCOMPARE(other.core.sent.at(0).args.at(0).toMap().value("splitViewEnabled").toBool(), true);
}

void TestSettingsPages::preferencesRefuseAnInvalidCleaningTime()
{
    QmlScreen s;
    QQuickItem *page = s.load("qrc:/settings/PreferencesPage.qml");
    QVERIFY(page);
    page->setProperty("screenCleanActive", 1);
    page->setProperty("screenCleanTimeout", 3);
    page->setProperty("changed", true);
    QVERIFY(!page->property("screenCleanValid").toBool());
    QVERIFY(!s.enabled("preferencesSaveButton"));
    page->setProperty("screenCleanTimeout", 1440);
    QVERIFY(s.enabled("preferencesSaveButton"));
    // Temperature unit and discard duration by customer.
    for (int customer : {3, 1}) {
        QmlScreen c(true, true, customer);
        QVERIFY(c.load("qrc:/settings/PreferencesPage.qml"));
        QCOMPARE(c.shown("celsiusButton"), customer != 3);
        QCOMPARE(c.shown("discardDurationSlider"), customer != 3);
    }
}

// A menu file's settings record applied under the open page: the page shows what was
// stored, an unsaved edit of the same option included.
void TestSettingsPages::importedSettingsReplaceUnsavedEdits_data()
{
    QTest::addColumn<QString>("edited"); // the switch tapped before the import
    QTest::addColumn<QString>("property");
    QTest::newRow("use first") << "useFirstSwitch" << "useFirstEnabled";
    QTest::newRow("split view") << "splitViewSwitch" << "splitViewEnabled";
    QTest::newRow("group dots") << "groupDotsSwitch" << "groupDotsEnabled";
}

void TestSettingsPages::importedSettingsReplaceUnsavedEdits()
{
    QFETCH(QString, edited);
    QFETCH(QString, property);
    QmlScreen s;
    QQuickItem *page = s.load("qrc:/settings/PreferencesPage.qml");
    QVERIFY(page);
    const bool stored = s.config->property(qPrintable(property)).toBool();
    QVERIFY(s.tap(qPrintable(edited)));
    QCOMPARE(page->property(qPrintable(property)).toBool(), !stored);
    // The file carries the values the store holds: only a reload shows them again.
    Configuration_t record;
    record.useFirst = s.config->get_useFirstEnabled();
    record.splitView = s.config->get_splitViewEnabled();
    record.groupDots = s.config->get_groupDotsEnabled();
    record.individualDayParts = s.config->get_individualDPEnabled();
    record.labelFontSize = quint8(s.config->get_labelFontSize());
    QVERIFY(s.config->processOrvantaConfigData(record));
    QCOMPARE(page->property(qPrintable(property)).toBool(), stored);
    QVERIFY(!page->property("changed").toBool());
}

void TestSettingsPages::languagePage()
{
    QmlScreen s;
    QQuickItem *page = s.load("qrc:/settings/LanguagePage.qml");
    QVERIFY(page);
    QCOMPARE(page->property("currentId").toInt(), 0);
    QVERIFY(!s.enabled("languageAcceptButton"));
    QVERIFY(s.tap("usedMark_0")); // the current language stays used
    QCOMPARE(page->property("changed").toBool(), false);
    QVERIFY(s.tap("usedMark_1"));     // Spanish no longer offered
    QVERIFY(s.tap("usedMark_5"));     // German offered
    QVERIFY(s.tap("languageName_2")); // French chosen
    QVERIFY(s.tap("languageAcceptButton"));
    QCOMPARE(s.translator.getLanguage(), int(Translator::LANGUAGE_ID_FRA));
    QCOMPARE(s.config->get_languageId(), QStringLiteral("fra"));
    QVERIFY(s.configFile().contains("\nlanguageId=fra\n"));
    QVERIFY(s.configFile().contains("\nusedLanguages=37\n"));
    QCOMPARE(s.core.sentNames(), QStringList()); // no other display to tell
    // Cancel goes back to the language in use.
    QVERIFY(s.tap("languageName_0") && s.tap("languageCancelButton"));
    QCOMPARE(page->property("currentId").toInt(), 2);
    QVERIFY(!s.enabled("languageAcceptButton"));
    // The idle return re-selects the language in use too; a mark toggled on screen stays,
    // unsaved, until the stored marks change.
    QVERIFY(s.tap("languageName_5") && s.tap("usedMark_3"));
    QVERIFY(QMetaObject::invokeMethod(page, "cancelEdits"));
    QCOMPARE(page->property("currentId").toInt(), 2);
    QVERIFY(!s.enabled("languageAcceptButton"));
    QVERIFY(s.item("usedMark_3")->property("checked").toBool());
    QVERIFY(!s.config->getIsLanguageUsed(3));
    QVERIFY(s.configFile().contains("\nusedLanguages=37\n"));
    s.config->set_usedLanguages(s.config->get_usedLanguages() | (1u << 4));
    QTRY_VERIFY(!s.item("usedMark_3")->property("checked").toBool());

    QmlScreen halvo(true, true, 5); // rows follow the customer's languages
    QVERIFY(halvo.load("qrc:/settings/LanguagePage.qml"));
    QVERIFY(halvo.item("languageRow_1") && !halvo.item("languageRow_2"));
}

void TestSettingsPages::dockButtonSwitchesAfterTheLastTap()
{
    QmlScreen s;
    s.core.hasMirrorDisplay = true;
    QQuickItem *button = s.load("qrc:/settings/DockLanguageButton.qml");
    QVERIFY(button);
    QSignalSpy applied(button, SIGNAL(languageApplied()));
    QCOMPARE(button->property("text").toString(), QStringLiteral("English(US)"));
    QVERIFY(s.tap("dockLanguageButton") && s.tap("dockLanguageButton"));
    QCOMPARE(button->property("text").toString(), s.translator.getLanguageName(2));
    QCOMPARE(s.translator.getLanguage(), 0); // not before the timer ran out
    QVERIFY(applied.wait(3000));
    QCOMPARE(s.translator.getLanguage(), 2);
    QVERIFY(s.configFile().contains("\nlanguageId=fra\n"));
    QCOMPARE(s.core.sentNames(), QStringList{"sendConfigSettingsData"});
    // A change from elsewhere resets the shown language.
    s.config->set_languageId(QStringLiteral("spa"));
    QCOMPARE(button->property("selectedId").toInt(), 1);
}

QTEST_MAIN(TestSettingsPages)
#include "tst_settingspages.moc"
