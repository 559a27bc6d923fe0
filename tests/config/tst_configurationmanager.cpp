#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "scratchroots.h"

#include <QSignalSpy>
#include <QtTest>

class TestConfigurationManager : public QObject
{
    Q_OBJECT

private slots:
    void defaultsByCustomer_data();
    void defaultsByCustomer();
    void everyFileKeyIsAWritableProperty();
};

void TestConfigurationManager::defaultsByCustomer_data()
{
    QTest::addColumn<int>("customer");
    QTest::addColumn<QString>("iotType");
    QTest::addColumn<uint>("usedLanguages");
    QTest::addColumn<int>("ecoActivateMode");
    QTest::newRow("default") << 0 << "QRB_VAZARA" << 7u << 0;
    QTest::newRow("tandor") << 2 << "QRB_VAZARA" << 7u << 1;
    QTest::newRow("qrb") << 3 << "QRB_LUMO" << 7u << 0;
    QTest::newRow("halvo") << 5 << "QRB_VAZARA" << 3u << 0;
}

void TestConfigurationManager::defaultsByCustomer()
{
    QFETCH(int, customer);
    ScratchRoots scratch;
    FakeCabinetCore core;
    core.customerId = customer;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    QTEST(config.get_iotType(), "iotType");
    QTEST(config.get_usedLanguages(), "usedLanguages");
    QTEST(config.get_ecoActivateMode(), "ecoActivateMode");
    QCOMPARE(config.get_languageId(), QStringLiteral("eng_USA"));
    QCOMPARE(config.get_storeNumber(), QStringLiteral("N.A."));
}

void TestConfigurationManager::everyFileKeyIsAWritableProperty()
{
    FakeCabinetCore core;
    ConfigurationManager config(nullptr, nullptr, true, 1, &core);
    QCOMPARE(ConfigurationManager::configFileKeys().size(), 69);
    const QMetaObject *meta = config.metaObject();
    for (const QString &key : ConfigurationManager::configFileKeys()) {
        const int index = meta->indexOfProperty(key.toLatin1().constData());
        QVERIFY2(index >= 0, qPrintable(key));
        QVERIFY2(meta->property(index).isWritable(), qPrintable(key));
        QVERIFY2(meta->property(index).hasNotifySignal(), qPrintable(key));
    }
    QCOMPARE(config.configFileText().count('\n'), 69);
}

QTEST_GUILESS_MAIN(TestConfigurationManager)
#include "tst_configurationmanager.moc"
