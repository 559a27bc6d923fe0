#include "menumanager.h"
#include "menulog.h"

#include "cabinetcore.h"
#include "commandlauncher.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "cookbooklock.h"
#include "cookbookrules.h"
#include "filesavechain.h"
#include "jsonguard.h"
#include "menujson.h"
#include "menulanguages.h"
#include "roleitemmodel.h"
#include "safefilereader.h"
#include "safefilewriter.h"
#include "timercolorsdata.h"
#include "translator.h"
#include "tulpaths.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include <climits>
#include <cmath>
#include <limits>


namespace {

const QString menuFileName = QStringLiteral("menu.json");
const QString legacyListFileName = QStringLiteral("productsList.txt");
const QString defaultMenuResource = QStringLiteral(":/defaultMenu.json");
const QString defaultListResource = QStringLiteral(":/productsDefaultList.txt");
const QString defaultTimerColor = QStringLiteral("#fffffd");
constexpr int customerIdQrb = 3;
constexpr int qrbProduct0Temp = 185;
constexpr int defaultTraysPerZone = 4;

QString jsonText(const QJsonValue &value)
{
    return value.isString() ? value.toString() : QString();
}

// Any text is kept (a colour outside the palette only leaves the timer uncoloured); a
// missing or non-text value is the no-colour entry.
QString timerColorOf(const QJsonValue &value)
{
    return value.isString() ? value.toString() : defaultTimerColor;
}

// A group's members as the file names them, in its order: each "productId" as an integer,
// 0 where an entry gives none. A member's place counts, so an entry that is not an
// object stays, as member 0.
QStringList memberIdsOf(const JsonMembers &group)
{
    QStringList members;
    const QJsonArray products = group.array("products");
    for (int i = 0; i < products.size(); ++i) {
        const QString where = QStringLiteral("%1[%2]").arg(group.where("products")).arg(i);
        if (!products.at(i).isObject() && group.notes())
            group.notes()->add(where, QStringLiteral("not an object, read as member 0"));
        members << QString::number(JsonMembers(products.at(i).toObject(), where, group.notes()).integer("productId"));
    }
    return members;
}

// A pan covers 1 to 4 bin fractions; anything else in a legacy line would let the
// holding code count bins that do not exist.
QString legacyPanSize(const QString &field)
{
    bool ok = false;
    const int size = field.toInt(&ok);
    if (ok && size >= 1 && size <= 4)
        return field;
    qCWarning(lcMenu).noquote() << "productsList.txt: pan size" << field << "is not 1 to 4, taken as 1";
    return QStringLiteral("1");
}

QStringList sameNameInEveryLanguage(const QString &name)
{
    QStringList names;
    for (int i = 0; i < MenuLanguages::count; ++i)
        names << name;
    return names;
}

} // namespace

MenuManager::MenuManager(QObject *parent)
    : MenuEditModels(parent)
    , m_productsModel(new RoleItemModel(productRoleNames(), this))
    , m_productsEditModel(new RoleItemModel(productRoleNames(), this))
    , m_groupsEditModel(new RoleItemModel(productRoleNames(), this))
    , m_dayPartsEditModel(new RoleItemModel(productRoleNames(), this))
    , m_menuSave(new FileSaveChain(TulPaths::rootPath(menuFileName),
                                   QStringLiteral("Saving menu json file."),
                                   [this] { return menuDataModelToJson(); }, this))
    , m_timerColors(TimerColorsData::createPalette())
    , m_cookbookLock(new CookbookLock(this))
    , m_cookbookRules(new CookbookRules(this))
{
    attachModels(m_productsModel, m_productsEditModel, m_groupsEditModel, m_dayPartsEditModel);
    m_cookbookLock->watchCore();
    connect(m_productsModel, &QAbstractItemModel::modelReset, this, &MenuManager::scheduleEditRefresh);
    connect(this, &MenuManager::menuSaveFinished, this, &MenuManager::reportCookbookSave);
    setObjectName(QStringLiteral("menuManager"));
    m_menuSave->setObjectName(QStringLiteral("menuSaveChain"));
    m_menuSave->setWrapUpSlot(this, &MenuManager::writeMenuFileWrapUp);
    connect(m_menuSave, &FileSaveChain::saved, this, &MenuManager::menuFileSaved);
    connect(m_menuSave, &FileSaveChain::saveFailed, this, &MenuManager::menuSaveFailed);
    connect(this, &MenuManager::reloadProductsFile, this, &MenuManager::menuLoadJsonDocFile);
}

MenuManager::~MenuManager()
{
    qDeleteAll(m_timerColors);
}

QHash<int, QByteArray> MenuManager::productRoleNames()
{
    return {
        {IdRole, "id"},
        {NameRole, "name"},
        {AbreviationRole, "abreviation"},
        {Abreviation8Role, "abreviation8"},
        {HoldTimeRole, "holdTime"},
        {WarningTimeRole, "warningTime"},
        {LowerTempRole, "lowerTemp"},
        {UpperTempRole, "upperTemp"},
        {LidTypeRole, "lidType"},
        {LidAbRole, "lidAb"},
        {BottomTypeRole, "bottomType"},
        {PanSizeRole, "panSize"},
        {ProductImageRole, "productImage"},
        {GroupIdRole, "groupID"},
        {ProductListRole, "productList"},
        {DefaultRole, "default"},
        {TargetFanSpeedRole, "targetFanSpeed"},
        {ResetTimeRole, "resetTime"},
        {NamesListRole, "namesList"},
        {PanSizeXRole, "panSizeX"},
        {TimerColorRole, "timerColor"},
        {ProductLockedRole, "productLocked"},
    };
}

// ---------------------------------------------------------------- the core's answers

CabinetCore *MenuManager::core() const
{
    return CabinetCore::of(this);
}

int MenuManager::customerId() const
{
    const CabinetCore *c = core();
    return c ? c->get_customerId() : 0;
}

int MenuManager::traysPerZone() const
{
    const CabinetCore *c = core();
    return c ? c->get_traysPerZone() : defaultTraysPerZone;
}

int MenuManager::currentLanguage() const
{
    const CabinetCore *c = core();
    const Translator *translator = c ? c->translator() : nullptr;
    return translator ? translator->getLanguage() : 0;
}

// ---------------------------------------------------------------- look-ups

QVariant MenuManager::roleOfRow(int row, int role) const
{
    return m_productsModel->index(row, 0).data(role);
}

QVariant MenuManager::getProductGroupsDefault(int id) const
{
    return roleOfRow(getProductIndex(id), DefaultRole);
}

QVariant MenuManager::getProductGroupPList(int groupId) const
{
    return roleOfRow(getProductIndex(groupId), ProductListRole);
}

int MenuManager::getRowCount() const
{
    return m_productsModel->rowCount();
}

int MenuManager::getProductIndex(int id) const
{
    const int rows = m_productsModel->rowCount();
    for (int row = 0; row < rows; ++row) {
        if (roleOfRow(row, IdRole).toLongLong() == id)
            return row;
    }
    return 0;
}

QVariant MenuManager::getProductName(int prodId) const
{
    return getProductName(currentLanguage(), prodId);
}

QVariant MenuManager::getProductName(int languageId, int prodId) const
{
    return productNameOfRow(getProductIndex(prodId), languageId);
}

QString MenuManager::productNameOfRow(int row, int languageId) const
{
    const QStringList names = roleOfRow(row, NamesListRole).toStringList();
    if (languageId >= 0 && languageId < names.size())
        return names.at(languageId);
    return roleOfRow(row, NameRole).toString();
}

QByteArray MenuManager::productDigestText(int id) const
{
    const int row = getProductIndex(id);
    return QByteArray::number(id, 16) + getProductName(id).toString().toLatin1()
        + QByteArray::number(roleOfRow(row, HoldTimeRole).toInt(), 16)
        + QByteArray::number(roleOfRow(row, PanSizeRole).toInt(), 16);
}

QByteArray MenuManager::getProductMd5(int id) const
{
    const QByteArray md5 = QCryptographicHash::hash(productDigestText(id), QCryptographicHash::Md5);
    qCDebug(lcMenu).noquote() << QStringLiteral("Product specific md5 for id %1 = %2")
                              .arg(id)
                              .arg(QString::fromLatin1(md5.toHex()));
    return md5;
}

quint32 MenuManager::getProductCrc32(int id) const
{
    return m_crc32.calculateFromByteArray(productDigestText(id));
}

QString MenuManager::convertPanSizeToPanFraction(int panSize) const
{
    static const QHash<int, QStringList> fractions = {
        {2, {QStringLiteral("1/2"), QStringLiteral("1/1"), QStringLiteral("1/2"), QStringLiteral("1/2")}},
        {3, {QStringLiteral("1/3"), QStringLiteral("2/3"), QStringLiteral("1/1"), QStringLiteral("1/2")}},
        {4, {QStringLiteral("1/4"), QStringLiteral("1/2"), QStringLiteral("3/4"), QStringLiteral("1/1")}},
    };
    const QStringList column = fractions.value(traysPerZone());
    if (panSize < 1 || panSize > column.size())
        return QStringLiteral("1/2");
    return column.at(panSize - 1);
}

int MenuManager::convertPanFractionToPanSize(const QString &panSizeX) const
{
    static const QHash<int, QHash<QString, int>> sizes = {
        {2, {{QStringLiteral("1/1"), 2}}},
        {3, {{QStringLiteral("2/3"), 2}, {QStringLiteral("1/1"), 3}}},
        {4, {{QStringLiteral("1/2"), 2}, {QStringLiteral("3/4"), 3}, {QStringLiteral("1/1"), 4}}},
    };
    return sizes.value(traysPerZone()).value(panSizeX, 1);
}

void MenuManager::processChangedItem(QStandardItem *item)
{
    Q_UNUSED(item)
}

QString MenuManager::getProductTimerForeColor(QString value) const
{
    return TimerColorsData::foreColorOf(m_timerColors, value);
}

QObject *MenuManager::cookbookLockObject() const
{
    return m_cookbookLock;
}

QObject *MenuManager::cookbookRulesObject() const
{
    return m_cookbookRules;
}

// ---------------------------------------------------------------- cookbook

void MenuManager::saveEditModel()
{
    writeBackEditModels();
    const QString stamp = QString::number(QDateTime::currentMSecsSinceEpoch() / 1000);
    const CabinetCore *c = core();
    const ConfigurationManager *config = c ? c->configManager() : nullptr;
    const bool report = !config || config->get_iotType() != QLatin1String("QRB_LUMO");
    const int savesAhead = isSaving() ? 1 : 0;
    if (!saveProductsMenuJson()) {
        if (report)
            emit notifyMenuUpdated(stamp, 1, false);
        return;
    }
    if (report)
        m_pendingReports.append({stamp, savesAhead});
}

void MenuManager::reportCookbookSave(bool ok)
{
    // A save asked for while another runs is written by the chain after it.
    const QList<PendingReport> pending = m_pendingReports;
    m_pendingReports.clear();
    for (PendingReport report : pending) {
        if (report.savesAhead == 0) {
            emit notifyMenuUpdated(report.stamp, 1, ok);
        } else {
            --report.savesAhead;
            m_pendingReports << report;
        }
    }
}

// Loads and imports reset the products model, often emptying it before they fill it:
// the copy is taken once they are done.
void MenuManager::scheduleEditRefresh()
{
    if (m_editRefreshQueued)
        return;
    m_editRefreshQueued = true;
    QMetaObject::invokeMethod(this, &MenuManager::refreshEditModels, Qt::QueuedConnection);
}

void MenuManager::refreshEditModels()
{
    m_editRefreshQueued = false;
    initializeEditDataModels();
    initializeDayPartEditModel();
    if (CabinetCore *c = core()) {
        if (DayPartManager *dayParts = c->daypartManager())
            dayParts->dayPartEditInitialize();
    }
    emit editModelsRefreshed();
}

QStringList MenuManager::readNameTranslationsFromJson(const QJsonObject &nameObj) const
{
    return MenuLanguages::namesFromJson(nameObj);
}

QJsonObject MenuManager::setNameListToJson(const QStringList &nameList) const
{
    return MenuLanguages::namesToJson(nameList);
}

// ---------------------------------------------------------------- menu file: load

namespace {

// Why nothing of a parsed menu file can be read; empty when it can be read.
QString menuFileProblem(const QJsonDocument &doc)
{
    if (!doc.isObject() || jsonInt(doc.object().value(QLatin1String("menuVersion"))) != MenuManager::menuVersion)
        return QStringLiteral("not a menu of version %1").arg(MenuManager::menuVersion);
    return QString();
}

// Why a menu document cannot replace ours as a whole; empty when it can. Our own start
// reads a file member by member; one from elsewhere must have the shape throughout.
QString menuDocumentProblem(const QJsonDocument &doc)
{
    const QString problem = menuFileProblem(doc);
    if (!problem.isEmpty())
        return problem;
    // Entries of other types read as defaults, as they always have; a list where an
    // entry belongs, or a value where the list belongs, is a file of another shape.
    for (const char *key : {"products", "productGroups"}) {
        const QJsonValue list = doc.object().value(QLatin1String(key));
        if (list.isUndefined())
            continue;
        if (!list.isArray())
            return QStringLiteral("\"%1\" is not a list").arg(QLatin1String(key));
        for (const QJsonValue &entry : list.toArray()) {
            if (entry.isArray())
                return QStringLiteral("\"%1\" holds a list in the list").arg(QLatin1String(key));
        }
    }
    return QString();
}

} // namespace

bool MenuManager::isMenuDocument(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument doc = JsonGuard::parse(text, "menu file", int(maxMenuFileSize), &error);
    return error.error == QJsonParseError::NoError && menuDocumentProblem(doc).isEmpty();
}

void MenuManager::menuLoadJsonDocFile()
{
    const QString menuPath = TulPaths::rootPath(menuFileName);
    const QString listPath = TulPaths::rootPath(legacyListFileName);
    completeInterruptedSave();
    bool migrated = false;
    bool migrationSaving = false;
    if (QFileInfo(menuPath).size() > 0) {
        if (QFileInfo::exists(listPath))
            QFile::remove(listPath);
    } else if (QFileInfo::exists(listPath)) {
        migrationSaving = migrateLegacyList();
        migrated = true;
    }
    // The list just migrated stays in memory: neither an empty menu file nor, when the
    // new menu file could not be written, the default menu outranks it.
    if (migrated && (QFileInfo::exists(menuPath) || !migrationSaving))
        return;
    const QString path = chooseMenuFile();
    loadMenuFromFile(path);
}

bool MenuManager::completeInterruptedSave()
{
    return m_menuSave->completeInterruptedSave(&MenuManager::isMenuDocument);
}

bool MenuManager::migrateLegacyList()
{
    loadProductsMenu();
    // The list goes only once its content is safely in the menu file.
    if (!saveProductsMenuJson())
        return false;
    m_deleteLegacyListAfterSave = true;
    return true;
}

QString MenuManager::chooseMenuFile() const
{
    const QString menuPath = TulPaths::rootPath(menuFileName);
    const QFileInfo menu(menuPath);
    if (menu.exists() && menu.size() > 0)
        return menuPath;
    if (menu.exists()) {
        qCWarning(lcMenu).noquote() << "menu.json file size is 0???... using default file.";
    } else if (QFileInfo::exists(m_menuSave->temporaryPath())) {
        // A save is under way: the model already holds what it writes.
        return menuPath;
    } else {
        qCDebug(lcMenu).noquote() << "menu.json doesn't exist, using default file.";
    }
    qCDebug(lcMenu).noquote() << "Loading default menu - " + defaultMenuResource;
    return defaultMenuResource;
}

bool MenuManager::loadMenuFromFile(const QString &path)
{
    // A cabinet without a menu in memory (at start) takes the default menu, as without
    // the file.
    const auto asWithoutTheFile = [this] {
        if (m_productsModel->rowCount() != 0)
            return false;
        qCDebug(lcMenu).noquote() << "Loading default menu - " + defaultMenuResource;
        return loadMenuFromFile(defaultMenuResource);
    };
    QJsonDocument doc;
    QStringList repeatedKeys;
    const bool fromResources = path.startsWith(QLatin1Char(':'));
    if (fromResources) { // the default menu of the resources
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            qCWarning(lcMenu).noquote() << "Unable to Open File: " + path;
            return false;
        }
        doc = QJsonDocument::fromJson(file.readAll());
    } else {
        // The file is read member by member; one of which nothing can be read is set
        // aside, saying why.
        const JsonGuard::FileOutcome read =
            JsonGuard::readDataFile(path, maxMenuFileSize, "menu file", menuFileProblem, &doc, &repeatedKeys);
        if (read == JsonGuard::FileOutcome::SetAside)
            return asWithoutTheFile();
        if (read != JsonGuard::FileOutcome::Loaded) {
            qCWarning(lcMenu).noquote() << "Unable to Open File: " + path;
            return false;
        }
    }
    if (!menuFileProblem(doc).isEmpty())
        return false;
    // The default menu carries numeric pan splits, read as missing: nothing to report.
    JsonReadNotes notes;
    JsonReadNotes *noting = fromResources ? nullptr : &notes;
    const JsonMembers top(doc.object(), QString(), noting);
    QList<QStandardItem *> rows;
    forEachObject(top.array("products"), top.where("products"), noting,
                  [&](const JsonMembers &product) { rows << productFromJson(product); });
    forEachObject(top.array("productGroups"), top.where("productGroups"), noting,
                  [&](const JsonMembers &group) { rows << groupFromJson(group); });
    if (rows.isEmpty() && !notes.isEmpty()) {
        SafeFileReader::setAside(path, QStringLiteral("menu file: nothing in it can be read - %1").arg(notes.summary()));
        return asWithoutTheFile();
    }
    m_productsModel->clear();
    for (QStandardItem *row : qAsConst(rows))
        m_productsModel->appendRow(row);
    notes.addRepeatedKeys(repeatedKeys);
    notes.log(path);
    return true;
}

void MenuManager::setPanSizeFromFraction(QStandardItem *row, const QString &zoneSplits) const
{
    const QString fraction = zoneSplits.isEmpty() ? convertPanSizeToPanFraction(1) : zoneSplits;
    row->setData(fraction, PanSizeXRole);
    row->setData(convertPanFractionToPanSize(fraction), PanSizeRole);
}

QStandardItem *MenuManager::productFromJson(const JsonMembers &product) const
{
    auto *row = new QStandardItem;
    const int id = product.integer("productId");
    const QStringList names = product.names("productName");
    int lowerTemp = product.integer("lowerTemp");
    int upperTemp = product.integer("upperTemp");
    if (id == 0) // the empty product never heats
        lowerTemp = upperTemp = customerId() == customerIdQrb ? qrbProduct0Temp : 0;

    row->setData(id, IdRole);
    row->setData(names.first(), NameRole);
    row->setData(names, NamesListRole);
    row->setData(product.integer("holdingTime"), HoldTimeRole);
    row->setData(product.integer("warningTime"), WarningTimeRole);
    row->setData(product.integer("resetTime"), ResetTimeRole);
    row->setData(lowerTemp, LowerTempRole);
    row->setData(upperTemp, UpperTempRole);
    row->setData(product.integer("fanSpeed"), TargetFanSpeedRole);
    row->setData(product.text("lidType"), LidTypeRole);
    row->setData(product.text("bottomType"), BottomTypeRole);
    setPanSizeFromFraction(row, product.text("zoneSplits"));
    // Any text is kept (a colour outside the palette only leaves the timer uncoloured).
    row->setData(product.text("timerColor", defaultTimerColor), TimerColorRole);
    row->setData(product.boolean("productLocked", false), ProductLockedRole);
    row->setData(QStringLiteral("0"), GroupIdRole);
    row->setData(QStringList(), ProductListRole);
    row->setData(-1, DefaultRole);
    return row;
}

QStandardItem *MenuManager::groupFromJson(const JsonMembers &group) const
{
    auto *row = new QStandardItem;
    const int id = group.integer("groupId");
    const QStringList names = group.names("groupName");
    const QStringList members = memberIdsOf(group);

    row->setData(id, IdRole);
    row->setData(id, GroupIdRole);
    row->setData(names.first(), NameRole);
    row->setData(names, NamesListRole);
    row->setData(0, HoldTimeRole);
    row->setData(0, WarningTimeRole);
    row->setData(0, ResetTimeRole);
    row->setData(QStringLiteral("0"), BottomTypeRole);
    row->setData(group.integer("lowerTemp"), LowerTempRole);
    row->setData(group.integer("upperTemp"), UpperTempRole);
    row->setData(group.integer("fanSpeed"), TargetFanSpeedRole);
    row->setData(group.text("lidType"), LidTypeRole);
    row->setData(group.integer("defaultProd"), DefaultRole);
    row->setData(members, ProductListRole);
    setPanSizeFromFraction(row, group.text("zoneSplits"));
    return row;
}

// ---------------------------------------------------------------- menu file: save

QByteArray MenuManager::menuDataModelToJson() const
{
    QJsonArray products;
    QJsonArray groups;
    const int rows = m_productsModel->rowCount();
    for (int r = 0; r < rows; ++r) {
        const QStandardItem *row = m_productsModel->item(r, 0);
        if (!row)
            continue;
        if (row->data(GroupIdRole).toInt() < 1)
            products.append(productToJson(row));
        else
            groups.append(groupToJson(row));
    }
    QJsonObject top;
    top.insert(QStringLiteral("menuVersion"), menuVersion);
    top.insert(QStringLiteral("products"), products);
    top.insert(QStringLiteral("productGroups"), groups);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

QJsonObject MenuManager::productToJson(const QStandardItem *row) const
{
    QJsonObject product;
    product.insert(QStringLiteral("productId"), row->data(IdRole).toInt());
    product.insert(QStringLiteral("productName"), setNameListToJson(row->data(NamesListRole).toStringList()));
    product.insert(QStringLiteral("holdingTime"), row->data(HoldTimeRole).toInt());
    product.insert(QStringLiteral("warningTime"), row->data(WarningTimeRole).toInt());
    product.insert(QStringLiteral("lowerTemp"), row->data(LowerTempRole).toInt());
    product.insert(QStringLiteral("upperTemp"), row->data(UpperTempRole).toInt());
    product.insert(QStringLiteral("fanSpeed"), row->data(TargetFanSpeedRole).toInt());
    product.insert(QStringLiteral("resetTime"), row->data(ResetTimeRole).toInt());
    product.insert(QStringLiteral("zoneSplits"), row->data(PanSizeXRole).toString());
    product.insert(QStringLiteral("timerColor"), row->data(TimerColorRole).toString());
    product.insert(QStringLiteral("productLocked"), row->data(ProductLockedRole).toBool());
    product.insert(QStringLiteral("lidType"), row->data(LidTypeRole).toString());
    product.insert(QStringLiteral("bottomType"), row->data(BottomTypeRole).toString());
    return product;
}

QJsonObject MenuManager::groupToJson(const QStandardItem *row) const
{
    QJsonArray members;
    const QStringList memberIds = row->data(ProductListRole).toStringList();
    for (const QString &member : memberIds)
        members.append(QJsonObject{{QStringLiteral("productId"), member.toInt()}});
    QJsonObject group;
    group.insert(QStringLiteral("groupName"), setNameListToJson(row->data(NamesListRole).toStringList()));
    group.insert(QStringLiteral("groupId"), row->data(IdRole).toInt());
    group.insert(QStringLiteral("zoneSplits"), row->data(PanSizeXRole).toString());
    group.insert(QStringLiteral("lowerTemp"), row->data(LowerTempRole).toInt());
    group.insert(QStringLiteral("upperTemp"), row->data(UpperTempRole).toInt());
    group.insert(QStringLiteral("lidType"), row->data(LidTypeRole).toString());
    group.insert(QStringLiteral("defaultProd"), row->data(DefaultRole).toInt());
    group.insert(QStringLiteral("fanSpeed"), row->data(TargetFanSpeedRole).toInt());
    group.insert(QStringLiteral("products"), members);
    return group;
}

bool MenuManager::saveProductsMenuJson()
{
    return m_menuSave->save();
}

void MenuManager::writeMenuFileWrapUp(int exitCode, QProcess::ExitStatus exitStatus)
{
    m_menuSave->stepFinished(sender(), exitCode, exitStatus);
}

void MenuManager::menuFileSaved()
{
    if (m_deleteLegacyListAfterSave) {
        m_deleteLegacyListAfterSave = false;
        QFile::remove(TulPaths::rootPath(legacyListFileName));
    }
    if (CabinetCore *c = core()) {
        c->sendFileViaCanbus(11);
        c->sendOvUpdateProducts();
    }
    emit menuSaveFinished(true);
}

void MenuManager::menuSaveFailed()
{
    qCWarning(lcMenu).noquote() << "The menu was not saved; menu.json keeps its previous content.";
    emit menuSaveFinished(false);
}

bool MenuManager::isSaving() const
{
    return m_menuSave->isBusy();
}

QList<QStandardItem *> MenuManager::cloneRows() const
{
    QList<QStandardItem *> rows;
    for (int r = 0; r < m_productsModel->rowCount(); ++r) {
        if (const QStandardItem *row = m_productsModel->item(r, 0))
            rows << row->clone();
    }
    return rows;
}

void MenuManager::restoreRows(const QList<QStandardItem *> &rows)
{
    m_productsModel->clear();
    for (const QStandardItem *row : rows)
        m_productsModel->appendRow(row->clone());
}

// ---------------------------------------------------------------- legacy products list

// The legacy products list of the root, or the default one of the resources when the
// root's is missing or empty, or cannot be read (a pipe or a device in its place is not
// waited on). Empty only when neither can be read.
QByteArray MenuManager::legacyListContent() const
{
    QByteArray text;
    switch (SafeFileReader::read(TulPaths::rootPath(legacyListFileName), maxLegacyListFileSize, &text,
                                 "products list")) {
    case SafeFileReader::Ok:
        if (!text.isEmpty())
            return text;
        qCWarning(lcMenu).noquote() << "productsList.txt file size is 0???... using default file.";
        break;
    case SafeFileReader::Missing:
        qCDebug(lcMenu).noquote() << "productsList.txt doesn't exist, using default file.";
        break;
    case SafeFileReader::TooLarge:
    case SafeFileReader::Unreadable:
        qCWarning(lcMenu).noquote() << "productsList.txt cannot be used, using default file.";
        break;
    }
    QFile file(defaultListResource);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcMenu).noquote() << "Unable to Open File: " + defaultListResource + " No products list available";
        return QByteArray();
    }
    return file.readAll();
}

void MenuManager::loadProductsMenu()
{
    m_productsModel->clear();
    const QByteArray list = legacyListContent();
    if (list.isEmpty())
        return;
    m_productsModel->setHorizontalHeaderLabels(
        {QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Abreviation"),
         QStringLiteral("Abreviation8"), QStringLiteral("Hold time"), QStringLiteral("Warning time"),
         QStringLiteral("Hold temp"), QStringLiteral("Product temp"), QStringLiteral("Lid type"),
         QStringLiteral("Lid Ab"), QStringLiteral("Bottom Type"), QStringLiteral("Pan size"),
         QStringLiteral("Pan size X"), QStringLiteral("Group ID"), QStringLiteral("Product List"),
         QStringLiteral("Fan speed")});
    QTextStream in(list, QIODevice::ReadOnly);
    in.setCodec("UTF-8");
    readLegacyList(in);
}

void MenuManager::readLegacyList(QTextStream &in)
{
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.startsWith(QLatin1String("//")) || line.trimmed().isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(','));
        QStandardItem *row = nullptr;
        if (fields.first().startsWith(QLatin1Char('p')))
            row = legacyProduct(fields);
        else if (fields.first().startsWith(QLatin1Char('g')))
            row = legacyGroup(fields);
        else if (fields.size() >= 3)
            row = legacyOtherLine();
        if (!row) {
            qCWarning(lcMenu).noquote() << "productsList.txt line" << lineNumber
                                        << "is not a complete product or group line, skipped";
            continue;
        }
        if (m_productsModel->rowCount() >= maxLegacyRows) {
            delete row;
            qCWarning(lcMenu).noquote() << "productsList.txt holds more than" << maxLegacyRows - 1
                                        << "products and groups; the rest is ignored";
            break;
        }
        m_productsModel->appendRow(row);
    }
    setLegacyGroupFanSpeeds();
}

// A line of another kind still takes its place in the list, as a row that holds only the
// pan fraction of pan size 0.
QStandardItem *MenuManager::legacyOtherLine() const
{
    auto *row = new QStandardItem;
    row->setData(convertPanSizeToPanFraction(0), PanSizeXRole);
    return row;
}

QStandardItem *MenuManager::legacyProduct(const QStringList &fields) const
{
    if (fields.size() < 10)
        return nullptr;
    const bool qrb = customerId() == customerIdQrb;
    QString upperTemp = fields.at(5);
    QString lowerTemp = qrb ? fields.at(6) : fields.at(5);
    if (fields.at(1).toInt() == 0) {
        lowerTemp = upperTemp = qrb ? QString::number(qrbProduct0Temp) : QStringLiteral("0");
    }
    auto *row = new QStandardItem;
    row->setData(fields.at(1), IdRole);
    row->setData(fields.at(2), NameRole);
    row->setData(sameNameInEveryLanguage(fields.at(2)), NamesListRole);
    row->setData(fields.at(3), HoldTimeRole);
    row->setData(fields.at(4), WarningTimeRole);
    row->setData(upperTemp, UpperTempRole);
    row->setData(lowerTemp, LowerTempRole);
    row->setData(fields.at(7), LidTypeRole);
    row->setData(fields.at(8), BottomTypeRole);
    const QString panSize = legacyPanSize(fields.at(9));
    row->setData(panSize, PanSizeRole);
    row->setData(convertPanSizeToPanFraction(panSize.toInt()), PanSizeXRole);
    row->setData(fields.size() > 10 ? fields.at(10) : QStringLiteral("100"), TargetFanSpeedRole);
    row->setData(QStringLiteral("0"), GroupIdRole);
    row->setData(QStringList(), ProductListRole);
    row->setData(-1, DefaultRole);
    row->setData(qrb ? 0 : 300, ResetTimeRole);
    row->setData(defaultTimerColor, TimerColorRole);
    row->setData(false, ProductLockedRole);
    return row;
}

QStandardItem *MenuManager::legacyGroup(const QStringList &fields) const
{
    if (fields.size() < 7)
        return nullptr;
    QStringList members;
    for (int i = 7; i < fields.size() && members.size() < maxLegacyGroupMembers; ++i) {
        if (!fields.at(i).isEmpty())
            members << fields.at(i);
    }
    bool numeric = false;
    const int defaultIndex = fields.at(6).toInt(&numeric);
    const bool defaultValid = numeric && defaultIndex >= 0 && defaultIndex < members.size();
    const QString name = fields.at(2);

    auto *row = new QStandardItem;
    row->setData(fields.at(1), IdRole);
    row->setData(fields.at(1), GroupIdRole);
    // A "!" marks a group whose default product is not one of its members.
    row->setData(defaultValid ? name : QStringLiteral("!") + name, NameRole);
    row->setData(sameNameInEveryLanguage(name), NamesListRole);
    row->setData(fields.at(3), LowerTempRole);
    row->setData(fields.at(3), UpperTempRole);
    const QString panSize = legacyPanSize(fields.at(4));
    row->setData(panSize, PanSizeRole);
    row->setData(convertPanSizeToPanFraction(panSize.toInt()), PanSizeXRole);
    row->setData(fields.at(5), LidTypeRole);
    row->setData(defaultValid ? fields.at(6) : QStringLiteral("0"), DefaultRole);
    row->setData(members, ProductListRole);
    row->setData(QStringLiteral("0"), HoldTimeRole);
    row->setData(QStringLiteral("0"), WarningTimeRole);
    row->setData(QStringLiteral("0"), BottomTypeRole);
    row->setData(0, ResetTimeRole);
    row->setData(0, TargetFanSpeedRole); // its first member's, once the whole list is read
    return row;
}

// A group's fan speed is that of its first member in the list just read (0 when that is
// not a product of the list), whatever the list's order: the cookbook keeps every member
// at its group's fan speed and drops a product whose fan speed differs from the group's,
// and a bin holding the group drives its zone's fan with it.
void MenuManager::setLegacyGroupFanSpeeds()
{
    QHash<qlonglong, QVariant> productFans;
    const int rows = m_productsModel->rowCount();
    for (int r = rows - 1; r >= 0; --r) { // backwards, so that the first row of an id stands
        const QStandardItem *row = m_productsModel->item(r, 0);
        if (row && row->data(IdRole).isValid() && row->data(GroupIdRole).toInt() < 1)
            productFans.insert(row->data(IdRole).toLongLong(), row->data(TargetFanSpeedRole));
    }
    for (int r = 0; r < rows; ++r) {
        QStandardItem *row = m_productsModel->item(r, 0);
        if (!row || row->data(GroupIdRole).toInt() < 1)
            continue;
        bool numeric = false;
        const qlonglong first = row->data(ProductListRole).toStringList().value(0).toLongLong(&numeric);
        const QVariant fan = numeric ? productFans.value(first) : QVariant();
        row->setData(fan.isValid() ? fan : QVariant(0), TargetFanSpeedRole);
    }
}

// ---------------------------------------------------------------- binary menu import

namespace {

// The legacy list has no quoting: a name must not hold its separators.
QString legacyListName(const QByteArray &utf8)
{
    QString name = QString::fromUtf8(utf8);
    for (QChar &c : name) {
        if (c == QLatin1Char(','))
            c = QChar(0x201A); // SINGLE LOW-9 QUOTATION MARK, which reads as a comma
        else if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
                 || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return name;
}

QString lidText(quint8 lid)
{
    return lid == 1 ? QStringLiteral("Solid,") : lid == 2 ? QStringLiteral("Vented,") : QStringLiteral("None,");
}

} // namespace

QString MenuManager::legacyListText(const QList<Product_t> &plist)
{
    QString text;
    for (const Product_t &record : plist) {
        if (record.kind == 'p') {
            text += QStringLiteral("p,%1,%2,%3,%4,%5,%6,")
                        .arg(record.id)
                        .arg(legacyListName(record.name))
                        .arg(record.holdTime)
                        .arg(record.warningTime)
                        .arg(record.upperTemp)
                        .arg(record.lowerTemp);
            text += lidText(record.lid);
            text += record.bottom == 1 ? QStringLiteral("False,") : QStringLiteral("Normal,");
            text += QStringLiteral("%1,%2\n").arg(record.panSize).arg(record.fanSpeed);
        } else if (record.kind == 'g') {
            text += QStringLiteral("g,%1,%2,%3,%4,")
                        .arg(record.id)
                        .arg(legacyListName(record.name))
                        .arg(record.upperTemp)
                        .arg(record.panSize);
            text += lidText(record.lid);
            text += QString::number(record.defaultIndex) + QLatin1Char(',');
            // Every member as the file names it: the default index counts them all.
            QStringList members;
            for (quint32 member : record.memberIds())
                members << QString::number(member);
            text += members.join(QLatin1Char(',')) + QLatin1Char('\n');
        }
    }
    return text;
}

QString MenuManager::freeLegacyListCopyName(const QString &listPath)
{
    // The first free number; earlier copies are never removed, whatever their count.
    int n = 1;
    while (QFileInfo::exists(listPath + QStringLiteral("_%1").arg(n)) && n < std::numeric_limits<int>::max())
        ++n;
    return listPath + QStringLiteral("_%1").arg(n);
}

bool MenuManager::processOrvantaProductsList(const QList<Product_t> &plist)
{
    const QString text = legacyListText(plist);
    qCDebug(lcMenu).noquote() << "New products list will be: " + text;
    if (text.count(QLatin1Char('\n')) > maxLegacyRows) {
        qCWarning(lcMenu).noquote() << "The imported menu holds more than" << maxLegacyRows - 1
                             << "products and groups; not applied";
        return false;
    }
    const QString listPath = TulPaths::rootPath(legacyListFileName);
    m_legacyListWritten = false;
    m_legacyListBackup.clear();
    if (QFileInfo::exists(listPath)) {
        const QString backup = freeLegacyListCopyName(listPath);
        qCDebug(lcMenu).noquote() << "Renaming " + listPath + " as " + backup;
        if (!QFile::rename(listPath, backup)) {
            qCWarning(lcMenu).noquote() << "Unable to Open File !!!" << listPath << "(cannot keep the old list)";
            return false;
        }
        m_legacyListBackup = backup;
    }
    QString error;
    if (!SafeFileWriter::writeFile(listPath, text.toUtf8(), &error)) {
        qCWarning(lcMenu).noquote() << "Unable to Open File !!!" << listPath << error;
        undoLegacyListWrite();
        return false;
    }
    m_legacyListWritten = true;
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
    loadProductsMenu();
    return saveProductsMenuJson();
}

void MenuManager::undoLegacyListWrite()
{
    const QString listPath = TulPaths::rootPath(legacyListFileName);
    if (m_legacyListWritten)
        QFile::remove(listPath);
    if (!m_legacyListBackup.isEmpty())
        QFile::rename(m_legacyListBackup, listPath);
    m_legacyListWritten = false;
    m_legacyListBackup.clear();
}

// ---------------------------------------------------------------- JSON menu import

QStandardItem *MenuManager::importedJsonProduct(const QJsonObject &product, int language) const
{
    const QStringList names = readNameTranslationsFromJson(product.value(QLatin1String("productName")).toObject());
    const QString lid = jsonText(product.value(QLatin1String("lidType")));
    const QString zoneSplits = jsonText(product.value(QLatin1String("zoneSplits")));

    auto *row = new QStandardItem;
    row->setData(jsonInt(product.value(QLatin1String("productId"))), IdRole);
    row->setData(names.value(language), NameRole);
    row->setData(names, NamesListRole);
    row->setData(jsonInt(product.value(QLatin1String("holdingTime"))), HoldTimeRole);
    row->setData(jsonInt(product.value(QLatin1String("warningTime"))), WarningTimeRole);
    row->setData(jsonInt(product.value(QLatin1String("resetTime"))), ResetTimeRole);
    row->setData(jsonInt(product.value(QLatin1String("lowerTemp"))), LowerTempRole);
    row->setData(jsonInt(product.value(QLatin1String("upperTemp"))), UpperTempRole);
    row->setData(jsonInt(product.value(QLatin1String("fanSpeed"))), TargetFanSpeedRole);
    row->setData(lid == QLatin1String("Vented") || lid == QLatin1String("Solid") ? lid : QStringLiteral("None"),
                 LidTypeRole);
    row->setData(jsonText(product.value(QLatin1String("bottomType"))) == QLatin1String("False")
                     ? QStringLiteral("False")
                     : QStringLiteral("Normal"),
                 BottomTypeRole);
    row->setData(convertPanFractionToPanSize(zoneSplits), PanSizeRole);
    row->setData(zoneSplits, PanSizeXRole);
    row->setData(timerColorOf(product.value(QLatin1String("timerColor"))), TimerColorRole);
    row->setData(product.value(QLatin1String("productLocked")).toBool(false), ProductLockedRole);
    row->setData(QStringLiteral("0"), GroupIdRole);
    row->setData(QStringList(), ProductListRole);
    row->setData(-1, DefaultRole);
    return row;
}

QStandardItem *MenuManager::importedJsonGroup(const QJsonObject &group, int language) const
{
    const int id = jsonInt(group.value(QLatin1String("groupId")));
    const QStringList names = readNameTranslationsFromJson(group.value(QLatin1String("groupName")).toObject());
    const QString lid = jsonText(group.value(QLatin1String("lidType")));
    const QString zoneSplits = jsonText(group.value(QLatin1String("zoneSplits")));
    const QStringList members = memberIdsOf(JsonMembers(group, QString(), nullptr));

    auto *row = new QStandardItem;
    row->setData(id, IdRole);
    row->setData(id, GroupIdRole);
    row->setData(names.value(language), NameRole);
    row->setData(names, NamesListRole);
    row->setData(0, HoldTimeRole);
    row->setData(0, WarningTimeRole);
    row->setData(0, ResetTimeRole);
    row->setData(QStringLiteral("0"), BottomTypeRole);
    row->setData(jsonInt(group.value(QLatin1String("lowerTemp"))), LowerTempRole);
    row->setData(jsonInt(group.value(QLatin1String("upperTemp"))), UpperTempRole);
    row->setData(jsonInt(group.value(QLatin1String("fanSpeed"))), TargetFanSpeedRole);
    row->setData(lid == QLatin1String("Vented") || lid == QLatin1String("Solid") ? lid : QStringLiteral("None"),
                 LidTypeRole);
    row->setData(jsonInt(group.value(QLatin1String("defaultProd"))), DefaultRole);
    row->setData(members, ProductListRole);
    row->setData(convertPanFractionToPanSize(zoneSplits), PanSizeRole);
    row->setData(zoneSplits, PanSizeXRole);
    return row;
}

bool MenuManager::processOrvantaJsonProducts(const QString &ovMenuDoc)
{
    const int language = currentLanguage();
    const QJsonDocument doc = JsonGuard::parse(ovMenuDoc.toUtf8(), "imported menu", int(maxMenuFileSize));
    const QJsonObject header = doc.object().value(QLatin1String("header")).toObject();
    if (!doc.isObject() || header.isEmpty())
        return false;
    const int version = jsonInt(header.value(QLatin1String("menuVersion")));
    qCDebug(lcMenu).noquote() << "Menu Version = " << version;
    if (version != menuVersion)
        return false;
    const QJsonObject menu = doc.object().value(QLatin1String("menu")).toObject();

    QList<QStandardItem *> rows;
    auto *empty = new QStandardItem;
    empty->setData(QStringLiteral("0"), IdRole);
    empty->setData(QString(), NameRole);
    empty->setData(QStringList(sameNameInEveryLanguage(QString())), NamesListRole);
    for (int role : {HoldTimeRole, WarningTimeRole, LowerTempRole, UpperTempRole, ResetTimeRole})
        empty->setData(0, role);
    empty->setData(QStringLiteral("None"), LidTypeRole);
    empty->setData(QStringLiteral("Normal"), BottomTypeRole);
    empty->setData(1, PanSizeRole);
    empty->setData(QString(), PanSizeXRole);
    empty->setData(QStringLiteral("0"), GroupIdRole);
    empty->setData(QStringList(), ProductListRole);
    empty->setData(-1, DefaultRole);
    empty->setData(100, TargetFanSpeedRole);
    empty->setData(defaultTimerColor, TimerColorRole);
    empty->setData(false, ProductLockedRole);
    rows << empty;

    const QJsonArray products = menu.value(QLatin1String("products")).toArray();
    for (const QJsonValue &value : products) {
        const QJsonObject product = value.toObject();
        const int id = jsonInt(product.value(QLatin1String("productId")));
        if (id == 0)
            continue; // the empty product is the one above
        rows << importedJsonProduct(product, language);
    }
    const QJsonArray groups = menu.value(QLatin1String("productGroups")).toArray();
    // Every element is taken: one without a group id gives a row that counts as a product.
    for (const QJsonValue &value : groups)
        rows << importedJsonGroup(value.toObject(), language);
    m_productsModel->clear();
    for (QStandardItem *row : rows)
        m_productsModel->appendRow(row);
    return saveProductsMenuJson();
}
