#include "pagelanguage.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>

#include <algorithm>

namespace station {

namespace {

// Every text of index.html and station.js, as they write it.
const char* const pageTexts[] = {
    QT_TRANSLATE_NOOP("StationPage", "Smaller text"),
    QT_TRANSLATE_NOOP("StationPage", "Larger text"),
    QT_TRANSLATE_NOOP("StationPage", "On the announcer’s display"),
    QT_TRANSLATE_NOOP("StationPage", "Your message"),
    QT_TRANSLATE_NOOP("StationPage", "Dismiss This Message"),
    QT_TRANSLATE_NOOP("StationPage", "Undo"),
    QT_TRANSLATE_NOOP("StationPage", "Messages"),
    QT_TRANSLATE_NOOP("StationPage", "No messages."),
    QT_TRANSLATE_NOOP("StationPage", "The announcer screen is closed."),
    QT_TRANSLATE_NOOP("StationPage", "announce"),
    QT_TRANSLATE_NOOP("StationPage", "watch"),
    QT_TRANSLATE_NOOP("StationPage",
                      "This link no longer works. Ask the announcer for the new one."),
    QT_TRANSLATE_NOOP("StationPage",
                      "The station closed this page: this link does not allow that."),
    QT_TRANSLATE_NOOP("StationPage", "Not connected since %1, trying again"),
    QT_TRANSLATE_NOOP("StationPage",
                      "Open this page with a link from the announcer’s station window."),
    QT_TRANSLATE_NOOP("StationPage", "send"),
    QT_TRANSLATE_NOOP("StationPage", "From (your name or post)"),
    QT_TRANSLATE_NOOP("StationPage", "Message"),
    QT_TRANSLATE_NOOP("StationPage", "Urgent"),
    QT_TRANSLATE_NOOP("StationPage", "Urgent message: %1"),
    QT_TRANSLATE_NOOP("StationPage", "Send"),
    QT_TRANSLATE_NOOP("StationPage", "Your messages"),
    QT_TRANSLATE_NOOP("StationPage", "None sent yet."),
    QT_TRANSLATE_NOOP("StationPage", "Sending…"),
    QT_TRANSLATE_NOOP("StationPage",
                      "Not connected: the message goes as soon as the connection is back."),
    QT_TRANSLATE_NOOP("StationPage", "Sent."),
    QT_TRANSLATE_NOOP("StationPage", "Say who is sending: your name or post."),
    QT_TRANSLATE_NOOP("StationPage", "on the announcer’s list"),
    QT_TRANSLATE_NOOP("StationPage", "read out at %1"),
    QT_TRANSLATE_NOOP("StationPage", "put back on the announcer’s list"),
    QT_TRANSLATE_NOOP("StationPage", "dismissed unread"),
    QT_TRANSLATE_NOOP("StationPage", "Read out today"),
    QT_TRANSLATE_NOOP("StationPage", "Links"),
    QT_TRANSLATE_NOOP("StationPage", "Sound for new messages"),
    QT_TRANSLATE_NOOP("StationPage", "Sound off"),
    QT_TRANSLATE_NOOP("StationPage", "Sound on"),
    QT_TRANSLATE_NOOP("StationPage", "Close"),
    QT_TRANSLATE_NOOP("StationPage", "Reading the read-out log…"),
    QT_TRANSLATE_NOOP("StationPage", "No announcer database is open."),
    QT_TRANSLATE_NOOP("StationPage", "Nothing has been dismissed today."),
    QT_TRANSLATE_NOOP("StationPage", "undone %1"),
    QT_TRANSLATE_NOOP("StationPage",
                      "The rest, %1 characters, is in the read-out log at the desk."),
    QT_TRANSLATE_NOOP("StationPage",
                      "Older dismissals of today, in the read-out log at the desk: %1"),
    QT_TRANSLATE_NOOP("StationPage", "The list and the message on display, read only"),
    QT_TRANSLATE_NOOP("StationPage", "Also choose, dismiss and undo"),
    QT_TRANSLATE_NOOP("StationPage", "Officials send messages to the list, and see them read out"),
    QT_TRANSLATE_NOOP("StationPage", "Pages connected now besides this one: %1"),
    QT_TRANSLATE_NOOP("StationPage", "New links"),
    QT_TRANSLATE_NOOP("StationPage", "Make new links?"),
    QT_TRANSLATE_NOOP("StationPage",
                      "The old links stop working on every device. Pages dropped now: %1"),
    QT_TRANSLATE_NOOP("StationPage", "Make new links"),
    QT_TRANSLATE_NOOP("StationPage", "Cancel"),
    QT_TRANSLATE_NOOP("StationPage", "New links are made: the old ones no longer work."),
    QT_TRANSLATE_NOOP("StationPage", "Planned"),
    QT_TRANSLATE_NOOP("StationPage", "Planned messages"),
    QT_TRANSLATE_NOOP("StationPage", "No planned messages."),
    QT_TRANSLATE_NOOP("StationPage", "Not before"),
    QT_TRANSLATE_NOOP("StationPage", "Not after"),
    QT_TRANSLATE_NOOP("StationPage", "Repeat every (minutes)"),
    QT_TRANSLATE_NOOP("StationPage", "Add"),
    QT_TRANSLATE_NOOP("StationPage", "Save changes"),
    QT_TRANSLATE_NOOP("StationPage", "New"),
    QT_TRANSLATE_NOOP("StationPage", "Edit"),
    QT_TRANSLATE_NOOP("StationPage", "Duplicate"),
    QT_TRANSLATE_NOOP("StationPage", "Remove"),
    QT_TRANSLATE_NOOP("StationPage", "every %1 min"),
    QT_TRANSLATE_NOOP("StationPage", "once"),
    QT_TRANSLATE_NOOP("StationPage", "on the list (since %1)"),
    QT_TRANSLATE_NOOP("StationPage", "read out at %1 (%2 min ago)"),
    QT_TRANSLATE_NOOP("StationPage", "due again at %1"),
    QT_TRANSLATE_NOOP("StationPage", "expired"),
    QT_TRANSLATE_NOOP("StationPage", "done"),
    QT_TRANSLATE_NOOP("StationPage", "waiting (due at %1)"),
    QT_TRANSLATE_NOOP("StationPage", "Nothing is added to the list now."),
    QT_TRANSLATE_NOOP("StationPage", "Each message is added to the list when it is due."),
    QT_TRANSLATE_NOOP("StationPage", "screen"),
    QT_TRANSLATE_NOOP("StationPage", "The pool’s caption screen: what is read out, in large type"),
    QT_TRANSLATE_NOOP("StationPage", "Hold back from the screen"),
    QT_TRANSLATE_NOOP("StationPage", "Keep this message off the caption screen (F7)"),
    QT_TRANSLATE_NOOP("StationPage", "Blank the screen"),
    QT_TRANSLATE_NOOP("StationPage", "Bring the screen back"),
    QT_TRANSLATE_NOOP("StationPage", "Blank the caption screen, or bring it back (F6)"),
};

// A tag's weight: q=0.5 and the like; 1 without one, 0 for anything unreadable.
double weightOf(const QByteArray& parameters) {
    for (const QByteArray& parameter : parameters.split(';')) {
        const QByteArray trimmed = parameter.trimmed();
        if (trimmed.startsWith("q=") || trimmed.startsWith("Q=")) {
            bool ok = false;
            const double weight = trimmed.mid(2).toDouble(&ok);
            return ok ? std::clamp(weight, 0.0, 1.0) : 0.0;
        }
    }
    return 1.0;
}

// The header is the browser's, so a tag is taken only when it is letters,
// digits and dashes of a sensible length.
bool isTag(const QByteArray& tag) {
    return !tag.isEmpty() && tag.size() <= 35 && std::all_of(tag.cbegin(), tag.cend(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-';
    });
}

QByteArray replaced(QByteArray page, const QString& from, const QString& to) {
    return page.replace(from.toUtf8(), to.toUtf8());
}

} // namespace

QStringList acceptedLanguages(QByteArrayView acceptLanguage) {
    struct Wanted {
        QString tag;
        double weight;
    };
    std::vector<Wanted> wanted;
    for (const QByteArray& item : acceptLanguage.toByteArray().split(',')) {
        const qsizetype semicolon = item.indexOf(';');
        const QByteArray tag = item.left(semicolon < 0 ? item.size() : semicolon).trimmed();
        const double weight = semicolon < 0 ? 1.0 : weightOf(item.mid(semicolon + 1));
        if (isTag(tag) && weight > 0)
            wanted.push_back({QString::fromLatin1(tag), weight});
    }
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const Wanted& a, const Wanted& b) { return a.weight > b.weight; });
    QStringList tags;
    for (const Wanted& language : wanted)
        tags.append(language.tag);
    return tags;
}

// The page marks nothing for translation: each text is found whole, as an
// element's text or a title, and replaced. Other attributes are names the
// script looks for ("send" is a role and a button's id), and stay.
QByteArray pageIn(const QByteArray& englishPage, const QString& language,
                  const QTranslator* texts) {
    QByteArray page = englishPage;
    QJsonObject scriptTexts;
    for (const char* source : pageTexts) {
        const QString english = QString::fromUtf8(source);
        const QString translated = texts ? texts->translate("StationPage", source) : QString();
        if (translated.isEmpty())
            continue;
        scriptTexts.insert(english, translated);
        const QString from = english.toHtmlEscaped();
        const QString to = translated.toHtmlEscaped();
        page = replaced(page, QLatin1Char('>') + from + QLatin1Char('<'),
                        QLatin1Char('>') + to + QLatin1Char('<'));
        page = replaced(page, QStringLiteral("title=\"%1\"").arg(from),
                        QStringLiteral("title=\"%1\"").arg(to));
    }
    const QString json =
        QString::fromUtf8(QJsonDocument(scriptTexts).toJson(QJsonDocument::Compact));
    page = replaced(page, QStringLiteral("data-texts=\"{}\""),
                    QStringLiteral("data-texts=\"%1\"").arg(json.toHtmlEscaped()));
    return replaced(page, QStringLiteral("<html lang=\"en\">"),
                    QStringLiteral("<html lang=\"%1\">")
                        .arg(language.isEmpty()
                                 ? QStringLiteral("en")
                                 : QString(language).replace(QLatin1Char('_'), QLatin1Char('-'))));
}

} // namespace station
