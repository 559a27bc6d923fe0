#ifndef NFCTAGITEM2_H
#define NFCTAGITEM2_H

#include <QString>
#include <QtGlobal>

class QDataStream;

// The record of one NFC-tagged pan known to the cabinet: where it sits, what it holds and
// how long its hold runs. A plain value class; the NFC manager owns the records.
class NfcTagItem2
{
public:
    enum HoldStatus : quint8 {
        StatusStarted = 0,
        StatusReturned = 1,
        StatusTakenOver = 2,
        StatusExpired = 3,
        StatusStopped = 4
    };

    NfcTagItem2() = default;
    explicit NfcTagItem2(quint64 uid) : m_uid(uid) {}

    quint64 getUid() const { return m_uid; }
    void setUid(quint64 uid) { m_uid = uid; }

    quint8 getHoldStatus() const { return m_holdStatus; }
    // Below 3 the hold runs again, so the expired flag goes; 3 sets it; 4 leaves it.
    void setHoldStatus(unsigned char status);

    // Position byte: bits 0-6 the 0-based bin, bit 7 "seen in this cabinet".
    int getPosition() const { return m_position & 0x7F; }
    void setPosition(int bin) { m_position = quint8((m_position & 0x80) | (bin & 0x7F)); }
    bool getSeenInCabinet() const { return (m_position & 0x80) != 0; }
    void setSeenInCabinet(bool seen) { m_position = quint8(seen ? (m_position | 0x80) : (m_position & 0x7F)); }
    quint8 getPositionByte() const { return m_position; }
    void setPositionByte(quint8 position) { m_position = position; }

    qint64 getExpTime() const { return m_expTime; }
    void setExpTime(qint64 epochMs) { m_expTime = epochMs; }

    qint64 getActivationTimeStamp() const { return m_activationTimeStamp; }
    void setActivationTimeStamp(qint64 epochMs) { m_activationTimeStamp = epochMs; }

    quint32 getCrc32() const { return m_crc32; }
    void setCrc32(quint32 crc) { m_crc32 = crc; }

    int getProductId() const { return m_productId; }
    void setProductId(int productId) { m_productId = productId; }

    QString getBatchId() const { return m_batchId; }
    void setBatchId(const QString &batchId) { m_batchId = batchId; }

    bool getRestartRequested() const { return m_restartRequested; }
    void setRestartRequested(bool requested) { m_restartRequested = requested; }

    bool getExpired() const { return m_expired; }
    void setExpired(bool expired) { m_expired = expired; }

    // Bits 40-47 of a uid: the product the pan was tagged for; 0 marks a universal pan.
    static int tagProduct(quint64 uid) { return int((uid >> 40) & 0xFF); }
    // The product CRC a record carries: CRC-32 of the product's plain name in UTF-8.
    static quint32 productNameCrc32(const QString &plainName);

    bool operator==(const NfcTagItem2 &other) const;
    bool operator!=(const NfcTagItem2 &other) const { return !(*this == other); }

private:
    quint64 m_uid = 0;
    quint8 m_holdStatus = StatusStarted;
    quint8 m_position = 0;
    qint64 m_expTime = 0;
    qint64 m_activationTimeStamp = 0;
    quint32 m_crc32 = 0;
    int m_productId = 0;
    QString m_batchId;
    bool m_restartRequested = false;
    bool m_expired = false;
};

// Every field, in a fixed order, for the tag store. Reading sets the fields as stored
// (the expired flag is not derived from the status); the reader checks the values.
QDataStream &operator<<(QDataStream &out, const NfcTagItem2 &item);
QDataStream &operator>>(QDataStream &in, NfcTagItem2 &item);

#endif // NFCTAGITEM2_H
