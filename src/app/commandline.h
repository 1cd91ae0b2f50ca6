#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What kelvane is asked to do by its arguments (those Qt takes for itself,
// such as -platform, are gone by then).
struct KelvaneOptions {
    // A station that shows the messages but never deletes one.
    bool displayOnly = false;
    // Serve the desk to browsers, where this says ("[ADDRESS][:PORT]";
    // empty for this computer's first address).
    std::optional<QString> station;
};

// The options the arguments ask for; nullopt for an argument kelvane does
// not know, which is named in unknown.
std::optional<KelvaneOptions> parseKelvaneArguments(const QStringList& arguments, QString& unknown);

// The usage text of kelvane --help.
extern const char* const kelvaneUsage;
