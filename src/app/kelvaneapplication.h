#pragma once

#include <QApplication>

// The application object. Every event passes through notify(), which is
// the one place that catches an error nothing else handled and turns it
// into the general error report.
class KelvaneApplication : public QApplication {
public:
    KelvaneApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
