#include "errorlogfiles.h"
#include "fakecabinetcore.h"
#include "scratchroots.h"
#include "tulerrorcontrollert.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickView>
#include <QtTest>

// The Errors Log panel, rendered offscreen against the real error service.
class TestErrorLogPanel : public QObject
{
    Q_OBJECT
    QScopedPointer<ScratchRoots> m_scratch;
    FakeCabinetCore *m_core = nullptr;
    TulErrorControllerT *m_service = nullptr;
    QQuickView *m_view = nullptr;

    // Popups put their content under the overlay: searched from the window's content.
    QQuickItem *item(const char *name) const
    {
        return m_view->contentItem()->findChildren<QQuickItem *>(QLatin1String(name)).value(0);
    }
    int shownCount() const { return item("errorLogList")->property("count").toInt(); }
    void click(QQuickItem *at)
    {
        QVERIFY(at);
        QTest::mouseClick(m_view, Qt::LeftButton, {}, at->mapToScene({at->width() / 2, at->height() / 2}).toPoint());
    }
    QStringList shownTexts() const
    {
        QMap<int, QString> rows; // delegates are visual children only
        std::function<void(QQuickItem *)> collect = [&](QQuickItem *row) {
            for (QQuickItem *child : row->childItems())
                collect(child);
            if (row->objectName() == "errorLogItem" && row->isVisible())
                rows.insert(row->property("number").toInt(), QStringList{row->property("number").toString(),
                            row->property("dateText").toString(), row->property("timeText").toString(),
                            row->property("codesText").toString(), row->property("descText").toString()}.join(' '));
        };
        collect(m_view->contentItem());
        return rows.values();
    }

private slots:
    void init()
    {
        m_scratch.reset(new ScratchRoots);
        QVERIFY(m_scratch->writeRootFile("errorLogs/el240311.txt", "1;2024/03/11 10:00:00;4\t2\t1\t0\n"
                                         "1;2024/03/12 11:30:05;2\t0\t3\t0\n1;2024/03/13 12:00:00;3\t1\t2\t0\n"));
        m_core = new FakeCabinetCore;
        m_service = new TulErrorControllerT(nullptr, m_core);
        QTRY_COMPARE(m_service->get_errorsLogListCount(), 3);
        m_view = new QQuickView;
        m_view->rootContext()->setContextProperty("tulErrorController", m_service);
        m_view->setSource(QUrl("qrc:/errorControl/ErrorLogPanel.qml"));
        QCOMPARE(m_view->status(), QQuickView::Ready);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view));
        QTRY_COMPARE(shownCount(), 3);
    }
    void cleanup()
    {
        delete m_view;
        delete m_core;
        ErrorLogFiles::setFixedNow(QDateTime());
        m_scratch.reset();
    }

    // Newest first, each record once however often the panel is refreshed.
    void listsWhatTheLogHolds()
    {
        QCOMPARE(shownTexts(), QStringList({"1 2024/03/13 12:00:00 3.1.2.0 Zone 2 Disabled. Temperature too high.",
                                            "2 2024/03/12 11:30:05 2.0.3.0 Temperature sensor 3 shorted.",
                                            "3 2024/03/11 10:00:00 4.2.1.0 I/O board 1 communication loss."}));
        QCOMPARE(item("recordCount")->property("text").toString(), QStringLiteral("Number of records: 3"));
        QSharedPointer<QQuickItemGrabResult> grab = m_view->rootObject()->grabToImage();
        QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
        QVERIFY(ready.count() || ready.wait());
        QCOMPARE(grab->image().size(), QSize(800, 480));
        QVERIFY(grab->image().pixel(10, 10) != grab->image().pixel(400, 20)); // the title is drawn

        ErrorLogFiles::setFixedNow(QDateTime(QDate(2024, 3, 14), QTime(9, 0)));
        m_service->errorCodesDataProcess(5, 1, 0, 0);
        QTRY_COMPARE(m_service->get_errorsLogListCount(), 4);
        QCOMPARE(shownCount(), 3); // shown at the next load
        for (int i = 0; i < 2; ++i) {
            QMetaObject::invokeMethod(m_view->rootObject(), "refresh");
            QTRY_COMPARE(shownCount(), 4);
            QTest::qWait(50);
            QCOMPARE(shownCount(), 4);
        }
        QCOMPARE(shownTexts().first(), QStringLiteral("1 2024/03/14 09:00:00 5.1.0.0 NFC board 1 communication loss."));
    }

    void clearAllDeletesAfterConfirmation()
    {
        m_view->rootObject()->setProperty("locked", true); // a locked page cannot clear
        QVERIFY(!item("clearAllButton")->isEnabled());
        m_view->rootObject()->setProperty("locked", false);
        click(item("clearAllButton"));
        QTRY_VERIFY(m_view->rootObject()->findChild<QObject *>("clearAllDialog")->property("opened").toBool());
        click(item("continueButton"));
        QTRY_COMPARE(shownCount(), 0);
        QTRY_VERIFY(ErrorLogFiles::entries().isEmpty());
        QTRY_VERIFY(!item("clearAllButton")->isEnabled());
    }

    void exportButtonFollowsTheFlashDrive()
    {
        QQmlComponent component(m_view->engine(), QUrl("qrc:/errorControl/ExportErrorLogButton.qml"));
        QScopedPointer<QObject> button(component.create(m_view->rootContext()));
        QVERIFY2(button, qPrintable(component.errorString()));
        QCOMPARE(button->property("text").toString(), QStringLiteral("Export Error Log"));
        QVERIFY(!button->property("enabled").toBool());
        button->setProperty("flashDriveMounted", true);
        QVERIFY(button->property("enabled").toBool());
        QSignalSpy exported(m_service, &TulErrorControllerT::errorLogExported);
        QMetaObject::invokeMethod(button.data(), "clicked");
        QVERIFY(exported.wait());
        QVERIFY(exported.at(0).at(0).toBool());
        QCOMPARE(QDir(m_scratch->flash()).entryList({"errorLog_*.txt"}, QDir::Files).size(), 1);
    }
};

QTEST_MAIN(TestErrorLogPanel)
#include "tst_errorlogpanel.moc"
