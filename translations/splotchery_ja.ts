<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Splotchery</source>
        <translation>Splotchery について</translation>
    </message>
    <message>
        <source>For more information see readme.txt!</source>
        <translation>詳しくは readme.txt を見てください！</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Splotchery Help</source>
        <translation>Splotchery ヘルプ</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>進む(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>検索(&amp;S)</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>ヘルプの使い方(&amp;O)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>閉じる(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Type the words to look for:</source>
        <translation>探す言葉を入力(&amp;T):</translation>
    </message>
    <message>
        <source>for example: grease</source>
        <translation>例：油じみ</translation>
    </message>
    <message>
        <source>Topics &amp;found:</source>
        <translation>見つかったページ(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>表示(&amp;D)</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Computer&apos;s turn</source>
        <translation>コンピュータの番</translation>
    </message>
    <message>
        <source>Computer begins</source>
        <translation>コンピュータが先手</translation>
    </message>
    <message>
        <source>The game ends in a draw!</source>
        <translation>引き分け！</translation>
    </message>
    <message>
        <source>Nozzle blocked!</source>
        <translation>ノズルが詰まった！</translation>
    </message>
    <message>
        <source>Really end the game?</source>
        <translation>本当にゲームをやめますか？</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>ゲームの終了</translation>
    </message>
    <message>
        <source>Really start a new game?</source>
        <translation>本当に新しいゲームを始めますか？</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>What do you think about a draw?</source>
        <translation>引き分けにしない？</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが足りません</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>原因不明のエラー</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>おみごと！</translation>
    </message>
    <message>
        <source>Very clever!</source>
        <translation>冴えてるね！</translation>
    </message>
    <message>
        <source>Fantastic!</source>
        <translation>すばらしい！</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>かっこいい！</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>すごっ！</translation>
    </message>
    <message>
        <source>Hurrah!</source>
        <translation>ばんざーい！</translation>
    </message>
    <message>
        <source>You&apos;re top!</source>
        <translation>天才！</translation>
    </message>
    <message>
        <source>Yippieh!</source>
        <translation>やったー！</translation>
    </message>
    <message>
        <source>Nice!</source>
        <translation>ナイス！</translation>
    </message>
    <message>
        <source>Super!</source>
        <translation>最高！</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>ざんねん！</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>再チャレンジ！</translation>
    </message>
    <message>
        <source>Don&apos;t give up!</source>
        <translation>あきらめないで！</translation>
    </message>
    <message>
        <source>Oooh!</source>
        <translation>あーあ！</translation>
    </message>
    <message>
        <source>Aaaaargh!</source>
        <translation>ぐぬぬぬぬ！</translation>
    </message>
    <message>
        <source>Forget it!</source>
        <translation>忘れちゃえ！</translation>
    </message>
    <message>
        <source>No luck today!</source>
        <translation>今日はツイてない！</translation>
    </message>
    <message>
        <source>Never mind!</source>
        <translation>ドンマイ！</translation>
    </message>
    <message>
        <source>Don&apos;t worry!</source>
        <translation>くよくよしない！</translation>
    </message>
    <message>
        <source>Once more!</source>
        <translation>もう一勝負！</translation>
    </message>
    <message>
        <source>Computer won!  %1</source>
        <translation>コンピュータの勝ち！  %1</translation>
    </message>
    <message>
        <source>You won!  %1</source>
        <translation>あなたの勝ち！  %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1の番</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1が先手</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1の勝ち！</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>%1 のエラー</translation>
    </message>
    <message>
        <source>Error %1: 
%2
		occurred at line %3
in %4: %5</source>
        <translation>エラー %1: 
%2
		発生した行: %3
場所 %4: %5</translation>
    </message>
    <message>
        <source>Really reset the record?</source>
        <translation>本当に戦績をリセットしますか？</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>戦績</translation>
    </message>
    <message>
        <source>Move %1: %2, %3</source>
        <translation>第%1手：%2、%3</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピュータ</translation>
    </message>
    <message>
        <source>The game kept last time could not be read.</source>
        <translation>前回とっておいたゲームを読み込めませんでした。</translation>
    </message>
    <message>
        <source>A game is waiting: Game › Continue last game (Ctrl+R)</source>
        <translation>続きのゲームがあります：ゲーム › 前回の続き (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Wall</source>
        <translation>壁</translation>
    </message>
    <message>
        <source>Wall, %1 by %2</source>
        <translation>壁、%1 × %2</translation>
    </message>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>grease spot</source>
        <translation>油じみ</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>, winning line</source>
        <translation>、勝ちの列</translation>
    </message>
    <message>
        <source>; the rest empty</source>
        <translation>、ほかは空き</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>%1行目：%2</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>%1列：%2</translation>
    </message>
    <message>
        <source>Diagonal down: %1. Diagonal up: %2.</source>
        <translation>右下がりの斜め：%1。右上がりの斜め：%2。</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピュータ</translation>
    </message>
    <message>
        <source>No game is running.</source>
        <translation>進行中のゲームはありません。</translation>
    </message>
    <message>
        <source>%1&apos;s turn, move %2.</source>
        <translation>%1の番、第%2手。</translation>
    </message>
    <message>
        <source>No moves yet.</source>
        <translation>まだ一手も打っていません。</translation>
    </message>
    <message>
        <source>%1 played %2.</source>
        <translation>%1が%2に吹きつけました。</translation>
    </message>
    <message>
        <source>%1 won: five in a row from %2 to %3.</source>
        <translation>%1の勝ち：%2から%3まで5つ並び。</translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <translation>%1はもう埋まっています。</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <translation>ヒント：%1。</translation>
    </message>
    <message>
        <source>Taken back: %1.</source>
        <translation>待った：%1を戻しました。</translation>
    </message>
    <message>
        <source>Taken back: %1 and %2.</source>
        <translation>待った：%1と%2を戻しました。</translation>
    </message>
    <message>
        <source>Nothing painted that way.</source>
        <translation>その方向には何も塗られていません。</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Hey!</source>
        <translation>やあ！</translation>
    </message>
    <message>
        <source>In Idletown there is a fun-fair. This year the main attraction is Aunt Emma&apos;s Splotchery. There you can throw balls filled with paint at a wall. If you make a beautiful splot, you win a prize.</source>
        <translation>のんびり町でお祭りが開かれています。今年いちばんの人気は、エマおばさんの「ペンキぺちゃ屋」。ペンキ入りのボールを壁に投げて、きれいなしぶきができたら賞品がもらえるのです。</translation>
    </message>
    <message>
        <source>Aunt Emma was very busy today. If the two slamuffils Rollo and Blippo hadn&apos;t helped her filling up the balls, she probably wouldn&apos;t have managed.</source>
        <translation>今日のエマおばさんは大忙し。スラマフィルのロロとブリッポがボールにペンキを詰めるのを手伝ってくれなかったら、とても手が回らなかったでしょう。</translation>
    </message>
    <message>
        <source>Now at last peace and quite have come. The last visitors of the fair have disappeared. Aunt Emma has gone to bed totally exhausted, but happy.</source>
        <translation>やっと静かになりました。最後のお客さんも帰っていきました。エマおばさんはくたくたでも幸せな気分で、ベッドにもぐりこみました。</translation>
    </message>
    <message>
        <source>Rollo and Blippo have taken a nap, but now they want to have some fun.</source>
        <translation>ひと眠りしたロロとブリッポ。でも今度は、思いきり遊びたくてうずうずしています。</translation>
    </message>
    <message>
        <source>Of course they have their own rules of the game:</source>
        <translation>もちろん、ふたりには自分たちだけのルールがあります。</translation>
    </message>
    <message>
        <source>Instead of throwing paint balls, they are squirting the paint directly at the wall with the refill pump. And to make it more exciting they are betting who is the first to place 5 splots in a line.</source>
        <translation>ボールを投げるかわりに、補充用のポンプでペンキを壁に直接吹きつけるのです。もっと盛り上がるように、先にしぶきを5つ一列に並べたほうが勝ち、という賭けまでしています。</translation>
    </message>
</context>
<context>
    <name>splot::BoothView</name>
    <message>
        <source>Booth scene</source>
        <translation>屋台の場面</translation>
    </message>
    <message>
        <source>Booth</source>
        <translation>屋台</translation>
    </message>
    <message>
        <source>Side picture</source>
        <translation>横の絵</translation>
    </message>
    <message>
        <source>Paint pump</source>
        <translation>ペンキポンプ</translation>
    </message>
    <message>
        <source>Red&apos;s painter</source>
        <translation>赤のペンキ屋</translation>
    </message>
    <message>
        <source>Blue&apos;s painter</source>
        <translation>青のペンキ屋</translation>
    </message>
    <message>
        <source>Red&apos;s puddle</source>
        <translation>赤のペンキだまり</translation>
    </message>
    <message>
        <source>Blue&apos;s puddle</source>
        <translation>青のペンキだまり</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>お話</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>%1 (pressed)</source>
        <translation>%1（押されています）</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
</context>
<context>
    <name>splot::MainWindow</name>
    <message>
        <source>Menu bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>新しいゲーム(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>ヒント(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>設定(&amp;O)...</translation>
    </message>
    <message>
        <source>Sto&amp;ry...</source>
        <translation>お話(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>検索(&amp;S)</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>ヘルプの使い方(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>Splotchery について(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Zoom with window</source>
        <translation>ウィンドウに合わせて拡大(&amp;Z)</translation>
    </message>
    <message>
        <source>Take &amp;back</source>
        <translation>待った(&amp;B)</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>戦績(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Continue last game</source>
        <translation>前回の続き(&amp;C)</translation>
    </message>
    <message>
        <source>Re&amp;play</source>
        <translation>リプレイ(&amp;P)</translation>
    </message>
</context>
<context>
    <name>splot::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Size of the &amp;wall:</source>
        <translation>壁の大きさ(&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>強さ(&amp;L):</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>入門</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>上級</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>赤(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>コンピュータ(&amp;C)</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>人間</translation>
    </message>
    <message>
        <source>Red&apos;s name</source>
        <translation>赤の名前</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>青(&amp;B):</translation>
    </message>
    <message>
        <source>Blue&apos;s name</source>
        <translation>青の名前</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>ヒント(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Grease spots</source>
        <translation>油じみ(&amp;G)</translation>
    </message>
    <message>
        <source>Blocked &amp;nozzle</source>
        <translation>ノズルづまり(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Soundeffects</source>
        <translation>効果音(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>名人</translation>
    </message>
</context>
<context>
    <name>splot::RecordDialog</name>
    <message>
        <source>Record</source>
        <translation>戦績</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>対コンピュータ</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>勝ち</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>負け</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>入門</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>上級</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>2人対戦</translation>
    </message>
    <message>
        <source>Red won</source>
        <translation>赤の勝ち</translation>
    </message>
    <message>
        <source>Blue won</source>
        <translation>青の勝ち</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>名人</translation>
    </message>
</context>
<context>
    <name>splot::WallSizeControl</name>
    <message>
        <source>Upper left: bigger wall; lower right: smaller wall</source>
        <translation>左上：壁を大きく、右下：壁を小さく</translation>
    </message>
</context>
<context>
    <name>splot::WallView</name>
    <message>
        <source>Wall</source>
        <translation>壁</translation>
    </message>
    <message>
        <source>Arrows move, Enter paints. L last moves, T turn, R row, C column, D diagonals, Ctrl+arrows the next splot.</source>
        <translation>矢印キーで移動、Enter で吹きつけ。L 最近の手、T 手番、R 行、C 列、D 斜め、Ctrl+矢印 次のしぶきへ。</translation>
    </message>
</context>
</TS>
