#pragma once

#include "desk/desksettings.h"
#include "desk/readoutlog.h"

#include <QDialog>

#include <vector>

class QListWidget;
class QPlainTextEdit;

// "Read out today" (Ctrl+H on the announcer screen): the messages
// dismissed today on this computer, newest first, with their times; the
// chosen one's whole text can be read, selected and copied.
class ReadOutToday : public QDialog {
    Q_OBJECT

public:
    // Sent tells the Sequences of sent messages, which are marked as such.
    ReadOutToday(std::vector<desk::readoutlog::ReadOut> readOuts, const desk::SentSequences& sent,
                 QWidget* parent = nullptr);

    // The list line of a dismissal: its time, Sequence and first line.
    static QString line(const desk::readoutlog::ReadOut& readOut, const desk::SentSequences& sent);

private:
    void showChosen();
    void copyChosen();

    std::vector<desk::readoutlog::ReadOut> m_readOuts;
    QListWidget* m_list;
    QPlainTextEdit* m_text;
};
