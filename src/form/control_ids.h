// Identifiers of the form's controls and of the menu commands, named for
// what each control is; the numbers are the form's own.
#pragma once

namespace qmoor {

enum class ControlId : int {
  None = 0,
  MaterialRaceCombo = 1000,   // 素材種族指定
  RacePairList = 1001,        // 合体可能種族
  DemonList = 1002,           // demons of the chosen race
  MaterialList1 = 1003,       // hidden twin of Material1Combo
  MaterialList2 = 1004,       // hidden twin of Material2Combo
  RaceCombo = 1005,           // 種族別検索
  HolderList1 = 1007,         // hidden twin of HolderCombo1
  RecipeList = 1008,          // 特殊合体
  UnusedList = 1009,          // hidden, no function
  Material1RaceEdit = 1010,
  Material2RaceEdit = 1011,
  DetailSkills1 = 1012,
  UnusedEdit = 1013,          // hidden, no function
  AutoLimitCheck = 1017,
  ManualLimitCheck = 1018,
  LimitEdit = 1019,
  HolderList2 = 1020,         // hidden twin of HolderCombo2
  MoveLeftButton = 1021,      // ←
  MoveRightButton = 1022,     // →
  LimitSpin = 1023,           // up-down, buddy of LimitEdit
  LevelOrderCombo = 1024,     // レベル順一覧検索
  AutoLimitCaption = 1025,
  RaceOrderCombo = 1026,      // 種族順一覧検索
  Skill1Group = 1027,         // group box スキル指定 1
  ManualLimitCaptionLv = 1028,
  ManualLimitCaptionBelow = 1029,
  DetailRaceEdit = 1031,
  DetailNameEdit = 1034,
  DetailLevelEdit = 1035,     // hidden
  Skill1KindCaption = 1053,
  Skill1KanaCaption = 1054,
  Skill2KindCaption = 1055,
  Skill2KanaCaption = 1056,
  NeutralCheck = 1057,
  ReverseCheck = 1058,
  CurseCheck = 1059,
  NeutralCaption = 1060,
  ReverseCaption = 1061,
  CurseCaption = 1081,
  DeleteLeftButton = 1082,
  DeleteRightButton = 1083,
  HolderCombo1 = 1084,
  HolderCombo2 = 1085,
  RacePairCombo = 1086,       // hidden twin of RacePairList
  Material1Combo = 1087,
  Material2Combo = 1088,
  DemonCombo = 1089,          // hidden twin of DemonList
  StatsView = 1111,
  ResistanceView = 1112,
  MarksView = 1113,
  InheritanceView = 1114,
  MaterialPairView = 1116,
  TabBar = 1164,
  OpenMaterial1Button = 1165,
  OpenMaterial2Button = 1166,
  CloseTabButton = 1167,
  OpenDetailButton = 1168,
  RequiredLowEdit = 1169,
  RequiredHighEdit = 1170,
  SelectedTotalEdit = 1171,
  Skill1KindCombo = 1172,
  Skill1KanaCombo = 1173,
  Skill1Check = 1174,
  DetailSkills2 = 1175,
  Material1Skills1 = 1176,
  Material1Skills2 = 1177,
  Material2Skills1 = 1178,
  Material2Skills2 = 1179,
  Skill2Check = 1180,
  Skill2KindCombo = 1181,
  Skill2KanaCombo = 1182,
};

enum class CommandId : int {
  NewDocument = 57600,
  OpenDocument = 57601,
  SaveTabs = 32773,
  LoadTabs = 32775,
  ClearTabs = 32778,
  StatusBar = 59393,
  About = 57664,
  Exit = 57665,
};

// What a control reports to the view after the user acted on it.
enum class Notification {
  SelectionChanged,   // combo box, list box: the user picked an item; tab control: selection changed
  SelectionChanging,  // tab control: about to leave the current tab
  DoubleClick,        // list box on its selection; list view on a row
  Click,              // button, check box (already toggled), notify static, group box, list view
  TextTyped,          // the user typed into a drop-down combo's text field
  TextChanged,        // an edit's text changed (from code or the user)
};

}  // namespace qmoor
