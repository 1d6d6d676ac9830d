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
    <name>SkillTexts</name>
    <message>
        <source>継承不可</source>
        <translation>Not inheritable</translation>
    </message>
    <message>
        <source>制限なし</source>
        <translation>Any demon</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>種別: %1&#x3000;属性: %2
消費: %3&#x3000;対象: %4&#x3000;威力: %5
継承: %6</source>
        <translation>Kind: %1, element: %2
Cost: %3, target: %4, power: %5
Inheritance: %6</translation>
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
        <translation>&amp;Clear the conditions</translation>
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
    <message>
        <source>%1(Lv%2)</source>
        <translation>%1 (Lv%2)</translation>
    </message>
</context>
<context>
    <name>qmoor::FusionChartWindow</name>
    <message>
        <source>%1 × %2: %3</source>
        <translation>%1 × %2: %3</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>月齢合体</source>
        <translation>Phase fusion</translation>
    </message>
    <message>
        <source>%1～%2</source>
        <translation>%1–%2</translation>
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
        <source>素材の合計レベル</source>
        <translation>Materials&apos; level sum</translation>
    </message>
    <message>
        <source>合体表</source>
        <translation>Fusion chart</translation>
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
        <source>合体表(&amp;T): 行の種族 × 列の種族 → 結果の種族</source>
        <translation>&amp;Fusion chart: row race × column race → result race</translation>
    </message>
    <message>
        <source>種族の合体表</source>
        <translation>Race fusion chart</translation>
    </message>
    <message>
        <source>この組み合わせで作れる悪魔</source>
        <translation>Demons this pair of races makes</translation>
    </message>
    <message>
        <source>%1 (&amp;D)</source>
        <translation>&amp;Demons made by %1</translation>
    </message>
    <message>
        <source>作れる悪魔(&amp;D): 表の升目を選んでください</source>
        <translation>&amp;Demons made: choose a cell of the chart</translation>
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
        <translation>Pa&amp;rtner:</translation>
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
    <message>
        <source>Lv%1 %2 %3</source>
        <translation>Lv%1 %2 %3</translation>
    </message>
    <message>
        <source>素材1</source>
        <translation>Material 1</translation>
    </message>
    <message>
        <source>素材2</source>
        <translation>Material 2</translation>
    </message>
    <message>
        <source>合体</source>
        <translation>Fusion</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>継承数</source>
        <translation>Inherits</translation>
    </message>
    <message>
        <source>継承できるスキル</source>
        <translation>Skills it may inherit</translation>
    </message>
    <message>
        <source>合体(&amp;F)</source>
        <translation>&amp;Fusion</translation>
    </message>
    <message>
        <source>所持悪魔の合体(&amp;W)</source>
        <translation>&amp;What my demons make</translation>
    </message>
    <message>
        <source>合体シミュレーターのページ</source>
        <translation>Fusion simulator pages</translation>
    </message>
    <message>
        <source>Lv(&amp;L):</source>
        <translation>&amp;Lv:</translation>
    </message>
    <message>
        <source>素材のレベル</source>
        <translation>Material's level</translation>
    </message>
    <message>
        <source>所持悪魔から(&amp;Y):</source>
        <translation>From m&amp;y demons:</translation>
    </message>
    <message>
        <source>素材を所持悪魔から</source>
        <translation>Material from my demons</translation>
    </message>
    <message>
        <source>Lv(&amp;V):</source>
        <translation>L&amp;v:</translation>
    </message>
    <message>
        <source>相手のレベル</source>
        <translation>Partner's level</translation>
    </message>
    <message>
        <source>所持悪魔から(&amp;Z):</source>
        <translation>From my &amp;demons:</translation>
    </message>
    <message>
        <source>相手を所持悪魔から</source>
        <translation>Partner from my demons</translation>
    </message>
    <message>
        <source>継承</source>
        <translation>Inheritance</translation>
    </message>
    <message>
        <source>所持悪魔どうしの合体(&amp;T):</source>
        <translation>What my demons make &amp;together:</translation>
    </message>
    <message>
        <source>所持悪魔どうしの合体</source>
        <translation>What my demons make together</translation>
    </message>
    <message>
        <source>継承: %1 個（継承できるスキル: %2）</source>
        <translation>Inherits %1 (skills it may inherit: %2)</translation>
    </message>
</context>
<context>
    <name>qmoor::MyDemonDialog</name>
    <message>
        <source>所持悪魔</source>
        <translation>My demon</translation>
    </message>
    <message>
        <source>悪魔(&amp;D):</source>
        <translation>&amp;Demon:</translation>
    </message>
    <message>
        <source>悪魔</source>
        <translation>Demon</translation>
    </message>
    <message>
        <source>名前を入力して絞り込み</source>
        <translation>Type a name to narrow the list</translation>
    </message>
    <message>
        <source>レベル(&amp;L):</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>スキル(&amp;S):</source>
        <translation>&amp;Skills:</translation>
    </message>
    <message>
        <source>スキル %1</source>
        <translation>Skill %1</translation>
    </message>
</context>
<context>
    <name>qmoor::MyDemonsStore</name>
    <message>
        <source>ファイルを読めません: %1</source>
        <translation>Cannot read the file: %1</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（1 MB まで）。</source>
        <translation>The file is too large (1 MB at most).</translation>
    </message>
    <message>
        <source>ファイルの %1 行目が JSON として読めません。</source>
        <translation>Line %1 of the file is not valid JSON.</translation>
    </message>
    <message>
        <source>ファイルの項目 &quot;version&quot; がないか、二つあるか、整数ではありません。</source>
        <translation>The file&apos;s field &quot;version&quot; is missing, given twice or not a whole number.</translation>
    </message>
    <message>
        <source>ファイルの項目 &quot;demons&quot; がないか、二つあるか、配列ではありません。</source>
        <translation>The file&apos;s field &quot;demons&quot; is missing, given twice or not an array.</translation>
    </message>
    <message>
        <source>ファイルは版 %1 で書かれています。読めるのは版 1 だけです。</source>
        <translation>The file is of version %1; only version 1 can be read.</translation>
    </message>
    <message>
        <source>所持悪魔のファイル（quillmoor-demons）ではありません。</source>
        <translation>This is not a file of my demons (quillmoor-demons).</translation>
    </message>
    <message>
        <source>保存できません: %1</source>
        <translation>Cannot save: %1</translation>
    </message>
    <message>
        <source>ファイルが読み込んだ後にほかで変更されました。</source>
        <translation>The file was changed elsewhere after it was read.</translation>
    </message>
</context>
<context>
    <name>qmoor::MyDemonsWindow</name>
    <message>
        <source>読めない項目（そのまま残します）</source>
        <translation>Not an entry (kept as it is)</translation>
    </message>
    <message>
        <source>%1/%2 の悪魔はいません</source>
        <translation>No demon at %1/%2</translation>
    </message>
    <message>
        <source>レベルは %1～%2 です</source>
        <translation>The level runs from %1 to %2</translation>
    </message>
    <message>
        <source>スキルが %1 個を超えています</source>
        <translation>More than %1 skills</translation>
    </message>
    <message>
        <source>スキル番号 %1 はありません</source>
        <translation>No skill numbered %1</translation>
    </message>
    <message>
        <source>%1 は持てるスキルではありません</source>
        <translation>%1 is not a skill to hold</translation>
    </message>
    <message>
        <source>%1 が二度あります</source>
        <translation>%1 twice</translation>
    </message>
    <message>
        <source>%1 はこのレベルでは持てません</source>
        <translation>Cannot hold %1 at this level</translation>
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
        <source>悪魔</source>
        <translation>Demon</translation>
    </message>
    <message>
        <source>スキル</source>
        <translation>Skills</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>所持悪魔</source>
        <translation>My demons</translation>
    </message>
    <message>
        <source>所持悪魔(&amp;T):</source>
        <translation>&amp;My demons:</translation>
    </message>
    <message>
        <source>所持悪魔の一覧</source>
        <translation>List of my demons</translation>
    </message>
    <message>
        <source>追加(&amp;A)...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>編集(&amp;E)...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>削除(&amp;R)</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>上へ(&amp;U)</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下へ(&amp;N)</source>
        <translation>Move dow&amp;n</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save over the file</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save over the file</translation>
    </message>
    <message>
        <source>保存の状態</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>保存先: %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <source>%1
変更はファイルに保存されません。「上書き保存」でファイルを置き換えます。</source>
        <translation>%1
Changes are not saved to the file; “Save over the file” replaces it.</translation>
    </message>
    <message>
        <source>%1
変更はまだ保存していません。「上書き保存」で、読み直すか上書きするかを選べます。</source>
        <translation>%1
Your changes are not saved yet; “Save over the file” lets you read the file again or write over it.</translation>
    </message>
    <message>
        <source>所持悪魔のファイルが、読み込んだ後にほかで変更されました。
%1</source>
        <translation>The file of my demons was changed elsewhere after it was read.
%1</translation>
    </message>
    <message>
        <source>この一覧にはファイルにない変更があります。どうしますか？</source>
        <translation>This list has changes the file does not have. What do you want to do?</translation>
    </message>
    <message>
        <source>ファイルを読み直す(&amp;R)</source>
        <translation>&amp;Read the file again</translation>
    </message>
    <message>
        <source>この一覧で上書き(&amp;K)</source>
        <translation>&amp;Keep this list, write over the file</translation>
    </message>
    <message>
        <source>別名で保存(&amp;A)...</source>
        <translation>Save this list &amp;as...</translation>
    </message>
    <message>
        <source>あとで決める</source>
        <translation>Decide later</translation>
    </message>
    <message>
        <source>所持悪魔を別名で保存</source>
        <translation>Save my demons as</translation>
    </message>
    <message>
        <source>所持悪魔のファイル (*.json)</source>
        <translation>Files of my demons (*.json)</translation>
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
    <message numerus="yes">
        <source>プラン %n 件</source>
        <translation>
            <numerusform>%n plan</numerusform>
            <numerusform>%n plans</numerusform>
        </translation>
    </message>
    <message>
        <source>上限(&amp;B):</source>
        <translation>&amp;Bound:</translation>
    </message>
    <message>
        <source> 秒</source>
        <translation> s</translation>
    </message>
    <message>
        <source>無制限</source>
        <translation>none</translation>
    </message>
    <message>
        <source>検索の作業時間の上限（秒、0 で無制限）</source>
        <translation>Seconds of work the search may take (0: no bound)</translation>
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
        <translation>&amp;Only my demons</translation>
    </message>
    <message>
        <source>所持悪魔のみ</source>
        <translation>Only my demons</translation>
    </message>
    <message>
        <source>所持悪魔を編集(&amp;E)...</source>
        <translation>&amp;Edit my demons...</translation>
    </message>
    <message>
        <source>所持悪魔を編集</source>
        <translation>Edit my demons</translation>
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
        <translation>Ca&amp;ncel</translation>
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
        <translation>Assumed: a demon made by fusion has its innate skills and inherits, from the two materials&apos; skills that its inheritance marks allow (its own innate skills aside), ⌊(the materials&apos; skill count + 2.7) ÷ 3.7⌋ of them (up to its free slots and the candidates), and which of them it inherits can be chosen by fusing again. The count&apos;s formula comes from one public source and is moderately sure; the other rules are well established.</translation>
    </message>
    <message>
        <source>前提とする規則</source>
        <translation>Assumed rules</translation>
    </message>
    <message>
        <source>指定なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>所持悪魔を使う(&amp;U)</source>
        <translation>&amp;Use my demons</translation>
    </message>
    <message>
        <source>所持悪魔を使う</source>
        <translation>Use my demons</translation>
    </message>
    <message>
        <source>レベル上げを含める(&amp;V)</source>
        <translation>Include le&amp;velling</translation>
    </message>
    <message>
        <source>レベル上げを含める</source>
        <translation>Include levelling</translation>
    </message>
    <message>
        <source>除外する悪魔(&amp;D):</source>
        <translation>Exclu&amp;ded demons:</translation>
    </message>
    <message>
        <source>除外に加える悪魔</source>
        <translation>Demon to exclude</translation>
    </message>
    <message>
        <source>除外に追加(&amp;A)</source>
        <translation>&amp;Add to excluded</translation>
    </message>
    <message>
        <source>除外に追加</source>
        <translation>Add to excluded</translation>
    </message>
    <message>
        <source>除外から外す(&amp;R)</source>
        <translation>&amp;Remove from excluded</translation>
    </message>
    <message>
        <source>除外から外す</source>
        <translation>Remove from excluded</translation>
    </message>
    <message>
        <source>除外する悪魔</source>
        <translation>Excluded demons</translation>
    </message>
    <message>
        <source>%1 は %2 を継承できないため、検索から外しています。</source>
        <translation>%1 cannot inherit %2, so it is left out of the search.</translation>
    </message>
    <message>
        <source>継承させたいスキルは %1 個までです。</source>
        <translation>At most %1 skills can be wanted.</translation>
    </message>
</context>
<context>
    <name>qmoor::SkillTableWindow</name>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>スキル</source>
        <translation>Skill</translation>
    </message>
    <message>
        <source>種別</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>消費</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>対象</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>威力</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>継承</source>
        <translation>Inherit</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Description</translation>
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
        <source>習得</source>
        <translation>Learned</translation>
    </message>
    <message>
        <source>Lv%1で習得</source>
        <translation>learned at Lv%1</translation>
    </message>
    <message>
        <source>初期スキル</source>
        <translation>innate</translation>
    </message>
    <message>
        <source>スキル一覧</source>
        <translation>Skill list</translation>
    </message>
    <message>
        <source>種別(&amp;K):</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>属性(&amp;E):</source>
        <translation>&amp;Element:</translation>
    </message>
    <message>
        <source>印(&amp;M):</source>
        <translation>&amp;Mark:</translation>
    </message>
    <message>
        <source>継承に要る印</source>
        <translation>Mark needed to inherit</translation>
    </message>
    <message>
        <source>継承(&amp;I):</source>
        <translation>&amp;Inheritable:</translation>
    </message>
    <message>
        <source>継承できるか</source>
        <translation>Inheritable or not</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>継承可</source>
        <translation>Inheritable</translation>
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
        <source>条件をクリア(&amp;X)</source>
        <translation>&amp;Clear the conditions</translation>
    </message>
    <message>
        <source>条件をクリア</source>
        <translation>Clear the conditions</translation>
    </message>
    <message>
        <source>スキル(&amp;S):</source>
        <translation>&amp;Skills:</translation>
    </message>
    <message>
        <source>スキルの一覧</source>
        <translation>List of skills</translation>
    </message>
    <message>
        <source>スキルを持つ悪魔</source>
        <translation>Demons that have the skill</translation>
    </message>
    <message>
        <source>プランナーで探す(&amp;P)</source>
        <translation>Ask the &amp;planner</translation>
    </message>
    <message>
        <source>このスキルをプランナーで探す</source>
        <translation>Ask the planner for this skill</translation>
    </message>
    <message numerus="yes">
        <source>%n件を表示</source>
        <translation>
            <numerusform>%n skill shown</numerusform>
            <numerusform>%n skills shown</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>「%1」を持つ悪魔(&amp;H): %n体</source>
        <translation>
            <numerusform>Demons that &amp;have %1: %n</numerusform>
            <numerusform>Demons that &amp;have %1: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>スキルを持つ悪魔(&amp;H): スキルを選んでください</source>
        <translation>Demons that &amp;have it: choose a skill</translation>
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
    <message>
        <source>%1 をメインウィンドウの新しいタブで開きました。</source>
        <translation>Opened %1 in a new tab of the main window.</translation>
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
    <message>
        <source>スキル一覧(&amp;S)...</source>
        <translation>&amp;Skill list...</translation>
    </message>
    <message>
        <source>合体表(&amp;C)...</source>
        <translation>Fusion &amp;chart...</translation>
    </message>
    <message>
        <source>所持悪魔(&amp;M)...</source>
        <translation>&amp;My demons...</translation>
    </message>
    <message>
        <source>所持悪魔</source>
        <translation>My demons</translation>
    </message>
    <message>
        <source>所持悪魔の変更がファイルに保存されていません。</source>
        <translation>Changes to my demons are not saved to the file.</translation>
    </message>
    <message>
        <source>このまま終了すると、変更は失われます。</source>
        <translation>If you quit now, the changes are lost.</translation>
    </message>
    <message>
        <source>保存せずに終了(&amp;Q)</source>
        <translation>&amp;Quit without saving</translation>
    </message>
    <message>
        <source>終了しない</source>
        <translation>Do not quit</translation>
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
