#ifndef FILEID_H
#define FILEID_H

#include "personalitytypes.h"

#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <QString>

// The cabinet personality: which cabinet model this unit belongs to and which role its
// own display plays in it, read once at start from the personality file ("*.hcc").
// Every value has a getter, a setter that stores and announces only a change (and
// returns whether it changed) and a change signal. A missing mandatory key fails the
// file; any integer is stored as the file gives it, and the application core bounds
// the geometry it sizes its tables with (CabinetLayout::fitToTables).
#include "configlog.h"

class FileID : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int uiRole READ get_uiRole WRITE set_uiRole NOTIFY uiRoleChanged)
    Q_PROPERTY(int numberOfZones READ get_numberOfZones WRITE set_numberOfZones NOTIFY numberOfZonesChanged)
    Q_PROPERTY(int zonesPerRow READ get_zonesPerRow WRITE set_zonesPerRow NOTIFY zonesPerRowChanged)
    Q_PROPERTY(int binsPerZone READ get_traysPerZone WRITE set_traysPerZone NOTIFY binsPerZoneChanged)
    Q_PROPERTY(int numberOfRows READ get_numberOfRows WRITE set_numberOfRows NOTIFY numberOfRowsChanged)
    Q_PROPERTY(int numOfTempProbes READ get_numOfTempProbes WRITE set_numOfTempProbes NOTIFY numOfTempProbesChanged)
    Q_PROPERTY(bool hasMirrorDisplay READ get_hasMirrorDisplay WRITE set_hasMirrorDisplay NOTIFY hasMirrorDisplayChanged)
    Q_PROPERTY(bool hasSecondaryDisplay READ get_hasSecondaryDisplay WRITE set_hasSecondaryDisplay NOTIFY hasSecondaryDisplayChanged)
    Q_PROPERTY(int tempHandling READ get_tempHandling WRITE set_tempHandling NOTIFY tempHandlingChanged)
    Q_PROPERTY(int tempLayout READ get_tempLayout WRITE set_tempLayout NOTIFY tempLayoutChanged)
    Q_PROPERTY(bool isIndividualDpSelectable READ get_isIndividualDpSelectable WRITE set_isIndividualDpSelectable NOTIFY isIndividualDpSelectableChanged)
    Q_PROPERTY(bool singleColumnUnit READ get_singleColumnUnit WRITE set_singleColumnUnit NOTIFY singleColumnUnitChanged)
    Q_PROPERTY(bool nfcEnabled READ get_nfcEnabled WRITE set_nfcEnabled NOTIFY nfcEnabledChanged)
    Q_PROPERTY(bool iAmMaster READ get_iAmMaster WRITE set_iAmMaster NOTIFY iAmMasterChanged)
    Q_PROPERTY(bool mirrorDisplay READ get_mirrorDisplay WRITE set_mirrorDisplay NOTIFY mirrorDisplayChanged)
    Q_PROPERTY(bool orientationPortrait READ get_orientationPortrait WRITE set_orientationPortrait NOTIFY orientationPortraitChanged)
    Q_PROPERTY(int pressGoDockPosition READ get_pressGoDockPosition WRITE set_pressGoDockPosition NOTIFY pressGoDockPositionChanged)
    Q_PROPERTY(bool syncNeeded READ get_syncNeeded WRITE set_syncNeeded NOTIFY syncNeededChanged)
    Q_PROPERTY(int iosystemcfg READ get_iosystemcfg WRITE set_iosystemcfg NOTIFY iosystemcfgChanged)
    Q_PROPERTY(int zones2handle READ get_zones2handle WRITE set_zones2handle NOTIFY zones2handleChanged)
    Q_PROPERTY(int zones2handleStart READ get_zones2handleStart WRITE set_zones2handleStart NOTIFY zones2handleStartChanged)
    Q_PROPERTY(bool powerSourceChoice READ get_powerSourceChoice WRITE set_powerSourceChoice NOTIFY powerSourceChoiceChanged)
    Q_PROPERTY(int powerSource READ get_powerSource WRITE set_powerSource NOTIFY powerSourceChanged)
    Q_PROPERTY(bool hasFan READ get_hasFan WRITE set_hasFan NOTIFY hasFanChanged)
    Q_PROPERTY(bool verticalFlip READ get_verticalFlip WRITE set_verticalFlip NOTIFY verticalFlipChanged)
    Q_PROPERTY(int traysPerCabinet READ get_traysPerCabinet WRITE set_traysPerCabinet NOTIFY traysPerCabinetChanged)
    Q_PROPERTY(int zoneViewType READ get_zoneViewType WRITE set_zoneViewType NOTIFY zoneViewTypeChanged)
    Q_PROPERTY(bool perBinTemps READ get_perBinTemps WRITE set_perBinTemps NOTIFY perBinTempsChanged)
    Q_PROPERTY(bool pressGoBannerEnable READ get_pressGoBannerEnable WRITE set_pressGoBannerEnable NOTIFY pressGoBannerEnableChanged)
    Q_PROPERTY(int orientationId READ get_orientationId WRITE set_orientationId NOTIFY orientationIdChanged)
    Q_PROPERTY(bool tempRangeErrorDisable READ get_tempRangeErrorDisable WRITE set_tempRangeErrorDisable NOTIFY tempRangeErrorDisableChanged)
    Q_PROPERTY(int importedFileVersion READ get_importedFileVersion WRITE set_importedFileVersion NOTIFY versionChanged)
    Q_PROPERTY(int exportFileVersion READ get_exportFileVersion CONSTANT)
    Q_PROPERTY(int cabinetConfiguration READ get_cabinetConfiguration WRITE set_cabinetConfiguration NOTIFY cabinetConfigurationChanged)
    Q_PROPERTY(int topTempOffset READ get_topTempOffset WRITE set_topTempOffset NOTIFY topTempOffsetChanged)
    Q_PROPERTY(bool linkedUseFirst READ get_linkedUseFirst WRITE set_linkedUseFirst NOTIFY linkedUseFirstChanged)
    Q_PROPERTY(bool discardOption READ get_discardOption WRITE set_discardOption NOTIFY discardOptionChanged)
    Q_PROPERTY(int numIOBoards READ get_numIOBoards WRITE set_numIOBoards NOTIFY numIOBoardsChanged)
    Q_PROPERTY(int discardOptionType READ get_discardOptionType WRITE set_discardOptionType NOTIFY discardOptionTypeChanged)
    Q_PROPERTY(bool lumoEnabled READ get_lumoEnabled WRITE set_lumoEnabled NOTIFY lumoEnabledChanged)
    Q_PROPERTY(bool productIDDisplayEnable READ get_productIDDisplayEnable WRITE set_productIDDisplayEnable NOTIFY productIDDisplayEnableChanged)
    Q_PROPERTY(int topHeaterResistance READ get_topHeaterResistance WRITE set_topHeaterResistance NOTIFY topHeaterResistanceChanged)
    Q_PROPERTY(int bottomHeaterResistance READ get_bottomHeaterResistance WRITE set_bottomHeaterResistance NOTIFY bottomHeaterResistanceChanged)
    Q_PROPERTY(int topHeaterCurrent READ get_topHeaterCurrent WRITE set_topHeaterCurrent NOTIFY topHeaterCurrentChanged)
    Q_PROPERTY(int bottomHeaterCurrent READ get_bottomHeaterCurrent WRITE set_bottomHeaterCurrent NOTIFY bottomHeaterCurrentChanged)
    Q_PROPERTY(int bottomTempOffset READ get_bottomTempOffset WRITE set_bottomTempOffset NOTIFY bottomTempOffsetChanged)
    Q_PROPERTY(bool shelfNumbersEnable READ get_shelfNumbersEnable WRITE set_shelfNumbersEnable NOTIFY shelfNumbersEnableChanged)
    Q_PROPERTY(bool haccpDataCollection READ get_haccpDataCollection WRITE set_haccpDataCollection NOTIFY haccpDataCollectionChanged)
    Q_PROPERTY(int temperatureUnit READ get_temperatureUnit WRITE set_temperatureUnit NOTIFY temperatureUnitChanged)
    Q_PROPERTY(bool touchBasedTransfer READ get_touchBasedTransfer WRITE set_touchBasedTransfer NOTIFY touchBasedTransferChanged)
    Q_PROPERTY(int shelfNumberingOrder READ get_shelfNumberingOrder WRITE set_shelfNumberingOrder NOTIFY shelfNumberingOrderChanged)
    Q_PROPERTY(bool cleaningModeEnable READ get_cleaningModeEnable WRITE set_cleaningModeEnable NOTIFY cleaningModeEnableChanged)
    Q_PROPERTY(bool advancedZoneOptionsEnable READ get_advancedZoneOptionsEnable WRITE set_advancedZoneOptionsEnable NOTIFY advancedZoneOptionsEnableChanged)
    Q_PROPERTY(bool viewZoneTemperatureEnable READ get_viewZoneTemperatureEnable WRITE set_viewZoneTemperatureEnable NOTIFY viewZoneTemperatureEnableChanged)
    Q_PROPERTY(int maxCurrent READ get_maxCurrent WRITE set_maxCurrent NOTIFY maxCurrentChanged)
    Q_PROPERTY(int controlBoardType READ get_controlBoardType WRITE set_controlBoardType NOTIFY controlBoardTypeChanged)
    Q_PROPERTY(int startingShelfNumber READ get_startingShelfNumber WRITE set_startingShelfNumber NOTIFY startingShelfNumberChanged)
    Q_PROPERTY(int singleBinZone READ get_singleBinZone WRITE set_singleBinZone NOTIFY singleBinZoneChanged)
    Q_PROPERTY(int zoneNumberingOrder READ get_zoneNumberingOrder WRITE set_zoneNumberingOrder NOTIFY zoneNumberingOrderChanged)
    Q_PROPERTY(bool screenCleanModeEnable READ get_screenCleanModeEnable WRITE set_screenCleanModeEnable NOTIFY screenCleanModeEnableChanged)
    Q_PROPERTY(bool timerColorEnable READ get_timerColorEnable WRITE set_timerColorEnable NOTIFY timerColorEnableChanged)
    Q_PROPERTY(bool timerDecrementEnable READ get_timerDecrementEnable WRITE set_timerDecrementEnable NOTIFY timerDecrementEnableChanged)
    Q_PROPERTY(bool preferencesPageLock READ get_preferencesPageLock WRITE set_preferencesPageLock NOTIFY preferencesPageLockChanged)
    Q_PROPERTY(int customerId READ get_customerId WRITE set_customerId NOTIFY customerIdChanged)

    Q_PROPERTY(QList<int> *mio2uitmap READ get_mio2uitMap NOTIFY mio2uitmapChanged)
    Q_PROPERTY(QList<int> *ui2mioZoneMap READ get_ui2mioZoneMap NOTIFY ui2mioZoneMapChanged)
    Q_PROPERTY(QList<int> *productLocationMap READ get_productLocationMap NOTIFY productLocationMapChanged)
    Q_PROPERTY(QList<ioBoardToZone_struct> *ioBoardToZoneMap READ get_ioBoardToZoneMap NOTIFY ioBoardToZoneMapChanged)
    Q_PROPERTY(QList<int> *zoneMap READ get_zoneMap NOTIFY zoneMapChanged)
    Q_PROPERTY(QList<int> *binTestTemps READ get_binTestTemps NOTIFY binTestTempsChanged)

public:
    explicit FileID(QObject *parent = nullptr);

    static constexpr int kMaxAcceptedVersion = 9;  // newer formats are not taken at start
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

    // Rebuilds the NFC polling table from the first numberOfZones records of the NFC
    // map. Bins the table cannot describe (a poll order other than 1 or 2, a third
    // reader address, a thirteenth bin of one address and poll order) are left out;
    // then it returns false and says why in `problem`.
    bool rebuildNfcPollingInfo(QString *problem = nullptr);

public slots:
    int get_uiRole() const { return m_uiRole; }
    int get_numberOfZones() const { return m_numberOfZones; }
    int get_zonesPerRow() const { return m_zonesPerRow; }
    int get_traysPerZone() const { return m_binsPerZone; }
    int get_numberOfRows() const { return m_numberOfRows; }
    int get_numOfTempProbes() const { return m_numOfTempProbes; }
    bool get_hasMirrorDisplay() const { return m_hasMirrorDisplay; }
    bool get_hasSecondaryDisplay() const { return m_hasSecondaryDisplay; }
    int get_tempHandling() const { return m_tempHandling; }
    int get_tempLayout() const { return m_tempLayout; }
    bool get_isIndividualDpSelectable() const { return m_isIndividualDpSelectable; }
    bool get_singleColumnUnit() const { return m_singleColumnUnit; }
    bool get_nfcEnabled() const { return m_nfcEnabled; }
    bool get_iAmMaster() const { return m_iAmMaster; }
    bool get_mirrorDisplay() const { return m_mirrorDisplay; }
    bool get_orientationPortrait() const { return m_orientationPortrait; }
    int get_pressGoDockPosition() const { return m_pressGoDockPosition; }
    bool get_syncNeeded() const { return m_syncNeeded; }
    int get_iosystemcfg() const { return m_iosystemcfg; }
    int get_zones2handle() const { return m_zones2handle; }
    int get_zones2handleStart() const { return m_zones2handleStart; }
    bool get_powerSourceChoice() const { return m_powerSourceChoice; }
    int get_powerSource() const { return m_powerSource; }
    bool get_hasFan() const { return m_hasFan; }
    bool get_verticalFlip() const { return m_verticalFlip; }
    int get_traysPerCabinet() const { return m_traysPerCabinet; }
    int get_zoneViewType() const { return m_zoneViewType; }
    bool get_perBinTemps() const { return m_perBinTemps; }
    bool get_pressGoBannerEnable() const { return m_pressGoBannerEnable; }
    int get_orientationId() const { return m_orientationId; }
    bool get_tempRangeErrorDisable() const { return m_tempRangeErrorDisable; }
    int get_importedFileVersion() const { return m_importedFileVersion; }
    int get_exportFileVersion() const { return 2; }
    int get_cabinetConfiguration() const { return m_cabinetConfiguration; }
    int get_topTempOffset() const { return m_topTempOffset; }
    bool get_linkedUseFirst() const { return m_linkedUseFirst; }
    bool get_discardOption() const { return m_discardOption; }
    int get_numIOBoards() const { return m_numIOBoards; }
    int get_discardOptionType() const { return m_discardOptionType; }
    bool get_lumoEnabled() const { return m_lumoEnabled; }
    bool get_productIDDisplayEnable() const { return m_productIDDisplayEnable; }
    int get_topHeaterResistance() const { return m_topHeaterResistance; }
    int get_bottomHeaterResistance() const { return m_bottomHeaterResistance; }
    int get_topHeaterCurrent() const { return m_topHeaterCurrent; }
    int get_bottomHeaterCurrent() const { return m_bottomHeaterCurrent; }
    int get_bottomTempOffset() const { return m_bottomTempOffset; }
    bool get_shelfNumbersEnable() const { return m_shelfNumbersEnable; }
    bool get_haccpDataCollection() const { return m_haccpDataCollection; }
    int get_temperatureUnit() const { return m_temperatureUnit; }
    bool get_touchBasedTransfer() const { return m_touchBasedTransfer; }
    int get_shelfNumberingOrder() const { return m_shelfNumberingOrder; }
    bool get_cleaningModeEnable() const { return m_cleaningModeEnable; }
    bool get_advancedZoneOptionsEnable() const { return m_advancedZoneOptionsEnable; }
    bool get_viewZoneTemperatureEnable() const { return m_viewZoneTemperatureEnable; }
    int get_maxCurrent() const { return m_maxCurrent; }
    int get_controlBoardType() const { return m_controlBoardType; }
    int get_startingShelfNumber() const { return m_startingShelfNumber; }
    int get_singleBinZone() const { return m_singleBinZone; }
    int get_zoneNumberingOrder() const { return m_zoneNumberingOrder; }
    bool get_screenCleanModeEnable() const { return m_screenCleanModeEnable; }
    bool get_timerColorEnable() const { return m_timerColorEnable; }
    bool get_timerDecrementEnable() const { return m_timerDecrementEnable; }
    bool get_preferencesPageLock() const { return m_preferencesPageLock; }
    int get_customerId() const { return m_customerId; }

    bool set_uiRole(int uiRole);
    bool set_numberOfZones(int numberOfZones);
    bool set_zonesPerRow(int zonesPerRow);
    bool set_traysPerZone(int binsPerZone);
    bool set_numberOfRows(int numberOfRows);
    bool set_numOfTempProbes(int numOfTempProbes);
    bool set_hasMirrorDisplay(bool hasMirrorDisplay);
    bool set_hasSecondaryDisplay(bool hasSecondaryDisplay);
    bool set_tempHandling(int tempHandling);
    bool set_tempLayout(int tempLayout);
    bool set_isIndividualDpSelectable(bool isIndividualDpSelectable);
    bool set_singleColumnUnit(bool singleColumnUnit);
    bool set_nfcEnabled(bool nfcEnabled);
    bool set_iAmMaster(bool iAmMaster);
    bool set_mirrorDisplay(bool mirrorDisplay);
    bool set_orientationPortrait(bool orientationPortrait);
    bool set_pressGoDockPosition(int pressGoDockPosition);
    bool set_syncNeeded(bool syncNeeded);
    bool set_iosystemcfg(int iosystemcfg);
    bool set_zones2handle(int zones2handle);
    bool set_zones2handleStart(int zones2handleStart);
    bool set_powerSourceChoice(bool powerSourceChoice);
    bool set_powerSource(int powerSource);
    bool set_hasFan(bool hasFan);
    bool set_verticalFlip(bool verticalFlip);
    bool set_traysPerCabinet(int traysPerCabinet);
    bool set_zoneViewType(int zoneViewType);
    bool set_perBinTemps(bool perBinTemps);
    bool set_pressGoBannerEnable(bool pressGoBannerEnable);
    bool set_orientationId(int orientationId);
    bool set_tempRangeErrorDisable(bool tempRangeErrorDisable);
    bool set_importedFileVersion(int importedFileVersion);
    bool set_cabinetConfiguration(int cabinetConfiguration);
    bool set_topTempOffset(int topTempOffset);
    bool set_linkedUseFirst(bool linkedUseFirst);
    bool set_discardOption(bool discardOption);
    bool set_numIOBoards(int numIOBoards);
    bool set_discardOptionType(int discardOptionType);
    bool set_lumoEnabled(bool lumoEnabled);
    bool set_productIDDisplayEnable(bool productIDDisplayEnable);
    bool set_topHeaterResistance(int topHeaterResistance);
    bool set_bottomHeaterResistance(int bottomHeaterResistance);
    bool set_topHeaterCurrent(int topHeaterCurrent);
    bool set_bottomHeaterCurrent(int bottomHeaterCurrent);
    bool set_bottomTempOffset(int bottomTempOffset);
    bool set_shelfNumbersEnable(bool shelfNumbersEnable);
    bool set_haccpDataCollection(bool haccpDataCollection);
    bool set_temperatureUnit(int temperatureUnit);
    bool set_touchBasedTransfer(bool touchBasedTransfer);
    bool set_shelfNumberingOrder(int shelfNumberingOrder);
    bool set_cleaningModeEnable(bool cleaningModeEnable);
    bool set_advancedZoneOptionsEnable(bool advancedZoneOptionsEnable);
    bool set_viewZoneTemperatureEnable(bool viewZoneTemperatureEnable);
    bool set_maxCurrent(int maxCurrent);
    bool set_controlBoardType(int controlBoardType);
    bool set_startingShelfNumber(int startingShelfNumber);
    bool set_singleBinZone(int singleBinZone);
    bool set_zoneNumberingOrder(int zoneNumberingOrder);
    bool set_screenCleanModeEnable(bool screenCleanModeEnable);
    bool set_timerColorEnable(bool timerColorEnable);
    bool set_timerDecrementEnable(bool timerDecrementEnable);
    bool set_preferencesPageLock(bool preferencesPageLock);
    bool set_customerId(int customerId);

    QList<int> *get_mio2uitMap() { return &m_mio2uitmap; }
    QList<int> *get_ui2mioZoneMap() { return &m_ui2mioZoneMap; }
    QList<int> *get_productLocationMap() { return &m_productLocationMap; }
    QList<ioBoardToZone_struct> *get_ioBoardToZoneMap() { return &m_ioBoardToZoneMap; }
    QList<int> *get_zoneMap() { return &m_zoneMap; }
    QList<int> *get_binTestTemps() { return &m_binTestTemps; }
    NfcMap *get_nfcMap() { return &m_nfcMap; }

    void setDefaultData();
    // Fills the NFC map with the built-in map of a cabinet model; other ids leave it.
    void initNfcMap(int id);
    // Null while NFC is disabled; otherwise the rebuilt polling table, which lives as
    // long as this object.
    NfcPollingInfo *get_nfcPollingInfo();
    // Reads a personality file, named relative to the current directory. True when
    // every mandatory key was read and accepted; values read before a failure stay.
    bool readFileID(const QString &filename);

signals:
    void uiRoleChanged(int uiRole);
    void numberOfZonesChanged(int numberOfZones);
    void zonesPerRowChanged(int zonesPerRow);
    void binsPerZoneChanged(int binsPerZone);
    void numberOfRowsChanged(int numberOfRows);
    void numOfTempProbesChanged(int numOfTempProbes);
    void hasMirrorDisplayChanged(bool hasMirrorDisplay);
    void hasSecondaryDisplayChanged(bool hasSecondaryDisplay);
    void tempHandlingChanged(int tempHandling);
    void tempLayoutChanged(int tempLayout);
    void isIndividualDpSelectableChanged(bool isIndividualDpSelectable);
    void singleColumnUnitChanged(bool singleColumnUnit);
    void nfcEnabledChanged(bool nfcEnabled);
    void iAmMasterChanged(bool iAmMaster);
    void mirrorDisplayChanged(bool mirrorDisplay);
    void orientationPortraitChanged(bool orientationPortrait);
    void pressGoDockPositionChanged(int pressGoDockPosition);
    void syncNeededChanged(bool syncNeeded);
    void iosystemcfgChanged(int iosystemcfg);
    void zones2handleChanged(int zones2handle);
    void zones2handleStartChanged(int zones2handleStart);
    void powerSourceChoiceChanged(bool powerSourceChoice);
    void powerSourceChanged(int powerSource);
    void hasFanChanged(bool hasFan);
    void verticalFlipChanged(bool verticalFlip);
    void traysPerCabinetChanged(int traysPerCabinet);
    void zoneViewTypeChanged(int zoneViewType);
    void perBinTempsChanged(bool perBinTemps);
    void pressGoBannerEnableChanged(bool pressGoBannerEnable);
    void orientationIdChanged(int orientationId);
    void tempRangeErrorDisableChanged(bool tempRangeErrorDisable);
    void versionChanged(int importedFileVersion);
    void cabinetConfigurationChanged(int cabinetConfiguration);
    void topTempOffsetChanged(int topTempOffset);
    void linkedUseFirstChanged(bool linkedUseFirst);
    void discardOptionChanged(bool discardOption);
    void numIOBoardsChanged(bool nonZero);
    void discardOptionTypeChanged(int discardOptionType);
    void lumoEnabledChanged(bool lumoEnabled);
    void productIDDisplayEnableChanged(bool productIDDisplayEnable);
    void topHeaterResistanceChanged(int topHeaterResistance);
    void bottomHeaterResistanceChanged(int bottomHeaterResistance);
    void topHeaterCurrentChanged(int topHeaterCurrent);
    void bottomHeaterCurrentChanged(int bottomHeaterCurrent);
    void bottomTempOffsetChanged(int bottomTempOffset);
    void shelfNumbersEnableChanged(bool shelfNumbersEnable);
    void haccpDataCollectionChanged(bool haccpDataCollection);
    void temperatureUnitChanged(int temperatureUnit);
    void touchBasedTransferChanged(bool touchBasedTransfer);
    void shelfNumberingOrderChanged(int shelfNumberingOrder);
    void cleaningModeEnableChanged(bool cleaningModeEnable);
    void advancedZoneOptionsEnableChanged(bool advancedZoneOptionsEnable);
    void viewZoneTemperatureEnableChanged(bool viewZoneTemperatureEnable);
    void maxCurrentChanged(int maxCurrent);
    void controlBoardTypeChanged(int controlBoardType);
    void startingShelfNumberChanged(int startingShelfNumber);
    void singleBinZoneChanged(int singleBinZone);
    void zoneNumberingOrderChanged(int zoneNumberingOrder);
    void screenCleanModeEnableChanged();
    void timerColorEnableChanged();
    void timerDecrementEnableChanged(bool timerDecrementEnable);
    void preferencesPageLockChanged(bool preferencesPageLock);
    void customerIdChanged(int customerId);

    void mio2uitmapChanged();
    void ui2mioZoneMapChanged();
    void productLocationMapChanged();
    void ioBoardToZoneMapChanged();
    void zoneMapChanged();
    void binTestTempsChanged();

private:
    template <typename T, typename Signal>
    bool assign(T &member, T value, Signal changed)
    {
        if (member == value)
            return false;
        member = value;
        emit(this->*changed)(member);
        return true;
    }
    void recomputeNumberOfZones(bool doubled);

    int m_uiRole = 0;
    int m_numberOfZones = 5;
    int m_zonesPerRow = 1;
    int m_binsPerZone = 2;
    int m_numberOfRows = 5;
    int m_numOfTempProbes = 0;
    bool m_hasMirrorDisplay = false;
    bool m_hasSecondaryDisplay = false;
    int m_tempHandling = 0;
    int m_tempLayout = 0;
    bool m_isIndividualDpSelectable = true;
    bool m_singleColumnUnit = false;
    bool m_nfcEnabled = true;
    bool m_iAmMaster = false;
    bool m_mirrorDisplay = false;
    bool m_orientationPortrait = false;
    int m_pressGoDockPosition = 0;
    bool m_syncNeeded = false;
    int m_iosystemcfg = 6;
    int m_zones2handle = 0;
    int m_zones2handleStart = 0;
    bool m_powerSourceChoice = false;
    int m_powerSource = 120;
    bool m_hasFan = false;
    bool m_verticalFlip = false;
    int m_traysPerCabinet = 10;
    int m_zoneViewType = 0;
    bool m_perBinTemps = false;
    bool m_pressGoBannerEnable = false;
    int m_orientationId = 0;
    bool m_tempRangeErrorDisable = false;
    int m_importedFileVersion = 0;
    int m_cabinetConfiguration = 10;
    int m_topTempOffset = 0;
    bool m_linkedUseFirst = false;
    bool m_discardOption = false;
    int m_numIOBoards = 1;
    int m_discardOptionType = 0;
    bool m_lumoEnabled = false;
    bool m_productIDDisplayEnable = false;
    int m_topHeaterResistance = 0;
    int m_bottomHeaterResistance = 0;
    int m_topHeaterCurrent = 0;
    int m_bottomHeaterCurrent = 0;
    int m_bottomTempOffset = 0;
    bool m_shelfNumbersEnable = true;
    bool m_haccpDataCollection = false;
    int m_temperatureUnit = 0;
    bool m_touchBasedTransfer = false;
    int m_shelfNumberingOrder = 0;
    bool m_cleaningModeEnable = false;
    bool m_advancedZoneOptionsEnable = false;
    bool m_viewZoneTemperatureEnable = false;
    int m_maxCurrent = 0;
    int m_controlBoardType = 1;
    int m_startingShelfNumber = 1;
    int m_singleBinZone = 0;
    int m_zoneNumberingOrder = 0;
    bool m_screenCleanModeEnable = false;
    bool m_timerColorEnable = false;
    bool m_timerDecrementEnable = false;
    bool m_preferencesPageLock = false;
    int m_customerId = 0;

    QList<int> m_mio2uitmap;
    QList<int> m_ui2mioZoneMap;
    QList<int> m_productLocationMap;
    QList<ioBoardToZone_struct> m_ioBoardToZoneMap;
    QList<int> m_zoneMap;
    QList<int> m_binTestTemps;
    NfcMap m_nfcMap;
    NfcPollingInfo m_nfcPollingInfo;
};

#endif // FILEID_H
