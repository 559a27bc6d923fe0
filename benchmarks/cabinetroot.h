#ifndef CABINETROOT_H
#define CABINETROOT_H

// What the benchmarks that start the whole program give it: day parts that put a product
// in every bin, and the environment of a simulated cabinet in a scratch folder.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QHostAddress>
#include <QProcessEnvironment>
#include <QString>
#include <QTcpServer>

namespace CabinetRoot {

// One day part, "All day", with productOf(bin) in each of `bins` bins.
template<typename ProductOf>
QByteArray dayPartsJson(int bins, ProductOf productOf)
{
    QJsonArray locations;
    for (int bin = 0; bin < bins; ++bin) // the file counts bins from 1
        locations.append(QJsonObject{{QStringLiteral("bin"), bin + 1}, {QStringLiteral("productId"), productOf(bin)}});
    const QJsonObject dayPart{{QStringLiteral("daypartName"), QJsonObject{{QStringLiteral("eng_USA"), QStringLiteral("All day")}}},
                              {QStringLiteral("inUse"), true},
                              {QStringLiteral("productLocations"), locations}};
    return QJsonDocument(QJsonObject{{QStringLiteral("dayPartVersion"), 1},
                                     {QStringLiteral("layout"), QJsonArray{dayPart}}})
        .toJson();
}

// A virtual CAN bus on a port free now, which the first cabinet started on it serves: runs
// beside each other (or a cabinet left running) never share a bus.
inline QString freeCanBus()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return QStringLiteral("tcp://127.0.0.1:%1/can0").arg(probe.serverPort());
}

// The data root `root`, the other roots and the tools' stand-ins under `scratch`, the
// virtual CAN bus `canBus`, no end-of-line server port of its own.
inline QProcessEnvironment environment(const QString &scratch, const QString &root, const QString &canBus)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TUL_ROOT_DIR"), root);
    env.insert(QStringLiteral("TUL_FLASH_DIR"), scratch + QStringLiteral("/flash/"));
    env.insert(QStringLiteral("TUL_SYSTEM_DIR"), scratch + QStringLiteral("/system/"));
    env.insert(QStringLiteral("TUL_TOOLS_DIR"), QStringLiteral(TUL_SOURCE_DIR "/tools/standins"));
    env.insert(QStringLiteral("TUL_TOOLS_LOG"), scratch + QStringLiteral("/tools.log"));
    env.insert(QStringLiteral("TUL_CAN_INTERFACE"), canBus);
    env.insert(QStringLiteral("TUL_EOL_TCP_PORT"), QStringLiteral("0"));
    // The start-up's markers ("First frame", "Scene loaded") are debug lines.
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tul.core.debug=true"));
    return env;
}

} // namespace CabinetRoot

#endif // CABINETROOT_H
