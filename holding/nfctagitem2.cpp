#include "nfctagitem2.h"

#include "crc32.h"

#include <QDataStream>

void NfcTagItem2::setHoldStatus(unsigned char status)
{
    m_holdStatus = status;
    if (status < StatusExpired)
        m_expired = false;
    else if (status == StatusExpired)
        m_expired = true;
}

quint32 NfcTagItem2::productNameCrc32(const QString &plainName)
{
    static const Crc32 crc;
    return crc.calculateFromByteArray(plainName.toUtf8());
}

bool NfcTagItem2::operator==(const NfcTagItem2 &other) const
{
    return m_uid == other.m_uid && m_holdStatus == other.m_holdStatus
        && m_position == other.m_position && m_expTime == other.m_expTime
        && m_activationTimeStamp == other.m_activationTimeStamp && m_crc32 == other.m_crc32
        && m_productId == other.m_productId && m_batchId == other.m_batchId
        && m_restartRequested == other.m_restartRequested && m_expired == other.m_expired;
}

QDataStream &operator<<(QDataStream &out, const NfcTagItem2 &item)
{
    out << item.getUid() << item.getHoldStatus() << item.getPositionByte() << item.getExpTime()
        << item.getActivationTimeStamp() << item.getCrc32() << qint32(item.getProductId())
        << item.getBatchId().toUtf8() << item.getRestartRequested() << item.getExpired();
    return out;
}

QDataStream &operator>>(QDataStream &in, NfcTagItem2 &item)
{
    quint64 uid = 0;
    quint8 status = 0;
    quint8 position = 0;
    qint64 expTime = 0;
    qint64 activation = 0;
    quint32 crc = 0;
    qint32 productId = 0;
    QByteArray batchId;
    bool restart = false;
    bool expired = false;
    in >> uid >> status >> position >> expTime >> activation >> crc >> productId >> batchId
        >> restart >> expired;
    if (in.status() != QDataStream::Ok)
        return in;
    item.setUid(uid);
    item.setHoldStatus(status);
    item.setExpired(expired);
    item.setPositionByte(position);
    item.setExpTime(expTime);
    item.setActivationTimeStamp(activation);
    item.setCrc32(crc);
    item.setProductId(productId);
    item.setBatchId(QString::fromUtf8(batchId));
    item.setRestartRequested(restart);
    return in;
}
