#include "orvantaproxy.h"
#include "menulog.h"

#include "pathguard.h"

#include "cabinetcore.h"
#include "commandlauncher.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "jsonmenufile.h"
#include "menuimporttransaction.h"
#include "menumanager.h"
#include "safefilereader.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalTransition>

namespace {

const QString binarySuffix = QStringLiteral(".tul");
const QString jsonSuffix = QStringLiteral(".json");
const QString stampSuffix = QStringLiteral(".txt");

QString unixSeconds()
{
    return QString::number(QDateTime::currentMSecsSinceEpoch() / 1000);
}

// Regular files only (no folders, links or hidden files), by name ignoring case.
QStringList listFiles(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot,
                               QDir::Name | QDir::IgnoreCase);
}

// The stamp's whole seconds; 0 (a time already passed) when it is not a 64-bit number.
qint64 stampSeconds(const QString &stamp)
{
    bool ok = false;
    const qint64 seconds = stamp.toLongLong(&ok);
    return ok ? seconds : 0;
}

} // namespace

OrvantaProxy::OrvantaProxy(QObject *parent)
    : P4StateMachine(parent)
    , m_ovImportDir(TulPaths::flashDir())
{
    setObjectName(QStringLiteral("ovp"));
    QState *findOvFile = addNamedState(QStringLiteral("findOvFile"));
    addNamedState(QStringLiteral("checkSlaveReady"));
    QState *doTheImport = addNamedState(QStringLiteral("doTheImport"));
    QState *doneState = addNamedState(QStringLiteral("doneState"));
    QState *nothingToDo = addNamedState(QStringLiteral("nothingToDo"));
    setInitialState(findOvFile);
    const struct { QState *from; const char *signal; QState *to; const char *name; const char *trigger; } table[] = {
        {findOvFile, SIGNAL(doOvAutoImport()), doTheImport, "t_1", "this::doOvAutoImport()"},
        {findOvFile, SIGNAL(noOvAutoImport()), nothingToDo, "t_2", "this::noOvAutoImport()"},
        {doTheImport, SIGNAL(doneImporting()), doneState, "t_3", "this::doneImporting()"},
    };
    for (const auto &t : table) {
        QSignalTransition *transition = addNamedTransition(t.from, this, t.signal, t.to, QLatin1String(t.name));
        transition->setProperty("trigSignal", QLatin1String(t.trigger));
    }
}

OrvantaProxy::~OrvantaProxy() = default;

QString OrvantaProxy::preloadedMenusDir()
{
    return TulPaths::rootPath(QStringLiteral("preloadedMenus/"));
}

QString OrvantaProxy::automaticUpdateDir()
{
    return TulPaths::rootPath(QStringLiteral("updates/menu/"));
}

bool OrvantaProxy::isBinaryMenuName(const QString &name)
{
    return name.size() > binarySuffix.size() && name.endsWith(binarySuffix, Qt::CaseInsensitive);
}

bool OrvantaProxy::isJsonMenuName(const QString &name)
{
    return name.size() > jsonSuffix.size() && name.endsWith(jsonSuffix, Qt::CaseInsensitive);
}

CabinetCore *OrvantaProxy::core() const
{
    return CabinetCore::of(this);
}

MenuImportTransaction *OrvantaProxy::transaction()
{
    if (!m_transaction) {
        CabinetCore *c = core();
        m_transaction = new MenuImportTransaction(c ? c->menuManager() : nullptr,
                                                  c ? c->daypartManager() : nullptr,
                                                  c ? c->configManager() : nullptr, this);
        connect(m_transaction, &MenuImportTransaction::finished, this, &OrvantaProxy::importFinished);
    }
    return m_transaction;
}

bool OrvantaProxy::isImporting() const
{
    return m_importRunning;
}

void OrvantaProxy::connectAppliers(ConfigurationManager *config, MenuManager *menu, DayPartManager *dayParts)
{
    if (config)
        connect(this, &OrvantaProxy::newConfigData, config, [this, config](const Configuration_t &data) {
            runApplier([&] { return config->processOrvantaConfigData(data); });
        });
    if (menu)
        connect(this, &OrvantaProxy::newProductsDataList, menu, [this, menu](const QList<Product_t> &list) {
            runApplier([&] { return menu->processOrvantaProductsList(list); });
        });
    if (dayParts) {
        connect(this, &OrvantaProxy::newDayPartData, dayParts, [this, dayParts](const DayPart_t &data, int idx) {
            runApplier([&] {
                dayParts->processOrvantaDayPart(data, idx);
                return true;
            });
        });
        connect(this, &OrvantaProxy::saveNewDayPartsToJson, dayParts,
                [this, dayParts] { runApplier([&] { return dayParts->saveNewDayPartsToJson(); }); });
    }
    // Queued, so that they run once the import has returned: the day parts, then the
    // products.
    if (dayParts)
        connect(this, &OrvantaProxy::newProductsDataJsonDoc, dayParts, [this, dayParts](const QString &doc) {
            runApplier([&] { return dayParts->processOrvantaJsonDayParts(doc); });
        }, Qt::QueuedConnection);
    if (menu)
        connect(this, &OrvantaProxy::newProductsDataJsonDoc, menu, [this, menu](const QString &doc) {
            runApplier([&] { return menu->processOrvantaJsonProducts(doc); });
        }, Qt::QueuedConnection);
}

// An applier runs only for the step the running import has announced, so that a signal
// sent at another time, or after a failure, changes nothing.
void OrvantaProxy::runApplier(const std::function<bool()> &applier)
{
    if (m_transaction && m_transaction->accepts())
        m_transaction->stepDone(applier());
}

// ---------------------------------------------------------------- properties

void OrvantaProxy::set_ovImportFound(bool value)
{
    m_ovImportFound = value;
    emit ovImportFoundChanged(value);
}

void OrvantaProxy::set_updateMenuTimeStamp(const QString &value)
{
    if (refusesPath("updateMenuTimeStamp", value))
        return;
    m_updateMenuTimeStamp = value;
    emit updateMenuTimeStampChanged(value);
}

// Written by the import screen and over the bus; the import removes and reads what they
// name, so none may point out of its root.
bool OrvantaProxy::refusesPath(const char *property, const QString &value)
{
    const QString why = PathGuard::refusal(QLatin1String(property), value);
    if (why.isEmpty())
        return false;
    qCWarning(lcMenu).noquote() << "Refused" << property << "-" << why;
    return true;
}

void OrvantaProxy::set_ovImportFilename(const QString &value)
{
    if (refusesPath("ovImportFilename", value))
        return;
    m_ovImportFilename = value;
    emit ovImportFilenameChanged(value);
}

void OrvantaProxy::set_ovImportDir(const QString &value)
{
    if (refusesPath("ovImportDir", value))
        return;
    m_ovImportDir = value.endsWith(QLatin1Char('/')) ? value : value + QLatin1Char('/');
    emit ovImportDirChanged(m_ovImportDir);
}

void OrvantaProxy::set_upDirPossible(bool value)
{
    m_upDirPossible = value;
    emit upDirPossibleChanged(value);
}

void OrvantaProxy::set_dirContent(const QStringList &value)
{
    m_dirContent = value;
    emit dirContentChanged(value);
}

void OrvantaProxy::set_numOfFiles(int value)
{
    m_numOfFiles = value;
    emit numOfFilesChanged(value);
}

// ---------------------------------------------------------------- the update screen

void OrvantaProxy::set_importSource(int sourceType)
{
    set_ovImportDir(sourceType == 0 ? TulPaths::flashDir() : preloadedMenusDir());
}

void OrvantaProxy::getOvImportDirList()
{
    QStringList menuFiles;
    const QStringList files = listFiles(m_ovImportDir);
    for (const QString &name : files) {
        if (isBinaryMenuName(name) || isJsonMenuName(name))
            menuFiles << name;
    }
    set_dirContent(menuFiles);
    qCDebug(lcMenu).noquote() << "files in : " + m_ovImportDir + " are ..." << menuFiles;
    const auto binary = std::find_if(menuFiles.cbegin(), menuFiles.cend(), &OrvantaProxy::isBinaryMenuName);
    if (binary != menuFiles.cend()) {
        qCDebug(lcMenu).noquote() << "Found update file: " + *binary;
        set_ovImportFound(true);
        set_ovImportFilename(*binary);
    } else {
        qCDebug(lcMenu).noquote() << "No update file found: ";
        set_ovImportFound(false);
        set_ovImportFilename(QString());
    }
    set_numOfFiles(menuFiles.size());
}

void OrvantaProxy::sortFileModel(const QString &unused)
{
    Q_UNUSED(unused)
}

void OrvantaProxy::processSlaveFoundSignal(bool found)
{
    if (found)
        emit slaveFoundSignal();
    else
        emit slaveNotFoundSignal();
}

void OrvantaProxy::importMenuFile(const QString &fileName)
{
    set_ovImportFilename(fileName);
    if (isBinaryMenuName(fileName))
        importOrvantaFile(fileName);
    else
        importOrvantaJsonFile(fileName);
}

// ---------------------------------------------------------------- the automatic road

void OrvantaProxy::findOvFile_onEntry()
{
    const QString dir = automaticUpdateDir();
    qCDebug(lcMenu).noquote() << "1: findOvFile_onEntry: " + dir;
    // A folder replaced by a link is not read (nor emptied) by the import.
    if (!QFileInfo(dir).isDir() || refusesPath("ovImportDir", dir)) {
        emit noOvAutoImport();
        return;
    }
    static const QRegularExpression digitsOnly(QStringLiteral("\\A\\d*\\z"));
    QStringList candidates;
    QString stamp;
    bool stampHeld = false;
    const QStringList files = listFiles(dir);
    for (const QString &name : files) {
        if (isBinaryMenuName(name)) {
            candidates << name;
            qCDebug(lcMenu).noquote() << "Found tul file: " + name;
        } else if (isJsonMenuName(name)) {
            candidates << name;
            qCDebug(lcMenu).noquote() << "Found json file: " + name;
        }
        if (!stampHeld && name.endsWith(stampSuffix, Qt::CaseInsensitive)) {
            QString stem = name;
            stem.remove(stampSuffix, Qt::CaseInsensitive);
            if (digitsOnly.match(stem).hasMatch()) {
                stamp = stem;
                stampHeld = true;
                set_updateMenuTimeStamp(name);
            }
        }
    }
    const qint64 notBefore = stampSeconds(stamp);
    const qint64 now = (QDateTime::currentMSecsSinceEpoch() + 500) / 1000;
    if (notBefore >= now) {
        qCDebug(lcMenu).noquote() << "Menu update waits until" << notBefore << "(now" << now << ")";
        emit noOvAutoImport();
        return;
    }
    if (candidates.isEmpty()) {
        set_ovImportFound(false);
        emit noOvAutoImport();
        return;
    }
    set_ovImportFilename(candidates.first());
    set_ovImportFound(true);
    set_ovImportDir(dir);
    emit doOvAutoImport();
}

void OrvantaProxy::checkSlaveReady_onEntry()
{
    emit askForSlaveSignal();
}

void OrvantaProxy::doTheImport_onEntry()
{
    m_autoImport = true;
    const QString name = m_ovImportFilename;
    if (isBinaryMenuName(name))
        importOrvantaFile(name);
    else if (isJsonMenuName(name))
        importOrvantaJsonFile(name);
    else
        emit doneImporting();
}

void OrvantaProxy::doTheImport_onExit()
{
    m_autoImport = false;
}

void OrvantaProxy::doneState_onEntry()
{
    // A file that could not be read stays for the next start; one that was read goes,
    // good or bad, so that a bad file is not tried again.
    if (m_importReadFile) {
        QFile::remove(m_ovImportDir + m_ovImportFilename);
        if (!m_updateMenuTimeStamp.isEmpty())
            QFile::remove(m_ovImportDir + m_updateMenuTimeStamp);
    } else {
        qCWarning(lcMenu).noquote() << "The menu file" << m_ovImportDir + m_ovImportFilename
                             << "was not read; it is kept for the next start";
    }
    set_ovImportFilename(QString());
    set_ovImportFound(false);
    set_updateMenuTimeStamp(QString());
    m_ovImportDir = TulPaths::flashDir();
}

void OrvantaProxy::nothingToDo_onEntry()
{
    set_ovImportFilename(QString());
    set_ovImportFound(false);
    m_ovImportDir = TulPaths::flashDir();
}

// ---------------------------------------------------------------- imports

QString OrvantaProxy::importPath(const QString &fileName) const
{
    return m_ovImportDir + fileName;
}

int OrvantaProxy::importMethod() const
{
    return m_autoImport ? METHOD_AUTOMATIC : METHOD_UPDATE_SCREEN;
}

void OrvantaProxy::importOrvantaFile(const QString &fileName)
{
    const QString path = importPath(fileName);
    qCDebug(lcMenu).noquote() << ": trying ov import: " + path;
    if (m_importRunning) {
        // The running import keeps its own state and report.
        qCWarning(lcMenu).noquote() << "Menu import refused: another import is being saved";
        emit orvantaDataImportFailed();
        if (m_autoImport) { // the file was not read: it stays for the next start
            m_importReadFile = false;
            emit doneImporting();
        }
        return;
    }
    m_importMethod = importMethod();
    m_importReadFile = false;
    if (fileName.contains(QLatin1Char('/'))) {
        qCWarning(lcMenu).noquote() << "Menu import refused: not a bare file name:" << fileName;
        return reportFailure();
    }
    if (!QFileInfo::exists(path))
        return reportFailure();
    QByteArray bytes;
    switch (SafeFileReader::read(path, maxBinaryFileSize, &bytes, "menu file")) {
    case SafeFileReader::Ok:
        break;
    case SafeFileReader::Missing:
        return reportFailure();
    case SafeFileReader::Unreadable:
        // Nothing was read: the screen says so, the cloud is not told of an update.
        emit orvantaDataImportFailed();
        endImport();
        return;
    case SafeFileReader::TooLarge:
        m_importReadFile = true;
        return reportFailure();
    }
    m_importReadFile = true;
    m_lastBinary = BinaryMenuFile::read(bytes);
    for (int i = 0; i < m_lastBinary.problems.size(); ++i) {
        qCWarning(lcMenu).noquote() << m_lastBinary.messages.value(i);
        switch (m_lastBinary.problems.at(i)) {
        case BinaryMenuFile::Problem::BadHeaderCrc: emit badHeaderCrc(); break;
        case BinaryMenuFile::Problem::BadConfigurationCrc: emit badConfigurationCrc(); break;
        case BinaryMenuFile::Problem::BadProductCrc: emit badProductCrc(); break;
        case BinaryMenuFile::Problem::BadDaypartCrc: emit badDaypartCrc(); break;
        case BinaryMenuFile::Problem::ShortFile: break;
        }
    }
    if (m_lastBinary.outcome == BinaryMenuFile::Outcome::UnsupportedVersion) {
        qCWarning(lcMenu).noquote() << m_lastBinary.messages.value(0);
        // A file of another version is refused on the screen only; the cloud hears of
        // no update.
        emit invalidFileVersion();
        endImport();
        return;
    }
    if (m_lastBinary.outcome != BinaryMenuFile::Outcome::Good || !transaction()->beginBinary(m_lastBinary))
        return reportFailure();
    applyBinary();
}

// The settings, the products, the two day parts and the day parts' save, each checked
// before the next goes out; the report follows the saves (importFinished).
void OrvantaProxy::applyBinary()
{
    setImporting(true);
    MenuImportTransaction *tx = m_transaction;
    tx->expect(MenuImportTransaction::Settings);
    emit newConfigData(m_lastBinary.configuration);
    if (!tx->applied("the settings"))
        return;
    tx->expect(MenuImportTransaction::Menu);
    emit newProductsDataList(m_lastBinary.products);
    if (!tx->applied("the products"))
        return;
    for (int idx = 0; idx < BinaryMenuFile::dayPartRecords; ++idx) {
        tx->expect(MenuImportTransaction::DayParts);
        emit newDayPartData(m_lastBinary.dayParts.at(idx), idx);
        if (!tx->applied("a day part"))
            return;
    }
    tx->expect(MenuImportTransaction::DayParts);
    emit saveNewDayPartsToJson();
    if (!tx->applied("the day parts' save"))
        return;
    tx->waitForSaves();
}

void OrvantaProxy::importOrvantaJsonFile(const QString &fileName)
{
    const QString path = importPath(fileName);
    qCDebug(lcMenu).noquote() << fileName + ": trying JSON import: " + path;
    if (m_importRunning) {
        // The running import keeps its own state and report.
        qCWarning(lcMenu).noquote() << "Menu import refused: another import is being saved";
        emit orvantaDataImportFailed();
        if (m_autoImport) { // the file was not read: it stays for the next start
            m_importReadFile = false;
            emit doneImporting();
        }
        return;
    }
    m_importMethod = importMethod();
    m_importReadFile = false;
    if (fileName.contains(QLatin1Char('/'))) {
        qCWarning(lcMenu).noquote() << "Menu import refused: not a bare file name:" << fileName;
        return reportFailure();
    }
    QByteArray bytes;
    const SafeFileReader::Result read = SafeFileReader::read(path, JsonMenuFile::maxFileSize, &bytes, "menu file");
    if (read != SafeFileReader::Ok) {
        m_importReadFile = read == SafeFileReader::TooLarge;
        return reportFailure();
    }
    m_importReadFile = true;
    const JsonMenuFile::Outline outline = JsonMenuFile::checkOutline(bytes);
    for (const QString &message : outline.messages)
        qCWarning(lcMenu).noquote() << message;
    if (!outline.repeatedKeys.isEmpty())
        qCWarning(lcMenu).noquote() << fileName + ": keys named twice in one object, the last value taken:"
                                    << outline.repeatedKeys.join(QStringLiteral(", "));
    const QString digest = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
    if (!outline.ok || !transaction()->beginJson(outline.document, digest))
        return reportFailure();
    applyJson(outline.document);
}

void OrvantaProxy::applyJson(const QJsonObject &document)
{
    setImporting(true);
    m_transaction->expect(MenuImportTransaction::Menu | MenuImportTransaction::DayParts, 2);
    emit newProductsDataJsonDoc(QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented)));
    m_transaction->waitForQueuedSteps("the JSON menu");
}

void OrvantaProxy::reportFailure()
{
    emit orvantaDataImportFailed();
    if (MenuManager *menu = core() ? core()->menuManager() : nullptr)
        emit menu->notifyMenuUpdated(unixSeconds(), m_importMethod, false);
    endImport();
}

void OrvantaProxy::importFinished(bool ok)
{
    if (!m_importRunning) {
        endImport();
        return;
    }
    setImporting(false);
    if (!ok)
        return reportFailure();
    const QString time = unixSeconds();
    emit orvantaDataImported();
    emit importedMenu(QStringLiteral("%1|%2").arg(m_ovImportFilename, time));
    if (MenuManager *menu = core() ? core()->menuManager() : nullptr)
        emit menu->notifyMenuUpdated(time, m_importMethod, true);
    endImport();
}

void OrvantaProxy::setImporting(bool importing)
{
    if (m_importRunning == importing)
        return;
    m_importRunning = importing;
    emit importingChanged(importing);
}

void OrvantaProxy::endImport()
{
    setImporting(false);
    if (m_importMethod == METHOD_AUTOMATIC && m_autoImport)
        emit doneImporting();
}

// ---------------------------------------------------------------- export

void OrvantaProxy::exportOrvantaJsonFile()
{
    CabinetCore *c = core();
    MenuManager *menu = c ? c->menuManager() : nullptr;
    DayPartManager *dayParts = c ? c->daypartManager() : nullptr;
    if (!menu || !dayParts) {
        emit exportMenuFailed();
        return;
    }
    const QString folder = c->readFlashDrivePath();
    const QString serial = c->configManager() ? c->configManager()->get_serialNumber() : QString();
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                       | QDir::NoDotAndDotDot);
    const QString name = JsonMenuFile::exportFileName(entries, serial);
    const QByteArray text = JsonMenuFile::exportDocument(serial, menu->menuDataModelToJson(),
                                                         dayParts->dayPartsInfoToJson(false));
    QString error;
    if (!SafeFileWriter::writeFile(folder + name, text, &error)) {
        qCWarning(lcMenu).noquote() << "Menu export to" << folder + name << "failed:" << error;
        emit exportMenuFailed();
        return;
    }
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
    emit exportedMenu(name);
}
