// A probe's thermocouple status, repeated on every error-register poll, becomes one record
// signal when a fault starts and one clear signal when it ends.
#include "tempprobestatemanager.h"

#include <QSignalSpy>
#include <QTest>

class TestTempProbeStateManager : public QObject
{
    Q_OBJECT

private slots:
    void faultsAreRecordedAndClearedOnce_data();
    void faultsAreRecordedAndClearedOnce();
};

// inputs: "item:tcErr" pairs; the probe under test is number 3.
void TestTempProbeStateManager::faultsAreRecordedAndClearedOnce_data()
{
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("shorted") << "3:1" << QStringList{"recordShorted"};
    QTest::newRow("open") << "3:2" << QStringList{"recordOpen"};
    QTest::newRow("repeated status reported once") << "3:1 3:1 3:1" << QStringList{"recordShorted"};
    QTest::newRow("other probe ignored") << "4:1 2:2 13:1" << QStringList{};
    QTest::newRow("shorted then repaired") << "3:1 3:0" << QStringList{"recordShorted", "clearShorted"};
    QTest::newRow("open then shorted")
        << "3:2 3:1" << QStringList{"recordOpen", "clearOpen", "recordShorted"};
    QTest::newRow("shorted then open")
        << "3:1 3:2 3:0" << QStringList{"recordShorted", "clearShorted", "recordOpen", "clearOpen"};
    QTest::newRow("unknown status is normal") << "3:2 3:7" << QStringList{"recordOpen", "clearOpen"};
    QTest::newRow("normal stays quiet") << "3:0 3:5 3:0" << QStringList{};
    QTest::newRow("another probe's repair leaves the fault") << "3:1 4:0" << QStringList{"recordShorted"};
}

void TestTempProbeStateManager::faultsAreRecordedAndClearedOnce()
{
    QFETCH(QString, inputs);
    QFETCH(QStringList, expected);

    TempProbeStateManager probe(3);
    QCOMPARE(probe.get_probeNumber(), 3);
    QStringList seen;
    connect(&probe, &TempProbeStateManager::recordErrorTpShorted, [&] { seen << "recordShorted"; });
    connect(&probe, &TempProbeStateManager::recordErrorTpOpen, [&] { seen << "recordOpen"; });
    connect(&probe, &TempProbeStateManager::clearErrorTpShorted, [&] { seen << "clearShorted"; });
    connect(&probe, &TempProbeStateManager::clearErrorTpOpen, [&] { seen << "clearOpen"; });
    probe.start();
    QTRY_VERIFY(probe.get_isRunning());

    for (const QString &input : inputs.split(' ')) {
        const QStringList parts = input.split(':');
        probe.processTcErrorState(quint16(parts.at(0).toUInt()), quint16(parts.at(1).toUInt()));
        QCoreApplication::processEvents(); // the machine takes one input at a time
    }
    QCoreApplication::processEvents();
    QCOMPARE(seen, expected);
}

QTEST_GUILESS_MAIN(TestTempProbeStateManager)
#include "tst_tempprobestatemanager.moc"
