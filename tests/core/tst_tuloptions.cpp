#include "tuloptions.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const char *const ProductFolders[] = {"foundation", "fieldbus", "core",   "config", "menu",   "holding",
                                      "displaylink", "network", "alarms", "iot",    "eoltest"};

// The environment variables the program's own code reads: the names given to Qt's
// environment calls, and every "TUL_..." text (the helpers that read one take its name).
QSet<QString> variablesReadByTheCode()
{
    static const QRegularExpression direct(
        QStringLiteral(R"(q(?:getenv|EnvironmentVariable(?:IsSet|IsEmpty|IntValue)?)\(\s*"([A-Z][A-Z0-9_]*)\")"));
    static const QRegularExpression named(QStringLiteral(R"("(TUL_[A-Z0-9_]+)\")"));
    QSet<QString> names;
    for (const char *folder : ProductFolders) {
        QDirIterator it(QStringLiteral(TUL_SOURCE "/") + QLatin1String(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(file.readAll());
            for (const QRegularExpression *re : {&direct, &named})
                for (auto m = re->globalMatch(text); m.hasNext();)
                    names << m.next().captured(1);
        }
    }
    return names;
}

QSet<QString> variablesInTheUsage()
{
    static const QRegularExpression name(QStringLiteral(R"(\b((?:TUL|QT|QV4)_[A-Z0-9_]+)\b)"));
    const QString usage = QString::fromUtf8(TulOptions::usage());
    QSet<QString> names;
    for (auto m = name.globalMatch(usage.mid(usage.indexOf(QLatin1String("Environment:")))); m.hasNext();)
        names << m.next().captured(1);
    return names;
}

} // namespace

class TestTulOptions : public QObject
{
    Q_OBJECT

private slots:
    // Both directions, one row per variable: what the code reads is in the help, and what
    // the help names is read by the code (or by the one reader it names).
    void helpListsTheEnvironment_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<bool>("readByTheCode");
        const QSet<QString> read = variablesReadByTheCode();
        QVERIFY(read.contains(QStringLiteral("TUL_ROOT_DIR"))); // the scan found the sources
        for (const QString &name : read)
            QTest::newRow(qPrintable(QStringLiteral("read: ") + name)) << name << true;
        for (const QString &name : variablesInTheUsage())
            QTest::newRow(qPrintable(QStringLiteral("listed: ") + name)) << name << read.contains(name);
    }

    void helpListsTheEnvironment()
    {
        QFETCH(QString, variable);
        QFETCH(bool, readByTheCode);
        // Read by others: the stand-ins record their calls, Qt applies the rules.
        static const QSet<QString> readElsewhere{QStringLiteral("TUL_TOOLS_LOG"), QStringLiteral("QT_LOGGING_RULES")};
        QVERIFY2(variablesInTheUsage().contains(variable), qPrintable(variable + QStringLiteral(" missing from tul --help")));
        QVERIFY2(readByTheCode || readElsewhere.contains(variable),
                 qPrintable(variable + QStringLiteral(" is in tul --help but nothing reads it")));
    }
};

QTEST_GUILESS_MAIN(TestTulOptions)
#include "tst_tuloptions.moc"
