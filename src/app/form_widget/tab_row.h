// TabRow: the tab control's row of tabs. A QTabBar measures and lays out
// every tab again at each insertion (up to 200 tabs load at once) and
// prepares every tab for each paint; this one remembers the size of each
// label until the font or the style changes, and prepares only the tabs in
// view. Taking the focus, it tells a screen reader which tab is current.
#pragma once

#include <QHash>
#include <QTabBar>

namespace qmoor {

class TabRow : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override;
  void initStyleOption(QStyleOptionTab* option, int index) const override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  // By label, and by whether the tab is the current one, which a style may draw larger.
  mutable QHash<QPair<QString, bool>, QSize> sizes_;
};

}  // namespace qmoor
