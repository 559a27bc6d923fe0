#ifndef ORVANTAPROXY_H
#define ORVANTAPROXY_H

#include "binarymenufile.h"
#include "p4statemachine.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>

class CabinetCore;
class ConfigurationManager;
class DayPartManager;
class MenuImportTransaction;
class MenuManager;

// Brings the menu tool's files into the cabinet and writes the cabinet's menu out for
// it. Two roads: at start-up the machine imports, once, a file dropped into the
// automatic-update folder (not before the time of a stamp file beside it) and deletes
// it; by hand the update screen lists the menu files of the flash drive or of the
// preloaded-menus folder and imports the one picked. Binary files ("*.tul") and JSON
// interchange files ("*.json") are told apart by their endings, ignoring case.
//
// An import hands its content to the managers by signals (a binary file's settings,
// products and two day parts, then the request to save the day parts; a JSON file's
// document), and is reported (orvantaDataImported, importedMenu and the menu manager's
// notifyMenuUpdated) only once its files are saved; every failure is reported as a
// failure and leaves the previous menu in place. A binary file that cannot be opened, or
// is of another version, is refused on the screen only: the cloud hears of no update.
class OrvantaProxy : public P4StateMachine
{
    Q_OBJECT
    Q_PROPERTY(bool ovImportFound READ get_ovImportFound WRITE set_ovImportFound NOTIFY ovImportFoundChanged)
    Q_PROPERTY(QString updateMenuTimeStamp READ get_updateMenuTimeStamp WRITE set_updateMenuTimeStamp NOTIFY updateMenuTimeStampChanged)
    Q_PROPERTY(QString ovImportFilename READ get_ovImportFilename WRITE set_ovImportFilename NOTIFY ovImportFilenameChanged)
    Q_PROPERTY(QString ovImportDir READ get_ovImportDir WRITE set_ovImportDir NOTIFY ovImportDirChanged)
    Q_PROPERTY(bool upDirPossible READ get_upDirPossible WRITE set_upDirPossible NOTIFY upDirPossibleChanged)
    Q_PROPERTY(QStringList dirContent READ get_dirContent WRITE set_dirContent NOTIFY dirContentChanged)
    Q_PROPERTY(int numOfFiles READ get_numOfFiles WRITE set_numOfFiles NOTIFY numOfFilesChanged)
    // An import waits for its saves; the update screen offers no second one meanwhile.
    Q_PROPERTY(bool importing READ isImporting NOTIFY importingChanged)

public:
    enum ImportMethod { METHOD_UPDATE_SCREEN = 0, METHOD_AUTOMATIC = 2 };

    static constexpr qint64 maxBinaryFileSize = 1024 * 1024;

    explicit OrvantaProxy(QObject *parent = nullptr);
    ~OrvantaProxy() override;

    static QString preloadedMenusDir();
    static QString automaticUpdateDir();
    static bool isBinaryMenuName(const QString &name);
    static bool isJsonMenuName(const QString &name);

    // The last binary file read (whatever its outcome).
    const BinaryMenuFile &lastBinaryFile() const { return m_lastBinary; }
    bool isImporting() const;

    // Connects the import's signals to the managers' appliers, each of which reports to
    // the running import whether it succeeded; an import that nothing applies fails.
    void connectAppliers(ConfigurationManager *config, MenuManager *menu, DayPartManager *dayParts);

public slots:
    bool get_ovImportFound() const { return m_ovImportFound; }
    void set_ovImportFound(bool value);
    QString get_updateMenuTimeStamp() const { return m_updateMenuTimeStamp; }
    void set_updateMenuTimeStamp(const QString &value);
    QString get_ovImportFilename() const { return m_ovImportFilename; }
    void set_ovImportFilename(const QString &value);
    QString get_ovImportDir() const { return m_ovImportDir; }
    void set_ovImportDir(const QString &value);
    bool get_upDirPossible() const { return m_upDirPossible; }
    void set_upDirPossible(bool value);
    QStringList get_dirContent() const { return m_dirContent; }
    void set_dirContent(const QStringList &value);
    int get_numOfFiles() const { return m_numOfFiles; }
    void set_numOfFiles(int value);

    void set_importSource(int sourceType);
    void getOvImportDirList();
    void sortFileModel(const QString &unused);
    void processSlaveFoundSignal(bool found);

    // The update screen's accept: remembers the name and imports it by its ending.
    void importMenuFile(const QString &fileName);
    void importOrvantaFile(const QString &fileName);
    void importOrvantaJsonFile(const QString &fileName);
    void exportOrvantaJsonFile();

    void findOvFile_onEntry();
    void findOvFile_onExit() {}
    void checkSlaveReady_onEntry();
    void checkSlaveReady_onExit() {}
    void doTheImport_onEntry();
    void doTheImport_onExit();
    void doneState_onEntry();
    void doneState_onExit() {}
    void nothingToDo_onEntry();
    void nothingToDo_onExit() {}

signals:
    void ovImportFoundChanged(bool value);
    void updateMenuTimeStampChanged(QString value);
    void ovImportFilenameChanged(QString value);
    void ovImportDirChanged(QString value);
    void upDirPossibleChanged(bool value);
    void dirContentChanged(QStringList value);
    void numOfFilesChanged(int value);
    void importingChanged(bool importing);

    void doOvAutoImport();
    void noOvAutoImport();
    void doneImporting();
    void askForSlaveSignal();
    void slaveFound(bool found);
    void slaveFoundSignal();
    void slaveNotFoundSignal();

    void badHeaderCrc();
    void invalidFileVersion();
    void badConfigurationCrc();
    void badProductCrc();
    void badDaypartCrc();
    void orvantaDataImported();
    void orvantaDataImportFailed();
    void importedMenu(QString value);
    void newConfigData(Configuration_t data);
    void newProductsDataList(QList<Product_t> list);
    void newDayPartData(DayPart_t data, int idx);
    void saveNewDayPartsToJson();
    void newProductsDataJsonDoc(QString data);
    void doIotAgentImport();

    void exportedMenu(QString value);
    void exportMenuFailed();

private:
    static bool refusesPath(const char *property, const QString &value);
    CabinetCore *core() const;
    MenuImportTransaction *transaction();
    QString importPath(const QString &fileName) const;
    int importMethod() const;
    void runApplier(const std::function<bool()> &applier);
    void applyBinary();
    void applyJson(const QJsonObject &document);
    void reportFailure();
    void importFinished(bool ok);
    void endImport();
    void setImporting(bool importing);

    bool m_ovImportFound = false;
    QString m_updateMenuTimeStamp;
    QString m_ovImportFilename;
    QString m_ovImportDir;
    bool m_upDirPossible = false;
    QStringList m_dirContent;
    int m_numOfFiles = 0;

    bool m_autoImport = false;      // set while the machine is in doTheImport
    bool m_importRunning = false;   // an import waits for its saves
    bool m_importReadFile = false;  // the last import read its file (so the automatic road may delete it)
    int m_importMethod = METHOD_UPDATE_SCREEN;
    BinaryMenuFile m_lastBinary;
    MenuImportTransaction *m_transaction = nullptr;
};

#endif // ORVANTAPROXY_H
