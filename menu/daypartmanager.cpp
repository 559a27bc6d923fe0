#include "daypartmanager.h"
#include "menulog.h"

#include "cabinetcore.h"
#include "commandlauncher.h"
#include "configurationmanager.h"
#include "filesavechain.h"
#include "jsonguard.h"
#include "menujson.h"
#include "menulanguages.h"
#include "menumanager.h"
#include "safefilereader.h"
#include "safefilewriter.h"
#include "translator.h"
#include "tulpaths.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTextStream>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

const QString dayPartFileName = QStringLiteral("dayParts.json");
const QString morningFileName = QStringLiteral("morningDayPart.txt");
const QString eveningFileName = QStringLiteral("eveningDayPart.txt");

QList<QStringList> defaultDayPartNames(int dayParts)
{
    QList<QStringList> names;
    for (int d = 0; d < dayParts; ++d) {
        QString english = QStringLiteral("Daypart %1").arg(d);
        QString spanish = english;
        QString french = english;
        if (d == 0) {
            english = QStringLiteral("Breakfast");
            spanish = QStringLiteral("Desayuno");
            french = QStringLiteral("Petit-d\u00e9jeuner");
        } else if (d == 1) {
            english = QStringLiteral("Lunch/Dinner");
            spanish = QStringLiteral("Almuerzo/Cena");
            french = QStringLiteral("D\u00e9jeuner/D\u00eener");
        }
        QStringList perLanguage;
        for (int l = 0; l < MenuLanguages::count; ++l)
            perLanguage << (l == 1 ? spanish : l == 2 ? french : english);
        names << perLanguage;
    }
    return names;
}

} // namespace

DayPartManager::DayPartManager(int numberOfZones, int traysPerZone, MenuManager *menuManager,
                               QObject *parent)
    : P4StateMachine(parent)
    , m_traysPerZone(traysPerZone)
    , m_numberOfZones(numberOfZones)
    , m_menuManager(menuManager)
    , m_dayPartNames(defaultDayPartNames(maxDayParts))
    , m_save(new FileSaveChain(TulPaths::rootPath(dayPartFileName),
                               QStringLiteral("Saving day-parts json file."),
                               [this] { return dayPartsInfoToJson(true); }, this))
{
    setObjectName(QStringLiteral("daypartManager"));
    m_save->setObjectName(QStringLiteral("dayPartsSaveChain"));
    m_save->setWrapUpSlot(this, &DayPartManager::writeDaypartsFileWrapUp);
    connect(m_save, &FileSaveChain::saved, this, &DayPartManager::dayPartsFileSaved);
    connect(m_save, &FileSaveChain::saveFailed, this, &DayPartManager::daypartsSaveFailed);
    connect(this, &DayPartManager::nextDayPartChanged, this, &DayPartManager::buildNotifyDayPartChange);
}

DayPartManager::~DayPartManager() = default;

void DayPartManager::setProductLocationMap(const int *map, int entries)
{
    m_productLocationMap = map;
    m_productLocationEntries = map ? entries : 0;
}

CabinetCore *DayPartManager::core() const
{
    return CabinetCore::of(this);
}

int DayPartManager::currentLanguage() const
{
    const CabinetCore *c = core();
    const Translator *translator = c ? c->translator() : nullptr;
    return translator ? translator->getLanguage() : 0;
}

// Names follow the stored language code of the settings (English for a code that is
// not one of the 15, and before the settings exist).
int DayPartManager::nameLanguage() const
{
    const CabinetCore *c = core();
    const ConfigurationManager *config = c ? c->configManager() : nullptr;
    if (!config)
        return currentLanguage();
    return qMax(0, MenuLanguages::indexOf(config->get_languageId()));
}

// ---------------------------------------------------------------- properties

void DayPartManager::set_partOfDay(int value)
{
    if (m_partOfDay == value)
        return;
    m_partOfDay = value;
    emit partOfDayChanged(value);
}

void DayPartManager::set_nextDayPart(int value)
{
    // The value may come from the other display: only a defined day part is taken.
    if (value < 0 || value >= m_dayPartsCount) {
        qCWarning(lcMenu).noquote() << "DayPartManager::set_nextDayPart() dayPart out of range:" << value;
        return;
    }
    m_nextDayPart = value;
    emit nextDayPartChanged(value);
}

void DayPartManager::set_singleCol(bool value)
{
    if (m_singleCol == value)
        return;
    m_singleCol = value;
    emit singleColChanged(value);
}

void DayPartManager::set_numOfTrays(int value)
{
    if (m_numOfTrays == value)
        return;
    m_numOfTrays = value;
    emit numOfTraysChanged(value);
}

void DayPartManager::set_traysPerZone(int value)
{
    if (m_traysPerZone == value)
        return;
    m_traysPerZone = value;
    emit traysPerZoneChanged(value);
}

void DayPartManager::set_numberOfZones(int value)
{
    if (m_numberOfZones == value)
        return;
    m_numberOfZones = value;
    emit numberOfZonesChanged(value);
}

// ---------------------------------------------------------------- grids

int DayPartManager::getProdIdOnBin(int dp, int bin) const
{
    bool ok = true;
    if (dp < 0 || dp >= maxDayParts) {
        qCWarning(lcMenu).noquote() << "getProdIdOnBin() dp out of range: " << dp;
        ok = false;
    }
    if (!isUsableBin(bin)) {
        qCWarning(lcMenu).noquote() << "getProdIdOnBin() bin out of range: " << bin;
        ok = false;
    }
    return ok ? m_dayPartProducts[dp][bin] : 0;
}

int DayPartManager::gridLookUp(const Grid &grid, int dayPart, int dayParts, int zone,
                               int panIndex, const char *who) const
{
    bool ok = true;
    if (dayPart < 0 || dayPart >= dayParts) {
        qCWarning(lcMenu).noquote() << QStringLiteral("DayPartManager::%1() dayPart out of range:").arg(QLatin1String(who)) << dayPart;
        ok = false;
    }
    if (zone < 0 || zone >= m_numberOfZones) {
        qCWarning(lcMenu).noquote() << QStringLiteral("DayPartManager::%1() zone out of range:").arg(QLatin1String(who)) << zone;
        ok = false;
    }
    if (panIndex < 0 || panIndex >= m_traysPerZone) {
        qCWarning(lcMenu).noquote() << QStringLiteral("DayPartManager::%1() panIndex out of range:").arg(QLatin1String(who)) << panIndex;
        return 0;
    }
    const int bin = binOf(zone, panIndex);
    if (!ok || !isUsableBin(bin))
        return 0;
    return grid[dayPart][bin];
}

int DayPartManager::dayPartGetProductId(int dayPart, int zone, int panIndex) const
{
    return gridLookUp(m_dayPartProducts, dayPart, maxDayParts, zone, panIndex, "dayPartGetProductId");
}

int DayPartManager::dayPartEditGetProductId(int dayPart, int zone, int panIndex) const
{
    return gridLookUp(m_editDayPartProducts, dayPart, m_dayPartsCount, zone, panIndex,
                      "dayPartEditGetProductId");
}

void DayPartManager::dayPartEditSetProductId(int dayPart, int zone, int panIndex, int prodId)
{
    // Computed wide: a huge zone or pan must not wrap round to an index inside memory.
    const qint64 wideBin = qint64(panIndex) + qint64(m_traysPerZone) * zone;
    if (dayPart < 0 || dayPart >= maxDayParts || zone < 0 || panIndex < 0 || wideBin < 0
        || wideBin >= maxBins) {
        qCWarning(lcMenu).noquote() << "DayPartManager::dayPartEditSetProductId() position out of range:"
                             << dayPart << zone << panIndex;
        return;
    }
    const int bin = int(wideBin);
    m_editDayPartProducts[dayPart][bin] = prodId;
    // In zones of one bin on a two-tray layout the odd zone's second pan is not a bin.
    const CabinetCore *c = core();
    if (c && c->get_singleBinZone() == 1 && c->get_traysPerZone() == 2 && zone % 2 == 1
        && bin + 1 < maxBins)
        m_editDayPartProducts[dayPart][bin + 1] = 0;
}

void DayPartManager::dayPartEditInitialize()
{
    m_editDayPartProducts = m_dayPartProducts;
}

void DayPartManager::dayPartEditSave()
{
    m_dayPartProducts = m_editDayPartProducts;
    saveDayPartFileJson();
}

void DayPartManager::deleteProductGroupFromDayParts(int pgid)
{
    for (int d = 0; d < maxDayParts; ++d) {
        for (int zone = 0; zone < m_numberOfZones; ++zone) {
            for (int pan = m_traysPerZone - 1; pan >= 0; --pan) {
                const int bin = binOf(zone, pan);
                if (bin < maxBins && m_editDayPartProducts[d][bin] == pgid)
                    dayPartEditSetProductId(d, zone, pan, 0);
            }
        }
    }
}

void DayPartManager::loadDefaultDayPart()
{
    set_nextDayPart(0);
}

// ---------------------------------------------------------------- names and in-use list

QString DayPartManager::getDayPartName(int dayPartIndex) const
{
    return getDayPartName(nameLanguage(), dayPartIndex);
}

QString DayPartManager::getDayPartName(int language, int dayPartIndex) const
{
    if (dayPartIndex < 0 || dayPartIndex >= m_dayPartsCount || language < 0
        || language >= MenuLanguages::count)
        return QString();
    return m_dayPartNames.at(dayPartIndex).at(language);
}

int DayPartManager::getDayPartToUse(int index) const
{
    return m_dayPartsInUse.value(index, -1);
}

int DayPartManager::getDayPartToUseIndex(int dayPart) const
{
    return qMax(0, m_dayPartsInUse.indexOf(dayPart));
}

void DayPartManager::setIsUsedDayPart(int index, bool isUsed)
{
    if (isUsed)
        m_dayPartsInUse.append(index);
}

void DayPartManager::saveDayPartsUsed()
{
    saveDayPartFileJson();
    emit reloadDaypartsInUse();
}

void DayPartManager::buildNotifyDayPartChange(int dp)
{
    const int language = currentLanguage();
    if (dp != m_partOfDay) {
        const QString timeStamp = QString::number(QDateTime::currentMSecsSinceEpoch() / 1000);
        emit notifyDayPartChange(timeStamp, getDayPartName(language, m_partOfDay),
                                 getDayPartName(language, dp));
    }
    // The day part in force becomes the reference of the next change and of the
    // cloud link's events.
    set_partOfDay(dp);
}

// ---------------------------------------------------------------- day-part file: build and save

int DayPartManager::traysToSave() const
{
    const CabinetCore *c = core();
    const int trays = c ? c->get_traysPerCabinet() : m_numOfTrays;
    return qBound(0, trays, maxBins);
}

int DayPartManager::locationOfTray(int tray) const
{
    if (tray < m_productLocationEntries)
        return m_productLocationMap[tray];
    return tray;
}

QJsonArray DayPartManager::productLocationsToJson(int dayPart, bool isToLocalFile) const
{
    QJsonArray locations;
    const int trays = traysToSave();
    for (int i = 0; i < trays; ++i) {
        const int bin = (isToLocalFile ? i : locationOfTray(i)) + 1;
        locations.append(QJsonObject{{QStringLiteral("bin"), bin},
                                     {QStringLiteral("productId"), m_dayPartProducts[dayPart][i]}});
    }
    return locations;
}

QByteArray DayPartManager::dayPartsInfoToJson(bool isToLocalFile) const
{
    QJsonArray layout;
    for (int d = 0; d < m_dayPartsCount && d < maxDayParts; ++d) {
        QJsonObject names;
        for (int l = 0; l < MenuLanguages::count; ++l)
            names.insert(MenuLanguages::code(l), m_dayPartNames.at(d).at(l));
        QJsonObject entry;
        entry.insert(QStringLiteral("daypartName"), names);
        entry.insert(QStringLiteral("productLocations"), productLocationsToJson(d, isToLocalFile));
        entry.insert(QStringLiteral("inUse"), m_dayPartsInUse.contains(d));
        layout.append(entry);
    }
    QJsonObject top;
    top.insert(QStringLiteral("dayPartVersion"), dayPartVersion);
    top.insert(QStringLiteral("layout"), layout);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

bool DayPartManager::saveDayPartFileJson()
{
    return m_save->save();
}

bool DayPartManager::saveNewDayPartsToJson()
{
    return saveDayPartFileJson();
}

void DayPartManager::writeDaypartsFileWrapUp(int exitCode, QProcess::ExitStatus exitStatus)
{
    m_save->stepFinished(sender(), exitCode, exitStatus);
}

void DayPartManager::dayPartsFileSaved()
{
    if (m_deleteLegacyFilesAfterSave) {
        m_deleteLegacyFilesAfterSave = false;
        removeLegacyFiles();
    }
    if (CabinetCore *c = core()) {
        c->sendFileViaCanbus(13);
        c->sendOvUpdateDayparts();
    }
    emit newDayPartDefinition(m_nextDayPart);
    emit daypartsFileLoadDone();
    emit dayPartsSaveFinished(true);
}

void DayPartManager::daypartsSaveFailed()
{
    qCWarning(lcMenu).noquote() << "The day parts were not saved; dayParts.json keeps its previous content.";
    // The grid in memory is the one in force all the same: the bins take its products.
    // The other display is not told of a file that did not change.
    emit newDayPartDefinition(m_nextDayPart);
    emit daypartsFileLoadDone();
    emit dayPartsSaveFinished(false);
}

// ---------------------------------------------------------------- day-part file: load

namespace {

// Why nothing of a parsed day-part file can be read; empty when it can be read.
QString dayPartFileProblem(const QJsonDocument &doc)
{
    const QJsonObject top = doc.object();
    if (!doc.isObject() || jsonInt(top.value(QLatin1String("dayPartVersion"))) != DayPartManager::dayPartVersion)
        return QStringLiteral("not a day-part document of version %1").arg(DayPartManager::dayPartVersion);
    if (!top.value(QLatin1String("layout")).isArray())
        return QStringLiteral("\"layout\" is not a list");
    return QString();
}

// Why a day-part document cannot replace ours as a whole; empty when it can. Our own
// start reads a file entry by entry; one from elsewhere must have the shape throughout.
QString dayPartDocumentProblem(const QJsonDocument &doc)
{
    const QJsonObject top = doc.object();
    QString problem = dayPartFileProblem(doc);
    if (!problem.isEmpty())
        return problem;
    problem = JsonGuard::listsOfObjectsProblem(top, {"layout"});
    for (const QJsonValue &entry : top.value(QLatin1String("layout")).toArray()) {
        const QJsonValue names = entry.toObject().value(QLatin1String("daypartName"));
        if (problem.isEmpty() && !names.isUndefined() && !names.isObject())
            problem = QStringLiteral("a day-part name is not an object");
        if (problem.isEmpty())
            problem = JsonGuard::listsOfObjectsProblem(entry.toObject(), {"productLocations"});
    }
    return problem;
}

} // namespace

bool DayPartManager::isDayPartDocument(const QByteArray &text)
{
    QJsonParseError error;
    const QJsonDocument doc = JsonGuard::parse(text, "day-part file", int(maxDayPartFileSize), &error);
    return error.error == QJsonParseError::NoError && dayPartDocumentProblem(doc).isEmpty();
}

void DayPartManager::dayPartsLoadJsonDocFile()
{
    m_save->completeInterruptedSave(&DayPartManager::isDayPartDocument);
    if (QFileInfo::exists(TulPaths::rootPath(dayPartFileName))) {
        removeLegacyFiles();
    } else if (migrateLegacyFiles()) {
        saveDayPartFileJson();
        // The legacy files go once their content is safely in the new file.
        m_deleteLegacyFilesAfterSave = true;
        emit newDayPartDefinition(m_nextDayPart);
    }
    if (!readDayPartDocument())
        return;
    if (m_dayPartsInUse.isEmpty())
        m_dayPartsInUse.append(0);
    keepDayPartInForceDefined();
    emit daypartsFileLoadDone();
    emit reloadDaypartsInUse();
    emit newDayPartDefinition(m_nextDayPart);
}

bool DayPartManager::migrateLegacyFiles()
{
    const QString morning = TulPaths::rootPath(morningFileName);
    const QString evening = TulPaths::rootPath(eveningFileName);
    const bool hasMorning = QFileInfo::exists(morning);
    const bool hasEvening = QFileInfo::exists(evening);
    if (hasMorning) {
        readDayPartFile(morningFileName, 0);
        qCDebug(lcMenu).noquote() << "Read the file morningDayPart.txt";
    }
    if (hasEvening) {
        readDayPartFile(eveningFileName, 1);
        qCDebug(lcMenu).noquote() << "Read the file eveningDayPart.txt";
    }
    return hasMorning || hasEvening;
}

void DayPartManager::removeLegacyFiles()
{
    QFile::remove(TulPaths::rootPath(morningFileName));
    QFile::remove(TulPaths::rootPath(eveningFileName));
}

// Reads the day-part file into the grids, entry by entry; false when it cannot be
// opened. A file of which nothing can be read is set aside and changes nothing (at
// start: the defaults stay).
bool DayPartManager::readDayPartDocument()
{
    const QString path = TulPaths::rootPath(dayPartFileName);
    QJsonDocument doc;
    QStringList repeatedKeys;
    const JsonGuard::FileOutcome outcome = JsonGuard::readDataFile(
        path, maxDayPartFileSize, "day-part file", dayPartFileProblem, &doc, &repeatedKeys);
    if (outcome == JsonGuard::FileOutcome::Missing || outcome == JsonGuard::FileOutcome::Unreadable)
        qCWarning(lcMenu).noquote() << "Unable to Open File: " + dayPartFileName;
    const QJsonArray layout = doc.object().value(QLatin1String("layout")).toArray();
    if (outcome == JsonGuard::FileOutcome::Loaded && !layout.isEmpty()
        && std::none_of(layout.begin(), layout.end(), [](const QJsonValue &entry) { return entry.isObject(); })) {
        SafeFileReader::setAside(path, QStringLiteral("day-part file: no entry of \"layout\" is an object"));
    } else if (outcome == JsonGuard::FileOutcome::Loaded) {
        JsonReadNotes notes;
        notes.addRepeatedKeys(repeatedKeys);
        applyLayout(layout, &notes);
        notes.log(path);
    }
    return outcome == JsonGuard::FileOutcome::Loaded || outcome == JsonGuard::FileOutcome::SetAside;
}

void DayPartManager::applyLayout(const QJsonArray &layout, JsonReadNotes *notes)
{
    if (!layout.isEmpty()) {
        m_dayPartsCount = qMin(int(layout.size()), maxDayParts);
        m_dayPartsInUse.clear();
    }
    m_dayPartProducts = Grid{};
    for (int d = 0; d < layout.size() && d < maxDayParts; ++d) {
        // An entry's place is its day part: one that is not an object stays, empty.
        const QString where = QStringLiteral("layout[%1]").arg(d);
        if (!layout.at(d).isObject() && notes)
            notes->add(where, QStringLiteral("not an object, read as a day part without names or products"));
        applyLayoutEntry(d, JsonMembers(layout.at(d).toObject(), where, notes));
    }
}

void DayPartManager::applyLayoutEntry(int dayPart, const JsonMembers &entry)
{
    const QJsonObject names = entry.object("daypartName");
    for (auto it = names.constBegin(); it != names.constEnd(); ++it) {
        const int language = MenuLanguages::indexOf(it.key());
        if (language < 0)
            continue;
        if (it.value().isString())
            m_dayPartNames[dayPart][language] = it.value().toString();
        else if (entry.notes()) // as without the name: the one it had stays
            entry.notes()->add(entry.where("daypartName") + QLatin1Char('.') + it.key(),
                               QStringLiteral("not text, the name kept"));
    }
    forEachObject(entry.array("productLocations"), entry.where("productLocations"), entry.notes(),
                  [this, dayPart](const JsonMembers &location) {
                      const int bin = location.integer("bin");
                      if (bin >= 1 && bin <= m_numOfTrays && bin <= maxBins)
                          m_dayPartProducts[dayPart][bin - 1] = location.integer("productId");
                  });
    // In use when the key is missing or true; anything else (false, 0, "true") is not.
    const QJsonValue inUse = entry.value("inUse");
    if (!inUse.isUndefined() && !inUse.isBool() && entry.notes())
        entry.notes()->add(entry.where("inUse"), QStringLiteral("not true or false, the day part not in use"));
    if (inUse.isUndefined() || inUse == QJsonValue(true))
        m_dayPartsInUse.append(dayPart);
}

// A day part in force past those now defined would leave every bin empty: the last day
// part in use takes its place, and the bins show its products.
void DayPartManager::keepDayPartInForceDefined()
{
    if (m_nextDayPart < m_dayPartsCount)
        return;
    const int last = m_dayPartsInUse.isEmpty() ? 0 : m_dayPartsInUse.last();
    qCWarning(lcMenu).noquote() << "Day part" << m_nextDayPart << "is no longer defined; day part" << last
                         << "is in force";
    set_nextDayPart(last);
}

// ---------------------------------------------------------------- legacy day-part files

void DayPartManager::readDayPartFile(const QString &dayPartFilename, int j)
{
    if (j != 0 && j != 1) {
        qCWarning(lcMenu).noquote() << "DayPartManager: readDayPartFile error bad day part index";
        return;
    }
    // A few lines of 20 numbers: anything larger is not a legacy day-part file, and a pipe
    // or a device in the file's place is not waited on. A missing or empty file gives the
    // resources' one.
    QByteArray text;
    const QString path = TulPaths::resolve(dayPartFilename);
    const SafeFileReader::Result read = SafeFileReader::read(path, maxLegacyDayPartFileSize, &text,
                                                             "legacy day-part file");
    if (read == SafeFileReader::TooLarge || read == SafeFileReader::Unreadable)
        return;
    if (text.isEmpty()) {
        QFile resource(QStringLiteral(":/") + QFileInfo(dayPartFilename).fileName());
        if (!resource.open(QIODevice::ReadOnly)) {
            qCWarning(lcMenu).noquote() << "Unable to Open File: " + resource.fileName() + " DayPart file doesn't exist!";
            return;
        }
        text = resource.read(maxLegacyDayPartFileSize);
    }
    QTextStream in(text, QIODevice::ReadOnly);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1String("//")))
            continue;
        const QStringList parts = line.split(QLatin1Char(','));
        // Every line starts again at bin 0; a part that is not a number ends the line.
        for (int k = 0; k < parts.size() && k < maxBins; ++k) {
            bool ok = false;
            const int id = parts.at(k).trimmed().toInt(&ok);
            if (!ok)
                break;
            m_dayPartProducts[j][k] = id;
        }
    }
}

void DayPartManager::readDayPartFiles()
{
    readDayPartFile(morningFileName, 0);
    readDayPartFile(eveningFileName, 1);
    emit newDayPartDefinition(m_nextDayPart);
}

void DayPartManager::saveDayPartFile(const QString &dayPartFilename, const QString &content)
{
    const QString path = TulPaths::rootPath(dayPartFilename);
    if (!TulPaths::isInside(path, TulPaths::rootDir())) {
        qCWarning(lcMenu).noquote() << "Unable to Open File !!!" << path;
        return;
    }
    if (QFileInfo::exists(path)) {
        const QString backup = path + QStringLiteral(".backup");
        qCDebug(lcMenu).noquote() << "Copying " + path + " as " + backup;
        QFile::copy(path, backup);
    }
    QString error;
    if (!SafeFileWriter::writeFile(path, content.toUtf8(), &error)) {
        qCWarning(lcMenu).noquote() << "Unable to Open File !!!" << path << error;
        return;
    }
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
}

// ---------------------------------------------------------------- menu imports

DayPartManager::Snapshot DayPartManager::snapshot() const
{
    Snapshot s;
    s.grid = m_dayPartProducts;
    s.names = m_dayPartNames;
    s.count = m_dayPartsCount;
    s.inUse = m_dayPartsInUse;
    s.nextDayPart = m_nextDayPart;
    return s;
}

void DayPartManager::restore(const Snapshot &snapshot)
{
    m_dayPartProducts = snapshot.grid;
    m_dayPartNames = snapshot.names;
    m_dayPartsCount = snapshot.count;
    m_dayPartsInUse = snapshot.inUse;
    if (m_nextDayPart != snapshot.nextDayPart)
        set_nextDayPart(snapshot.nextDayPart);
    // The bins may already show what the restored grid replaces.
    emit newDayPartDefinition(m_nextDayPart);
    emit daypartsFileLoadDone();
}

bool DayPartManager::isSaving() const
{
    return m_save->isBusy();
}

// The bin number (0..19) that the menu tool's files use for a display tray; -1 when the
// layout's map holds something else for it.
int DayPartManager::fileBinOfTray(int tray) const
{
    const int bin = locationOfTray(tray);
    if (bin < 0 || bin >= maxBins) {
        qCWarning(lcMenu).noquote() << "Product location map: tray" << tray << "maps to bin" << bin
                             << "outside 0..19; the tray stays empty";
        return -1;
    }
    return bin;
}

// In zones of one bin on a two-tray layout the odd zone's second tray is not a bin.
bool DayPartManager::isMissingTray(int tray) const
{
    const CabinetCore *c = core();
    return c && c->get_singleBinZone() == 1 && c->get_traysPerZone() == 2 && tray % 2 == 1
        && (tray / 2) % 2 == 1;
}

void DayPartManager::processOrvantaDayPart(const DayPart_t &data, int idx)
{
    if (idx < 0 || idx >= maxDayParts) {
        qCWarning(lcMenu).noquote() << "DayPartManager::processOrvantaDayPart() bad day part index" << idx;
        return;
    }
    auto &row = m_dayPartProducts[size_t(idx)];
    row.fill(0);
    const int trays = qBound(0, m_numOfTrays, maxBins);
    QStringList entries;
    for (int t = 0; t < trays; ++t) {
        const int bin = fileBinOfTray(t);
        if (bin >= 0 && !isMissingTray(t))
            row[size_t(t)] = data.productIds[size_t(bin)];
        entries << QString::number(row[size_t(t)]);
    }
    qCDebug(lcMenu).noquote() << "Imported day part: " << idx << entries.join(QLatin1Char(','));
}

bool DayPartManager::processOrvantaJsonDayParts(const QString &ovMenuDoc)
{
    const QJsonDocument doc = JsonGuard::parse(ovMenuDoc.toUtf8(), "imported menu", int(maxDayPartFileSize) * 4);
    const QJsonObject header = doc.object().value(QLatin1String("header")).toObject();
    if (!doc.isObject() || header.isEmpty())
        return false;
    const int version = jsonInt(header.value(QLatin1String("menuVersion")));
    qCDebug(lcMenu).noquote() << "Menu Version = " << version;
    if (version != 1)
        return false;
    const QJsonValue layoutValue = doc.object().value(QLatin1String("menu")).toObject().value(QLatin1String("layout"));
    if (!layoutValue.isArray())
        return false;
    const QJsonArray layout = layoutValue.toArray();
    if (layout.size() > maxDayParts)
        qCWarning(lcMenu).noquote() << "The imported menu has" << layout.size() << "day parts; the first"
                             << maxDayParts << "are taken";
    if (!layout.isEmpty()) {
        m_dayPartsCount = qMin(int(layout.size()), maxDayParts);
        m_dayPartsInUse.clear();
    }
    m_dayPartProducts = Grid{};
    const int trays = qBound(0, m_numOfTrays, maxBins);
    for (int dp = 0; dp < layout.size() && dp < maxDayParts; ++dp) {
        const QJsonObject entry = layout.at(dp).toObject();
        const QJsonObject names = entry.value(QLatin1String("daypartName")).toObject();
        for (auto it = names.constBegin(); it != names.constEnd(); ++it) {
            const int language = MenuLanguages::indexOf(it.key());
            if (language >= 0)
                m_dayPartNames[dp][language] = it.value().toString();
        }
        // The file counts bins from 1 over the whole cabinet, whatever this display holds.
        std::array<int, maxBins> staging{};
        const QJsonArray locations = entry.value(QLatin1String("productLocations")).toArray();
        for (const QJsonValue &location : locations) {
            const QJsonObject object = location.toObject();
            const int bin = jsonInt(object.value(QLatin1String("bin")));
            if (bin >= 1 && bin <= maxBins)
                staging[size_t(bin - 1)] = jsonInt(object.value(QLatin1String("productId")));
        }
        for (int t = 0; t < trays; ++t) {
            const int bin = fileBinOfTray(t);
            if (bin >= 0 && !isMissingTray(t))
                m_dayPartProducts[size_t(dp)][size_t(t)] = staging[size_t(bin)];
        }
        m_dayPartsInUse.append(dp);
    }
    keepDayPartInForceDefined();
    return saveDayPartFileJson();
}
