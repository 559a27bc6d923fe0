#ifndef HACCPFIXTURES_H
#define HACCPFIXTURES_H

#include "haccpdata.h"
#include "scratchroots.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

// Log contents for the HACCP tests, written out by hand rather than by the code under test.
namespace HaccpFixtures {

inline HaccpData record(const QString &name, int bin, const QString &date, const QString &time,
                        const QString &duration = QStringLiteral("----"), bool expired = false)
{
    HaccpData d;
    d.name = name;
    d.binNumber = bin;
    d.date = date;
    d.time = time;
    d.duration = duration;
    d.expired = expired;
    return d;
}

// One record in the stored form, keys in the order the log writes them.
inline QByteArray stored(int bin, const char *date, bool expired, const char *duration,
                         const char *name, const char *time)
{
    return QByteArray("{\"b\":") + QByteArray::number(bin) + ",\"d\":\"" + date + "\",\"e\":"
        + (expired ? "true" : "false") + ",\"h\":\"" + duration + "\",\"p\":\"" + name
        + "\",\"t\":\"" + time + "\"}";
}

inline QByteArray log(const QByteArray &records)
{
    return "{\"desc\":\"HACCP Data Log\",\"haccpInfo\":[" + records + "]}";
}

// `count` finished records, newest first, all of one day.
inline QByteArray bigLog(int count)
{
    QByteArray records;
    records.reserve(count * 90);
    for (int i = 0; i < count; ++i) {
        if (i)
            records += ',';
        records += stored(i % 20, "2024/05/14", i % 2, "00:35:10",
                          QByteArray("Product ") .append(QByteArray::number(i)).constData(),
                          "05:58:03");
    }
    return log(records);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Rewrites for long runs: "/bin/sync" does nothing, "/bin/mv" is the stand-in that records
// its calls and really moves. False when the stand-ins cannot be put in place.
inline bool quickRewrites(ScratchRoots &roots)
{
    const QString standIns = qEnvironmentVariable("TUL_TOOLS_DIR");
    if (standIns.isEmpty() || !QFile::link("/bin/true", roots.base() + "/sync")
        || !QFile::link(standIns + "/mv", roots.base() + "/mv")
        || !QFile::link(standIns + "/record.sh", roots.base() + "/record.sh"))
        return false;
    roots.setVariable("TUL_TOOLS_DIR", roots.base());
    return true;
}

} // namespace HaccpFixtures

#endif // HACCPFIXTURES_H
