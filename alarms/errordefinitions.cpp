#include "errordefinitions.h"

#include "errorrecord.h"

#include <QCoreApplication>

namespace {

constexpr int kAny = -1;

struct Row
{
    int mainCode, subCode1, subCode2, subCode3;
    const char *text;
};

// The backslash-digit pairs below are placeholders, not escapes: "\\3" is the two
// characters '\' and '3'.
const Row kRows[] = {
    {1, 0, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Master I/O communication loss.")},
    {1, 1, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Master I/O sys config timeout.")},
    {1, 2, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Master I/O sys config error.")},
    {2, 0, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Temperature sensor \\3 shorted.")},
    {2, 1, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Temperature sensor \\3 open.")},
    {2, 2, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Heater \\3 low temp error.")},
    {2, 3, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Heater \\3 high temp error.")},
    {2, 4, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Temperature sensor \\3 reference error.")},
    {2, 5, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Cold junction \\3 error.")},
    {2, 6, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "System over temperature error.")},
    {2, 7, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Heater \\3 over temperature error.")},
    {3, 0, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Zone \\3 Disabled. Temperature too low.")},
    {3, 1, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Zone \\3 Disabled. Temperature too high.")},
    {4, 0, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Secondary UI communication loss.")},
    {4, 1, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Primary UI communication loss.")},
    {4, 2, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "I/O board \\3 communication loss.")},
    {5, kAny, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "NFC board \\2 communication loss.")},
    {6, 0, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Connection refused error. \\3")},
    {6, 1, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Remote host closed error. \\3")},
    {6, 2, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Host not found error. \\3")},
    {6, 3, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Socket access error. \\3")},
    {6, 4, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Socket resource error. \\3")},
    {6, 5, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Socket timeout error.")},
    {6, 6, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Datagram too large error. \\3")},
    {6, 7, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Network error. \\3")},
    {6, 8, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Address in use error. \\3")},
    {6, 9, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Socket address not available error. \\3")},
    {6, 10, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Unsupported socket operation error. \\3")},
    {6, 12, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Proxy authentication required error. \\3")},
    {6, 13, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Ssl handshake failed error. \\3")},
    {6, 11, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Unfinished socket operation error. \\3")},
    {6, 14, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Proxy connection refused error. \\3")},
    {6, 15, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Proxy connection closed error. \\3")},
    {6, 16, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Proxy connection timeout error. \\3")},
    {6, 17, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Proxy not found error. \\3")},
    {6, 18, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Proxy protocol error. \\3")},
    {6, 19, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Operation error. \\3")},
    {6, 20, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Ssl internal error. \\3")},
    {6, 21, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Ssl invalid user data error. \\3")},
    {6, 22, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Temporary error. \\3")},
    {8, 0, kAny, kAny, QT_TRANSLATE_NOOP("TulErrorController", "LUMO SDK Error.")},
    {8, 1, 0, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Event handler is not set.")},
    {8, 1, 1, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Domain name is not set.")},
    {8, 1, 2, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Root CA file is  null.")},
    {8, 1, 3, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Manufacturer name is missing.")},
    {8, 1, 4, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Model number is missing.")},
    {8, 1, 5, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Serial number is missing.")},
    {8, 1, 6, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Device descriptor is missing.")},
    {8, 1, 7, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Location number is missing.")},
    {8, 1, 8, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Serial number is not alpha-numeric.")},
    {8, 1, 9, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Device descriptor format is incorrect.")},
    {8, 1, 10, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Device software Id is missing.")},
    {8, 2, 0, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Failed to initialize LuMo.")},
    {8, 2, 1, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Failed to publish due to unauthorized topic.")},
    {8, 2, 2, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Failed to subscribe due to unauthorized topic.")},
    {8, 2, 3, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Client ID and client secret key is expired or revoked.")},
    {8, 2, 4, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Refresh token is expired or revoked.")},
    {8, 2, 5, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Unexpected unclassified error.")},
    {8, 3, 0, kAny, QT_TRANSLATE_NOOP("TulErrorController", "General underlying TCP/IP error.")},
    {8, 3, 1, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Error connecting to TCP/IP socket.")},
    {8, 3, 2, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Error reading from TCP/IP socket.")},
    {8, 3, 3, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Error writing to TCP/IP socket.")},
    {8, 3, 4, kAny, QT_TRANSLATE_NOOP("TulErrorController", "General underlying HTTP error.")},
    {8, 3, 5, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Error on HTTP GET.")},
    {8, 3, 6, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Error on HTTP POST.")},
    {8, 3, 7, kAny, QT_TRANSLATE_NOOP("TulErrorController", "MQTT connect failed due to SSL hostname error.")},
    {8, 3, 8, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Checksum of the downloaded file does not match with the specified checksum.")},
    {8, 3, 9, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Signature of the checksum cannot be validated.")},
    {8, 3, 10, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Error is returned when the kid does not reference.")},
    {8, 4, 0, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Publish or subscribe failed due ping request failure.")},
    {8, 4, 1, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Device init return failed.")},
    {8, 4, 2, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Trying to connect to MQTT when there is already a connection.")},
    {8, 4, 3, kAny, QT_TRANSLATE_NOOP("TulErrorController", "MQTT publish/subscribe failed due to disconnection or failure to connect.")},
    {8, 4, 4, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Unknown underlying MQTT error.")},
    {8, 4, 5, kAny, QT_TRANSLATE_NOOP("TulErrorController", "Unknown error.")},
};

static_assert(sizeof(kRows) / sizeof(kRows[0]) == ErrorDefinitions::RowCount,
              "the definitions table has 75 rows");

bool matches(const ErrorRecord &row, int mainCode, int subCode1, int subCode2, int subCode3)
{
    if (row.get_mainCode() != mainCode)
        return false;
    if (row.get_subCode1() < 0)
        return true;
    if (row.get_subCode1() != subCode1)
        return false;
    if (row.get_subCode2() < 0)
        return true;
    if (row.get_subCode2() != subCode2)
        return false;
    return row.get_subCode3() < 0 || row.get_subCode3() == subCode3;
}

} // namespace

void ErrorDefinitions::build(QList<ErrorRecord *> &table, QObject *parent)
{
    qDeleteAll(table);
    table.clear();
    table.reserve(RowCount);
    for (const Row &row : kRows) {
        table.append(new ErrorRecord(row.mainCode, row.subCode1, row.subCode2, row.subCode3,
                                     QCoreApplication::translate("TulErrorController", row.text),
                                     parent));
    }
}

QString ErrorDefinitions::describe(const QList<ErrorRecord *> &table, int mainCode, int subCode1,
                                   int subCode2, int subCode3)
{
    QString text = QStringLiteral("Undefined");
    for (const ErrorRecord *row : table) {
        if (matches(*row, mainCode, subCode1, subCode2, subCode3)) {
            text = row->get_description();
            break;
        }
    }
    text.replace(QLatin1String("\\1"), QString::number(mainCode));
    text.replace(QLatin1String("\\2"), QString::number(subCode1));
    text.replace(QLatin1String("\\3"), QString::number(subCode2));
    text.replace(QLatin1String("\\4"), QString::number(subCode3));
    return text;
}
