#pragma once

#include <QApplication>

// The application object. Every event passes through notify(), which
// catches an error that escaped its event handler, logs it with
// escapedErrorWarning and turns it into the general error report.
class KelvaneApplication : public QApplication {
public:
    KelvaneApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

inline const QString escapedErrorWarning = QStringLiteral("An error escaped its event handler");
