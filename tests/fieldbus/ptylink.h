#ifndef PTYLINK_H
#define PTYLINK_H

#include <QString>

#include <atomic>
#include <thread>

// Two pseudo-terminals joined back to back, like a null-modem cable: what is written to
// one device arrives at the other. A relay thread copies the bytes and can spoil them on
// the way from the far end to the near end (the master's side), to show how the master
// takes a damaged or missing reply.
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

private:
    void relay();

    int m_nearMaster = -1, m_nearSlave = -1;
    int m_farMaster = -1, m_farSlave = -1;
    QString m_nearPath, m_farPath;
    bool m_valid = false;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_corrupt{0};
    std::atomic<bool> m_drop{false};
    std::thread m_thread;
};

#endif // PTYLINK_H
