#ifndef FULLDISK_H
#define FULLDISK_H

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process (or of the tools it starts) may grow past
// `bytes`: a write beyond fails as on a full disk (EFBIG instead of ENOSPC), and ends.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes = 0)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FullDisk() { spaceBack(); }
    bool isSet() const { return m_set; }
    void spaceBack()
    {
        if (m_set)
            setrlimit(RLIMIT_FSIZE, &m_saved);
        m_set = false;
    }

private:
    rlimit m_saved{};
    bool m_set = false;
};

#endif // FULLDISK_H
