#include "fakecabinetcore.h"
#include "translator.h"

#include <QSignalSpy>
#include <QtTest>

class TestTranslator : public QObject
{
    Q_OBJECT

private slots:
    void lookups();
};

void TestTranslator::lookups()
{
    Translator t;
    QCOMPARE(t.getLanguage(), -1);
    QCOMPARE(t.getLanguageIdString(13), QStringLiteral("zh_cn"));
    QCOMPARE(t.getLanguageId(QStringLiteral("nld")), 7);
    QCOMPARE(t.getLanguageId(QStringLiteral("xx")), 0);
    QCOMPARE(t.getLanguageFile(0), QStringLiteral(":/tultr_eng_USA"));
    QCOMPARE(t.getLanguageName(15), QString());
}

QTEST_GUILESS_MAIN(TestTranslator)
#include "tst_translator.moc"
