#ifndef PLAINPOLLER_H
#define PLAINPOLLER_H

// The floor of the Modbus polls: what any program must do to ask the boards what the
// cabinet asks, with no event-loop framework. It writes recorded request frames on the
// simulated line at the moments they were recorded (clock_nanosleep to each), reads each
// reply with poll() until its CRC holds or its time-out passes, and nothing else.
// Frames are kept as "<ns from the start> <hex frame>", one a line.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace PlainPoller {

struct Frame
{
    int64_t atNs = 0;
    std::string bytes;
};

inline int64_t nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

inline int64_t cpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

inline std::vector<Frame> load(const char *path)
{
    std::vector<Frame> frames;
    FILE *file = std::fopen(path, "r");
    if (!file)
        return frames;
    char line[1200];
    while (std::fgets(line, sizeof line, file)) {
        long long at = 0;
        char hex[1100];
        if (std::sscanf(line, "%lld %1099s", &at, hex) != 2)
            continue;
        Frame f;
        f.atNs = at;
        for (size_t i = 0; hex[i] && hex[i + 1]; i += 2) {
            unsigned v = 0;
            std::sscanf(hex + i, "%2x", &v);
            f.bytes.push_back(char(v));
        }
        frames.push_back(f);
    }
    std::fclose(file);
    return frames;
}

// The line as the cabinet sets it: raw, 115200 8N1, no flow control.
inline int openLine(const char *device)
{
    const int fd = ::open(device, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    termios tio{};
    if (tcgetattr(fd, &tio) == 0) {
        cfmakeraw(&tio);
        cfsetspeed(&tio, B115200);
        tio.c_cflag |= CLOCAL | CREAD;
        tcsetattr(fd, TCSANOW, &tio);
    }
    return fd;
}

// CRC-16/MODBUS, bitwise: the plainest form.
inline uint16_t crc16(const unsigned char *data, size_t n)
{
    uint16_t crc = 0xFFFF;
    for (size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int b = 0; b < 8; ++b)
            crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0xA001) : uint16_t(crc >> 1);
    }
    return crc;
}

inline bool crcHolds(const unsigned char *frame, size_t n)
{
    if (n < 5)
        return false;
    const uint16_t crc = crc16(frame, n - 2);
    return frame[n - 2] == (crc & 0xFF) && frame[n - 1] == (crc >> 8);
}

// Replays `frames` from `startNs` for `durationNs`, over again every `periodNs` (0: once).
// Returns the replies whose CRC held.
inline int replay(int fd, const std::vector<Frame> &frames, int64_t startNs, int64_t durationNs, int64_t periodNs,
                  int replyTimeoutMs = 100)
{
    int good = 0;
    unsigned char reply[300];
    for (int64_t base = startNs; !frames.empty(); base += periodNs) {
        for (const Frame &f : frames) {
            const int64_t at = base + f.atNs;
            if (at - startNs >= durationNs)
                return good;
            timespec due{time_t(at / 1000000000), long(at % 1000000000)};
            while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr) == EINTR) {
            }
            if (::write(fd, f.bytes.data(), f.bytes.size()) != ssize_t(f.bytes.size()))
                continue;
            size_t got = 0;
            const int64_t until = nowNs() + int64_t(replyTimeoutMs) * 1000000;
            while (got < sizeof reply) {
                const int64_t left = until - nowNs();
                if (left <= 0)
                    break;
                pollfd p{fd, POLLIN, 0};
                if (::poll(&p, 1, int((left + 999999) / 1000000)) <= 0)
                    break;
                const ssize_t n = ::read(fd, reply + got, sizeof reply - got);
                if (n <= 0)
                    break;
                got += size_t(n);
                if (crcHolds(reply, got)) {
                    ++good;
                    break;
                }
            }
        }
        if (periodNs <= 0)
            break;
    }
    return good;
}

} // namespace PlainPoller

#endif // PLAINPOLLER_H
