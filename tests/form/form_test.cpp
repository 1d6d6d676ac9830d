// The form: one model per identified control, typed getters that refuse other
// kinds, the up-down control's buddy and the observer wiring.
#include "form/form.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "form/layout.h"
#include "support/text_rows.h"

namespace qmoor {
namespace {

using C = ControlId;
using K = ControlKind;

struct Getter {
  const char* name;
  std::set<ControlKind> accepts;
  std::function<Control&(Form&, ControlId)> get;
};

const std::vector<Getter> Getters = {
    {"list", {K::ListBox, K::ComboBox}, [](Form& f, ControlId id) -> Control& { return f.list(id); }},
    {"combo", {K::ComboBox}, [](Form& f, ControlId id) -> Control& { return f.combo(id); }},
    {"listView", {K::ListView}, [](Form& f, ControlId id) -> Control& { return f.listView(id); }},
    {"tabs", {K::TabControl}, [](Form& f, ControlId id) -> Control& { return f.tabs(id); }},
    {"upDown", {K::UpDown}, [](Form& f, ControlId id) -> Control& { return f.upDown(id); }},
    {"edit", {K::Edit}, [](Form& f, ControlId id) -> Control& { return f.edit(id); }},
    {"check", {K::CheckBox}, [](Form& f, ControlId id) -> Control& { return f.check(id); }},
    {"captioned", {K::Button, K::Static, K::GroupBox}, [](Form& f, ControlId id) -> Control& { return f.captioned(id); }},
    {"control", {K::ComboBox, K::ListBox, K::ListView, K::TabControl, K::UpDown, K::Edit, K::CheckBox, K::Button,
                 K::Static, K::GroupBox},
     [](Form& f, ControlId id) -> Control& { return f.control(id); }},
};

// The logic_error's message, or "" when get returned the control id.
std::string refusal(Form& form, const Getter& getter, ControlId id) {
  try {
    return getter.get(form, id).id() == id ? "" : "another control";
  } catch (const std::logic_error& e) {
    return e.what();
  }
}

TEST(FormModels, OneModelPerIdentifiedControlInTemplateOrderOfItsKind) {
  Form form;
  std::vector<ControlId> expected;
  for (const LayoutEntry& e : formLayout()) {
    if (e.id == C::None) continue;
    expected.push_back(e.id);
    const std::string id = std::to_string(static_cast<int>(e.id));
    EXPECT_TRUE(form.has(e.id)) << id;
    for (const Getter& g : Getters) {
      const std::string message = refusal(form, g, e.id);
      if (g.accepts.contains(e.kind)) {
        EXPECT_EQ(message, "") << g.name << " " << id;
      } else {
        EXPECT_NE(message.find("control " + id), std::string::npos) << g.name << " " << id << ": " << message;
      }
    }
    if (e.kind == K::Button || e.kind == K::Static || e.kind == K::GroupBox) {
      EXPECT_EQ(form.captioned(e.id).caption(), e.caption) << id;
    }
  }
  std::vector<ControlId> made;
  for (const auto& model : form.controls()) made.push_back(model->id());
  EXPECT_EQ(made, expected);
}

TEST(FormModels, AbsentIdentifiersAreRefused) {
  Form form;
  for (int number : {0, -5, 999, 1006, 1183, 5000}) {
    const auto id = static_cast<ControlId>(number);
    EXPECT_FALSE(form.has(id)) << number;
    for (const Getter& g : Getters) {
      const std::string message = refusal(form, g, id);
      EXPECT_NE(message.find(std::to_string(number)), std::string::npos) << g.name << " " << number << ": " << message;
    }
  }
}

TEST(FormWiring, UpDownWritesItsBuddyEdit) {
  Form form;
  form.upDown().setRange(0, 99);
  form.upDown().setPosition(42);
  EXPECT_EQ(form.edit(C::LimitEdit).text(), "42");
  form.edit(C::LimitEdit).setText("98");
  form.upDown().stepUp();
  form.upDown().stepUp();
  EXPECT_EQ(form.edit(C::LimitEdit).text(), "0");
}

// Every change is reported to the observer; only an edit's text change (also
// through the up-down control) calls a change handler.
TEST(FormWiring, ObserverHearsEveryChangeAndOnlyEditsNotify) {
  Form form;
  struct Recorder : ControlObserver {
    std::vector<ControlId> reported;
    void controlChanged(ControlId id) override { reported.push_back(id); }
  } recorder;
  form.setObserver(&recorder);
  std::vector<ControlId> notified;
  const testing::TextRows pairs = testing::numberedRows(1);
  for (const auto& model : form.controls()) {
    if (model->kind() == K::Edit) {
      form.edit(model->id()).setChangeHandler([&notified, id = model->id()] { notified.push_back(id); });
    }
  }
  struct Step {
    std::function<void()> act;
    std::vector<ControlId> reports;
    std::vector<ControlId> notifies;
  };
  const std::vector<Step> steps = {
      {[&] { form.combo(C::RaceCombo).append("魔神"); }, {C::RaceCombo}, {}},
      {[&] { form.combo(C::RaceCombo).setText("x"); }, {C::RaceCombo}, {}},
      {[&] { form.list(C::DemonList).append("a"); }, {C::DemonList}, {}},
      {[&] { form.listView(C::MaterialPairView).insertColumn("h", 120); }, {C::MaterialPairView}, {}},
      {[&] { form.listView(C::MaterialPairView).showRows(pairs); }, {C::MaterialPairView}, {}},
      {[&] { form.listView(C::MaterialPairView).setHotRow(0); }, {C::MaterialPairView}, {}},
      {[&] { form.listView(C::MaterialPairView).rowsAppended(); }, {C::MaterialPairView}, {}},
      {[&] { form.listView(C::MaterialPairView).rowTextsChanged(); }, {C::MaterialPairView}, {}},
      {[&] { form.listView(C::MaterialPairView).clear(); }, {C::MaterialPairView}, {}},
      {[&] { form.tabs().insertItem(0, ""); }, {C::TabBar}, {}},
      {[&] { form.tabs().setSelection(0); }, {C::TabBar}, {}},
      {[&] { form.edit(C::DetailNameEdit).setText("x"); }, {C::DetailNameEdit}, {C::DetailNameEdit}},
      {[&] { form.check(C::NeutralCheck).toggle(); }, {C::NeutralCheck}, {}},
      {[&] { form.upDown().setPosition(50); }, {C::LimitSpin, C::LimitEdit}, {C::LimitEdit}},
      {[&] { form.upDown().stepDown(); }, {C::LimitSpin, C::LimitEdit}, {C::LimitEdit}},
      {[&] { form.captioned(C::OpenDetailButton).setEnabled(false); }, {C::OpenDetailButton}, {}},
      {[&] { form.control(C::RecipeList).setEnabled(false); }, {C::RecipeList}, {}},
  };
  for (size_t i = 0; i < steps.size(); ++i) {
    recorder.reported.clear();
    notified.clear();
    steps[i].act();
    EXPECT_EQ(recorder.reported, steps[i].reports) << "step " << i;
    EXPECT_EQ(notified, steps[i].notifies) << "step " << i;
  }
}

}  // namespace
}  // namespace qmoor
