#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class YesNo;
}

// A question with Yes and No. The answer goes to Dialog_Answer (true = Yes)
// before the window hides; closing the window answers No.
class YesNo : public QDialog {
    Q_OBJECT

public:
    explicit YesNo(QWidget* parent = nullptr);
    ~YesNo() override;

    void setQuestion(const QString& question);

    // Yes or No, from the buttons.
    void answer(bool yes);
    void reject() override;

private:
    std::unique_ptr<Ui::YesNo> m_ui;
};

// Puts the question to the user in the one YesNo window and returns the answer.
bool askYesNo(const QString& question);
