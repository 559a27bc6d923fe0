#ifndef IOTTABLES_H
#define IOTTABLES_H

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// Writes each member as the property of that name; false when one is not taken.
inline bool setProperties(QObject *object, const QJsonObject &values)
{
    bool ok = true;
    for (auto it = values.begin(); it != values.end(); ++it)
        ok = object->setProperty(it.key().toLatin1(), it.value().toVariant()) && ok;
    return ok;
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Creates the folders on the way; false on failure.
inline bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

// The tables of a test program live in tests/data/iot/<program>.json: for each test function
// an array of rows, each an object named by its "row" member.
inline QJsonObject iotTables()
{
    static const QJsonObject tables = [] {
        return QJsonDocument::fromJson(readFile(qEnvironmentVariable("TUL_SOURCE_DIR") + QStringLiteral("/tests/data/iot/")
            + QFileInfo(QCoreApplication::applicationFilePath()).baseName() + QStringLiteral(".json"))).object();
    }();
    return tables;
}

inline void iotRows(QString function)
{
    function.chop(5); // "_data"
    QTest::addColumn<QJsonObject>("row");
    const QJsonArray rows = iotTables().value(function).toArray();
    QVERIFY2(!rows.isEmpty(), qPrintable(QStringLiteral("no table for ") + function));
    for (const QJsonValue &r : rows)
        QTest::newRow(qPrintable(r[QLatin1String("row")].toString())) << r.toObject();
}
// In a _data function: one column "row" holding each row of the function's table.
#define IOT_ROWS() iotRows(QString::fromLatin1(__func__))
// Among the private slots: a test function and its table.
#define IOT_TABLE_TEST(name) void name##_data() { IOT_ROWS(); } void name();

inline QByteArray compact(const QJsonObject &o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); }
namespace QTest {
template<> inline char *toString(const QJsonObject &o) { return qstrdup(compact(o).constData()); }
}
inline QJsonObject objectOf(const QByteArray &text) { return QJsonDocument::fromJson(text).object(); }

#endif // IOTTABLES_H
