#include "pinyintable.h"
#include "pinyintabledata.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

PinyinTable::PinyinTable(QObject *parent) : QObject(parent)
{
}

int PinyinTable::syllableCount() const
{
    return kPinyinRowCount;
}

QString PinyinTable::get(const QString &chars) const
{
    // Syllables are plain lower-case ASCII: anything else begins none of them.
    QByteArray key;
    key.reserve(chars.size());
    for (const QChar c : chars) {
        if (c.unicode() == 0 || c.unicode() >= 128)
            return QString();
        key.append(char(c.unicode()));
    }
    const PinyinRow *const end = kPinyinRows + kPinyinRowCount;
    // Rows are sorted by syllable, so those that begin with chars follow each other from here.
    const PinyinRow *row = std::lower_bound(kPinyinRows, end, key.constData(), [](const PinyinRow &r, const char *k) {
        return std::strcmp(r.syllable, k) < 0;
    });
    if (row != end && key == row->syllable)
        return QString::fromUtf16(row->candidates);
    QString result;
    for (; row != end && std::strncmp(row->syllable, key.constData(), size_t(key.size())) == 0; ++row)
        result += QString::fromUtf16(row->candidates);
    return result;
}
