#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class Conversion;
}

// Set by "Accept All Conversions": the opener stops asking for the rest of
// its batch. Only the opener resets it.
inline bool Accept_All_Conversions = false;

// "Accept Time Conversion?": a recorded time beside the time converted from
// it, accepted once, accepted for all, or overridden with the user's own
// time and distance. Open it through ui::loadedWindow<Conversion>(); the
// answer is left in Dialog_Answer and Accept_All_Conversions.
class Conversion : public QDialog {
    Q_OBJECT

public:
    explicit Conversion(QWidget* parent = nullptr);
    ~Conversion() override;

    // Fills the four display fields before the window is shown.
    void setConversion(const QString& origTime, const QString& origDist, const QString& convTime,
                       const QString& convDist);
    QString overrideTime() const;
    QString overrideDistance() const;

    // There is no cancel: Escape does nothing.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void acceptThis();
    void acceptAll();
    void overrideConversion();
    void normaliseNewTime();
    void unload();

    std::unique_ptr<Ui::Conversion> m_ui;
};
