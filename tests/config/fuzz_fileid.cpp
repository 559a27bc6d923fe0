// The personality reader on arbitrary file contents, followed by what start-up does with
// the result: the built-in NFC maps and the polling table must stay inside their tables.
#include "cabinetlayout.h"
#include "fileid.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
// Qt 5.15's JSON parser loses the earlier value of a duplicated key when that value is an
// object or an array ({"a":{},"a":1}): bounded by the file and once per start, but a
// fuzzer finds it at once. Qt is built without frame pointers, so the loss is recorded
// with Qt frames only and can be told apart by module alone; what our own code allocates
// with new still carries our frames and is still reported.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libQt5Core.so\n";
}
#endif
#endif

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
    // An absolute name, so the fuzzer's own relative paths keep working.
    static QTemporaryDir scratch;
    static const QString name = scratch.filePath(QStringLiteral("fuzz.hcc"));
    if (!scratch.isValid() || size > (1 << 20))
        return 0;

    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    FileID fileId;
    const bool ok = fileId.readFileID(name);
    if (ok) {
        // Any integer is stored; the layout the application core sizes its tables with
        // must end inside them.
        CabinetLayout l;
        l.numberOfZones = fileId.get_numberOfZones();
        l.numberOfRows = fileId.get_numberOfRows();
        l.zonesPerRow = fileId.get_zonesPerRow();
        l.traysPerZone = fileId.get_traysPerZone();
        l.traysPerCabinet = fileId.get_traysPerCabinet();
        l.zones2handle = fileId.get_zones2handle();
        l.zones2handleStart = fileId.get_zones2handleStart();
        l.fitToTables();
        if (l.numberOfZones < 1 || l.numberOfZones > CabinetLayout::MaxZones || l.traysPerCabinet < 1
            || l.traysPerCabinet > CabinetLayout::MaxBins || l.traysPerZone < CabinetLayout::MinTraysPerZone
            || l.traysPerZone > CabinetLayout::MaxTraysPerZone || l.numberOfRows < 1 || l.zonesPerRow < 1
            || l.zones2handle < 0 || l.zones2handleStart < 0
            || l.zones2handleStart + l.zones2handle > l.numberOfZones)
            std::abort();
    }
    checkPollingTable(fileId.get_nfcPollingInfo());
    for (int id : {fileId.get_orientationId(), 1, 9, 17, 32}) {
        fileId.initNfcMap(id);
        checkPollingTable(fileId.get_nfcPollingInfo());
    }
    return 0;
}
