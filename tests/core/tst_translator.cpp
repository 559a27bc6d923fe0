#include "fakecabinetcore.h"
#include "languageitem.h"
#include "languagemodel.h"
#include "translator.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest>

class TestTranslator : public QObject
{
    Q_OBJECT

private slots:
    void table();
    void lookups();
    void firstSwitchEmitsAllFourInOrder();
    void unchangedLanguageEmitsNothing();
    void idsOutsideTheTableAreIgnored();
    void unknownCodeChangesNothing();
    void languageIdStringAlwaysEmits();
    void catalogueTranslates();
    void missingCatalogueStillSwitches();
    void modelPerCustomer_data();
    void modelPerCustomer();
    void modelMarksMissingCatalogues();

private:
    // Names of the four language signals in the order they are emitted.
    static QStringList recordSignals(Translator &t, QObject *context, QStringList *names)
    {
        QObject::connect(&t, &Translator::languageIdChanged, context, [names] { *names << "languageIdChanged"; });
        QObject::connect(&t, &Translator::languageChanged, context, [names] { *names << "languageChanged"; });
        QObject::connect(&t, &Translator::retranslate, context, [names] { *names << "retranslate"; });
        QObject::connect(&t, &Translator::languageIdStringChanged, context,
                         [names] { *names << "languageIdStringChanged"; });
        return *names;
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
    QCOMPARE(t.getLanguageName(Translator::LANGUAGE_ID_RUS),
             QStringLiteral("P\u0443\u0441\u0441\u043a\u0438\u0439"));
    QCOMPARE(t.getLanguageName(Translator::LANGUAGE_ID_JPN), QStringLiteral("\u65e5\u672c\u8a9e"));
    QCOMPARE(int(Translator::LANGUAGE_ID_NDL), 7);
}

void TestTranslator::lookups()
{
    Translator t;
    QCOMPARE(t.getLanguage(), -1);
    QCOMPARE(t.get_languageIdString(), QString());
    QCOMPARE(t.getLanguageId(QStringLiteral("xx")), 0);
    QCOMPARE(t.getLanguageId(QStringLiteral("ENG_USA")), 0); // case matters: not found
    QCOMPARE(t.getLanguageId(QStringLiteral("SPA")), 0);
    for (int id : {-1, 15, 1000}) {
        QCOMPARE(t.getLanguageName(id), QString());
        QCOMPARE(t.getLanguageIdString(id), QString());
        QCOMPARE(t.getLanguageFile(id), QString());
    }
    QCOMPARE(t.getEmptyString(), QString());
}

void TestTranslator::firstSwitchEmitsAllFourInOrder()
{
    Translator t;
    QStringList names;
    recordSignals(t, this, &names);
    QSignalSpy changed(&t, &Translator::languageChanged);
    t.setLanguage(0);
    QCOMPARE(names, (QStringList{"languageIdChanged", "languageChanged", "retranslate",
                                 "languageIdStringChanged"}));
    QCOMPARE(changed.at(0).at(0).toInt(), 0);
    QCOMPARE(t.getLanguage(), 0);
    QCOMPARE(t.get_languageIdString(), QStringLiteral("eng_USA"));
}

void TestTranslator::unchangedLanguageEmitsNothing()
{
    Translator t;
    t.setLanguage(4);
    QStringList names;
    recordSignals(t, this, &names);
    t.setLanguage(4);
    t.setLanguageByString(QStringLiteral("fra_ca"));
    QCOMPARE(names, QStringList());
}

void TestTranslator::idsOutsideTheTableAreIgnored()
{
    Translator t;
    QStringList names;
    recordSignals(t, this, &names);
    t.setLanguage(-1);
    t.setLanguage(15);
    QCOMPARE(names, QStringList());
    QCOMPARE(t.getLanguage(), -1);
    t.setLanguage(14);
    t.setLanguage(-1);
    QCOMPARE(t.getLanguage(), 14);
}

void TestTranslator::unknownCodeChangesNothing()
{
    Translator t;
    QStringList names;
    recordSignals(t, this, &names);
    t.setLanguageByString(QStringLiteral("klingon"));
    QCOMPARE(t.getLanguage(), -1); // still on the empty catalogue
    t.setLanguageByString(QStringLiteral("ita"));
    QCOMPARE(t.getLanguage(), 6);
    names.clear();
    t.setLanguageByString(QString());
    QCOMPARE(t.getLanguage(), 6);
    QCOMPARE(names, QStringList());
}

void TestTranslator::languageIdStringAlwaysEmits()
{
    Translator t;
    QSignalSpy spy(&t, &Translator::languageIdStringChanged);
    t.set_languageIdString(QStringLiteral("pol"));
    t.set_languageIdString(QStringLiteral("pol"));
    QCOMPARE(spy.count(), 2);
    QSignalSpy idSpy(&t, &Translator::languageIdChanged);
    t.set_languageId(3);
    t.set_languageId(3);
    QCOMPARE(idSpy.count(), 1);
}

void TestTranslator::catalogueTranslates()
{
    Translator t;
    t.setLanguage(Translator::LANGUAGE_ID_SPA);
    QCOMPARE(QCoreApplication::translate("PreferencesPage", "Save"), QStringLiteral("Guardar"));
    t.setLanguage(Translator::LANGUAGE_ID_FRA_CA); // takes the French texts
    QCOMPARE(QCoreApplication::translate("PreferencesPage", "Save"), QStringLiteral("Enregistrer"));
    t.setLanguage(Translator::LANGUAGE_ID_JPN);
    QCOMPARE(QCoreApplication::translate("LanguagePage", "Cancel"), QStringLiteral("\u30ad\u30e3\u30f3\u30bb\u30eb"));
    t.setLanguage(Translator::LANGUAGE_ID_ENG);
    QCOMPARE(QCoreApplication::translate("PreferencesPage", "Save"), QStringLiteral("Save"));
    // Every catalogue of the table is in the resources.
    for (int id = 0; id < Translator::languageCount; ++id)
        QVERIFY2(QFile::exists(t.getLanguageFile(id) + ".qm"), qPrintable(t.getLanguageFile(id)));
}

void TestTranslator::missingCatalogueStillSwitches()
{
    Translator t;
    t.setLanguage(Translator::LANGUAGE_ID_DEU);
    QCOMPARE(QCoreApplication::translate("PreferencesPage", "Save"), QStringLiteral("Speichern"));
    Q_CLEANUP_RESOURCE(translations);
    QStringList names;
    recordSignals(t, this, &names);
    QTest::ignoreMessage(QtDebugMsg, "Failed to load TS file: \":/tultr_pol\"");
    t.setLanguage(Translator::LANGUAGE_ID_POL);
    Q_INIT_RESOURCE(translations);
    QCOMPARE(t.getLanguage(), int(Translator::LANGUAGE_ID_POL));
    QCOMPARE(names.size(), 4);
    // The source texts show, not the previous language's.
    QCOMPARE(QCoreApplication::translate("PreferencesPage", "Save"), QStringLiteral("Save"));
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
    QCOMPARE(model.parent(), translator);
    QList<int> got;
    const QList<QObject *> list = model.languageList();
    for (QObject *o : list) {
        got << o->property("id").toInt();
        QCOMPARE(o->property("name").toString(), translator->getLanguageName(o->property("id").toInt()));
        QVERIFY(o->property("isAvailable").toBool());
    }
    QCOMPARE(got, ids);
    QCOMPARE(model.getLanguageItems().size(), ids.size());
    QSignalSpy itemChanged(model.getLanguageItems().at(0), &LanguageItem::changed);
    model.getLanguageItems().at(0)->setAvailable(true);
    QCOMPARE(itemChanged.count(), 1);
}

void TestTranslator::modelMarksMissingCatalogues()
{
    FakeCabinetCore core;
    Translator translator(&core);
    Q_CLEANUP_RESOURCE(translations);
    LanguageModel model(&translator);
    Q_INIT_RESOURCE(translations);
    QCOMPARE(model.getLanguageItems().size(), 15);
    for (LanguageItem *item : model.getLanguageItems())
        QVERIFY(!item->isAvailable());
}

QTEST_GUILESS_MAIN(TestTranslator)
#include "tst_translator.moc"
