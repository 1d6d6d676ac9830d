// Bringing a widget up to date with its control model, one function a kind.
// Every change is made with the widget's signals blocked, and only where the
// widget differs from the model, so typing and scrolling are not disturbed.
#pragma once

#include "form/controls.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QTabBar;
class QTableView;
class QWidget;

namespace qmoor {

class ListViewModel;

void syncComboBox(QComboBox& widget, const ComboBox& model);
void syncListBox(QListWidget& widget, const ListBox& model);
// adapter: the item model the table view shows, over model.
void syncListView(QTableView& widget, ListViewModel& adapter, const ListView& model);
void syncTabControl(QTabBar& widget, const TabControl& model);
void syncEdit(QLineEdit& widget, const Edit& model);
void syncCheckBox(QCheckBox& widget, const CheckBox& model);
void syncCaption(QWidget& widget, const Captioned& model);  // button, caption or group box

}  // namespace qmoor
