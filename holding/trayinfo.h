#ifndef TRAYINFO_H
#define TRAYINFO_H

#include <QByteArray>
#include <QMetaType>
#include <QtGlobal>

// The holding record of one slot, as the slot announces it on every change, as the
// holding coordination keeps it per bin and as it travels to the other display.
struct trayInfo
{
    quint8 binNumber = 0;     // 0-based bin of the cabinet
    bool active = false;      // the slot is holding
    qint8 dayPart = -1;       // day part whose assignment gave the product
    bool isGroup = false;     // productId is a group; the product is its member at groupIndex
    qint32 productId = 0;     // product or group id, 0 for none
    qint8 groupIndex = 0;
    qint32 remainingTime = 0; // seconds of holding left (negative once past)
    qint64 expectedTime = 0;  // epoch ms at which the holding ends; 0 when not holding
    quint8 trayState = 0;     // TrayBarSc::TrayState_enum code

    static constexpr int PackedSize = 1 + 1 + 1 + 1 + 4 + 1 + 4 + 8 + 1;

    // Fixed-size big-endian form for the display link.
    QByteArray pack() const;
    // False (and `out` untouched) for a buffer of the wrong size or a bin above 19.
    static bool unpack(const QByteArray &data, trayInfo *out);

    bool operator==(const trayInfo &other) const;
    bool operator!=(const trayInfo &other) const { return !(*this == other); }
};
Q_DECLARE_METATYPE(trayInfo)

#endif // TRAYINFO_H
