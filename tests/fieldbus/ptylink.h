#ifndef PTYLINK_H
#define PTYLINK_H

#include <QByteArray>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

// Two pseudo-terminals joined back to back, like a null-modem cable: what is written to
// one device arrives at the other. A relay thread copies the bytes and can spoil them on
// the way from the far end to the near end (the master's side), to show how the master
// takes a damaged or missing reply, and can hold the replies to the pace of a real line.
class PtyLink
{
public:
    PtyLink();
    ~PtyLink();

    bool isValid() const { return m_valid; }
    QString nearDevice() const { return m_nearPath; }  // the master opens this one
    QString farDevice() const { return m_farPath; }    // the peer opens this one

    // The next `chunks` reads from the far end reach the near end with their last byte
    // inverted (so the frame's CRC no longer matches).
    void corruptReplies(int chunks) { m_corrupt = chunks; }
    // Replies from the far end are swallowed while set.
    void dropReplies(bool drop) { m_drop = drop; }
    // Replies reach the near end one byte at a time, each when its ten bits (8N1) would
    // have crossed a line of `baud`; 0: at once.
    void paceReplies(int baud) { m_byteNs = baud > 0 ? 10000000000LL / baud : 0; }
    // Bytes from the far end that no request asked for (a stray frame), paced as replies.
    void sendFromFar(const QByteArray &bytes);
    // Bytes that have reached the near end and that the master has not read yet.
    int unreadAtNear() const;
    // For each request since the link was made that followed reply bytes: the time from
    // the last of them reaching the near end to the request's first byte leaving it. None
    // is taken after bytes this thread delivered late, when the line fell silent early.
    std::vector<qint64> silencesBeforeRequests() const;

private:
    void relay();

    int m_nearMaster = -1, m_nearSlave = -1;
    int m_farMaster = -1, m_farSlave = -1;
    QString m_nearPath, m_farPath;
    bool m_valid = false;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_corrupt{0};
    std::atomic<bool> m_drop{false};
    std::atomic<qint64> m_byteNs{0};
    mutable std::mutex m_mutex;
    std::vector<qint64> m_silences;
    std::thread m_thread;
};

#endif // PTYLINK_H
