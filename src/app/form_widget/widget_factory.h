// The widget that stands for one control of the layout table, of the Qt class
// its kind calls for, styled by its style words and placed at its rectangle.
#pragma once

#include <QRect>

#include "form/layout.h"
#include "names/names.h"

class QWidget;
class QTabBar;

namespace qmoor {

// place: the control's rectangle in pixels; a combo box's includes its dropped-down list.
QWidget* makeControlWidget(const LayoutEntry& entry, const QRect& place, QWidget* parent);

// Shows the control's caption and accessible name in language.
void retranslateControlWidget(const LayoutEntry& entry, QWidget* widget, Language language);

// The tab row of the widget made for a tab control.
QTabBar* tabRowOf(QWidget* tabControl);

}  // namespace qmoor
