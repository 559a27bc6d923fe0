#include "iotjsonwriter.h"

namespace {

char hexDigit(uint v)
{
    v &= 0xF;
    return char(v < 10 ? '0' + v : 'a' + v - 10);
}

void indent(QByteArray &out, int levels)
{
    out.append(levels * 4, ' ');
}

} // namespace

IotJsonText::IotJsonText(int reserve)
{
    if (reserve > 0)
        m_out.reserve(reserve);
}

void IotJsonText::nextItem()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_first.isEmpty())
        return; // the outermost value
    if (!m_first.last())
        m_out += ",\n";
    m_first.last() = false;
    indent(m_out, m_first.size());
}

void IotJsonText::beginObject()
{
    nextItem();
    m_out += "{\n";
    m_first.append(true);
}

void IotJsonText::beginArray()
{
    nextItem();
    m_out += "[\n";
    m_first.append(true);
}

void IotJsonText::close(char bracket)
{
    if (m_first.isEmpty())
        return;
    if (!m_first.last())
        m_out += '\n';
    m_first.removeLast();
    indent(m_out, m_first.size());
    m_out += bracket;
    if (m_first.isEmpty())
        m_out += '\n';
}

void IotJsonText::endObject()
{
    close('}');
}

void IotJsonText::endArray()
{
    close(']');
}

void IotJsonText::key(QLatin1String name)
{
    nextItem();
    // The keys are plain words: copied as they are unless one needs an escape.
    const char *p = name.data();
    const char *const end = p + name.size();
    while (p != end && uchar(*p) >= 0x20 && uchar(*p) < 0x80 && *p != '"' && *p != '\\')
        ++p;
    if (p == end) {
        m_out += '"';
        m_out.append(name.data(), name.size());
        m_out += "\": ";
    } else {
        string(QString(name));
        m_out += ": ";
    }
    m_afterKey = true;
}

void IotJsonText::key(const QString &name)
{
    nextItem();
    string(name);
    m_out += ": ";
    m_afterKey = true;
}

void IotJsonText::value(int number)
{
    nextItem();
    char digits[12];
    char *p = digits + sizeof digits;
    // By hand into a buffer of its own: no allocation per number.
    unsigned magnitude = number < 0 ? 0u - unsigned(number) : unsigned(number);
    do {
        *--p = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (number < 0)
        *--p = '-';
    m_out.append(p, int(digits + sizeof digits - p));
}

void IotJsonText::value(const QString &text)
{
    nextItem();
    string(text);
}

void IotJsonText::value(QLatin1String text)
{
    value(QString(text));
}

// As the document writer escapes: quote, backslash and control characters; other text
// as UTF-8; a surrogate without its pair as \u and four hexadecimal digits.
void IotJsonText::string(const QString &text)
{
    // Room for the worst case (six bytes a character, two quotes), given back at the end.
    const int start = m_out.size();
    m_out.resize(start + 6 * text.size() + 2);
    char *o = m_out.data() + start;
    *o++ = '"';
    const QChar *c = text.constData();
    const QChar *const end = c + text.size();
    while (c != end) {
        const ushort u = c->unicode();
        ++c;
        if (u < 0x80) {
            if (u >= 0x20 && u != '"' && u != '\\') {
                *o++ = char(u);
                continue;
            }
            *o++ = '\\';
            switch (u) {
            case '"': *o++ = '"'; break;
            case '\\': *o++ = '\\'; break;
            case '\b': *o++ = 'b'; break;
            case '\f': *o++ = 'f'; break;
            case '\n': *o++ = 'n'; break;
            case '\r': *o++ = 'r'; break;
            case '\t': *o++ = 't'; break;
            default:
                *o++ = 'u';
                *o++ = '0';
                *o++ = '0';
                *o++ = hexDigit(u >> 4);
                *o++ = hexDigit(u);
            }
        } else if (u < 0x800) {
            *o++ = char(0xC0 | (u >> 6));
            *o++ = char(0x80 | (u & 0x3F));
        } else if (!QChar::isSurrogate(u)) {
            *o++ = char(0xE0 | (u >> 12));
            *o++ = char(0x80 | ((u >> 6) & 0x3F));
            *o++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && c != end && c->isLowSurrogate()) {
            const uint cp = QChar::surrogateToUcs4(u, c->unicode());
            ++c;
            *o++ = char(0xF0 | (cp >> 18));
            *o++ = char(0x80 | ((cp >> 12) & 0x3F));
            *o++ = char(0x80 | ((cp >> 6) & 0x3F));
            *o++ = char(0x80 | (cp & 0x3F));
        } else {
            *o++ = '\\';
            *o++ = 'u';
            *o++ = hexDigit(u >> 12);
            *o++ = hexDigit(u >> 8);
            *o++ = hexDigit(u >> 4);
            *o++ = hexDigit(u);
        }
    }
    *o++ = '"';
    m_out.resize(int(o - m_out.constData()));
}

void IotJsonTree::open(bool array)
{
    m_levels.push_back({array, m_key, {}, {}});
}

void IotJsonTree::close()
{
    if (m_levels.empty())
        return;
    Level level = std::move(m_levels.back());
    m_levels.pop_back();
    m_key = level.key;
    put(level.array ? QJsonValue(level.items) : QJsonValue(level.object));
}

void IotJsonTree::put(const QJsonValue &v)
{
    if (m_levels.empty())
        m_result = v;
    else if (m_levels.back().array)
        m_levels.back().items.append(v);
    else
        m_levels.back().object.insert(m_key, v);
}
