#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class AnnounceIntro;
}
class AnnouncerScreen;
class AnnouncerSession;

// The start-up window: which announcer database to use, remembered
// between runs, and the way into the announcer screen, which shows the
// session's desk. The screen is made at the first Enter and kept.
class AnnounceIntro : public QDialog {
    Q_OBJECT

public:
    explicit AnnounceIntro(AnnouncerSession& session, QWidget* parent = nullptr);
    ~AnnounceIntro() override;

    // There is nothing to cancel: Escape must not hide the only window.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
    // Opens where the window manager puts a new main window, not centred
    // as a dialog is.
    void showEvent(QShowEvent* event) override;

private:
    void load();
    void browse();
    void enter();
    void exitProgram();
    void rememberPath(const QString& path);
    void warnIfUnencrypted(const QString& path);

    std::unique_ptr<Ui::AnnounceIntro> m_ui;
    AnnouncerSession& m_session;
    std::unique_ptr<AnnouncerScreen> m_screen;
    QStringList m_toldUnencrypted;
};
