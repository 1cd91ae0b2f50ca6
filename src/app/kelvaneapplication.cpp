#include "kelvaneapplication.h"

#include "errorreport.h"

#include "i18n/translations.h"

#include "store/kelvaneerror.h"
#include "ui/fonts.h"
#include "ui/programicon.h"

#include <exception>

KelvaneApplication::KelvaneApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("kelvane"));
    setQuitOnLastWindowClosed(false);
    i18n::installTranslations();
    ui::registerFontSubstitutes();
    setWindowIcon(ui::programIcon());
}

// Event handlers turn their errors into messages, or post the general
// report. This is only the net under them: running out of memory can
// happen inside Qt's own code, and an error that unwinds through Qt's event
// delivery is undefined behaviour, so nothing may pass this point. What
// lands here is logged as the fault it is, for tests to refuse.
bool KelvaneApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& caught) {
        const store::KelvaneError error = store::errorFrom(caught);
        qWarning("%s: %s", qPrintable(escapedErrorWarning), qPrintable(error.description()));
        reportErrorAndEnd(error.number(), error.description());
    }
    return false;
}
