<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Splotchery</source>
        <translation>关于 Splotchery</translation>
    </message>
    <message>
        <source>For more information see readme.txt!</source>
        <translation>更多信息请看 readme.txt！</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Splotchery Help</source>
        <translation>Splotchery 帮助</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>后退(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>前进(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>如何使用帮助(&amp;O)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>关闭(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Type the words to look for:</source>
        <translation>输入要查找的词(&amp;T)：</translation>
    </message>
    <message>
        <source>for example: grease</source>
        <translation>例如：油渍</translation>
    </message>
    <message>
        <source>Topics &amp;found:</source>
        <translation>找到的主题(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>显示(&amp;D)</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Computer&apos;s turn</source>
        <translation>轮到电脑</translation>
    </message>
    <message>
        <source>Computer begins</source>
        <translation>电脑先手</translation>
    </message>
    <message>
        <source>The game ends in a draw!</source>
        <translation>平局！</translation>
    </message>
    <message>
        <source>Nozzle blocked!</source>
        <translation>喷嘴堵了！</translation>
    </message>
    <message>
        <source>Really end the game?</source>
        <translation>真的要退出游戏吗？</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>退出游戏</translation>
    </message>
    <message>
        <source>Really start a new game?</source>
        <translation>真的要开始新游戏吗？</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>What do you think about a draw?</source>
        <translation>要不就算平局吧？</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>干得漂亮！</translation>
    </message>
    <message>
        <source>Very clever!</source>
        <translation>真聪明！</translation>
    </message>
    <message>
        <source>Fantastic!</source>
        <translation>太棒了！</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>酷毙了！</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>哇塞！</translation>
    </message>
    <message>
        <source>Hurrah!</source>
        <translation>万岁！</translation>
    </message>
    <message>
        <source>You&apos;re top!</source>
        <translation>你最牛！</translation>
    </message>
    <message>
        <source>Yippieh!</source>
        <translation>耶！</translation>
    </message>
    <message>
        <source>Nice!</source>
        <translation>不错哦！</translation>
    </message>
    <message>
        <source>Super!</source>
        <translation>超级棒！</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>真可惜！</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>再试一次！</translation>
    </message>
    <message>
        <source>Don&apos;t give up!</source>
        <translation>别放弃！</translation>
    </message>
    <message>
        <source>Oooh!</source>
        <translation>哎呀！</translation>
    </message>
    <message>
        <source>Aaaaargh!</source>
        <translation>啊啊啊啊啊！</translation>
    </message>
    <message>
        <source>Forget it!</source>
        <translation>翻篇吧！</translation>
    </message>
    <message>
        <source>No luck today!</source>
        <translation>今天手气不好！</translation>
    </message>
    <message>
        <source>Never mind!</source>
        <translation>没关系！</translation>
    </message>
    <message>
        <source>Don&apos;t worry!</source>
        <translation>别灰心！</translation>
    </message>
    <message>
        <source>Once more!</source>
        <translation>再来一局！</translation>
    </message>
    <message>
        <source>Computer won!  %1</source>
        <translation>电脑赢了！  %1</translation>
    </message>
    <message>
        <source>You won!  %1</source>
        <translation>你赢了！  %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>轮到%1</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1先手</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>%1赢了！</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>%1 错误</translation>
    </message>
    <message>
        <source>Error %1: 
%2
		occurred at line %3
in %4: %5</source>
        <translation>错误 %1: 
%2
		发生在第 %3 行
位置 %4: %5</translation>
    </message>
    <message>
        <source>Really reset the record?</source>
        <translation>真的要清零战绩吗？</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>战绩</translation>
    </message>
    <message>
        <source>Move %1: %2, %3</source>
        <translation>第%1步：%2，%3</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>电脑</translation>
    </message>
    <message>
        <source>The game kept last time could not be read.</source>
        <translation>上次保存的游戏无法读取。</translation>
    </message>
    <message>
        <source>A game is waiting: Game › Continue last game (Ctrl+R)</source>
        <translation>有一局游戏在等你：游戏 › 继续上一局 (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Wall</source>
        <translation>墙</translation>
    </message>
    <message>
        <source>Wall, %1 by %2</source>
        <translation>墙，%1 × %2</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝</translation>
    </message>
    <message>
        <source>grease spot</source>
        <translation>油渍</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>, winning line</source>
        <translation>，获胜连线</translation>
    </message>
    <message>
        <source>; the rest empty</source>
        <translation>；其余为空</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>第%1行：%2</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>%1列：%2</translation>
    </message>
    <message>
        <source>Diagonal down: %1. Diagonal up: %2.</source>
        <translation>右下斜线：%1。右上斜线：%2。</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>电脑</translation>
    </message>
    <message>
        <source>No game is running.</source>
        <translation>没有进行中的游戏。</translation>
    </message>
    <message>
        <source>%1&apos;s turn, move %2.</source>
        <translation>轮到%1，第%2步。</translation>
    </message>
    <message>
        <source>No moves yet.</source>
        <translation>还一步都没走。</translation>
    </message>
    <message>
        <source>%1 played %2.</source>
        <translation>%1喷在了%2。</translation>
    </message>
    <message>
        <source>%1 won: five in a row from %2 to %3.</source>
        <translation>%1赢了：从%2到%3五子连珠。</translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <translation>%1已被占用。</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <translation>提示：%1。</translation>
    </message>
    <message>
        <source>Taken back: %1.</source>
        <translation>悔棋：撤回了%1。</translation>
    </message>
    <message>
        <source>Taken back: %1 and %2.</source>
        <translation>悔棋：撤回了%1和%2。</translation>
    </message>
    <message>
        <source>Nothing painted that way.</source>
        <translation>这个方向上没有涂色的格子。</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Hey!</source>
        <translation>嘿！</translation>
    </message>
    <message>
        <source>In Idletown there is a fun-fair. This year the main attraction is Aunt Emma&apos;s Splotchery. There you can throw balls filled with paint at a wall. If you make a beautiful splot, you win a prize.</source>
        <translation>悠哉镇正在办游园会。今年最火的节目是艾玛阿姨的“泼彩摊”：你可以把装满颜料的球扔到墙上，谁砸出一个漂亮的彩点，谁就能赢得奖品。</translation>
    </message>
    <message>
        <source>Aunt Emma was very busy today. If the two slamuffils Rollo and Blippo hadn&apos;t helped her filling up the balls, she probably wouldn&apos;t have managed.</source>
        <translation>艾玛阿姨今天忙坏了。要不是两只斯拉马菲小精灵罗罗和布利波帮她往球里灌颜料，她恐怕根本忙不过来。</translation>
    </message>
    <message>
        <source>Now at last peace and quite have come. The last visitors of the fair have disappeared. Aunt Emma has gone to bed totally exhausted, but happy.</source>
        <translation>终于安静下来了。最后一批游客也离开了游园会。艾玛阿姨累得筋疲力尽，却心满意足地倒头睡下了。</translation>
    </message>
    <message>
        <source>Rollo and Blippo have taken a nap, but now they want to have some fun.</source>
        <translation>罗罗和布利波打了个盹，现在他们想好好玩一玩。</translation>
    </message>
    <message>
        <source>Of course they have their own rules of the game:</source>
        <translation>当然啦，他们有自己的游戏规则：</translation>
    </message>
    <message>
        <source>Instead of throwing paint balls, they are squirting the paint directly at the wall with the refill pump. And to make it more exciting they are betting who is the first to place 5 splots in a line.</source>
        <translation>他们不扔颜料球，而是直接用补料泵把颜料喷到墙上。为了更刺激，他们还打了个赌：看谁先把五个彩点连成一线。</translation>
    </message>
</context>
<context>
    <name>splot::BoothView</name>
    <message>
        <source>Booth scene</source>
        <translation>摊位场景</translation>
    </message>
    <message>
        <source>Booth</source>
        <translation>摊位</translation>
    </message>
    <message>
        <source>Side picture</source>
        <translation>侧边图片</translation>
    </message>
    <message>
        <source>Paint pump</source>
        <translation>颜料泵</translation>
    </message>
    <message>
        <source>Red&apos;s painter</source>
        <translation>红方粉刷匠</translation>
    </message>
    <message>
        <source>Blue&apos;s painter</source>
        <translation>蓝方粉刷匠</translation>
    </message>
    <message>
        <source>Red&apos;s puddle</source>
        <translation>红方颜料滩</translation>
    </message>
    <message>
        <source>Blue&apos;s puddle</source>
        <translation>蓝方颜料滩</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>故事</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>End</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>%1 (pressed)</source>
        <translation>%1（已按下）</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>解说</translation>
    </message>
</context>
<context>
    <name>splot::MainWindow</name>
    <message>
        <source>Menu bar</source>
        <translation>菜单栏</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>新游戏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>提示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>Sto&amp;ry...</source>
        <translation>故事(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>如何使用帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>关于 Splotchery(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Zoom with window</source>
        <translation>随窗口缩放(&amp;Z)</translation>
    </message>
    <message>
        <source>Take &amp;back</source>
        <translation>悔棋(&amp;B)</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>战绩(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Continue last game</source>
        <translation>继续上一局(&amp;C)</translation>
    </message>
    <message>
        <source>Re&amp;play</source>
        <translation>回放(&amp;P)</translation>
    </message>
</context>
<context>
    <name>splot::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Size of the &amp;wall:</source>
        <translation>墙的大小(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>难度(&amp;L)：</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>入门</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>初级</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>中级</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>红方(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>电脑(&amp;C)</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>真人</translation>
    </message>
    <message>
        <source>Red&apos;s name</source>
        <translation>红方名字</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>蓝方(&amp;B)：</translation>
    </message>
    <message>
        <source>Blue&apos;s name</source>
        <translation>蓝方名字</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>提示(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Grease spots</source>
        <translation>油渍(&amp;G)</translation>
    </message>
    <message>
        <source>Blocked &amp;nozzle</source>
        <translation>喷嘴堵塞(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Soundeffects</source>
        <translation>音效(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>master</source>
        <translation>大师</translation>
    </message>
</context>
<context>
    <name>splot::RecordDialog</name>
    <message>
        <source>Record</source>
        <translation>战绩</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>对战电脑</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>胜</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>负</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>平</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>入门</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>初级</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>中级</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>双人对战</translation>
    </message>
    <message>
        <source>Red won</source>
        <translation>红方胜</translation>
    </message>
    <message>
        <source>Blue won</source>
        <translation>蓝方胜</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>清零(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>master</source>
        <translation>大师</translation>
    </message>
</context>
<context>
    <name>splot::WallSizeControl</name>
    <message>
        <source>Upper left: bigger wall; lower right: smaller wall</source>
        <translation>左上：墙变大；右下：墙变小</translation>
    </message>
</context>
<context>
    <name>splot::WallView</name>
    <message>
        <source>Wall</source>
        <translation>墙</translation>
    </message>
    <message>
        <source>Arrows move, Enter paints. L last moves, T turn, R row, C column, D diagonals, Ctrl+arrows the next splot.</source>
        <translation>方向键移动，回车键喷涂。L 最近几步，T 轮到谁，R 行，C 列，D 斜线，Ctrl+方向键 下一个彩点。</translation>
    </message>
</context>
</TS>
