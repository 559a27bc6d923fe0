#include "canframe.h"

#include <QCanBusFrame>

#include <cstring>

CanFrame::CanFrame(quint32 id, const QByteArray &data, bool extended)
    : m_id(id & (extended ? ExtendedIdMask : StandardIdMask))
    , m_data(data.left(8))
    , m_extended(extended)
    , m_valid(data.size() <= 8 && id == m_id)
{
}

can_frame_t CanFrame::toSocketCan() const
{
    can_frame_t frame;
    frame.can_id = m_id | (m_extended ? EffFlag : 0u);
    frame.can_dlc = quint8(m_data.size());
    std::memcpy(frame.data, m_data.constData(), size_t(m_data.size()));
    return frame;
}

CanFrame CanFrame::fromSocketCan(const can_frame_t &frame)
{
    if (frame.can_id & (RtrFlag | ErrFlag) || frame.can_dlc > 8)
        return CanFrame();
    const bool extended = frame.can_id & EffFlag;
    const QByteArray data(reinterpret_cast<const char *>(frame.data), frame.can_dlc);
    return CanFrame(frame.can_id & (extended ? ExtendedIdMask : StandardIdMask), data, extended);
}

QCanBusFrame CanFrame::toBusFrame() const
{
    QCanBusFrame frame(m_id, m_data);
    frame.setExtendedFrameFormat(m_extended);
    return frame;
}

CanFrame CanFrame::fromBusFrame(const QCanBusFrame &frame)
{
    if (!frame.isValid() || frame.frameType() != QCanBusFrame::DataFrame
        || frame.hasFlexibleDataRateFormat() || frame.payload().size() > 8)
        return CanFrame();
    return CanFrame(frame.frameId(), frame.payload(), frame.hasExtendedFrameFormat());
}
