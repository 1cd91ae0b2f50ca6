#pragma once

#include <QDialog>
#include <QString>

#include <utility>
#include <vector>

// The keys of the announcer's desk, one line each: key and what it does.
std::vector<std::pair<QString, QString>> deskKeys();

// A small window listing deskKeys() (F1 on the announcer screen).
class KeysWindow : public QDialog {
    Q_OBJECT

public:
    explicit KeysWindow(QWidget* parent = nullptr);
};
