#pragma once

#include <QSslConfiguration>
#include <QString>

#include <optional>

namespace station {

// HTTPS with the announcer's own certificate (PEM, its chain after it)
// and private key (PEM, RSA or EC, without a pass phrase). Nothing, with
// the reason in error, when they cannot be read.
std::optional<QSslConfiguration> tlsConfiguration(const QString& certificateFile,
                                                  const QString& keyFile, QString& error);

} // namespace station
