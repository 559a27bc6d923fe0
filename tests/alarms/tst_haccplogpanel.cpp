// The Holding Log page, rendered offscreen against the real HACCP controller and worker.
#include "fakecabinetcore.h"
#include "filelogworker.h"
#include "haccpcontroller.h"
#include "haccpfixtures.h"
#include "scratchroots.h"

#include <QQmlContext>
#include <QQmlPropertyMap>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest>

#include <functional>

using namespace HaccpFixtures;

class TestHaccpLogPanel : public QObject
{
    Q_OBJECT

private:
    struct Page
    {
        ScratchRoots roots;
        FakeCabinetCore core;
        QQmlPropertyMap cabinet;
        HaccpController *controller = nullptr;
        QQuickView view;

        QQuickItem *item(const char *name) const
        {
            return view.rootObject()->findChild<QQuickItem *>(QLatin1String(name));
        }
        int shownRows() const
        {
            return view.rootObject()->findChild<QObject *>("haccpRows")->property("count").toInt();
        }
    };

    void open(Page &page, const QByteArray &log)
    {
        QVERIFY(page.roots.writeRootFile("haccpLogs/haccpLog.json", log));
        page.core.haccpEnabled = true;
        page.controller = new HaccpController(&page.core);
        page.cabinet.insert("traysPerZone", 2);
        page.cabinet.insert("zonesPerRow", 2);
        page.cabinet.insert("numberOfRows", 4);
        page.cabinet.insert("startingShelfNumber", 5);
        page.cabinet.insert("shelfNumberingOrder", 0);
        page.cabinet.insert("haccpEnabled", true);
        page.view.rootContext()->setContextProperty("haccpController", page.controller);
        page.view.rootContext()->setContextProperty("cabinetManager", &page.cabinet);
        page.view.setSource(QUrl("qrc:/haccpLog/HaccpLogPanel.qml"));
        QCOMPARE(page.view.status(), QQuickView::Ready);
        page.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page.view));
    }

private slots:
    void loadsTheLog_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("firstRows");
        QTest::addColumn<int>("allRows");
        QTest::newRow("600 records") << bigLog(600) << 250 << 600;
        QTest::newRow("empty log") << log("") << 0 << 0;
        QTest::newRow("exactly one page") << bigLog(250) << 250 << 250;
    }
    void loadsTheLog()
    {
        QFETCH(QByteArray, log);
        QFETCH(int, firstRows);
        QFETCH(int, allRows);
        Page page;
        open(page, log);
        QMetaObject::invokeMethod(page.view.rootObject(), "autoRetrieve");
        QQuickItem *busy = page.item("busyOverlay");
        QTRY_VERIFY(!busy->isVisible());
        QCOMPARE(page.shownRows(), firstRows);
        QCOMPARE(page.item("recordCount")->property("text").toString(),
                 QStringLiteral("Number of records: %1").arg(firstRows));

        QQuickItem *showAll = page.item("showAllButton");
        // Not before the end of the list, once the list has laid out its rows.
        QTRY_VERIFY(!showAll->isVisible());
        QMetaObject::invokeMethod(page.item("haccpLogList"), "positionViewAtEnd");
        QTRY_COMPARE(showAll->isVisible(), allRows > firstRows);
        if (!showAll->isVisible())
            return;
        QMetaObject::invokeMethod(showAll, "clicked");
        QVERIFY(page.view.rootObject()->property("modified").toBool());
        QTRY_COMPARE(page.shownRows(), allRows);
        QTRY_VERIFY(!busy->isVisible());
        QVERIFY(!showAll->isVisible());
        // Refresh goes back to the first page and clears the mark.
        QMetaObject::invokeMethod(page.item("refreshButton"), "clicked");
        QTRY_COMPARE(page.shownRows(), firstRows);
        QVERIFY(!page.view.rootObject()->property("modified").toBool());
    }

    // A log that is not shown is named with the reason: too large to read, or not a log.
    void unreadLogNamed_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QString>("note"); // empty: no note
        QTest::newRow("a log of ours") << bigLog(3) << "";
        QTest::newRow("small, not a log") << QByteArray("[1,2,3]") << "Cannot be read: %1";
        QTest::newRow("torn") << bigLog(3).chopped(2) << "Cannot be read: %1";
        QTest::newRow("past what is parsed")
            << QByteArray(FileLogWorker::MaxForeignBytes + 1, 'x') << "Too large to show: %1";
    }
    void unreadLogNamed()
    {
        QFETCH(QByteArray, log);
        QFETCH(QString, note);
        Page page;
        open(page, log);
        QMetaObject::invokeMethod(page.view.rootObject(), "autoRetrieve");
        QTRY_VERIFY(!page.item("busyOverlay")->isVisible());
        QQuickItem *shown = page.item("unreadLogNote");
        QTRY_COMPARE(shown->isVisible(), !note.isEmpty());
        if (!note.isEmpty())
            QCOMPARE(shown->property("text").toString(), note.arg(FileLogWorker::logPath()));
    }

    void shelfNumbers_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("bin");
        QTest::addColumn<QString>("shelf");
        // 2 trays x 2 zones per row, 4 rows: the first shelf number plus the row and 1, or
        // reversed, plus the number of rows less the row.
        QTest::newRow("first row") << 5 << 0 << 3 << "6";
        QTest::newRow("second row") << 5 << 0 << 4 << "7";
        QTest::newRow("second row, last bin") << 5 << 0 << 7 << "7";
        QTest::newRow("last row") << 5 << 0 << 15 << "9";
        QTest::newRow("reversed, first row") << 5 << 1 << 0 << "9";
        QTest::newRow("reversed, second row") << 5 << 1 << 6 << "8";
        QTest::newRow("reversed, last row") << 5 << 1 << 12 << "6";
        QTest::newRow("from 1: bin 2") << 1 << 0 << 2 << "2";
        QTest::newRow("from 1: bin 7") << 1 << 0 << 7 << "3";
        QTest::newRow("from 1, reversed: bin 0") << 1 << 1 << 0 << "5";
        QTest::newRow("negative bin") << 5 << 0 << -1 << "";
    }
    void shelfNumbers()
    {
        QFETCH(int, first);
        QFETCH(int, order);
        QFETCH(int, bin);
        QFETCH(QString, shelf);
        Page page;
        open(page, log(""));
        page.cabinet.insert("startingShelfNumber", first);
        page.cabinet.insert("shelfNumberingOrder", order);
        QVariant shown;
        QMetaObject::invokeMethod(page.view.rootObject(), "shelfOf", Q_RETURN_ARG(QVariant, shown),
                                  Q_ARG(QVariant, bin));
        QCOMPARE(shown.toString(), shelf);
    }

    // Each record row: 12-pixel text, columns of a fifth, a sixth and three fifths.
    void rowColumns_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("share");
        QTest::newRow("product name") << 0 << 5;
        QTest::newRow("shelf number") << 1 << 6;
        QTest::newRow("date and time") << 2 << 5;
        QTest::newRow("discarded") << 3 << 5;
        QTest::newRow("duration") << 4 << 5;
    }
    void rowColumns()
    {
        QFETCH(int, column);
        QFETCH(int, share);
        Page page;
        open(page, bigLog(3));
        QMetaObject::invokeMethod(page.view.rootObject(), "autoRetrieve");
        QTRY_COMPARE(page.shownRows(), 3);
        // A record row, not the headings, which share its item; the list makes its rows
        // when it is polished, after the model has them.
        QQuickItem *row = nullptr;
        const auto findRow = [&] {
            const auto rowItems = page.item("haccpLogList")->property("contentItem").value<QQuickItem *>()->childItems();
            auto it = std::find_if(rowItems.begin(), rowItems.end(),
                                   [](QQuickItem *at) { return at->objectName() == QLatin1String("haccpLogItem"); });
            row = it != rowItems.end() ? *it : nullptr;
            return row != nullptr;
        };
        QTRY_VERIFY(findRow());
        QList<QQuickItem *> texts;
        std::function<void(QQuickItem *)> collect = [&](QQuickItem *at) {
            if (at->inherits("QQuickText"))
                texts << at;
            for (QQuickItem *child : at->childItems())
                collect(child);
        };
        collect(row);
        QCOMPARE(texts.size(), 5);
        // The row places its texts when it is polished: until then they all stand at 0.
        QTRY_VERIFY(std::all_of(texts.begin() + 1, texts.end(), [](QQuickItem *at) { return at->x() > 0; }));
        std::sort(texts.begin(), texts.end(), [](QQuickItem *a, QQuickItem *b) { return a->x() < b->x(); });
        QQuickItem *text = texts.at(column);
        QCOMPARE(text->property("font").value<QFont>().pixelSize(), 12);
        QCOMPARE(text->width(), row->width() / share);
        QCOMPARE(text->property("horizontalAlignment").toInt(), int(Qt::AlignLeft));
    }
};

QTEST_MAIN(TestHaccpLogPanel)
#include "tst_haccplogpanel.moc"
