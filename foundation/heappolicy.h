#ifndef HEAPPOLICY_H
#define HEAPPOLICY_H

#include <QByteArray>

#include <cstddef>

class QIODevice;

// How the program's allocator treats large blocks, set once at start. Short-lived buffers of
// 32 KiB and more (a line read from a socket, a file's piece, an I/O device's read block)
// come and go several times a second; in the heap, the small objects made meanwhile settle
// into the space each one leaves, so the next one is placed higher and the heap's resident
// part creeps up over the hours. Blocks of that size never make the heap grow: what its
// free space cannot hold gets a mapping of its own, handed back to the system as it is
// freed. Setting the size also stops the allocator from raising it by itself after a large
// block is freed.
class HeapPolicy
{
public:
    static constexpr std::size_t OwnMappingBytes = 32 * 1024;

    // False when the allocator refused the setting.
    static bool apply();
    // What the device has received, copied out of its buffer: read(bytesAvailable()) and
    // readAll() hand over the device's whole read block (32 KiB for a serial port or a
    // socket) when the data sits in one, and the device then makes a new block for the
    // next few bytes, several times a second.
    static QByteArray readAvailable(QIODevice *device);
};

#endif // HEAPPOLICY_H
