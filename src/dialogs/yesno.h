#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class YesNo;
}

// A question with Yes and No: exec() returns Accepted for Yes and Rejected
// for No; closing the window answers No.
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
