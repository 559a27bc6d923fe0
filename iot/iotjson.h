#ifndef IOTJSON_H
#define IOTJSON_H

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The text forms shared by every cloud message.
namespace IotJson {

// One message: indented by four spaces, members sorted by key (capitals first), the
// closing brace on its own line and a final newline, UTF-8.
QByteArray write(const QJsonObject &message);

// Whole epoch seconds as decimal text: rounded ((ms + 500) / 1000) and truncated.
QString roundedSeconds(qint64 epochMs);
QString truncatedSeconds(qint64 epochMs);
qint64 roundedSecondsValue(qint64 epochMs);

// A pan uid as lower-case hexadecimal without leading zeros, never signed.
QString panIdText(quint64 uid);
// The same read as a signed 64-bit number, as the mismatch events write it: a uid with
// its top bit set is "-" and the hexadecimal of its two's-complement magnitude.
QString signedPanIdText(quint64 uid);
// The uid a pan id text names: unsigned hexadecimal, 0 for anything else.
quint64 panUid(const QString &text);

// A product or day-part name cut to its first 32 characters.
QString cutName(const QString &name);

} // namespace IotJson

#endif // IOTJSON_H
