// Control models: see controls.h.
#include "form/controls.h"

#include <algorithm>
#include <stdexcept>

namespace qmoor {

void Control::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  changed();
}

void Control::changed() const {
  if (observer_) observer_->controlChanged(id_);
}

void ListBox::clear() {
  items_.clear();
  selection_ = -1;
  changed();
}

void ListBox::append(std::string text) {
  items_.push_back(std::move(text));
  changed();
}

void ListBox::setSelection(int index) {
  takeSelection(index);
  changed();
}

void ComboBox::setText(std::string text) {
  text_ = std::move(text);
  changed();
}

void ComboBox::clear() {
  text_.clear();
  ListBox::clear();
}

void ComboBox::setSelection(int index) {
  takeSelection(index);
  text_ = selection() >= 0 ? item(selection()) : std::string();
  changed();
}

void ListView::insertColumn(std::string header, int width) {
  // Columns are set up before any row is shown: rows tell the cells of the columns they were shown with.
  if (rowCount() > 0) throw std::logic_error("list view columns are inserted before rows");
  columns_.push_back({std::move(header), width});
  changed();
}

void Captioned::setCaption(std::string caption) {
  caption_ = std::move(caption);
  changed();
}

void ListView::setColumn(int column, std::string header, int width) {
  if (column < 0 || static_cast<size_t>(column) >= columns_.size()) return;
  columns_[static_cast<size_t>(column)] = {std::move(header), width};
  changed();
}

void ListView::setFullRowSelect(bool on) {
  fullRowSelect_ = on;
  changed();
}

int ListView::rowCount() const {
  return rows_ ? rows_->count() : 0;
}

std::string ListView::cell(int row, int column) const {
  if (!isValidRow(row) || column < 0 || column >= columnTotal()) {
    throw std::out_of_range("list view cell outside the rows and columns");
  }
  return rows_->cell(row, column);
}

void ListView::clear() {
  rows_ = nullptr;
  selected_ = focused_ = hot_ = -1;
  changed();
}

void ListView::showRows(const ListRows& rows) {
  rows_ = &rows;
  selected_ = focused_ = hot_ = -1;
  changed();
}

void ListView::rowsAppended() { changed(); }

void ListView::rowTextsChanged() { changed(); }

void ListView::setSelectedRow(int row) {
  selected_ = isValidRow(row) ? row : -1;
  changed();
}

void ListView::setFocusedRow(int row) {
  focused_ = isValidRow(row) ? row : -1;
  changed();
}

void ListView::setHotRow(int row) {
  hot_ = isValidRow(row) ? row : -1;
  changed();
}

void TabControl::insertItem(int index, std::string label) {
  const int at = std::clamp(index, 0, count());
  labels_.insert(labels_.begin() + at, std::move(label));
  if (selection_ < 0) selection_ = 0;
  else if (at <= selection_ && count() > 1) ++selection_;
  changed();
}

void TabControl::setLabel(int index, std::string label) {
  if (index < 0 || index >= count()) return;
  labels_[static_cast<size_t>(index)] = std::move(label);
  changed();
}

void TabControl::deleteItem(int index) {
  if (index < 0 || index >= count()) return;
  labels_.erase(labels_.begin() + index);
  if (count() == 0) selection_ = -1;
  else if (index < selection_) --selection_;
  else if (selection_ >= count()) selection_ = count() - 1;
  changed();
}

void TabControl::setSelection(int index) {
  if (index < 0 || index >= count()) return;
  selection_ = index;
  changed();
}

void Edit::setText(std::string text) {
  text_ = std::move(text);
  changed();
  if (onChange_) onChange_();
}

void UpDown::setRange(int lower, int upper) {
  lower_ = std::min(lower, upper);
  upper_ = std::max(lower, upper);
  position_ = std::clamp(position_, lower_, upper_);
  changed();
}

void UpDown::setPosition(int position) {
  position_ = std::clamp(position, lower_, upper_);
  changed();
  if (buddy_) buddy_->setText(std::to_string(position_));
}

namespace {
// The position the buddy shows when it holds a plain number within the range;
// otherwise the control's own position.
int positionFromBuddy(const Edit* buddy, int own, int lower, int upper) {
  if (!buddy) return own;
  const std::string& text = buddy->text();
  if (text.empty() || text.size() > 9) return own;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return own;
    value = value * 10 + (c - '0');
  }
  return (value >= lower && value <= upper) ? value : own;
}
}  // namespace

int UpDown::position() const { return positionFromBuddy(buddy_, position_, lower_, upper_); }

void UpDown::stepUp() {
  const int current = position();
  setPosition(current >= upper_ ? lower_ : current + 1);
}

void UpDown::stepDown() {
  const int current = position();
  setPosition(current <= lower_ ? upper_ : current - 1);
}

void CheckBox::setChecked(bool checked) {
  checked_ = checked;
  changed();
}

}  // namespace qmoor
