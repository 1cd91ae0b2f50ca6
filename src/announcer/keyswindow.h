#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QString>

#include <utility>
#include <vector>

// The keys that press the intro screen's buttons and the announcer
// screen's Exit, in the person's language: Alt and the initial of the
// button's caption there (Alt+E for Enter, Alt+O for Ouvrir).
struct AccessKeys {
    QKeySequence enter;
    QKeySequence browse;
    QKeySequence exit;
    QKeySequence screenExit;
};
AccessKeys accessKeys();

// The keys of the announcer's desk, one line each: key and what it does.
std::vector<std::pair<QString, QString>> deskKeys();

// A small window listing deskKeys() (F1 on the announcer screen).
class KeysWindow : public QDialog {
    Q_OBJECT

public:
    explicit KeysWindow(QWidget* parent = nullptr);
};
