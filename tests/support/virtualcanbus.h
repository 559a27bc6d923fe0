#ifndef VIRTUALCANBUS_H
#define VIRTUALCANBUS_H

#include "cansendrequest.h"

#include <QHostAddress>
#include <QString>
#include <QTcpServer>

// A virtual CAN bus of the test's own, for CAN managers in the test's process: the
// virtualcan server of a process listens on one port, so take a free one.
inline QString virtualCanInterface()
{
    static const quint16 port = [] {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return probe.serverPort();
    }();
    return QStringLiteral("tcp://127.0.0.1:%1/can0").arg(port);
}

// A send request; multiId -1 makes it a single message.
inline CanSendRequest *canRequest(int frameId, const QByteArray &data, int multiId = -1)
{
    auto *r = new CanSendRequest;
    r->set_frameId(frameId);
    r->set_data(data);
    if (multiId >= 0) {
        r->set_multi(true);
        r->set_multiId(multiId);
    }
    return r;
}

#endif // VIRTUALCANBUS_H
