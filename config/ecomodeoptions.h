#ifndef ECOMODEOPTIONS_H
#define ECOMODEOPTIONS_H

#include <QString>
#include <QVariantMap>

class ConfigurationManager;

// The Eco Mode Options page's values as the settings store keeps them. The shelf
// temperature is stored in whole degrees Fahrenheit, as the cloud reports it, and shown
// and typed in the cabinet's unit; the suggestion time-out is in minutes.
class EcoModeOptions
{
public:
    // The page's outcome: saved, or which value was refused (nothing stored), or the
    // file that could not be written (the values are in effect until the next start).
    static const QString Saved;
    static const QString TemperatureRefused;
    static const QString TimeoutRefused;
    static const QString SaveFailed;

    // The stored temperature in the unit (tempUnit 0 Fahrenheit, else Celsius).
    static int shownTemperature(int storedFahrenheit, int tempUnit);
    // The temperature to store for one typed in the unit. A Celsius value that is what
    // the stored one is shown as keeps the stored one, so that opening and saving the
    // page never moves it by a rounding.
    static int storedTemperature(int typed, int tempUnit, int storedFahrenheit);
    static bool temperatureAcceptable(int storedFahrenheit);
    static bool timeoutAcceptable(int minutes);

    // Checks and applies the page's values ("shelfHeatMode", "shelfTemp" in the unit,
    // "activateMode", "timeout") in the store's order, then saves the file. A value the
    // page leaves switched off (the temperature with the heater off, the time-out with
    // no suggestion) is neither checked nor changed.
    static QString apply(ConfigurationManager *config, const QVariantMap &values);
};

#endif // ECOMODEOPTIONS_H
