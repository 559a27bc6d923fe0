#ifndef MENUEDITMODELS_H
#define MENUEDITMODELS_H

#include "p4statemachine.h"

#include <QStringList>
#include <QVariant>

class QStandardItem;
class RoleItemModel;

// The cookbook's working copies of the menu: a product-edit and a group-edit model copied
// from the products model when the cookbook opens, every edit operation on them with the
// rules that keep groups consistent with their members, the day-part edit model (the
// products and groups being edited, by name) and the write-back of a cookbook save. The
// live products model, which the holding slots read, changes only in writeBackEditModels.
//
// Rows are addressed by position; ids of products and groups share one id space.
class MenuEditModels : public P4StateMachine
{
    Q_OBJECT

public:
    static constexpr int firstGroupId = 0x40000000 + 1;

    explicit MenuEditModels(QObject *parent = nullptr) : P4StateMachine(parent) {}

    RoleItemModel *productsEditModel() const { return m_productEdit; }
    RoleItemModel *groupsEditModel() const { return m_groupEdit; }
    RoleItemModel *dayPartsEditModel() const { return m_dayPartEdit; }

public slots:
    void initializeEditDataModels();
    int getProductEditRowCount() const;
    int getGroupEditRowCount() const;
    void sortProductEditModel();
    void sortGroupEditModel();

    QVariant getProductEditId(int row) const;
    QVariant getProductEditName(int row) const;
    QVariant getProductEditNameList(int row) const;
    QVariant getProductEditHoldTime(int row) const;
    QVariant getProductEditWarningTime(int row) const;
    QVariant getProductEditLowerTemp(int row) const;
    QVariant getProductEditUpperTemp(int row) const;
    QVariant getProductEditFanSpeed(int row) const;
    QVariant getProductEditLidType(int row) const;
    QVariant getProductEditBottomType(int row) const;
    QVariant getProductEditPanSize(int row) const;
    QVariant getProductEditPanSizeX(int row) const;
    QVariant getProductEditResetTime(int row) const;
    QVariant getProductEditTimerColor(int row) const;
    QVariant getProductEditProductLocked(int row) const;
    QVariant getGroupEditProductGroupId(int row) const;
    QVariant getGroupEditId(int row) const;
    QVariant getGroupEditName(int row) const;
    QVariant getGroupEditNameList(int row) const;
    QVariant getGroupEditLowerTemp(int row) const;
    QVariant getGroupEditUpperTemp(int row) const;
    QVariant getGroupEditLidType(int row) const;
    QVariant getGroupEditPanSize(int row) const;
    QVariant getGroupEditPanSizeX(int row) const;
    QVariant getGroupEditFanSpeed(int row) const;
    QVariant getGroupEditGroupsDefault(int row) const;
    QVariant getGroupEditGroupPList(int row) const;

    int getProductEditIndex(int id) const;
    QVariant getGroupEditProductIndex(int id) const;
    QVariant getGroupEditIndex(int id) const;
    bool groupEditIsEmptyGroup(int index) const;

    int saveProductEdit(int pid, QVariant name, int holdTime, int warningTime, int lowerTemp,
                        int upperTemp, int resetTime, QString lidType, QString bottomType,
                        QString panSizeX, int fanSpeed, QVariant timerColor);
    bool checkProductInGroups(int pid, int lowerTemp, int upperTemp, QString lidType,
                              QString panSizeX, int fanSpeed) const;
    void removeProductFromGroups(int pid, int lowerTemp, int upperTemp, QString lidType,
                                 QString panSizeX);
    void deleteProductFromEdit(int row);

    int addNewEditGroup();
    void groupEditAddProduct(int gid, int productId);
    void groupEditRemoveProduct(int gid, int index);
    void groupEditSetDefaultProd(int gid, int prodIndex);
    void saveGroupEdit(int gid, QVariant name, int defaultIndex);
    bool deleteGroupFromEdit(int row);

    // The day-part edit model.
    void initializeDayPartEditModel();
    QVariant dayPartEditGetName(int productId) const;
    int dayPartEditGetPanSize(int productId) const;
    QVariant dayPartEditGetPanSizeX(int productId) const;
    int dayPartEditGetFanSpeed(int productId) const;
    int dayPartEditGetLowerTemp(int productId) const;
    int dayPartEditGetUpperTemp(int productId) const;
    QVariant dayPartModelGetId(int row) const;
    QVariant dayPartModelGetGroupId(int row) const;
    QVariant dayPartModelGetName(int row) const;
    QVariant dayPartModelGetTimerColor(int row) const;
    QVariant dayPartModelGetProductLocked(int row) const;
    QVariant dayPartModelGetHoldTime(int row) const;
    QVariant dayPartModelGetWarningTime(int row) const;
    QVariant dayPartModelGetLowerTemp(int row) const;
    QVariant dayPartModelGetUpperTemp(int row) const;
    QVariant dayPartModelGetFanSpeed(int row) const;
    QVariant dayPartModelGetResetTime(int row) const;
    QVariant dayPartModelGetLidType(int row) const;
    QVariant dayPartModelGetBottomType(int row) const;
    QVariant dayPartModelGetPanSize(int row) const;
    QVariant dayPartModelGetPanSizeX(int row) const;
    QVariant dayPartModelGetGroupDefault(int row) const;
    QVariant dayPartModelGetGroupPList(int row) const;

protected:
    // The models are owned by the derived manager; `live` is the products model.
    void attachModels(RoleItemModel *live, RoleItemModel *productEdit, RoleItemModel *groupEdit,
                      RoleItemModel *dayPartEdit);
    virtual int panSizeOfFraction(const QString &panSizeX) const = 0;
    int editLanguage() const;
    // Puts the edit models in place of every row of the products model after row 0.
    void writeBackEditModels();

private:
    QVariant editData(const RoleItemModel *model, int row, int role, const QVariant &fallback) const;
    QStandardItem *groupItem(int gid) const;
    int newId(int first) const;
    bool idInUse(qint64 id) const;
    // Takes entry `index` out of a group's list, moving the default as the screens expect.
    static void removeMember(QStandardItem *group, int index);
    const QStandardItem *dayPartRowOf(int productId) const;

    RoleItemModel *m_live = nullptr;
    RoleItemModel *m_productEdit = nullptr;
    RoleItemModel *m_groupEdit = nullptr;
    RoleItemModel *m_dayPartEdit = nullptr;
};

#endif // MENUEDITMODELS_H
