#include "logprefix.h"

#include <QLoggingCategory>
#include <QtTest>

namespace {

Q_LOGGING_CATEGORY(lcTest, "tul.test")

QStringList g_lines;

// Stands where the terminal is: what it would print, pattern applied.
void capture(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    g_lines << qFormatLogMessage(type, context, text);
}

} // namespace

class TestLogPrefix : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qInstallMessageHandler(capture); }

    void init()
    {
        qSetMessagePattern(QStringLiteral("%{if-category}%{category}: %{endif}%{message}"));
        g_lines.clear();
    }

    void linesWaitForTheRole_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("outBeforeRole"); // what could not wait
        QTest::newRow("second display") << QStringLiteral("[second] ") << 3 << 0;
        QTest::newRow("one display") << QString() << 2 << 0;
        QTest::newRow("more than can wait") << QStringLiteral("[primary] ") << LogPrefix::MaxHeldLines + 3
                                            << LogPrefix::MaxHeldLines + 3;
    }

    void linesWaitForTheRole()
    {
        QFETCH(QString, prefix);
        QFETCH(int, lines);
        QFETCH(int, outBeforeRole);
        LogPrefix::hold();
        for (int i = 0; i < lines; ++i) {
            if (i % 2)
                qCWarning(lcTest, "line %d", i);
            else
                qDebug("line %d", i);
        }
        QCOMPARE(g_lines.size(), outBeforeRole);
        LogPrefix::release(prefix);
        qCInfo(lcTest, "after");
        QCOMPARE(g_lines.size(), lines + 1);
        for (int i = 0; i < lines; ++i) {
            const QString category = i % 2 ? QStringLiteral("tul.test: ") : QString();
            // Lines let out before the role was known carry none.
            const QString expectedPrefix = i < outBeforeRole ? QString() : prefix;
            QCOMPARE(g_lines.at(i), expectedPrefix + category + QStringLiteral("line %1").arg(i));
        }
        QCOMPARE(g_lines.last(), prefix + QStringLiteral("tul.test: after"));
    }
};

QTEST_GUILESS_MAIN(TestLogPrefix)
#include "tst_logprefix.moc"
