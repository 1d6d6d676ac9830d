// The form's texts in English, keyed by their Japanese.
#include "names/ui_texts.h"


namespace qmoor {
namespace {

struct TextPair {
  std::string_view ja;
  std::string_view en;
};

constexpr TextPair Texts[] = {
    // Group boxes and captions of the form.
    {"検索", "Search"},
    {"レベル制限", "Level limit"},
    {"結果", "Result"},
    {"素材悪魔所持スキル", "Skills of the materials"},
    {"スキル指定 1", "Skill condition 1"},
    {"スキル指定 2", "Skill condition 2"},
    {"新しいタブで開く", "Open in new tab"},
    {"このタブを閉じる", "Close this tab"},
    {"左のタブを削除", "Delete left tabs"},
    {"右のタブを削除", "Delete right tabs"},
    {"レベル順一覧検索", "By level"},
    {"種族順一覧検索", "By race"},
    {"種族別検索", "Race"},
    {"自動レベル制限", "Automatic limit"},
    {"以下に制限", "or below"},
    {"素材種族指定", "Material race"},
    {"合体可能種族", "Race pairs"},
    {"特殊合体", "Special fusion"},
    {"反転", "Reverse"},
    {"必要な合計レベル", "Total level needed"},
    {"選択中の悪魔2体の合計レベル", "Total level of the chosen pair"},
    {"種別順", "By kind"},
    {"50音順", "A to Z"},
    {"スキル所持悪魔", "Demons with the skill"},
    {"～", "to"},
    // Fixed items and headings the view fills in.
    {"指定なし", "Any"},
    {"素材悪魔1", "Material 1"},
    {"素材悪魔2", "Material 2"},
    {"特殊合体情報　なし", "No special fusion"},
    {"精霊", "Element"},
    // Wording of the special recipes' lines.
    {"変化", "Evolution"},
    {"イケニエ", "Sacrifice"},
    {"造御魂合体", "Mitama creation"},
    {"同種族合体", "Same-race fusion"},
    {"組み合わせ", "(the pairs making it)"},
    {"になる組み合わせ", "(the pairs making it)"},
    {"となる組合せ", "(the pairs making it)"},
    {"大天使or天使", "Seraph or Divine"},
    {"カグツチSILENT時に", "At Kagutsuchi SILENT"},
    {"カグツチSILENT～HALF時に", "At Kagutsuchi SILENT to HALF"},
    {"カグツチHALF～7/8時に", "At Kagutsuchi HALF to 7/8"},
    {"カグツチHALF時に", "At Kagutsuchi HALF"},
    {"カグツチFULL時に", "At Kagutsuchi FULL"},
    {"カグツチ5/8～FULL時に", "At Kagutsuchi 5/8 to FULL"},
    // Messages of the saved-tabs file.
    {"「%1」を保存できませんでした。\n%2", "Could not save \"%1\".\n%2"},
    {"「%1」を読み込めませんでした。\n%2", "Could not read \"%1\".\n%2"},
    {"「%1」: %2", "\"%1\": %2"},
    {"ファイルが途中で終わっています。%1個のタブのうち%2個を読み込みました。",
     "The file ends early. Read %2 of its %1 tabs."},
    {"ファイルには%1個のタブがありますが、タブは%2個までのため、最初の%3個を読み込みました。",
     "The file has %1 tabs, but at most %2 tabs are kept: read the first %3."},
    {"ファイルが短すぎます。ヘッダーが途中で終わっているため、読み込めません。",
     "The file is too short: its header ends early, so it cannot be read."},
    {"ファイルが短すぎます。タブの記録が一つも完全に含まれていないため、読み込めません。",
     "The file is too short: it holds no complete tab record, so it cannot be read."},
    {"ファイルまたはフォルダーが見つかりません。", "The file or folder does not exist."},
    {"アクセスが拒否されました。", "Access is denied."},
    {"この操作は許可されていません。", "The operation is not permitted."},
    {"読み取り専用のファイルシステムにあります。", "It is on a read-only file system."},
    {"ディスクの使用量の上限を超えています。", "The disk quota is exceeded."},
    {"ファイルが大きすぎます。", "The file is too large."},
    {"ファイルではなくフォルダーです。", "It is a folder, not a file."},
    {"パスの途中にフォルダーではないものがあります。", "A part of the path is not a folder."},
    {"ファイル名またはパスが長すぎます。", "The file name or path is too long."},
    {"シンボリックリンクが多すぎるか、循環しています。", "There are too many symbolic links, or they form a loop."},
    {"入出力エラーが発生しました。", "An input/output error occurred."},
    {"ファイルまたは装置が使用中です。", "The file or device is busy."},
    {"実行中のプログラムのファイルです。", "It is the file of a running program."},
    {"%1（エラー番号 %2）", "%1 (error %2)"},
    {"元の内容に戻せなかったため、ファイルが壊れているおそれがあります。",
     "Its old contents could not be put back, so the file may be damaged."},
    {"書き込みが禁止されています。", "The disk is write-protected."},
    {"ディスクの空き容量が足りません。", "There is not enough space on the disk."},
    {"フォルダーです。", "It is a folder."},
    {"フォルダーには保存できません。", "A folder cannot be saved over."},
    {"フォルダーは読み込めません。", "A folder cannot be read."},
    // Texts the view puts into its combos.
    {"所持悪魔 ： %1体", "Holders: %1"},
};

const TextPair* find(std::string_view japanese) {
  for (const TextPair& text : Texts) {
    if (text.ja == japanese) return &text;
  }
  return nullptr;
}

}  // namespace

std::string_view uiText(std::string_view japanese, Language language) {
  if (language == Language::Japanese) return japanese;
  const TextPair* text = find(japanese);
  return text ? text->en : japanese;
}

bool hasEnglishText(std::string_view japanese) { return find(japanese) != nullptr; }

std::string uiMessage(std::string_view japanesePattern, Language language, std::initializer_list<std::string_view> args) {
  const std::string_view pattern = uiText(japanesePattern, language);
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t arg = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : args.size();
    if (pattern[i] == '%' && arg < args.size()) {
      text += *(args.begin() + arg);
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace qmoor
