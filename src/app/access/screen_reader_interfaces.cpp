// The form's accessible interfaces: see screen_reader_interfaces.h.
#include "app/access/screen_reader_interfaces.h"

#include <QAccessible>

#include "app/access/accessible_combo_box.h"
#include "app/access/accessible_tab_row.h"
#include "app/form_widget/up_down_widget.h"

namespace qmoor {

void presentFormControlsToScreenReaders() {
  static const bool installed = [] {
    QAccessible::installFactory(comboBoxByName);
    QAccessible::installFactory(tabRowByName);
    QAccessible::installFactory(upDownAsSpinButton);
    return true;
  }();
  (void)installed;
}

}  // namespace qmoor
