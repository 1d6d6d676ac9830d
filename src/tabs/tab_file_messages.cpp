// Saved-tabs file messages: see tab_file_messages.h.
#include "tabs/tab_file_messages.h"

namespace qmoor {

std::string tabFileMessage(TabFileStatus status, int read, int announced) {
  switch (status) {
    case TabFileStatus::Complete:
      return {};
    case TabFileStatus::Truncated:
      return "ファイルが途中で終わっています。" + std::to_string(announced) + "個のタブのうち" +
             std::to_string(read) + "個を読み込みました。";
    case TabFileStatus::CutToMaxTabs:
      return "ファイルには" + std::to_string(announced) + "個のタブがありますが、タブは" +
             std::to_string(MaxTabs) + "個までのため、最初の" + std::to_string(read) +
             "個を読み込みました。";
    case TabFileStatus::HeaderTooShort:
      return "ファイルが短すぎます。ヘッダーが途中で終わっているため、読み込めません。";
    case TabFileStatus::NoCompleteRecord:
      return "ファイルが短すぎます。タブの記録が一つも完全に含まれていないため、読み込めません。";
  }
  return {};
}

}  // namespace qmoor
