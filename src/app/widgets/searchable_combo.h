// A combo box over an item model whose text field searches it: typing shows
// the entries that contain the typed text; Return chooses the entry the text
// names and moves on, and never presses a default button; leaving the field
// brings back the chosen entry's text, so the field never shows what is not
// chosen.
#pragma once

class QAbstractItemModel;
class QComboBox;
class QWidget;

namespace qmoor {

QComboBox* makeSearchableCombo(QAbstractItemModel* entries, QWidget* parent);
// Makes a combo box of entries searchable in place, its choice kept. An entry
// that stands for a demon (DemonRole) answers to the demon's name in either
// language as well as to its whole text.
void makeSearchable(QComboBox* combo);

// The room, in average characters, of a demon with its level and race, and
// of a skill.
inline constexpr int RoomForADemon = 16;
inline constexpr int RoomForASkill = 11;

// Makes a box of names ask for the room of one name, not for its widest
// entry: the layouts stretch it further, and sizing by the entries would
// measure all of them (hundreds) as the window first shows.
void askRoomForNames(QComboBox* combo, int characters = RoomForADemon);

}  // namespace qmoor
