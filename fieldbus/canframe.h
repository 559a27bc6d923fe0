#ifndef CANFRAME_H
#define CANFRAME_H

#include <QByteArray>
#include <QMetaType>

class QCanBusFrame;

// A CAN frame in the Linux SocketCAN layout (struct can_frame): 32-bit identifier with
// the EFF/RTR/ERR flags in its top bits, data length code, padding, 8 data bytes.
struct can_frame_t {
    quint32 can_id = 0;
    quint8 can_dlc = 0;
    quint8 pad = 0;
    quint8 res0 = 0;
    quint8 res1 = 0;
    alignas(8) quint8 data[8] = {0, 0, 0, 0, 0, 0, 0, 0};
};
static_assert(sizeof(can_frame_t) == 16, "SocketCAN frame layout");

// A CAN data frame in the program's own form: identifier (11 or 29 bits) and up to 8
// data bytes. Frames that are not data frames (remote requests, error frames) are not
// representable and convert to an invalid CanFrame.
class CanFrame
{
public:
    static constexpr quint32 EffFlag = 0x80000000u;
    static constexpr quint32 RtrFlag = 0x40000000u;
    static constexpr quint32 ErrFlag = 0x20000000u;
    static constexpr quint32 ExtendedIdMask = 0x1FFFFFFFu;
    static constexpr quint32 StandardIdMask = 0x7FFu;

    CanFrame() = default;
    CanFrame(quint32 id, const QByteArray &data, bool extended = true);

    bool isValid() const { return m_valid; }
    quint32 id() const { return m_id; }
    bool isExtended() const { return m_extended; }
    const QByteArray &data() const { return m_data; }

    can_frame_t toSocketCan() const;
    static CanFrame fromSocketCan(const can_frame_t &frame);
    QCanBusFrame toBusFrame() const;
    static CanFrame fromBusFrame(const QCanBusFrame &frame);

private:
    quint32 m_id = 0;
    QByteArray m_data;
    bool m_extended = true;
    bool m_valid = false;
};

Q_DECLARE_METATYPE(can_frame_t)
Q_DECLARE_METATYPE(CanFrame)

#endif // CANFRAME_H
