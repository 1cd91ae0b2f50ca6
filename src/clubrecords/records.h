#pragma once

#include <QDialog>

#include <memory>

class QLineEdit;

namespace Ui {
class Records;
}

// "Print Club Records": the user picks a sex (the card colour), ACRs or
// overall and a range of record dates, and prints that block of cards.
// Exit unloads it: the next opening starts from the design.
class Records : public QDialog {
    Q_OBJECT

public:
    explicit Records(QWidget* parent = nullptr);
    ~Records() override;

    // Escape does nothing: this window holds the user's choices and has no
    // Cancel for it to give (YesNo and FileDialogue give theirs).
    void reject() override {}

protected:
    // The close control does what Exit does.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void print();
    void printChosenBlocks();
    void printBlock(bool boys, qint16 overallPerSex, const QString& startText, const QString& finishText);
    void leaveDateBox(QLineEdit* box);
    void exitWindow();

    std::unique_ptr<Ui::Records> m_ui;
};
