#pragma once

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class FileDialogue;
}

// What to do with a file that already exists: overwrite, append or choose
// another name, then Continue or Cancel. The choice stays in the option
// buttons, kept while the window stays loaded. The close control and Escape
// answer Cancel, which leaves the file alone (see YesNo for the rule).
class FileDialogue : public QDialog {
    Q_OBJECT

public:
    enum class Choice { None, Append, Overwrite, ChangeName };

    explicit FileDialogue(QWidget* parent = nullptr);
    ~FileDialogue() override;

    // Shows the window modally. The option chosen when the user pressed
    // Continue (None when no option is set); nothing after Cancel or the
    // close control.
    std::optional<Choice> ask();
    [[nodiscard]] Choice choice() const;

private:
    std::unique_ptr<Ui::FileDialogue> m_ui;
};
