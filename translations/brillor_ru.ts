<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: brillor [OPTION]
Brillor I, a hexagon puzzle game.

  --editor    start with the level editor&apos;s tool window shown (Ctrl+E in the game)
  --lang CODE play in the language CODE (de, fr, pt_BR...) instead of the environment&apos;s
  -h, --help  show this help and exit
  --version   show the version and exit

An installed game keeps the settings, the player roster and levels saved by the editor in
$XDG_DATA_HOME/brillor/dat (~/.local/share/brillor/dat when unset); a level there is played
instead of the shipped one. A game run from a folder it may write keeps them in its own dat.
</source>
        <translation>Использование: brillor [ПАРАМЕТР]
Brillor I, головоломка из шестиугольников.

  --editor    запустить с окном инструментов редактора уровней (в игре Ctrl+E)
  --lang CODE играть на языке CODE (de, fr, pt_BR...), а не на языке окружения
  -h, --help  показать эту справку и выйти
  --version   показать версию и выйти

Установленная игра хранит настройки, список игроков и уровни, сохранённые редактором, в
$XDG_DATA_HOME/brillor/dat (~/.local/share/brillor/dat, если переменная не задана); уровень
оттуда играется вместо поставляемого. Игра из папки, доступной для записи, хранит их в своей dat.
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a language code</source>
        <translation>параметру &apos;%1&apos; нужен код языка</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>лишний аргумент &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Параметры: &apos;%1 --help&apos;.</translation>
    </message>
</context>
<context>
    <name>EditorStage</name>
    <message>
        <source>Editor</source>
        <translation>Редактор</translation>
    </message>
    <message>
        <source>Row:%1 Col:%2 Len:%3, SelRow:%4 SelCol:%5</source>
        <translation>Ряд:%1 Ст:%2 Дл:%3, ВыбР:%4 ВыбС:%5</translation>
    </message>
    <message>
        <source>No level file is open: choose one with &quot;Open&quot; first.</source>
        <translation>Файл уровня не открыт: сначала выберите его кнопкой &quot;Откр&quot;.</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not &quot;%2&quot;.</source>
        <translation>%1 должно быть целым числом, а не &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>DXSB SetVolume Error:%s</source>
        <translation>Ошибка громкости DXSB:%s</translation>
    </message>
    <message>
        <source>GetShortPathName err [%s]</source>
        <translation>Файл не найден [%s]</translation>
    </message>
    <message>
        <source>Open Error [%s]</source>
        <translation>Ошибка открытия [%s]</translation>
    </message>
    <message>
        <source>Validate IO handle error: Out of File [%s]</source>
        <translation>Ошибка файла: файл не открыт [%s]</translation>
    </message>
    <message>
        <source>Seed Source error. [%s]</source>
        <translation>Ошибка перехода в файле. [%s]</translation>
    </message>
    <message>
        <source>Find chunk error: Chunk not find. [%s]</source>
        <translation>Ошибка: блок не найден. [%s]</translation>
    </message>
    <message>
        <source>Bad flow data: cell %1 %2</source>
        <translation>Неверные данные потока: клетка %1 %2</translation>
    </message>
    <message>
        <source>has no source count: the data ends early</source>
        <translation>не имеет числа источников: данные обрываются</translation>
    </message>
    <message>
        <source>has a negative source count (%1)</source>
        <translation>имеет отрицательное число источников (%1)</translation>
    </message>
    <message>
        <source>lists %1 sources but the data ends first</source>
        <translation>указывает %1 источников, но данные обрываются раньше</translation>
    </message>
    <message>
        <source>has a source %1 off the board</source>
        <translation>имеет источник %1 за пределами поля</translation>
    </message>
    <message>
        <source>has a source %1 that is not its neighbour</source>
        <translation>имеет источник %1, который не является соседним</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2)</source>
        <translation>изображение слишком велико (%1 x %2)</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>файл обрезан</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>файл не удаётся открыть</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>файл отсутствует</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>файл не является изображением</translation>
    </message>
    <message>
        <source>the picture is damaged</source>
        <translation>изображение повреждено</translation>
    </message>
    <message>
        <source>Cannot load picture [%s]</source>
        <translation>Не удаётся загрузить изображение [%s]</translation>
    </message>
    <message>
        <source>... and %1 more line</source>
        <translation>... и ещё строк: %1</translation>
    </message>
    <message>
        <source>... and %1 more lines</source>
        <translation>... и ещё строк: %1</translation>
    </message>
    <message>
        <source>line %1 ignored: %2</source>
        <translation>строка %1 пропущена: %2</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>не прочитан: %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;: </source>
        <translation>Не удаётся создать файл «%s»: </translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;: </source>
        <translation>Не удаётся открыть файл «%s»: </translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>он больше 1 МБ</translation>
    </message>
    <message>
        <source>Level file %1: %2</source>
        <translation>Файл уровня %1: %2</translation>
    </message>
    <message>
        <source>cannot be opened.</source>
        <translation>не удаётся открыть.</translation>
    </message>
    <message>
        <source>is too short to hold a flow.</source>
        <translation>слишком короткий, чтобы содержать поток.</translation>
    </message>
    <message>
        <source>holds %1 of %2 bytes of level parameters.</source>
        <translation>содержит %1 из %2 байт параметров уровня.</translation>
    </message>
    <message>
        <source>written by another version of the game (&quot;%1&quot;)</source>
        <translation>записан другой версией игры («%1»)</translation>
    </message>
    <message>
        <source>line 1 is not the heading &quot;%1&quot;</source>
        <translation>строка 1 не является заголовком «%1»</translation>
    </message>
    <message>
        <source>line %1 is damaged and was left out</source>
        <translation>строка %1 повреждена и пропущена</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>он пуст</translation>
    </message>
    <message>
        <source>not a record file; every record starts afresh (%1)</source>
        <translation>это не файл рекордов; все рекорды начинаются заново (%1)</translation>
    </message>
    <message>
        <source>no record file yet; every record starts afresh</source>
        <translation>файла рекордов ещё нет; все рекорды начинаются заново</translation>
    </message>
    <message>
        <source>not read (%1); every record starts afresh</source>
        <translation>не прочитан (%1); все рекорды начинаются заново</translation>
    </message>
    <message>
        <source>the file is damaged (its check sum does not match)</source>
        <translation>файл повреждён (контрольная сумма не совпадает)</translation>
    </message>
    <message>
        <source>it was written by another version of the game</source>
        <translation>он записан другой версией игры</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>файл слишком велик</translation>
    </message>
    <message>
        <source>the file has lines after its end</source>
        <translation>в файле есть строки после его конца</translation>
    </message>
    <message>
        <source>The request completed successfully.</source>
        <translation>Запрос успешно выполнен.</translation>
    </message>
    <message>
        <source>The function called is not supported at this time.</source>
        <translation>Вызванная функция сейчас не поддерживается.</translation>
    </message>
    <message>
        <source>The requested COM interface is not available.</source>
        <translation>Запрошенный интерфейс COM недоступен.</translation>
    </message>
    <message>
        <source>An undetermined error occurred inside the DirectSound subsystem.</source>
        <translation>В подсистеме DirectSound произошла неопределённая ошибка.</translation>
    </message>
    <message>
        <source>The object does not support aggregation.</source>
        <translation>Объект не поддерживает агрегирование.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Доступ запрещён.</translation>
    </message>
    <message>
        <source>The DirectSound subsystem could not allocate sufficient memory to complete the caller´s request.</source>
        <translation>Подсистеме DirectSound не хватило памяти для выполнения запроса.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the returning function.</source>
        <translation>Функции передан недопустимый параметр.</translation>
    </message>
    <message>
        <source>The request failed because resources, such as a priority level, were already in use by another caller.</source>
        <translation>Запрос не выполнен: ресурсы, например уровень приоритета, уже заняты другим вызывающим.</translation>
    </message>
    <message>
        <source>The control (volume, pan, and so forth) requested by the caller is not available.</source>
        <translation>Запрошенная регулировка (громкость, баланс и т. п.) недоступна.</translation>
    </message>
    <message>
        <source>This function is not valid for the current state of this object.</source>
        <translation>Эта функция недопустима в текущем состоянии объекта.</translation>
    </message>
    <message>
        <source>The caller does not have the priority level required for the function to succeed.</source>
        <translation>У вызывающего нет уровня приоритета, нужного для этой функции.</translation>
    </message>
    <message>
        <source>The specified wave format is not supported.</source>
        <translation>Указанный звуковой формат не поддерживается.</translation>
    </message>
    <message>
        <source>No sound driver is available for use.</source>
        <translation>Нет доступного звукового драйвера.</translation>
    </message>
    <message>
        <source>The object is already initialized.</source>
        <translation>Объект уже инициализирован.</translation>
    </message>
    <message>
        <source>The buffer memory has been lost and must be restored.</source>
        <translation>Память буфера потеряна и должна быть восстановлена.</translation>
    </message>
    <message>
        <source>Another application has a higher priority level, preventing this call from succeeding.</source>
        <translation>Другое приложение имеет более высокий приоритет, и вызов не выполнен.</translation>
    </message>
    <message>
        <source>The IDirectSound::Initialize method has not been called or has not been called successfully before other methods were called.</source>
        <translation>Метод IDirectSound::Initialize не был успешно вызван до других методов.</translation>
    </message>
    <message>
        <source>Tried to create a DSBCAPS_CTRLFX buffer shorter than DSBSIZE_FX_MIN milliseconds.</source>
        <translation>Попытка создать буфер DSBCAPS_CTRLFX короче DSBSIZE_FX_MIN миллисекунд.</translation>
    </message>
    <message>
        <source>Attempt to use DirectSound 8 functionality on an older DirectSound object.</source>
        <translation>Попытка использовать возможности DirectSound 8 на более старом объекте DirectSound.</translation>
    </message>
    <message>
        <source>A circular loop of send effects was detected.</source>
        <translation>Обнаружен замкнутый цикл эффектов посыла.</translation>
    </message>
    <message>
        <source>The GUID specified in an audiopath file does not match a valid MIXIN buffer.</source>
        <translation>GUID в файле звукового пути не соответствует ни одному буферу MIXIN.</translation>
    </message>
    <message>
        <source>The object requested was not found (numerically equal to DMUS_E_NOT_FOUND).</source>
        <translation>Запрошенный объект не найден (равно DMUS_E_NOT_FOUND).</translation>
    </message>
    <message>
        <source>Unrecognized Error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is missing</source>
        <translation>нет строки «%1»</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>направление</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is cut short (%2)</source>
        <translation>строка «%1» обрезана (%2)</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has more than it should</source>
        <translation>в строке «%1» лишние данные</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has a wrong %2</source>
        <translation>в строке «%1» неверное значение (%2)</translation>
    </message>
    <message>
        <source>the file is cut short before &quot;%1&quot;</source>
        <translation>файл обрывается перед «%1»</translation>
    </message>
    <message>
        <source>cell codes</source>
        <translation>коды клеток</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; does not hold every cell</source>
        <translation>строка «cells» содержит не все клетки</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; has a wrong cell code</source>
        <translation>в строке «cells» неверный код клетки</translation>
    </message>
    <message>
        <source>row</source>
        <translation>ряд</translation>
    </message>
    <message>
        <source>column</source>
        <translation>столбец</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>поворот</translation>
    </message>
    <message>
        <source>count</source>
        <translation>количество</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>смещение</translation>
    </message>
    <message>
        <source>gem</source>
        <translation>самоцвет</translation>
    </message>
    <message>
        <source>box number</source>
        <translation>номер ящика</translation>
    </message>
    <message>
        <source>two boxes have the same number</source>
        <translation>у двух ящиков одинаковый номер</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>вид</translation>
    </message>
    <message>
        <source>position</source>
        <translation>положение</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>режим</translation>
    </message>
    <message>
        <source>relaxed</source>
        <translation>спокойный</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>пройден</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>ящики</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>фигура</translation>
    </message>
    <message>
        <source>row count</source>
        <translation>число рядов</translation>
    </message>
    <message>
        <source>chain</source>
        <translation>цепочка</translation>
    </message>
    <message>
        <source>money</source>
        <translation>деньги</translation>
    </message>
    <message>
        <source>clearing row</source>
        <translation>убираемый ряд</translation>
    </message>
    <message>
        <source>the clearing row does not fit the mode</source>
        <translation>убираемый ряд не соответствует режиму</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>обратный отсчёт</translation>
    </message>
    <message>
        <source>sparkle timer</source>
        <translation>таймер искр</translation>
    </message>
    <message>
        <source>coin timer</source>
        <translation>таймер монет</translation>
    </message>
    <message>
        <source>the line &quot;random&quot; holds no state of the generator</source>
        <translation>строка «random» не содержит состояния генератора</translation>
    </message>
    <message>
        <source>level number</source>
        <translation>номер уровня</translation>
    </message>
    <message>
        <source>level check</source>
        <translation>контроль уровня</translation>
    </message>
    <message>
        <source>check sum</source>
        <translation>контрольная сумма</translation>
    </message>
    <message>
        <source>it is not a round file</source>
        <translation>это не файл текущей партии</translation>
    </message>
    <message>
        <source>version</source>
        <translation>версия</translation>
    </message>
    <message>
        <source>CreateSoundBuffer err</source>
        <translation>Не удаётся создать звуковой буфер</translation>
    </message>
    <message>
        <source>DirectSoundCreate8 err</source>
        <translation>Не удаётся открыть звуковой выход</translation>
    </message>
    <message>
        <source>Create DFTimer failed.</source>
        <translation>Не удаётся создать таймер.</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> и ещё %1</translation>
    </message>
    <message>
        <source>Flow cycle: %1.</source>
        <translation>Замкнутый поток: %1.</translation>
    </message>
    <message>
        <source>... and %1 more flow cycles.</source>
        <translation>... и ещё замкнутых потоков: %1.</translation>
    </message>
    <message>
        <source>Cell %1 lists its source %2 more than once.</source>
        <translation>Клетка %1 указывает источник %2 несколько раз.</translation>
    </message>
    <message>
        <source>Layout row %1 is already complete.</source>
        <translation>Ряд %1 раскладки уже заполнен.</translation>
    </message>
    <message>
        <source>%1 is %2; sensible values are %3 to %4.</source>
        <translation>%1 равно %2; разумные значения от %3 до %4.</translation>
    </message>
    <message>
        <source>LaserPower, BreakgroundPower and ClearGemsPower are all 0 or less: a box has nothing to give.</source>
        <translation>LaserPower, BreakgroundPower и ClearGemsPower все не больше 0: ящику нечего дать.</translation>
    </message>
    <message>
        <source>No flow path reaches an end cell from %1.</source>
        <translation>Ни один путь потока не ведёт к конечной клетке из %1.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Проблем не найдено.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;; its window was brought to the front.</source>
        <translation>Brillor I уже запущена для папки игрока &quot;%1&quot;; её окно выведено на передний план.</translation>
    </message>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;, but its window could not be brought to the front: look for it among your open windows.</source>
        <translation>Brillor I уже запущена для папки игрока &quot;%1&quot;, но её окно не удалось вывести на передний план: поищите его среди открытых окон.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>GAME OVER</source>
        <translation>ИГРА ОКОНЧЕНА</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Щёлкните, чтобы продолжить</translation>
    </message>
    <message>
        <source>TIME OUT</source>
        <translation>ВРЕМЯ ВЫШЛО</translation>
    </message>
    <message>
        <source>a puzzle of falling gems</source>
        <translation>головоломка падающих самоцветов</translation>
    </message>
    <message>
        <source>The Gem Road</source>
        <translation>Дорога самоцветов</translation>
    </message>
    <message>
        <source>The Wanderer</source>
        <translation>Странник</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Деньги</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Цена ряда</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Эффективность</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Звание</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>PlayerFiles</name>
    <message>
        <source>It was kept as %1.</source>
        <translation>Он сохранён как %1.</translation>
    </message>
    <message>
        <source>It could not be kept aside (%1), and it will not be written over.</source>
        <translation>Его не удалось отложить (%1), и он не будет перезаписан.</translation>
    </message>
    <message>
        <source>The record file %1 could not be read whole:
%2
%3</source>
        <translation>Файл статистики %1 прочитан не полностью:
%2
%3</translation>
    </message>
    <message>
        <source> What could be read was kept.</source>
        <translation> Прочитанное сохранено.</translation>
    </message>
    <message>
        <source> The backup %1 of the save before it was loaded instead.</source>
        <translation> Вместо него загружена резервная копия %1 предыдущего сохранения.</translation>
    </message>
    <message>
        <source> Every record starts afresh.</source>
        <translation> Вся статистика начинается заново.</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>файл обрезан</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); the usual settings are used. %3</source>
        <translation>Файл настроек %1 не прочитан (%2); используются обычные настройки. %3</translation>
    </message>
    <message>
        <source>The options file %1 could not be read whole:
%2
%3</source>
        <translation>Файл параметров %1 прочитан не полностью:
%2
%3</translation>
    </message>
    <message>
        <source> They could not be written back yet (%1).</source>
        <translation> Их пока не удалось записать обратно (%1).</translation>
    </message>
    <message>
        <source>The player file %1 is missing. Its backup %2 was loaded instead.</source>
        <translation>Файл игроков %1 отсутствует. Вместо него загружена резервная копия %2.</translation>
    </message>
    <message>
        <source>The player file %1 could not be read (%2).</source>
        <translation>Файл игроков %1 не прочитан (%2).</translation>
    </message>
    <message>
        <source> It was left as it is, and this session will not be saved (%1).</source>
        <translation> Он оставлен как есть, и этот сеанс не будет сохранён (%1).</translation>
    </message>
    <message>
        <source> It was kept as %1.</source>
        <translation> Он сохранён как %1.</translation>
    </message>
    <message>
        <source> There is no readable backup; the players that could be read from it were loaded.</source>
        <translation> Читаемой резервной копии нет; загружены игроки, которых удалось прочитать.</translation>
    </message>
    <message>
        <source>Something other than a file stood in place of the lock file %1; it was kept as %2.</source>
        <translation>На месте файла блокировки %1 оказался не файл; то, что там было, сохранено как %2.</translation>
    </message>
</context>
<context>
    <name>RunningStage</name>
    <message>
        <source>it was played on another level</source>
        <translation>она была сыграна на другом уровне</translation>
    </message>
    <message>
        <source>the level&apos;s files have changed since</source>
        <translation>файлы уровня с тех пор изменились</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Щёлкните, чтобы продолжить</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It could not be set aside either: %2. The level starts afresh.</source>
        <translation>Не удалось продолжить текущий уровень: %1. Отложить его тоже не удалось: %2. Уровень начинается заново.</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It is kept as &quot;%2&quot;. The level starts afresh.</source>
        <translation>Не удалось продолжить текущий уровень: %1. Он сохранён как «%2». Уровень начинается заново.</translation>
    </message>
</context>
<context>
    <name>TGameApplication</name>
    <message>
        <source>Unknown error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
</context>
<context>
    <name>TPauseCover</name>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>TStatusPanel</name>
    <message>
        <source>Beginner</source>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>Practician</source>
        <translation>Практик</translation>
    </message>
    <message>
        <source>Excellent Brillor</source>
        <translation>Мастер Brillor</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>King Of Brillor</source>
        <translation>Король Brillor</translation>
    </message>
</context>
<context>
    <name>TfrmEditor</name>
    <message>
        <source>white</source>
        <translation>бел</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Лил</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зел</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Син</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Крас</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Откр</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очис</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохр</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Пров</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>SetLevel</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Chip</source>
        <translation>Оск.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загр</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Ничего не сохранено.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 up, not &quot;%1&quot;.</source>
        <translation>Уровень должен быть целым числом от 1, а не &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing was checked.</source>
        <translation>Ничего не проверено.</translation>
    </message>
    <message>
        <source>The level was not played.</source>
        <translation>Уровень не запущен.</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>TfrmInput</name>
    <message>
        <source>A name can only hold Western European letters.</source>
        <translation>В имени допустимы только западноевропейские буквы.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Not a valid value.</source>
        <translation>Недопустимое значение.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>About Brillor I</source>
        <translation>О Brillor I</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Are you sure to quit current game and change to &quot;%1&quot;?</source>
        <translation>Прервать текущую игру и перейти к игроку &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Open the help page failed.
Please open &quot;%1&quot; in your web browser manually.</source>
        <translation>Не удалось открыть справку.
Откройте &quot;%1&quot; в браузере вручную.</translation>
    </message>
    <message>
        <source>Launch your default web browser failed.
Please enter the URL &quot;%1&quot; into your web browser manually.</source>
        <translation>Не удалось запустить браузер.
Введите адрес &quot;%1&quot; в браузере вручную.</translation>
    </message>
    <message>
        <source>The window will be %1 % of its size from the next start.</source>
        <translation>Со следующего запуска окно будет %1 % своего размера.</translation>
    </message>
    <message>
        <source>
It does not fit this screen: %1 % will be used.</source>
        <translation>
На этот экран оно не помещается: будет %1 %.</translation>
    </message>
</context>
<context>
    <name>TfrmMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TfrmMoreOptions</name>
    <message>
        <source>More Options</source>
        <translation>Доп. настройки</translation>
    </message>
    <message>
        <source>Symbols on gems</source>
        <translation>Знаки на камнях</translation>
    </message>
    <message>
        <source>A shape for every colour</source>
        <translation>Своя фигура для каждого цвета</translation>
    </message>
    <message>
        <source>Relaxed pace</source>
        <translation>Спокойный темп</translation>
    </message>
    <message>
        <source>No countdown, no automatic drop</source>
        <translation>Без отсчёта и автосброса</translation>
    </message>
    <message>
        <source>Drop preview</source>
        <translation>Прогноз сброса</translation>
    </message>
    <message>
        <source>Rows and money a drop would make</source>
        <translation>Ряды и деньги от сброса</translation>
    </message>
    <message>
        <source>Player records</source>
        <translation>Статистика игрока</translation>
    </message>
    <message>
        <source>Shown in the player list</source>
        <translation>В списке игроков</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Размер окна</translation>
    </message>
    <message>
        <source>Too large for this screen: %1 % used</source>
        <translation>Велико для экрана: взято %1 %</translation>
    </message>
    <message>
        <source>Used from the next start</source>
        <translation>Со следующего запуска</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Фоновая музыка</translation>
    </message>
    <message>
        <source>(Click the bar to change music volume)</source>
        <translation>(Щёлкните по шкале: громкость музыки)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>(Click the bar to change sound volume)</source>
        <translation>(Щёлкните по шкале: громкость звука)</translation>
    </message>
    <message>
        <source>Mouse Control</source>
        <translation>Управление мышью</translation>
    </message>
    <message>
        <source>(Click the icon to choice a rotate-mode)</source>
        <translation>(Щёлкните по значку: направление)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Ещё...</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Против часовой</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>По часовой</translation>
    </message>
</context>
<context>
    <name>TfrmPlayers</name>
    <message>
        <source>Player List</source>
        <translation>Список игроков</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Please input a player name:</source>
        <translation>Введите имя игрока:</translation>
    </message>
    <message>
        <source>Are you sure to delete player &quot;%1&quot;?</source>
        <translation>Удалить игрока &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>
Your selected player &quot;%1&quot; is running now, you must select another player after deleted.</source>
        <translation>
Игрок &quot;%1&quot; сейчас играет; после удаления выберите другого игрока.</translation>
    </message>
    <message>
        <source>Please select a existent player or create a new player.</source>
        <translation>Выберите игрока из списка или создайте нового.</translation>
    </message>
    <message>
        <source> +%1 relaxed</source>
        <translation> +%1 спокойно</translation>
    </message>
    <message>
        <source>Games: %1</source>
        <translation>Игр: %1</translation>
    </message>
    <message>
        <source>Levels: %1</source>
        <translation>Уровней: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Время: %1</translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation>Рядов: %1</translation>
    </message>
    <message>
        <source>Longest chain: %1</source>
        <translation>Лучшая цепь: %1</translation>
    </message>
    <message>
        <source>Best level: $%1</source>
        <translation>Лучший уровень: $%1</translation>
    </message>
</context>
<context>
    <name>TfrmTop10</name>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Деньги</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Цена ряда</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Эффективность</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
