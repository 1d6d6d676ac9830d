// What a skill does, in the display language: see skill_texts.h.
#include "app/widgets/skill_texts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QToolTip>

#include "app/widgets/demon_texts.h"
#include "app/program/display_language.h"
#include "names/skill_words.h"

namespace qmoor {

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Shows on Shift+F1 the tooltip of the view's current item, or of a widget
// that is no view, under it.
class ToolTipKey : public QObject {
 public:
  explicit ToolTipKey(QWidget* widget) : QObject(widget), widget_(widget) { widget->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != widget_ || event->type() != QEvent::KeyPress) return false;
    if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::WhatsThis)) return false;
    QWidget* area = widget_;
    QRect place = widget_->rect();
    QString tip = widget_->toolTip();
    if (auto* view = qobject_cast<QAbstractItemView*>(widget_)) {
      area = view->viewport();
      place = view->visualRect(view->currentIndex());
      tip = view->currentIndex().data(Qt::ToolTipRole).toString();
    }
    if (tip.isEmpty()) return false;
    QToolTip::showText(area->mapToGlobal(place.bottomLeft()), tip, area, place);
    return true;
  }

 private:
  QWidget* widget_;
};

}  // namespace

QString skillKindText(SkillKind kind) { return fromUtf8(skillKindName(kind, displayLanguage())); }
QString skillElementText(SkillElement element) { return fromUtf8(skillElementName(element, displayLanguage())); }
QString skillTargetText(SkillTarget target) { return fromUtf8(skillTargetName(target, displayLanguage())); }

QString skillMarkText(SkillInheritance rule) {
  if (!rule.inheritable) return QCoreApplication::translate("SkillTexts", "継承不可");
  if (rule.mark == AnyDemon) return QCoreApplication::translate("SkillTexts", "制限なし");
  return markHeadingText(rule.mark);
}

QString skillDescriptionText(int skill) { return fromUtf8(skillDescription(skill, displayLanguage())); }

QString skillToolTip(int skill) {
  const SkillDetails* details = skillDetails(skill);
  if (!details) return {};
  const QString none = QCoreApplication::translate("SkillTexts", "なし");
  const QString cost = QString::fromStdString(costText(details->cost));
  const QString power = QString::fromStdString(powerText(details->power));
  QString tip = QCoreApplication::translate("SkillTexts", "種別: %1　属性: %2\n消費: %3　対象: %4　威力: %5\n継承: %6")
                    .arg(skillKindText(details->kind), skillElementText(details->element),
                         cost.isEmpty() ? none : cost, skillTargetText(details->target),
                         power.isEmpty() ? none : power, skillMarkText(skillInheritance(skill)));
  if (const QString description = skillDescriptionText(skill); !description.isEmpty()) tip += '\n' + description;
  return tip;
}

QString skillsToolTip(std::span<const int> skills) {
  QStringList parts;
  for (int skill : skills)
    if (const QString tip = skillToolTip(skill); !tip.isEmpty()) parts << skillText(skill) + '\n' + tip;
  return parts.join(QStringLiteral("\n\n"));
}

void showCurrentItemTip(QComboBox* combo) {
  const QString facts = combo->currentData(Qt::ToolTipRole).toString();
  combo->setToolTip(facts.isEmpty() ? QString() : combo->currentText() + '\n' + facts);
  combo->setAccessibleDescription(facts);
}

void describeSkillItems(QAbstractItemModel* model, const std::function<int(int item)>& skillAt) {
  for (int item = 0; item < model->rowCount(); ++item) {
    const QString tip = skillToolTip(skillAt(item));
    model->setData(model->index(item, 0), tip, Qt::ToolTipRole);
    model->setData(model->index(item, 0), tip, Qt::AccessibleDescriptionRole);
  }
}

void describeSkillItems(QComboBox* combo, const std::function<int(int item)>& skillAt) {
  describeSkillItems(combo->model(), skillAt);
  showCurrentItemTip(combo);
}

void followCurrentItemTip(QComboBox* combo) {
  QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo] { showCurrentItemTip(combo); });
}

void showToolTipsOnRequest(QWidget* widget) { new ToolTipKey(widget); }

}  // namespace qmoor
