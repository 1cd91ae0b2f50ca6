#pragma once

#include <QString>
#include <QStringList>

// What the announcer screen remembers of the announcer's own choices, in
// a settings file of its own: $XDG_CONFIG_HOME/kelvane/desk.ini (by default
// ~/.config/kelvane/desk.ini). The one-line ~/kelvane.ini is left alone.
namespace desk {

QString settingsPath();

// The size in points of the chosen message's text and of the list's.
inline constexpr double designedReadingPoints = 9.75;
// The remembered size; the designed one when none is, or the file holds
// something else than a size between the smallest and the largest.
double readingPoints();
void rememberReadingPoints(double points);

// The next size up or down from points, within the steps the keys go
// through; points itself at either end.
double largerReadingPoints(double points);
double smallerReadingPoints(double points);
// Every step, smallest first (a browser station steps through the same).
QList<double> readingPointSteps();

// A short sound when a new message arrives: off unless turned on. It is
// the system's bell, or the WAV file that the setting arrival/sound names.
bool arrivalSoundOn();
void setArrivalSoundOn(bool on);
// The sound file to play instead of the bell; empty for the bell.
QString arrivalSoundFile();
// The player's (aplay's) arguments for the sound file: a file whose name
// begins with "-" is still a file, never an option.
QStringList arrivalSoundArguments(const QString& file);

// The browser station: whether it runs from the start, and where it
// listens ("[ADDRESS][:PORT]"; empty for this computer's first address).
struct StationChoice {
    bool on = false;
    QString address;
};
StationChoice stationChoice();
void rememberStationChoice(const StationChoice& choice);
// The announcer's own certificate and key (PEM files) that make the
// station speak HTTPS; empty for plain HTTP.
QString stationCertificateFile();
QString stationKeyFile();

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
SentSequences sentSequences();
// The same for the announcer's planned messages: [planned] sequence and
// urgentSequence, the sent messages' ones when unset or unfit.
SentSequences plannedSequences();

// The ready texts a send page offers to pick and edit, as the announcer
// keeps them in the station window; at most mostReadyTexts, each one line
// of at most longestReadyText characters.
inline constexpr int mostReadyTexts = 20;
inline constexpr int longestReadyText = 200;
QStringList readyTexts();
void rememberReadyTexts(const QStringList& texts);
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
ScreenChoice screenChoice();

} // namespace desk
