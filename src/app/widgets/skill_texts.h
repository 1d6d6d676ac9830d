// What a skill does, in the display language, for the tooltip and the
// accessible description of every item that names a skill: its kind,
// element, cost, target, power, inheritance mark and the game's help text
// (English only: none is shown in Japanese). One place, so that every window
// says it alike.
#pragma once

#include <QString>
#include <functional>
#include <span>

#include "data/skill_details.h"
#include "data/skill_inheritance.h"

class QAbstractItemModel;
class QComboBox;
class QWidget;

namespace qmoor {

QString skillKindText(SkillKind kind);
QString skillElementText(SkillElement element);
QString skillTargetText(SkillTarget target);
// The mark a skill needs, "制限なし" when any demon inherits it, "継承不可" when none does.
QString skillMarkText(SkillInheritance rule);
// The game's help text in the display language; empty in Japanese.
QString skillDescriptionText(int skill);
// Every fact of the skill, one group a line; empty for a number that is no
// selectable skill (none, "？", an evolution entry).
QString skillToolTip(int skill);

// The facts of several skills, each under its name, for an item that names them all.
QString skillsToolTip(std::span<const int> skills);

// Gives every item of the combo box the facts of its skill (skillAt: the
// skill of an item, 0 for none) as its tooltip and accessible description,
// and the box those of its current item.
void describeSkillItems(QComboBox* combo, const std::function<int(int item)>& skillAt);
// The same for the rows of a list's model (column 0).
void describeSkillItems(QAbstractItemModel* model, const std::function<int(int item)>& skillAt);
// The box's tooltip (its current skill's name, whole, and facts) and
// accessible description (the facts): now, and (followCurrentItemTip) from
// now on whenever the choice changes.
void showCurrentItemTip(QComboBox* combo);
void followCurrentItemTip(QComboBox* combo);

// Shift+F1 on a view shows its current item's tooltip where the item is, and
// on any other widget the widget's own tooltip under it, so that a keyboard
// user reaches what a mouse user hovers.
void showToolTipsOnRequest(QWidget* widget);

}  // namespace qmoor
