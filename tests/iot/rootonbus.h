#ifndef ROOTONBUS_H
#define ROOTONBUS_H

#include "alarmtimings.h"
#include "cabinetmanager.h"
#include "configurationmanager.h"
#include "ioboardsimulator.h"
#include "iotlink.h"
#include "iottables.h"
#include "mastersync.h"
#include "personalitytypes.h"
#include "privatebus.h"
#include "scratchroots.h"
#include "simulatedpans.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QtTest>

// The root program on a private system bus with the test as the IoT agent, against the
// simulated IO board and NFC reader. The cabinet is the 5 x 2 single-display NFC cabinet
// of the holding test (bins 0-2 hold product 21 "Patty", bin 3 product 22 "Sausage").
class RootOnBus
{
public:
    // In initTestCase.
    void startBus()
    {
        AlarmTimings::setScale(0.02);
        bus.reset(new PrivateBus);
        QVERIFY(bus->isRunning());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus->address().toUtf8());
        agent.reset(new BusAgent(bus->connect(QStringLiteral("agent")), IotLink::ObjectPath, IotLink::InterfaceName));
        QVERIFY(agent->listening());
    }
    void stopBus() { agent.reset(), bus.reset(); }

    // In init: fresh roots with the cabinet's files, then the program.
    void prepare()
    {
        cwd = QDir::currentPath();
        scratch.reset(new ScratchRoots);
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        scratch->setVariable("TUL_CAN_INTERFACE", QStringLiteral("tcp://127.0.0.1:%1/can0").arg(probe.serverPort()));
        const QStringList files{PERSONALITY_FIXTURES "/5x2_primary_nfc.hcc", MENU_FIXTURES "/menu_holding.json",
                                HOLDING_FIXTURES "/dayParts.json"};
        for (const QString &file : files)
            QVERIFY(scratch->writeRootFile(QFileInfo(file).fileName().replace("menu_holding", "menu"), readFile(file)));
        QVERIFY(scratch->writeRootFile(QStringLiteral("serialModelNums.txt"),
                                       "serialNumber=SN-0001\nmodelNumber=MODEL-A\nuuidNumber=uuid-1\n"));
        agent->clear();
        agent->keep = true;
    }

    // Starts (again) the program; each heater keeps its own reading, 160 + its number.
    void start()
    {
        cm.reset();
        cm.reset(new CabinetManager(0, 7));
        cm->ioSimulator()->set_heatingStep(0);
        for (int heater = 0; heater < 10; ++heater)
            cm->ioSimulator()->setTemperature(heater, 160 + heater);
        cm->ioSimulator()->setAmbientTemperature(80);
        QTRY_VERIFY_WITH_TIMEOUT(cm->masterSync()->get_synced(), 10000);
        QTRY_COMPARE(cm->get_trayState(1), 4);
    }

    // In cleanup.
    void stop()
    {
        cm.reset();
        QDir::setCurrent(cwd);
        scratch.reset();
    }

    void useSchema(bool customer)
    {
        cm->configManager()->set_iotType(customer ? QStringLiteral("QRB_LUMO") : QStringLiteral("QRB_VAZARA"));
    }

    // A pan with that tag put in the bin; 0: the bin's pan taken out.
    void place(int bin, quint64 uid) { placeSimulatedPan(cm.data(), bin, uid); }

    QScopedPointer<PrivateBus> bus;
    QScopedPointer<BusAgent> agent;
    QScopedPointer<ScratchRoots> scratch;
    QScopedPointer<CabinetManager> cm;
    QString cwd;
};

#endif // ROOTONBUS_H
