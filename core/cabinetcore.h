#ifndef CABINETCORE_H
#define CABINETCORE_H

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariantMap>

class ConfigurationManager;
class DayPartManager;
class MenuManager;
class Translator;

// What the managers ask of the application core. CabinetManager (the composition root,
// built into the executable) implements it; managers find it through their parent chain
// with CabinetCore::of(this) and call it where they would call their parent. Tests give
// a manager a fake core instead.
class CabinetCore : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool flashDriveMounted READ get_flashDriveMounted WRITE set_flashDriveMounted NOTIFY flashDriveMountedChanged)
    Q_PROPERTY(bool activelyHolding READ get_activelyHolding NOTIFY activelyHoldingChanged)

public:
    explicit CabinetCore(QObject *parent = nullptr) : QObject(parent) {}

    // The nearest CabinetCore among `object` and its ancestors, or null.
    static CabinetCore *of(const QObject *object);

    // (f - 32) x 5 / 9 and c x 9 / 5 + 32, rounded to the nearest degree, halves upward.
    static int convertToCelsius(int fahrenheit);
    static int convertToFahrenheit(int celsius);

    // Layout, copied from the personality or the built-in layout; fixed for the run.
    virtual bool get_isConfigured() const = 0;
    virtual int get_orientationId() const = 0;
    virtual int get_uiRole() const = 0;
    virtual int get_customerId() const = 0;
    virtual int get_numberOfZones() const = 0;
    // The personality's screen-to-board zone map (empty: the board's own order).
    virtual QList<int> get_ui2mioZoneMap() const { return {}; }
    virtual int get_traysPerZone() const = 0;
    virtual int get_traysPerCabinet() const = 0;
    virtual int get_zonesPerRow() const = 0;
    virtual int get_numberOfRows() const = 0;
    virtual int get_singleBinZone() const = 0;
    virtual bool get_singleColumnUnit() const = 0;
    virtual int get_tempHandling() const = 0;
    virtual int get_cabinetConfiguration() const = 0;
    virtual int get_numIOBoards() const = 0;
    virtual int get_controlBoardType() const = 0; // TulDefs::TUL_IO_BOARD_TYPE_tag
    virtual bool get_hasFan() const = 0;
    virtual bool get_iAmMaster() const = 0;
    virtual bool get_nfcEnabled() const = 0;
    virtual bool get_haccpEnabled() const = 0;
    virtual bool get_productIdDisplayEnable() const = 0;
    virtual bool get_timerColorEnable() const = 0;
    virtual bool get_hasMirrorDisplay() const = 0;
    virtual bool get_hasSecondaryDisplay() const = 0;
    virtual bool get_isIndividualDpSelectable() const = 0;
    virtual bool get_timerDecrementEnable() const = 0;
    virtual bool get_verticalFlip() const = 0;
    virtual bool get_powerSourceChoice() const = 0;
    virtual int get_powerSource() const = 0;
    virtual int get_maxCurrent() const = 0;
    virtual int get_bottomHeaterResistance() const = 0;
    virtual int get_topHeaterResistance() const = 0;
    virtual int get_bottomTempOffset() const = 0;
    virtual int get_topTempOffset() const = 0;

    // Run-time state.
    virtual bool get_activelyHolding() const = 0;
    virtual int get_pluggedInMinutes() const = 0;
    virtual bool get_flashDriveMounted() const = 0;
    virtual void set_flashDriveMounted(bool mounted) = 0;

    // The managers the core owns (null until created).
    virtual ConfigurationManager *configManager() const = 0;
    virtual Translator *translator() const = 0;
    virtual MenuManager *menuManager() const = 0;
    virtual DayPartManager *daypartManager() const = 0;

    // Local time: one hour later with daylight saving on, in the chosen time zone.
    virtual QDateTime adjustToLocalDateTime(QDateTime &dateTime) = 0;

    // Flash drive.
    virtual QString readFlashDrivePath() = 0;
    virtual bool isFlashDriveMounted() = 0;

    // Display link: what goes to the other displays of the cabinet.
    virtual void sendFileViaCanbus(int fileId) = 0;
    virtual void sendFileViaCanbus(const QString &filePath, int transferId) = 0;
    virtual void sendOvUpdateProducts() = 0;
    virtual void sendOvUpdateDayparts() = 0;
    virtual void sendConfigSettingsData() = 0;
    virtual void sendLanguageSettingsData() = 0;
    // A display that is not the master asks the master to apply Preferences values
    // (keys are the settings' property names).
    virtual void sendConfigSettingsChangeRequest(const QVariantMap &values) = 0;
    virtual void sendRequestRollCallMsg() = 0;
    virtual void sendErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3) = 0;
    virtual void sendErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3) = 0;
    virtual void sendClearAllErrorInfo() = 0;

signals:
    void powerOn();
    void noUserInteraction();
    void slaveUiFoundChanged(bool found);
    void masterUiWasFound();
    void ovUpdateReloadFiles();
    void activelyHoldingChanged(bool holding);
    void flashDriveMountedChanged(bool mounted);
};

#endif // CABINETCORE_H
