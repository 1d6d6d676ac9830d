// JSON dumps: see dumps.h.
#include "script/dumps.h"

namespace qmoor {

using json = nlohmann::ordered_json;

namespace {

json dumpDemon(const std::optional<DemonRef>& demon) {
  if (!demon) return nullptr;
  return json::array({demon->race, demon->slot});
}

const char* kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::ComboBox: return "combo";
    case ControlKind::ListBox: return "list";
    case ControlKind::ListView: return "listview";
    case ControlKind::TabControl: return "tabs";
    case ControlKind::UpDown: return "updown";
    case ControlKind::Edit: return "edit";
    case ControlKind::CheckBox: return "check";
    case ControlKind::Button: return "button";
    case ControlKind::Static: return "static";
    case ControlKind::GroupBox: return "groupbox";
  }
  return "control";
}

json dumpRecord(const TabState& record) {
  return {{"race", record.race},
          {"slot", record.slot},
          {"reverse", record.reverse},
          {"neutral", record.neutral},
          {"materialRaceSet", record.materialRaceSet},
          {"skill1On", record.skill1On},
          {"skill2On", record.skill2On},
          {"skill1Index", record.skill1Index},
          {"skill2Index", record.skill2Index},
          {"curse", record.curse},
          {"autoLimit", record.autoLimit},
          {"manualLimit", record.manualLimit},
          {"materialSel1", record.materialSel1},
          {"materialSel2", record.materialSel2},
          {"materialRaceCombo", record.materialRaceCombo},
          {"racePairIndex", record.racePairIndex},
          {"pickedRow", record.pickedRow},
          {"materialList1Index", record.materialList1Index},
          {"materialList2Index", record.materialList2Index},
          {"materialRaceChoice", record.materialRaceChoice},
          {"limitText", record.limitText}};
}

}  // namespace

json dumpControl(const Control& control) {
  json out = {{"id", static_cast<int>(control.id())}, {"kind", kindName(control.kind())}, {"enabled", control.enabled()}};
  switch (control.kind()) {
    case ControlKind::ComboBox:
    case ControlKind::ListBox: {
      const auto& list = static_cast<const ListBox&>(control);
      out["sel"] = list.selection();
      if (control.kind() == ControlKind::ComboBox) out["text"] = static_cast<const ComboBox&>(control).text();
      out["items"] = list.items();
      break;
    }
    case ControlKind::ListView: {
      const auto& view = static_cast<const ListView&>(control);
      json columns = json::array();
      for (const ListViewColumn& column : view.columns()) columns.push_back({{"header", column.header}, {"width", column.width}});
      json rows = json::array();
      const int width = std::max<int>(1, static_cast<int>(view.columns().size()));
      for (int row = 0; row < view.rowCount(); ++row) {
        json cells = json::array();
        for (int c = 0; c < width; ++c) cells.push_back(view.cell(row, c));
        rows.push_back(std::move(cells));
      }
      out["columns"] = std::move(columns);
      out["rows"] = std::move(rows);
      out["sel"] = view.selectedRow();
      out["focused"] = view.focusedRow();
      out["hot"] = view.hotRow();
      break;
    }
    case ControlKind::TabControl: {
      const auto& tabs = static_cast<const TabControl&>(control);
      out["sel"] = tabs.selection();
      out["items"] = tabs.labels();
      break;
    }
    case ControlKind::UpDown: {
      const auto& spin = static_cast<const UpDown&>(control);
      out["pos"] = spin.position();
      out["min"] = spin.lower();
      out["max"] = spin.upper();
      break;
    }
    case ControlKind::Edit:
      out["text"] = static_cast<const Edit&>(control).text();
      break;
    case ControlKind::CheckBox:
      out["checked"] = static_cast<const CheckBox&>(control).checked();
      break;
    case ControlKind::Button:
    case ControlKind::Static:
    case ControlKind::GroupBox:
      out["caption"] = static_cast<const Captioned&>(control).caption();
      break;
  }
  return out;
}

json dumpState(const CQmoorView& view) {
  const WorkingState& s = view.working();
  const TabTable& tabs = view.tabTable();
  json records = json::array();
  for (int i = 0; i <= tabs.lastTab; ++i) records.push_back(dumpRecord(tabs.records[static_cast<size_t>(i)]));
  return {{"kind", "state"},
          {"currentRace", s.currentRace},
          {"currentSlot", s.currentSlot},
          {"demonChosen", s.demonChosen},
          {"orderListIndex", s.orderListIndex},
          {"materialRaceChoice", s.materialRaceChoice},
          {"materialRaceSet", s.materialRaceSet},
          {"racePairChosen", s.racePairChosen},
          {"materialPairPicked", s.materialPairPicked},
          {"materialRace1", s.materialRace1},
          {"materialRace2", s.materialRace2},
          {"materialSel1", s.materialSel1},
          {"materialSel2", s.materialSel2},
          {"pickedRow", s.pickedRow},
          {"LevelCap", s.LevelCap},
          {"limitEditArmed", s.limitEditArmed},
          {"detailDemon", dumpDemon(s.detailDemon)},
          {"panel1Demon", dumpDemon(s.panel1Demon)},
          {"panel2Demon", dumpDemon(s.panel2Demon)},
          {"currentTab", tabs.currentTab},
          {"lastTab", tabs.lastTab},
          {"lastFileName", tabs.lastFileName},
          {"records", std::move(records)}};
}

json dumpWindow(ScriptedHost& host) {
  return {{"kind", "window"}, {"title", host.title()}, {"messages", host.takeMessages()}};
}

}  // namespace qmoor
