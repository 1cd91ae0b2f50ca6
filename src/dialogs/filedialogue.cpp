#include "filedialogue.h"

#include "ui/fonts.h"
#include "ui_filedialogue.h"

FileDialogue::FileDialogue(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::FileDialogue>()) {
    m_ui->setupUi(this);
    ui::applyDesignedFonts(this);
    connect(m_ui->Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->Command2, &QPushButton::clicked, this, &QDialog::reject);
}

FileDialogue::~FileDialogue() = default;

std::optional<FileDialogue::Choice> FileDialogue::ask() {
    if (exec() != Accepted)
        return std::nullopt;
    return choice();
}

FileDialogue::Choice FileDialogue::choice() const {
    if (m_ui->AppendButton->isChecked())
        return Choice::Append;
    if (m_ui->OverWriteButton->isChecked())
        return Choice::Overwrite;
    if (m_ui->ChangeButton->isChecked())
        return Choice::ChangeName;
    return Choice::None;
}
