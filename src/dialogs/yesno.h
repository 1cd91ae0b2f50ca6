#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class YesNo;
}

// A question with Yes and No: exec() returns Accepted for Yes and Rejected
// for No. The close control and Escape answer No: No leaves everything as
// it was, and a question box that Escape declines is what people know from
// every other program. (Windows whose every answer does something, or that
// hold work in hand, ignore Escape: Conversion, Records, the announcer
// screen.)
class YesNo : public QDialog {
    Q_OBJECT

public:
    explicit YesNo(QWidget* parent = nullptr);
    ~YesNo() override;

    void setQuestion(const QString& question);

private:
    std::unique_ptr<Ui::YesNo> m_ui;
};

// Puts the question to the user in the one YesNo window and returns the answer.
bool askYesNo(const QString& question);
