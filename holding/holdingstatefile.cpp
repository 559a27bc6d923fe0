#include "holdingstatefile.h"

#include "holdinglog.h"
#include "jsonguard.h"
#include "safefilereader.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

constexpr int FirstHoldingState = 6; // standard
constexpr int LastHoldingState = 8;  // discard
constexpr int MaxDayParts = 10;
constexpr double MaxMs = 9007199254740992.0; // 2^53: every whole number below is exact

// A whole number in [low, high], or false.
bool wholeNumber(const QJsonValue &value, double low, double high, qint64 *out)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (!(d >= low && d <= high) || std::floor(d) != d)
        return false;
    *out = qint64(d);
    return true;
}

bool intIn(const QJsonObject &o, const char *key, int low, int high, int *out)
{
    qint64 v = 0;
    if (!wholeNumber(o.value(QLatin1String(key)), low, high, &v))
        return false;
    *out = int(v);
    return true;
}

bool msIn(const QJsonObject &o, const char *key, qint64 *out)
{
    return wholeNumber(o.value(QLatin1String(key)), 0, MaxMs, out);
}

// Why the entry cannot be read, empty when it can.
QString readBin(const QJsonValue &value, HoldingStateFile::Bin *bin)
{
    if (!value.isObject())
        return QStringLiteral("not an object");
    const QJsonObject o = value.toObject();
    if (!intIn(o, "bin", 0, HoldingStateFile::MaxBins - 1, &bin->bin))
        return QStringLiteral("no bin 0 to %1").arg(HoldingStateFile::MaxBins - 1);
    if (!intIn(o, "state", FirstHoldingState, LastHoldingState, &bin->state))
        return QStringLiteral("no holding state");
    if (!intIn(o, "product", 1, std::numeric_limits<int>::max(), &bin->productId))
        return QStringLiteral("no product");
    if (!intIn(o, "groupIndex", 0, 127, &bin->groupIndex) || !intIn(o, "dayPart", 0, MaxDayParts - 1, &bin->dayPart))
        return QStringLiteral("no group member or day part");
    bool ok = false;
    const QString pan = o.value(QLatin1String("pan")).toString();
    bin->pan = pan.toULongLong(&ok, 16);
    if (!ok || pan.size() > 16)
        return QStringLiteral("no pan uid");
    if (!msIn(o, "start", &bin->start) || !msIn(o, "warning", &bin->warning) || !msIn(o, "expiry", &bin->expiry)
        || bin->expiry < bin->start)
        return QStringLiteral("no start, warning and expiry times");
    return QString();
}

} // namespace

bool HoldingStateFile::Bin::operator==(const Bin &o) const
{
    return bin == o.bin && state == o.state && productId == o.productId && groupIndex == o.groupIndex
        && dayPart == o.dayPart && pan == o.pan && start == o.start && warning == o.warning && expiry == o.expiry;
}

QString HoldingStateFile::path()
{
    return TulPaths::rootPath(QStringLiteral("trayBarInfo.json"));
}

QByteArray HoldingStateFile::encode(const Content &content)
{
    QJsonArray bins;
    for (const Bin &b : content.bins) {
        bins.append(QJsonObject{{QStringLiteral("bin"), b.bin},
                                {QStringLiteral("state"), b.state},
                                {QStringLiteral("product"), b.productId},
                                {QStringLiteral("groupIndex"), b.groupIndex},
                                {QStringLiteral("dayPart"), b.dayPart},
                                {QStringLiteral("pan"), QString::number(b.pan, 16)},
                                {QStringLiteral("start"), double(b.start)},
                                {QStringLiteral("warning"), double(b.warning)},
                                {QStringLiteral("expiry"), double(b.expiry)}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("version"), Version},
                                     {QStringLiteral("written"), double(content.written)},
                                     {QStringLiteral("dayPart"), content.dayPart},
                                     {QStringLiteral("bins"), bins}})
        .toJson(QJsonDocument::Compact);
}

HoldingStateFile::Read HoldingStateFile::decode(const QByteArray &text, Content *content, QStringList *skipped,
                                                QString *why)
{
    *content = Content();
    QJsonParseError error;
    const QJsonDocument doc = JsonGuard::parse(text, "holding state", int(MaxBytes), &error);
    const QJsonObject top = doc.object();
    qint64 written = 0;
    if (!doc.isObject()) {
        *why = QStringLiteral("not a JSON object (%1)").arg(error.errorString());
        return Read::Unreadable;
    }
    if (top.value(QLatin1String("version")) != QJsonValue(Version)) {
        *why = QStringLiteral("version is not %1").arg(Version);
        return Read::Unreadable;
    }
    if (!msIn(top, "written", &written) || !top.value(QLatin1String("bins")).isArray()) {
        *why = QStringLiteral("no time of writing or no bins");
        return Read::Unreadable;
    }
    content->written = written;
    // A day part that cannot be read leaves the one in force; the holds still come back.
    if (!intIn(top, "dayPart", 0, MaxDayParts - 1, &content->dayPart)) {
        content->dayPart = -1;
        *skipped << QStringLiteral("the day part in force");
    }
    quint32 seen = 0;
    const QJsonArray bins = top.value(QLatin1String("bins")).toArray();
    for (int i = 0; i < bins.size(); ++i) {
        Bin bin;
        QString problem = readBin(bins.at(i), &bin);
        if (problem.isEmpty() && (seen & (1u << bin.bin)))
            problem = QStringLiteral("bin %1 named twice").arg(bin.bin);
        if (!problem.isEmpty()) {
            *skipped << QStringLiteral("entry %1: %2").arg(i).arg(problem);
            continue;
        }
        seen |= 1u << bin.bin;
        content->bins << bin;
    }
    return Read::Ok;
}

HoldingStateFile::Read HoldingStateFile::read(Content *content, QStringList *skipped, QString *why)
{
    QByteArray text;
    switch (SafeFileReader::read(path(), MaxBytes, &text, "holding state")) {
    case SafeFileReader::Ok:
        return decode(text, content, skipped, why);
    case SafeFileReader::Missing:
        *content = Content();
        return Read::Missing;
    case SafeFileReader::TooLarge:
        *why = QStringLiteral("larger than %1 bytes").arg(MaxBytes);
        return Read::Unreadable;
    case SafeFileReader::Unreadable:
        break;
    }
    *why = QStringLiteral("not a plain file, or unreadable");
    return Read::Unreadable;
}

bool HoldingStateFile::write(const Content &content, QString *why)
{
    return SafeFileWriter::writeFile(path(), encode(content), why);
}
