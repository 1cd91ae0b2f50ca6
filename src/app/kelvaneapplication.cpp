#include "kelvaneapplication.h"

#include "errorreport.h"

#include "store/kelvaneerror.h"
#include "ui/fonts.h"
#include "ui/programicon.h"

#include <exception>

KelvaneApplication::KelvaneApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("kelvane"));
    setQuitOnLastWindowClosed(false);
    ui::registerFontSubstitutes();
    setWindowIcon(ui::programIcon());
}

bool KelvaneApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const store::KelvaneError& error) {
        reportErrorAndEnd(error.number(), error.description());
    } catch (const std::bad_alloc&) {
        reportErrorAndEnd(static_cast<int>(store::ErrorNumber::OutOfMemory), QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        reportErrorAndEnd(static_cast<int>(store::ErrorNumber::DatabaseOperationFailed),
                          QString::fromLocal8Bit(error.what()));
    }
    return false;
}
