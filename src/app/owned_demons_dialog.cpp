// OwnedDemonsDialog: see owned_demons_dialog.h.
#include "app/owned_demons_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/demon_texts.h"
#include "app/program_settings.h"
#include "app/tool_window.h"
#include "data/compendium.h"
#include "data/races.h"
#include "planner/owned_demons.h"

namespace qmoor {

namespace {

const QString SettingsKey = QStringLiteral("planner/owned");

}  // namespace

OwnedDemonsDialog::OwnedDemonsDialog(QWidget* parent) : QDialog(parent), list_(new QListWidget(this)) {
  setWindowTitle(tr("所持悪魔"));
  auto* label = new QLabel(tr("所持している悪魔にチェックを付けてください(&D):"), this);
  label->setBuddy(list_);
  list_->setAccessibleName(tr("所持悪魔の一覧"));
  const std::vector<DemonRef> owned = load();
  for (int position = 0; position < DemonTotal; ++position) {
    const DemonRef demon = levelOrderAt(position);
    auto* item = new QListWidgetItem(demonEntryText(demon), list_);
    item->setData(DemonRole, demonData(demon));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(std::ranges::find(owned, demon) != owned.end() ? Qt::Checked : Qt::Unchecked);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
  resize(360, 520);
}

std::vector<DemonRef> OwnedDemonsDialog::checked() const {
  std::vector<DemonRef> demons;
  for (int row = 0; row < list_->count(); ++row) {
    const QListWidgetItem* item = list_->item(row);
    if (item->checkState() == Qt::Checked) demons.push_back(*demonAt(list_->model()->index(row, 0)));
  }
  return demons;
}

std::vector<DemonRef> OwnedDemonsDialog::load() {
  std::vector<std::string> entries;
  for (const QString& text : programSettings().value(SettingsKey).toStringList()) entries.push_back(text.toStdString());
  return ownedDemonsFrom(entries);
}

void OwnedDemonsDialog::save(const std::vector<DemonRef>& demons) {
  QStringList texts;
  for (const std::string& entry : ownedDemonEntries(demons)) texts << QString::fromStdString(entry);
  programSettings().setValue(SettingsKey, texts);
}

}  // namespace qmoor
