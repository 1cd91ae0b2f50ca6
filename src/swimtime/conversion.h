#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class Conversion;
}

// "Accept Time Conversion?": a recorded time beside the time converted from
// it, accepted once, accepted for all, or overridden with the user's own
// time and distance. Open it through ui::loadedWindow<Conversion>() and ask().
class Conversion : public QDialog {
    Q_OBJECT

public:
    // Closed: the close box (or anything else that hid the window without
    // an answer). AcceptAll and Closed unload the window.
    enum class Answer { Closed, AcceptThis, AcceptAll, Override };

    explicit Conversion(QWidget* parent = nullptr);
    ~Conversion() override;

    // Shows the window modally and returns the user's answer. After
    // Override the window stays loaded, so the override fields can be read.
    Answer ask();

    // Fills the four display fields before the window is shown.
    void setConversion(const QString& origTime, const QString& origDist, const QString& convTime,
                       const QString& convDist);
    [[nodiscard]] QString overrideTime() const;
    [[nodiscard]] QString overrideDistance() const;

    // Escape does nothing: every answer here decides a time, and there is
    // no Cancel for it to give (YesNo and FileDialogue give theirs).
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void acceptAll();
    void normaliseNewTime();
    void unload();

    std::unique_ptr<Ui::Conversion> m_ui;
};
