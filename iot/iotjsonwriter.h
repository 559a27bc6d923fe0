#ifndef IOTJSONWRITER_H
#define IOTJSONWRITER_H

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1String>
#include <QString>
#include <QVarLengthArray>

#include <vector>

// Two ways to lay out one message with the same calls: as the text IotJson::write gives
// (IotJsonText) or as a tree (IotJsonTree). A large message (the menu snapshot) is
// written straight to text rather than built as a tree that is then walked again.
//
// IotJsonText takes the members of an object in ascending key order (code-point order,
// capitals first), as the tree would sort them; the caller gives them in that order.

class IotJsonText
{
public:
    explicit IotJsonText(int reserve = 0);

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(QLatin1String name);
    void key(const QString &name);
    void value(int number);
    void value(const QString &text);
    void value(QLatin1String text);

    template<typename Name, typename T>
    void member(const Name &name, const T &v)
    {
        key(name);
        value(v);
    }

    // The whole text: indented by four spaces, a final newline.
    QByteArray take() { return std::move(m_out); }

private:
    void nextItem();
    void close(char bracket);
    void string(const QString &text);

    QByteArray m_out;
    QVarLengthArray<bool, 8> m_first; // per open container: nothing in it yet
    bool m_afterKey = false;
};

class IotJsonTree
{
public:
    void beginObject() { open(false); }
    void endObject() { close(); }
    void beginArray() { open(true); }
    void endArray() { close(); }
    void key(QLatin1String name) { m_key = QString(name); }
    void key(const QString &name) { m_key = name; }
    void value(int number) { put(QJsonValue(number)); }
    void value(const QString &text) { put(QJsonValue(text)); }
    void value(QLatin1String text) { put(QJsonValue(text)); }

    template<typename Name, typename T>
    void member(const Name &name, const T &v)
    {
        key(name);
        value(v);
    }

    QJsonValue take() { return std::move(m_result); }

private:
    struct Level
    {
        bool array;
        QString key;
        QJsonObject object;
        QJsonArray items;
    };
    void open(bool array);
    void close();
    void put(const QJsonValue &v);

    std::vector<Level> m_levels;
    QString m_key;
    QJsonValue m_result;
};

#endif // IOTJSONWRITER_H
