// A shown FormWidget over a Form alone, with a sink that records every
// notification and can look at the models at the moment it is told.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <ostream>
#include <vector>

#include "app/form_widget/form_widget.h"

namespace qmoor {

struct Heard {
  ControlId id;
  Notification notification;
  friend bool operator==(const Heard&, const Heard&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Heard& heard) {
    return out << '{' << static_cast<int>(heard.id) << ", notification " << static_cast<int>(heard.notification) << '}';
  }
};

class FormFixture : public ::testing::Test {
 protected:
  Form form;
  std::vector<Heard> heard;
  // Runs as each notification arrives, before the widgets are synced.
  std::function<void(const Heard&)> whenHeard;
  FormWidget widget{form, [this](ControlId id, Notification notification) {
                      heard.push_back({id, notification});
                      if (whenHeard) whenHeard(heard.back());
                    }};

  void SetUp() override {
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
  }

  template <typename W>
  W* widgetOf(ControlId id) {
    auto* found = qobject_cast<W*>(widget.widgetFor(id));
    EXPECT_NE(found, nullptr) << "no widget of the expected class for " << static_cast<int>(id);
    return found;
  }
};

}  // namespace qmoor
