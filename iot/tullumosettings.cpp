// The cloud link's reports of the cabinet itself: settings and state changes, and the
// power-on report with the menu snapshot once per run.
#include "tullumo.h"

#include "cabinetcore.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "iotcabinetview.h"
#include "iotholdingview.h"
#include "iotjson.h"
#include "iotlink.h"
#include "iotlog.h"
#include "menumanager.h"
#include "translator.h"

namespace {

constexpr int CustomerTandor = 2;
constexpr int CustomerQrb = 3;
constexpr int CustomerHalvo = 5;
constexpr int Languages = 15;
const QString Null = QStringLiteral("null");

// The languages whose names the menu snapshot carries.
int namedLanguages(int customerId)
{
    if (customerId == CustomerQrb || customerId == CustomerTandor)
        return 3;
    if (customerId == CustomerHalvo)
        return 2;
    return Languages;
}

// A product's name in each language as MenuManager::getProductName(language, id) gives it,
// with the product looked up once rather than once per language.
std::function<QString(int)> namesOf(const MenuManager *menu, int id)
{
    const int row = menu->getProductIndex(id);
    return [menu, row](int language) { return menu->productNameOfRow(row, language); };
}

} // namespace

// ---- settings and state -----------------------------------------------------------------

void TulLumo::handle_event_ecoModeSettings()
{
    const ConfigurationManager *settings = config();
    if (!settings)
        return;
    QJsonObject message;
    message.insert(QStringLiteral("event"), QStringLiteral("ecoModeSettings"));
    message.insert(QStringLiteral("timestamp"), now());
    message.insert(QStringLiteral("serialNumber"), settings->get_serialNumber());
    message.insert(QStringLiteral("shelfTemperatureSetting"),
                   settings->get_ecoShelfHeatMode() != 0 ? settings->get_ecoShelfHeatTemp() : 0);
    message.insert(QStringLiteral("configuredSuggestionTime"),
                   settings->get_ecoActivateMode() != 0 ? settings->get_ecoActivateTimeout() : 0);
    send(message);
}

void TulLumo::handle_event_preheatStart(QString timeStamp)
{
    if (customerSchema())
        return; // the customer cloud hears of each bin instead
    QJsonObject message = envelope(QStringLiteral("preheatStart"), timeStamp);
    message.insert(QStringLiteral("dayPart"), currentDayPartName());
    send(message);
}

void TulLumo::handle_event_zonePreheatStart(QString timeStamp, int binIndex)
{
    if (!customerSchema())
        return;
    if (!cabinetBin(binIndex)) {
        qCWarning(lcIot) << "Preheat start of bin" << binIndex << "outside the cabinet; not reported";
        return;
    }
    const BinReading b = binReading(binIndex);
    QJsonObject message = envelope(QStringLiteral("preheatStart"), timeStamp);
    message.insert(QStringLiteral("zoneNumber"), binIndex + 1);
    message.insert(QStringLiteral("state"), QStringLiteral("preheating"));
    message.insert(QStringLiteral("temperatureSetpoint"), b.target);
    message.insert(QStringLiteral("temperatureMeasured"), b.actual);
    message.insert(QStringLiteral("dayPart"), currentDayPartName());
    send(message);
}

void TulLumo::handle_event_preheatComplete(QString timeStamp, int binIndex, int heatTime)
{
    if (!cabinetBin(binIndex)) {
        qCWarning(lcIot) << "Preheat end of bin" << binIndex << "outside the cabinet; not reported";
        return;
    }
    QJsonObject message = envelope(QStringLiteral("preheatComplete"), timeStamp);
    if (!customerSchema()) {
        message.insert(QStringLiteral("bin"), binIndex + 1);
        send(message);
        return;
    }
    const BinReading b = binReading(binIndex);
    message.insert(QStringLiteral("zoneNumber"), binIndex + 1);
    message.insert(QStringLiteral("state"), QStringLiteral("ready"));
    message.insert(QStringLiteral("dayPart"), currentDayPartName());
    message.insert(QStringLiteral("temperatureSetpoint"), b.target);
    message.insert(QStringLiteral("temperatureMeasured"), b.actual);
    message.insert(QStringLiteral("heatTime"), QString::number(heatTime));
    send(message);
}

void TulLumo::handle_event_daypartChange(QString timeStamp, int zoneIndex, int newDaypart, int prevDaypart)
{
    const QString newName = dayPartName(newDaypart);
    const QString prevName = dayPartName(prevDaypart);
    // One event per bin of the zone, in bin order.
    const CabinetCore *c = core();
    for (int i = 0; c && i < c->get_traysPerZone(); ++i) {
        const int bin = i + zoneIndex * c->get_traysPerZone();
        if (!cabinetBin(bin)) {
            qCWarning(lcIot) << "Day-part change of bin" << bin << "outside the cabinet; not reported";
            break;
        }
        QJsonObject message;
        if (customerSchema()) {
            message = envelope(QStringLiteral("settingChange"), timeStamp);
            message.insert(QStringLiteral("setting"), QStringLiteral("daypart"));
            message.insert(QStringLiteral("zoneNumber"), bin + 1);
            message.insert(QStringLiteral("settingValue"), newName);
            message.insert(QStringLiteral("settingValuePrev"), prevName);
        } else {
            message = envelope(QStringLiteral("daypartChange"), timeStamp);
            message.insert(QStringLiteral("daypart"), QJsonObject{{QStringLiteral("zone"), bin + 1},
                                                                  {QStringLiteral("new"), newName},
                                                                  {QStringLiteral("prev"), prevName}});
        }
        send(message);
    }
}

void TulLumo::handle_event_languageChange(int languageId)
{
    const ConfigurationManager *settings = config();
    if (!customerSchema()) {
        QJsonObject message = envelope(QStringLiteral("languageChange"), now());
        message.insert(QStringLiteral("language"), languageId);
        send(message);
        return;
    }
    const CabinetCore *c = core();
    const Translator *translator = c ? c->translator() : nullptr;
    QJsonObject message = envelope(QStringLiteral("settingChange"), now());
    message.insert(QStringLiteral("setting"), QStringLiteral("language"));
    message.insert(QStringLiteral("zoneNumber"), Null);
    message.insert(QStringLiteral("settingValue"),
                   translator ? translator->getLanguageIdString(languageId) : QString());
    message.insert(QStringLiteral("settingValuePrev"), settings ? settings->get_prevLanguageId() : QString());
    send(message);
}

void TulLumo::handle_event_passcodeChange(QString newPasscode)
{
    // The cloud takes the passcode from this event; it is never written to the log.
    const ConfigurationManager *settings = config();
    QJsonObject message;
    if (customerSchema()) {
        message = envelope(QStringLiteral("settingChange"), now());
        message.insert(QStringLiteral("setting"), QStringLiteral("passcode"));
        message.insert(QStringLiteral("zoneNumber"), Null);
        message.insert(QStringLiteral("settingValue"), newPasscode);
        message.insert(QStringLiteral("settingValuePrev"), settings ? settings->get_prevPasswdL1() : QString());
    } else {
        message = envelope(QStringLiteral("passcodeChange"), now());
        message.insert(QStringLiteral("passcode"), newPasscode);
    }
    send(message);
}

void TulLumo::handle_event_passcodeEntered(QString screen, int userLevel, bool authenticated)
{
    QJsonObject message;
    if (customerSchema()) {
        if (!authenticated)
            return; // the customer cloud hears only of unlocked screens
        message = envelope(QStringLiteral("programModeEnter"), now());
        message.insert(QStringLiteral("programScreen"), screen);
        message.insert(QStringLiteral("programLevel"), userLevel);
    } else {
        message = envelope(QStringLiteral("passcodeEntered"), now());
        message.insert(QStringLiteral("screen"), screen);
        message.insert(QStringLiteral("authenticated"), authenticated);
        message.insert(QStringLiteral("userType"), userLevel);
    }
    send(message);
}

void TulLumo::handle_event_programModeExit(QString screen, int userLevel)
{
    QJsonObject message = envelope(QStringLiteral("programModeExit"), now());
    message.remove(QStringLiteral("cabinetUuid"));
    message.insert(QStringLiteral("programLevel"), userLevel);
    message.insert(QStringLiteral("programScreen"), screen);
    send(message);
}

void TulLumo::handle_event_restaurantNumberUpdated(QString restaurantNumber, QString oldValue)
{
    if (customerSchema())
        return;
    QJsonObject message = envelope(QStringLiteral("restaurantNumberUpdated"), now());
    message.remove(QStringLiteral("location"));
    message.insert(QStringLiteral("locationNumber"),
                   QJsonObject{{QStringLiteral("new"), restaurantNumber}, {QStringLiteral("prev"), oldValue}});
    send(message);
}

void TulLumo::handle_event_performanceDataInterval(int value)
{
    const ConfigurationManager *settings = config();
    QJsonObject message = envelope(QStringLiteral("performanceDataInterval"), now());
    // Carried in both message sets.
    message.insert(QStringLiteral("cabinetUuid"), settings ? settings->get_uuidNumber() : QString());
    message.insert(QStringLiteral("performanceDataInterval"), QString::number(value));
    send(message);
}

// ---- power-on report --------------------------------------------------------------------

QString TulLumo::menuName(const QString &importedMenu)
{
    if (!importedMenu.contains(QLatin1String(".tul")) && !importedMenu.contains(QLatin1String(".json")))
        return importedMenu;
    return importedMenu.left(importedMenu.lastIndexOf(QLatin1Char('.')));
}

void TulLumo::putNames(QJsonObject *item, const QString &makerKey, const QString &engKey, const QString &spaKey,
                       const std::function<QString(int)> &nameIn) const
{
    const CabinetCore *c = core();
    const int customerId = c ? c->get_customerId() : 0;
    if (!customerSchema()) {
        const Translator *translator = c ? c->translator() : nullptr;
        QJsonObject names;
        for (int language = 0; language < namedLanguages(customerId); ++language) {
            const QString code = translator ? translator->getLanguageIdString(language) : QString();
            names.insert(code, nameIn(language));
        }
        item->insert(makerKey, names);
    } else if (customerId == CustomerQrb || customerId == CustomerTandor) {
        item->insert(engKey, IotJson::cutName(nameIn(0)));
        item->insert(spaKey, IotJson::cutName(nameIn(1)));
    }
}

QJsonArray TulLumo::getHoldingLayout() const
{
    const CabinetCore *c = core();
    const DayPartManager *dayParts = c ? c->daypartManager() : nullptr;
    if (!dayParts)
        return {};
    const int bins = c->get_traysPerCabinet();
    const QString binKey = customerSchema() ? QStringLiteral("zoneNumber") : QStringLiteral("bin");
    QJsonArray layout;
    for (int d = 0; d < dayParts->getDayPartsCount(); ++d) {
        QJsonObject part;
        putNames(&part, QStringLiteral("daypartName"), QStringLiteral("daypartNameEngUSA"),
                 QStringLiteral("daypartNameSpa"),
                 [dayParts, d](int language) { return dayParts->getDayPartName(language, d); });
        QJsonArray locations;
        for (int b = 1; b <= bins; ++b)
            locations.append(QJsonObject{{binKey, b}, {QStringLiteral("productId"), dayParts->getProdIdOnBin(d, b - 1)}});
        part.insert(QStringLiteral("productLocations"), locations);
        layout.append(part);
    }
    return layout;
}

QJsonArray TulLumo::getProducts() const
{
    const CabinetCore *c = core();
    const MenuManager *menu = c ? c->menuManager() : nullptr;
    if (!menu)
        return {};
    const bool customer = customerSchema();
    QJsonArray products;
    for (int r = 0; r < menu->getRowCount(); ++r) {
        const int id = menu->getProductId(r).toInt();
        if (menu->getProductGroupId(r).toInt() != 0 || id == 0)
            continue; // a group, or the empty product
        QJsonObject product{{QStringLiteral("productId"), id},
                            {QStringLiteral("holdTime"), menu->getProductHoldTime(r).toInt()},
                            {QStringLiteral("warningTime"), menu->getProductWarningTime(r).toInt()},
                            {QStringLiteral("lidType"), menu->getProductLidType(r).toString()},
                            {QStringLiteral("bottomType"), menu->getProductBottomType(r).toString()}};
        putNames(&product, QStringLiteral("productName"), QStringLiteral("productNameEngUSA"),
                 QStringLiteral("productNameSpa"),
                 namesOf(menu, id));
        if (customer) {
            product.insert(QStringLiteral("temperatureHold"), menu->getProductUpperTemp(r).toInt());
            product.insert(QStringLiteral("zoneSplits"), menu->getProductPanSize(r).toInt());
        } else {
            product.insert(QStringLiteral("lowerTemp"), menu->getProductLowerTemp(r).toInt());
            product.insert(QStringLiteral("upperTemp"), menu->getProductUpperTemp(r).toInt());
            product.insert(QStringLiteral("zoneSplits"), menu->getProductPanSizeX(r).toString());
        }
        products.append(product);
    }
    return products;
}

QJsonArray TulLumo::getGroups() const
{
    const CabinetCore *c = core();
    const MenuManager *menu = c ? c->menuManager() : nullptr;
    if (!menu)
        return {};
    const bool customer = customerSchema();
    QJsonArray groups;
    for (int r = 0; r < menu->getRowCount(); ++r) {
        const int id = menu->getProductId(r).toInt();
        if (menu->getProductGroupId(r).toInt() == 0 || id == 0)
            continue;
        QJsonObject group{{customer ? QStringLiteral("productGroupId") : QStringLiteral("groupId"), id},
                          {QStringLiteral("lidType"), menu->getProductLidType(r).toString()}};
        putNames(&group, QStringLiteral("groupName"), QStringLiteral("productGroupNameEngUSA"),
                 QStringLiteral("productGroupNameSpa"),
                 namesOf(menu, id));
        if (customer) {
            group.insert(QStringLiteral("temperatureHold"), menu->getProductUpperTemp(r).toInt());
            group.insert(QStringLiteral("zoneSplits"), menu->getProductPanSize(r).toInt());
        } else {
            group.insert(QStringLiteral("lowerTemp"), menu->getProductLowerTemp(r).toInt());
            group.insert(QStringLiteral("upperTemp"), menu->getProductUpperTemp(r).toInt());
            group.insert(QStringLiteral("zoneSplits"), menu->getProductPanSizeX(r).toString());
        }
        QJsonArray members;
        for (const QVariant &member : menu->getProductGroupPList(id).toList())
            members.append(QJsonObject{{QStringLiteral("productId"), member.toInt()}});
        group.insert(QStringLiteral("products"), members);
        groups.append(group);
    }
    return groups;
}

void TulLumo::handle_event_powerOn()
{
    // Once per run: the configuration machine may come round again.
    if (m_powerOnReported)
        return;
    m_powerOnReported = true;
    ConfigurationManager *settings = config();
    const CabinetCore *c = core();
    const bool customer = customerSchema();
    const QString menu = menuName(settings ? settings->get_importedMenu() : QString());
    const QString iotVersion = settings ? settings->get_iotSoftwareVersion() : QString();
    const QString ioVersion = settings ? settings->get_ioBoardFirmwareVersion0() : QString();
    const QString readerVersion = settings ? settings->get_readerFirmwareVersion1() : QString();

    QJsonObject message = envelope(QStringLiteral("powerOn"), now());
    message.insert(QStringLiteral("language"), settings ? settings->get_languageId() : QString());
    if (customer) {
        const int hours = c ? (c->get_pluggedInMinutes() + 30) / 60 : 0;
        message.insert(QStringLiteral("state"), QStringLiteral("unready"));
        message.insert(QStringLiteral("macAddress"), settings ? settings->get_macAddress() : QString());
        message.insert(QStringLiteral("temperatureUnits"),
                       settings && settings->get_tempUnit() == 1 ? QStringLiteral("C") : QStringLiteral("F"));
        message.insert(QStringLiteral("errorCount"), m_cabinet ? m_cabinet->errorLogCount() : 0);
        message.insert(QStringLiteral("pluggedInHours"), hours);
        message.insert(QStringLiteral("heatedHours"), hours);
        message.insert(QStringLiteral("softwareVersion"),
                       QJsonObject{{QStringLiteral("lumoSdk"), settings ? settings->get_iotSdkVersion() : QString()},
                                   {QStringLiteral("firmwareUI"), IotLink::FirmwareVersion},
                                   {QStringLiteral("firmwareIoT"), iotVersion},
                                   {QStringLiteral("firmwareIO"), ioVersion},
                                   {QStringLiteral("firmwareReaderBoard"), readerVersion}});
        message.insert(QStringLiteral("menuVersion"), QJsonObject{{QStringLiteral("menu"), menu}});
    } else {
        // The cloud keeps the stored form of the manager's passcode; it is never logged.
        message.insert(QStringLiteral("passcode"), settings ? settings->get_passwdL1() : QString());
        message.insert(QStringLiteral("firmware"),
                       QJsonObject{{QStringLiteral("firmwareVersionUI"), IotLink::FirmwareVersion},
                                   {QStringLiteral("firmwareVersionIoT"), iotVersion},
                                   {QStringLiteral("firmwareVersionIO"), ioVersion},
                                   {QStringLiteral("firmwareVersionReaderBoard"), readerVersion}});
        message.insert(QStringLiteral("menu"), QJsonObject{{QStringLiteral("menuVersion"), QString()},
                                                           {QStringLiteral("menuDescription"), menu}});
    }
    message.insert(QStringLiteral("layout"), getHoldingLayout());
    message.insert(QStringLiteral("products"), getProducts());
    message.insert(QStringLiteral("productGroups"), getGroups());
    send(message);
    qCDebug(lcIot) << "Power-on report sent";

    if (!customer && settings)
        settings->checkFirmwareUpdateDone();
    emit sendEcoModeSettings();
}
