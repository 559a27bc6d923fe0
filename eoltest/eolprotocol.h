#ifndef EOLPROTOCOL_H
#define EOLPROTOCOL_H

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The wire forms of the end-of-line test: requests cut from the station's byte stream,
// replies in their indented form, the announcement datagram, and the checks on what a
// station may write into the cabinet.
class EolProtocol
{
public:
    static constexpr quint16 TcpPort = 10000;
    static constexpr quint16 UdpPort = 10003;
    // A station's unfinished request never holds more than this; beyond it the station
    // is answered "fail" and dropped.
    static constexpr int MaxRequestBytes = 64 * 1024;

    struct Request {
        // The whole buffer is one JSON object (white space around it allowed); a partial
        // text, an array, bytes after the object or anything unparsable is not.
        bool complete = false;
        // The text names a key twice: refused at once, never waited on (the parser would
        // leak the earlier value).
        bool refused = false;
        QJsonObject object;
        // A member's value when it is a JSON string, else empty text.
        QString text(const char *key) const;
    };
    static Request parse(const QByteArray &buffer);

    // Indented JSON: four spaces per member, keys in ascending order, a line feed after
    // the closing brace.
    static QByteArray replyBytes(const QJsonObject &reply);
    static QJsonObject reply(const QString &event, const QString &response);

    // Four address octets (only when the address has exactly four dot-separated parts;
    // a part that is no number counts as 0), rows, trays per row; each its low 8 bits.
    static QByteArray announcement(const QString &address, int rows, int traysPerRow);
    static int traysPerRow(int zonesPerRow, int traysPerZone, bool singleColumnUnit);

    // Serial and model numbers end up in a "key=value" file: "=", line breaks and NUL are
    // refused. File names made from them replace what a name cannot hold.
    static bool acceptableNumber(const QString &value);

    // Decimal text to int (no sign is needed, one is allowed); false when it is not one.
    static bool decimal(const QString &text, int *value);

    // The socket error's enumerator name ("UnknownSocketError" outside 0..22).
    static QString socketErrorName(int code);
};

#endif // EOLPROTOCOL_H
