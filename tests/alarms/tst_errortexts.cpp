#include "errordefinitions.h"
#include "errorrecord.h"
#include "errortextrecord.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

// The definitions table and the look-up of error texts.
class TestErrorTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void lookUp_data();
    void lookUp();
    void placeholdersAreBackslashDigitInTheTable();
    void recordsBeforeAnyLookUp();
    void textRecordTextsAndAssignment();
    void rebuildAfterALanguageChange();

private:
    QList<ErrorRecord *> m_table;
};

void TestErrorTexts::initTestCase()
{
    ErrorDefinitions::build(m_table);
    QCOMPARE(m_table.size(), 75);
}

void TestErrorTexts::cleanupTestCase()
{
    qDeleteAll(m_table);
}

void TestErrorTexts::lookUp_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("text");
    auto row = [](const char *name, QList<int> codes, const char *text) {
        QTest::newRow(name) << codes << QString::fromUtf8(text);
    };
    row("sensor shorted", {2, 0, 3, 0}, "Temperature sensor 3 shorted.");
    row("zone too high", {3, 1, 2, 0}, "Zone 2 Disabled. Temperature too high.");
    row("io board", {4, 2, 1, 0}, "I/O board 1 communication loss.");
    row("nfc board any sub1", {5, 2, 0, 0}, "NFC board 2 communication loss.");
    row("network error ends in 0", {6, 7, 0, 0}, "Network error. 0");
    row("socket timeout no value", {6, 5, 0, 0}, "Socket timeout error.");
    row("row order 6.11 after 6.13", {6, 11, 4, 0}, "Unfinished socket operation error. 4");
    row("negative sub code", {6, -1, 0, 0}, "Undefined");
    row("sdk wildcard", {8, 0, 17, 0}, "LUMO SDK Error.");
    row("sdk index missing", {8, 1, 11, 0}, "Undefined");
    row("sdk group missing", {8, 5, 0, 0}, "Undefined");
    row("two spaces kept", {8, 1, 2, 0}, "Root CA file is  null.");
    row("no main code 7", {7, 0, 0, 0}, "Undefined");
    row("unknown main code", {99, 1, 0, 0}, "Undefined");
    row("negative sensor index", {2, 0, -4, 0}, "Temperature sensor -4 shorted.");
    row("first of the table", {1, 0, 9, 9}, "Master I/O communication loss.");
}

void TestErrorTexts::lookUp()
{
    QFETCH(QList<int>, codes);
    QFETCH(QString, text);
    QCOMPARE(ErrorDefinitions::describe(m_table, codes[0], codes[1], codes[2], codes[3]), text);
}

void TestErrorTexts::placeholdersAreBackslashDigitInTheTable()
{
    const QString raw = m_table.at(3)->get_description();
    QCOMPARE(raw, QStringLiteral("Temperature sensor \\3 shorted."));
    QCOMPARE(raw.at(19), QLatin1Char('\\'));
    QVERIFY(!raw.contains(QChar(3)));
    QCOMPARE(m_table.at(16)->get_subCode1(), -1);
    QCOMPARE(m_table.at(16)->get_description(), QStringLiteral("NFC board \\2 communication loss."));
}

void TestErrorTexts::recordsBeforeAnyLookUp()
{
    ErrorRecord record;
    QCOMPARE(record.get_description(), QStringLiteral("undefined"));
    QCOMPARE(record.get_mainCode(), -1);
    QCOMPARE(record.get_subCode3(), -1);
    QVERIFY(record.get_timestamp().isNull());
    QSignalSpy changed(&record, &ErrorRecord::mainCodeChanged);
    record.set_mainCode(-1); // setters always emit
    QCOMPARE(changed.count(), 1);
}

void TestErrorTexts::textRecordTextsAndAssignment()
{
    ErrorRecord source(2, 0, 3, 0, QStringLiteral("x"));
    source.set_timestamp(QDateTime(QDate(2024, 3, 15), QTime(8, 1, 2)));
    QObject parent;
    ErrorTextRecord record(&parent);
    QVERIFY(record.get_dateText().isEmpty());
    static_cast<ErrorRecord &>(record) = source;
    record.fillTexts();
    QCOMPARE(record.parent(), &parent);
    QCOMPARE(record.get_description(), QStringLiteral("x"));
    QCOMPARE(record.get_dateText(), QStringLiteral("2024/03/15"));
    QCOMPARE(record.get_timeText(), QStringLiteral("08:01:02"));
    QCOMPARE(record.get_codesText(), QStringLiteral("2.0.3.0"));
}

namespace {
class UpperCaseTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return qstrcmp(context, "TulErrorController") == 0 ? QString::fromUtf8(sourceText).toUpper() : QString();
    }
    bool isEmpty() const override { return false; }
};
}

void TestErrorTexts::rebuildAfterALanguageChange()
{
    UpperCaseTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(ErrorDefinitions::describe(m_table, 2, 0, 3, 0), QStringLiteral("Temperature sensor 3 shorted."));
    ErrorDefinitions::build(m_table);
    QCOMPARE(ErrorDefinitions::describe(m_table, 2, 0, 3, 0), QStringLiteral("TEMPERATURE SENSOR 3 SHORTED."));
    QCoreApplication::removeTranslator(&translator);
    ErrorDefinitions::build(m_table);
    QCOMPARE(m_table.size(), 75);
}

QTEST_GUILESS_MAIN(TestErrorTexts)
#include "tst_errortexts.moc"
