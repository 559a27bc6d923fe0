#include "interfacestate.h"

#include "networksettings.h"
#include "safefilereader.h"
#include "tulpaths.h"

#include <QFile>
#include <QNetworkInterface>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

enum RouteFlags : uint { RouteUp = 0x1, RouteGateway = 0x2 };

// The table prints each address as the host's reading of its network-order bytes.
QString addressFromRouteHex(quint32 value)
{
    uchar bytes[4];
    std::memcpy(bytes, &value, sizeof bytes);
    return QHostAddress(qFromBigEndian<quint32>(bytes)).toString();
}

} // namespace

QString InterfaceState::routeTablePath()
{
    return TulPaths::resolve(QStringLiteral("/proc/net/route"));
}

QString InterfaceState::defaultGateway(const QByteArray &routeTable, const QString &interface)
{
    // Iface Destination Gateway Flags RefCnt Use Metric Mask MTU Window IRTT
    QString best;
    qint64 bestMetric = std::numeric_limits<qint64>::max();
    const QList<QByteArray> lines = routeTable.split('\n');
    for (int i = 1; i < lines.size(); ++i) { // the first line is the heading
        const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
        if (fields.size() < 8 || QString::fromLatin1(fields.at(0)) != interface)
            continue;
        bool okDest = false, okGateway = false, okFlags = false, okMetric = false, okMask = false;
        const quint32 destination = fields.at(1).toUInt(&okDest, 16);
        const quint32 gateway = fields.at(2).toUInt(&okGateway, 16);
        const uint flags = fields.at(3).toUInt(&okFlags, 16);
        const qint64 metric = fields.at(6).toLongLong(&okMetric, 10);
        const quint32 mask = fields.at(7).toUInt(&okMask, 16);
        if (!okDest || !okGateway || !okFlags || !okMetric || !okMask || fields.at(1).size() != 8
            || fields.at(2).size() != 8) {
            qCDebug(lcNetwork) << "Skipped a routing table line:" << lines.at(i);
            continue;
        }
        if (destination != 0 || mask != 0 || (flags & (RouteUp | RouteGateway)) != (RouteUp | RouteGateway))
            continue;
        if (metric < bestMetric) {
            bestMetric = metric;
            best = addressFromRouteHex(gateway);
        }
    }
    return best;
}

InterfaceState InterfaceState::read(const QString &name)
{
    InterfaceState state;
    state.name = name;
    const QNetworkInterface interface = QNetworkInterface::interfaceFromName(name);
    if (!interface.isValid())
        return state;
    state.present = true;
    state.macAddress = interface.hardwareAddress();
    const QList<QNetworkAddressEntry> entries = interface.addressEntries();
    for (const QNetworkAddressEntry &entry : entries) {
        if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        state.address = entry.ip().toString();
        state.netmask = entry.netmask().toString();
        state.broadcast = entry.broadcast().toString();
        break;
    }
    QByteArray routes;
    if (SafeFileReader::read(routeTablePath(), MaxRouteTableBytes, &routes, "route table") == SafeFileReader::Ok)
        state.gateway = defaultGateway(routes, name);
    return state;
}
