#include "fonts.h"

#include <QFont>
#include <QWidget>

namespace ui {

void registerFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Impact"), QStringLiteral("DejaVu Sans Condensed"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
}

void applyDesignedFonts(QWidget* window) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        const QVariant size = widget->property("pointSizeF");
        const bool impact = widget->font().family() == QLatin1String("Impact");
        if (!size.isValid() && !impact)
            continue;
        QFont font = widget->font();
        if (size.isValid())
            font.setPointSizeF(size.toDouble());
        if (impact)
            font.setBold(true);
        widget->setFont(font);
    }
}

} // namespace ui
