// The personality reader on arbitrary file contents, followed by what start-up does with
// the result: the built-in NFC maps and the polling table must stay inside their tables.
#include "fileid.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

static void checkPollingTable(const NfcPollingInfo *info)
{
    if (!info)
        return;
    if (info->addressCount < 0 || info->addressCount > NfcPollingInfo::AddressCount
        || info->pollOrderCount < 0 || info->pollOrderCount > NfcPollingInfo::PollOrderCount)
        std::abort();
    for (const auto &row : info->group) {
        for (const NfcPollGroup &group : row) {
            if (group.count < 0 || group.count > NfcPollGroup::SlotCount)
                std::abort();
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tulFuzzEnsureApplication();
    static QTemporaryDir scratch;
    static const bool entered = QDir::setCurrent(scratch.path());
    if (!entered || size > (1 << 20))
        return 0;

    QFile file(QStringLiteral("fuzz.hcc"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    FileID fileId;
    const bool ok = fileId.readFileID(QStringLiteral("fuzz.hcc"));
    if (ok && (fileId.get_numberOfZones() < 1 || fileId.get_numberOfZones() > FileID::kMaxZones
               || fileId.get_traysPerCabinet() > FileID::kMaxBins
               || fileId.get_productLocationMap()->size() < fileId.get_traysPerCabinet()))
        std::abort();
    checkPollingTable(fileId.get_nfcPollingInfo());
    for (int id : {fileId.get_orientationId(), 1, 9, 17, 32}) {
        fileId.initNfcMap(id);
        checkPollingTable(fileId.get_nfcPollingInfo());
    }
    return 0;
}
