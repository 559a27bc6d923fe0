#include "haccprecords.h"

#include "jsonguard.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTime>

#include <climits>
#include <cstring>

namespace {

const QString kOpen = QStringLiteral("----");
const QByteArray kInfoKey("haccpInfo");
const QByteArray kDescKey("desc");
const QByteArray kDescValue("\"HACCP Data Log\"");
const QByteArray kEmptyHead("{\"desc\":\"HACCP Data Log\",\"haccpInfo\":[");
const QByteArray kEmptyTail("]}");
// A value that is not a record of ours is checked by the JSON parser; larger than this,
// it was not written here.
constexpr int kMaxValueBytes = 16 * 1024 * 1024;
constexpr int kMaxCheckedNames = 4096;
// {"b":0,"d":"2024/05/14","e":true,"h":"----","p":"","t":"06:40:12"} and its comma
constexpr int kShortestRecord = 64;

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Past the string whose opening quote is at `p`; null when the text ends first.
const char *stringEnd(const char *p, const char *end)
{
    for (++p; p < end; ++p) {
        if (*p == '"')
            return p + 1;
        if (*p == '\\')
            ++p;
    }
    return nullptr;
}

// Past the value of compact JSON at `p`; null when the text ends first (a value is always
// followed by ',', '}' or ']').
const char *valueEnd(const char *p, const char *end)
{
    if (p >= end)
        return nullptr;
    if (*p == '"')
        return stringEnd(p, end);
    if (*p == '{' || *p == '[') {
        int depth = 0;
        while (p < end) {
            const char c = *p;
            if (c == '"') {
                p = stringEnd(p, end);
                if (!p)
                    return nullptr;
                continue;
            }
            if (c == '{' || c == '[')
                ++depth;
            else if ((c == '}' || c == ']') && --depth == 0)
                return p + 1;
            ++p;
        }
        return nullptr;
    }
    while (p < end && *p != ',' && *p != '}' && *p != ']')
        ++p;
    return p < end ? p : nullptr;
}

QByteArray bracketed(const char *p, int size)
{
    QByteArray piece;
    piece.reserve(size + 2);
    piece.append('[').append(p, size).append(']');
    return piece;
}

// True when [p, e) is one JSON value exactly as the compact writer writes it.
bool compactValue(const char *p, const char *e)
{
    if (e <= p || e - p > kMaxValueBytes)
        return false;
    const QByteArray piece = bracketed(p, int(e - p));
    if (JsonGuard::hasDuplicateKey(piece))
        return false;
    const QJsonDocument parsed = QJsonDocument::fromJson(piece);
    return parsed.isArray() && parsed.array().size() == 1
        && parsed.toJson(QJsonDocument::Compact) == piece;
}

// `"key":` at `p`, a key of plain ASCII: its length, 0 when the text ends first, -1 for
// anything else.
int keyAt(const char *p, const char *end, QByteArray *key)
{
    if (p >= end)
        return 0;
    if (*p != '"')
        return -1;
    const char *q = p + 1;
    for (; q < end && *q != '"'; ++q) {
        const uchar c = uchar(*q);
        if (c < 0x20 || c == '\\' || c >= 0x80)
            return -1;
    }
    if (q + 1 >= end)
        return 0;
    if (q[1] != ':')
        return -1;
    *key = QByteArray(p + 1, int(q - p - 1));
    return int(q + 2 - p);
}

// The fixed-width digits at `p` (`count` of them), or false.
inline bool digitsAt(const char *p, int count, quint32 *value)
{
    quint32 v = 0;
    for (int i = 0; i < count; ++i) {
        if (!isDigit(p[i]))
            return false;
        v = v * 10 + quint32(p[i] - '0');
    }
    *value = v;
    return true;
}

// "yyyy/MM/dd", "HH:mm:ss" and a duration of two to five hour digits (more than two only
// without a leading zero), as the numbers the record keeps: first * 10000 + the two
// two-digit fields.
template <int FirstDigits, char Separator>
inline bool triple(const char *p, quint32 *value)
{
    quint32 a, b, c;
    if (!digitsAt(p, FirstDigits, &a) || p[FirstDigits] != Separator
        || !digitsAt(p + FirstDigits + 1, 2, &b) || p[FirstDigits + 3] != Separator
        || !digitsAt(p + FirstDigits + 4, 2, &c))
        return false;
    *value = a * 10000 + b * 100 + c;
    return true;
}

inline bool dayAt(const char *p, quint32 *day) { return triple<4, '/'>(p, day); }
inline bool timeAt(const char *p, quint32 *time) { return triple<2, ':'>(p, time); }

// The length of the duration at `p` (up to `end`), 0 when it is none.
inline int durationAt(const char *p, const char *end, quint32 *duration)
{
    const char *q = p;
    quint32 hours = 0;
    while (q < end && isDigit(*q) && q - p < 6)
        hours = hours * 10 + quint32(*q++ - '0');
    const int digits = int(q - p);
    quint32 rest;
    if (digits < 2 || digits > 5 || (digits > 2 && *p == '0') || end - q < 6 || *q != ':'
        || !digitsAt(q + 1, 2, &rest) || q[3] != ':' || !digitsAt(q + 4, 2, duration))
        return 0;
    *duration += hours * 10000 + rest * 100;
    return digits + 6;
}

inline bool validDay(quint32 day)
{
    const quint32 m = day / 100 % 100;
    const quint32 d = day % 100;
    // Days 1 to 28 of any month of a year after 0; the rest as the calendar says.
    if (d >= 1 && d <= 28 && m >= 1 && m <= 12 && day >= 10000)
        return true;
    return QDate::isValid(int(day / 10000), int(m), int(d));
}

// Also the test of a duration's "HH:mm": a day or longer has none and is shown blank.
inline bool validTime(quint32 time)
{
    return time / 10000 < 24 && time / 100 % 100 < 60 && time % 100 < 60;
}

char *decimal(char *out, qint64 value)
{
    char digits[24];
    int n = 0;
    quint64 u = value < 0 ? quint64(0) - quint64(value) : quint64(value);
    do {
        digits[n++] = char('0' + u % 10);
        u /= 10;
    } while (u);
    if (value < 0)
        *out++ = '-';
    while (n)
        *out++ = digits[--n];
    return out;
}

char *twoDigits(char *out, quint32 value)
{
    out[0] = char('0' + value / 10 % 10);
    out[1] = char('0' + value % 10);
    return out + 2;
}

// "MM/dd" of a day, "HH:mm" of a time.
QString shortForm(quint32 value, char separator)
{
    char text[5];
    twoDigits(text, value / 100 % 100);
    text[2] = separator;
    twoDigits(text + 3, value % 100);
    return QString::fromLatin1(text, 5);
}

int parseDigits(const QString &text, int from, int count)
{
    int v = 0;
    for (int i = from; i < from + count; ++i) {
        const ushort c = text.at(i).unicode();
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

QDate HaccpRecords::parseDay(const QString &text)
{
    if (text.size() != 10 || text.at(4) != QLatin1Char('/') || text.at(7) != QLatin1Char('/'))
        return QDate();
    const int y = parseDigits(text, 0, 4);
    const int m = parseDigits(text, 5, 2);
    const int d = parseDigits(text, 8, 2);
    return y < 0 || m < 0 || d < 0 ? QDate() : QDate(y, m, d);
}

namespace {

// "HH:mm:ss" of a time of day, shortened to "HH:mm"; empty text when it is anything else.
QString shortTime(const QString &text)
{
    if (text.size() != 8 || text.at(2) != QLatin1Char(':') || text.at(5) != QLatin1Char(':'))
        return QString();
    const int h = parseDigits(text, 0, 2);
    const int m = parseDigits(text, 3, 2);
    const int s = parseDigits(text, 6, 2);
    return h < 0 || m < 0 || s < 0 || !QTime::isValid(h, m, s) ? QString() : text.left(5);
}

// A product name is the only free text of a line: it is quoted when it holds a separator,
// and one that a spreadsheet would take for a formula is made plain text.
QString csvText(QString text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.at(0)))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

// Bytes the writer puts into a string as they are, as far as they are ASCII.
struct PlainTable
{
    bool bad[256];
    constexpr PlainTable() : bad()
    {
        for (int c = 0; c < 256; ++c)
            bad[c] = c < 0x20 || c >= 0x80 || c == '"' || c == '\\';
    }
};
constexpr PlainTable kPlain;

inline bool plainBytes(const char *p, int size)
{
    // Eight bytes at a time: any byte at or above 0x80, below 0x20, a quote or a backslash.
    constexpr quint64 ones = 0x0101010101010101ull;
    constexpr quint64 high = 0x8080808080808080ull;
    quint64 bad = 0;
    int i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 w;
        memcpy(&w, p + i, 8);
        const quint64 quote = w ^ (ones * '"');
        const quint64 backslash = w ^ (ones * '\\');
        bad |= w | ((w - ones * 0x20) | (quote - ones) | (backslash - ones));
    }
    if (bad & high)
        return false;
    for (; i < size; ++i) {
        if (kPlain.bad[uchar(p[i])])
            return false;
    }
    return true;
}

// A record in the form the log writes, its name not yet checked: the fields and the
// record's length, or 0.
int plainRecord(const char *p, const char *end, quint32 *values, qint32 *bin, bool *expired,
                const char **name, int *nameSize, bool *plain)
{
    const char *q = p;
    const auto literal = [&q, end](const char *text, int size) {
        if (end - q < size || memcmp(q, text, size_t(size)) != 0)
            return false;
        q += size;
        return true;
    };
    if (!literal("{\"b\":", 5))
        return 0;
    const bool negative = q < end && *q == '-';
    q += negative;
    const char *digits = q;
    qint64 v = 0;
    while (q < end && isDigit(*q) && q - digits < 11)
        v = v * 10 + (*q++ - '0');
    const int count = int(q - digits);
    if (count == 0 || count > 10 || (count > 1 && *digits == '0') || (negative && v == 0))
        return 0;
    v = negative ? -v : v;
    if (v < INT_MIN || v > INT_MAX)
        return 0;
    *bin = qint32(v);
    // A key's prefix, then a day or time of fixed width.
    const auto fixed = [&q, end, &literal](const char *prefix, int prefixSize, int width,
                                           bool (*parse)(const char *, quint32 *), quint32 *value) {
        if (!literal(prefix, prefixSize) || end - q < width || !parse(q, value))
            return false;
        q += width;
        return true;
    };
    if (!fixed(",\"d\":\"", 6, 10, dayAt, &values[0]) || !literal("\",\"e\":", 6))
        return 0;
    *expired = literal("true", 4);
    if (!*expired && !literal("false", 5))
        return 0;
    if (!literal(",\"h\":\"", 6))
        return 0;
    if (literal("----", 4)) {
        values[2] = 0xffffffffu;
    } else {
        const int size = durationAt(q, end, &values[2]);
        if (size == 0)
            return 0;
        q += size;
    }
    if (!literal("\",\"p\":\"", 7))
        return 0;
    *name = q;
    q = static_cast<const char *>(memchr(q, '"', size_t(end - q)));
    if (!q)
        return 0;
    *plain = plainBytes(*name, int(q - *name));
    if (!*plain && memchr(*name, '\\', size_t(q - *name))) {
        // The quote found may be escaped.
        for (q = *name; q < end && *q != '"';)
            q += *q == '\\' ? 2 : 1;
        if (q >= end)
            return 0;
    }
    *nameSize = int(q - *name);
    if (!fixed("\",\"t\":\"", 7, 8, timeAt, &values[1]) || !literal("\"}", 2))
        return 0;
    return int(q - p);
}

// A stored name (escaped as the writer escapes) as its text.
QString decodedName(const char *stored, int size, bool plain)
{
    if (plain)
        return QString::fromLatin1(stored, size);
    if (!memchr(stored, '\\', size_t(size)))
        return QString::fromUtf8(stored, size);
    QByteArray piece;
    piece.reserve(size + 4);
    piece.append("[\"").append(stored, size).append("\"]");
    return QJsonDocument::fromJson(piece).array().at(0).toString();
}

} // namespace

// The text, read in pieces: what is not yet taken stays at the front of the buffer.
class HaccpRecords::Reader
{
public:
    explicit Reader(const Source &source) : m_source(source) { m_buffer.reserve(2 * PieceBytes); }
    explicit Reader(const QByteArray &text) : m_buffer(text), m_end(true) {}

    const char *begin() const { return m_buffer.constData() + m_pos; }
    const char *end() const { return m_buffer.constData() + m_buffer.size(); }
    bool failed() const { return m_failed; }

    // Appends the next piece; false at the end of the text.
    bool more()
    {
        if (m_end)
            return false;
        if (m_pos > 0) {
            m_buffer.remove(0, m_pos);
            m_pos = 0;
        }
        // A value longer than a piece is waited for in doubling reads, so that it is
        // scanned a bounded number of times, not once per piece.
        const int have = m_buffer.size();
        const int want = qMax(int(PieceBytes), have);
        m_buffer.resize(have + want);
        const qint64 got = m_source(m_buffer.data() + have, want);
        m_buffer.resize(have + int(qBound<qint64>(0, got, want)));
        if (got > 0)
            return true;
        m_end = true;
        m_failed = got < 0;
        return false;
    }

    // The next byte, reading on when the buffer is used up; false at the end.
    bool peek(char *c)
    {
        while (begin() >= end()) {
            if (!more())
                return false;
        }
        *c = *begin();
        return true;
    }

    // Everything not yet taken, to the end of the text.
    QByteArray rest()
    {
        while (more()) {
        }
        return QByteArray(begin(), int(end() - begin()));
    }

    // Runs `step` on what is buffered until it takes something (its length) or refuses
    // (below 0); 0 asks for the next piece.
    template <typename Step>
    bool take(Step step)
    {
        for (;;) {
            const int n = step(begin(), end());
            if (n > 0) {
                m_pos += n;
                return true;
            }
            if (n < 0 || !more())
                return false;
        }
    }

private:
    Source m_source;
    QByteArray m_buffer;
    int m_pos = 0;
    bool m_end = false;
    bool m_failed = false;
};

HaccpRecords::HaccpRecords() = default;

void HaccpRecords::release()
{
    m_head = QByteArray();
    m_tail = QByteArray();
    std::vector<Record>().swap(m_records);
    m_names = QByteArray();
    m_unusedNameBytes = 0;
    m_other = QVector<Other>();
    m_lastKey = QByteArray();
    m_desc = false;
    m_checkedNames = QHash<QByteArray, bool>();
}

void HaccpRecords::setEmpty()
{
    release();
    m_head = kEmptyHead;
    m_tail = kEmptyTail;
}

HaccpRecords::Read HaccpRecords::read(const Source &source, qint64 expectedBytes)
{
    Reader reader(source);
    return read(reader, expectedBytes);
}

HaccpRecords::Read HaccpRecords::read(const QByteArray &text)
{
    Reader reader(text);
    return read(reader, text.size());
}

HaccpRecords::Read HaccpRecords::read(Reader &reader, qint64 expectedBytes)
{
    release();
    // No record of ours is shorter than this: the vector is not grown by copies.
    m_records.reserve(size_t(qBound<qint64>(0, expectedBytes / kShortestRecord + 1, INT_MAX)));
    bool ok = reader.take([](const char *p, const char *end) {
        return p >= end ? 0 : *p == '{' ? 1 : -1;
    });
    if (ok)
        m_head = "{";
    bool arrayOpens = false;
    while (ok && !arrayOpens) {
        ok = reader.take([this, &arrayOpens](const char *p, const char *end) {
            return takeHeadPair(p, end, &arrayOpens);
        });
    }
    char next = 0;
    bool closes = ok && reader.peek(&next) && next == ']';
    while (ok && !closes) {
        // All the records the buffer holds in one step.
        ok = reader.take([this, &closes](const char *p, const char *end) {
            int taken = 0;
            for (;;) {
                const int n = takeRecord(p + taken, end, &closes);
                if (n <= 0)
                    return taken > 0 ? taken : n;
                taken += n;
                if (closes)
                    return taken;
            }
        });
    }
    ok = ok && m_desc && takeTail(reader.rest());
    const Read result = reader.failed() ? Read::Failed : ok ? Read::Ok : Read::NotCompact;
    m_lastKey = QByteArray();
    m_checkedNames = QHash<QByteArray, bool>();
    if (result != Read::Ok) {
        release();
        return result;
    }
    if (m_records.capacity() > m_records.size() + m_records.size() / 4)
        m_records.shrink_to_fit();
    m_names.squeeze();
    return result;
}

int HaccpRecords::takeHeadPair(const char *p, const char *end, bool *arrayOpens)
{
    QByteArray key;
    const int k = keyAt(p, end, &key);
    if (k <= 0)
        return k;
    // Keys in strictly rising order, as the writer sorts them.
    if (!m_lastKey.isNull() && key <= m_lastKey)
        return -1;
    if (key == kInfoKey) {
        if (p + k >= end)
            return 0;
        if (p[k] != '[')
            return -1;
        m_head.append(p, k + 1);
        m_lastKey = key;
        *arrayOpens = true;
        return k + 1;
    }
    const char *e = valueEnd(p + k, end);
    if (!e || e >= end)
        return 0;
    // Before the records only: a log without them is not in the writer's form.
    if (*e != ',' || !compactValue(p + k, e))
        return -1;
    if (key == kDescKey) {
        if (QByteArray::fromRawData(p + k, int(e - p - k)) != kDescValue)
            return -1;
        m_desc = true;
    }
    m_head.append(p, int(e + 1 - p));
    m_lastKey = key;
    return int(e + 1 - p);
}

bool HaccpRecords::nameIsCompact(const char *stored, int size)
{
    const QByteArray name = QByteArray::fromRawData(stored, size);
    const auto known = m_checkedNames.constFind(name);
    if (known != m_checkedNames.constEnd())
        return known.value();
    QByteArray piece;
    piece.reserve(size + 4);
    piece.append("[\"").append(stored, size).append("\"]");
    const QJsonDocument parsed = QJsonDocument::fromJson(piece);
    const bool compact = parsed.isArray() && parsed.array().size() == 1
        && parsed.array().at(0).isString() && parsed.toJson(QJsonDocument::Compact) == piece;
    if (m_checkedNames.size() < kMaxCheckedNames)
        m_checkedNames.insert(QByteArray(stored, size), compact);
    return compact;
}

// A new record goes first: moving the others costs a fraction of the rewrite that follows.
void HaccpRecords::insertFirst(Record r, const char *name, int nameSize)
{
    r.name = quint32(m_names.size());
    r.bits = (r.bits & ~(Record::SizeMask | Record::Other)) | quint32(nameSize);
    m_names.append(name, nameSize);
    m_records.insert(m_records.begin(), r);
}

void HaccpRecords::addOther(const QByteArray &text, const Fields &fields, bool first)
{
    Record r{};
    r.bits = Record::Other;
    r.name = quint32(m_other.size());
    m_other.append({text, fields});
    m_records.insert(first ? m_records.begin() : m_records.end(), r);
}

// The record at `p` and the comma after it: their length, 0 when the text ends first, -1
// when the element is not in the writer's form. `closes` tells that the array ends after it.
int HaccpRecords::takeRecord(const char *p, const char *end, bool *closes)
{
    quint32 values[3];
    qint32 bin = 0;
    bool expired = false;
    const char *name = nullptr;
    int nameSize = 0;
    bool plain = false;
    int n = plainRecord(p, end, values, &bin, &expired, &name, &nameSize, &plain);
    const char *e = n > 0 ? p + n : valueEnd(p, end);
    if (!e || e >= end)
        return 0;
    if (*e != ',' && *e != ']')
        return -1;
    // Told only for a record taken: "[...,]" is no array.
    const bool last = *e == ']';
    const int taken = int(e - p) + (last ? 0 : 1);
    if (n > 0) {
        if (!plain && !nameIsCompact(name, nameSize))
            return -1;
        if (quint32(nameSize) > Record::SizeMask)
            return -1;
        // Filled in place: a year of records is read at the speed of its bytes.
        m_records.emplace_back();
        Record &r = m_records.back();
        r.day = values[0];
        r.time = values[1];
        r.duration = values[2];
        r.bin = bin;
        r.name = quint32(m_names.size());
        r.bits = quint32(nameSize) | (expired ? Record::Expired : 0) | (plain ? Record::PlainName : 0);
        m_names.append(name, nameSize);
        *closes = last;
        return taken;
    }
    if (!compactValue(p, e))
        return -1;
    // Another element (keys missing, other types, text in another form): kept as it is,
    // its fields read as the JSON parser reads them.
    const QByteArray text(p, int(e - p));
    const QJsonObject record = QJsonDocument::fromJson(bracketed(p, int(e - p))).array().at(0).toObject();
    Fields f;
    f.raw.name = record.value(QLatin1String("p")).toString();
    f.raw.date = record.value(QLatin1String("d")).toString();
    f.raw.time = record.value(QLatin1String("t")).toString();
    f.raw.duration = record.value(QLatin1String("h")).toString();
    f.raw.expired = record.value(QLatin1String("e")).toBool();
    f.raw.binNumber = record.value(QLatin1String("b")).toInt();
    f.hasDay = record.contains(QLatin1String("d"));
    f.hasTime = record.contains(QLatin1String("t"));
    f.hasBin = record.contains(QLatin1String("b"));
    addOther(text, f, false);
    *closes = last;
    return taken;
}

bool HaccpRecords::takeTail(const QByteArray &tail)
{
    const int last = tail.size() - 1;
    if (last < 1 || tail.at(0) != ']' || tail.at(last) != '}')
        return false;
    const char *p = tail.constData() + 1;
    const char *closing = tail.constData() + last;
    while (p < closing) {
        if (*p != ',')
            return false;
        ++p;
        QByteArray key;
        const int k = keyAt(p, closing, &key);
        if (k <= 0 || key <= m_lastKey)
            return false;
        m_lastKey = key;
        const char *e = valueEnd(p + k, closing + 1);
        if (!e || e > closing || !compactValue(p + k, e))
            return false;
        p = e;
    }
    m_tail = tail;
    return true;
}

// ---- the records -------------------------------------------------------------------------

QString HaccpRecords::nameOf(const Record &r) const
{
    return decodedName(m_names.constData() + r.name, r.nameSize(), r.plainName());
}

HaccpData HaccpRecords::shown(int i) const
{
    const Record &r = at(i);
    if (r.other())
        return shownForm(m_other.at(int(r.name)).fields.raw);
    HaccpData d;
    d.name = nameOf(r);
    d.date = validDay(r.day) ? shortForm(r.day, '/') : QString();
    d.time = validTime(r.time) ? shortForm(r.time / 100, ':') : QString();
    if (r.duration == OpenDuration)
        d.duration = kOpen;
    else if (validTime(r.duration))
        d.duration = shortForm(r.duration / 100, ':');
    d.expired = r.expired();
    d.binNumber = r.bin;
    return d;
}

HaccpData HaccpRecords::shownForm(const HaccpData &raw)
{
    HaccpData data = raw;
    data.date = parseDay(raw.date).isValid() ? raw.date.mid(5) : QString();
    data.time = shortTime(raw.time);
    data.duration = raw.duration == kOpen ? raw.duration : shortTime(raw.duration);
    return data;
}

QByteArray HaccpRecords::csvLine(const HaccpData &display, int binsPerShelf)
{
    // A layout without bins has no shelves to name.
    const QString shelf = binsPerShelf > 0 && display.binNumber >= 0
        ? QString::number(display.binNumber / binsPerShelf + 1)
        : QString();
    const QString discarded = display.duration == kOpen
        ? kOpen
        : (display.expired ? QStringLiteral("Yes") : QStringLiteral("No"));
    return (csvText(display.name) + QLatin1Char(',') + shelf + QLatin1Char(',') + display.date
            + QLatin1Char(' ') + display.time + QLatin1Char(',') + discarded + QLatin1Char(',')
            + display.duration + QStringLiteral(",\n"))
        .toUtf8();
}

void HaccpRecords::appendCsv(int i, int binsPerShelf, QByteArray *out) const
{
    const Record &r = at(i);
    if (r.other()) {
        out->append(csvLine(shownForm(m_other.at(int(r.name)).fields.raw), binsPerShelf));
        return;
    }
    const char *name = m_names.constData() + r.name;
    const int size = r.nameSize();
    if (r.plainName() && !memchr(name, ',', size_t(size))
        && !(size > 0 && memchr("=+-@", name[0], 4)))
        out->append(name, size);
    else
        out->append(csvText(nameOf(r)).toUtf8());
    char line[64];
    char *q = line;
    *q++ = ',';
    if (binsPerShelf > 0 && r.bin >= 0)
        q = decimal(q, r.bin / binsPerShelf + 1);
    *q++ = ',';
    if (validDay(r.day)) {
        q = twoDigits(q, r.day / 100 % 100);
        *q++ = '/';
        q = twoDigits(q, r.day % 100);
    }
    *q++ = ' ';
    if (validTime(r.time)) {
        q = twoDigits(q, r.time / 10000);
        *q++ = ':';
        q = twoDigits(q, r.time / 100 % 100);
    }
    *q++ = ',';
    const bool open = r.duration == OpenDuration;
    const char *discarded = open ? "----" : r.expired() ? "Yes" : "No";
    const size_t discardedSize = strlen(discarded);
    memcpy(q, discarded, discardedSize);
    q += discardedSize;
    *q++ = ',';
    if (open) {
        memcpy(q, "----", 4);
        q += 4;
    } else if (validTime(r.duration)) {
        q = twoDigits(q, r.duration / 10000);
        *q++ = ':';
        q = twoDigits(q, r.duration / 100 % 100);
    }
    *q++ = ',';
    *q++ = '\n';
    out->append(line, int(q - line));
}

void HaccpRecords::prepend(const HaccpData &data)
{
    const QByteArray day = data.date.toLatin1();
    const QByteArray time = data.time.toLatin1();
    const QByteArray duration = data.duration.toLatin1();
    Record r{};
    bool plain = day.size() == 10 && dayAt(day.constData(), &r.day) && time.size() == 8
        && timeAt(time.constData(), &r.time);
    if (plain && data.duration == kOpen)
        r.duration = OpenDuration;
    else if (plain)
        plain = !duration.isEmpty()
            && durationAt(duration.constData(), duration.constData() + duration.size(), &r.duration)
                == duration.size();
    if (plain) {
        QByteArray name = data.name.toUtf8();
        const bool plainName = plainBytes(name.constData(), name.size());
        if (!plainName) {
            // Escaped as the writer escapes it.
            name = QJsonDocument(QJsonArray{data.name}).toJson(QJsonDocument::Compact);
            name = name.mid(2, name.size() - 4);
        }
        r.bin = data.binNumber;
        r.bits = (data.expired ? Record::Expired : 0) | (plainName ? Record::PlainName : 0);
        insertFirst(r, name.constData(), name.size());
        return;
    }
    Fields f;
    f.raw = data;
    f.hasDay = f.hasTime = f.hasBin = true;
    addOther(QJsonDocument(QJsonObject{{QStringLiteral("p"), data.name},
                                       {QStringLiteral("d"), data.date},
                                       {QStringLiteral("t"), data.time},
                                       {QStringLiteral("h"), data.duration},
                                       {QStringLiteral("e"), data.expired},
                                       {QStringLiteral("b"), data.binNumber}})
                 .toJson(QJsonDocument::Compact),
             f, true);
}

bool HaccpRecords::removeOpenRecord(int bin)
{
    QVector<bool> keep;
    for (int k = 0; k < count(); ++k) {
        const Record &r = m_records[size_t(k)];
        bool complete = true;
        bool match = false;
        if (r.other()) {
            const Fields &f = m_other.at(int(r.name)).fields;
            complete = f.hasDay && f.hasTime && f.hasBin;
            match = f.raw.binNumber == bin && f.raw.duration == kOpen;
        } else {
            match = r.bin == bin && r.duration == OpenDuration;
        }
        if (!complete || match) {
            if (keep.isEmpty())
                keep.fill(true, count());
            keep[k] = false;
            if (complete)
                break;
        }
    }
    if (!keep.isEmpty())
        keepOnly(keep);
    return !keep.isEmpty();
}

bool HaccpRecords::hasOpenRecord(int bin) const
{
    for (const Record &r : m_records) {
        const bool open = r.other() ? m_other.at(int(r.name)).fields.raw.duration == kOpen : r.duration == OpenDuration;
        const int recordBin = r.other() ? m_other.at(int(r.name)).fields.raw.binNumber : r.bin;
        if (open && recordBin == bin)
            return true;
    }
    return false;
}

int HaccpRecords::closeOpenRecords(const QDateTime &cut, quint32 keepBins, quint32 expiredBins)
{
    // Both sides as plain clock readings: the records carry no zone.
    const QDateTime end(cut.date(), cut.time(), Qt::UTC);
    constexpr qint64 MaxHours = 99999; // far past any hold, and within the record's digits
    quint32 seen = 0;
    int closed = 0;
    for (Record &r : m_records) {
        if (r.other() || r.duration != OpenDuration)
            continue;
        const quint32 bit = r.bin >= 0 && r.bin < 32 ? 1u << r.bin : 0;
        if (bit & keepBins & ~seen) {
            seen |= bit;
            continue;
        }
        const QDateTime start(QDate(int(r.day / 10000), int(r.day / 100 % 100), int(r.day % 100)),
                              QTime(int(r.time / 10000), int(r.time / 100 % 100), int(r.time % 100)), Qt::UTC);
        const qint64 seconds = start.isValid() && end.isValid()
            ? qBound<qint64>(0, start.secsTo(end), MaxHours * 3600 + 3599) : 0;
        r.duration = quint32(seconds / 3600 * 10000 + seconds / 60 % 60 * 100 + seconds % 60);
        if (bit & expiredBins)
            r.bits |= Record::Expired;
        ++closed;
    }
    return closed;
}

bool HaccpRecords::removeBefore(const QDate &cutoff)
{
    const bool limited = cutoff.isValid();
    const quint32 first = limited ? quint32(cutoff.year() * 10000 + cutoff.month() * 100 + cutoff.day()) : 0;
    QVector<bool> keep(count(), true);
    bool dropped = false;
    for (int k = 0; k < count(); ++k) {
        const Record &r = m_records[size_t(k)];
        bool kept;
        if (r.other()) {
            const Fields &f = m_other.at(int(r.name)).fields;
            kept = f.hasDay;
            if (kept && limited) {
                const QDate day = parseDay(f.raw.date);
                kept = day.isValid() && day >= cutoff;
            }
        } else {
            kept = !limited || (r.day >= first && validDay(r.day));
        }
        keep[k] = kept;
        dropped |= !kept;
    }
    if (dropped)
        keepOnly(keep);
    return dropped;
}

void HaccpRecords::keepOnly(const QVector<bool> &keep)
{
    QVector<Other> others;
    int kept = 0;
    for (int k = 0; k < count(); ++k) {
        Record r = m_records[size_t(k)];
        if (!keep.at(k)) {
            if (!r.other())
                m_unusedNameBytes += r.nameSize();
            continue;
        }
        if (r.other()) {
            others.append(m_other.at(int(r.name)));
            r.name = quint32(others.size() - 1);
        }
        m_records[size_t(kept++)] = r;
    }
    m_records.resize(size_t(kept));
    m_other = others;
    // Names of removed records are dropped once they are half the names' bytes.
    if (m_unusedNameBytes > m_names.size() / 2) {
        QByteArray names;
        names.reserve(m_names.size() - m_unusedNameBytes);
        for (Record &r : m_records) {
            if (r.other())
                continue;
            const quint32 at = quint32(names.size());
            names.append(m_names.constData() + r.name, r.nameSize());
            r.name = at;
        }
        m_names = names;
        m_unusedNameBytes = 0;
    }
}

// ---- the text ----------------------------------------------------------------------------

void HaccpRecords::appendText(const Record &r, QByteArray *out) const
{
    if (r.other()) {
        out->append(m_other.at(int(r.name)).text);
        return;
    }
    char text[96];
    char *q = text;
    const auto literal = [&q](const char *s, int size) {
        memcpy(q, s, size_t(size));
        q += size;
    };
    literal("{\"b\":", 5);
    q = decimal(q, r.bin);
    literal(",\"d\":\"", 6);
    q = twoDigits(q, r.day / 1000000);
    q = twoDigits(q, r.day / 10000 % 100);
    *q++ = '/';
    q = twoDigits(q, r.day / 100 % 100);
    *q++ = '/';
    q = twoDigits(q, r.day % 100);
    literal("\",\"e\":", 6);
    r.expired() ? literal("true", 4) : literal("false", 5);
    literal(",\"h\":\"", 6);
    if (r.duration == OpenDuration) {
        literal("----", 4);
    } else {
        const quint32 hours = r.duration / 10000;
        q = hours < 100 ? twoDigits(q, hours) : decimal(q, hours);
        *q++ = ':';
        q = twoDigits(q, r.duration / 100 % 100);
        *q++ = ':';
        q = twoDigits(q, r.duration % 100);
    }
    literal("\",\"p\":\"", 7);
    out->append(text, int(q - text));
    out->append(m_names.constData() + r.name, r.nameSize());
    q = text;
    literal("\",\"t\":\"", 7);
    q = twoDigits(q, r.time / 10000);
    *q++ = ':';
    q = twoDigits(q, r.time / 100 % 100);
    *q++ = ':';
    q = twoDigits(q, r.time % 100);
    literal("\"}", 2);
    out->append(text, int(q - text));
}

bool HaccpRecords::write(const Sink &sink) const
{
    QByteArray piece;
    piece.reserve(PieceBytes + 4096);
    piece.append(m_head);
    for (int k = 0; k < count(); ++k) {
        if (k)
            piece.append(',');
        appendText(m_records[size_t(k)], &piece);
        if (piece.size() >= PieceBytes) {
            if (!sink(piece.constData(), piece.size()))
                return false;
            piece.resize(0);
        }
    }
    piece.append(m_tail);
    return sink(piece.constData(), piece.size());
}
