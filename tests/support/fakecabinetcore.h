#ifndef FAKECABINETCORE_H
#define FAKECABINETCORE_H

#include "cabinetcore.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

// An application core for tests: the layout is plain public fields (a configured 5x4
// primary master display by default), the managers are whatever the test hands in, and
// every display-link send is recorded instead of sent.
class FakeCabinetCore : public CabinetCore
{
    Q_OBJECT

public:
    explicit FakeCabinetCore(QObject *parent = nullptr) : CabinetCore(parent) {}

    struct Sent
    {
        QString what;     // the sender's name, e.g. "sendFileViaCanbus"
        QVariantList args;
    };

    bool isConfigured = true;
    int orientationId = 1;
    int uiRole = 1;
    int customerId = 0;
    int numberOfZones = 5;
    QList<int> ui2mioZoneMap;
    int traysPerZone = 4;
    int zonesPerRow = 1;
    int numberOfRows = 5;
    int singleBinZone = 0;
    bool singleColumnUnit = true;
    int tempHandling = 0;
    int cabinetConfiguration = 0;
    int numIOBoards = 1;
    int controlBoardType = 0; // twelve heaters: one IO board
    bool hasFan = false;
    bool iAmMaster = true;
    bool nfcEnabled = false;
    bool haccpEnabled = false;
    bool productIdDisplayEnable = false;
    bool timerColorEnable = false;
    bool hasMirrorDisplay = false;
    bool hasSecondaryDisplay = false;
    bool isIndividualDpSelectable = false;
    bool timerDecrementEnable = false;
    bool verticalFlip = false;
    bool powerSourceChoice = false;
    int powerSource = 0;
    int maxCurrent = 0;
    int bottomHeaterResistance = 0;
    int topHeaterResistance = 0;
    int bottomTempOffset = 0;
    int topTempOffset = 0;
    bool activelyHolding = false;
    int pluggedInMinutes = 0;
    bool flashDriveMounted = false;
    bool flashDriveMountAnswer = false;

    ConfigurationManager *configManagerPtr = nullptr;
    Translator *translatorPtr = nullptr;
    MenuManager *menuManagerPtr = nullptr;
    DayPartManager *daypartManagerPtr = nullptr;

    QList<Sent> sent;
    QStringList sentNames() const;

    bool get_isConfigured() const override { return isConfigured; }
    int get_orientationId() const override { return orientationId; }
    int get_uiRole() const override { return uiRole; }
    int get_customerId() const override { return customerId; }
    int get_numberOfZones() const override { return numberOfZones; }
    QList<int> get_ui2mioZoneMap() const override { return ui2mioZoneMap; }
    int get_traysPerZone() const override { return traysPerZone; }
    int get_traysPerCabinet() const override { return numberOfZones * traysPerZone; }
    int get_zonesPerRow() const override { return zonesPerRow; }
    int get_numberOfRows() const override { return numberOfRows; }
    int get_singleBinZone() const override { return singleBinZone; }
    bool get_singleColumnUnit() const override { return singleColumnUnit; }
    int get_tempHandling() const override { return tempHandling; }
    int get_cabinetConfiguration() const override { return cabinetConfiguration; }
    int get_numIOBoards() const override { return numIOBoards; }
    int get_controlBoardType() const override { return controlBoardType; }
    bool get_hasFan() const override { return hasFan; }
    bool get_iAmMaster() const override { return iAmMaster; }
    bool get_nfcEnabled() const override { return nfcEnabled; }
    bool get_haccpEnabled() const override { return haccpEnabled; }
    bool get_productIdDisplayEnable() const override { return productIdDisplayEnable; }
    bool get_timerColorEnable() const override { return timerColorEnable; }
    bool get_hasMirrorDisplay() const override { return hasMirrorDisplay; }
    bool get_hasSecondaryDisplay() const override { return hasSecondaryDisplay; }
    bool get_isIndividualDpSelectable() const override { return isIndividualDpSelectable; }
    bool get_timerDecrementEnable() const override { return timerDecrementEnable; }
    bool get_verticalFlip() const override { return verticalFlip; }
    bool get_powerSourceChoice() const override { return powerSourceChoice; }
    int get_powerSource() const override { return powerSource; }
    int get_maxCurrent() const override { return maxCurrent; }
    int get_bottomHeaterResistance() const override { return bottomHeaterResistance; }
    int get_topHeaterResistance() const override { return topHeaterResistance; }
    int get_bottomTempOffset() const override { return bottomTempOffset; }
    int get_topTempOffset() const override { return topTempOffset; }

    bool get_activelyHolding() const override { return activelyHolding; }
    int get_pluggedInMinutes() const override { return pluggedInMinutes; }
    bool get_flashDriveMounted() const override { return flashDriveMounted; }
    void set_flashDriveMounted(bool mounted) override;

    ConfigurationManager *configManager() const override { return configManagerPtr; }
    Translator *translator() const override { return translatorPtr; }
    MenuManager *menuManager() const override { return menuManagerPtr; }
    DayPartManager *daypartManager() const override { return daypartManagerPtr; }

    // Without a settings store: the instant as it is, in local time.
    QDateTime adjustToLocalDateTime(QDateTime &dateTime) override { return dateTime.toLocalTime(); }

    QString readFlashDrivePath() override;
    bool isFlashDriveMounted() override { return flashDriveMountAnswer; }
    // As the composition root: asks the mount table and publishes the answer.
    Q_INVOKABLE void refreshFlashDriveMounted() { set_flashDriveMounted(isFlashDriveMounted()); }

    void sendFileViaCanbus(int fileId) override { record("sendFileViaCanbus", {fileId}); }
    void sendFileViaCanbus(const QString &filePath, int transferId) override
    {
        record("sendFileViaCanbus", {filePath, transferId});
    }
    void sendOvUpdateProducts() override { record("sendOvUpdateProducts", {}); }
    void sendOvUpdateDayparts() override { record("sendOvUpdateDayparts", {}); }
    void sendConfigSettingsData() override { record("sendConfigSettingsData", {}); }
    void sendLanguageSettingsData() override { record("sendLanguageSettingsData", {}); }
    void sendConfigSettingsChangeRequest(const QVariantMap &values) override
    {
        record("sendConfigSettingsChangeRequest", {values});
    }
    void sendRequestRollCallMsg() override { record("sendRequestRollCallMsg", {}); }
    void sendErrorInfo(int a, int b, int c, int d) override { record("sendErrorInfo", {a, b, c, d}); }
    void sendErrorClearInfo(int a, int b, int c, int d) override
    {
        record("sendErrorClearInfo", {a, b, c, d});
    }
    void sendClearAllErrorInfo() override { record("sendClearAllErrorInfo", {}); }

public slots:
    // The composition root's own slot, reached by name by the first-start installation.
    void set_iAmMaster(bool master)
    {
        iAmMaster = master;
        record("set_iAmMaster", {master});
    }

private:
    void record(const char *what, const QVariantList &args);
};

#endif // FAKECABINETCORE_H
