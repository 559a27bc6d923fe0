#ifndef INTERFACESTATE_H
#define INTERFACESTATE_H

#include <QByteArray>
#include <QString>

// The live state of one network interface: its first IPv4 entry and hardware address
// from the system, its default gateway from the kernel's routing table.
struct InterfaceState
{
    QString name;
    bool present = false; // the system knows the interface
    QString address, netmask, broadcast, macAddress, gateway;

    // "/proc/net/route" under the system root; a line per route, a few dozen at most.
    static constexpr qint64 MaxRouteTableBytes = 1024 * 1024;
    static QString routeTablePath();
    static InterfaceState read(const QString &name);

    // The gateway of the interface's default route in a routing table's text (the
    // kernel's hexadecimal form); with several, the one of the lowest metric. Empty
    // when there is none. Lines that do not parse are skipped.
    static QString defaultGateway(const QByteArray &routeTable, const QString &interface);
};

#endif // INTERFACESTATE_H
