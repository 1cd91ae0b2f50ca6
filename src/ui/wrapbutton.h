#pragma once

#include <QPushButton>

namespace ui {

// A push button whose caption wraps over several lines when it does not
// fit on one, as the long captions of the program's narrow buttons need.
class WrapButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
