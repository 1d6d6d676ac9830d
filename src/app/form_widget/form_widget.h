// FormWidget: the form drawn with Qt widgets. It makes one widget for each
// control of the layout table that is not hidden (hidden controls exist as
// models only), places it by dialog units of the form's font, mirrors the
// control models and forwards the user's actions.
//
// A user's action: the widget lets the control model take the change (a
// selection, a toggled check, typed text), then the notification goes to the
// view's notify(); whatever the view's operation changes in the models marks
// those controls dirty, and the dirty widgets are synced once the action is
// done. Programmatic widget updates raise no signals, so only genuine user
// actions reach the view.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "app/form_widget/dialog_units.h"
#include "form/form.h"
#include "names/names.h"
#include "form/layout.h"

class QComboBox;
class QTableView;

namespace qmoor {

class ListViewModel;

class FormWidget : public QWidget, private ControlObserver {
  Q_OBJECT

 public:
  using NotifySink = std::function<void(ControlId, Notification)>;

  // notify receives the user's actions after the model took them (the view's notify()).
  FormWidget(Form& form, NotifySink notify, QWidget* parent = nullptr);
  ~FormWidget() override;

  const DialogUnits& units() const { return units_; }
  // The widget of a control; nullptr for hidden controls and identifiers not on the form.
  QWidget* widgetFor(ControlId id) const;
  // The widget of the layout table's entry at index; nullptr for hidden entries.
  QWidget* widgetAt(size_t index) const { return widgets_.at(index); }
  // The item model a list view's table shows.
  ListViewModel* listViewModel(ControlId id) const;

  // Brings the widgets of the controls that changed since the last sync up to date.
  void syncDirty();
  // Which skill an item of a control stands for (the view's skillShownAt;
  // nothing for a control that lists no skills): from then on every item of
  // the skill lists and combos carries its skill's facts as its tooltip and
  // accessible description.
  using SkillOfItem = std::function<std::optional<int>(ControlId, int item)>;
  void describeSkillsBy(SkillOfItem skillOf);

  // Widens the controls into the free space beside them so that each shows
  // its present text whole (form_room.cpp); for after the first fill.
  void makeRoomForTexts();
  // Shows the form's own texts in language after the view has shown its texts
  // in it, and gives every control room for them again.
  void showLanguage(Language language);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void widenTableColumns();  // the list views' columns wide enough for their headings and the rows in view
  void describeSkills(ControlId id, QWidget* widget);
  void controlChanged(ControlId id) override;
  void build();
  void attachUpDownToBuddy(size_t upDownIndex);
  void stackInTemplateOrder();
  void syncControl(ControlId id);
  int rightLimitOf(const LayoutEntry& entry, const QRect& place) const;
  void explainCutFields();

  // The user's actions (form_actions.cpp).
  void connectActions(ControlId id, ControlKind kind, QWidget* widget);
  void connectComboBox(ControlId id, QComboBox* box);
  void connectListView(ControlId id, QTableView* table);
  void connectTabControl(ControlId id, QWidget* tabControl);
  void forward(ControlId id, Notification notification);

  Form& form_;
  NotifySink notify_;
  DialogUnits units_;
  std::vector<QWidget*> widgets_;  // parallel to formLayout()
  std::vector<QRect> homes_;       // each widget's place before it made room for its text
  std::map<ControlId, QWidget*> byId_;
  std::map<ControlId, ListViewModel*> listViewModels_;
  std::set<ControlId> dirty_;
  SkillOfItem skillOf_;
};

}  // namespace qmoor
