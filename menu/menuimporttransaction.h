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
// result comes as finished(true) only once every file is saved; a file that cannot be
// written, or a menu refused before anything changed, gives finished(false) and the
// cabinet keeps its previous menu, day parts and settings (in memory and on file). The
// settings of a binary file go through the settings store's processOrvantaConfigData,
// and once the import is saved they go to the other displays as the settings record.
class MenuImportTransaction : public QObject
{
    Q_OBJECT

public:
    MenuImportTransaction(MenuManager *menu, DayPartManager *dayParts, ConfigurationManager *config,
                          QObject *parent = nullptr);
    ~MenuImportTransaction() override;

    bool isRunning() const { return m_running; }

    // Both report their outcome by finished(), possibly before they return.
    void applyBinary(const BinaryMenuFile &file);
    void applyJson(const QString &documentText);

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
    void waitForSaves();
    void menuSaveFinished(bool ok);
    void dayPartsSaveFinished(bool ok);
    void checkDone();
    void rollBack(const char *why);
    void shareSettings();
    void end(bool ok);

    QPointer<MenuManager> m_menu;
    QPointer<DayPartManager> m_dayParts;
    QPointer<ConfigurationManager> m_config;

    bool m_running = false;
    bool m_configChanged = false;
    ConfigValues m_configBefore;
    QList<QStandardItem *> m_menuBefore;
    DayPartManager::Snapshot m_dayPartsBefore;
    bool m_menuChanged = false;
    bool m_dayPartsChanged = false;
    bool m_menuSaved = false;
    bool m_dayPartsSaved = false;
};

#endif // MENUIMPORTTRANSACTION_H
