#ifndef CANSENDREQUEST_H
#define CANSENDREQUEST_H

#include <QByteArray>

// One queued CAN transmission. The sender fills it and hands it to
// CanbusManager::enqueueSendRequest, which owns it from then on.
//  - frameId: the sender id carried by the frames (1 on the master display, 2 on the
//    others); 0 takes the CAN manager's own id.
//  - multi/multiId: a multi-packet transfer under that id (0..255), acknowledged block by
//    block; a file transfer is a multi-packet transfer under the file's id.
//  - data: the message bytes. A single message of up to 8 bytes is one frame; a longer
//    one travels like a multi-packet transfer and still arrives as a single message.
class CanSendRequest
{
public:
    CanSendRequest() = default;

    int get_frameId() const { return m_frameId; }
    void set_frameId(int id) { m_frameId = id; }
    bool get_multi() const { return m_multi; }
    void set_multi(bool multi) { m_multi = multi; }
    int get_multiId() const { return m_multiId; }
    void set_multiId(int id) { m_multiId = id; }
    const QByteArray &get_data() const { return m_data; }
    void set_data(const QByteArray &data) { m_data = data; }

private:
    int m_frameId = 0;
    bool m_multi = false;
    int m_multiId = 0;
    QByteArray m_data;
};

#endif // CANSENDREQUEST_H
