#ifndef QMLSCREEN_H
#define QMLSCREEN_H

#include "configurationmanager.h"
#include "fakecabinetcore.h"
#include "languagemodel.h"
#include "roleitemmodel.h"
#include "scratchroots.h"
#include "translator.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlIncubationController>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// A screen rendered offscreen over a fake application core, operated by taps and typed
// keys (the pads and a scanner deliver key presses to the focused field).
struct QmlScreen
{
    ScratchRoots scratch;
    FakeCabinetCore core;
    Translator translator{&core}; // finds the core through its parent
    std::unique_ptr<LanguageModel> languages;
    ConfigurationManager *config = nullptr;
    std::unique_ptr<QQuickView> view;
    // Further context properties a screen needs (the cloud link's object, say).
    QHash<QString, QObject *> extraContext;

    explicit QmlScreen(bool master = true, bool configured = true, int customer = 0)
    {
        core.iAmMaster = master;
        core.isConfigured = configured;
        core.customerId = customer;
        languages.reset(new LanguageModel(&translator));
        // The composition root's order: the settings store, the mirror connections, then
        // the stored language.
        config = new ConfigurationManager(nullptr, nullptr, master, 1, &core);
        core.translatorPtr = &translator;
        core.configManagerPtr = config;
        QObject::connect(config, &ConfigurationManager::languageIdChanged, &translator, &Translator::setLanguageByString);
        QObject::connect(&translator, &Translator::languageIdStringChanged, config, &ConfigurationManager::set_languageId);
        translator.setLanguageByString(config->get_languageId());
    }

    // Loads a page of the resources, or a scene written here that imports them (and the
    // other resource folders named).
    QQuickItem *load(const QString &page, const QByteArray &scene = QByteArray(), const QStringList &alsoImport = {})
    {
        QUrl url(page);
        if (!scene.isEmpty()) {
            QFile file(scratch.base() + QStringLiteral("/screen.qml"));
            if (!file.open(QIODevice::WriteOnly))
                return nullptr;
            QByteArray imports = "import QtQuick 2.15\nimport \"" + page.toLatin1() + "\"\n";
            for (const QString &folder : alsoImport)
                imports += "import \"" + folder.toLatin1() + "\"\n";
            file.write(imports + "Item { width: 800; height: 480\n" + scene + "\n}\n");
            url = QUrl::fromLocalFile(file.fileName());
        }
        view.reset(new QQuickView);
        QQmlContext *context = view->engine()->rootContext();
        context->setContextProperty(QStringLiteral("configManager"), config);
        context->setContextProperty(QStringLiteral("cabinetManager"), &core);
        context->setContextProperty(QStringLiteral("timeZonesModel"), config->timeZonesModel());
        context->setContextProperty(QStringLiteral("tro"), &translator);
        context->setContextProperty(QStringLiteral("languagesModelNew"), languages.get());
        for (auto it = extraContext.cbegin(); it != extraContext.cend(); ++it)
            context->setContextProperty(it.key(), it.value());
        view->setSource(url);
        QSignalSpy drawn(view.get(), &QQuickWindow::frameSwapped);
        view->show();
        if (view->status() != QQuickView::Ready || !QTest::qWaitForWindowExposed(view.get())
            || (drawn.isEmpty() && !drawn.wait(5000))) {
            qWarning() << view->errors();
            return nullptr;
        }
        return view->rootObject();
    }

    // Searches the visual tree: list delegates are not QObject children of their list.
    static QQuickItem *find(QQuickItem *item, const QString &name)
    {
        if (!item || item->objectName() == name)
            return item;
        for (QQuickItem *child : item->childItems()) {
            if (QQuickItem *found = find(child, name))
                return found;
        }
        return item->findChild<QQuickItem *>(name);
    }
    QQuickItem *item(const char *name) const { return find(view->rootObject(), QLatin1String(name)); }
    bool shown(const char *name) const { return item(name) && item(name)->isVisible(); }
    bool enabled(const char *name) const { return item(name) && item(name)->isEnabled(); }
    QString text(const char *name) const { return item(name) ? item(name)->property("text").toString() : QString(); }
    bool tap(const char *name, const char *within = nullptr) const
    {
        QQuickItem *target = within ? find(item(within), QLatin1String(name)) : item(name);
        if (!target || !target->isVisible() || !target->isEnabled())
            return false;
        // Layouts and lists place their items when the next frame is prepared: tap where
        // the item is drawn, not where it was before the last change.
        settle();
        QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier,
                          target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint());
        return true;
    }
    // A frame drawn after the last change with nothing left to build: a list builds the
    // rows beyond its visible ones between frames, and lays a row out in the frame after.
    void settle() const
    {
        QQmlIncubationController *building = view->engine()->incubationController();
        for (int frame = 0; frame < 100; ++frame) {
            QCoreApplication::processEvents();
            QSignalSpy drawn(view.get(), &QQuickWindow::frameSwapped);
            view->update();
            if (!drawn.wait(10000)) {
                qWarning("no frame drawn");
                return;
            }
            if (!building || building->incubatingObjectCount() == 0)
                return;
        }
        qWarning("the view never finished building its items");
    }
    void type(const QString &digits) const // as the pad's keys deliver them
    {
        for (const QChar c : digits)
            QTest::keyClick(view.get(), c.toLatin1());
        QTest::keyClick(view.get(), Qt::Key_Return);
    }
    // A folder stands where the settings file goes (a file saved before makes way): no
    // write can replace it.
    static bool blockConfigFile()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Safe write failed")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Unable to Open File for writing")));
        QFile::remove(ConfigurationManager::configFilePath());
        return QDir().mkpath(ConfigurationManager::configFilePath() + QStringLiteral("/blocked"));
    }
    QByteArray configFile() const
    {
        QFile f(ConfigurationManager::configFilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

#endif // QMLSCREEN_H
