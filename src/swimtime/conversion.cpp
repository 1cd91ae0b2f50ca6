#include "conversion.h"

#include "entryrules.h"
#include "timerules.h"

#include "ui/flatstyle.h"
#include "ui/fonts.h"
#include "ui/windowregistry.h"
#include "ui_conversion.h"

#include <QCloseEvent>
#include <QFocusEvent>

Conversion::Conversion(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::Conversion>()) {
    m_ui->setupUi(this);
    ui::applyDesignedFonts(this);
    ui::makeFlat(this);
    m_ui->NewTime->installEventFilter(this);
    connect(m_ui->Command1, &QPushButton::clicked, this, [this] { done(int(Answer::AcceptThis)); });
    connect(m_ui->Command3, &QPushButton::clicked, this, &Conversion::acceptAll);
    connect(m_ui->Command2, &QPushButton::clicked, this, [this] { done(int(Answer::Override)); });
}

Conversion::~Conversion() = default;

void Conversion::setConversion(const QString& origTime, const QString& origDist, const QString& convTime,
                               const QString& convDist) {
    m_ui->OrigTime->setText(origTime);
    m_ui->OrigDist->setText(origDist);
    m_ui->ConvTime->setText(convTime);
    m_ui->ConvDist->setText(convDist);
}

QString Conversion::overrideTime() const { return m_ui->NewTime->text(); }

QString Conversion::overrideDistance() const { return m_ui->NewDist->text(); }

Conversion::Answer Conversion::ask() {
    return Answer(exec());
}

void Conversion::acceptAll() {
    setResult(int(Answer::AcceptAll));
    unload();
}

void Conversion::closeEvent(QCloseEvent* event) {
    event->accept();
    setResult(int(Answer::Closed));
    unload();
}

void Conversion::unload() {
    hide();
    if (ui::windowSlot<Conversion>() == this)
        ui::unloadWindow<Conversion>();
}

// NewTime is normalised when the user moves on within the window, not when
// the window itself loses the focus (another program, the window hiding,
// or the "Invalid Time" message the normalising may show).
bool Conversion::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->NewTime && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            normaliseNewTime();
    }
    return QDialog::eventFilter(watched, event);
}

void Conversion::normaliseNewTime() {
    m_ui->NewTime->setText(Seconds_To_Time(Time_To_Seconds(m_ui->NewTime->text())));
}
