#pragma once

#include "recordbook.h"

#include "print/printer.h"

#include <QDialog>

#include <memory>

class QLineEdit;

namespace Ui {
class Records;
}

// "Print Club Records": the user picks a sex (the card colour), ACRs or
// overall and a range of record dates, and prints that block of cards from
// the book to the printer. Without a book or a printer (as the window
// catalogue shows it) Print says what is missing. Exit unloads it: the
// next opening starts from the design.
class Records : public QDialog {
    Q_OBJECT

public:
    explicit Records(RecordBook book = {}, std::unique_ptr<print::Printer> printer = {},
                     QWidget* parent = nullptr);
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
    print::Printer& printer();

    std::unique_ptr<Ui::Records> m_ui;
    RecordBook m_book;
    std::unique_ptr<print::Printer> m_printer;
};
