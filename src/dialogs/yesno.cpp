#include "yesno.h"

#include "dialoganswer.h"

#include "ui/fonts.h"
#include "ui/windowregistry.h"
#include "ui_yesno.h"

YesNo::YesNo(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::YesNo>()) {
    m_ui->setupUi(this);
    ui::applyFractionalFontSizes(this);
    connect(m_ui->Command1, &QPushButton::clicked, this, [this] { answer(true); });
    connect(m_ui->Command2, &QPushButton::clicked, this, [this] { answer(false); });
}

YesNo::~YesNo() = default;

void YesNo::setQuestion(const QString& question) { m_ui->Question->setPlainText(question); }

void YesNo::answer(bool yes) {
    Dialog_Answer = yes;
    hide();
}

void YesNo::reject() { answer(false); }

bool askYesNo(const QString& question) {
    YesNo& window = ui::loadedWindow<YesNo>();
    window.setQuestion(question);
    window.exec();
    return Dialog_Answer;
}
