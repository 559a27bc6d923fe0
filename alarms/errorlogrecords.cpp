#include "errorlogrecords.h"

#include <QHash>
#include <QVector>

#include <algorithm>
#include <vector>

namespace {

constexpr int kCodeBits = 12;  // 10 bits of value, 2 of digits
constexpr int kTextShift = 4 * kCodeBits;
constexpr int kMaxTexts = 0xffff;
constexpr int kMaxZone = 0xfe;

} // namespace

struct ErrorLogRecords::Data : QSharedData
{
    std::vector<Record> records;
    QVector<QString> texts;
    QHash<QString, int> textIndex;
    QVector<ErrorInfo> other;
};

ErrorLogRecords::ErrorLogRecords() : d(new Data) {}
ErrorLogRecords::ErrorLogRecords(const ErrorLogRecords &other) = default;
ErrorLogRecords &ErrorLogRecords::operator=(const ErrorLogRecords &other) = default;
ErrorLogRecords::~ErrorLogRecords() = default;

int ErrorLogRecords::count() const { return int(d->records.size()); }

const ErrorLogRecords::Record &ErrorLogRecords::at(int i) const
{
    return d->records[size_t(i)];
}

int ErrorLogRecords::textIndex(const QString &text)
{
    const auto it = d->textIndex.constFind(text);
    if (it != d->textIndex.constEnd())
        return it.value();
    if (d->texts.size() > kMaxTexts)
        return -1;
    d->texts.append(text);
    d->textIndex.insert(text, d->texts.size() - 1);
    return d->texts.size() - 1;
}

void ErrorLogRecords::append(const ErrorLogFiles::Line &line, const QString &text, int zone)
{
    bool compact = zone >= -1 && zone <= kMaxZone;
    quint64 codes = 0;
    for (int i = 0; i < 4 && compact; ++i) {
        compact = line.codes[i] >= 0 && line.codes[i] <= 999 && line.digits[i] >= 1 && line.digits[i] <= 3;
        codes |= quint64(line.codes[i] | ((line.digits[i] - 1) << 10)) << (kCodeBits * i);
    }
    const int index = compact ? textIndex(text) : -1;
    if (index < 0) {
        const ErrorLogFiles::Entry entry = ErrorLogFiles::entryOf(line);
        append(ErrorInfo{entry.dateText, entry.timeText, entry.codesText, text, line.codes[0], zone});
        return;
    }
    Record r;
    r.day = line.real ? quint32(line.year * 10000 + line.month * 100 + line.day) : 0;
    r.timeZone = quint32(line.hour * 10000 + line.minute * 100 + line.second) | (quint32(zone + 1) << 24);
    r.codes = codes | (quint64(index) << kTextShift);
    d->records.push_back(r);
}

void ErrorLogRecords::append(const ErrorInfo &row)
{
    d->other.append(row);
    d->records.push_back({Other, quint32(d->other.size() - 1), 0});
}

void ErrorLogRecords::reserve(int more)
{
    d->records.reserve(d->records.size() + size_t(qMax(0, more)));
}

void ErrorLogRecords::reverse()
{
    std::reverse(d->records.begin(), d->records.end());
}

void ErrorLogRecords::clear()
{
    d = new Data;
}

ErrorInfo ErrorLogRecords::row(int i) const
{
    const Record &r = at(i);
    if (r.day == Other)
        return d->other.at(int(r.timeZone));
    ErrorInfo info;
    for (int c = 0; c < 4; ++c)
        (c == 0 ? info.date : c == 1 ? info.time : c == 2 ? info.codes : info.desc) = column(i, c);
    info.mainCode = mainCode(i);
    info.zone = zone(i);
    return info;
}

QString ErrorLogRecords::column(int i, int column) const
{
    const Record &r = at(i);
    if (r.day == Other) {
        const ErrorInfo &o = d->other.at(int(r.timeZone));
        return column == 0 ? o.date : column == 1 ? o.time : column == 2 ? o.codes : o.desc;
    }
    switch (column) {
    case 0:
        return r.day ? ErrorLogFiles::dateText(int(r.day / 10000), int(r.day / 100 % 100), int(r.day % 100)) : QString();
    case 1: {
        const quint32 t = r.timeZone & 0xffffff;
        return r.day ? ErrorLogFiles::timeText(int(t / 10000), int(t / 100 % 100), int(t % 100)) : QString();
    }
    case 2: {
        QString text;
        for (int c = 0; c < 4; ++c) {
            const quint32 code = quint32(r.codes >> (kCodeBits * c)) & 0xfff;
            if (c > 0)
                text += QLatin1Char('.');
            text += QStringLiteral("%1").arg(code & 0x3ff, int(code >> 10) + 1, 10, QLatin1Char('0'));
        }
        return text;
    }
    default:
        return d->texts.at(int(r.codes >> kTextShift));
    }
}

int ErrorLogRecords::zone(int i) const
{
    const Record &r = at(i);
    return r.day == Other ? d->other.at(int(r.timeZone)).zone : int(r.timeZone >> 24) - 1;
}

int ErrorLogRecords::mainCode(int i) const
{
    const Record &r = at(i);
    return r.day == Other ? d->other.at(int(r.timeZone)).mainCode : int(r.codes & 0x3ff);
}
