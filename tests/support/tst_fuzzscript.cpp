// tools/fuzz.sh: a fuzzing run works on a copy of the corpus, so what it adds and its
// crash files never land in the checked-in corpus or the folder it was started from.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestFuzzScript : public QObject
{
    Q_OBJECT

private slots:
    void runsOnACopy_data();
    void runsOnACopy();

private:
    static QString script() { return qEnvironmentVariable("TUL_SOURCE_DIR") + QStringLiteral("/tools/fuzz.sh"); }
};

// Stands in for a libFuzzer program: adds an input to the corpus it is given, or
// writes a crash file where -artifact_prefix says, as FUZZ_MODE asks.
static const char StandIn[] = R"(#!/bin/sh
for a; do
    case $a in -artifact_prefix=*) prefix=${a#-artifact_prefix=} ;; -*) ;; *) corpus=$a ;; esac
done
case $FUZZ_MODE in
    new) echo found > "$corpus/new-input" ;;
    crash) echo boom > "${prefix}crash-1"; exit 1 ;;
esac
exit 0
)";

static QStringList tree(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(folder.size());
    files.sort();
    return files;
}

void TestFuzzScript::runsOnACopy_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("kept");  // what the kept scratch folder holds; empty: none kept
    QTest::newRow("new input") << "new" << 0 << "/corpus/new-input";
    QTest::newRow("nothing new") << "none" << 0 << "";
    QTest::newRow("crash") << "crash" << 1 << "/artifacts/crash-1";
}

void TestFuzzScript::runsOnACopy()
{
    QFETCH(QString, mode);
    QFETCH(int, exitCode);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString corpus = dir.filePath(QStringLiteral("corpus"));
    const QString cwd = dir.filePath(QStringLiteral("cwd"));
    const QString fuzzer = dir.filePath(QStringLiteral("fuzz_standin"));
    QVERIFY(QDir().mkpath(corpus) && QDir().mkpath(cwd));
    for (const QString &name : {QStringLiteral("seed-a"), QStringLiteral("seed-b")}) {
        QFile seed(corpus + QLatin1Char('/') + name);
        QVERIFY(seed.open(QIODevice::WriteOnly) && seed.write(name.toLatin1()) > 0);
    }
    QFile standIn(fuzzer);
    QVERIFY(standIn.open(QIODevice::WriteOnly) && standIn.write(StandIn) > 0);
    standIn.close();
    QVERIFY(standIn.setPermissions(standIn.permissions() | QFileDevice::ExeOwner));
    const QString scratchParent = dir.filePath(QStringLiteral("tmp"));
    QVERIFY(QDir().mkpath(scratchParent));

    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FUZZ_MODE"), mode);
    env.insert(QStringLiteral("TMPDIR"), scratchParent);
    run.setProcessEnvironment(env);
    run.setWorkingDirectory(cwd);
    run.start(QStringLiteral("sh"), {script(), fuzzer, corpus, QStringLiteral("-max_total_time=1")});
    QVERIFY(run.waitForFinished(30000));
    const QString out = QString::fromLocal8Bit(run.readAllStandardOutput() + run.readAllStandardError());
    QCOMPARE(run.exitCode(), exitCode);

    QCOMPARE(tree(corpus), QStringList({QStringLiteral("/seed-a"), QStringLiteral("/seed-b")}));
    QCOMPARE(tree(cwd), QStringList());
    const QStringList scratch = QDir(scratchParent).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (kept.isEmpty()) {
        QCOMPARE(scratch, QStringList());
        return;
    }
    QCOMPARE(scratch.size(), 1);
    const QString keptFolder = scratchParent + QLatin1Char('/') + scratch.first();
    QVERIFY2(out.contains(keptFolder), qPrintable(out));
    QVERIFY2(tree(keptFolder).contains(kept), qPrintable(tree(keptFolder).join(QLatin1Char(' '))));
}

QTEST_GUILESS_MAIN(TestFuzzScript)
#include "tst_fuzzscript.moc"
