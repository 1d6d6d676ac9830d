// SAVE and LOAD: every tab's record written to the file the user chooses, and
// all tabs replaced by those of a file. A load that fails changes nothing; a
// save that fails leaves the previous file as it was.
#include "data/compendium.h"
#include "tabs/tab_codec.h"
#include "names/ui_texts.h"
#include "tabs/tab_file_io.h"
#include "tabs/tab_file_messages.h"
#include "view/view.h"

namespace qmoor {

namespace {

// More than the largest file the program can use (header and 256 records).
constexpr std::size_t TabFileReadLimit = 64 * 1024;

std::string decodedMessage(const TabDecodeResult& decoded, Language language) {
  return tabFileMessage(decoded.status, static_cast<int>(decoded.tabs.size()), decoded.announced, language);
}

}  // namespace

void CQmoorView::selectPickedRowInView() {
  ListView& rows = form_.listView(ControlId::MaterialPairView);
  if (!rows.isValidRow(state_.pickedRow)) return;
  rows.setSelectedRow(state_.pickedRow);
  rows.setFocusedRow(state_.pickedRow);
  rows.setHotRow(state_.pickedRow);
}

void CQmoorView::SaveTabs() {
  StoreTab();
  if (const std::optional<std::string> path = host_.askSavePath(tabs_.lastFileName)) {
    const std::string name = fileNameOf(*path);
    const std::vector<std::uint8_t> bytes =
        encodeTabs(std::span<const TabState>(tabs_.records.data(), static_cast<size_t>(tabs_.lastTab) + 1));
    const std::string reason = saveIntoFile(*path, bytes);
    if (!reason.empty()) {
      host_.showMessage(
          uiMessage("「%1」を保存できませんでした。\n%2", language_, {*path, reasonText(reason, language_)}));
      return;  // the command ends with the failure
    }
    tabs_.lastFileName = name;
    host_.setTitle(name);
    host_.rememberFolder(folderOf(*path));
  }
  selectPickedRowInView();
}

void CQmoorView::LoadTabs() {
  const std::optional<std::string> path = host_.askLoadPath(tabs_.lastFileName);
  if (!path) return;
  const std::string name = fileNameOf(*path);
  std::string reason;
  const std::optional<std::vector<std::uint8_t>> bytes = readFilePrefix(*path, TabFileReadLimit, reason);
  if (!bytes) {
    host_.showMessage(
        uiMessage("「%1」を読み込めませんでした。\n%2", language_, {*path, reasonText(reason, language_)}));
    return;
  }
  const TabDecodeResult decoded = decodeTabs(*bytes);
  if (decoded.failed()) {
    host_.showMessage(
        uiMessage("「%1」を読み込めませんでした。\n%2", language_, {*path, decodedMessage(decoded, language_)}));
    return;
  }

  tabs_.lastFileName = name;
  host_.setTitle(name);
  host_.rememberFolder(folderOf(*path));
  ClearTabs();
  TabControl& bar = form_.tabs();
  for (size_t i = 0; i < decoded.tabs.size(); ++i) {
    const TabState& record = decoded.tabs[i];
    tabs_.records[i] = record;
    if (i == 0) continue;
    const DemonRef demon{record.race, record.slot};
    bar.insertItem(static_cast<int>(i), tabLabel(demon));
  }
  tabs_.lastTab = static_cast<int>(decoded.tabs.size()) - 1;
  tabs_.currentTab = 0;
  bar.setSelection(0);
  RestoreTab();
  updateTabButtons();
  StoreTab();
  selectPickedRowInView();
  if (!decoded.message.empty())
    host_.showMessage(uiMessage("「%1」: %2", language_, {*path, decodedMessage(decoded, language_)}));
}

}  // namespace qmoor
