// The interface language: the table of the 15 languages, the switches and the signals
// they give, the catalogues they load, and the languages each customer may choose.
#include "fakecabinetcore.h"
#include "languageitem.h"
#include "languagemodel.h"
#include "translator.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

class TestTranslator : public QObject
{
    Q_OBJECT

private slots:
    void table();
    void switching_data();
    void switching();
    void catalogueTranslates();
    void missingCatalogueStillSwitches();
    void modelPerCustomer_data();
    void modelPerCustomer();
    void applicationFontFollowsTheLanguage_data();
    void applicationFontFollowsTheLanguage();

private:
    // Names of the four language signals in the order they are emitted.
    void recordSignals(Translator &t, QStringList *names)
    {
        connect(&t, &Translator::languageIdChanged, this, [names] { *names << "languageIdChanged"; });
        connect(&t, &Translator::languageChanged, this, [names] { *names << "languageChanged"; });
        connect(&t, &Translator::retranslate, this, [names] { *names << "retranslate"; });
        connect(&t, &Translator::languageIdStringChanged, this, [names] { *names << "languageIdStringChanged"; });
    }
};

void TestTranslator::table()
{
    const QStringList codes{"eng_USA", "spa", "fra", "spa_mx", "fra_ca", "deu", "ita", "nld",
                            "pol", "por", "rus", "ara", "kor", "zh_cn", "jpn"};
    Translator t;
    QCOMPARE(t.getNumOfAllLanguages(), 15);
    QCOMPARE(t.getNumOfUsedLanguages(), 15);
    for (int id = 0; id < codes.size(); ++id) {
        QCOMPARE(t.getLanguageIdString(id), codes.at(id));
        QCOMPARE(t.getLanguageFile(id), QStringLiteral(":/tultr_") + codes.at(id));
        QCOMPARE(t.getLanguageId(codes.at(id)), id);
    }
    QCOMPARE(t.getLanguageName(Translator::LANGUAGE_ID_SPA), QStringLiteral("Espa\u00f1ol"));
    QCOMPARE(t.getLanguageName(Translator::LANGUAGE_ID_JPN), QStringLiteral("\u65e5\u672c\u8a9e"));
    // Codes are case-sensitive; unknown ones and ids outside the table give nothing.
    QCOMPARE(t.getLanguageId(QStringLiteral("xx")), 0);
    QCOMPARE(t.getLanguageId(QStringLiteral("SPA")), 0);
    for (int id : {-1, 15}) {
        QCOMPARE(t.getLanguageName(id), QString());
        QCOMPARE(t.getLanguageIdString(id), QString());
        QCOMPARE(t.getLanguageFile(id), QString());
    }
}

void TestTranslator::switching_data()
{
    QTest::addColumn<QStringList>("steps"); // ids or codes; the signals are recorded after "|"
    QTest::addColumn<QStringList>("emitted");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("code");

    const QStringList none;
    QTest::newRow("first switch emits all four in order")
        << QStringList{"|", "0"}
        << QStringList{"languageIdChanged", "languageChanged", "retranslate", "languageIdStringChanged"} << 0
        << "eng_USA";
    QTest::newRow("unchanged language, by id and by code") << QStringList{"4", "|", "4", "fra_ca"} << none << 4
                                                           << "fra_ca";
    QTest::newRow("ids outside the table") << QStringList{"|", "-1", "15"} << none << -1 << "";
    QTest::newRow("id outside the table keeps the last") << QStringList{"14", "|", "-1"} << none << 14 << "jpn";
    QTest::newRow("unknown code") << QStringList{"|", "klingon"} << none << -1 << "";
    QTest::newRow("code") << QStringList{"ita"} << none << 6 << "ita";
    QTest::newRow("code of the first language") << QStringList{"ita", "eng_USA"} << none << 0 << "eng_USA";
    QTest::newRow("empty code") << QStringList{"ita", "|", ""} << none << 6 << "ita";
}

void TestTranslator::switching()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, emitted);
    QFETCH(int, language);
    QFETCH(QString, code);
    Translator t;
    QStringList names;
    for (const QString &step : steps) {
        bool isId = false;
        const int id = step.toInt(&isId);
        if (step == QLatin1String("|"))
            recordSignals(t, &names);
        else if (isId)
            t.setLanguage(id);
        else
            t.setLanguageByString(step);
    }
    QCOMPARE(names, emitted);
    QCOMPARE(t.getLanguage(), language);
    QCOMPARE(t.get_languageIdString(), code);
}

void TestTranslator::catalogueTranslates()
{
    Translator t;
    t.setLanguage(Translator::LANGUAGE_ID_SPA);
    QCOMPARE(QCoreApplication::translate("PreferencesPage", "Save"), QStringLiteral("Guardar"));
    t.setLanguage(Translator::LANGUAGE_ID_FRA_CA); // takes the French texts
    QCOMPARE(QCoreApplication::translate("PreferencesPage", "Save"), QStringLiteral("Enregistrer"));
    t.setLanguage(Translator::LANGUAGE_ID_ENG);
    QCOMPARE(QCoreApplication::translate("PreferencesPage", "Save"), QStringLiteral("Save"));
    // Every catalogue of the table is in the resources.
    for (int id = 0; id < Translator::languageCount; ++id)
        QVERIFY2(QFile::exists(t.getLanguageFile(id) + ".qm"), qPrintable(t.getLanguageFile(id)));
}

void TestTranslator::missingCatalogueStillSwitches()
{
    FakeCabinetCore core;
    Translator t(&core);
    t.setLanguage(Translator::LANGUAGE_ID_DEU);
    QCOMPARE(QCoreApplication::translate("PreferencesPage", "Save"), QStringLiteral("Speichern"));
    Q_CLEANUP_RESOURCE(translations);
    QStringList names;
    recordSignals(t, &names);
    QTest::ignoreMessage(QtDebugMsg, "Failed to load TS file: \":/tultr_pol\"");
    t.setLanguage(Translator::LANGUAGE_ID_POL);
    LanguageModel model(&t);
    Q_INIT_RESOURCE(translations);
    QCOMPARE(t.getLanguage(), int(Translator::LANGUAGE_ID_POL));
    QCOMPARE(names.size(), 4);
    // The source texts show, not the previous language's.
    QCOMPARE(QCoreApplication::translate("PreferencesPage", "Save"), QStringLiteral("Save"));
    // The languages list marks the ones it has no catalogue for.
    QCOMPARE(model.getLanguageItems().size(), 15);
    for (LanguageItem *item : model.getLanguageItems())
        QVERIFY(!item->isAvailable());
}

void TestTranslator::modelPerCustomer_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<QList<int>>("ids");
    QList<int> all;
    for (int id = 0; id < 15; ++id)
        all << id;
    QTest::newRow("0") << 0 << all;
    QTest::newRow("Vyx") << 1 << all;
    QTest::newRow("TANDOR") << 2 << QList<int>{0, 1, 2};
    QTest::newRow("QRB") << 3 << QList<int>{0, 1, 2};
    QTest::newRow("X") << 4 << all;
    QTest::newRow("HALVO") << 5 << QList<int>{0, 1};
}

void TestTranslator::modelPerCustomer()
{
    QFETCH(int, customer);
    QFETCH(QList<int>, ids);
    FakeCabinetCore core;
    core.customerId = customer;
    auto *translator = new Translator(&core);
    LanguageModel model(translator);
    QList<int> got;
    for (QObject *o : model.languageList()) {
        got << o->property("id").toInt();
        QCOMPARE(o->property("name").toString(), translator->getLanguageName(o->property("id").toInt()));
        QVERIFY(o->property("isAvailable").toBool());
    }
    QCOMPARE(got, ids);
    QCOMPARE(model.getLanguageItems().size(), ids.size());
}

// Ids 0 English, 1 Spanish, 11 Arabic, 12 Korean, 13 Chinese, 14 Japanese.
void TestTranslator::applicationFontFollowsTheLanguage_data()
{
    QTest::addColumn<QList<int>>("languages");
    QTest::addColumn<bool>("held");
    QTest::addColumn<QString>("familyBeforeRelease");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("fontChanges");
    // A switch after the release: the font follows it at once (-1: none).
    QTest::addColumn<int>("switchAfter");
    QTest::addColumn<QString>("familyAfterSwitch");
    const QString latin = QStringLiteral("DejaVu Sans");
    QTest::newRow("switch") << QList<int>{12} << false << "Noto Sans CJK KR" << "Noto Sans CJK KR" << 1 << -1 << QString();
    QTest::newRow("same family kept") << QList<int>{1, 11} << false << latin << latin << 0 << -1 << QString();
    QTest::newRow("held until released") << QList<int>{12} << true << latin << "Noto Sans CJK KR" << 1 << 0 << latin;
    QTest::newRow("held, set once") << QList<int>{13, 14} << true << latin << "Noto Sans CJK JP" << 1 << -1 << QString();
    QTest::newRow("held, back to the font it has") << QList<int>{13, 0} << true << latin << latin << 0 << 13 << "Noto Sans CJK SC";
    QTest::newRow("held, Latin") << QList<int>{1} << true << latin << latin << 0 << -1 << QString();
}

void TestTranslator::applicationFontFollowsTheLanguage()
{
    QFETCH(QList<int>, languages);
    QFETCH(bool, held);
    QFETCH(QString, familyBeforeRelease);
    QFETCH(QString, family);
    QFETCH(int, fontChanges);
    QFETCH(int, switchAfter);
    QFETCH(QString, familyAfterSwitch);
    QFont start = QGuiApplication::font();
    start.setFamily(QStringLiteral("DejaVu Sans"));
    QGuiApplication::setFont(start);
    Translator t;
    t.setLanguage(0);
    QSignalSpy changes(qGuiApp, &QGuiApplication::fontChanged);
    if (held)
        t.holdApplicationFont();
    for (int id : languages)
        t.setLanguage(id);
    QCOMPARE(QGuiApplication::font().family(), familyBeforeRelease);
    t.releaseApplicationFont();
    t.releaseApplicationFont(); // a second release changes nothing
    QCOMPARE(QGuiApplication::font().family(), family);
    QCOMPARE(changes.size(), fontChanges);
    // The language the texts show is switched whatever happens to the font.
    QCOMPARE(t.getLanguage(), languages.last());
    if (switchAfter < 0)
        return;
    t.setLanguage(switchAfter);
    QCOMPARE(QGuiApplication::font().family(), familyAfterSwitch);
}

QTEST_MAIN(TestTranslator)
#include "tst_translator.moc"
