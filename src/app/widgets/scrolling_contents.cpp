// Scrolling contents: see scrolling_contents.h.
#include "app/widgets/scrolling_contents.h"

#include <QApplication>
#include <QLayout>
#include <QScrollArea>
#include <QVBoxLayout>

namespace qmoor {

void scrollContentsWhenCramped(QWidget& window) {
  QLayout* layout = window.layout();
  if (!layout) return;
  // Made within the window first, so that the widgets move within one window
  // and keep their places in its focus chain.
  auto* contents = new QWidget(&window);
  contents->setLayout(layout);
  auto* scroller = new QScrollArea(&window);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setFocusPolicy(Qt::NoFocus);
  scroller->setWidget(contents);
  QObject::connect(qApp, &QApplication::focusChanged, scroller, [scroller, contents](QWidget*, QWidget* now) {
    if (now && contents->isAncestorOf(now)) scroller->ensureWidgetVisible(now);
  });
  auto* whole = new QVBoxLayout(&window);
  whole->setContentsMargins(0, 0, 0, 0);
  whole->addWidget(scroller);
}

}  // namespace qmoor
