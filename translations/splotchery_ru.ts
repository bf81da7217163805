<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Splotchery</source>
        <translation>О программе Splotchery</translation>
    </message>
    <message>
        <source>For more information see readme.txt!</source>
        <translation>Подробности — в файле readme.txt!</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Splotchery Help</source>
        <translation>Справка Splotchery</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Вперёд</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Поиск</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>&amp;Как пользоваться справкой</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Type the words to look for:</source>
        <translation>&amp;Искомые слова:</translation>
    </message>
    <message>
        <source>for example: grease</source>
        <translation>например: пятна</translation>
    </message>
    <message>
        <source>Topics &amp;found:</source>
        <translation>Найденные &amp;темы:</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Открыть</translation>
    </message>
</context>
<context>
    <name>ShownText</name>
    <message>
        <source>Computer&apos;s turn</source>
        <translation>Ходит компьютер</translation>
    </message>
    <message>
        <source>Computer begins</source>
        <translation>Начинает компьютер</translation>
    </message>
    <message>
        <source>The game ends in a draw!</source>
        <translation>Игра закончилась вничью!</translation>
    </message>
    <message>
        <source>Nozzle blocked!</source>
        <translation>Сопло засорилось!</translation>
    </message>
    <message>
        <source>Really end the game?</source>
        <translation>Точно выйти из игры?</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Выход из программы</translation>
    </message>
    <message>
        <source>Really start a new game?</source>
        <translation>Точно начать новую игру?</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>What do you think about a draw?</source>
        <translation>Как насчёт ничьей?</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Молодец!</translation>
    </message>
    <message>
        <source>Very clever!</source>
        <translation>Ловко придумано!</translation>
    </message>
    <message>
        <source>Fantastic!</source>
        <translation>Фантастика!</translation>
    </message>
    <message>
        <source>Cool!</source>
        <translation>Круто!</translation>
    </message>
    <message>
        <source>Wow!</source>
        <translation>Ух ты!</translation>
    </message>
    <message>
        <source>Hurrah!</source>
        <translation>Ура!</translation>
    </message>
    <message>
        <source>You&apos;re top!</source>
        <translation>Ты лучше всех!</translation>
    </message>
    <message>
        <source>Yippieh!</source>
        <translation>Ю-ху!</translation>
    </message>
    <message>
        <source>Nice!</source>
        <translation>Красота!</translation>
    </message>
    <message>
        <source>Super!</source>
        <translation>Супер!</translation>
    </message>
    <message>
        <source>Sorry!</source>
        <translation>Жаль!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Попробуй ещё раз!</translation>
    </message>
    <message>
        <source>Don&apos;t give up!</source>
        <translation>Не сдавайся!</translation>
    </message>
    <message>
        <source>Oooh!</source>
        <translation>Ооох!</translation>
    </message>
    <message>
        <source>Aaaaargh!</source>
        <translation>А-а-а-аргх!</translation>
    </message>
    <message>
        <source>Forget it!</source>
        <translation>Плюнь и забудь!</translation>
    </message>
    <message>
        <source>No luck today!</source>
        <translation>Сегодня не твой день!</translation>
    </message>
    <message>
        <source>Never mind!</source>
        <translation>Ничего страшного!</translation>
    </message>
    <message>
        <source>Don&apos;t worry!</source>
        <translation>Не вешай нос!</translation>
    </message>
    <message>
        <source>Once more!</source>
        <translation>Ещё разок!</translation>
    </message>
    <message>
        <source>Computer won!  %1</source>
        <translation>Компьютер победил!  %1</translation>
    </message>
    <message>
        <source>You won!  %1</source>
        <translation>Победа за тобой!  %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Ходит %1</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>Начинает %1</translation>
    </message>
    <message>
        <source>%1 won!</source>
        <translation>Побеждает %1!</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>Ошибка в %1</translation>
    </message>
    <message>
        <source>Error %1: 
%2
		occurred at line %3
in %4: %5</source>
        <translation>Ошибка %1: 
%2
		в строке %3
в %4: %5</translation>
    </message>
    <message>
        <source>Really reset the record?</source>
        <translation>Точно сбросить статистику?</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Move %1: %2, %3</source>
        <translation>Ход %1: %2, %3</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>The game kept last time could not be read.</source>
        <translation>Не удалось прочитать игру, сохранённую в прошлый раз.</translation>
    </message>
    <message>
        <source>A game is waiting: Game › Continue last game (Ctrl+R)</source>
        <translation>Партия ждёт: Игра › Продолжить прошлую игру (Ctrl+R)</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>Wall</source>
        <translation>Стена</translation>
    </message>
    <message>
        <source>Wall, %1 by %2</source>
        <translation>Стена, %1 на %2</translation>
    </message>
    <message>
        <source>red</source>
        <translation>красная</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синяя</translation>
    </message>
    <message>
        <source>grease spot</source>
        <translation>жирное пятно</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>, winning line</source>
        <translation>, выигрышная линия</translation>
    </message>
    <message>
        <source>; the rest empty</source>
        <translation>; остальное пусто</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Столбец %1: %2</translation>
    </message>
    <message>
        <source>Diagonal down: %1. Diagonal up: %2.</source>
        <translation>Диагональ вниз: %1. Диагональ вверх: %2.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>No game is running.</source>
        <translation>Игра не идёт.</translation>
    </message>
    <message>
        <source>%1&apos;s turn, move %2.</source>
        <translation>Ходит %1, ход %2.</translation>
    </message>
    <message>
        <source>No moves yet.</source>
        <translation>Ходов пока не было.</translation>
    </message>
    <message>
        <source>%1 played %2.</source>
        <translation>%1: ход на %2.</translation>
    </message>
    <message>
        <source>%1 won: five in a row from %2 to %3.</source>
        <translation>Побеждает %1: пять в ряд от %2 до %3.</translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <translation>%1 занята.</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <translation>Подсказка: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1.</source>
        <translation>Ход отменён: %1.</translation>
    </message>
    <message>
        <source>Taken back: %1 and %2.</source>
        <translation>Ходы отменены: %1 и %2.</translation>
    </message>
    <message>
        <source>Nothing painted that way.</source>
        <translation>В этом направлении ничего не закрашено.</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Hey!</source>
        <translation>Привет!</translation>
    </message>
    <message>
        <source>In Idletown there is a fun-fair. This year the main attraction is Aunt Emma&apos;s Splotchery. There you can throw balls filled with paint at a wall. If you make a beautiful splot, you win a prize.</source>
        <translation>В Лентяевке ярмарка. Главный аттракцион этого года — Кляксарня тётушки Эммы. Там бросают в стену мячики с краской. Кто посадит красивую кляксу, получает приз.</translation>
    </message>
    <message>
        <source>Aunt Emma was very busy today. If the two slamuffils Rollo and Blippo hadn&apos;t helped her filling up the balls, she probably wouldn&apos;t have managed.</source>
        <translation>У тётушки Эммы сегодня было дел по горло. Если бы два чумазика, Ролло и Блиппо, не помогали ей наполнять мячики, она бы, наверное, не справилась.</translation>
    </message>
    <message>
        <source>Now at last peace and quite have come. The last visitors of the fair have disappeared. Aunt Emma has gone to bed totally exhausted, but happy.</source>
        <translation>Наконец-то стало тихо. Последние посетители разошлись с ярмарки. Тётушка Эмма легла спать — без сил, но счастливая.</translation>
    </message>
    <message>
        <source>Rollo and Blippo have taken a nap, but now they want to have some fun.</source>
        <translation>Ролло и Блиппо немного вздремнули, а теперь им хочется повеселиться.</translation>
    </message>
    <message>
        <source>Of course they have their own rules of the game:</source>
        <translation>Конечно, правила игры у них свои:</translation>
    </message>
    <message>
        <source>Instead of throwing paint balls, they are squirting the paint directly at the wall with the refill pump. And to make it more exciting they are betting who is the first to place 5 splots in a line.</source>
        <translation>Вместо того чтобы бросать мячики с краской, они брызгают краской из заправочного насоса прямо на стену. А чтобы было интереснее, спорят, кто первым поставит пять клякс в ряд.</translation>
    </message>
</context>
<context>
    <name>splot::BoothView</name>
    <message>
        <source>Booth scene</source>
        <translation>Игровая сцена</translation>
    </message>
    <message>
        <source>Booth</source>
        <translation>Аттракцион</translation>
    </message>
    <message>
        <source>Side picture</source>
        <translation>Боковая картинка</translation>
    </message>
    <message>
        <source>Paint pump</source>
        <translation>Насос с краской</translation>
    </message>
    <message>
        <source>Red&apos;s painter</source>
        <translation>Маляр Красного</translation>
    </message>
    <message>
        <source>Blue&apos;s painter</source>
        <translation>Маляр Синего</translation>
    </message>
    <message>
        <source>Red&apos;s puddle</source>
        <translation>Лужа Красного</translation>
    </message>
    <message>
        <source>Blue&apos;s puddle</source>
        <translation>Лужа Синего</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>История</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>%1 (pressed)</source>
        <translation>%1 (нажата)</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
</context>
<context>
    <name>splot::MainWindow</name>
    <message>
        <source>Menu bar</source>
        <translation>Строка меню</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>Н&amp;астройки…</translation>
    </message>
    <message>
        <source>Sto&amp;ry...</source>
        <translation>&amp;История…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Поиск</translation>
    </message>
    <message>
        <source>Help &amp;on Help</source>
        <translation>&amp;Как пользоваться справкой</translation>
    </message>
    <message>
        <source>&amp;About..</source>
        <translation>&amp;О программе Splotchery…</translation>
    </message>
    <message>
        <source>&amp;Zoom with window</source>
        <translation>&amp;Масштаб по окну</translation>
    </message>
    <message>
        <source>Take &amp;back</source>
        <translation>&amp;Отменить ход</translation>
    </message>
    <message>
        <source>Recor&amp;d...</source>
        <translation>&amp;Статистика…</translation>
    </message>
    <message>
        <source>&amp;Continue last game</source>
        <translation>П&amp;родолжить прошлую игру</translation>
    </message>
    <message>
        <source>Re&amp;play</source>
        <translation>Пов&amp;тор игры</translation>
    </message>
</context>
<context>
    <name>splot::OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Size of the &amp;wall:</source>
        <translation>&amp;Размер стены:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Уровень:</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>новичок</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>ученик</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>любитель</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>эксперт</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Красный:</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>Ко&amp;мпьютер</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Red&apos;s name</source>
        <translation>Имя Красного</translation>
    </message>
    <message>
        <source>&amp;Blue:</source>
        <translation>&amp;Синий:</translation>
    </message>
    <message>
        <source>Blue&apos;s name</source>
        <translation>Имя Синего</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>&amp;Подсказки</translation>
    </message>
    <message>
        <source>&amp;Grease spots</source>
        <translation>&amp;Жирные пятна</translation>
    </message>
    <message>
        <source>Blocked &amp;nozzle</source>
        <translation>&amp;Засоры сопла</translation>
    </message>
    <message>
        <source>&amp;Soundeffects</source>
        <translation>З&amp;вуки</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>мастер</translation>
    </message>
</context>
<context>
    <name>splot::RecordDialog</name>
    <message>
        <source>Record</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Против компьютера</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Победы</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Поражения</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Ничьи</translation>
    </message>
    <message>
        <source>very easy</source>
        <translation>новичок</translation>
    </message>
    <message>
        <source>beginner</source>
        <translation>ученик</translation>
    </message>
    <message>
        <source>advanced</source>
        <translation>любитель</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>эксперт</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Два игрока</translation>
    </message>
    <message>
        <source>Red won</source>
        <translation>Победы Красного</translation>
    </message>
    <message>
        <source>Blue won</source>
        <translation>Победы Синего</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>master</source>
        <translation>мастер</translation>
    </message>
</context>
<context>
    <name>splot::WallSizeControl</name>
    <message>
        <source>Upper left: bigger wall; lower right: smaller wall</source>
        <translation>Слева вверху: стена больше; справа внизу: стена меньше</translation>
    </message>
</context>
<context>
    <name>splot::WallView</name>
    <message>
        <source>Wall</source>
        <translation>Стена</translation>
    </message>
    <message>
        <source>Arrows move, Enter paints. L last moves, T turn, R row, C column, D diagonals, Ctrl+arrows the next splot.</source>
        <translation>Стрелки двигают курсор, Enter брызгает краской. L — последние ходы, T — чей ход, R — строка, C — столбец, D — диагонали, Ctrl+стрелки — следующая клякса.</translation>
    </message>
</context>
</TS>
