#include "ecomodeoptions.h"

#include "cabinetcore.h"
#include "configurationmanager.h"
#include "settingstransaction.h"

const QString EcoModeOptions::Saved = QStringLiteral("saved");
const QString EcoModeOptions::TemperatureRefused = QStringLiteral("temperature");
const QString EcoModeOptions::TimeoutRefused = QStringLiteral("timeout");
const QString EcoModeOptions::SaveFailed = QStringLiteral("saveFailed");

int EcoModeOptions::shownTemperature(int storedFahrenheit, int tempUnit)
{
    return tempUnit == 0 ? storedFahrenheit : CabinetCore::convertToCelsius(storedFahrenheit);
}

int EcoModeOptions::storedTemperature(int typed, int tempUnit, int storedFahrenheit)
{
    if (tempUnit == 0)
        return typed;
    if (typed == CabinetCore::convertToCelsius(storedFahrenheit))
        return storedFahrenheit;
    return CabinetCore::convertToFahrenheit(typed);
}

bool EcoModeOptions::temperatureAcceptable(int storedFahrenheit)
{
    return storedFahrenheit >= ConfigurationManager::TUL_MIN_ECO_SHELF_TEMP_F
        && storedFahrenheit <= ConfigurationManager::TUL_MAX_ECO_SHELF_TEMP_F;
}

bool EcoModeOptions::timeoutAcceptable(int minutes)
{
    return minutes >= ConfigurationManager::TUL_MIN_ECO_TIMEOUT
        && minutes <= ConfigurationManager::TUL_MAX_ECO_TIMEOUT;
}

QString EcoModeOptions::apply(ConfigurationManager *config, const QVariantMap &values)
{
    const int heatMode = values.value(QStringLiteral("shelfHeatMode"), config->get_ecoShelfHeatMode()).toInt() != 0;
    const int activateMode = values.value(QStringLiteral("activateMode"), config->get_ecoActivateMode()).toInt() != 0;

    int temperature = config->get_ecoShelfHeatTemp();
    const QVariant typedTemp = values.value(QStringLiteral("shelfTemp"));
    if (heatMode != 0 && typedTemp.isValid()) {
        bool number = false;
        const int typed = typedTemp.toInt(&number);
        // Far outside any temperature: refused before the conversion could overflow.
        if (!number || typed < -1000 || typed > 1000)
            return TemperatureRefused;
        temperature = storedTemperature(typed, config->get_tempUnit(), temperature);
    }
    if (heatMode != 0 && !temperatureAcceptable(temperature))
        return TemperatureRefused;

    int timeout = config->get_ecoActivateTimeout();
    const QVariant typedTimeout = values.value(QStringLiteral("timeout"));
    if (activateMode != 0 && typedTimeout.isValid()) {
        bool number = false;
        timeout = typedTimeout.toInt(&number);
        if (!number)
            return TimeoutRefused;
    }
    if (activateMode != 0 && !timeoutAcceptable(timeout))
        return TimeoutRefused;

    // Values the file does not hold are not kept either.
    SettingsTransaction change(config);
    config->set_ecoShelfHeatMode(heatMode);
    config->set_ecoShelfHeatTemp(temperature);
    config->set_ecoActivateMode(activateMode);
    config->set_ecoActivateTimeout(timeout);
    return change.commit() ? Saved : SaveFailed;
}
