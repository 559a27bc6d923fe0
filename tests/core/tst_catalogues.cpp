// The 15 interface catalogues against the sources: every text lupdate extracts from the
// QML and C++ sources is in every catalogue, finished, with the same placeholders and
// markup as its source; nothing the sources no longer hold lingers; the compiled
// catalogues in the resource tree say what the .ts files say; and no translated call
// hides its text from lupdate.
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

using Catalogue = QMap<QPair<QString, QString>, Message>;

Catalogue readTs(const QString &path, QString *error)
{
    Catalogue out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return out;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            m = Message{context, {}, {}, false};
        } else if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            m.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            m.translation = xml.readElementText();
            out.insert({m.context, m.source}, m);
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return out;
}

// The placeholders and tags of a text, in order: a translation must keep all of them.
QStringList markers(const QString &text)
{
    // %1 for arg(), \3 for the error service's number, tags for styled text.
    static const QRegularExpression marker(QStringLiteral("%\\d|\\\\\\d|<[^>]+>"));
    QStringList out;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        out << it.next().captured();
    std::sort(out.begin(), out.end());
    return out;
}

const QStringList sourceFolders = {"foundation", "fieldbus", "core",    "config", "menu", "holding",
                                   "displaylink", "network",  "alarms", "iot",    "eoltest", "qml"};

QString sourceDir()
{
    const QString fromEnv = qEnvironmentVariable("TUL_SOURCE_DIR");
    return fromEnv.isEmpty() ? QStringLiteral(TUL_SOURCE) : fromEnv;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogue_data();
    void catalogue();
    void extractable_data();
    void extractable();

private:
    QSet<QPair<QString, QString>> m_extracted;
};

void TestCatalogues::initTestCase()
{
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString ts = scratch.filePath(QStringLiteral("extracted.ts"));
    QStringList args;
    for (const QString &folder : sourceFolders) {
        const QString path = sourceDir() + QLatin1Char('/') + folder;
        if (QFileInfo::exists(path))
            args << path;
    }
    args << QStringLiteral("-extensions") << QStringLiteral("cpp,h,qml,js") << QStringLiteral("-silent")
         << QStringLiteral("-ts") << ts;
    QProcess lupdate;
    lupdate.start(QStringLiteral(TUL_LUPDATE), args);
    QVERIFY2(lupdate.waitForFinished(60000), "lupdate did not finish");
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
    QString error;
    const Catalogue extracted = readTs(ts, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(extracted.size() > 20);
    for (auto it = extracted.cbegin(); it != extracted.cend(); ++it)
        m_extracted.insert(it.key());
}

void TestCatalogues::catalogue_data()
{
    QTest::addColumn<QString>("code");
    for (const char *code : {"eng_USA", "spa", "fra", "spa_mx", "fra_ca", "deu", "ita", "nld", "pol",
                             "por", "rus", "ara", "kor", "zh_cn", "jpn"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

void TestCatalogues::catalogue()
{
    QFETCH(QString, code);
    QString error;
    const Catalogue cat = readTs(sourceDir() + QStringLiteral("/resources/translations/tultr_") + code
                                     + QStringLiteral(".ts"),
                                 &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList missing, vanished, unfinished, broken, stale;
    for (const auto &key : qAsConst(m_extracted)) {
        if (!cat.contains(key))
            missing << key.first + QStringLiteral(": ") + key.second;
    }
    QTranslator compiled;
    const bool loaded = compiled.load(QStringLiteral(":/tultr_") + code);
    for (const Message &m : cat) {
        const QString where = m.context + QStringLiteral(": ") + m.source;
        if (!m_extracted.contains({m.context, m.source}))
            vanished << where;
        if (m.unfinished || m.translation.isEmpty())
            unfinished << where;
        else if (markers(m.translation) != markers(m.source))
            broken << where + QStringLiteral(" -> ") + m.translation;
        if (loaded && compiled.translate(m.context.toUtf8(), m.source.toUtf8()) != m.translation)
            stale << where;
    }
    QVERIFY2(loaded, "the compiled catalogue is not in the resource tree");
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in the catalogue:\n") + missing.join('\n')));
    QVERIFY2(vanished.isEmpty(), qPrintable(QStringLiteral("no longer in the sources:\n") + vanished.join('\n')));
    QVERIFY2(unfinished.isEmpty(), qPrintable(QStringLiteral("unfinished:\n") + unfinished.join('\n')));
    QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("placeholders or markup differ:\n") + broken.join('\n')));
    QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("compiled catalogue differs:\n") + stale.join('\n')));
}

// qsTr(variable) and tr(variable) are invisible to lupdate. A text kept in a list is
// marked where it is written (QT_TR_NOOP and friends); only a file that marks its texts
// may translate a variable.
void TestCatalogues::extractable_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &folder : sourceFolders) {
        QDirIterator it(sourceDir() + QLatin1Char('/') + folder,
                        {QStringLiteral("*.qml"), QStringLiteral("*.js"), QStringLiteral("*.cpp"),
                         QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QTest::newRow(qPrintable(path.mid(sourceDir().size() + 1))) << path;
        }
    }
}

void TestCatalogues::extractable()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    // A call whose first argument is not a string literal.
    static const QRegularExpression dynamicCall(
        QStringLiteral("\\b(qsTr|tr|qsTranslate|QCoreApplication::translate)\\s*\\(\\s*(?![\"\\s)]|QStringLiteral)"));
    static const QRegularExpression marks(QStringLiteral("\\bQT_TR(ANSLATE)?_NOOP\\d?\\s*\\("));
    if (text.contains(marks))
        return;
    QStringList calls;
    for (auto it = dynamicCall.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        // qsTranslate's first argument is the context: look at its second.
        if (m.captured(1) == QLatin1String("qsTranslate") || m.captured(1).contains(QLatin1String("::")))
            continue;
        calls << QStringLiteral("line %1").arg(text.leftRef(m.capturedStart()).count(QLatin1Char('\n')) + 1);
    }
    QVERIFY2(calls.isEmpty(), qPrintable(QStringLiteral("untranslatable call at ") + calls.join(", ")));
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
