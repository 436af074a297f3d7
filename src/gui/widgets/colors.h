#pragma once
// One colour of a widget's palette. Cheaper than a style sheet, which puts the widget and all its
// children under the style sheet style.

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace q7 {

inline void setColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

}  // namespace q7
