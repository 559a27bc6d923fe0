#include "fileid.h"
#include "configlog.h"

#include "safefilereader.h"

#include "jsonguard.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QJsonObject>
#include <QJsonValue>
#include <QVector>

#include <climits>
#include <cmath>
#include <functional>

FileID::FileID(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<ioBoardToZone_struct>("IoBoardToZone");
    setDefaultData();
}

// ---- values ---------------------------------------------------------------------

bool FileID::set_uiRole(int uiRole)
{
    return assign(m_uiRole, uiRole, &FileID::uiRoleChanged);
}

bool FileID::set_numberOfZones(int numberOfZones)
{
    return assign(m_numberOfZones, numberOfZones, &FileID::numberOfZonesChanged);
}

bool FileID::set_zonesPerRow(int zonesPerRow)
{
    if (!assign(m_zonesPerRow, zonesPerRow, &FileID::zonesPerRowChanged))
        return false;
    recomputeNumberOfZones(m_hasSecondaryDisplay || m_uiRole == 2);
    return true;
}

bool FileID::set_traysPerZone(int binsPerZone)
{
    return assign(m_binsPerZone, binsPerZone, &FileID::binsPerZoneChanged);
}

bool FileID::set_numberOfRows(int numberOfRows)
{
    if (!assign(m_numberOfRows, numberOfRows, &FileID::numberOfRowsChanged))
        return false;
    recomputeNumberOfZones(m_hasSecondaryDisplay || m_uiRole == 2);
    return true;
}

bool FileID::set_numOfTempProbes(int numOfTempProbes)
{
    return assign(m_numOfTempProbes, numOfTempProbes, &FileID::numOfTempProbesChanged);
}

bool FileID::set_hasMirrorDisplay(bool hasMirrorDisplay)
{
    return assign(m_hasMirrorDisplay, hasMirrorDisplay, &FileID::hasMirrorDisplayChanged);
}

bool FileID::set_hasSecondaryDisplay(bool hasSecondaryDisplay)
{
    if (!assign(m_hasSecondaryDisplay, hasSecondaryDisplay, &FileID::hasSecondaryDisplayChanged))
        return false;
    recomputeNumberOfZones(m_hasSecondaryDisplay);
    return true;
}

bool FileID::set_tempHandling(int tempHandling)
{
    return assign(m_tempHandling, tempHandling, &FileID::tempHandlingChanged);
}

bool FileID::set_tempLayout(int tempLayout)
{
    return assign(m_tempLayout, tempLayout, &FileID::tempLayoutChanged);
}

bool FileID::set_isIndividualDpSelectable(bool isIndividualDpSelectable)
{
    return assign(m_isIndividualDpSelectable, isIndividualDpSelectable,
                  &FileID::isIndividualDpSelectableChanged);
}

bool FileID::set_singleColumnUnit(bool singleColumnUnit)
{
    return assign(m_singleColumnUnit, singleColumnUnit, &FileID::singleColumnUnitChanged);
}

bool FileID::set_nfcEnabled(bool nfcEnabled)
{
    return assign(m_nfcEnabled, nfcEnabled, &FileID::nfcEnabledChanged);
}

bool FileID::set_iAmMaster(bool iAmMaster)
{
    return assign(m_iAmMaster, iAmMaster, &FileID::iAmMasterChanged);
}

bool FileID::set_mirrorDisplay(bool mirrorDisplay)
{
    return assign(m_mirrorDisplay, mirrorDisplay, &FileID::mirrorDisplayChanged);
}

bool FileID::set_orientationPortrait(bool orientationPortrait)
{
    return assign(m_orientationPortrait, orientationPortrait, &FileID::orientationPortraitChanged);
}

bool FileID::set_pressGoDockPosition(int pressGoDockPosition)
{
    return assign(m_pressGoDockPosition, pressGoDockPosition, &FileID::pressGoDockPositionChanged);
}

bool FileID::set_syncNeeded(bool syncNeeded)
{
    return assign(m_syncNeeded, syncNeeded, &FileID::syncNeededChanged);
}

bool FileID::set_iosystemcfg(int iosystemcfg)
{
    return assign(m_iosystemcfg, iosystemcfg, &FileID::iosystemcfgChanged);
}

bool FileID::set_zones2handle(int zones2handle)
{
    return assign(m_zones2handle, zones2handle, &FileID::zones2handleChanged);
}

bool FileID::set_zones2handleStart(int zones2handleStart)
{
    return assign(m_zones2handleStart, zones2handleStart, &FileID::zones2handleStartChanged);
}

bool FileID::set_powerSourceChoice(bool powerSourceChoice)
{
    return assign(m_powerSourceChoice, powerSourceChoice, &FileID::powerSourceChoiceChanged);
}

bool FileID::set_powerSource(int powerSource)
{
    return assign(m_powerSource, powerSource, &FileID::powerSourceChanged);
}

bool FileID::set_hasFan(bool hasFan)
{
    return assign(m_hasFan, hasFan, &FileID::hasFanChanged);
}

bool FileID::set_verticalFlip(bool verticalFlip)
{
    return assign(m_verticalFlip, verticalFlip, &FileID::verticalFlipChanged);
}

bool FileID::set_traysPerCabinet(int traysPerCabinet)
{
    return assign(m_traysPerCabinet, traysPerCabinet, &FileID::traysPerCabinetChanged);
}

bool FileID::set_zoneViewType(int zoneViewType)
{
    return assign(m_zoneViewType, zoneViewType, &FileID::zoneViewTypeChanged);
}

bool FileID::set_perBinTemps(bool perBinTemps)
{
    return assign(m_perBinTemps, perBinTemps, &FileID::perBinTempsChanged);
}

bool FileID::set_pressGoBannerEnable(bool pressGoBannerEnable)
{
    return assign(m_pressGoBannerEnable, pressGoBannerEnable, &FileID::pressGoBannerEnableChanged);
}

bool FileID::set_orientationId(int orientationId)
{
    return assign(m_orientationId, orientationId, &FileID::orientationIdChanged);
}

bool FileID::set_tempRangeErrorDisable(bool tempRangeErrorDisable)
{
    return assign(m_tempRangeErrorDisable, tempRangeErrorDisable,
                  &FileID::tempRangeErrorDisableChanged);
}

bool FileID::set_importedFileVersion(int importedFileVersion)
{
    return assign(m_importedFileVersion, importedFileVersion, &FileID::versionChanged);
}

bool FileID::set_cabinetConfiguration(int cabinetConfiguration)
{
    return assign(m_cabinetConfiguration, cabinetConfiguration,
                  &FileID::cabinetConfigurationChanged);
}

bool FileID::set_topTempOffset(int topTempOffset)
{
    return assign(m_topTempOffset, topTempOffset, &FileID::topTempOffsetChanged);
}

bool FileID::set_linkedUseFirst(bool linkedUseFirst)
{
    return assign(m_linkedUseFirst, linkedUseFirst, &FileID::linkedUseFirstChanged);
}

bool FileID::set_discardOption(bool discardOption)
{
    return assign(m_discardOption, discardOption, &FileID::discardOptionChanged);
}

bool FileID::set_numIOBoards(int numIOBoards)
{
    if (m_numIOBoards == numIOBoards)
        return false;
    m_numIOBoards = numIOBoards;
    emit numIOBoardsChanged(m_numIOBoards != 0);
    return true;
}

bool FileID::set_discardOptionType(int discardOptionType)
{
    return assign(m_discardOptionType, discardOptionType, &FileID::discardOptionTypeChanged);
}

bool FileID::set_lumoEnabled(bool lumoEnabled)
{
    return assign(m_lumoEnabled, lumoEnabled, &FileID::lumoEnabledChanged);
}

bool FileID::set_productIDDisplayEnable(bool productIDDisplayEnable)
{
    return assign(m_productIDDisplayEnable, productIDDisplayEnable,
                  &FileID::productIDDisplayEnableChanged);
}

bool FileID::set_topHeaterResistance(int topHeaterResistance)
{
    return assign(m_topHeaterResistance, topHeaterResistance, &FileID::topHeaterResistanceChanged);
}

bool FileID::set_bottomHeaterResistance(int bottomHeaterResistance)
{
    return assign(m_bottomHeaterResistance, bottomHeaterResistance,
                  &FileID::bottomHeaterResistanceChanged);
}

bool FileID::set_topHeaterCurrent(int topHeaterCurrent)
{
    return assign(m_topHeaterCurrent, topHeaterCurrent, &FileID::topHeaterCurrentChanged);
}

bool FileID::set_bottomHeaterCurrent(int bottomHeaterCurrent)
{
    return assign(m_bottomHeaterCurrent, bottomHeaterCurrent, &FileID::bottomHeaterCurrentChanged);
}

bool FileID::set_bottomTempOffset(int bottomTempOffset)
{
    return assign(m_bottomTempOffset, bottomTempOffset, &FileID::bottomTempOffsetChanged);
}

bool FileID::set_shelfNumbersEnable(bool shelfNumbersEnable)
{
    return assign(m_shelfNumbersEnable, shelfNumbersEnable, &FileID::shelfNumbersEnableChanged);
}

bool FileID::set_haccpDataCollection(bool haccpDataCollection)
{
    return assign(m_haccpDataCollection, haccpDataCollection, &FileID::haccpDataCollectionChanged);
}

bool FileID::set_temperatureUnit(int temperatureUnit)
{
    return assign(m_temperatureUnit, temperatureUnit, &FileID::temperatureUnitChanged);
}

bool FileID::set_touchBasedTransfer(bool touchBasedTransfer)
{
    return assign(m_touchBasedTransfer, touchBasedTransfer, &FileID::touchBasedTransferChanged);
}

bool FileID::set_shelfNumberingOrder(int shelfNumberingOrder)
{
    return assign(m_shelfNumberingOrder, shelfNumberingOrder, &FileID::shelfNumberingOrderChanged);
}

bool FileID::set_cleaningModeEnable(bool cleaningModeEnable)
{
    return assign(m_cleaningModeEnable, cleaningModeEnable, &FileID::cleaningModeEnableChanged);
}

bool FileID::set_advancedZoneOptionsEnable(bool advancedZoneOptionsEnable)
{
    return assign(m_advancedZoneOptionsEnable, advancedZoneOptionsEnable,
                  &FileID::advancedZoneOptionsEnableChanged);
}

bool FileID::set_viewZoneTemperatureEnable(bool viewZoneTemperatureEnable)
{
    return assign(m_viewZoneTemperatureEnable, viewZoneTemperatureEnable,
                  &FileID::viewZoneTemperatureEnableChanged);
}

bool FileID::set_maxCurrent(int maxCurrent)
{
    return assign(m_maxCurrent, maxCurrent, &FileID::maxCurrentChanged);
}

bool FileID::set_controlBoardType(int controlBoardType)
{
    return assign(m_controlBoardType, controlBoardType, &FileID::controlBoardTypeChanged);
}

bool FileID::set_startingShelfNumber(int startingShelfNumber)
{
    if (m_startingShelfNumber == startingShelfNumber)
        return false;
    m_startingShelfNumber = qMax(startingShelfNumber, 1); // shelves count from 1
    emit startingShelfNumberChanged(m_startingShelfNumber);
    return true;
}

bool FileID::set_singleBinZone(int singleBinZone)
{
    return assign(m_singleBinZone, singleBinZone, &FileID::singleBinZoneChanged);
}

bool FileID::set_zoneNumberingOrder(int zoneNumberingOrder)
{
    return assign(m_zoneNumberingOrder, zoneNumberingOrder, &FileID::zoneNumberingOrderChanged);
}

bool FileID::set_screenCleanModeEnable(bool screenCleanModeEnable)
{
    if (m_screenCleanModeEnable == screenCleanModeEnable)
        return false;
    m_screenCleanModeEnable = screenCleanModeEnable;
    emit screenCleanModeEnableChanged();
    return true;
}

bool FileID::set_timerColorEnable(bool timerColorEnable)
{
    if (m_timerColorEnable == timerColorEnable)
        return false;
    m_timerColorEnable = timerColorEnable;
    emit timerColorEnableChanged();
    return true;
}

bool FileID::set_timerDecrementEnable(bool timerDecrementEnable)
{
    return assign(m_timerDecrementEnable, timerDecrementEnable,
                  &FileID::timerDecrementEnableChanged);
}

bool FileID::set_preferencesPageLock(bool preferencesPageLock)
{
    return assign(m_preferencesPageLock, preferencesPageLock, &FileID::preferencesPageLockChanged);
}

bool FileID::set_customerId(int customerId)
{
    return assign(m_customerId, customerId, &FileID::customerIdChanged);
}

// numberOfZones follows the geometry; 64-bit so that absurd row counts cannot overflow.
void FileID::recomputeNumberOfZones(bool doubled)
{
    const qint64 zones = qint64(m_zonesPerRow) * m_numberOfRows * (doubled ? 2 : 1);
    set_numberOfZones(int(qBound<qint64>(INT_MIN, zones, INT_MAX)));
}

void FileID::setDefaultData()
{
    // The geometry first and in this order, so numberOfZones ends at its default
    // whatever the recomputations gave on the way.
    set_uiRole(0);
    set_traysPerZone(2);
    set_zonesPerRow(1);
    set_numberOfRows(5);
    set_numberOfZones(5);
    set_numOfTempProbes(0);
    set_hasMirrorDisplay(false);
    set_hasSecondaryDisplay(false);
    set_tempHandling(0);
    set_tempLayout(0);
    set_isIndividualDpSelectable(true);
    set_singleColumnUnit(false);
    set_nfcEnabled(true);
    set_iAmMaster(false);
    set_mirrorDisplay(false);
    set_orientationPortrait(false);
    set_pressGoDockPosition(0);
    set_syncNeeded(false);
    set_iosystemcfg(6);
    set_zones2handle(0);
    set_zones2handleStart(0);
    set_powerSourceChoice(false);
    set_powerSource(120);
    set_hasFan(false);
    set_verticalFlip(false);
    set_traysPerCabinet(10);
    set_zoneViewType(0);
    set_perBinTemps(false);
    set_pressGoBannerEnable(false);
    set_orientationId(0);
    set_tempRangeErrorDisable(false);
    set_importedFileVersion(0);
    set_cabinetConfiguration(10);
    set_topTempOffset(0);
    set_linkedUseFirst(false);
    set_discardOption(false);
    set_numIOBoards(1);
    set_discardOptionType(0);
    set_lumoEnabled(false);
    set_productIDDisplayEnable(false);
    set_topHeaterResistance(0);
    set_bottomHeaterResistance(0);
    set_topHeaterCurrent(0);
    set_bottomHeaterCurrent(0);
    set_bottomTempOffset(0);
    set_shelfNumbersEnable(true);
    set_haccpDataCollection(false);
    set_temperatureUnit(0);
    set_touchBasedTransfer(false);
    set_shelfNumberingOrder(0);
    set_cleaningModeEnable(false);
    set_advancedZoneOptionsEnable(false);
    set_viewZoneTemperatureEnable(false);
    set_maxCurrent(0);
    set_controlBoardType(1);
    set_startingShelfNumber(1);
    set_singleBinZone(0);
    set_zoneNumberingOrder(0);
    set_screenCleanModeEnable(false);
    set_timerColorEnable(false);
    set_timerDecrementEnable(false);
    set_preferencesPageLock(false);
    set_customerId(0);

    m_mio2uitmap.clear();
    m_ui2mioZoneMap.clear();
    m_productLocationMap.clear();
    m_ioBoardToZoneMap.clear();
    m_zoneMap.clear();
    m_binTestTemps.clear();
    m_nfcMap = NfcMap();
    m_nfcPollingInfo = NfcPollingInfo();
}

// ---- NFC reader maps ------------------------------------------------------------



namespace {

struct BuiltInNfcMap
{
    QVector<int> ids;
    QVector<int> zoneOrder;
    int leftPollOrder;
    int rightPollOrder;
};

const QVector<BuiltInNfcMap> &builtInNfcMaps()
{
    static const QVector<BuiltInNfcMap> maps = {
        {{1, 2}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 1, 2},      // 5x4 primary and second
        {{9, 10}, {0, 2, 1, 3}, 1, 1},                        // 2x4 primary and mirror
        {{17, 18, 32}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 1, 1}, // 2x2 and 5x2
    };
    return maps;
}

} // namespace

void FileID::initNfcMap(int id)
{
    const BuiltInNfcMap *chosen = nullptr;
    for (const BuiltInNfcMap &map : builtInNfcMaps()) {
        if (map.ids.contains(id))
            chosen = &map;
    }
    if (!chosen)
        return;

    int zones = m_numberOfZones;
    if (zones > chosen->zoneOrder.size()) {
        qCWarning(lcConfig).noquote() << QStringLiteral("initNfcMap: map %1 describes %2 zones, not %3; "
                                               "the other zones stay without readers")
                                    .arg(id).arg(chosen->zoneOrder.size()).arg(zones);
        zones = chosen->zoneOrder.size();
    }
    m_nfcMap = NfcMap();
    int address = 2;
    int channel = 0;
    for (int i = 0; i < zones; ++i) {
        const int z = chosen->zoneOrder.at(i);
        m_nfcMap.zones[i].zone = z;
        NfcZoneMapEntry &record = m_nfcMap.zones[z];
        record.bin[NfcZoneMapEntry::LeftBin] = {2 * i, address, channel, chosen->leftPollOrder};
        record.bin[NfcZoneMapEntry::RightBin] = {2 * i + 1, address, channel + 1,
                                                 chosen->rightPollOrder};
        channel += 2;
        if (channel > 9) { // a reader board serves channels 0-9, five zones
            ++address;
            channel = 0;
        }
    }
}

bool FileID::rebuildNfcPollingInfo(QString *problem)
{
    m_nfcPollingInfo = NfcPollingInfo();
    const int zones = qBound(0, m_numberOfZones, int(NfcMap::ZoneCount));
    // One line per kind of problem, naming its first occurrence.
    QStringList problems;
    enum { BadPollOrder, ThirdAddress, FullGroup };
    bool noted[3] = {};
    auto note = [&](int kind, const QString &text) {
        if (!noted[kind])
            problems << text;
        noted[kind] = true;
    };
    QVector<int> addresses;
    QVector<int> pollOrders;
    for (int z = 0; z < zones; ++z) {
        for (const NfcBinMapEntry &bin : m_nfcMap.zones[z].bin) {
            if (bin.pollOrder < 1 || bin.pollOrder > NfcPollingInfo::PollOrderCount) {
                note(BadPollOrder, QStringLiteral("nfcMap zone%1 has pollOrder %2, expected 1 or 2")
                                       .arg(z).arg(bin.pollOrder));
                continue;
            }
            if (!addresses.contains(bin.address)) {
                if (addresses.size() == NfcPollingInfo::AddressCount) {
                    note(ThirdAddress, QStringLiteral("nfcMap zone%1 uses reader address %2, "
                                                      "more than 2 reader addresses")
                                           .arg(z).arg(bin.address));
                    continue;
                }
                addresses << bin.address;
            }
            if (!pollOrders.contains(bin.pollOrder))
                pollOrders << bin.pollOrder;
        }
    }
    m_nfcPollingInfo.addressCount = addresses.size();
    m_nfcPollingInfo.pollOrderCount = pollOrders.size();

    for (int pollOrder : qAsConst(pollOrders)) {
        for (int a = 0; a < addresses.size(); ++a) {
            NfcPollGroup &group = m_nfcPollingInfo.group[a][pollOrder - 1];
            group.address = addresses.at(a);
            for (int z = 0; z < zones; ++z) {
                for (const NfcBinMapEntry &bin : m_nfcMap.zones[z].bin) {
                    if (bin.address != group.address || bin.pollOrder != pollOrder)
                        continue;
                    if (group.count == NfcPollGroup::SlotCount) {
                        note(FullGroup, QStringLiteral("nfcMap puts more than 12 bins on reader "
                                                       "address %1 in poll order %2")
                                            .arg(group.address).arg(pollOrder));
                        continue;
                    }
                    group.entries[group.count++] = {bin.channel, bin.binIndex};
                }
            }
        }
    }
    if (problem)
        *problem = problems.join(QStringLiteral("; "));
    return problems.isEmpty();
}

NfcPollingInfo *FileID::get_nfcPollingInfo()
{
    if (!m_nfcEnabled)
        return nullptr;
    QString problem;
    if (!rebuildNfcPollingInfo(&problem))
        qCWarning(lcConfig).noquote() << problem;
    return &m_nfcPollingInfo;
}

// ---- personality file -----------------------------------------------------------

namespace {

bool isUndefined(const QJsonValue &value)
{
    return value.isUndefined() || value.isNull();
}

// A JSON number that is a whole int; anything else reads as 0.
int jsonInt(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    if (number < double(INT_MIN) || number > double(INT_MAX) || std::floor(number) != number)
        return 0;
    return int(number);
}

void warn(const QString &text)
{
    qCWarning(lcConfig).noquote() << text;
}

// The signal a reader emits itself when the stored value was already the one read.
void announce(FileID &f, void (FileID::*changed)(int), int value) { emit(f.*changed)(value); }
void announce(FileID &f, void (FileID::*changed)(bool), bool value) { emit(f.*changed)(value); }
void announce(FileID &f, void (FileID::*changed)(bool), int value) { emit(f.*changed)(value != 0); }
void announce(FileID &f, void (FileID::*changed)(), bool) { emit(f.*changed)(); }

// One scalar key of the personality. `apply` stores the value and announces it; a
// false return would fail the file (no key refuses a value today).
struct ScalarKey
{
    const char *key;
    const char *undefinedMessage; // null: an optional key
    std::function<bool(FileID &, const QJsonValue &)> apply;
};

template <typename Signal>
ScalarKey flagKey(const char *key, const char *message, bool (FileID::*set)(bool),
                  bool (FileID::*get)() const, Signal changed)
{
    return {key, message, [=](FileID &f, const QJsonValue &value) {
                if (!(f.*set)(value.toBool(false)))
                    announce(f, changed, (f.*get)());
                return true;
            }};
}

// Any int is stored as it stands: the code that sizes or indexes a table with a value
// bounds it there.
template <typename Signal>
ScalarKey intKey(const char *key, const char *message, bool (FileID::*set)(int),
                 int (FileID::*get)() const, Signal changed)
{
    return {key, message, [=](FileID &f, const QJsonValue &value) {
                const int number = jsonInt(value);
                if (!(f.*set)(number))
                    announce(f, changed, (f.*get)());
                return true;
            }};
}

// Most keys name their property and their message.
#define FLAG_KEY(name, message) \
    flagKey(#name, message, &FileID::set_##name, &FileID::get_##name, &FileID::name##Changed)
#define FLAG(name) FLAG_KEY(name, #name " is undefined")
#define OPTIONAL_FLAG(name) FLAG_KEY(name, nullptr)
#define INT_KEY(name, message) \
    intKey(#name, message, &FileID::set_##name, &FileID::get_##name, &FileID::name##Changed)
#define INT(name) INT_KEY(name, #name " is undefined")
#define OPTIONAL_INT(name) INT_KEY(name, nullptr)

// Keys 1-31: read by every version, before the lists.
const QVector<ScalarKey> &layoutKeys()
{
    static const QVector<ScalarKey> keys = {
        FLAG(hasFan),
        FLAG(hasMirrorDisplay),
        FLAG(hasSecondaryDisplay),
        FLAG(iAmMaster),
        INT(iosystemcfg),
        FLAG(isIndividualDpSelectable),
        FLAG(mirrorDisplay),
        FLAG(nfcEnabled),
        INT(numberOfRows),
        INT(zonesPerRow),
        INT(numOfTempProbes),
        FLAG(orientationPortrait),
        INT(powerSource),
        FLAG(powerSourceChoice),
        INT(pressGoDockPosition),
        FLAG(singleColumnUnit),
        FLAG(syncNeeded),
        INT(tempHandling),
        INT(tempLayout),
        intKey("traysPerZone", "binsPerZone is undefined", &FileID::set_traysPerZone,
               &FileID::get_traysPerZone, &FileID::binsPerZoneChanged),
        INT(uiRole),
        INT(zones2handle),
        INT(zones2handleStart),
        INT(orientationId),
        FLAG(verticalFlip),
        INT(numberOfZones),
        INT(traysPerCabinet),
        INT(zoneViewType),
        FLAG(perBinTemps),
        FLAG(pressGoBannerEnable),
        INT(cabinetConfiguration),
    };
    return keys;
}

// Keys 39-68 by the version that introduced them.
struct VersionBlock
{
    int fromVersion;
    QVector<ScalarKey> keys;
};

const QVector<VersionBlock> &versionBlocks()
{
    static const QVector<VersionBlock> blocks = {
        {2, {
            FLAG(linkedUseFirst),
            FLAG(discardOption),
            INT(numIOBoards),
            INT(discardOptionType),
            FLAG(lumoEnabled),
            FLAG(productIDDisplayEnable),
            INT(topHeaterCurrent),
            INT(bottomHeaterCurrent),
            FLAG(shelfNumbersEnable),
            FLAG(haccpDataCollection),
            INT(temperatureUnit),
            FLAG(touchBasedTransfer),
            INT(shelfNumberingOrder),
        }},
        {3, {
            OPTIONAL_FLAG(advancedZoneOptionsEnable),
            flagKey("viewZoneTemperature", "viewZoneTemperatureEnable is undefined",
                    &FileID::set_viewZoneTemperatureEnable, &FileID::get_viewZoneTemperatureEnable,
                    &FileID::viewZoneTemperatureEnableChanged),
            FLAG(cleaningModeEnable),
        }},
        {4, {
            INT(topTempOffset),
            INT(bottomTempOffset),
            INT(topHeaterResistance),
            INT(bottomHeaterResistance),
            OPTIONAL_INT(maxCurrent),
            OPTIONAL_INT(controlBoardType),
        }},
        {5, {
            INT(startingShelfNumber),
        }},
        {6, {
            INT(singleBinZone),
        }},
        {7, {
            INT(zoneNumberingOrder),
            OPTIONAL_FLAG(timerColorEnable),
            FLAG(screenCleanModeEnable),
        }},
        {8, {
            FLAG(timerDecrementEnable),
            FLAG(preferencesPageLock),
        }},
        {9, {
            INT(customerId),
        }},
    };
    return blocks;
}

#undef FLAG_KEY
#undef FLAG
#undef OPTIONAL_FLAG
#undef INT_KEY
#undef INT
#undef OPTIONAL_INT

// Reads one personality object into a FileID. Keeps the error flag that, once set by
// an undefined key or a broken list or map, makes every later mandatory key undefined too.
class PersonalityReader
{
public:
    PersonalityReader(FileID &fileId, const QJsonObject &personality)
        : m_f(fileId), m_p(personality) {}

    bool failed() const { return m_failed; }

    void readScalars(const QVector<ScalarKey> &keys)
    {
        for (const ScalarKey &key : keys) {
            const QJsonValue value = m_p.value(QLatin1String(key.key));
            if (isUndefined(value) || m_failed) {
                if (key.undefinedMessage)
                    fail(QLatin1String(key.undefinedMessage));
                continue;
            }
            if (!key.apply(m_f, value))
                m_failed = true;
        }
    }

    // Element i becomes entry i; a null element stops the list, which then keeps what
    // came before it and announces nothing.
    bool readIntList(const char *key, QList<int> *list, const char *label,
                     void (FileID::*changed)())
    {
        const QJsonValue value = m_p.value(QLatin1String(key));
        if (isUndefined(value) || m_failed) {
            fail(QStringLiteral("%1 is undefined").arg(QLatin1String(key)));
            return false;
        }
        list->clear();
        const QJsonArray array = value.toArray();
        for (int i = 0; i < array.size(); ++i) {
            if (isUndefined(array.at(i))) {
                fail(QStringLiteral("Failed reading %1 at index %2")
                         .arg(QLatin1String(key)).arg(i));
                return false;
            }
            list->append(jsonInt(array.at(i)));
        }
        qCDebug(lcConfig).noquote() << label << *list;
        (m_f.*changed)(); // the list is complete: announce it
        return true;
    }

    void readIoBoardToZoneMap()
    {
        const QJsonValue value = m_p.value(QLatin1String("ioBoardToZoneMap"));
        if (isUndefined(value) || m_failed) {
            fail(QStringLiteral("ioBoardToZoneMap is undefined"));
            return;
        }
        QList<ioBoardToZone_struct> *list = m_f.get_ioBoardToZoneMap();
        list->clear();
        const QJsonObject boards = value.toObject();
        for (int i = 0; i < boards.size(); ++i) {
            const QString name = QStringLiteral("io[%1]").arg(i);
            const QJsonValue board = boards.value(name);
            if (isUndefined(board)) {
                fail(QStringLiteral("ioBoardToZoneMap %1 is undefined").arg(name));
                return;
            }
            const QJsonObject zones = board.toObject();
            const ioBoardToZone_struct record{jsonInt(zones.value(QLatin1String("firstZone"))),
                                              jsonInt(zones.value(QLatin1String("secondZone")))};
            list->append(record);
            const QString logged = QStringLiteral("ioBoardToZoneMap[%1].%2 = %3").arg(i);
            qCDebug(lcConfig).noquote() << logged.arg(QLatin1String("firstZone")).arg(record.firstZone);
            qCDebug(lcConfig).noquote() << logged.arg(QLatin1String("secondZone")).arg(record.secondZone);
        }
        emit m_f.ioBoardToZoneMapChanged();
    }

    // Zone i fills record i of the 20-record map. The walk goes over every zone, so
    // once the flag is set each later zone reports itself undefined.
    void readNfcMap()
    {
        if (!m_f.get_nfcEnabled())
            return;
        const QJsonValue value = m_p.value(QLatin1String("nfcMap"));
        if (isUndefined(value) || m_failed) {
            fail(QStringLiteral("nfcMap is undefined"));
            return;
        }
        const int zones = m_f.get_numberOfZones();
        if (zones > NfcMap::ZoneCount) {
            fail(QStringLiteral("nfcMap cannot describe %1 zones, at most %2")
                     .arg(zones).arg(int(NfcMap::ZoneCount)));
            return;
        }
        const QJsonObject map = value.toObject();
        for (int i = 0; i < zones; ++i)
            readNfcZone(map, i);
        if (m_failed)
            return;
        // A map the polling table cannot hold in full is still the file's map: what does
        // not fit is left out of the table and said once.
        QString problem;
        if (!m_f.rebuildNfcPollingInfo(&problem))
            warn(problem);
    }

private:
    void fail(const QString &message)
    {
        warn(message);
        m_failed = true;
    }

    void readNfcZone(const QJsonObject &map, int i)
    {
        const QString zoneName = QStringLiteral("zone%1").arg(i);
        const QJsonValue zoneValue = map.value(zoneName);
        if (isUndefined(zoneValue) || m_failed) {
            fail(QStringLiteral("NFC %1 is undefined").arg(zoneName));
            return;
        }
        const QJsonObject zone = zoneValue.toObject();
        NfcZoneMapEntry &record = m_f.get_nfcMap()->zones[i];
        record.zone = jsonInt(zone.value(QLatin1String("zone")));
        readNfcBin(zone, QStringLiteral("left-bin"), zoneName,
                   record.bin[NfcZoneMapEntry::LeftBin]);
        readNfcBin(zone, QStringLiteral("right-bin"), zoneName,
                   record.bin[NfcZoneMapEntry::RightBin]);
    }

    void readNfcBin(const QJsonObject &zone, const QString &binName, const QString &zoneName,
                    NfcBinMapEntry &entry)
    {
        const QJsonValue binValue = zone.value(binName);
        if (isUndefined(binValue)) {
            fail(QStringLiteral("NFC %1 of %2 is undefined").arg(binName, zoneName));
            return;
        }
        const QJsonObject bin = binValue.toObject();
        // Stored as read: the IO-board manager takes only the channels and bins it has.
        entry = {jsonInt(bin.value(QLatin1String("binIndex"))), jsonInt(bin.value(QLatin1String("address"))),
                 jsonInt(bin.value(QLatin1String("channel"))), jsonInt(bin.value(QLatin1String("pollOrder")))};
    }

    FileID &m_f;
    const QJsonObject m_p;
    bool m_failed = false;
};

} // namespace

bool FileID::readFileID(const QString &filename)
{
    // Opened for writing as well, as the file always was; ExistingOnly so that a name
    // that is not there is never created as an empty personality file.
    QFile file(filename);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Text | QIODevice::ExistingOnly)) {
        qCWarning(lcConfig).noquote() << "Could not open file:" << filename;
        return false;
    }
    qCDebug(lcConfig).noquote() << "Opened" << filename;
    file.close();
    // A file that cannot be used stays as it is: the reader never changes the personality.
    QByteArray text;
    if (SafeFileReader::read(filename, kMaxFileBytes, &text, "personality file") != SafeFileReader::Ok)
        return false;
    QJsonParseError parseError;
    const QJsonDocument document = JsonGuard::parse(text, "personality file", int(kMaxFileBytes), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        qCWarning(lcConfig).noquote() << "Parse Error:" << parseError.errorString();
        return false;
    }

    const QJsonObject top = document.object(); // empty unless the document is an object
    const QJsonObject header = top.value(QLatin1String("header")).toObject();
    const QJsonObject personality = top.value(QLatin1String("personality")).toObject();
    qCDebug(lcConfig).noquote() << "headerChecksum" << header.value(QLatin1String("checksum")).toString();
    // The header's digest is informational only: logged beside ours, never compared.
    const QByteArray buffer = QJsonDocument(personality).toJson(QJsonDocument::Indented);
    // The whole configuration (some 300 lines) only when asked for: QT_LOGGING_RULES=tul.config.debug=true.
    if (lcConfigDump().isDebugEnabled())
        qCDebug(lcConfigDump).noquote() << "buffer" << QString::fromUtf8(buffer);
    else
        qCDebug(lcConfig).noquote() << "buffer" << buffer.size() << "bytes";
    qCDebug(lcConfig).noquote() << "calcChecksum"
                       << QCryptographicHash::hash(buffer, QCryptographicHash::Md5).toHex();

    const QJsonValue version = personality.value(QLatin1String("version"));
    if (isUndefined(version)) {
        qCWarning(lcConfig) << "version is undefined";
        return false;
    }
    const int versionNumber = jsonInt(version);
    if (!set_importedFileVersion(versionNumber))
        emit versionChanged(m_importedFileVersion);
    if (versionNumber <= 0) {
        qCWarning(lcConfig) << "Invalid version" << versionNumber;
        return false;
    }

    PersonalityReader reader(*this, personality);
    reader.readScalars(layoutKeys());
    reader.readIntList("mio2uitmap", &m_mio2uitmap, "m_mio2uitmap", &FileID::mio2uitmapChanged);
    reader.readIntList("ui2mioZoneMap", &m_ui2mioZoneMap, "ui2mioZoneMap",
                       &FileID::ui2mioZoneMapChanged);
    reader.readIntList("productLocationMap", &m_productLocationMap, "productLocationMap",
                       &FileID::productLocationMapChanged);
    reader.readIoBoardToZoneMap();
    reader.readIntList("zoneMap", &m_zoneMap, "zoneMap", &FileID::zoneMapChanged);
    reader.readIntList("binTestTemps", &m_binTestTemps, "binTestTemps",
                       &FileID::binTestTempsChanged);
    reader.readNfcMap();
    for (const VersionBlock &block : versionBlocks()) {
        if (versionNumber >= block.fromVersion)
            reader.readScalars(block.keys);
    }
    return !reader.failed();
}
