#ifndef MENUMANAGER_H
#define MENUMANAGER_H

#include "binarymenufile.h"
#include "crc32.h"
#include "menueditmodels.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QSet>
#include <QStringList>
#include <QVariant>

// "tul.menu": the menu, the day parts and the menu imports.
#include "menulog.h"

class CabinetCore;
class CookbookLock;
class CookbookRules;
class FileSaveChain;
class JsonMembers;
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
// The cookbook's edit models and operations come from MenuEditModels; the cookbook's
// lock and rules are published as properties for its screens.
//
// A state machine without states: it is never started.
class MenuManager : public MenuEditModels
{
    Q_OBJECT
    Q_PROPERTY(QObject *cookbookLock READ cookbookLockObject CONSTANT)
    Q_PROPERTY(QObject *cookbookRules READ cookbookRulesObject CONSTANT)

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
    static constexpr qint64 maxLegacyListFileSize = 1024 * 1024; // a hundred lines of text

    explicit MenuManager(QObject *parent = nullptr);
    ~MenuManager() override;

    static QHash<int, QByteArray> productRoleNames();
    // True for the text of a menu file of this version with the shape throughout: what a
    // file from elsewhere must be to replace ours. The start reads ours member by member.
    static bool isMenuDocument(const QByteArray &text);

    RoleItemModel *productsModel() const { return m_productsModel; }
    // The timer-colour palette (TimerColorsData entries), published as timerColorsDataList.
    const QList<QObject *> &timerColorsDataList() const { return m_timerColors; }
    CookbookLock *cookbookLock() const { return m_cookbookLock; }
    QObject *cookbookLockObject() const;
    QObject *cookbookRulesObject() const;

    // A menu save is running (its outcome comes as menuSaveFinished).
    bool isSaving() const;
    // Copies of every row of the products model, and putting such copies back: what an
    // import keeps so that a failed import leaves the previous menu in place.
    QList<QStandardItem *> cloneRows() const;
    void restoreRows(const QList<QStandardItem *> &rows);
    // The legacy-list text of the binary import's records: one line per product or group
    // record; names cannot break a line (a comma becomes U+201A, a line break a space);
    // a group keeps every member the file names.
    static QString legacyListText(const QList<Product_t> &plist);
    // Takes back the legacy list written by the last processOrvantaProductsList.
    void undoLegacyListWrite();

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
    // The name of the product in `row` in a language, its plain name where it has none.
    QString productNameOfRow(int row, int languageId) const;
    QByteArray getProductMd5(int id) const;
    quint32 getProductCrc32(int id) const;
    QString convertPanSizeToPanFraction(int panSize) const;
    int convertPanFractionToPanSize(const QString &panSizeX) const;
    void processChangedItem(QStandardItem *item);
    QString getProductTimerForeColor(QString value) const;

    // The cookbook's Save: the edit models replace the menu, which is saved; the cloud
    // link hears of it once the save has ended, with its outcome.
    void saveEditModel();

    // Menu file.
    void menuLoadJsonDocFile();
    bool saveProductsMenuJson();
    QByteArray menuDataModelToJson() const;
    // The end of each command of the save ("syncCommand", "mvCommand"), the command as
    // sender; called otherwise it changes nothing.
    void writeMenuFileWrapUp(int exitCode, QProcess::ExitStatus exitStatus);

    // Legacy products list and names objects.
    void loadProductsMenu();
    QStringList readNameTranslationsFromJson(const QJsonObject &nameObj) const;
    QJsonObject setNameListToJson(const QStringList &nameList) const;

    // Appliers of the menu imports. Both replace the whole products model and start the
    // menu save; false when nothing was changed (list not writable, document not a
    // version-1 menu) or the save could not start.
    bool processOrvantaProductsList(const QList<Product_t> &plist);
    bool processOrvantaJsonProducts(const QString &ovMenuDoc);

signals:
    void notifyMenuUpdated(QString timeStamp, int method, bool result);
    void reloadProductsFile();
    void sendProductsFileViaCanbus(QString filePath, int fileTxfrId);
    void productsMD5(QString value);
    void notifyCloudUpdateDone(QString timeStamp, bool result);
    // The end of every menu save: true once menu.json holds the new menu.
    void menuSaveFinished(bool ok);
    // The menu was reloaded or replaced: the edit models hold a fresh copy of it and the
    // cookbook's day-part edit grids were taken afresh, unsaved edits dropped.
    void editModelsRefreshed();

protected:
    int panSizeOfFraction(const QString &panSizeX) const override { return convertPanFractionToPanSize(panSizeX); }

private:
    CabinetCore *core() const;
    void scheduleEditRefresh();
    void refreshEditModels();
    void reportCookbookSave(bool ok);
    int customerId() const;
    int traysPerZone() const;
    int currentLanguage() const;
    QVariant roleOfRow(int row, int role) const;
    QByteArray productDigestText(int id) const;

    QString chooseMenuFile() const;
    bool migrateLegacyList();
    bool completeInterruptedSave();
    bool loadMenuFromFile(const QString &path);
    QStandardItem *productFromJson(const JsonMembers &product) const;
    QStandardItem *groupFromJson(const JsonMembers &group) const;
    void setPanSizeFromFraction(QStandardItem *row, const QString &zoneSplits) const;
    QJsonObject productToJson(const QStandardItem *row) const;
    QJsonObject groupToJson(const QStandardItem *row) const;
    void menuFileSaved();
    void menuSaveFailed();

    QByteArray legacyListContent() const;
    void readLegacyList(QTextStream &in);
    QStandardItem *legacyProduct(const QStringList &fields) const;
    QStandardItem *legacyGroup(const QStringList &fields) const;
    QStandardItem *legacyOtherLine() const;
    void setLegacyGroupFanSpeeds();
    // Where an import keeps the list it replaces: the smallest free productsList.txt_<n>.
    static QString freeLegacyListCopyName(const QString &listPath);
    QStandardItem *importedJsonProduct(const QJsonObject &product, int language) const;
    QStandardItem *importedJsonGroup(const QJsonObject &group, int language) const;

    RoleItemModel *m_productsModel;
    RoleItemModel *m_productsEditModel;
    RoleItemModel *m_groupsEditModel;
    RoleItemModel *m_dayPartsEditModel;
    Crc32 m_crc32;
    FileSaveChain *m_menuSave;
    bool m_deleteLegacyListAfterSave = false;
    // What processOrvantaProductsList did to the legacy list, for undoLegacyListWrite.
    bool m_legacyListWritten = false;
    QString m_legacyListBackup;
    QList<QObject *> m_timerColors;
    CookbookLock *m_cookbookLock;
    CookbookRules *m_cookbookRules;
    bool m_editRefreshQueued = false;
    // Cookbook saves waiting for their outcome: the stamp, and how many earlier saves
    // end before it.
    struct PendingReport
    {
        QString stamp;
        int savesAhead;
    };
    QList<PendingReport> m_pendingReports;
};

#endif // MENUMANAGER_H
