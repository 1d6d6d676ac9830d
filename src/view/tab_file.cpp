// SAVE and LOAD: every tab's record written to the file the user chooses, and
// all tabs replaced by those of a file. A load that fails changes nothing; a
// save that fails leaves the previous file as it was.
#include <filesystem>

#include "data/compendium.h"
#include "names/file_error_text.h"
#include "names/ui_texts.h"
#include "tabs/tab_codec.h"
#include "view/tab_file_messages.h"
#include "view/view.h"

namespace qmoor {

namespace {

// More than the largest file the program can use (header and 256 records).
constexpr std::size_t TabFileReadLimit = 64 * 1024;

std::string decodedMessage(const TabDecodeResult& decoded, Language language) {
  return tabFileMessage(decoded.status, static_cast<int>(decoded.tabs.size()), decoded.announced, language);
}

// Why the host could not read or write the file, line by line.
std::string fileErrorMessage(const FileError& error, Language language) {
  std::string text = fileErrorText(error.number, language);
  if (error.kind == FileErrorKind::CannotWriteOrRestore) text.append("\n").append(oldContentsLostText(language));
  return text;
}

// The file name and extension without the folder.
std::string fileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

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
    if (const FileError error = host_.writeFile(*path, bytes); error.failed()) {
      host_.showMessage(
          uiMessage("「%1」を保存できませんでした。\n%2", language_, {*path, fileErrorMessage(error, language_)}));
      return;  // the command ends with the failure
    }
    tabs_.lastFileName = name;
    host_.setTitle(name);
    host_.rememberFolderOf(*path);
  }
  selectPickedRowInView();
}

void CQmoorView::LoadTabs() {
  const std::optional<std::string> path = host_.askLoadPath(tabs_.lastFileName);
  if (!path) return;
  const std::string name = fileNameOf(*path);
  const FileContents contents = host_.readFile(*path, TabFileReadLimit);
  if (contents.error.failed()) {
    host_.showMessage(uiMessage("「%1」を読み込めませんでした。\n%2", language_,
                                {*path, fileErrorMessage(contents.error, language_)}));
    return;
  }
  const TabDecodeResult decoded = decodeTabs(contents.bytes);
  if (decoded.failed()) {
    host_.showMessage(
        uiMessage("「%1」を読み込めませんでした。\n%2", language_, {*path, decodedMessage(decoded, language_)}));
    return;
  }

  tabs_.lastFileName = name;
  host_.setTitle(name);
  host_.rememberFolderOf(*path);
  ClearTabs();
  TabControl& bar = form_.tabs();
  for (size_t i = 0; i < decoded.tabs.size(); ++i) {
    const TabState& record = decoded.tabs[i];
    tabs_.records[i] = record;
    if (i == 0) continue;
    const DemonRef demon{record.race, record.slot};
    insertTab(static_cast<int>(i), demon);
  }
  tabs_.lastTab = static_cast<int>(decoded.tabs.size()) - 1;
  tabs_.currentTab = 0;
  bar.setSelection(0);
  RestoreTab();
  updateTabButtons();
  StoreTab();
  selectPickedRowInView();
  if (decoded.status != TabFileStatus::Complete)
    host_.showMessage(uiMessage("「%1」: %2", language_, {*path, decodedMessage(decoded, language_)}));
}

}  // namespace qmoor
