#include "desksettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <limits>
#include <optional>
#include <utility>

namespace desk {

namespace {

// From small print to what can be read from a step away.
constexpr std::array readingSteps = {8.0,  9.75, 12.0, 14.0, 16.0, 18.0,
                                     20.0, 24.0, 28.0, 32.0, 36.0};

const QString readingKey = QStringLiteral("reading/points");
const QString soundOnKey = QStringLiteral("arrival/soundOn");
const QString soundFileKey = QStringLiteral("arrival/sound");
const QString stationOnKey = QStringLiteral("station/on");
const QString stationAddressKey = QStringLiteral("station/address");
const QString stationCertificateKey = QStringLiteral("station/certificate");
const QString stationKeyKey = QStringLiteral("station/key");
const QString sentSequenceKey = QStringLiteral("station/sentSequence");
const QString urgentSequenceKey = QStringLiteral("station/urgentSequence");
const QString plannedSequenceKey = QStringLiteral("planned/sequence");
const QString plannedUrgentSequenceKey = QStringLiteral("planned/urgentSequence");
const QString readyTextsKey = QStringLiteral("station/readyTexts");
const QString lingerKey = QStringLiteral("screen/lingerSeconds");
const QString galaKey = QStringLiteral("screen/gala");
const QString themeKey = QStringLiteral("screen/theme");

std::optional<qint16> sequenceSetting(const QSettings& settings, const QString& key) {
    bool whole = false;
    const int value = settings.value(key).toString().toInt(&whole);
    if (!whole || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(value);
}

} // namespace

DeskSettings::DeskSettings(const QString& path, QObject* parent)
    : QObject(parent)
    , m_file(path, QSettings::IniFormat) {}

QString DeskSettings::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kelvane/desk.ini");
}

void DeskSettings::write(std::initializer_list<std::pair<QString, QVariant>> values) {
    for (const auto& [key, value] : values)
        m_file.setValue(key, value);
    m_file.sync();
    emit changed();
}

double DeskSettings::readingPoints() const {
    bool isNumber = false;
    const double points = settings().value(readingKey).toDouble(&isNumber);
    if (!isNumber || !(points >= readingSteps.front() && points <= readingSteps.back()))
        return designedReadingPoints;
    return points;
}

void DeskSettings::rememberReadingPoints(double points) {
    write({{readingKey, points}});
}

double largerReadingPoints(double points) {
    const auto* larger = std::upper_bound(readingSteps.begin(), readingSteps.end(), points);
    return larger == readingSteps.end() ? points : *larger;
}

double smallerReadingPoints(double points) {
    const auto* notSmaller = std::lower_bound(readingSteps.begin(), readingSteps.end(), points);
    return notSmaller == readingSteps.begin() ? points : *std::prev(notSmaller);
}

QList<double> readingPointSteps() {
    return {readingSteps.begin(), readingSteps.end()};
}

// Only what this program writes turns the sound on: QVariant would take
// "no" or "off" for true.
bool DeskSettings::arrivalSoundOn() const {
    return settings().value(soundOnKey).toString() == QLatin1String("true");
}

void DeskSettings::setArrivalSoundOn(bool on) {
    write({{soundOnKey, on}});
}

QString DeskSettings::arrivalSoundFile() const {
    return settings().value(soundFileKey).toString();
}

QStringList arrivalSoundArguments(const QString& file) {
    return {QStringLiteral("-q"), QStringLiteral("--"), file};
}

StationChoice DeskSettings::stationChoice() const {
    return {settings().value(stationOnKey).toString() == QLatin1String("true"),
            settings().value(stationAddressKey).toString()};
}

void DeskSettings::rememberStationChoice(const StationChoice& choice) {
    write({{stationOnKey, choice.on}, {stationAddressKey, choice.address}});
}

QString DeskSettings::stationCertificateFile() const {
    return settings().value(stationCertificateKey).toString();
}

QString DeskSettings::stationKeyFile() const {
    return settings().value(stationKeyKey).toString();
}

namespace {

// An urgent Sequence that is not lower than the other is one below it.
SentSequences sequencesFrom(const QSettings& settings, const QString& normalKey,
                            const QString& urgentKey, const SentSequences& unset) {
    SentSequences sequences;
    sequences.normal = sequenceSetting(settings, normalKey).value_or(unset.normal);
    sequences.urgent = sequenceSetting(settings, urgentKey)
                           .value_or(sequenceSetting(settings, normalKey)
                                         ? static_cast<qint16>(sequences.normal - 1)
                                         : unset.urgent);
    if (sequences.urgent >= sequences.normal)
        sequences.urgent = static_cast<qint16>(sequences.normal - 1);
    if (sequences.normal == std::numeric_limits<qint16>::min())
        sequences.urgent = sequences.normal;
    return sequences;
}

} // namespace

SentSequences DeskSettings::sentSequences() const {
    return sequencesFrom(settings(), sentSequenceKey, urgentSequenceKey, {});
}

SentSequences DeskSettings::plannedSequences() const {
    return sequencesFrom(settings(), plannedSequenceKey, plannedUrgentSequenceKey,
                         sentSequences());
}

QStringList DeskSettings::readyTexts() const {
    const QSettings& kept = settings();
    if (!kept.contains(readyTextsKey))
        return {QCoreApplication::translate("DeskSettings", "Lane timekeepers to the start"),
                QCoreApplication::translate("DeskSettings", "Medal ceremony in 5 minutes")};
    return fitReadyTexts(kept.value(readyTextsKey).toStringList());
}

void DeskSettings::rememberReadyTexts(const QStringList& texts) {
    write({{readyTextsKey, fitReadyTexts(texts)}});
}

QStringList fitReadyTexts(const QStringList& texts) {
    QStringList fit;
    for (const QString& text : texts) {
        QString line = text.simplified();
        line.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
        line = line.left(longestReadyText);
        if (!line.isEmpty() && fit.size() < mostReadyTexts)
            fit << line;
    }
    return fit;
}

ScreenChoice DeskSettings::screenChoice() const {
    const QSettings& kept = settings();
    ScreenChoice choice;
    bool whole = false;
    const int linger = kept.value(lingerKey).toString().toInt(&whole);
    if (whole && linger >= 0 && linger <= longestLingerSeconds)
        choice.lingerSeconds = linger;
    // One line: the idle face has room for nothing more.
    choice.gala =
        kept.value(galaKey).toString().section(QLatin1Char('\n'), 0, 0).trimmed().left(100);
    choice.dark = kept.value(themeKey).toString() != QLatin1String("light");
    return choice;
}

} // namespace desk
