#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class FileDialogue;
}

// true: the user pressed Continue; false: Cancel or the close control.
inline bool File_Choice_Continue = false;

// What to do with a file that already exists: overwrite, append or choose
// another name, then Continue or Cancel. The choice stays in the option
// buttons, kept while the window stays loaded.
class FileDialogue : public QDialog {
    Q_OBJECT

public:
    enum class Choice { None, Append, Overwrite, ChangeName };

    explicit FileDialogue(QWidget* parent = nullptr);
    ~FileDialogue() override;

    Choice choice() const;
    void reject() override;

private:
    void finish(bool carryOn);

    std::unique_ptr<Ui::FileDialogue> m_ui;
};
