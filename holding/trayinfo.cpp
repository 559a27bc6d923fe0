#include "trayinfo.h"

#include <QDataStream>

QByteArray trayInfo::pack() const
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::BigEndian);
    out << binNumber << quint8(active) << dayPart << quint8(isGroup) << productId << groupIndex
        << remainingTime << expectedTime << trayState;
    return data;
}

bool trayInfo::unpack(const QByteArray &data, trayInfo *out)
{
    if (!out || data.size() != PackedSize)
        return false;
    QDataStream in(data);
    in.setByteOrder(QDataStream::BigEndian);
    trayInfo r;
    quint8 active = 0;
    quint8 isGroup = 0;
    in >> r.binNumber >> active >> r.dayPart >> isGroup >> r.productId >> r.groupIndex
        >> r.remainingTime >> r.expectedTime >> r.trayState;
    if (in.status() != QDataStream::Ok || r.binNumber > 19)
        return false;
    r.active = active != 0;
    r.isGroup = isGroup != 0;
    *out = r;
    return true;
}

bool trayInfo::operator==(const trayInfo &o) const
{
    return binNumber == o.binNumber && active == o.active && dayPart == o.dayPart && isGroup == o.isGroup
           && productId == o.productId && groupIndex == o.groupIndex && remainingTime == o.remainingTime
           && expectedTime == o.expectedTime && trayState == o.trayState;
}
