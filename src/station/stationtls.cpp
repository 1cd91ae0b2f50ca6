#include "stationtls.h"

#include "stationtexts.h"

#include "store/regularfile.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>

namespace station {

namespace {

// Far more than any certificate chain or key.
constexpr qint64 longestPemFile = qint64{1} << 20;

std::optional<QByteArray> readPem(const QString& path, QString& error) {
    QFile file;
    if (const store::Failure failure = store::openRegularFile(file, path)) {
        error = QStringLiteral("%1: %2").arg(path, failure.reason());
        return std::nullopt;
    }
    if (file.size() > longestPemFile) {
        error = StationTexts::tr("%1: too large for a certificate or a key").arg(path);
        return std::nullopt;
    }
    return file.read(longestPemFile);
}

} // namespace

std::optional<QSslConfiguration> tlsConfiguration(const QString& certificateFile,
                                                  const QString& keyFile, QString& error) {
    if (!QSslSocket::supportsSsl()) {
        error = StationTexts::tr("this computer's Qt has no TLS support");
        return std::nullopt;
    }
    const std::optional<QByteArray> certificateText = readPem(certificateFile, error);
    const std::optional<QByteArray> keyText =
        certificateText ? readPem(keyFile, error) : std::nullopt;
    if (!keyText)
        return std::nullopt;
    const QList<QSslCertificate> chain = QSslCertificate::fromData(*certificateText, QSsl::Pem);
    if (chain.isEmpty() || chain.front().isNull()) {
        error = StationTexts::tr("%1 holds no certificate").arg(certificateFile);
        return std::nullopt;
    }
    QSslKey key(*keyText, QSsl::Rsa, QSsl::Pem);
    if (key.isNull())
        key = QSslKey(*keyText, QSsl::Ec, QSsl::Pem);
    if (key.isNull() || key.toDer().isEmpty()) {
        error = StationTexts::tr(
                    "%1 holds no private key kelvane can use (PEM, RSA or EC, no pass phrase)")
                    .arg(keyFile);
        return std::nullopt;
    }
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    configuration.setProtocol(QSsl::TlsV1_2OrLater);
    return configuration;
}

} // namespace station
