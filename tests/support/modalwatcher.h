#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers modal windows as a person would while a test waits inside them:
// every message box that appears is recorded and closed with OK, and any
// other modal window is handed to the test's own answer.
class ModalWatcher : public QObject {
public:
    using Answer = std::function<void(QWidget* modal)>;

    ModalWatcher();

    // Called for the next modal windows that are not message boxes, in order.
    void answerNext(Answer answer) { m_answers.append(std::move(answer)); }

    [[nodiscard]] QStringList messages() const { return m_messages; }
    [[nodiscard]] QStringList titles() const { return m_titles; }
    void clear() { m_messages.clear(); m_titles.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void look();

    QTimer m_timer;
    QStringList m_messages;
    QStringList m_titles;
    QList<Answer> m_answers;
    QPointer<QWidget> m_answered;
};
