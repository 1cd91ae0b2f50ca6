#include "yesno.h"

#include "ui/fonts.h"
#include "ui/windowregistry.h"
#include "ui_yesno.h"

YesNo::YesNo(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::YesNo>()) {
    m_ui->setupUi(this);
    ui::applyDesignedFonts(this);
    connect(m_ui->Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->Command2, &QPushButton::clicked, this, &QDialog::reject);
}

YesNo::~YesNo() = default;

void YesNo::setQuestion(const QString& question) { m_ui->Question->setPlainText(question); }

bool askYesNo(const QString& question) {
    YesNo& window = ui::loadedWindow<YesNo>();
    window.setQuestion(question);
    return window.exec() == QDialog::Accepted;
}
