// File error reasons: see file_reasons.h.
#include "tabs/file_reasons.h"

#include <cerrno>
#include <cstring>

namespace qmoor {

std::string fileErrorReason(int error) {
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
    default: return std::string(std::strerror(error)) + "（エラー番号 " + std::to_string(error) + "）";
  }
}

}  // namespace qmoor
