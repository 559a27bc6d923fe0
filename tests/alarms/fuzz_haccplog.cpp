// Fuzz entry point: the HACCP log's reader. Whatever it takes as a log of its own form must
// be what the JSON writer would write for that text, and must be written back unchanged.
#include "fuzzsupport.h"
#include "haccprecords.h"

#include <QJsonDocument>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tulFuzzEnsureApplication();
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    HaccpRecords records;
    // Small pieces, so that records and values are cut everywhere.
    int at = 0;
    const HaccpRecords::Read read = records.read([&text, &at](char *to, qint64 max) -> qint64 {
        const int n = int(qMin<qint64>(qMin<qint64>(max, 7), text.size() - at));
        memcpy(to, text.constData() + at, size_t(n));
        at += n;
        return n;
    }, text.size());
    if (read != HaccpRecords::Read::Ok)
        return 0;
    QByteArray written;
    records.write([&written](const char *piece, int n) {
        written.append(piece, n);
        return true;
    });
    if (written != text || QJsonDocument::fromJson(text).toJson(QJsonDocument::Compact) != text)
        abort();
    for (int i = 0; i < records.count(); ++i)
        records.shown(i);
    return 0;
}
