#include "heappolicy.h"

#include <QIODevice>

#include <malloc.h>

bool HeapPolicy::apply()
{
    return mallopt(M_MMAP_THRESHOLD, int(OwnMappingBytes)) == 1;
}

QByteArray HeapPolicy::readAvailable(QIODevice *device)
{
    QByteArray data(int(device->bytesAvailable()), Qt::Uninitialized);
    data.truncate(int(qMax<qint64>(0, device->read(data.data(), data.size()))));
    return data;
}
