// PlannerWindow: see planner_window.h.
#include "app/tools/planner/planner_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/widgets/demon_texts.h"
#include "app/program/display_language.h"
#include "app/tools/my_demons/my_demons_store.h"
#include "app/program/program_settings.h"
#include "app/widgets/searchable_combo.h"
#include "app/widgets/skill_texts.h"
#include "app/widgets/window_parts.h"
#include "data/compendium.h"
#include "data/races.h"
#include "plan_text/plan_text.h"

namespace qmoor {

namespace {

// 所持悪魔のみ keeps the key of the former owned-demons box, whose list joined my demons.
const QString OnlyMineKey = QStringLiteral("planner/ownedOnly");
const QString UseMineKey = QStringLiteral("planner/useMine");
const QString LevellingKey = QStringLiteral("planner/levelling");
const QString ExcludedKey = QStringLiteral("planner/excluded");
const QString BoundKey = QStringLiteral("planner/seconds");
constexpr int MostBoundSeconds = 600;

// The excluded demons as the settings keep them: each as its packed demon number.
QVariantList packedDemons(const std::vector<DemonRef>& demons) {
  QVariantList packed;
  for (DemonRef demon : demons) packed.append(demonData(demon));
  return packed;
}

std::vector<DemonRef> unpackedDemons(const QVariantList& packed) {
  std::vector<DemonRef> demons;
  for (const QVariant& value : packed) {
    const std::optional<DemonRef> demon = demonFromData(value);
    if (demon && isOccupied(*demon) && std::ranges::find(demons, *demon) == demons.end()) demons.push_back(*demon);
  }
  return demons;
}

bool canGetAll(DemonRef target, const std::vector<int>& skills) {
  const std::vector<int> obtainable = obtainableSkills(target);
  return std::ranges::all_of(skills,
                             [&](int skill) { return std::ranges::find(obtainable, skill) != obtainable.end(); });
}

}  // namespace

PlannerWindow::PlannerWindow(MyDemonsStore* myDemons, std::function<void()> editMyDemons, DemonOpener opener,
                             QWidget* owner)
    : ToolWindow(QStringLiteral("planner"), QSize(760, 640), std::move(opener), owner),
      myDemons_(myDemons),
      editMyDemons_(std::move(editMyDemons)) {
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
  target_ = labelled<QComboBox>(targetLabel_, this);
  askRoomForNames(target_);
  for (int position = 0; position < DemonTotal; ++position) {
    const DemonRef demon = levelOrderAt(position);
    if (obtainableSkills(demon).empty()) continue;
    targets_.push_back(demon);
    target_->addItem(demonEntryText(demon));
    target_->setItemData(target_->count() - 1, demonData(demon), DemonRole);
  }
  makeSearchable(target_);

  skillsLabel_ = new QLabel(this);
  auto* skillGrid = new QGridLayout;
  for (int k = 0; k < SkillComboTotal; ++k) {
    skills_[static_cast<std::size_t>(k)] = new QComboBox(this);
    askRoomForNames(skills_[static_cast<std::size_t>(k)], RoomForASkill);
    followCurrentItemTip(skills_[static_cast<std::size_t>(k)]);
    skillGrid->addWidget(skills_[static_cast<std::size_t>(k)], k / 4, k % 4);
  }
  skillsLabel_->setBuddy(skills_[0]);

  limit_ = labelled<QSpinBox>(limitLabel_, this);
  limit_->setRange(1, 99);
  limit_->setValue(99);
  curse_ = new QCheckBox(this);
  depth_ = labelled<QSpinBox>(depthLabel_, this);
  depth_->setRange(1, MostPlanFusions);
  depth_->setValue(4);
  QHBoxLayout* optionRow = rowOf({limitLabel_, limit_, curse_, depthLabel_, depth_, Stretch});

  const QSettings settings = programSettings();
  useMine_ = new QCheckBox(this);
  onlyMine_ = new QCheckBox(this);
  onlyMine_->setChecked(settings.value(OnlyMineKey, false).toBool());
  useMine_->setChecked(onlyMine_->isChecked() || settings.value(UseMineKey, false).toBool());
  editMine_ = new QPushButton(this);
  levelling_ = new QCheckBox(this);
  levelling_->setChecked(settings.value(LevellingKey, true).toBool());
  QHBoxLayout* mineRow = rowOf({useMine_, onlyMine_, editMine_, levelling_, Stretch});

  QGridLayout* excludeGrid = buildExcludeGrid(settings);
  QHBoxLayout* searchRow = buildSearchRow(settings);

  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(4);  // rows close together, so that a short screen still shows the plans
  layout->addLayout(rowOf({targetLabel_, {target_, 1}}));
  layout->addWidget(skillsLabel_);
  layout->addLayout(skillGrid);
  layout->addLayout(optionRow);
  layout->addLayout(mineRow);
  layout->addLayout(excludeGrid);
  layout->addLayout(searchRow);
  layout->addWidget(plans_, 1);
  layout->addWidget(note_);
  layout->addWidget(statusLine());
  offerDemonsOf(plans_);
  showExcluded();
  fillSkillCombos();
  setSearching(false);
}

QGridLayout* PlannerWindow::buildExcludeGrid(const QSettings& settings) {
  excludeChoice_ = labelled<QComboBox>(excludeLabel_, this);
  askRoomForNames(excludeChoice_);
  for (int position = 0; position < DemonTotal; ++position) {
    excludeChoices_.push_back(levelOrderAt(position));
    excludeChoice_->addItem(demonEntryText(excludeChoices_.back()));
    excludeChoice_->setItemData(position, demonData(excludeChoices_.back()), DemonRole);
  }
  makeSearchable(excludeChoice_);
  excludeAdd_ = new QPushButton(this);
  excludeRemove_ = new QPushButton(this);
  excludedList_ = new QListWidget(this);
  excludedList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // The names side by side, two rows high, leaving the height to the plans; a longer list scrolls.
  excludedList_->setFlow(QListView::LeftToRight);
  excludedList_->setWrapping(true);
  excludedList_->setResizeMode(QListView::Adjust);
  excludedList_->setFixedHeight(2 * (excludedList_->fontMetrics().height() + 2) + 2 * excludedList_->frameWidth());
  auto* removeKey = new QAction(excludedList_);
  removeKey->setShortcut(QKeySequence::Delete);
  removeKey->setShortcutContext(Qt::WidgetShortcut);
  excludedList_->addAction(removeKey);
  connect(removeKey, &QAction::triggered, this, &PlannerWindow::removeExcluded);
  excluded_ = unpackedDemons(settings.value(ExcludedKey).toList());
  auto* excludeGrid = new QGridLayout;
  excludeGrid->addWidget(excludeLabel_, 0, 0);
  excludeGrid->addWidget(excludeChoice_, 0, 1);
  excludeGrid->addWidget(excludeAdd_, 0, 2);
  excludeGrid->addWidget(excludedList_, 1, 1);
  excludeGrid->addWidget(excludeRemove_, 1, 2, Qt::AlignTop);
  excludeGrid->setColumnStretch(1, 1);
  return excludeGrid;
}

QHBoxLayout* PlannerWindow::buildSearchRow(const QSettings& settings) {
  search_ = new QPushButton(this);
  search_->setDefault(true);
  cancel_ = new QPushButton(this);
  bound_ = labelled<QSpinBox>(boundLabel_, this);
  bound_->setRange(0, MostBoundSeconds);
  bound_->setValue(settings.value(BoundKey, static_cast<int>(DefaultPlanSeconds)).toInt());
  progress_ = new QProgressBar(this);
  progress_->setTextVisible(false);

  plans_ = new QTreeWidget(this);
  showToolTipsOnRequest(plans_);
  plans_->setHeaderHidden(true);
  plans_->setExpandsOnDoubleClick(false);  // a double click opens the step's demon and leaves the tree as it is
  plans_->header()->setStretchLastSection(true);
  // On a short screen the tree gives way first: it scrolls, the texts around it cannot.
  plans_->setMinimumHeight(plans_->fontMetrics().height() * 2 + 2 * plans_->frameWidth());
  copy_ = new QPushButton(this);
  status_ = new QLabel(this);
  status_->setWordWrap(true);
  note_ = new QLabel(this);
  note_->setWordWrap(true);
  // One row for the search and its answer: the progress shows while a search runs.
  return rowOf({search_, cancel_, boundLabel_, bound_, {progress_, 1}, {status_, 2}, copy_});
}

void PlannerWindow::connectActions() {
  connect(target_, &QComboBox::currentIndexChanged, this, &PlannerWindow::targetChanged);
  for (std::size_t k = 0; k < skills_.size(); ++k) {
    connect(skills_[k], &QComboBox::currentIndexChanged, this, [this, k](int item) {
      wanted_[k] = skillChoiceAt(item);
      forgetAnswer();
    });
  }
  for (QSpinBox* box : {limit_, depth_, bound_}) connect(box, &QSpinBox::valueChanged, this, &PlannerWindow::forgetAnswer);
  for (QCheckBox* box : {curse_, useMine_, onlyMine_, levelling_})
    connect(box, &QCheckBox::toggled, this, &PlannerWindow::forgetAnswer);
  connect(search_, &QPushButton::clicked, this, &PlannerWindow::search);
  connect(cancel_, &QPushButton::clicked, this, [this] {
    if (cancelFlag_) cancelFlag_->store(true);
  });
  // 所持悪魔のみ takes my demons as 所持悪魔を使う does, and only them.
  connect(useMine_, &QCheckBox::toggled, this, [this](bool on) {
    programSettings().setValue(UseMineKey, on);
    if (!on) onlyMine_->setChecked(false);
  });
  connect(onlyMine_, &QCheckBox::toggled, this, [this](bool on) {
    programSettings().setValue(OnlyMineKey, on);
    if (on) useMine_->setChecked(true);
  });
  connect(levelling_, &QCheckBox::toggled, this, [](bool on) { programSettings().setValue(LevellingKey, on); });
  connect(bound_, &QSpinBox::valueChanged, this, [](int seconds) { programSettings().setValue(BoundKey, seconds); });
  connect(editMine_, &QPushButton::clicked, this, [this] { editMyDemons_(); });
  connect(excludeAdd_, &QPushButton::clicked, this, [this] {
    const int index = excludeChoice_->currentIndex();
    if (index >= 0) exclude(excludeChoices_[static_cast<std::size_t>(index)]);
  });
  connect(excludeRemove_, &QPushButton::clicked, this, &PlannerWindow::removeExcluded);
  connect(copy_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(plansText()); });
}

// Each skill combo offers an empty first entry, read as 指定なし, then the
// skills the target can get.
std::vector<int> PlannerWindow::fillSkillCombos() {
  const int index = target_->currentIndex();
  skillChoices_ = index < 0 ? std::vector<int>{} : obtainableSkills(targets_[static_cast<std::size_t>(index)]);
  std::vector<int> leftOut;
  for (std::size_t k = 0; k < skills_.size(); ++k) {
    QComboBox* combo = skills_[k];
    const QSignalBlocker quiet(combo);  // the refill is no choice of the player's
    combo->clear();
    combo->addItem(QString());
    combo->setItemData(0, tr("指定なし"), Qt::AccessibleTextRole);
    for (int skill : skillChoices_) combo->addItem(skillText(skill));
    const auto found = std::ranges::find(skillChoices_, wanted_[k]);
    if (wanted_[k] != 0 && found == skillChoices_.end()) leftOut.push_back(wanted_[k]);
    combo->setCurrentIndex(found == skillChoices_.end() ? 0 : static_cast<int>(found - skillChoices_.begin()) + 1);
    describeSkillItems(combo, [this](int item) { return skillChoiceAt(item); });
  }
  return leftOut;
}

void PlannerWindow::targetChanged() {
  const std::vector<int> leftOut = fillSkillCombos();
  forgetAnswer();
  if (leftOut.empty() || target_->currentIndex() < 0) return;
  QStringList names;
  for (int skill : leftOut) names << skillText(skill);
  const DemonRef target = targets_[static_cast<std::size_t>(target_->currentIndex())];
  status_->setText(tr("%1 は %2 を継承できないため、検索から外しています。").arg(demonEntryText(target), joinedNames(names)));
}

void PlannerWindow::forgetAnswer() {
  if (!answer_) return;
  if (worker_) cancelFlag_->store(true);  // a search for what is no longer asked stops
  answer_.reset();
  copy_->setEnabled(false);
  showPlans();
  status_->clear();
}

int PlannerWindow::skillChoiceAt(int item) const {
  return item > 0 && item <= static_cast<int>(skillChoices_.size()) ? skillChoices_[static_cast<std::size_t>(item - 1)] : 0;
}

void PlannerWindow::wantSkill(int skill) {
  if (worker_) return;
  if (std::ranges::find(skillChoices_, skill) == skillChoices_.end()) {
    std::vector<int> wanted = request().skills;
    wanted.push_back(skill);
    auto target = std::ranges::find_if(targets_, [&](DemonRef demon) { return canGetAll(demon, wanted); });
    if (target == targets_.end())
      target = std::ranges::find_if(targets_, [&](DemonRef demon) { return canGetAll(demon, {skill}); });
    if (target == targets_.end()) return;
    target_->setCurrentIndex(static_cast<int>(target - targets_.begin()));
  }
  const int entry = static_cast<int>(std::ranges::find(skillChoices_, skill) - skillChoices_.begin()) + 1;
  for (QComboBox* combo : skills_)
    if (combo->currentIndex() == entry) return;
  for (QComboBox* combo : skills_) {
    if (combo->currentIndex() > 0) continue;
    combo->setCurrentIndex(entry);
    return;
  }
  status_->setText(tr("継承させたいスキルは %1 個までです。").arg(SkillComboTotal));
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
  if (useMine_->isChecked() || onlyMine_->isChecked()) request.mine = myDemons_->usableEntries();
  request.onlyMine = onlyMine_->isChecked();
  request.levelling = levelling_->isChecked();
  request.excluded = excluded_;
  return request;
}

void PlannerWindow::exclude(DemonRef demon) {
  if (std::ranges::find(excluded_, demon) != excluded_.end()) return;
  excluded_.push_back(demon);
  forgetAnswer();
  programSettings().setValue(ExcludedKey, packedDemons(excluded_));
  showExcluded();
  excludedList_->setCurrentRow(static_cast<int>(excluded_.size()) - 1);
}

void PlannerWindow::removeExcluded() {
  std::vector<DemonRef> kept;
  for (int row = 0; row < excludedList_->count(); ++row) {
    if (!excludedList_->item(row)->isSelected()) kept.push_back(excluded_[static_cast<std::size_t>(row)]);
  }
  if (kept.size() == excluded_.size()) return;
  const int current = excludedList_->currentRow();
  excluded_ = std::move(kept);
  forgetAnswer();
  programSettings().setValue(ExcludedKey, packedDemons(excluded_));
  showExcluded();
  excludedList_->setCurrentRow(std::min(current, excludedList_->count() - 1));
}

void PlannerWindow::showExcluded() {
  excludedList_->clear();
  for (DemonRef demon : excluded_) excludedList_->addItem(demonEntryText(demon));
  excludeRemove_->setEnabled(!excluded_.empty());
}

void PlannerWindow::search() {
  if (worker_) return;
  asked_ = request();
  plans_->clear();
  answer_.reset();
  if (asked_.skills.empty()) {
    status_->setText(tr("スキルを1つ以上選んでください。"));
    setSearching(false);
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
  control.seconds = bound_->value();
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
  showPlans();
  if (plans_->topLevelItemCount() > 0) plans_->setCurrentItem(plans_->topLevelItem(0));
  // The cancel goes off with the search: the focus on it goes on to the answer.
  if (cancel_->hasFocus()) plans_->setFocus(Qt::OtherFocusReason);
  setSearching(false);
}

// Fills the tree and the status line from the last answer, in the current
// language: the same lines qmoor plan prints, each under the line one less deep.
void PlannerWindow::showPlans() {
  plans_->clear();
  // The tree's heading says what it answers: the target and the skills asked for.
  const QString asked = answer_ ? QString::fromStdString(planHeading(asked_, displayLanguage())) : QString();
  plans_->setHeaderLabel(asked);
  plans_->setHeaderHidden(!answer_);
  plans_->setAccessibleDescription(asked);
  if (!answer_) return;
  const PlanAnswer& answer = *answer_;
  std::vector<QTreeWidgetItem*> parents;
  for (const PlanLine& line : planLines(asked_, answer, displayLanguage())) {
    parents.resize(static_cast<std::size_t>(line.depth));
    auto* item = parents.empty() ? new QTreeWidgetItem(plans_) : new QTreeWidgetItem(parents.back());
    item->setText(0, QString::fromStdString(line.text));
    if (line.demon) item->setData(0, DemonRole, demonData(*line.demon));
    if (!line.skills.empty()) {
      const QString facts = skillsToolTip(line.skills);
      item->setToolTip(0, facts);
      item->setData(0, Qt::AccessibleDescriptionRole, facts);
    }
    parents.push_back(item);
  }
  plans_->expandAll();
  if (answer.plans.empty() || answer.problem != PlanProblem::None) {
    status_->setText(QString::fromStdString(noPlanText(asked_, answer, displayLanguage())));
    return;
  }
  QString status = tr("プラン %n 件", nullptr, static_cast<int>(answer.plans.size()));
  if (const std::string unsettled = unsettledText(answer, displayLanguage()); !unsettled.empty()) {
    status += QStringLiteral("　") + QString::fromStdString(unsettled);
  }
  status_->setText(status);
}

QString PlannerWindow::plansText() const {
  if (!answer_) return {};
  return QString::fromStdString(planAnswerText(asked_, *answer_, displayLanguage()));
}

// The search takes its request whole as it starts, so the controls stay as
// they are while it runs, and the focus with them, wherever it was; only the
// copy waits for the answer it copies.
void PlannerWindow::setSearching(bool on) {
  cancel_->setEnabled(on);
  copy_->setEnabled(!on && answer_);
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
    describeSkillItems(combo, [this](int item) { return skillChoiceAt(item); });
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
  useMine_->setText(tr("所持悪魔を使う(&U)"));
  useMine_->setAccessibleName(tr("所持悪魔を使う"));
  onlyMine_->setText(tr("所持悪魔のみ(&O)"));
  onlyMine_->setAccessibleName(tr("所持悪魔のみ"));
  editMine_->setText(tr("所持悪魔を編集(&E)..."));
  editMine_->setAccessibleName(tr("所持悪魔を編集"));
  levelling_->setText(tr("レベル上げを含める(&V)"));
  levelling_->setAccessibleName(tr("レベル上げを含める"));
  excludeLabel_->setText(tr("除外する悪魔(&D):"));
  for (std::size_t i = 0; i < excludeChoices_.size(); ++i)
    excludeChoice_->setItemText(static_cast<int>(i), demonEntryText(excludeChoices_[i]));
  excludeChoice_->setAccessibleName(tr("除外に加える悪魔"));
  excludeAdd_->setText(tr("除外に追加(&A)"));
  excludeAdd_->setAccessibleName(tr("除外に追加"));
  excludeRemove_->setText(tr("除外から外す(&R)"));
  excludeRemove_->setAccessibleName(tr("除外から外す"));
  for (std::size_t i = 0; i < excluded_.size(); ++i)
    excludedList_->item(static_cast<int>(i))->setText(demonEntryText(excluded_[i]));
  excludedList_->setAccessibleName(tr("除外する悪魔"));
  search_->setText(tr("検索(&S)"));
  search_->setAccessibleName(tr("検索"));
  cancel_->setText(tr("取り消し(&X)"));
  cancel_->setAccessibleName(tr("検索を取り消す"));
  boundLabel_->setText(tr("上限(&B):"));
  bound_->setSuffix(tr(" 秒"));
  bound_->setSpecialValueText(tr("無制限"));
  bound_->setAccessibleName(tr("検索の作業時間の上限（秒、0 で無制限）"));
  progress_->setAccessibleName(tr("検索の進み具合"));
  plans_->setAccessibleName(tr("合体プラン"));
  copy_->setText(tr("テキストでコピー(&Y)"));
  copy_->setAccessibleName(tr("プランをテキストでコピー"));
  status_->setAccessibleDescription(tr("検索結果"));  // read as its text, which changes
  note_->setText(tr("前提: 合体で生まれる悪魔は初期スキルに加え、素材2体のスキルのうち自分の継承印で受け継げるもの"
                    "（自分の初期スキルを除く）から ⌊(素材のスキル数の合計＋2.7)÷3.7⌋ 個（空き枠と候補の数まで）を"
                    "受け継ぎ、どれを受け継ぐかは合体し直して選べるものとします。この個数の式は公開資料1件による"
                    "もので確度は中程度、ほかの規則は確度が高いものです。"));
  note_->setAccessibleDescription(tr("前提とする規則"));
  if (!worker_) showPlans();
}

}  // namespace qmoor
