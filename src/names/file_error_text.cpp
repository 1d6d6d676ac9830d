// File error texts: see file_error_text.h.
#include "names/file_error_text.h"

#include <cerrno>
#include <cstring>

#include "names/ui_texts.h"

namespace qmoor {

namespace {

// The Japanese text of an error a user meets; empty for any other.
std::string_view japaneseReason(int error) {
  switch (error) {
    case EPERM: return "この操作は許可されていません。";
    case EACCES: return "アクセスが拒否されました。";
    case EROFS: return "読み取り専用のファイルシステムにあります。";
    case ENOSPC: return "ディスクの空き容量が足りません。";
    case EDQUOT: return "ディスクの使用量の上限を超えています。";
    case EFBIG: return "ファイルが大きすぎます。";
    case EISDIR: return "ファイルではなくフォルダーです。";
    case ENOTDIR: return "パスの途中にフォルダーではないものがあります。";
    case ENOENT: return "ファイルまたはフォルダーが見つかりません。";
    case ENAMETOOLONG: return "ファイル名またはパスが長すぎます。";
    case ELOOP: return "シンボリックリンクが多すぎるか、循環しています。";
    case EIO: return "入出力エラーが発生しました。";
    case EBUSY: return "ファイルまたは装置が使用中です。";
    case ETXTBSY: return "実行中のプログラムのファイルです。";
    default: return {};
  }
}

}  // namespace

std::string fileErrorText(int errorNumber, Language language) {
  if (const std::string_view reason = japaneseReason(errorNumber); !reason.empty())
    return std::string(uiText(reason, language));
  const std::string number = std::to_string(errorNumber);
  return uiMessage("%1（エラー番号 %2）", language, {std::strerror(errorNumber), number});
}

std::string_view oldContentsLostText(Language language) {
  return uiText("元の内容に戻せなかったため、ファイルが壊れているおそれがあります。", language);
}

}  // namespace qmoor
