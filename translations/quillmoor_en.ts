<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AccessibleName</name>
    <message>
        <source>種族順一覧検索</source>
        <translation>By race</translation>
    </message>
    <message>
        <source>レベル順一覧検索</source>
        <translation>By level</translation>
    </message>
    <message>
        <source>種族別検索</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>種族別検索 悪魔</source>
        <translation>Demons of the race</translation>
    </message>
    <message>
        <source>検索 新しいタブで開く</source>
        <translation>Search: open in new tab</translation>
    </message>
    <message>
        <source>検索 種族</source>
        <translation>Search: race</translation>
    </message>
    <message>
        <source>検索 悪魔名</source>
        <translation>Search: demon name</translation>
    </message>
    <message>
        <source>検索 スキル 1</source>
        <translation>Search: skills 1</translation>
    </message>
    <message>
        <source>検索 スキル 2</source>
        <translation>Search: skills 2</translation>
    </message>
    <message>
        <source>検索 能力値</source>
        <translation>Search: stats</translation>
    </message>
    <message>
        <source>検索 耐性</source>
        <translation>Search: resistances</translation>
    </message>
    <message>
        <source>検索 継承</source>
        <translation>Search: inheritance marks</translation>
    </message>
    <message>
        <source>検索 継承種別</source>
        <translation>Search: inheritance</translation>
    </message>
    <message>
        <source>必要な合計レベル 下限</source>
        <translation>Total level needed: lowest</translation>
    </message>
    <message>
        <source>必要な合計レベル 上限</source>
        <translation>Total level needed: highest</translation>
    </message>
    <message>
        <source>選択中の悪魔2体の合計レベル</source>
        <translation>Total level of the chosen pair</translation>
    </message>
    <message>
        <source>素材悪魔 1 新しいタブで開く</source>
        <translation>Material 1: open in new tab</translation>
    </message>
    <message>
        <source>素材悪魔 2 新しいタブで開く</source>
        <translation>Material 2: open in new tab</translation>
    </message>
    <message>
        <source>素材悪魔 1 種族</source>
        <translation>Material 1: race</translation>
    </message>
    <message>
        <source>素材悪魔 2 種族</source>
        <translation>Material 2: race</translation>
    </message>
    <message>
        <source>素材悪魔 1</source>
        <translation>Material 1</translation>
    </message>
    <message>
        <source>素材悪魔 2</source>
        <translation>Material 2</translation>
    </message>
    <message>
        <source>素材悪魔 1 スキル 1</source>
        <translation>Material 1: skills 1</translation>
    </message>
    <message>
        <source>素材悪魔 1 スキル 2</source>
        <translation>Material 1: skills 2</translation>
    </message>
    <message>
        <source>素材悪魔 2 スキル 1</source>
        <translation>Material 2: skills 1</translation>
    </message>
    <message>
        <source>素材悪魔 2 スキル 2</source>
        <translation>Material 2: skills 2</translation>
    </message>
    <message>
        <source>スキル指定 1</source>
        <translation>Skill condition 1</translation>
    </message>
    <message>
        <source>スキル指定 1 種別順</source>
        <translation>Skill condition 1: by kind</translation>
    </message>
    <message>
        <source>スキル指定 1 50音順</source>
        <translation>Skill condition 1: A to Z</translation>
    </message>
    <message>
        <source>スキル指定 1 スキル所持悪魔</source>
        <translation>Skill condition 1: demons with the skill</translation>
    </message>
    <message>
        <source>スキル指定 2</source>
        <translation>Skill condition 2</translation>
    </message>
    <message>
        <source>スキル指定 2 種別順</source>
        <translation>Skill condition 2: by kind</translation>
    </message>
    <message>
        <source>スキル指定 2 50音順</source>
        <translation>Skill condition 2: A to Z</translation>
    </message>
    <message>
        <source>スキル指定 2 スキル所持悪魔</source>
        <translation>Skill condition 2: demons with the skill</translation>
    </message>
    <message>
        <source>素材種族指定</source>
        <translation>Material race</translation>
    </message>
    <message>
        <source>NEUTRAL</source>
        <translation>NEUTRAL</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>CURSE</source>
        <translation>CURSE</translation>
    </message>
    <message>
        <source>レベル制限 自動レベル制限</source>
        <translation>Level limit: automatic</translation>
    </message>
    <message>
        <source>レベル制限 LV 以下に制限</source>
        <translation>Level limit: LV or below</translation>
    </message>
    <message>
        <source>レベル制限 LV</source>
        <translation>Level limit: LV</translation>
    </message>
    <message>
        <source>レベル制限 LV 増減</source>
        <translation>Level limit: LV up or down</translation>
    </message>
    <message>
        <source>特殊合体</source>
        <translation>Special fusion</translation>
    </message>
    <message>
        <source>結果 合体可能種族</source>
        <translation>Result: race pairs</translation>
    </message>
    <message>
        <source>結果 素材悪魔の組み合わせ</source>
        <translation>Result: material pairs</translation>
    </message>
    <message>
        <source>タブ</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>タブを左へ移動</source>
        <translation>Move the tab left</translation>
    </message>
    <message>
        <source>タブを右へ移動</source>
        <translation>Move the tab right</translation>
    </message>
    <message>
        <source>左のタブを削除</source>
        <translation>Delete left tabs</translation>
    </message>
    <message>
        <source>右のタブを削除</source>
        <translation>Delete right tabs</translation>
    </message>
    <message>
        <source>このタブを閉じる</source>
        <translation>Close this tab</translation>
    </message>
    <message>
        <source>Quillmoor のアイコン</source>
        <translation>Quillmoor icon</translation>
    </message>
</context>
<context>
    <name>DemonTexts</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>DisplayLanguage</name>
    <message>
        <source>ja</source>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <source>空欄</source>
        <translation>blank</translation>
    </message>
</context>
<context>
    <name>qmoor::AboutBox</name>
    <message>
        <source>Quillmoorのバージョン情報 </source>
        <translation>About Quillmoor</translation>
    </message>
    <message>
        <source>Version 1.705</source>
        <translation>Version 1.705</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Quillmoor</source>
        <translation>Quillmoor</translation>
    </message>
</context>
<context>
    <name>qmoor::CMainFrame</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>SAVE(&amp;S)</source>
        <translation>&amp;SAVE</translation>
    </message>
    <message>
        <source>LOAD(&amp;L)</source>
        <translation>&amp;LOAD</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ステータス バー(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>タブのクリア(&amp;C)</source>
        <translation>&amp;Clear Tabs</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>バージョン情報 (&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>表示言語(&amp;L)</source>
        <translation>Display &amp;Language</translation>
    </message>
    <message>
        <source>Quillmoor ver.1.705</source>
        <translation>Quillmoor ver.1.705</translation>
    </message>
</context>
<context>
    <name>qmoor::CompendiumWindow</name>
    <message>
        <source>弱</source>
        <translation>Weak</translation>
    </message>
    <message>
        <source>通常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>強</source>
        <translation>Resist</translation>
    </message>
    <message>
        <source>無</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>吸</source>
        <translation>Drain</translation>
    </message>
    <message>
        <source>反</source>
        <translation>Repel</translation>
    </message>
    <message>
        <source>Lv</source>
        <translation>Lv</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>種族</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>HP</source>
        <translation>HP</translation>
    </message>
    <message>
        <source>MP</source>
        <translation>MP</translation>
    </message>
    <message>
        <source>継承</source>
        <translation>Inherit</translation>
    </message>
    <message>
        <source>初期スキル</source>
        <translation>Innate skills</translation>
    </message>
    <message>
        <source>習得スキル</source>
        <translation>Learned skills</translation>
    </message>
    <message>
        <source>悪魔全書</source>
        <translation>Compendium</translation>
    </message>
    <message>
        <source>種族(&amp;R):</source>
        <translation>&amp;Race:</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>名前(&amp;N):</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>名前に含む文字</source>
        <translation>Text in the name</translation>
    </message>
    <message>
        <source>レベル(&amp;L):</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <source>最低レベル</source>
        <translation>Lowest level</translation>
    </message>
    <message>
        <source>〜</source>
        <translation>to</translation>
    </message>
    <message>
        <source>最高レベル</source>
        <translation>Highest level</translation>
    </message>
    <message>
        <source>耐性(&amp;E):</source>
        <translation>R&amp;esistance:</translation>
    </message>
    <message>
        <source>指定なし</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>耐性の属性</source>
        <translation>Resistance element</translation>
    </message>
    <message>
        <source>耐性が%1</source>
        <translation>Resistance is %1</translation>
    </message>
    <message>
        <source>印 %1 あり</source>
        <translation>Has the %1 mark</translation>
    </message>
    <message>
        <source>スキル(&amp;K):</source>
        <translation>S&amp;kills:</translation>
    </message>
    <message>
        <source>スキル%1</source>
        <translation>Skill %1</translation>
    </message>
    <message>
        <source>スキル名を入力</source>
        <translation>Skill name</translation>
    </message>
    <message>
        <source>初期スキルのみ(&amp;I)</source>
        <translation>&amp;Innate skills only</translation>
    </message>
    <message>
        <source>初期スキルのみ</source>
        <translation>Innate skills only</translation>
    </message>
    <message>
        <source>条件をクリア(&amp;X)</source>
        <translation>Clear the conditions (&amp;X)</translation>
    </message>
    <message>
        <source>条件をクリア</source>
        <translation>Clear the conditions</translation>
    </message>
    <message>
        <source>悪魔の一覧</source>
        <translation>Demons</translation>
    </message>
    <message>
        <source>表示している悪魔の数</source>
        <translation>Demons shown</translation>
    </message>
    <message numerus="yes">
        <source>%n体を表示</source>
        <translation>
            <numerusform>%n shown</numerusform>
            <numerusform>%n shown</numerusform>
        </translation>
    </message>
    <message>
        <source>印(&amp;A):</source>
        <translation>M&amp;arks:</translation>
    </message>
</context>
<context>
    <name>qmoor::FusionSimulatorWindow</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Lv</source>
        <translation>Lv</translation>
    </message>
    <message>
        <source>種族</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>相手</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>特殊合体の悪魔</source>
        <translation>Special demon</translation>
    </message>
    <message>
        <source>作り方</source>
        <translation>Recipe</translation>
    </message>
    <message>
        <source>合体シミュレーター</source>
        <translation>Fusion simulator</translation>
    </message>
    <message>
        <source>素材(&amp;M):</source>
        <translation>&amp;Material:</translation>
    </message>
    <message>
        <source>素材</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>名前を入力して絞り込み</source>
        <translation>Type a name to narrow the list</translation>
    </message>
    <message>
        <source>CURSE(&amp;C)</source>
        <translation>&amp;CURSE</translation>
    </message>
    <message>
        <source>CURSE</source>
        <translation>CURSE</translation>
    </message>
    <message>
        <source>相手と合体結果(&amp;P):</source>
        <translation>&amp;Partners and results:</translation>
    </message>
    <message>
        <source>相手と合体結果</source>
        <translation>Partners and results</translation>
    </message>
    <message>
        <source>相手(&amp;2):</source>
        <translation>Partner (&amp;2):</translation>
    </message>
    <message>
        <source>合体結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>新しいタブで開く(&amp;O)</source>
        <translation>&amp;Open in new tab</translation>
    </message>
    <message>
        <source>合体結果を新しいタブで開く</source>
        <translation>Open the result in a new tab</translation>
    </message>
    <message>
        <source>この悪魔を素材にする特殊合体(&amp;S):</source>
        <translation>&amp;Special fusions using this demon:</translation>
    </message>
    <message>
        <source>この悪魔を素材にする特殊合体</source>
        <translation>Special fusions using this demon</translation>
    </message>
    <message>
        <source>合体できません</source>
        <translation>No fusion</translation>
    </message>
    <message>
        <source>素材と相手を選んでください</source>
        <translation>Choose a material and a partner</translation>
    </message>
    <message>
        <source>Lv%1&#x3000;%2&#x3000;（%3）</source>
        <translation>Lv%1 %2 (%3)</translation>
    </message>
    <message>
        <source>同じ悪魔どうしは合体できません</source>
        <translation>A demon cannot fuse with itself</translation>
    </message>
</context>
<context>
    <name>qmoor::OwnedDemonsDialog</name>
    <message>
        <source>所持悪魔</source>
        <translation>Owned demons</translation>
    </message>
    <message>
        <source>所持している悪魔にチェックを付けてください(&amp;D):</source>
        <translation>Tick the &amp;demons you own:</translation>
    </message>
    <message>
        <source>所持悪魔の一覧</source>
        <translation>Owned demons</translation>
    </message>
</context>
<context>
    <name>qmoor::PlannerWindow</name>
    <message>
        <source>スキルを1つ以上選んでください。</source>
        <translation>Choose at least one skill.</translation>
    </message>
    <message>
        <source>検索中...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>プラン %1 件</source>
        <translation>%1 plans</translation>
    </message>
    <message>
        <source>スキル継承プランナー</source>
        <translation>Skill inheritance planner</translation>
    </message>
    <message>
        <source>合体先(&amp;T):</source>
        <translation>&amp;Target:</translation>
    </message>
    <message>
        <source>合体先の悪魔</source>
        <translation>Target demon</translation>
    </message>
    <message>
        <source>継承させたいスキル(&amp;K):</source>
        <translation>S&amp;kills to inherit:</translation>
    </message>
    <message>
        <source>スキル%1</source>
        <translation>Skill %1</translation>
    </message>
    <message>
        <source>レベル上限(&amp;L):</source>
        <translation>&amp;Level limit:</translation>
    </message>
    <message>
        <source>レベル上限</source>
        <translation>Level limit</translation>
    </message>
    <message>
        <source>CURSE(&amp;C)</source>
        <translation>&amp;CURSE</translation>
    </message>
    <message>
        <source>CURSE</source>
        <translation>CURSE</translation>
    </message>
    <message>
        <source>最大合体回数(&amp;M):</source>
        <translation>&amp;Most fusions:</translation>
    </message>
    <message>
        <source>最大合体回数</source>
        <translation>Most fusions</translation>
    </message>
    <message>
        <source>所持悪魔のみ(&amp;O)</source>
        <translation>&amp;Owned demons only</translation>
    </message>
    <message>
        <source>所持悪魔のみ</source>
        <translation>Owned demons only</translation>
    </message>
    <message>
        <source>所持悪魔を編集(&amp;E)...</source>
        <translation>&amp;Edit owned demons...</translation>
    </message>
    <message>
        <source>所持悪魔を編集</source>
        <translation>Edit owned demons</translation>
    </message>
    <message>
        <source>検索(&amp;S)</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>取り消し(&amp;X)</source>
        <translation>Cancel (&amp;X)</translation>
    </message>
    <message>
        <source>検索を取り消す</source>
        <translation>Cancel the search</translation>
    </message>
    <message>
        <source>検索の進み具合</source>
        <translation>Search progress</translation>
    </message>
    <message>
        <source>合体プラン</source>
        <translation>Fusion plans</translation>
    </message>
    <message>
        <source>テキストでコピー(&amp;Y)</source>
        <translation>Cop&amp;y as text</translation>
    </message>
    <message>
        <source>プランをテキストでコピー</source>
        <translation>Copy the plans as text</translation>
    </message>
    <message>
        <source>検索結果</source>
        <translation>Search results</translation>
    </message>
    <message>
        <source>前提: 合体で生まれる悪魔は初期スキルに加え、素材2体のスキルのうち自分の継承印で受け継げるもの（自分の初期スキルを除く）から ⌊(素材のスキル数の合計＋2.7)÷3.7⌋ 個（空き枠と候補の数まで）を受け継ぎ、どれを受け継ぐかは合体し直して選べるものとします。この個数の式は公開資料1件によるもので確度は中程度、ほかの規則は確度が高いものです。</source>
        <translation>Assumed: a demon made by fusion has its innate skills and inherits, from the two materials&apos; skills that its inheritance marks allow (its own innate skills aside), ⌊(the materials&apos; skill count + 2.7) ÷ 3.7⌋ of them (up to its free slots and the candidates), and which ones is chosen by fusing again. The count&apos;s formula comes from one public source and is moderately sure; the other rules are well established.</translation>
    </message>
    <message>
        <source>前提とする規則</source>
        <translation>Assumed rules</translation>
    </message>
</context>
<context>
    <name>qmoor::ToolWindow</name>
    <message>
        <source>タブは%1個までです。タブを閉じてから、もう一度開いてください。</source>
        <translation>At most %1 tabs can be open. Close a tab, then open it again.</translation>
    </message>
    <message>
        <source>新しいタブで開く</source>
        <translation>Open in new tab</translation>
    </message>
</context>
<context>
    <name>qmoor::ToolWindows</name>
    <message>
        <source>合体シミュレーター(&amp;F)...</source>
        <translation>&amp;Fusion simulator...</translation>
    </message>
    <message>
        <source>悪魔全書(&amp;D)...</source>
        <translation>&amp;Demon compendium...</translation>
    </message>
    <message>
        <source>スキル継承プランナー(&amp;P)...</source>
        <translation>Skill inheritance &amp;planner...</translation>
    </message>
</context>
<context>
    <name>qmoor::UpDownWidget</name>
    <message>
        <source>増やす</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>減らす</source>
        <translation>Decrease</translation>
    </message>
</context>
</TS>
