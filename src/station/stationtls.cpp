#include "stationtls.h"

#include "stationtexts.h"

#include "store/ownfile.h"
#include "store/regularfile.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslCipher>
#include <QSslKey>
#include <QSslSocket>

namespace station {

namespace {

// Far more than any certificate chain or key.
constexpr qint64 longestPemFile = qint64{1} << 20;

// A private key that others may read is no longer private: it is refused,
// as kelvane refuses its links file and password files then.
std::optional<QByteArray> readPem(const QString& path, QString& error, bool secret = false) {
    QFile file;
    if (const store::Failure failure = store::openRegularFile(file, path)) {
        error = QStringLiteral("%1: %2").arg(path, failure.reason());
        return std::nullopt;
    }
    if (const store::Failure unfit =
            secret ? store::unfitness(file.handle(), store::privateFile) : store::Failure()) {
        error = StationTexts::tr("%1: %2; a private key must be a file of your own that only "
                                 "you may read (chmod 600 '%1').")
                    .arg(path, unfit.reason());
        return std::nullopt;
    }
    if (file.size() > longestPemFile) {
        error = StationTexts::tr("%1: too large for a certificate or a key").arg(path);
        return std::nullopt;
    }
    return file.read(longestPemFile);
}

// TLS 1.3 as Qt offers it; TLS 1.2 only with a key exchange that forgets its
// keys (ECDHE) and encryption that authenticates (GCM, ChaCha20-Poly1305,
// CCM): no static RSA, no CBC.
bool isOffered(const QSslCipher& cipher) {
    const QString name = cipher.name();
    return cipher.protocol() == QSsl::TlsV1_3 ||
           (name.startsWith(QLatin1String("ECDHE-")) &&
            (name.contains(QLatin1String("-GCM-")) || name.contains(QLatin1String("-POLY1305")) ||
             name.contains(QLatin1String("-CCM"))));
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
        certificateText ? readPem(keyFile, error, true) : std::nullopt;
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
    QList<QSslCipher> ciphers = QSslConfiguration::supportedCiphers();
    ciphers.removeIf([](const QSslCipher& cipher) { return !isOffered(cipher); });
    configuration.setCiphers(ciphers);
    return configuration;
}

} // namespace station
