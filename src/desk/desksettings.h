#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

// What the desk remembers of the announcer's own choices, in a settings
// file of its own (by default $XDG_CONFIG_HOME/kelvane/desk.ini, that is
// ~/.config/kelvane/desk.ini). The one-line ~/kelvane.ini is left alone.
namespace desk {

// The size in points of the chosen message's text and of the list's.
inline constexpr double designedReadingPoints = 9.75;

// The next size up or down from points, within the steps the keys go
// through; points itself at either end.
double largerReadingPoints(double points);
double smallerReadingPoints(double points);
// Every step, smallest first (a browser station steps through the same).
QList<double> readingPointSteps();

// The player's (aplay's) arguments for the sound file: a file whose name
// begins with "-" is still a file, never an option.
QStringList arrivalSoundArguments(const QString& file);

// The browser station: whether it runs from the start, and where it
// listens ("[ADDRESS][:PORT]"; empty for this computer's first address).
struct StationChoice {
    bool on = false;
    QString address;
};

// The Sequence a message sent from a send page is added with, and the
// lower one of an urgent message, so that the list (which is sorted by
// Sequence) shows urgent messages first and sent ones before the meet
// program's events (which number from 1). [station] sentSequence and
// urgentSequence, whole numbers within 16 bits; 0 and -1 when unset or
// unfit, and an urgent Sequence that is not lower is one below the other.
struct SentSequences {
    qint16 normal = 0;
    qint16 urgent = -1;
};

// The ready texts a send page offers to pick and edit, as the announcer
// keeps them in the station window; at most mostReadyTexts, each one line
// of at most longestReadyText characters.
inline constexpr int mostReadyTexts = 20;
inline constexpr int longestReadyText = 200;
// The texts as they are kept: trimmed, one line each, empty ones left out,
// bounded as above.
QStringList fitReadyTexts(const QStringList& texts);

// The pool's caption screen: how long a message stays on it once it has
// been dismissed ([screen] lingerSeconds, 20 unless set, at most 600), the
// gala's name its idle face shows ([screen] gala; the program's name when
// unset) and its colours ([screen] theme, dark unless "light").
struct ScreenChoice {
    int lingerSeconds = 20;
    QString gala;
    bool dark = true;
};
inline constexpr int longestLingerSeconds = 600;

// The settings of one run of the desk, in the file given: read once and
// kept, each change written to the file at once and told by changed().
class DeskSettings : public QObject {
    Q_OBJECT

public:
    explicit DeskSettings(const QString& path, QObject* parent = nullptr);

    // desk.ini in the user's configuration folder.
    static QString defaultPath();
    [[nodiscard]] QString path() const { return m_file.fileName(); }

    // The remembered size; the designed one when none is, or the file holds
    // something else than a size between the smallest and the largest.
    [[nodiscard]] double readingPoints() const;
    void rememberReadingPoints(double points);

    // A short sound when a new message arrives: off unless turned on. It
    // is the system's bell, or the WAV file that the setting arrival/sound
    // names.
    [[nodiscard]] bool arrivalSoundOn() const;
    void setArrivalSoundOn(bool on);
    // The sound file to play instead of the bell; empty for the bell.
    [[nodiscard]] QString arrivalSoundFile() const;

    [[nodiscard]] StationChoice stationChoice() const;
    void rememberStationChoice(const StationChoice& choice);
    // The announcer's own certificate and key (PEM files) that make the
    // station speak HTTPS; empty for plain HTTP.
    [[nodiscard]] QString stationCertificateFile() const;
    [[nodiscard]] QString stationKeyFile() const;

    [[nodiscard]] SentSequences sentSequences() const;
    // The same for the announcer's planned messages: [planned] sequence and
    // urgentSequence, the sent messages' ones when unset or unfit.
    [[nodiscard]] SentSequences plannedSequences() const;

    [[nodiscard]] QStringList readyTexts() const;
    void rememberReadyTexts(const QStringList& texts);

    [[nodiscard]] ScreenChoice screenChoice() const;

signals:
    void changed();

private:
    [[nodiscard]] const QSettings& settings() const { return m_file; }
    void write(std::initializer_list<std::pair<QString, QVariant>> values);

    QSettings m_file;
};

} // namespace desk
