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
    key(QString(name));
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
    m_out += QByteArray::number(number);
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
    m_out += '"';
    const QChar *c = text.constData();
    const QChar *const end = c + text.size();
    while (c != end) {
        const ushort u = c->unicode();
        ++c;
        if (u < 0x80) {
            if (u >= 0x20 && u != '"' && u != '\\') {
                m_out += char(u);
                continue;
            }
            m_out += '\\';
            switch (u) {
            case '"': m_out += '"'; break;
            case '\\': m_out += '\\'; break;
            case '\b': m_out += 'b'; break;
            case '\f': m_out += 'f'; break;
            case '\n': m_out += 'n'; break;
            case '\r': m_out += 'r'; break;
            case '\t': m_out += 't'; break;
            default:
                m_out += "u00";
                m_out += hexDigit(u >> 4);
                m_out += hexDigit(u);
            }
        } else if (u < 0x800) {
            m_out += char(0xC0 | (u >> 6));
            m_out += char(0x80 | (u & 0x3F));
        } else if (!QChar::isSurrogate(u)) {
            m_out += char(0xE0 | (u >> 12));
            m_out += char(0x80 | ((u >> 6) & 0x3F));
            m_out += char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && c != end && c->isLowSurrogate()) {
            const uint cp = QChar::surrogateToUcs4(u, c->unicode());
            ++c;
            m_out += char(0xF0 | (cp >> 18));
            m_out += char(0x80 | ((cp >> 12) & 0x3F));
            m_out += char(0x80 | ((cp >> 6) & 0x3F));
            m_out += char(0x80 | (cp & 0x3F));
        } else {
            m_out += "\\u";
            m_out += hexDigit(u >> 12);
            m_out += hexDigit(u >> 8);
            m_out += hexDigit(u >> 4);
            m_out += hexDigit(u);
        }
    }
    m_out += '"';
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
