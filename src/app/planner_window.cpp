// PlannerWindow: see planner_window.h.
#include "app/planner_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/demon_texts.h"
#include "app/display_language.h"
#include "app/owned_demons_dialog.h"
#include "app/program_settings.h"
#include "app/signal_blocking.h"
#include "data/compendium.h"
#include "data/races.h"
#include "query/plan_text.h"

namespace qmoor {

namespace {

const QString OwnedOnlyKey = QStringLiteral("planner/ownedOnly");

}  // namespace

PlannerWindow::PlannerWindow(DemonOpener opener, QWidget* owner)
    : ToolWindow(QStringLiteral("planner"), QSize(760, 640), std::move(opener), owner) {
  build();
  retranslate();
  connectActions();
}

PlannerWindow::~PlannerWindow() {
  if (worker_) {
    cancelFlag_->store(true);
    worker_->wait();
  }
  deleteChildWidgets();
}

void PlannerWindow::build() {
  targetLabel_ = new QLabel(this);
  target_ = new QComboBox(this);
  for (int position = 0; position < DemonTotal; ++position) {
    const DemonRef demon = levelOrderAt(position);
    if (obtainableSkills(demon).empty()) continue;
    targets_.push_back(demon);
    target_->addItem(demonEntryText(demon));
  }
  targetLabel_->setBuddy(target_);

  skillsLabel_ = new QLabel(this);
  auto* skillGrid = new QGridLayout;
  for (int k = 0; k < SkillComboTotal; ++k) {
    skills_[static_cast<std::size_t>(k)] = new QComboBox(this);
    skillGrid->addWidget(skills_[static_cast<std::size_t>(k)], k / 4, k % 4);
  }
  skillsLabel_->setBuddy(skills_[0]);

  limitLabel_ = new QLabel(this);
  limit_ = new QSpinBox(this);
  limit_->setRange(1, 99);
  limit_->setValue(99);
  limitLabel_->setBuddy(limit_);
  curse_ = new QCheckBox(this);
  depthLabel_ = new QLabel(this);
  depth_ = new QSpinBox(this);
  depth_->setRange(1, MostPlanFusions);
  depth_->setValue(4);
  depthLabel_->setBuddy(depth_);
  ownedOnly_ = new QCheckBox(this);
  ownedOnly_->setChecked(programSettings().value(OwnedOnlyKey, false).toBool());
  editOwned_ = new QPushButton(this);
  auto* optionRow = new QHBoxLayout;
  for (QWidget* widget :
       std::initializer_list<QWidget*>{limitLabel_, limit_, curse_, depthLabel_, depth_, ownedOnly_, editOwned_}) {
    optionRow->addWidget(widget);
  }
  optionRow->addStretch(1);

  search_ = new QPushButton(this);
  search_->setDefault(true);
  cancel_ = new QPushButton(this);
  progress_ = new QProgressBar(this);
  progress_->setTextVisible(false);
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(search_);
  searchRow->addWidget(cancel_);
  searchRow->addWidget(progress_, 1);

  plans_ = new QTreeWidget(this);
  plans_->setHeaderHidden(true);
  plans_->header()->setStretchLastSection(true);
  copy_ = new QPushButton(this);
  status_ = new QLabel(this);
  status_->setWordWrap(true);
  note_ = new QLabel(this);
  note_->setWordWrap(true);
  auto* resultRow = new QHBoxLayout;
  resultRow->addWidget(status_, 1);
  resultRow->addWidget(copy_);

  auto* targetRow = new QHBoxLayout;
  targetRow->addWidget(targetLabel_);
  targetRow->addWidget(target_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(targetRow);
  layout->addWidget(skillsLabel_);
  layout->addLayout(skillGrid);
  layout->addLayout(optionRow);
  layout->addLayout(searchRow);
  layout->addLayout(resultRow);
  layout->addWidget(plans_, 1);
  layout->addWidget(note_);
  offerDemonsOf(plans_);
  fillSkillCombos();
  setSearching(false);
}

void PlannerWindow::connectActions() {
  connect(target_, &QComboBox::currentIndexChanged, this, &PlannerWindow::fillSkillCombos);
  connect(search_, &QPushButton::clicked, this, &PlannerWindow::search);
  connect(cancel_, &QPushButton::clicked, this, [this] {
    if (cancelFlag_) cancelFlag_->store(true);
  });
  connect(ownedOnly_, &QCheckBox::toggled, this, [](bool on) { programSettings().setValue(OwnedOnlyKey, on); });
  connect(editOwned_, &QPushButton::clicked, this, &PlannerWindow::editOwned);
  connect(copy_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(plansText()); });
}

// Each skill combo offers an empty first entry, then the skills the target can get.
void PlannerWindow::fillSkillCombos() {
  const int index = target_->currentIndex();
  skillChoices_ = index < 0 ? std::vector<int>{} : obtainableSkills(targets_[static_cast<std::size_t>(index)]);
  for (QComboBox* combo : skills_) {
    const QString keptText = combo->currentIndex() > 0 ? combo->currentText() : QString();
    SignalBlocking(combo)->clear();
    combo->addItem(QString());
    for (int skill : skillChoices_) combo->addItem(skillText(skill));
    SignalBlocking(combo)->setCurrentIndex(std::max(0, combo->findText(keptText)));
  }
}

PlanRequest PlannerWindow::request() const {
  PlanRequest request;
  request.target = targets_[static_cast<std::size_t>(std::max(0, target_->currentIndex()))];
  for (const QComboBox* combo : skills_) {
    const int choice = combo->currentIndex() - 1;
    if (choice < 0) continue;
    addWantedSkill(request, skillChoices_[static_cast<std::size_t>(choice)]);
  }
  request.levelLimit = limit_->value();
  request.curse = curse_->isChecked();
  request.maxFusions = depth_->value();
  if (ownedOnly_->isChecked()) request.owned = OwnedDemonsDialog::load();
  return request;
}

void PlannerWindow::search() {
  if (worker_) return;
  asked_ = request();
  plans_->clear();
  answer_.reset();
  if (asked_.skills.empty()) {
    status_->setText(tr("スキルを1つ以上選んでください。"));
    return;
  }
  cancelFlag_ = std::make_shared<std::atomic<bool>>(false);
  answer_ = std::make_shared<PlanAnswer>();
  progress_->setRange(0, asked_.maxFusions);
  progress_->setValue(0);
  status_->setText(tr("検索中..."));
  // The worker owns copies of everything it reads; the window hears of its
  // progress and its end through queued calls.
  QPointer<PlannerWindow> window(this);
  PlanControl control{cancelFlag_.get(), [window](int fusions) {
                        QMetaObject::invokeMethod(
                            qApp, [window, fusions] { if (window) window->progress_->setValue(fusions - 1); },
                            Qt::QueuedConnection);
                      }};
  worker_ = QThread::create([request = asked_, control, answer = answer_, cancel = cancelFlag_] {
    *answer = planRoutes(request, control);
  });
  connect(worker_, &QThread::finished, this, &PlannerWindow::showAnswer);
  setSearching(true);
  worker_->start();
}

void PlannerWindow::showAnswer() {
  worker_->deleteLater();
  worker_ = nullptr;
  setSearching(false);
  showPlans();
  if (plans_->topLevelItemCount() > 0) plans_->setCurrentItem(plans_->topLevelItem(0));
}

// Fills the tree and the status line from the last answer, in the current
// language: the same lines qmoor plan prints, each under the line one less deep.
void PlannerWindow::showPlans() {
  plans_->clear();
  if (!answer_) return;
  const PlanAnswer& answer = *answer_;
  std::vector<QTreeWidgetItem*> parents;
  for (const PlanLine& line : planLines(asked_, answer, displayLanguage())) {
    parents.resize(static_cast<std::size_t>(line.depth));
    auto* item = parents.empty() ? new QTreeWidgetItem(plans_) : new QTreeWidgetItem(parents.back());
    item->setText(0, QString::fromStdString(line.text));
    if (line.demon) item->setData(0, DemonRole, demonData(*line.demon));
    parents.push_back(item);
  }
  plans_->expandAll();
  status_->setText(answer.plans.empty() || answer.problem != PlanProblem::None
                       ? QString::fromStdString(noPlanText(asked_, answer, displayLanguage()))
                       : tr("プラン %1 件").arg(answer.plans.size()));
}

QString PlannerWindow::plansText() const {
  if (!answer_) return {};
  return QString::fromStdString(planLinesText(planLines(asked_, *answer_, displayLanguage())));
}

void PlannerWindow::editOwned() {
  OwnedDemonsDialog dialog(this);
  if (dialog.exec() == QDialog::Accepted) OwnedDemonsDialog::save(dialog.checked());
}

void PlannerWindow::setSearching(bool on) {
  for (QWidget* widget : std::initializer_list<QWidget*>{target_, limit_, curse_, depth_, ownedOnly_, editOwned_,
                                                         search_, copy_}) {
    widget->setEnabled(!on);
  }
  for (QComboBox* combo : skills_) combo->setEnabled(!on);
  cancel_->setEnabled(on);
  progress_->setVisible(on);
}

void PlannerWindow::retranslate() {
  setWindowTitle(tr("スキル継承プランナー"));
  // Demon and skill names in the display language, each entry where it was.
  for (std::size_t i = 0; i < targets_.size(); ++i)
    target_->setItemText(static_cast<int>(i), demonEntryText(targets_[i]));
  for (QComboBox* combo : skills_) {
    for (std::size_t j = 0; j < skillChoices_.size(); ++j)
      combo->setItemText(static_cast<int>(j) + 1, skillText(skillChoices_[j]));
  }
  targetLabel_->setText(tr("合体先(&T):"));
  target_->setAccessibleName(tr("合体先の悪魔"));
  skillsLabel_->setText(tr("継承させたいスキル(&K):"));
  for (int k = 0; k < SkillComboTotal; ++k) {
    skills_[static_cast<std::size_t>(k)]->setAccessibleName(tr("スキル%1").arg(k + 1));
  }
  limitLabel_->setText(tr("レベル上限(&L):"));
  limit_->setAccessibleName(tr("レベル上限"));
  curse_->setText(tr("CURSE(&C)"));
  curse_->setAccessibleName(tr("CURSE"));
  depthLabel_->setText(tr("最大合体回数(&M):"));
  depth_->setAccessibleName(tr("最大合体回数"));
  ownedOnly_->setText(tr("所持悪魔のみ(&O)"));
  ownedOnly_->setAccessibleName(tr("所持悪魔のみ"));
  editOwned_->setText(tr("所持悪魔を編集(&E)..."));
  editOwned_->setAccessibleName(tr("所持悪魔を編集"));
  search_->setText(tr("検索(&S)"));
  search_->setAccessibleName(tr("検索"));
  cancel_->setText(tr("取り消し(&X)"));
  cancel_->setAccessibleName(tr("検索を取り消す"));
  progress_->setAccessibleName(tr("検索の進み具合"));
  plans_->setAccessibleName(tr("合体プラン"));
  copy_->setText(tr("テキストでコピー(&Y)"));
  copy_->setAccessibleName(tr("プランをテキストでコピー"));
  status_->setAccessibleName(tr("検索結果"));
  note_->setText(tr("前提: 合体で生まれる悪魔は初期スキルに加え、素材2体のスキルのうち自分の継承印で受け継げるもの"
                    "（自分の初期スキルを除く）から ⌊(素材のスキル数の合計＋2.7)÷3.7⌋ 個（空き枠と候補の数まで）を"
                    "受け継ぎ、どれを受け継ぐかは合体し直して選べるものとします。この個数の式は公開資料1件による"
                    "もので確度は中程度、ほかの規則は確度が高いものです。"));
  note_->setAccessibleName(tr("前提とする規則"));
  if (!worker_) showPlans();
}

}  // namespace qmoor
