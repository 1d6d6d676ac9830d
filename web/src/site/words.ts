// Every word the page shows, in Japanese and English: the one place the
// page's texts live. Names of demons, races and skills come from qmoor.
export type Lang = "ja" | "en";

const table = {
  title: ["Quillmoor 悪魔合体", "Quillmoor demon fusion"],
  views: ["ビュー", "Views"],
  language: ["表示言語", "Language"],
  recipes: ["合体検索", "Recipes"],
  fuse: ["合体シミュレーター", "Fusion simulator"],
  partners: ["合体相手", "Partners"],
  demons: ["悪魔全書", "Compendium"],
  skills: ["スキル一覧", "Skills"],
  chart: ["合体表", "Fusion chart"],
  plan: ["スキル継承プランナー", "Skill planner"],
  mine: ["所持悪魔", "My demons"],
  ask: ["検索", "Search"],
  cancel: ["中止", "Cancel"],
  working: ["検索中… %1 秒", "Searching… %1 s"],
  cancelled: ["中止しました", "Cancelled"],
  loading: ["読み込み中…", "Loading…"],
  offline: ["オフラインでも使えます", "Works offline"],
  demon: ["悪魔", "Demon"],
  target: ["作る悪魔", "Target"],
  materialA: ["素材1", "Material 1"],
  materialB: ["素材2", "Material 2"],
  level: ["レベル", "Level"],
  levelOf: ["素材%1のレベル", "Level of material %1"],
  race: ["種族", "Race"],
  skill: ["スキル", "Skill"],
  skillN: ["スキル%1", "Skill %1"],
  curse: ["CURSE", "CURSE"],
  neutral: ["NEUTRAL", "NEUTRAL"],
  reverse: ["逆順", "Reverse order"],
  limit: ["レベル上限", "Level limit"],
  auto: ["自動レベル上限", "Automatic level limit"],
  innate: ["固有スキルのみ", "Innate skills only"],
  sort: ["並べ替え", "Sort by"],
  maxLevel: ["最高レベル", "Highest level"],
  kind: ["種類", "Kind"],
  element: ["属性", "Element"],
  any: ["すべて", "Any"],
  mineOnly: ["所持悪魔のみ", "My demons only"],
  depth: ["最大合体回数", "Most fusions"],
  count: ["プラン数", "Plans"],
  useMine: ["所持悪魔を使う", "Use my demons"],
  onlyMine: ["所持悪魔のみ", "Only my demons"],
  noLevelling: ["レベル上げなし", "No levelling"],
  exclude: ["除外する悪魔（,区切り）", "Demons to exclude (comma-separated)"],
  required: ["必要な合計レベル", "Required level sum"],
  racePairs: ["種族の組み合わせ", "Race pairs"],
  materialPairs: ["素材の組み合わせ", "Material pairs"],
  recipeLines: ["特殊合体", "Special recipe"],
  normal: ["通常合体", "Normal fusion"],
  phase: ["月齢合体", "Moon-phase fusion"],
  spirit: ["精霊合体", "Spirit fusion"],
  result: ["結果", "Result"],
  none: ["なし", "none"],
  partner: ["相手", "Partner"],
  specials: ["この悪魔を使う特殊合体", "Special recipes that use it"],
  hp: ["HP", "HP"],
  mp: ["MP", "MP"],
  stats: ["力 魔 体 速 運", "St Ma Vi Ag Lu"],
  resist: ["耐性", "Resistances"],
  inherit: ["継承", "Inherits"],
  firstSkills: ["固有スキル", "Innate skills"],
  secondSkills: ["習得スキル", "Learned skills"],
  number: ["番号", "No."],
  name: ["名前", "Name"],
  cost: ["コスト", "Cost"],
  targets: ["対象", "Target"],
  power: ["威力", "Power"],
  mark: ["継承印", "Mark"],
  inheritable: ["継承", "Inheritable"],
  yes: ["可", "yes"],
  no: ["継承不可", "no"],
  description: ["説明", "Description"],
  holders: ["持つ悪魔", "Holders"],
  innateHeld: ["固有", "innate"],
  learnedAt: ["LV%1 で習得", "learned at LV%1"],
  skillNames: ["スキル名（, 区切り）", "Skill names (comma-separated)"],
  chartCaption: ["縦の種族 × 横の種族 = 作られる種族", "Row race × column race = the race they make"],
  plans: ["プラン", "Plans"],
  planN: ["プラン %1（合体 %2 回）", "Plan %1 (%2 fusions)"],
  noPlan: ["プランはありません", "No plan"],
  levelUp: ["LV%1→LV%2 習得: %3", "LV%1→LV%2 learns: %3"],
  targetLevel: ["目的の悪魔を LV%1 に上げる", "Raise the target to LV%1"],
  fromStep: ["（手順 %1 で作る）", "(made in step %1)"],
  asMine: ["［所持］", "[mine]"],
  inherits: ["継承", "inherits"],
  holds: ["スキル", "skills"],
  heldSkills: ["スキル", "Skills"],
  myDemons: ["所持悪魔の一覧", "The list of my demons"],
  add: ["追加", "Add"],
  remove: ["削除", "Remove"],
  import: ["demons.json を読み込む", "Import demons.json"],
  export: ["demons.json を書き出す", "Export demons.json"],
  problem: ["問題", "Problem"],
  pairs: ["所持悪魔どうしの合体", "What pairs of my demons make"],
  importFailed: ["読み込めませんでした: %1", "Could not import: %1"],
  imported: ["%1 体を読み込みました", "Imported %1 demons"],
  noDemons: ["所持悪魔はいません", "No demons yet"],
  error: ["エラー", "Error"],
  separator: ["、", ", "],
  "kind.attack": ["攻撃", "attack"],
  "kind.ailment": ["異常", "ailment"],
  "kind.recovery": ["回復", "recovery"],
  "kind.support": ["補助", "support"],
  "kind.field": ["フィールド", "field"],
  "kind.passive": ["自動", "passive"],
  "kind.talk": ["会話", "talk"],
  "element.physical": ["物理", "physical"],
  "element.fire": ["火炎", "fire"],
  "element.ice": ["氷結", "ice"],
  "element.elec": ["電撃", "elec"],
  "element.force": ["衝撃", "force"],
  "element.light": ["破魔", "light"],
  "element.dark": ["呪殺", "dark"],
  "element.almighty": ["万能", "almighty"],
  "element.curse": ["呪い", "curse"],
  "element.nerve": ["神経", "nerve"],
  "element.mind": ["精神", "mind"],
  "element.none": ["なし", "none"],
  "target.one": ["単体", "one"],
  "target.all": ["全体", "all"],
  "target.random": ["ランダム", "random"],
  "target.party": ["味方全体", "party"],
  "target.self": ["自分", "self"],
} as const satisfies Record<string, readonly [string, string]>;

export type Word = keyof typeof table;

export const skillKinds = ["attack", "ailment", "recovery", "support", "field", "passive", "talk"] as const;
export const skillElements = [
  "physical", "fire", "ice", "elec", "force", "light", "dark", "almighty", "curse", "nerve", "mind", "none",
] as const;
export const sortColumns = ["race", "level", "name", "hp", "mp", "st", "ma", "vi", "ag", "lu", "inherit"] as const;

// The word in the language, with %1, %2 … replaced by the values.
export function say(lang: Lang, word: Word, ...values: (string | number)[]): string {
  const text: string = table[word][lang === "ja" ? 0 : 1];
  return text.replace(/%(\d)/g, (_, n: string) => String(values[Number(n) - 1] ?? ""));
}

// Names listed one after another, as the language lists them.
export function listed(lang: Lang, names: readonly string[]): string {
  return names.join(say(lang, "separator"));
}

// The word of a key qmoor answers in (a skill's kind, element or target).
export function keyword(lang: Lang, group: "kind" | "element" | "target", key: string): string {
  const word = `${group}.${key}`;
  return word in table ? say(lang, word as Word) : key;
}
