#ifndef MENUMANAGER_H
#define MENUMANAGER_H

#include "crc32.h"
#include "p4statemachine.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QStringList>
#include <QVariant>

class CabinetCore;
class FileSaveChain;
class QJsonArray;
class QStandardItem;
class QTextStream;
class RoleItemModel;

// The product menu in memory: every product and product group with times, temperatures,
// fan speed, lid and bottom types, pan size and names in 15 languages, as one row each
// of the products model (products first, then groups). Loaded from and saved to
// "menu.json" of the data root, migrated once from the legacy products list, or taken
// from the default menu of the resources. The holding controller, the NFC pan code, the
// display link, the cloud link and the screens read it through the getters below.
//
// A state machine without states: it is never started.
class MenuManager : public P4StateMachine
{
    Q_OBJECT

public:
    enum ProductRole {
        IdRole = Qt::UserRole + 1, // 257
        NameRole,
        AbreviationRole,
        Abreviation8Role,
        HoldTimeRole,
        WarningTimeRole,
        LowerTempRole,
        UpperTempRole,
        LidTypeRole,
        LidAbRole,
        BottomTypeRole,
        PanSizeRole,
        ProductImageRole,
        GroupIdRole,
        ProductListRole,
        DefaultRole,
        TargetFanSpeedRole,
        ResetTimeRole,
        NamesListRole,
        PanSizeXRole,
        TimerColorRole,
        ProductLockedRole // 278
    };
    Q_ENUM(ProductRole)

    static constexpr int menuVersion = 1;
    static constexpr int maxLegacyRows = 101;      // product 0 and 100 products and groups
    static constexpr int maxLegacyGroupMembers = 10;
    static constexpr qint64 maxMenuFileSize = 16 * 1024 * 1024;

    explicit MenuManager(QObject *parent = nullptr);
    ~MenuManager() override;

    static QHash<int, QByteArray> productRoleNames();
    // True for the text of a menu file this program can load (object, version 1).
    static bool isMenuDocument(const QByteArray &text);

    RoleItemModel *productsModel() const { return m_productsModel; }
    RoleItemModel *productsEditModel() const { return m_productsEditModel; }
    RoleItemModel *groupsEditModel() const { return m_groupsEditModel; }
    RoleItemModel *dayPartsEditModel() const { return m_dayPartsEditModel; }

public slots:
    // By row of the products model; a row outside the model gives an invalid variant.
    QVariant getProductId(int row) const { return roleOfRow(row, IdRole); }
    QVariant getProductAbreviation(int row) const { return roleOfRow(row, AbreviationRole); }
    QVariant getProductAbreviation8(int row) const { return roleOfRow(row, Abreviation8Role); }
    QVariant getProductHoldTime(int row) const { return roleOfRow(row, HoldTimeRole); }
    QVariant getProductWarningTime(int row) const { return roleOfRow(row, WarningTimeRole); }
    QVariant getProductLowerTemp(int row) const { return roleOfRow(row, LowerTempRole); }
    QVariant getProductUpperTemp(int row) const { return roleOfRow(row, UpperTempRole); }
    QVariant getProductLidType(int row) const { return roleOfRow(row, LidTypeRole); }
    QVariant getProductLidAb(int row) const { return roleOfRow(row, LidAbRole); }
    QVariant getProductBottomType(int row) const { return roleOfRow(row, BottomTypeRole); }
    QVariant getProductPanSize(int row) const { return roleOfRow(row, PanSizeRole); }
    QVariant getProductPanSizeX(int row) const { return roleOfRow(row, PanSizeXRole); }
    QVariant getProductResetTime(int row) const { return roleOfRow(row, ResetTimeRole); }
    QVariant getProductGroupId(int row) const { return roleOfRow(row, GroupIdRole); }
    // By id.
    QVariant getProductGroupsDefault(int id) const;
    QVariant getProductGroupPList(int groupId) const;

    int getRowCount() const;
    int getProductIndex(int id) const;
    QVariant getProductName(int prodId) const;
    QVariant getProductName(int languageId, int prodId) const;
    QByteArray getProductMd5(int id) const;
    quint32 getProductCrc32(int id) const;
    QString convertPanSizeToPanFraction(int panSize) const;
    int convertPanFractionToPanSize(const QString &panSizeX) const;
    void processChangedItem(QStandardItem *item);

    // Menu file.
    void menuLoadJsonDocFile();
    bool saveProductsMenuJson();
    QByteArray menuDataModelToJson() const;
    void writeMenuFileWrapUp();

    // Legacy products list and names objects.
    void loadProductsMenu();
    QStringList readNameTranslationsFromJson(const QJsonObject &nameObj) const;
    QJsonObject setNameListToJson(const QStringList &nameList) const;

signals:
    void notifyMenuUpdated(QString timeStamp, int method, bool result);
    void reloadProductsFile();
    void sendProductsFileViaCanbus(QString filePath, int fileTxfrId);
    void productsMD5(QString value);
    void notifyCloudUpdateDone(QString timeStamp, bool result);

private:
    CabinetCore *core() const;
    int customerId() const;
    int traysPerZone() const;
    int currentLanguage() const;
    QVariant roleOfRow(int row, int role) const;
    QByteArray productDigestText(int id) const;

    QString chooseMenuFile() const;
    bool migrateLegacyList();
    bool completeInterruptedSave();
    bool loadMenuFromFile(const QString &path);
    void appendProductsFromJson(const QJsonArray &products);
    void appendGroupsFromJson(const QJsonArray &groups);
    QStandardItem *productFromJson(const QJsonObject &product) const;
    QStandardItem *groupFromJson(const QJsonObject &group) const;
    void setPanSizeFromFraction(QStandardItem *row, const QString &zoneSplits) const;
    QJsonObject productToJson(const QStandardItem *row) const;
    QJsonObject groupToJson(const QStandardItem *row) const;
    void menuSaveFailed();

    QString chooseLegacyListFile() const;
    void readLegacyList(QTextStream &in);
    QStandardItem *legacyProduct(const QStringList &fields) const;
    QStandardItem *legacyGroup(const QStringList &fields) const;
    QVariant legacyGroupFanSpeed(const QStringList &fields) const;

    RoleItemModel *m_productsModel;
    RoleItemModel *m_productsEditModel;
    RoleItemModel *m_groupsEditModel;
    RoleItemModel *m_dayPartsEditModel;
    Crc32 m_crc32;
    FileSaveChain *m_menuSave;
    bool m_deleteLegacyListAfterSave = false;
};

#endif // MENUMANAGER_H
