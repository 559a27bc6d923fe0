#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "languagemodel.h"
#include "roleitemmodel.h"
#include "scratchroots.h"
#include "translator.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickItemGrabResult>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The settings pages as the user meets them: rendered offscreen, operated by taps, and
// saving through the settings store.
class TestSettingsPages : public QObject
{
    Q_OBJECT

private slots:
    void preferencesRenderAndSave();
    void preferencesRefuseAnInvalidCleaningTime();
    void preferencesOnAnotherDisplaySendARequest();
    void languagePageRenderAndAccept();
    void languagePageRowsFollowTheCustomer();
    void dockButtonSwitchesAfterTheLastTap();

private:
    struct Screen
    {
        ScratchRoots scratch;
        FakeCabinetCore core;
        Translator *translator = nullptr;
        LanguageModel *languages = nullptr;
        ConfigurationManager *config = nullptr;
        std::unique_ptr<QQuickView> view;

        explicit Screen(bool master = true, int customer = 0)
        {
            core.customerId = customer;
            core.iAmMaster = master;
            // The composition root's order: translator and model, the settings store,
            // the mirror connections, then the stored language.
            translator = new Translator(&core);
            languages = new LanguageModel(translator);
            config = new ConfigurationManager(nullptr, nullptr, master, 1, &core);
            core.translatorPtr = translator;
            core.configManagerPtr = config;
            connect(config, &ConfigurationManager::languageIdChanged, translator, &Translator::setLanguageByString);
            connect(translator, &Translator::languageIdStringChanged, config, &ConfigurationManager::set_languageId);
            translator->setLanguageByString(config->get_languageId());
        }

        QQuickItem *load(const char *page)
        {
            view.reset(new QQuickView);
            QQmlContext *context = view->engine()->rootContext();
            context->setContextProperty(QStringLiteral("configManager"), config);
            context->setContextProperty(QStringLiteral("timeZonesModel"), config->timeZonesModel());
            context->setContextProperty(QStringLiteral("tro"), translator);
            context->setContextProperty(QStringLiteral("languagesModelNew"), languages);
            view->setSource(QUrl(QStringLiteral("qrc:/settings/") + QLatin1String(page)));
            if (view->status() != QQuickView::Ready) {
                qWarning() << view->errors();
                return nullptr;
            }
            QSignalSpy drawn(view.get(), &QQuickWindow::frameSwapped);
            view->show();
            if (!QTest::qWaitForWindowExposed(view.get()) || (drawn.isEmpty() && !drawn.wait(5000)))
                return nullptr;
            return view->rootObject();
        }

        // Searches the visual tree: list delegates are not QObject children of their list.
        static QQuickItem *find(QQuickItem *item, const QString &name)
        {
            if (item->objectName() == name)
                return item;
            const QList<QQuickItem *> children = item->childItems();
            for (QQuickItem *child : children) {
                if (QQuickItem *found = find(child, name))
                    return found;
            }
            return item->findChild<QQuickItem *>(name);
        }

        QQuickItem *item(const char *name) const
        {
            return find(view->rootObject(), QLatin1String(name));
        }

        bool tap(const char *name) const
        {
            QQuickItem *target = item(name);
            if (!target || !target->isVisible())
                return false;
            const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
            QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
            return true;
        }
    };

    static QByteArray configFile()
    {
        QFile f(ConfigurationManager::configFilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // True when the page draws more than one colour, i.e. it was rendered.
    static bool rendered(QQuickView *view)
    {
        QSharedPointer<QQuickItemGrabResult> grab = view->rootObject()->grabToImage();
        if (!grab)
            return false;
        QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
        if (!ready.wait(5000))
            return false;
        const QImage image = grab->image();
        if (qEnvironmentVariableIsSet("TUL_DUMP_IMAGE"))
            image.save(qEnvironmentVariable("TUL_DUMP_IMAGE"));
        if (image.isNull())
            return false;
        const QRgb first = image.pixel(0, 0);
        for (int y = 0; y < image.height(); y += 5) {
            for (int x = 0; x < image.width(); x += 5) {
                if (image.pixel(x, y) != first)
                    return true;
            }
        }
        return false;
    }
};

void TestSettingsPages::preferencesRenderAndSave()
{
    Screen s;
    QQuickItem *page = s.load("PreferencesPage.qml");
    QVERIFY(page);
    QVERIFY(rendered(s.view.get()));
    QCOMPARE(page->property("soundLevel").toInt(), 100);
    QVERIFY(!s.item("preferencesSaveButton")->isEnabled());

    QVERIFY(s.tap("splitViewSwitch"));
    QVERIFY(s.tap("useFirstSwitch"));
    QVERIFY(page->property("changed").toBool());
    QVERIFY(s.item("preferencesSaveButton")->isEnabled());
    QVERIFY(s.tap("preferencesSaveButton"));

    QVERIFY(s.config->get_splitViewEnabled());
    QVERIFY(!s.config->get_useFirstEnabled());
    const QByteArray file = configFile();
    QVERIFY(file.contains("\nsplitViewEnabled=1\n"));
    QVERIFY(file.contains("\nuseFirstEnabled=0\n"));
    QCOMPARE(s.core.sentNames(), QStringList{"sendConfigSettingsData"});
    QVERIFY(!page->property("changed").toBool());

    // An edit dropped by the main window's cancelEdits changes nothing.
    QVERIFY(s.tap("groupDotsSwitch"));
    QVERIFY(QMetaObject::invokeMethod(page, "cancelEdits"));
    QVERIFY(page->property("groupDotsEnabled").toBool());
    QVERIFY(!page->property("changed").toBool());
}

void TestSettingsPages::preferencesRefuseAnInvalidCleaningTime()
{
    Screen s;
    QQuickItem *page = s.load("PreferencesPage.qml");
    QVERIFY(page);
    page->setProperty("screenCleanActive", 1);
    page->setProperty("screenCleanTimeout", 3);
    page->setProperty("changed", true);
    QVERIFY(!page->property("screenCleanValid").toBool());
    QVERIFY(!s.item("preferencesSaveButton")->isEnabled());
    page->setProperty("screenCleanTimeout", 1440);
    QVERIFY(s.item("preferencesSaveButton")->isEnabled());
    // Temperature unit hidden for one customer only.
    Screen qrb(true, 3);
    QVERIFY(qrb.load("PreferencesPage.qml"));
    QVERIFY(!qrb.item("celsiusButton")->isVisible());
    QVERIFY(!qrb.item("discardDurationSlider")->isVisible());
    Screen vyx(true, 1);
    QVERIFY(vyx.load("PreferencesPage.qml"));
    QVERIFY(vyx.item("discardDurationSlider")->isVisible());
    QVERIFY(vyx.item("celsiusButton")->isVisible());
}

void TestSettingsPages::preferencesOnAnotherDisplaySendARequest()
{
    Screen s(false);
    QQuickItem *page = s.load("PreferencesPage.qml");
    QVERIFY(page);
    QVERIFY(s.tap("splitViewSwitch"));
    QVERIFY(s.tap("preferencesSaveButton"));
    QVERIFY(!s.config->get_splitViewEnabled());
    QVERIFY(!QFileInfo::exists(ConfigurationManager::configFilePath()));
    QCOMPARE(s.core.sentNames(), QStringList{"sendConfigSettingsChangeRequest"});
    QCOMPARE(s.core.sent.at(0).args.at(0).toMap().value("splitViewEnabled").toBool(), true);
}

void TestSettingsPages::languagePageRenderAndAccept()
{
    Screen s;
    QQuickItem *page = s.load("LanguagePage.qml");
    QVERIFY(page);
    QVERIFY(rendered(s.view.get()));
    QCOMPARE(page->property("currentId").toInt(), 0);
    QVERIFY(!s.item("languageAcceptButton")->isEnabled());

    QVERIFY(s.tap("usedMark_0")); // the current language stays used
    QCOMPARE(page->property("changed").toBool(), false);
    QVERIFY(s.tap("usedMark_1")); // Spanish no longer offered
    QVERIFY(s.tap("usedMark_5")); // German offered
    QVERIFY(s.tap("languageName_2")); // French chosen
    QVERIFY(s.item("languageAcceptButton")->isEnabled());
    QVERIFY(s.tap("languageAcceptButton"));

    QCOMPARE(s.translator->getLanguage(), int(Translator::LANGUAGE_ID_FRA));
    QCOMPARE(s.config->get_languageId(), QStringLiteral("fra"));
    QCOMPARE(s.config->get_usedLanguages(), (1u << 5) | (1u << 2) | 1u);
    const QByteArray file = configFile();
    QVERIFY(file.contains("\nlanguageId=fra\n"));
    QVERIFY(file.contains("\nusedLanguages=37\n"));
    QCOMPARE(s.core.sentNames(), QStringList()); // no other display to tell

    // Cancel goes back to the language in use.
    QVERIFY(s.tap("languageName_0"));
    QVERIFY(s.tap("languageCancelButton"));
    QCOMPARE(page->property("currentId").toInt(), 2);
    QVERIFY(!s.item("languageAcceptButton")->isEnabled());
}

void TestSettingsPages::languagePageRowsFollowTheCustomer()
{
    Screen s(true, 5);
    QQuickItem *page = s.load("LanguagePage.qml");
    QVERIFY(page);
    QVERIFY(s.item("languageRow_1"));
    QVERIFY(!s.item("languageRow_2"));
}

void TestSettingsPages::dockButtonSwitchesAfterTheLastTap()
{
    Screen s;
    s.core.hasMirrorDisplay = true;
    QQuickItem *button = s.load("DockLanguageButton.qml");
    QVERIFY(button);
    QVERIFY(rendered(s.view.get()));
    QSignalSpy applied(button, SIGNAL(languageApplied()));
    QCOMPARE(button->property("text").toString(), QStringLiteral("English(US)"));
    QVERIFY(s.tap("dockLanguageButton"));
    QVERIFY(s.tap("dockLanguageButton"));
    QCOMPARE(button->property("text").toString(), s.translator->getLanguageName(2));
    QCOMPARE(s.translator->getLanguage(), 0); // not before the timer ran out
    QVERIFY(applied.wait(3000));
    QCOMPARE(s.translator->getLanguage(), 2);
    QVERIFY(configFile().contains("\nlanguageId=fra\n"));
    QCOMPARE(s.core.sentNames(), QStringList{"sendConfigSettingsData"});
    // A change from elsewhere resets the shown language.
    s.config->set_languageId(QStringLiteral("spa"));
    QCOMPARE(button->property("selectedId").toInt(), 1);
}

QTEST_MAIN(TestSettingsPages)
#include "tst_settingspages.moc"
