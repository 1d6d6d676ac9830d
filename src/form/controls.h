// Control models: the state of each kind of control on the form, held
// without any toolkit. The models are the truth; widgets are views of them.
//
// Setting anything from code raises no notification, with one exception kept
// from the platform: every change of an edit's text raises the edit's change
// notification through its change handler (the view installs one on edit 1019).
// Each model reports that it changed to an observer, so a toolkit can repaint
// only what changed.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "form/control_ids.h"

namespace qmoor {

enum class ControlKind { ComboBox, ListBox, ListView, TabControl, UpDown, Edit, CheckBox, Button, Static, GroupBox };

class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void controlChanged(ControlId id) = 0;
};

class Control {
 public:
  Control(ControlId id, ControlKind kind) : id_(id), kind_(kind) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlId id() const { return id_; }
  ControlKind kind() const { return kind_; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  void setObserver(ControlObserver* observer) { observer_ = observer; }

 protected:
  void changed() const;

 private:
  ControlId id_;
  ControlKind kind_;
  bool enabled_ = true;
  ControlObserver* observer_ = nullptr;
};

// A list box: items appended at the end, one selection (-1 for none).
class ListBox : public Control {
 public:
  explicit ListBox(ControlId id, ControlKind kind = ControlKind::ListBox) : Control(id, kind) {}
  int count() const { return static_cast<int>(items_.size()); }
  const std::string& item(int index) const { return items_.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& items() const { return items_; }
  int selection() const { return selection_; }
  bool isValidIndex(int index) const { return index >= 0 && index < count(); }

  virtual void clear();
  void append(std::string text);
  // Any index outside the items clears the selection, as the platform does.
  virtual void setSelection(int index);

 protected:
  // Takes the selection (outside the items: none) without telling the observer.
  void takeSelection(int index) { selection_ = isValidIndex(index) ? index : -1; }

 private:
  std::vector<std::string> items_;
  int selection_ = -1;
};

// A combo box: a list box with a text field. Selecting an item shows its text;
// selecting none (or an index outside the items) and emptying the box clear
// text and selection. A drop-down combo's text field
// can also be set on its own (the user's typing, or an operation's caption).
class ComboBox : public ListBox {
 public:
  explicit ComboBox(ControlId id) : ListBox(id, ControlKind::ComboBox) {}
  const std::string& text() const { return text_; }
  void setText(std::string text);
  void clear() override;
  void setSelection(int index) override;

 private:
  std::string text_;
};

struct ListViewColumn {
  std::string header;
  int width = 0;
};

// The rows of a list view held by their owner as what they stand for (a pair
// of demons, one demon); the text of a cell is made only when it is asked for.
class ListRows {
 public:
  virtual ~ListRows() = default;
  virtual int count() const = 0;
  virtual std::string cell(int row, int column) const = 0;  // row and column within the list
};

// A list view in report mode: columns, the rows it shows, and the selected,
// focused and hot (hover-highlighted) row, each -1 for none. The rows are held
// elsewhere (see ListRows); the list reads their cells when asked for them.
class ListView : public Control {
 public:
  explicit ListView(ControlId id) : Control(id, ControlKind::ListView) {}
  const std::vector<ListViewColumn>& columns() const { return columns_; }
  void insertColumn(std::string header, int width);
  void setColumn(int column, std::string header, int width);  // an existing column; others are ignored
  bool fullRowSelect() const { return fullRowSelect_; }
  void setFullRowSelect(bool on);

  int rowCount() const;
  std::string cell(int row, int column) const;  // std::out_of_range outside the rows and columns

  // Shows rows from now on, as a new listing without marks. Their owner keeps
  // them alive while they are shown and reports rows it appends through rowsAppended().
  void showRows(const ListRows& rows);
  void rowsAppended();
  // The rows tell their cells anew (in another language, say); same rows, same marks.
  void rowTextsChanged();
  // Lets go of the rows and clears the marks.
  void clear();

  int selectedRow() const { return selected_; }
  int focusedRow() const { return focused_; }
  int hotRow() const { return hot_; }
  bool isValidRow(int row) const { return row >= 0 && row < rowCount(); }
  void setSelectedRow(int row);  // out of range: none
  void setFocusedRow(int row);
  void setHotRow(int row);

 private:
  int columnTotal() const { return columns_.empty() ? 1 : static_cast<int>(columns_.size()); }
  std::vector<ListViewColumn> columns_;
  const ListRows* rows_ = nullptr;  // the rows shown, if any
  bool fullRowSelect_ = false;
  int selected_ = -1;
  int focused_ = -1;
  int hot_ = -1;
};

// A tab control: labelled items and the selected one. Setting the selection
// from code raises no notification. Inserting or deleting items keeps the
// selection on the same item; the first item inserted becomes selected, and
// deleting the selected item selects the one that takes its place (or the
// new last one). An index outside the items leaves the selection unchanged.
class TabControl : public Control {
 public:
  explicit TabControl(ControlId id) : Control(id, ControlKind::TabControl) {}
  int count() const { return static_cast<int>(labels_.size()); }
  const std::string& label(int index) const { return labels_.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& labels() const { return labels_; }
  void insertItem(int index, std::string label);
  void setLabel(int index, std::string label);
  void deleteItem(int index);
  int selection() const { return selection_; }
  void setSelection(int index);

 private:
  std::vector<std::string> labels_;
  int selection_ = -1;
};

// An edit field. Every change of its text, from code or the user, calls the
// change handler: the platform's change notification.
class Edit : public Control {
 public:
  explicit Edit(ControlId id) : Control(id, ControlKind::Edit) {}
  const std::string& text() const { return text_; }
  void setText(std::string text);
  void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

 private:
  std::string text_;
  std::function<void()> onChange_;
};

// An up-down control that writes its position as decimal text into its buddy
// edit, and wraps at the ends of its range when an arrow is clicked. A plain
// decimal number within the range typed into the buddy is its position.
class UpDown : public Control {
 public:
  explicit UpDown(ControlId id) : Control(id, ControlKind::UpDown) {}
  void setBuddy(Edit* buddy) { buddy_ = buddy; }
  void setRange(int lower, int upper);
  int lower() const { return lower_; }
  int upper() const { return upper_; }
  int position() const;
  void setPosition(int position);  // clamped to the range; writes the buddy
  void stepUp();                   // the user clicked the up arrow
  void stepDown();                 // the user clicked the down arrow

 private:
  int lower_ = 0;
  int upper_ = 100;
  int position_ = 0;
  Edit* buddy_ = nullptr;
};

class CheckBox : public Control {
 public:
  explicit CheckBox(ControlId id) : Control(id, ControlKind::CheckBox) {}
  bool checked() const { return checked_; }
  void setChecked(bool checked);
  void toggle() { setChecked(!checked_); }

 private:
  bool checked_ = false;
};

// Buttons, static texts and group boxes carry a caption and the enabled state.
class Captioned : public Control {
 public:
  Captioned(ControlId id, ControlKind kind, std::string caption) : Control(id, kind), caption_(std::move(caption)) {}
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

 private:
  std::string caption_;
};

}  // namespace qmoor
