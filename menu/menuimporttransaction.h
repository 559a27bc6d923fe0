#ifndef MENUIMPORTTRANSACTION_H
#define MENUIMPORTTRANSACTION_H

#include "binarymenufile.h"
#include "daypartmanager.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class ConfigurationManager;
class MenuManager;
class QStandardItem;

// One menu import applied as a whole: the settings of a binary file, the products and
// groups, the day parts, and the saves of config.txt, menu.json and dayParts.json. The
// appliers are the managers' own slots, reached through the import's signals; each
// reports its outcome here (stepDone). The result comes as finished(true) only once every
// file is saved; an applier that fails, one that never ran, a file that cannot be
// written, or a menu refused before anything changed gives finished(false), and the
// cabinet keeps its previous menu, day parts and settings (in memory and on file).
class MenuImportTransaction : public QObject
{
    Q_OBJECT

public:
    // What a step may change, so that a failure puts it back.
    enum Touches { Settings = 1, Menu = 2, DayParts = 4 };

    MenuImportTransaction(MenuManager *menu, DayPartManager *dayParts, ConfigurationManager *config,
                          QObject *parent = nullptr);
    ~MenuImportTransaction() override;

    bool isRunning() const { return m_running; }

    // Opens an import and keeps what it may replace. False, with nothing kept, while
    // another import runs, for a binary file that the products list cannot hold, or for
    // a JSON menu of another version.
    bool beginBinary(const BinaryMenuFile &file);
    // A JSON file has no digest of its own: `digest` (of the file as read) becomes the
    // menu's digest once the import is saved.
    bool beginJson(const QJsonObject &document, const QString &digest);

    // Announces the step whose signal is emitted next: what it may change and how many
    // appliers report on it.
    void expect(int touches, int reports = 1);
    // An applier may run now: a step is announced and nothing has failed.
    bool accepts() const;
    // An applier's outcome; after a failure no further applier runs.
    void stepDone(bool ok);
    // After a step's signal, delivered directly: false when an applier failed or none
    // ran, and then everything is put back and the import ends as failed.
    bool applied(const char *what);
    // After the last step: finished() comes once every file is saved. With queued
    // appliers it first waits for them to run.
    void waitForSaves();
    void waitForQueuedSteps(const char *what);

signals:
    void finished(bool ok);

private:
    struct ConfigValues
    {
        QString languageId;
        bool useFirst = false;
        bool groupDots = false;
        bool splitView = false;
        bool individualDayParts = false;
        int labelFontSize = 0;
        QString productsHashCode;
    };

    bool begin();
    void menuSaveFinished(bool ok);
    void dayPartsSaveFinished(bool ok);
    void checkDone();
    void rollBack(const QString &why);
    void end(bool ok);

    QPointer<MenuManager> m_menu;
    QPointer<DayPartManager> m_dayParts;
    QPointer<ConfigurationManager> m_config;

    bool m_running = false;
    int m_run = 0;            // counts imports, so that a late check finds its own
    int m_pendingReports = 0; // appliers of the announced step yet to report
    bool m_stepFailed = false; // an applier of the announced step failed
    bool m_configChanged = false;
    QString m_digest; // the menu's digest to store once saved; empty: the import sets it
    ConfigValues m_configBefore;
    QList<QStandardItem *> m_menuBefore;
    DayPartManager::Snapshot m_dayPartsBefore;
    bool m_menuChanged = false;
    bool m_dayPartsChanged = false;
    bool m_menuSaved = false;
    bool m_dayPartsSaved = false;
};

#endif // MENUIMPORTTRANSACTION_H
