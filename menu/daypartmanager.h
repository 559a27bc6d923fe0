#ifndef DAYPARTMANAGER_H
#define DAYPARTMANAGER_H

#include "binarymenufile.h"
#include "p4statemachine.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <array>

class CabinetCore;
class FileSaveChain;
class JsonMembers;
class JsonReadNotes;
class MenuManager;

// The day parts of the menu: for each part of the day (up to ten) the product or group
// held in every bin, the day part's name in the 15 languages and the list of day parts
// the operator may pick; and the day part in force for the whole cabinet. The live grid
// is what the zones hold; the edit grid is the cookbook's working copy. Persisted in
// "dayParts.json" of the data root, migrated once from the two legacy text files.
//
// A state machine without states: it is never started.
class DayPartManager : public P4StateMachine
{
    Q_OBJECT
    Q_PROPERTY(int partOfDay READ get_partOfDay WRITE set_partOfDay NOTIFY partOfDayChanged)
    Q_PROPERTY(int nextDayPart READ get_nextDayPart WRITE set_nextDayPart NOTIFY nextDayPartChanged)
    Q_PROPERTY(bool singleCol READ get_singleCol WRITE set_singleCol NOTIFY singleColChanged)
    Q_PROPERTY(int numOfTrays READ get_numOfTrays WRITE set_numOfTrays NOTIFY numOfTraysChanged)
    Q_PROPERTY(int traysPerZone READ get_traysPerZone WRITE set_traysPerZone NOTIFY traysPerZoneChanged)
    Q_PROPERTY(int numberOfZones READ get_numberOfZones WRITE set_numberOfZones NOTIFY numberOfZonesChanged)

public:
    enum PartOfDayEnum { PARTDAY_UNDEFINED = -1, PARTDAY_MORNING = 0, PARTDAY_EVENING = 1 };
    Q_ENUM(PartOfDayEnum)

    static constexpr int maxDayParts = 10;
    static constexpr int maxBins = 20;
    static constexpr int dayPartVersion = 1;
    static constexpr qint64 maxDayPartFileSize = 4 * 1024 * 1024;
    static constexpr qint64 maxLegacyDayPartFileSize = 64 * 1024;

    DayPartManager(int numberOfZones, int traysPerZone, MenuManager *menuManager, QObject *parent);
    ~DayPartManager() override;

    // The layout's map from display tray to the bin number of the menu tool's files;
    // not owned, must outlive the manager. Without it the export uses the tray index.
    void setProductLocationMap(const int *map, int entries);

    // True for the text of a day-part file of this version with the shape throughout:
    // what a file from elsewhere must be to replace ours. The start reads ours entry by
    // entry.
    static bool isDayPartDocument(const QByteArray &text);

    // What an import replaces, kept so that a failed import can put it back.
    struct Snapshot
    {
        std::array<std::array<int, maxBins>, maxDayParts> grid{};
        QList<QStringList> names;
        int count = 0;
        QList<int> inUse;
        int nextDayPart = 0;
    };
    Snapshot snapshot() const;
    // Puts the snapshot back and announces it (newDayPartDefinition, daypartsFileLoadDone).
    void restore(const Snapshot &snapshot);
    bool isSaving() const;

public slots:
    int get_partOfDay() const { return m_partOfDay; }
    void set_partOfDay(int value);
    int get_nextDayPart() const { return m_nextDayPart; }
    void set_nextDayPart(int value);
    bool get_singleCol() const { return m_singleCol; }
    void set_singleCol(bool value);
    int get_numOfTrays() const { return m_numOfTrays; }
    void set_numOfTrays(int value);
    int get_traysPerZone() const { return m_traysPerZone; }
    void set_traysPerZone(int value);
    int get_numberOfZones() const { return m_numberOfZones; }
    void set_numberOfZones(int value);

    // Grids.
    int getProdIdOnBin(int dp, int bin) const;
    int dayPartGetProductId(int dayPart, int zone, int panIndex) const;
    int dayPartEditGetProductId(int dayPart, int zone, int panIndex) const;
    void dayPartEditSetProductId(int dayPart, int zone, int panIndex, int prodId);
    void dayPartEditInitialize();
    void dayPartEditSave();
    void deleteProductGroupFromDayParts(int pgid);
    void loadDefaultDayPart();

    // Names and the in-use list.
    int getDayPartsCount() const { return m_dayPartsCount; }
    QString getDayPartName(int dayPartIndex) const;
    QString getDayPartName(int language, int dayPartIndex) const;
    int getDayPartsToUseCount() const { return m_dayPartsInUse.size(); }
    int getDayPartToUse(int index) const;
    int getDayPartToUseIndex(int dayPart) const;
    bool getDayPartIsUsed(int dayPart) const { return m_dayPartsInUse.contains(dayPart); }
    void resetIsUsedDayPart() { m_dayPartsInUse.clear(); }
    void setIsUsedDayPart(int index, bool isUsed);
    void saveDayPartsUsed();
    void buildNotifyDayPartChange(int dp);

    // Day-part file.
    QByteArray dayPartsInfoToJson(bool isToLocalFile) const;
    bool saveDayPartFileJson();
    bool saveNewDayPartsToJson();
    // The end of each command of the save ("syncCommand", "mvCommand"), the command as
    // sender; called otherwise it changes nothing.
    void writeDaypartsFileWrapUp(int exitCode, QProcess::ExitStatus exitStatus);
    void dayPartsLoadJsonDocFile();
    void readDayPartFile(const QString &dayPartFilename, int j);
    void readDayPartFiles();
    void saveDayPartFile(const QString &dayPartFilename, const QString &content);

    // Appliers of the menu imports. A binary day part goes to day part idx (0 or 1) of
    // the live grid without saving; the JSON layout replaces names, grids and the in-use
    // list and starts the save (false: not a version-1 menu with a layout, or the save
    // could not start). Both map the file's bin numbers to display trays through the
    // product location map and take every id as the file gives it, whether or not the
    // menu holds it.
    void processOrvantaDayPart(const DayPart_t &data, int idx);
    bool processOrvantaJsonDayParts(const QString &ovMenuDoc);

signals:
    void partOfDayChanged(int value);
    void nextDayPartChanged(int value);
    void singleColChanged(bool value);
    void numOfTraysChanged(int value);
    void traysPerZoneChanged(int value);
    void numberOfZonesChanged(int value);
    void daypartsFileLoadDone();
    void reloadDaypartsInUse();
    void newDayPartDefinition(int dpNumber);
    void notifyDayPartChange(QString timeStamp, QString prevDaypart, QString newDaypart);
    void sendDayPartsFileViaCanbus(QString filePath, int fileTxfrId);
    // The end of every day-part save: true once dayParts.json holds the new day parts.
    void dayPartsSaveFinished(bool ok);

private:
    using Grid = std::array<std::array<int, maxBins>, maxDayParts>;

    CabinetCore *core() const;
    int currentLanguage() const;
    int nameLanguage() const;
    int binOf(int zone, int panIndex) const { return panIndex + m_traysPerZone * zone; }
    bool isUsableBin(int bin) const { return bin >= 0 && bin < m_numOfTrays && bin < maxBins; }
    int gridLookUp(const Grid &grid, int dayPart, int dayParts, int zone, int panIndex,
                   const char *who) const;
    int traysToSave() const;
    int locationOfTray(int tray) const;
    QJsonArray productLocationsToJson(int dayPart, bool isToLocalFile) const;
    int fileBinOfTray(int tray) const;
    bool isMissingTray(int tray) const;

    bool migrateLegacyFiles();
    void removeLegacyFiles();
    bool readDayPartDocument();
    void applyLayout(const QJsonArray &layout, JsonReadNotes *notes);
    void applyLayoutEntry(int dayPart, const JsonMembers &entry);
    void keepDayPartInForceDefined();
    void dayPartsFileSaved();
    void daypartsSaveFailed();

    Grid m_dayPartProducts{};
    Grid m_editDayPartProducts{};
    const int *m_productLocationMap = nullptr;
    int m_productLocationEntries = 0;
    int m_partOfDay = PARTDAY_MORNING;
    int m_nextDayPart = 0;
    bool m_singleCol = false;
    int m_numOfTrays = maxBins;
    int m_traysPerZone;
    int m_numberOfZones;
    MenuManager *m_menuManager;
    QList<QStringList> m_dayPartNames;
    int m_dayPartsCount = 2;
    QList<int> m_dayPartsInUse{0, 1};
    FileSaveChain *m_save;
    bool m_deleteLegacyFilesAfterSave = false;
};

#endif // DAYPARTMANAGER_H
