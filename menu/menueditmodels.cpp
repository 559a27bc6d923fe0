#include "menueditmodels.h"
#include "menulog.h"

#include "cabinetcore.h"
#include "menulanguages.h"
#include "menumanager.h"
#include "roleitemmodel.h"
#include "translator.h"

#include <QDebug>

namespace {

using R = MenuManager::ProductRole;

// What the edit models carry of a products-model row.
const int EditRoles[] = {R::IdRole, R::GroupIdRole, R::HoldTimeRole, R::WarningTimeRole, R::LowerTempRole,
                         R::UpperTempRole, R::LidTypeRole, R::BottomTypeRole, R::PanSizeRole, R::PanSizeXRole,
                         R::ProductListRole, R::DefaultRole, R::TargetFanSpeedRole, R::ResetTimeRole,
                         R::NamesListRole, R::TimerColorRole, R::ProductLockedRole};

QStandardItem *copyRoles(const QStandardItem *from, std::initializer_list<int> skip = {})
{
    auto *to = new QStandardItem;
    for (int role : EditRoles) {
        if (std::find(skip.begin(), skip.end(), role) == skip.end())
            to->setData(from->data(role), role);
    }
    return to;
}

QStandardItem *copyForSave(const QStandardItem *from, bool group)
{
    QStandardItem *to = group ? copyRoles(from, {R::ResetTimeRole}) : copyRoles(from);
    to->setData(from->data(R::NameRole), R::NameRole);
    return to;
}

bool sameId(const QStandardItem *row, qint64 id)
{
    return row && row->data(R::IdRole).toLongLong() == id;
}

// One name per language: a short list (never from the screens) repeats its first name.
QStringList fifteenNames(const QVariant &name)
{
    QStringList names = name.toStringList();
    const QString first = names.value(0);
    while (names.size() < MenuLanguages::count)
        names << first;
    return names;
}

} // namespace

void MenuEditModels::attachModels(RoleItemModel *live, RoleItemModel *productEdit, RoleItemModel *groupEdit,
                                  RoleItemModel *dayPartEdit)
{
    m_live = live;
    m_productEdit = productEdit;
    m_groupEdit = groupEdit;
    m_dayPartEdit = dayPartEdit;
}

int MenuEditModels::editLanguage() const
{
    const CabinetCore *core = CabinetCore::of(this);
    const Translator *translator = core ? core->translator() : nullptr;
    const int language = translator ? translator->getLanguage() : 0;
    return language >= 0 && language < MenuLanguages::count ? language : 0;
}

// ---------------------------------------------------------------- opening, lists

void MenuEditModels::initializeEditDataModels()
{
    m_productEdit->clear();
    m_groupEdit->clear();
    for (int r = 0; r < m_live->rowCount(); ++r) {
        const QStandardItem *row = m_live->item(r, 0);
        if (!row || row->data(R::IdRole).toLongLong() == 0)
            continue;
        const int language = editLanguage();
        QStandardItem *copy = copyRoles(row);
        // The name in the screen's language; where the menu has none in it, the name the
        // bins show, so that no product is listed without one.
        const QStringList names = row->data(R::NamesListRole).toStringList();
        const QString own = names.value(language);
        copy->setData(own.trimmed().isEmpty() ? row->data(R::NameRole).toString() : own, R::NameRole);
        if (copy->data(R::GroupIdRole).toInt() <= 0)
            m_productEdit->appendRow(copy);
        else
            m_groupEdit->appendRow(copy);
    }
}

int MenuEditModels::getProductEditRowCount() const
{
    return m_productEdit->rowCount();
}

int MenuEditModels::getGroupEditRowCount() const
{
    return m_groupEdit->rowCount();
}

void MenuEditModels::sortProductEditModel()
{
    m_productEdit->setSortRole(R::NameRole);
    m_productEdit->sort(0, Qt::AscendingOrder);
}

void MenuEditModels::sortGroupEditModel()
{
    m_groupEdit->setSortRole(R::NameRole);
    m_groupEdit->sort(0, Qt::AscendingOrder);
}

// ---------------------------------------------------------------- getters by row

QVariant MenuEditModels::editData(const RoleItemModel *model, int row, int role, const QVariant &fallback) const
{
    if (row < 0 || row >= model->rowCount())
        return fallback;
    const QVariant value = model->index(row, 0).data(role);
    return value.isValid() ? value : fallback;
}

#define PRODUCT_GETTER(name, role, fallback) \
    QVariant MenuEditModels::name(int row) const { return editData(m_productEdit, row, R::role, fallback); }
#define GROUP_GETTER(name, role, fallback) \
    QVariant MenuEditModels::name(int row) const { return editData(m_groupEdit, row, R::role, fallback); }
#define DAYPART_GETTER(name, role, fallback) \
    QVariant MenuEditModels::name(int row) const { return editData(m_dayPartEdit, row, R::role, fallback); }

PRODUCT_GETTER(getProductEditId, IdRole, 0)
PRODUCT_GETTER(getProductEditName, NameRole, QString())
PRODUCT_GETTER(getProductEditNameList, NamesListRole, QString())
PRODUCT_GETTER(getProductEditHoldTime, HoldTimeRole, 0)
PRODUCT_GETTER(getProductEditWarningTime, WarningTimeRole, 0)
PRODUCT_GETTER(getProductEditLowerTemp, LowerTempRole, 0)
PRODUCT_GETTER(getProductEditUpperTemp, UpperTempRole, 0)
PRODUCT_GETTER(getProductEditFanSpeed, TargetFanSpeedRole, 0)
PRODUCT_GETTER(getProductEditLidType, LidTypeRole, QString())
PRODUCT_GETTER(getProductEditBottomType, BottomTypeRole, QString())
PRODUCT_GETTER(getProductEditPanSize, PanSizeRole, QString())
PRODUCT_GETTER(getProductEditPanSizeX, PanSizeXRole, QString())
PRODUCT_GETTER(getProductEditResetTime, ResetTimeRole, 0)
PRODUCT_GETTER(getProductEditTimerColor, TimerColorRole, QString())
PRODUCT_GETTER(getProductEditProductLocked, ProductLockedRole, false)
GROUP_GETTER(getGroupEditProductGroupId, GroupIdRole, 0)
GROUP_GETTER(getGroupEditName, NameRole, QString())
GROUP_GETTER(getGroupEditNameList, NamesListRole, QString())
GROUP_GETTER(getGroupEditLowerTemp, LowerTempRole, 0)
GROUP_GETTER(getGroupEditUpperTemp, UpperTempRole, 0)
GROUP_GETTER(getGroupEditLidType, LidTypeRole, QString())
GROUP_GETTER(getGroupEditPanSize, PanSizeRole, QString())
GROUP_GETTER(getGroupEditPanSizeX, PanSizeXRole, QString())
GROUP_GETTER(getGroupEditFanSpeed, TargetFanSpeedRole, 100)
GROUP_GETTER(getGroupEditGroupsDefault, DefaultRole, 0)
DAYPART_GETTER(dayPartModelGetId, IdRole, 0)
DAYPART_GETTER(dayPartModelGetGroupId, GroupIdRole, 0)
DAYPART_GETTER(dayPartModelGetName, NameRole, QString())
DAYPART_GETTER(dayPartModelGetTimerColor, TimerColorRole, QString())
DAYPART_GETTER(dayPartModelGetProductLocked, ProductLockedRole, QString())
DAYPART_GETTER(dayPartModelGetHoldTime, HoldTimeRole, 0)
DAYPART_GETTER(dayPartModelGetWarningTime, WarningTimeRole, 0)
DAYPART_GETTER(dayPartModelGetLowerTemp, LowerTempRole, 0)
DAYPART_GETTER(dayPartModelGetUpperTemp, UpperTempRole, 0)
DAYPART_GETTER(dayPartModelGetFanSpeed, TargetFanSpeedRole, 0)
DAYPART_GETTER(dayPartModelGetResetTime, ResetTimeRole, 0)
DAYPART_GETTER(dayPartModelGetLidType, LidTypeRole, QString())
DAYPART_GETTER(dayPartModelGetBottomType, BottomTypeRole, QString())
DAYPART_GETTER(dayPartModelGetPanSize, PanSizeRole, 0)
DAYPART_GETTER(dayPartModelGetPanSizeX, PanSizeXRole, QString())
DAYPART_GETTER(dayPartModelGetGroupDefault, DefaultRole, 0)

QVariant MenuEditModels::getGroupEditId(int row) const
{
    return editData(m_groupEdit, row, R::IdRole, 0).toInt();
}

QVariant MenuEditModels::getGroupEditGroupPList(int row) const
{
    return editData(m_groupEdit, qMax(row, 0), R::ProductListRole, QStringList());
}

QVariant MenuEditModels::dayPartModelGetGroupPList(int row) const
{
    return editData(m_dayPartEdit, qMax(row, 0), R::ProductListRole, QStringList());
}

// ---------------------------------------------------------------- look-ups by id

int MenuEditModels::getProductEditIndex(int id) const
{
    for (int r = 0; r < m_productEdit->rowCount(); ++r) {
        if (sameId(m_productEdit->item(r, 0), id))
            return r;
    }
    return 0;
}

QVariant MenuEditModels::getGroupEditProductIndex(int id) const
{
    return getProductEditIndex(id);
}

QVariant MenuEditModels::getGroupEditIndex(int id) const
{
    for (int r = 0; r < m_groupEdit->rowCount(); ++r) {
        if (sameId(m_groupEdit->item(r, 0), id))
            return r;
    }
    return 0;
}

QStandardItem *MenuEditModels::groupItem(int gid) const
{
    for (int r = 0; r < m_groupEdit->rowCount(); ++r) {
        if (sameId(m_groupEdit->item(r, 0), gid))
            return m_groupEdit->item(r, 0);
    }
    qCWarning(lcMenu).noquote() << "Cookbook: no group with id" << gid;
    return nullptr;
}

bool MenuEditModels::groupEditIsEmptyGroup(int index) const
{
    const QStandardItem *group = m_groupEdit->item(index, 0);
    return group && group->data(R::ProductListRole).toStringList().isEmpty();
}

bool MenuEditModels::idInUse(qint64 id) const
{
    for (const RoleItemModel *model : {m_productEdit, m_groupEdit}) {
        for (int r = 0; r < model->rowCount(); ++r) {
            if (sameId(model->item(r, 0), id))
                return true;
        }
    }
    return false;
}

int MenuEditModels::newId(int first) const
{
    int id = first;
    while (idInUse(id))
        ++id;
    return id;
}

// ---------------------------------------------------------------- products

int MenuEditModels::saveProductEdit(int pid, QVariant name, int holdTime, int warningTime, int lowerTemp,
                                    int upperTemp, int resetTime, QString lidType, QString bottomType,
                                    QString panSizeX, int fanSpeed, QVariant timerColor)
{
    const int row = getProductEditIndex(pid);
    const QStandardItem *old = m_productEdit->item(row, 0);
    if (pid != 0 && !sameId(old, pid)) {
        qCWarning(lcMenu).noquote() << "Cookbook: no product with id" << pid << "to save; nothing changed";
        return 0;
    }
    const QStringList names = fifteenNames(name);
    auto *item = new QStandardItem;
    item->setData(pid, R::IdRole);
    item->setData(0, R::GroupIdRole);
    item->setData(names.at(editLanguage()), R::NameRole);
    item->setData(names, R::NamesListRole);
    item->setData(QString::number(holdTime), R::HoldTimeRole);
    item->setData(QString::number(warningTime), R::WarningTimeRole);
    item->setData(QString::number(lowerTemp), R::LowerTempRole);
    item->setData(QString::number(upperTemp), R::UpperTempRole);
    item->setData(QString::number(resetTime), R::ResetTimeRole);
    item->setData(lidType, R::LidTypeRole);
    item->setData(bottomType, R::BottomTypeRole);
    item->setData(panSizeX, R::PanSizeXRole);
    item->setData(timerColor.toString(), R::TimerColorRole);
    // The saved row is whole: nothing of the old one stays. A locked product offers no
    // edit, so only an unlocked one comes here.
    item->setData(false, R::ProductLockedRole);
    item->setData(panSizeOfFraction(panSizeX), R::PanSizeRole);
    item->setData(fanSpeed, R::TargetFanSpeedRole);
    item->setData(QStringList(), R::ProductListRole);
    item->setData(-1, R::DefaultRole);
    if (pid == 0) {
        const int id = newId(1);
        item->setData(id, R::IdRole);
        m_productEdit->appendRow(item);
        return id;
    }
    m_productEdit->setItem(row, 0, item);
    removeProductFromGroups(pid, lowerTemp, upperTemp, lidType, panSizeX);
    return pid;
}

namespace {

bool groupDiffers(const QStandardItem *group, int lowerTemp, int upperTemp, const QString &lidType,
                  const QString &panSizeX)
{
    return group->data(R::LowerTempRole).toInt() != lowerTemp || group->data(R::UpperTempRole).toInt() != upperTemp
        || group->data(R::LidTypeRole).toString() != lidType || group->data(R::PanSizeXRole).toString() != panSizeX;
}

int positionOf(const QStringList &members, int pid)
{
    for (int i = 0; i < members.size(); ++i) {
        if (members.at(i).toInt() == pid)
            return i;
    }
    return -1;
}

} // namespace

bool MenuEditModels::checkProductInGroups(int pid, int lowerTemp, int upperTemp, QString lidType,
                                          QString panSizeX, int fanSpeed) const
{
    if (pid == 0)
        return false;
    for (int r = 0; r < m_groupEdit->rowCount(); ++r) {
        const QStandardItem *group = m_groupEdit->item(r, 0);
        if (positionOf(group->data(R::ProductListRole).toStringList(), pid) < 0)
            continue;
        if (groupDiffers(group, lowerTemp, upperTemp, lidType, panSizeX)
            || group->data(R::TargetFanSpeedRole).toInt() != fanSpeed)
            return true;
    }
    return false;
}

void MenuEditModels::removeProductFromGroups(int pid, int lowerTemp, int upperTemp, QString lidType,
                                             QString panSizeX)
{
    if (pid == 0)
        return;
    const int productFan = getProductEditFanSpeed(getProductEditIndex(pid)).toInt();
    for (int r = 0; r < m_groupEdit->rowCount(); ++r) {
        QStandardItem *group = m_groupEdit->item(r, 0);
        const int position = positionOf(group->data(R::ProductListRole).toStringList(), pid);
        if (position < 0)
            continue;
        if (groupDiffers(group, lowerTemp, upperTemp, lidType, panSizeX)
            || group->data(R::TargetFanSpeedRole).toInt() != productFan)
            removeMember(group, position);
    }
}

void MenuEditModels::removeMember(QStandardItem *group, int index)
{
    QStringList members = group->data(R::ProductListRole).toStringList();
    if (index < 0 || index >= members.size())
        return;
    members.removeAt(index);
    int defaultIndex = group->data(R::DefaultRole).toInt();
    if (index < defaultIndex)
        --defaultIndex;
    else if (index == defaultIndex)
        defaultIndex = 0;
    if (defaultIndex < 0 || defaultIndex >= members.size())
        defaultIndex = 0;
    group->setData(defaultIndex, R::DefaultRole);
    group->setData(members, R::ProductListRole);
}

void MenuEditModels::deleteProductFromEdit(int row)
{
    const QStandardItem *product = m_productEdit->item(row, 0);
    if (!product)
        return;
    // A deleted product leaves every group, whatever the group's settings: a member
    // id without its product would be saved into the menu.
    const int pid = product->data(R::IdRole).toInt();
    for (int r = 0; r < m_groupEdit->rowCount(); ++r) {
        QStandardItem *group = m_groupEdit->item(r, 0);
        for (int p; (p = positionOf(group->data(R::ProductListRole).toStringList(), pid)) >= 0;)
            removeMember(group, p);
    }
    m_productEdit->removeRow(row);
}

// ---------------------------------------------------------------- groups

int MenuEditModels::addNewEditGroup()
{
    const int id = newId(firstGroupId);
    auto *group = new QStandardItem;
    group->setData(id, R::IdRole);
    group->setData(id, R::GroupIdRole);
    group->setData(QString(), R::NameRole);
    for (int role : {R::HoldTimeRole, R::WarningTimeRole, R::LowerTempRole, R::UpperTempRole, R::TargetFanSpeedRole})
        group->setData(0, role);
    for (int role : {R::LidTypeRole, R::BottomTypeRole, R::PanSizeRole, R::PanSizeXRole})
        group->setData(QString(), role);
    group->setData(QStringList(), R::ProductListRole);
    group->setData(-1, R::DefaultRole);
    QStringList names;
    for (int l = 0; l < MenuLanguages::count; ++l)
        names << QString();
    group->setData(names, R::NamesListRole);
    m_groupEdit->appendRow(group);
    return id;
}

void MenuEditModels::groupEditAddProduct(int gid, int productId)
{
    QStandardItem *group = groupItem(gid);
    const QStandardItem *product = m_productEdit->item(productId, 0);
    if (!group || !product)
        return;
    QStringList members = group->data(R::ProductListRole).toStringList();
    const int memberId = product->data(R::IdRole).toInt();
    if (positionOf(members, memberId) >= 0)
        return;
    const bool first = members.isEmpty();
    members << QString::number(memberId);
    if (first) {
        for (int role : {R::LowerTempRole, R::UpperTempRole, R::LidTypeRole, R::PanSizeRole, R::PanSizeXRole,
                         R::TargetFanSpeedRole})
            group->setData(product->data(role), role);
        group->setData(0, R::DefaultRole);
    }
    const int defaultIndex = group->data(R::DefaultRole).toInt();
    const QString defaultEntry = members.value(defaultIndex);
    const auto nameOf = [this](const QString &id) {
        return getProductEditName(getProductEditIndex(id.toInt())).toString();
    };
    const int n = members.size();
    for (int pass = 0; pass < n; ++pass) {
        for (int i = 0; i + 1 < n; ++i) {
            if (nameOf(members.at(i)).compare(nameOf(members.at(i + 1))) > 0)
                members.swapItemsAt(i, i + 1);
        }
    }
    const int moved = members.indexOf(defaultEntry);
    // A loaded menu may carry a default that names no member: the first one then.
    group->setData(moved >= 0 ? moved : 0, R::DefaultRole);
    group->setData(members, R::ProductListRole);
}

void MenuEditModels::groupEditRemoveProduct(int gid, int index)
{
    if (QStandardItem *group = groupItem(gid))
        removeMember(group, index);
}

void MenuEditModels::groupEditSetDefaultProd(int gid, int prodIndex)
{
    QStandardItem *group = groupItem(gid);
    if (!group)
        return;
    const int size = group->data(R::ProductListRole).toStringList().size();
    group->setData(prodIndex >= 0 && prodIndex < size ? prodIndex : 0, R::DefaultRole);
}

void MenuEditModels::saveGroupEdit(int gid, QVariant name, int defaultIndex)
{
    QStandardItem *group = groupItem(gid);
    if (!group)
        return;
    const QStringList names = fifteenNames(name);
    group->setData(names.at(editLanguage()), R::NameRole);
    group->setData(names, R::NamesListRole);
    group->setData(defaultIndex, R::DefaultRole);
}

bool MenuEditModels::deleteGroupFromEdit(int row)
{
    if (row < 0 || row >= m_groupEdit->rowCount())
        return false;
    return m_groupEdit->removeRow(row);
}

// ---------------------------------------------------------------- day-part edit model

void MenuEditModels::initializeDayPartEditModel()
{
    m_dayPartEdit->clear();
    for (const RoleItemModel *model : {m_productEdit, m_groupEdit}) {
        for (int r = 0; r < model->rowCount(); ++r) {
            const QStandardItem *row = model->item(r, 0);
            if (!row || row->data(R::IdRole).toLongLong() == 0)
                continue;
            QStandardItem *copy = copyRoles(row, {R::NamesListRole});
            copy->setData(row->data(R::NameRole), R::NameRole);
            m_dayPartEdit->appendRow(copy);
        }
    }
    m_dayPartEdit->setSortRole(R::NameRole);
    m_dayPartEdit->sort(0, Qt::AscendingOrder);
}

const QStandardItem *MenuEditModels::dayPartRowOf(int productId) const
{
    for (int r = 0; r < m_dayPartEdit->rowCount(); ++r) {
        if (sameId(m_dayPartEdit->item(r, 0), productId))
            return m_dayPartEdit->item(r, 0);
    }
    return nullptr;
}

QVariant MenuEditModels::dayPartEditGetName(int productId) const
{
    const QStandardItem *row = productId ? dayPartRowOf(productId) : nullptr;
    return row ? row->data(R::NameRole).toString() : QString();
}

int MenuEditModels::dayPartEditGetPanSize(int productId) const
{
    if (productId == 0)
        return 1;
    const QStandardItem *row = dayPartRowOf(productId);
    return row ? row->data(R::PanSizeRole).toInt() : 0;
}

QVariant MenuEditModels::dayPartEditGetPanSizeX(int productId) const
{
    const QStandardItem *row = productId ? dayPartRowOf(productId) : nullptr;
    return row ? row->data(R::PanSizeXRole).toString() : QString();
}

int MenuEditModels::dayPartEditGetFanSpeed(int productId) const
{
    if (productId == 0)
        return -1;
    const QStandardItem *row = dayPartRowOf(productId);
    return row ? row->data(R::TargetFanSpeedRole).toInt() : 0;
}

int MenuEditModels::dayPartEditGetLowerTemp(int productId) const
{
    const QStandardItem *row = productId ? dayPartRowOf(productId) : nullptr;
    return row ? row->data(R::LowerTempRole).toInt() : 0;
}

int MenuEditModels::dayPartEditGetUpperTemp(int productId) const
{
    const QStandardItem *row = productId ? dayPartRowOf(productId) : nullptr;
    return row ? row->data(R::UpperTempRole).toInt() : 0;
}

// ---------------------------------------------------------------- save

void MenuEditModels::writeBackEditModels()
{
    if (m_live->rowCount() > 1)
        m_live->removeRows(1, m_live->rowCount() - 1);
    for (int r = 0; r < m_productEdit->rowCount(); ++r)
        m_live->appendRow(copyForSave(m_productEdit->item(r, 0), false));
    for (int r = 0; r < m_groupEdit->rowCount(); ++r)
        m_live->appendRow(copyForSave(m_groupEdit->item(r, 0), true));
}
