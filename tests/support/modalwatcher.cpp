#include "modalwatcher.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

ModalWatcher::ModalWatcher() {
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::look);
    m_timer.start();
}

void ModalWatcher::look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        m_answered = nullptr;
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        m_messages.append(box->text());
        m_titles.append(box->windowTitle());
        box->button(QMessageBox::Ok)->click();
        return;
    }
    if (modal != m_answered)
        m_answered = nullptr;
    if (m_answered || m_answers.isEmpty())
        return;
    m_answered = modal;
    const Answer answer = m_answers.takeFirst();
    answer(modal);
}
