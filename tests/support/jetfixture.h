#pragma once

#include <QString>

// Copies one of the sample Jet files (for example "announcer-jet4.mdb")
// into folder under the name as (the sample's own name when empty), made
// writable so a test can damage or replace it. Returns the copy's path, or
// an empty text when the sample cannot be copied.
QString copyJetSample(const QString& sample, const QString& folder, const QString& as = {});

// The bytes of a file, empty when it cannot be read.
QByteArray fileBytes(const QString& path);
