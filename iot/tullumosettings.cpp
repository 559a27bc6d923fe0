// The cloud link's reports of the cabinet itself: settings and state changes, and the
// power-on report with the menu snapshot once per run.
#include "tullumo.h"

#include "cabinetcore.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "iotcabinetview.h"
#include "iotholdingview.h"
#include "iotjson.h"
#include "iotjsonwriter.h"
#include "iotlink.h"
#include "iotlog.h"
#include "menumanager.h"
#include "roleitemmodel.h"
#include "translator.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int CustomerTandor = 2;
constexpr int CustomerQrb = 3;
const QString Null = QStringLiteral("null");

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

namespace {

constexpr int CustomerHalvo = 5;
constexpr int Languages = 15;

// What the menu snapshot is read from, looked up once per snapshot rather than once per
// item and language.
struct Snapshot
{
    const MenuManager *menu = nullptr;
    const DayPartManager *dayParts = nullptr;
    int bins = 0;
    bool customer = false;
    // Customer cloud: the English and Spanish names on the item itself.
    bool twoNames = false;
    // Maker cloud: the names object's members in key order, (code, language id).
    std::vector<std::pair<QString, int>> languages;
    // The first row of each id, as MenuManager::getProductIndex finds it.
    QHash<qint64, int> rowOfId;

    int rowOf(int id) const { return rowOfId.value(id, 0); }
};

// The languages whose names the menu snapshot carries.
int namedLanguages(int customerId)
{
    if (customerId == CustomerQrb || customerId == CustomerTandor)
        return 3;
    if (customerId == CustomerHalvo)
        return 2;
    return Languages;
}

Snapshot snapshotOf(const CabinetCore *c, bool customer)
{
    Snapshot s;
    s.customer = customer;
    const int customerId = c ? c->get_customerId() : 0;
    s.twoNames = customer && (customerId == CustomerQrb || customerId == CustomerTandor);
    if (!customer) {
        const Translator *translator = c ? c->translator() : nullptr;
        for (int language = 0; language < namedLanguages(customerId); ++language)
            s.languages.emplace_back(translator ? translator->getLanguageIdString(language) : QString(), language);
        // In key order; of two languages with one code the later one's name stands, as
        // an object keeps the last value given to a key.
        std::sort(s.languages.begin(), s.languages.end());
        const auto sameCode = [](const std::pair<QString, int> &a, const std::pair<QString, int> &b) {
            return a.first == b.first;
        };
        std::reverse(s.languages.begin(), s.languages.end());
        s.languages.erase(std::unique(s.languages.begin(), s.languages.end(), sameCode), s.languages.end());
        std::reverse(s.languages.begin(), s.languages.end());
    }
    s.dayParts = c ? c->daypartManager() : nullptr;
    s.bins = s.dayParts ? c->get_traysPerCabinet() : 0;
    s.menu = c ? c->menuManager() : nullptr;
    if (s.menu) {
        const int rows = s.menu->getRowCount();
        s.rowOfId.reserve(rows);
        for (int r = 0; r < rows; ++r) {
            const qint64 id = s.menu->getProductId(r).toLongLong();
            if (!s.rowOfId.contains(id))
                s.rowOfId.insert(id, r);
        }
    }
    return s;
}

// The names of one row in each language, as MenuManager::productNameOfRow gives them, with
// the row's names read once rather than once per language.
class RowNames
{
public:
    RowNames(const MenuManager *menu, int row)
        : m_names(menu->productsModel()->index(row, 0).data(MenuManager::NamesListRole).toStringList())
        , m_menu(menu)
        , m_row(row)
    {
    }
    QString operator()(int language) const
    {
        if (language >= 0 && language < m_names.size())
            return m_names.at(language);
        return m_menu->productNameOfRow(m_row, language);
    }

private:
    QStringList m_names;
    const MenuManager *m_menu;
    int m_row;
};

// The names of one item: a names object (maker cloud), the English and Spanish names cut
// to 32 characters (customer cloud, customers 3 and 2), or nothing at all. Every caller
// writes them where their keys fall in the item's key order.
template<typename Out, typename NameIn>
void writeNames(Out &out, const Snapshot &s, QLatin1String makerKey, QLatin1String engKey, QLatin1String spaKey,
                const NameIn &nameIn)
{
    if (!s.customer) {
        out.key(makerKey);
        out.beginObject();
        for (const auto &language : s.languages)
            out.member(language.first, nameIn(language.second));
        out.endObject();
    } else if (s.twoNames) {
        out.member(engKey, IotJson::cutName(nameIn(0)));
        out.member(spaKey, IotJson::cutName(nameIn(1)));
    }
}

template<typename Out>
void writeLayout(Out &out, const Snapshot &s)
{
    out.beginArray();
    const int dayPartCount = s.dayParts ? s.dayParts->getDayPartsCount() : 0;
    for (int d = 0; d < dayPartCount; ++d) {
        out.beginObject();
        writeNames(out, s, QLatin1String("daypartName"), QLatin1String("daypartNameEngUSA"),
                   QLatin1String("daypartNameSpa"),
                   [&s, d](int language) { return s.dayParts->getDayPartName(language, d); });
        out.key(QLatin1String("productLocations"));
        out.beginArray();
        for (int b = 1; b <= s.bins; ++b) {
            out.beginObject();
            if (s.customer) {
                out.member(QLatin1String("productId"), s.dayParts->getProdIdOnBin(d, b - 1));
                out.member(QLatin1String("zoneNumber"), b);
            } else {
                out.member(QLatin1String("bin"), b);
                out.member(QLatin1String("productId"), s.dayParts->getProdIdOnBin(d, b - 1));
            }
            out.endObject();
        }
        out.endArray();
        out.endObject();
    }
    out.endArray();
}

template<typename Out>
void writeProducts(Out &out, const Snapshot &s)
{
    out.beginArray();
    const MenuManager *menu = s.menu;
    const int rows = menu ? menu->getRowCount() : 0;
    for (int r = 0; r < rows; ++r) {
        const int id = menu->getProductId(r).toInt();
        if (menu->getProductGroupId(r).toInt() != 0 || id == 0)
            continue; // a group, or the empty product
        const int nameRow = s.rowOf(id);
        out.beginObject();
        out.member(QLatin1String("bottomType"), menu->getProductBottomType(r).toString());
        out.member(QLatin1String("holdTime"), menu->getProductHoldTime(r).toInt());
        out.member(QLatin1String("lidType"), menu->getProductLidType(r).toString());
        if (!s.customer)
            out.member(QLatin1String("lowerTemp"), menu->getProductLowerTemp(r).toInt());
        out.member(QLatin1String("productId"), id);
        writeNames(out, s, QLatin1String("productName"), QLatin1String("productNameEngUSA"),
                   QLatin1String("productNameSpa"),
                   RowNames(menu, nameRow));
        if (s.customer)
            out.member(QLatin1String("temperatureHold"), menu->getProductUpperTemp(r).toInt());
        else
            out.member(QLatin1String("upperTemp"), menu->getProductUpperTemp(r).toInt());
        out.member(QLatin1String("warningTime"), menu->getProductWarningTime(r).toInt());
        if (s.customer)
            out.member(QLatin1String("zoneSplits"), menu->getProductPanSize(r).toInt());
        else
            out.member(QLatin1String("zoneSplits"), menu->getProductPanSizeX(r).toString());
        out.endObject();
    }
    out.endArray();
}

template<typename Out>
void writeGroups(Out &out, const Snapshot &s)
{
    out.beginArray();
    const MenuManager *menu = s.menu;
    const int rows = menu ? menu->getRowCount() : 0;
    for (int r = 0; r < rows; ++r) {
        const int id = menu->getProductId(r).toInt();
        if (menu->getProductGroupId(r).toInt() == 0 || id == 0)
            continue;
        const int idRow = s.rowOf(id);
        out.beginObject();
        if (!s.customer) {
            out.member(QLatin1String("groupId"), id);
            writeNames(out, s, QLatin1String("groupName"), QLatin1String(), QLatin1String(),
                       RowNames(menu, idRow));
        }
        out.member(QLatin1String("lidType"), menu->getProductLidType(r).toString());
        if (s.customer) {
            out.member(QLatin1String("productGroupId"), id);
            writeNames(out, s, QLatin1String(), QLatin1String("productGroupNameEngUSA"),
                       QLatin1String("productGroupNameSpa"),
                       RowNames(menu, idRow));
        } else {
            out.member(QLatin1String("lowerTemp"), menu->getProductLowerTemp(r).toInt());
        }
        out.key(QLatin1String("products"));
        out.beginArray();
        const QVariantList members =
            menu->productsModel()->index(idRow, 0).data(MenuManager::ProductListRole).toList();
        for (const QVariant &member : members) {
            out.beginObject();
            out.member(QLatin1String("productId"), member.toInt());
            out.endObject();
        }
        out.endArray();
        if (s.customer) {
            out.member(QLatin1String("temperatureHold"), menu->getProductUpperTemp(r).toInt());
            out.member(QLatin1String("zoneSplits"), menu->getProductPanSize(r).toInt());
        } else {
            out.member(QLatin1String("upperTemp"), menu->getProductUpperTemp(r).toInt());
            out.member(QLatin1String("zoneSplits"), menu->getProductPanSizeX(r).toString());
        }
        out.endObject();
    }
    out.endArray();
}

template<typename Write>
QJsonArray treeOf(const Write &write)
{
    IotJsonTree tree;
    write(tree);
    return tree.take().toArray();
}

} // namespace

QString TulLumo::menuName(const QString &importedMenu)
{
    if (!importedMenu.contains(QLatin1String(".tul")) && !importedMenu.contains(QLatin1String(".json")))
        return importedMenu;
    return importedMenu.left(importedMenu.lastIndexOf(QLatin1Char('.')));
}

QJsonArray TulLumo::getHoldingLayout() const
{
    const Snapshot s = snapshotOf(core(), customerSchema());
    return treeOf([&s](IotJsonTree &out) { writeLayout(out, s); });
}

QJsonArray TulLumo::getProducts() const
{
    const Snapshot s = snapshotOf(core(), customerSchema());
    return treeOf([&s](IotJsonTree &out) { writeProducts(out, s); });
}

QJsonArray TulLumo::getGroups() const
{
    const Snapshot s = snapshotOf(core(), customerSchema());
    return treeOf([&s](IotJsonTree &out) { writeGroups(out, s); });
}

QByteArray TulLumo::powerOnReport() const
{
    const ConfigurationManager *settings = config();
    const CabinetCore *c = core();
    const bool customer = customerSchema();
    const Snapshot s = snapshotOf(c, customer);
    const auto text = [settings](QString (ConfigurationManager::*get)() const) {
        return settings ? (settings->*get)() : QString();
    };
    const QString menu = menuName(text(&ConfigurationManager::get_importedMenu));
    const QString iotVersion = text(&ConfigurationManager::get_iotSoftwareVersion);
    const QString ioVersion = text(&ConfigurationManager::get_ioBoardFirmwareVersion0);
    const QString readerVersion = text(&ConfigurationManager::get_readerFirmwareVersion1);

    // Written straight to text, the members of each object in key order.
    IotJsonText out(64 * 1024);
    out.beginObject();
    if (customer) {
        const int hours = c ? (c->get_pluggedInMinutes() + 30) / 60 : 0;
        out.member(QLatin1String("errorCount"), m_cabinet ? m_cabinet->errorLogCount() : 0);
        out.member(QLatin1String("event"), QLatin1String("powerOn"));
        out.member(QLatin1String("heatedHours"), hours);
        out.member(QLatin1String("language"), text(&ConfigurationManager::get_languageId));
        out.key(QLatin1String("layout"));
        writeLayout(out, s);
        out.member(QLatin1String("location"), text(&ConfigurationManager::get_storeNumber));
        out.member(QLatin1String("macAddress"), text(&ConfigurationManager::get_macAddress));
        out.key(QLatin1String("menuVersion"));
        out.beginObject();
        out.member(QLatin1String("menu"), menu);
        out.endObject();
        out.member(QLatin1String("modelNumber"), text(&ConfigurationManager::get_modelNumber));
        out.member(QLatin1String("pluggedInHours"), hours);
        out.key(QLatin1String("productGroups"));
        writeGroups(out, s);
        out.key(QLatin1String("products"));
        writeProducts(out, s);
        out.member(QLatin1String("serialNumber"), text(&ConfigurationManager::get_serialNumber));
        out.key(QLatin1String("softwareVersion"));
        out.beginObject();
        out.member(QLatin1String("firmwareIO"), ioVersion);
        out.member(QLatin1String("firmwareIoT"), iotVersion);
        out.member(QLatin1String("firmwareReaderBoard"), readerVersion);
        out.member(QLatin1String("firmwareUI"), IotLink::FirmwareVersion);
        out.member(QLatin1String("lumoSdk"), text(&ConfigurationManager::get_iotSdkVersion));
        out.endObject();
        out.member(QLatin1String("state"), QLatin1String("unready"));
        out.member(QLatin1String("temperatureUnits"),
                   QLatin1String(settings && settings->get_tempUnit() == 1 ? "C" : "F"));
    } else {
        out.member(QLatin1String("cabinetUuid"), text(&ConfigurationManager::get_uuidNumber));
        out.member(QLatin1String("event"), QLatin1String("powerOn"));
        out.key(QLatin1String("firmware"));
        out.beginObject();
        out.member(QLatin1String("firmwareVersionIO"), ioVersion);
        out.member(QLatin1String("firmwareVersionIoT"), iotVersion);
        out.member(QLatin1String("firmwareVersionReaderBoard"), readerVersion);
        out.member(QLatin1String("firmwareVersionUI"), IotLink::FirmwareVersion);
        out.endObject();
        out.member(QLatin1String("language"), text(&ConfigurationManager::get_languageId));
        out.key(QLatin1String("layout"));
        writeLayout(out, s);
        out.member(QLatin1String("location"), text(&ConfigurationManager::get_storeNumber));
        out.key(QLatin1String("menu"));
        out.beginObject();
        out.member(QLatin1String("menuDescription"), menu);
        out.member(QLatin1String("menuVersion"), QString());
        out.endObject();
        out.member(QLatin1String("modelNumber"), text(&ConfigurationManager::get_modelNumber));
        // The cloud keeps the stored form of the manager's passcode; it is never logged.
        out.member(QLatin1String("passcode"), text(&ConfigurationManager::get_passwdL1));
        out.key(QLatin1String("productGroups"));
        writeGroups(out, s);
        out.key(QLatin1String("products"));
        writeProducts(out, s);
        out.member(QLatin1String("serialNumber"), text(&ConfigurationManager::get_serialNumber));
    }
    out.member(QLatin1String("timestamp"), now());
    out.endObject();
    return out.take();
}

void TulLumo::handle_event_powerOn()
{
    // Once per run: the configuration machine may come round again.
    if (m_powerOnReported)
        return;
    m_powerOnReported = true;
    emit sendLumoInfo(QString::fromUtf8(powerOnReport()));
    qCDebug(lcIot) << "Power-on report sent";

    ConfigurationManager *settings = config();
    if (!customerSchema() && settings)
        settings->checkFirmwareUpdateDone();
    emit sendEcoModeSettings();
}
