#pragma once

#include <QByteArray>
#include <QString>

// Shared by the fuzz targets: checking a property, keeping the run quiet,
// and a scratch folder for inputs that must be files.

// Stops the run when a property does not hold, so libFuzzer keeps the input
// as it keeps a crash. Checks stay active whatever the build type.
void require(bool holds, const char* property, const QString& detail = QString());

// Qt's warnings about rejected files would flood the run's output.
void silenceQtMessages();

// Makes the application object for the whole run, for code that needs one
// (database drivers are plugins, which Qt loads only for an application),
// and silences Qt's messages.
void startApplication(int* argc, char*** argv);

// A path in a scratch folder that lives for the whole run.
QString scratchPath(const QString& name);

// Replaces the file at path with exactly these bytes.
void writeScratchFile(const QString& path, const QByteArray& bytes);
