// Saved-tabs file messages: see tab_file_messages.h.
#include "view/tab_file_messages.h"

#include "names/ui_texts.h"

namespace qmoor {

std::string tabFileMessage(TabFileStatus status, int read, int announced, Language language) {
  const std::string readText = std::to_string(read);
  const std::string announcedText = std::to_string(announced);
  switch (status) {
    case TabFileStatus::Complete:
      return {};
    case TabFileStatus::Truncated:
      return uiMessage("ファイルが途中で終わっています。%1個のタブのうち%2個を読み込みました。", language,
                       {announcedText, readText});
    case TabFileStatus::CutToMaxTabs:
      return uiMessage("ファイルには%1個のタブがありますが、タブは%2個までのため、最初の%3個を読み込みました。",
                       language, {announcedText, std::to_string(MaxTabs), readText});
    case TabFileStatus::HeaderTooShort:
      return uiMessage("ファイルが短すぎます。ヘッダーが途中で終わっているため、読み込めません。", language, {});
    case TabFileStatus::NoCompleteRecord:
      return uiMessage("ファイルが短すぎます。タブの記録が一つも完全に含まれていないため、読み込めません。", language, {});
  }
  return {};
}

}  // namespace qmoor
