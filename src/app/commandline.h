#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What kelvane is asked to do by its arguments (those Qt takes for itself,
// such as -platform, are gone by then).
struct KelvaneOptions {
    // kelvane serve: the desk and its station without a window.
    bool serve = false;
    // A station that shows the messages but never deletes one.
    bool displayOnly = false;
    // Serve the desk to browsers, where this says ("[ADDRESS][:PORT]";
    // empty for this computer's first address).
    std::optional<QString> station;
    // The announcer database kelvane serve serves; empty for the one
    // remembered in ~/kelvane.ini.
    QString database;
};

// The options the arguments ask for; nullopt for arguments kelvane cannot
// take, with the reason in error.
std::optional<KelvaneOptions> parseKelvaneArguments(const QStringList& arguments, QString& error);

// The usage text of kelvane --help: the window program's, then kelvane
// serve's.
extern const char* const kelvaneUsage;
extern const char* const kelvaneServeUsage;

// Prints error and the usage on standard error; the exit status for
// arguments kelvane cannot take.
int refuseArguments(const QString& error);
