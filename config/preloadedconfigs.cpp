#include "preloadedconfigs.h"
#include "configlog.h"

#include "cabinetcore.h"
#include "canbusmanager.h"
#include "commandlauncher.h"
#include "configurationmanager.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QDebug>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

const QString kPrefix = QStringLiteral("CFG_");
const QString kSuffix = QStringLiteral(".hcc");
const QString kAside = QStringLiteral(".replaced");

} // namespace

QString PreloadedConfigs::baseDir()
{
    return TulPaths::rootPath(QStringLiteral("preloadedConfigs/"));
}

bool PreloadedConfigs::isSafeName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && !name.contains(QLatin1String("..")) && !name.contains(QChar(0));
}

QString PreloadedConfigs::folderFor(const QString &group)
{
    if (!isSafeName(group)) {
        qCWarning(lcConfig) << "Configuration group name refused:" << group;
        return QString();
    }
    return group.isEmpty() ? baseDir() : baseDir() + group + QLatin1Char('/');
}

QStringList PreloadedConfigs::customConfigs()
{
    return QDir(baseDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
}

QList<QPair<QString, QString>> PreloadedConfigs::modelFiles(const QString &group)
{
    QList<QPair<QString, QString>> files;
    const QString folder = folderFor(group);
    if (folder.isEmpty())
        return files;
    const QStringList names = QDir(folder).entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QString model = name.mid(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
        const int underscore = model.indexOf(QLatin1Char('_'));
        if (underscore >= 0)
            model.truncate(underscore);
        if (!model.isEmpty())
            files.append({name, model});
    }
    return files;
}

QStringList PreloadedConfigs::customConfigModels(const QString &group)
{
    QStringList models;
    for (const auto &file : modelFiles(group)) {
        if (!models.contains(file.second))
            models << file.second;
    }
    return models;
}

bool PreloadedConfigs::folderHasFileWith(const QString &group, const QString &model, const QString &kind)
{
    const QString folder = folderFor(group);
    if (folder.isEmpty())
        return false;
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    return std::any_of(names.cbegin(), names.cend(), [&](const QString &name) {
        return name.contains(model) && name.contains(kind);
    });
}

int PreloadedConfigs::displaysCount(const QString &group, const QString &model)
{
    return folderHasFileWith(group, model, QStringLiteral("PRIMARY")) ? 2 : 1;
}

int PreloadedConfigs::displaysLeftRight(const QString &group, const QString &model)
{
    return folderHasFileWith(group, model, QStringLiteral("SECONDARY")) ? 1 : 0;
}

QStringList PreloadedConfigs::fileNamesWith(const QString &group, const QString &model)
{
    const QString folder = folderFor(group);
    if (folder.isEmpty() || model.isEmpty())
        return {};
    return QDir(folder).entryList(QDir::Files, QDir::Name).filter(model, Qt::CaseSensitive);
}

// The whole model names the file, "_" included: "AB_C" is the model of "CFG_AB_C_PRIMARY.hcc".
bool PreloadedConfigs::validateModelNumber(const QString &group, const QString &model)
{
    if (model.isEmpty() || !isSafeName(model)) {
        if (!model.isEmpty())
            qCWarning(lcConfig) << "Model number refused:" << model;
        return false;
    }
    const QStringList names = fileNamesWith(group, model);
    for (const char *suffix : {"_MIRROR", "_SECONDARY", "_PRIMARY", ""}) {
        if (names.contains(kPrefix + model + QLatin1String(suffix) + kSuffix))
            return true;
    }
    return false;
}

QString PreloadedConfigs::configFileName(const QString &group, const QString &model, int doubleSided, int side)
{
    qCDebug(lcConfig) << "Get File Name selected";
    qCDebug(lcConfig) << "    display Type :" << doubleSided << side;
    QString suffix;
    if (doubleSided == 2 && isSafeName(model)) {
        const QString base = kPrefix + model;
        for (const QString &name : fileNamesWith(group, model)) {
            if (side == 0 && name == base + QStringLiteral("_PRIMARY") + kSuffix)
                suffix = QStringLiteral("_PRIMARY");
            else if (side == 1 && name == base + QStringLiteral("_MIRROR") + kSuffix)
                suffix = QStringLiteral("_MIRROR");
            else if (side == 1 && name == base + QStringLiteral("_SECONDARY") + kSuffix)
                suffix = QStringLiteral("_SECONDARY");
        }
    }
    qCDebug(lcConfig) << "File Name :" << suffix;
    return suffix;
}

int PreloadedConfigs::removeInstalled()
{
    QDir root(TulPaths::rootDir());
    int count = 0;
    for (const QString &name : root.entryList({QStringLiteral("*") + kSuffix}, QDir::Files)) {
        if (root.remove(name))
            ++count;
        else
            qCWarning(lcConfig) << "Personality" << name << "could not be removed";
    }
    SafeFileWriter::syncDirectory(TulPaths::rootDir());
    return count;
}

PreloadedConfigs::Install PreloadedConfigs::install(const QString &group, const QString &model, int doubleSided,
                                                    int side)
{
    Install result;
    const QString folder = folderFor(group);
    if (folder.isEmpty() || model.isEmpty() || !isSafeName(model)) {
        result.failure = QStringLiteral("refused group or model name");
        qCWarning(lcConfig) << "Configuration not installed:" << result.failure;
        return result;
    }
    const QString name = kPrefix + model + configFileName(group, model, doubleSided, side) + kSuffix;
    QFile source(folder + name);
    if (!source.open(QIODevice::ReadOnly)) {
        result.failure = QStringLiteral("source missing");
        qCDebug(lcConfig) << "Configuration file is not found in preloadedConfigs" << source.fileName();
        return result;
    }
    const QByteArray content = source.readAll();
    if (source.error() != QFileDevice::NoError || content.isEmpty()) {
        result.failure = QStringLiteral("source unreadable");
        qCWarning(lcConfig) << "Configuration file" << source.fileName() << "could not be read";
        return result;
    }

    // Start-up takes the first personality it finds: the new one must be alone.
    QDir root(TulPaths::rootDir());
    QStringList setAside;
    for (const QString &old : root.entryList({QStringLiteral("*") + kSuffix}, QDir::Files)) {
        root.remove(old + kAside);
        if (root.rename(old, old + kAside))
            setAside << old;
    }
    QString error;
    const QString target = TulPaths::rootPath(name);
    if (!SafeFileWriter::writeFile(target, content, &error)) {
        for (const QString &old : setAside)
            root.rename(old + kAside, old);
        SafeFileWriter::syncDirectory(TulPaths::rootDir());
        result.failure = error.isEmpty() ? QStringLiteral("copy failed") : error;
        qCWarning(lcConfig) << "Configuration file" << name << "not installed:" << result.failure;
        return result;
    }
    result.ok = true;
    result.installed = target;
    if (doubleSided == 2 && side == 0) {
        for (const char *other : {"_MIRROR", "_SECONDARY"}) {
            const QString path = folder + kPrefix + model + QLatin1String(other) + kSuffix;
            if (QFile::exists(path)) {
                result.otherFile = path;
                break;
            }
        }
    }
    return result;
}

bool PreloadedConfigs::setConfigurationFile(ConfigurationManager *config)
{
    const Install result = install(config->get_selectedCustomConfig(), config->get_modelNumber(),
                                   config->get_doubleSided(), config->get_selectedDisplaySide());
    if (!result.ok) {
        emit config->copyConfigurationFileFailed();
        return false;
    }
    config->saveConfigFile();
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
    emit config->copyConfigurationFileCompleted();
    if (config->get_doubleSided() != 2 || config->get_selectedDisplaySide() != 0)
        return true;
    CabinetCore *core = CabinetCore::of(config);
    CanbusManager *canbus = config->canbusManager();
    if (canbus)
        canbus->set_canId(1);
    if (core && !QMetaObject::invokeMethod(core, "set_iAmMaster", Q_ARG(bool, true)))
        qCWarning(lcConfig) << "The application core cannot make this display the master";
    if (canbus) {
        canbus->clearQueue();
        if (!canbus->get_isRunning())
            canbus->start();
    }
    if (result.otherFile.isEmpty()) {
        qCWarning(lcConfig) << "No mirror or secondary configuration file for" << config->get_modelNumber()
                   << "- nothing sent to the other display";
        return true;
    }
    qCDebug(lcConfig) << (result.otherFile.contains(QLatin1String("_MIRROR")) ? "Need to send mirror config file:"
                                                                      : "Need to send secondary config file:")
             << result.otherFile;
    if (core)
        core->sendFileViaCanbus(result.otherFile, 15);
    return true;
}

void PreloadedConfigs::resetConfiguration(ConfigurationManager *config)
{
    removeInstalled();
    config->setIndividualDPEnabledSilently(true);
    if (CabinetCore *core = CabinetCore::of(config))
        core->sendConfigSettingsData();
    config->saveConfigFile();
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
    emit config->resetConfigurationFileCompleted();
}
