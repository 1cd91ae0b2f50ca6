#include "modalwatcher.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>

ModalWatcher::ModalWatcher() {
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::look);
    m_timer.start();
}

void ModalWatcher::look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    // A question (a box without OK) is answered by the test, as any other window.
    if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->button(QMessageBox::Ok)) {
        m_messages.append(box->text());
        m_titles.append(box->windowTitle());
        box->button(QMessageBox::Ok)->click();
        return;
    }
    if (modal == m_answered || m_answers.isEmpty())
        return;
    // The same window may be shown again at once for the next question:
    // it counts as unanswered again as soon as it hides.
    m_answered = modal;
    modal->installEventFilter(this);
    const Answer answer = m_answers.takeFirst();
    answer(modal);
}

bool ModalWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == m_answered) {
        m_answered->removeEventFilter(this);
        m_answered = nullptr;
    }
    return false;
}
