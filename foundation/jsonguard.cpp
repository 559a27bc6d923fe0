#include "jsonguard.h"
#include "foundationlog.h"

#include "safefilereader.h"

#include <QDebug>
#include <QHash>
#include <QJsonArray>
#include <QSet>
#include <QString>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The string whose opening quote is at `begin - 1`, decoded; `*end` is set past the
// closing quote, or to -1 when the text ends inside the string. Escapes the parser
// would refuse are kept as they are: that document fails to parse anyway.
QString scanString(const QByteArray &text, int begin, int *end)
{
    const int size = text.size();
    const char *p = text.constData();
    int i = begin;
    while (i < size && p[i] != '"' && p[i] != '\\')
        ++i;
    if (i < size && p[i] == '"') {
        *end = i + 1;
        return QString::fromUtf8(p + begin, i - begin);
    }
    QString decoded = QString::fromUtf8(p + begin, i - begin);
    int runStart = i;
    while (i < size) {
        const char c = p[i];
        if (c == '"') {
            decoded += QString::fromUtf8(p + runStart, i - runStart);
            *end = i + 1;
            return decoded;
        }
        if (c != '\\') {
            ++i;
            continue;
        }
        decoded += QString::fromUtf8(p + runStart, i - runStart);
        if (i + 1 >= size)
            break;
        const char e = p[i + 1];
        i += 2;
        switch (e) {
        case 'b': decoded += QChar(0x08); break;
        case 'f': decoded += QChar(0x0C); break;
        case 'n': decoded += QChar(0x0A); break;
        case 'r': decoded += QChar(0x0D); break;
        case 't': decoded += QChar(0x09); break;
        case 'u': {
            int value = 0;
            int digits = 0;
            for (; digits < 4 && i < size; ++digits, ++i) {
                const int h = hexValue(p[i]);
                if (h < 0)
                    break;
                value = value * 16 + h;
            }
            decoded += QChar(ushort(value));
            break;
        }
        default: decoded += QChar(ushort(quint8(e))); break;
        }
        runStart = i;
    }
    *end = -1;
    return QString();
}

// Offset past the closing quote of the string whose opening quote is at `begin - 1`,
// or -1 when the text ends inside it; the same end as scanString's, without decoding.
int stringEnd(const QByteArray &text, int begin)
{
    const int size = text.size();
    const char *p = text.constData();
    for (int i = begin; i < size; ++i) {
        if (p[i] == '\\')
            ++i;
        else if (p[i] == '"')
            return i + 1;
    }
    return -1;
}

// The key whose opening quote is at `start`, as the parser compares keys: escapes
// decoded, nothing after a NUL.
QString keyAt(const QByteArray &text, int start)
{
    int decodedEnd = 0;
    const QString s = scanString(text, start + 1, &decodedEnd);
    const int nul = s.indexOf(QChar(0));
    return nul < 0 ? s : s.left(nul);
}

// True when the string that ends before `end` is followed by a colon: it is a key.
bool isKey(const QByteArray &text, int end)
{
    int j = end;
    while (j < text.size() && isSpace(text.at(j)))
        ++j;
    return j < text.size() && text.at(j) == ':';
}

struct Level
{
    bool object;
    QSet<QString> keys;
};

// Offset of the first repeated key, or -1.
int firstDuplicateKey(const QByteArray &text)
{
    std::vector<Level> levels;
    const int size = text.size();
    const char *p = text.constData();
    for (int i = 0; i < size; ++i) {
        const char c = p[i];
        if (c == '{' || c == '[') {
            levels.push_back(Level{c == '{', {}});
        } else if (c == '}' || c == ']') {
            if (!levels.empty())
                levels.pop_back();
        } else if (c == '"') {
            const int start = i;
            const int end = stringEnd(text, i + 1);
            if (end < 0)
                return -1; // unterminated: the parser refuses it
            i = end - 1;
            if (levels.empty() || !levels.back().object)
                continue;
            if (isKey(text, end)) {
                // Only keys are decoded: most strings of a document are values.
                const QString key = keyAt(text, start);
                QSet<QString> &keys = levels.back().keys;
                if (keys.contains(key))
                    return start;
                keys.insert(key);
            }
        }
    }
    return -1;
}

} // namespace

QByteArray JsonGuard::withoutRepeatedKeys(const QByteArray &text, QStringList *keys)
{
    struct Member
    {
        int start; // its key's opening quote
        int comma; // the comma after its value
    };
    struct Open
    {
        bool object;
        QHash<QString, Member> last; // the latest member of each key
        int start = -1;              // the member being read, from its key's quote
        QString key;
    };
    std::vector<Open> levels;
    std::vector<std::pair<int, int>> cuts;
    // The member being read ends at `delimiter`; an earlier one of its key is cut, with
    // the comma that followed it.
    const auto endMember = [&](Open &level, int delimiter) {
        if (level.start < 0)
            return;
        const auto earlier = level.last.constFind(level.key);
        if (earlier != level.last.constEnd()) {
            cuts.emplace_back(earlier->start, earlier->comma + 1);
            if (keys)
                *keys << level.key;
        }
        level.last.insert(level.key, Member{level.start, delimiter});
        level.start = -1;
    };
    const int size = text.size();
    const char *p = text.constData();
    for (int i = 0; i < size; ++i) {
        const char c = p[i];
        if (c == '{' || c == '[') {
            levels.push_back(Open{c == '{', {}, -1, {}});
        } else if (c == '}' || c == ']') {
            if (levels.empty())
                continue;
            if (levels.back().object)
                endMember(levels.back(), i);
            levels.pop_back();
        } else if (c == ',') {
            if (!levels.empty() && levels.back().object)
                endMember(levels.back(), i);
        } else if (c == '"') {
            const int start = i;
            const int end = stringEnd(text, i + 1);
            if (end < 0)
                break;
            i = end - 1;
            if (levels.empty() || !levels.back().object || levels.back().start >= 0 || !isKey(text, end))
                continue;
            levels.back().start = start;
            levels.back().key = keyAt(text, start);
        }
    }
    if (cuts.empty())
        return text;
    std::sort(cuts.begin(), cuts.end());
    QByteArray kept;
    kept.reserve(size);
    int from = 0;
    for (const auto &cut : cuts) {
        if (cut.first < from)
            continue; // inside a member already cut
        kept.append(p + from, cut.first - from);
        from = cut.second;
    }
    kept.append(p + from, size - from);
    return kept;
}

bool JsonGuard::hasDuplicateKey(const QByteArray &text)
{
    return firstDuplicateKey(text) >= 0;
}

QJsonDocument JsonGuard::parse(const QByteArray &text, const char *source, int maxBytes,
                               QJsonParseError *error)
{
    QJsonParseError local;
    QJsonParseError *e = error ? error : &local;
    if (text.size() > maxBytes) {
        qCWarning(lcFoundation).noquote() << "JSON from the" << source << "has" << text.size()
                             << "bytes, more than the" << maxBytes << "it may; refused";
        e->error = QJsonParseError::DocumentTooLarge;
        e->offset = maxBytes;
        return QJsonDocument();
    }
    const int duplicate = firstDuplicateKey(text);
    if (duplicate >= 0) {
        qCWarning(lcFoundation).noquote() << "JSON from the" << source << "names a key twice at offset"
                             << duplicate << "; refused";
        e->error = QJsonParseError::IllegalValue;
        e->offset = duplicate;
        return QJsonDocument();
    }
    return QJsonDocument::fromJson(text, e);
}

JsonGuard::FileOutcome JsonGuard::readDataFile(const QString &path, qint64 maxBytes, const char *what,
                                               const std::function<QString(const QJsonDocument &)> &problem,
                                               QJsonDocument *doc, QStringList *repeatedKeys)
{
    *doc = QJsonDocument();
    QByteArray text;
    switch (SafeFileReader::read(path, maxBytes, &text, what)) {
    case SafeFileReader::Ok:
        break;
    case SafeFileReader::Missing:
        return FileOutcome::Missing;
    case SafeFileReader::Unreadable:
        // One that is there but cannot be read goes aside like any other unusable file.
        if (SafeFileReader::setAside(path, QStringLiteral("%1: unreadable").arg(QLatin1String(what))).isEmpty())
            return FileOutcome::Unreadable;
        return FileOutcome::SetAside;
    case SafeFileReader::TooLarge:
        SafeFileReader::setAside(path, QStringLiteral("%1: larger than %2 bytes").arg(QLatin1String(what)).arg(maxBytes));
        return FileOutcome::SetAside;
    }
    if (repeatedKeys)
        text = withoutRepeatedKeys(text, repeatedKeys);
    QJsonParseError error;
    const QJsonDocument parsed = parse(text, what, int(maxBytes), &error);
    QString why = text.trimmed().isEmpty() ? QStringLiteral("empty") : SafeFileReader::textProblem(text);
    if (!why.isEmpty()) {
        // Named as such rather than by where the parser gave up.
    } else if (error.error == QJsonParseError::IllegalValue && hasDuplicateKey(text)) {
        why = QStringLiteral("names a key twice");
    } else if (error.error != QJsonParseError::NoError) {
        why = QStringLiteral("%1 at offset %2").arg(error.errorString()).arg(error.offset);
    } else if (problem) {
        why = problem(parsed);
    }
    if (!why.isEmpty()) {
        SafeFileReader::setAside(path, QStringLiteral("%1: %2").arg(QLatin1String(what), why));
        return FileOutcome::SetAside;
    }
    *doc = parsed;
    return FileOutcome::Loaded;
}

QString JsonGuard::listsOfObjectsProblem(const QJsonObject &top, std::initializer_list<const char *> keys)
{
    for (const char *key : keys) {
        const QJsonValue list = top.value(QLatin1String(key));
        if (list.isUndefined())
            continue;
        if (!list.isArray())
            return QStringLiteral("\"%1\" is not a list").arg(QLatin1String(key));
        for (const QJsonValue &entry : list.toArray()) {
            if (!entry.isObject())
                return QStringLiteral("\"%1\" holds an entry that is not an object").arg(QLatin1String(key));
        }
    }
    return QString();
}
