// The file receiver of the display link on arbitrary transfers. Input: the transfer id
// (one byte), then the payload (path field and file bytes). Whatever arrives, at most the
// id's own fixed file appears, and only in the data root.
#include "canfiletransfer.h"
#include "canmessagecodes.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// Data, flash and system roots one level down, so that a write that climbs out of the
// data root still lands inside the scratch folder and is seen.
const QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    static const bool ready = [] {
        for (const char *sub : {"root", "flash", "system"}) {
            QDir(dir.path()).mkpath(QString("box/") + sub);
            qputenv(QByteArray("TUL_") + QByteArray(sub).toUpper() + "_DIR", QFile::encodeName(dir.path() + "/box/" + sub + "/"));
        }
        return true;
    }();
    Q_UNUSED(ready)
    return dir;
}

void checkOnlyFixedFiles(const QString &base)
{
    static const QSet<QString> allowed{"box/root/menu.json", "box/root/config.txt",
                                       "box/root/dayParts.json", "box/root/ui_id.hcc"};
    QDirIterator it(base, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (!allowed.contains(QDir(base).relativeFilePath(it.next())))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > 1 << 16)
        return 0;
    tulFuzzEnsureApplication();
    const QString base = scratch().path();
    const int id = data[0];
    const QByteArray payload(reinterpret_cast<const char *>(data + 1), int(size - 1));

    const QString stored = CanFileTransfer::storeReceived(id, payload);
    if (!stored.isEmpty()) {
        const QString name = CanFileTransfer::fileNameFor(id);
        if (name.isEmpty() || stored != base + "/box/root/" + name)
            std::abort();
        QFile file(stored);
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != payload.mid(CanMsg::FilePathFieldSize))
            std::abort();
    }
    checkOnlyFixedFiles(base);
    return 0;
}
