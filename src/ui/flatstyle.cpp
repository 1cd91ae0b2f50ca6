#include "flatstyle.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace ui {

namespace {

// The caption starts where the controls inside a frame start, with a
// little of the window's background either side to break the line.
constexpr int captionLeft = 6;
constexpr int captionPadding = 2;

void drawFlatFrame(QPainter* painter, const QRect& rect, const QPalette& palette) {
    painter->save();
    painter->setPen(palette.color(QPalette::WindowText));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

class FlatStyle : public QProxyStyle {
public:
    FlatStyle()
        : QProxyStyle(QApplication::style()->name()) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelLineEdit) {
            painter->fillRect(option->rect, option->palette.base());
            drawFlatFrame(painter, option->rect, option->palette);
        } else if (element == PE_FrameLineEdit) {
            drawFlatFrame(painter, option->rect, option->palette);
        } else {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        if (control == CC_ComboBox)
            drawComboBox(option, painter, widget);
        else if (const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
                 control == CC_GroupBox && frame)
            drawGroupBox(*frame, painter);
        else
            QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    // A drop-down list has no caret: its focus shows as a highlighted text.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* comboBox = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (element != CE_ComboBoxLabel || !comboBox || !(option->state & State_HasFocus)) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionComboBox focused = *comboBox;
        focused.palette.setBrush(QPalette::ButtonText, option->palette.highlightedText());
        QProxyStyle::drawControl(element, &focused, painter, widget);
    }

private:
    void drawComboBox(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const {
        painter->fillRect(option->rect, option->palette.base());
        drawFlatFrame(painter, option->rect, option->palette);
        if (option->state & State_HasFocus)
            painter->fillRect(subControlRect(CC_ComboBox, option, SC_ComboBoxEditField, widget),
                              option->palette.highlight());
        QStyleOption arrow = *option;
        arrow.rect = subControlRect(CC_ComboBox, option, SC_ComboBoxArrow, widget);
        proxy()->drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
    }

    void drawGroupBox(const QStyleOptionGroupBox& frame, QPainter* painter) const {
        const QFontMetrics& metrics = frame.fontMetrics;
        drawFlatFrame(painter, frame.rect.adjusted(0, metrics.height() / 2, 0, 0), frame.palette);
        if (frame.text.isEmpty())
            return;
        const QRect caption(captionLeft, 0, metrics.horizontalAdvance(frame.text) + 2 * captionPadding,
                            metrics.height());
        painter->fillRect(caption, frame.palette.window());
        drawItemText(painter, caption, Qt::AlignCenter, frame.palette, frame.state & State_Enabled,
                     frame.text, QPalette::WindowText);
    }
};

QStyle* flatStyle() {
    static QPointer<FlatStyle> style;
    if (!style) {
        style = new FlatStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void makeFlat(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QGroupBox*>(control))
            control->setStyle(flatStyle());
    }
}

} // namespace ui
