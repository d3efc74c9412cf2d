<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <translation>Użycie: brillor [OPCJA]
Brillor I, łamigłówka z sześciokątów.

  --editor    uruchom z oknem narzędzi edytora poziomów (w grze Ctrl+E)
  --lang CODE graj w języku CODE (de, fr, pt_BR...) zamiast języka środowiska
  -h, --help  pokaż tę pomoc i zakończ
  --version   pokaż wersję i zakończ

Zainstalowana gra trzyma ustawienia, listę graczy i poziomy zapisane w edytorze w
$XDG_DATA_HOME/brillor/dat (~/.local/share/brillor/dat, gdy zmienna nie jest ustawiona); poziom
stamtąd zastępuje dostarczony. Gra uruchomiona z zapisywalnego folderu trzyma je w swoim dat.
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a language code</source>
        <translation>opcja &apos;%1&apos; wymaga kodu języka</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>Opcje: &apos;%1 --help&apos;.</translation>
    </message>
</context>
<context>
    <name>EditorStage</name>
    <message>
        <source>Editor</source>
        <translation>Edytor</translation>
    </message>
    <message>
        <source>Row:%1 Col:%2 Len:%3, SelRow:%4 SelCol:%5</source>
        <translation>Rząd:%1 Kol:%2 Dł:%3, WybR:%4 WybK:%5</translation>
    </message>
    <message>
        <source>No level file is open: choose one with &quot;Open&quot; first.</source>
        <translation>Nie otwarto pliku poziomu: najpierw wybierz go przyciskiem &quot;Otw.&quot;.</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not &quot;%2&quot;.</source>
        <translation>%1 musi być liczbą całkowitą, a nie &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>DXSB SetVolume Error:%s</source>
        <translation>Błąd głośności DXSB:%s</translation>
    </message>
    <message>
        <source>GetShortPathName err [%s]</source>
        <translation>Nie znaleziono pliku [%s]</translation>
    </message>
    <message>
        <source>Open Error [%s]</source>
        <translation>Błąd otwierania [%s]</translation>
    </message>
    <message>
        <source>Validate IO handle error: Out of File [%s]</source>
        <translation>Błąd pliku: żaden plik nie jest otwarty [%s]</translation>
    </message>
    <message>
        <source>Seed Source error. [%s]</source>
        <translation>Błąd przesunięcia w pliku. [%s]</translation>
    </message>
    <message>
        <source>Find chunk error: Chunk not find. [%s]</source>
        <translation>Błąd: nie znaleziono bloku. [%s]</translation>
    </message>
    <message>
        <source>Bad flow data: cell %1 %2</source>
        <translation>Błędne dane przepływu: pole %1 %2</translation>
    </message>
    <message>
        <source>has no source count: the data ends early</source>
        <translation>nie ma liczby źródeł: dane kończą się za wcześnie</translation>
    </message>
    <message>
        <source>has a negative source count (%1)</source>
        <translation>ma ujemną liczbę źródeł (%1)</translation>
    </message>
    <message>
        <source>lists %1 sources but the data ends first</source>
        <translation>podaje %1 źródeł, ale dane kończą się wcześniej</translation>
    </message>
    <message>
        <source>has a source %1 off the board</source>
        <translation>ma źródło %1 poza planszą</translation>
    </message>
    <message>
        <source>has a source %1 that is not its neighbour</source>
        <translation>ma źródło %1, które nie jest jego sąsiadem</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2)</source>
        <translation>obraz jest za duży (%1 x %2)</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>plik jest ucięty</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>brak pliku</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>plik nie jest obrazem</translation>
    </message>
    <message>
        <source>the picture is damaged</source>
        <translation>obraz jest uszkodzony</translation>
    </message>
    <message>
        <source>Cannot load picture [%s]</source>
        <translation>Nie można wczytać obrazu [%s]</translation>
    </message>
    <message>
        <source>... and %1 more line</source>
        <translation>... i jeszcze %1 wiersz</translation>
    </message>
    <message>
        <source>... and %1 more lines</source>
        <translation>... i jeszcze %1 wierszy</translation>
    </message>
    <message>
        <source>line %1 ignored: %2</source>
        <translation>wiersz %1 pominięty: %2</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>nie odczytano: %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;: </source>
        <translation>Nie można utworzyć pliku „%s”: </translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;: </source>
        <translation>Nie można otworzyć pliku „%s”: </translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>jest większy niż 1 MB</translation>
    </message>
    <message>
        <source>Level file %1: %2</source>
        <translation>Plik poziomu %1: %2</translation>
    </message>
    <message>
        <source>cannot be opened.</source>
        <translation>nie daje się otworzyć.</translation>
    </message>
    <message>
        <source>is too short to hold a flow.</source>
        <translation>jest za krótki, by zawierać przepływ.</translation>
    </message>
    <message>
        <source>holds %1 of %2 bytes of level parameters.</source>
        <translation>zawiera %1 z %2 bajtów parametrów poziomu.</translation>
    </message>
    <message>
        <source>written by another version of the game (&quot;%1&quot;)</source>
        <translation>zapisany przez inną wersję gry („%1”)</translation>
    </message>
    <message>
        <source>line 1 is not the heading &quot;%1&quot;</source>
        <translation>wiersz 1 nie jest nagłówkiem „%1”</translation>
    </message>
    <message>
        <source>line %1 is damaged and was left out</source>
        <translation>wiersz %1 jest uszkodzony i został pominięty</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>jest pusty</translation>
    </message>
    <message>
        <source>not a record file; every record starts afresh (%1)</source>
        <translation>to nie jest plik rekordów; wszystkie rekordy zaczynają się od nowa (%1)</translation>
    </message>
    <message>
        <source>no record file yet; every record starts afresh</source>
        <translation>nie ma jeszcze pliku rekordów; wszystkie rekordy zaczynają się od nowa</translation>
    </message>
    <message>
        <source>not read (%1); every record starts afresh</source>
        <translation>nie odczytano (%1); wszystkie rekordy zaczynają się od nowa</translation>
    </message>
    <message>
        <source>the file is damaged (its check sum does not match)</source>
        <translation>plik jest uszkodzony (suma kontrolna się nie zgadza)</translation>
    </message>
    <message>
        <source>it was written by another version of the game</source>
        <translation>został zapisany przez inną wersję gry</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>plik jest za duży</translation>
    </message>
    <message>
        <source>the file has lines after its end</source>
        <translation>plik ma wiersze po swoim końcu</translation>
    </message>
    <message>
        <source>The request completed successfully.</source>
        <translation>Żądanie zakończyło się powodzeniem.</translation>
    </message>
    <message>
        <source>The function called is not supported at this time.</source>
        <translation>Wywołana funkcja nie jest obecnie obsługiwana.</translation>
    </message>
    <message>
        <source>The requested COM interface is not available.</source>
        <translation>Żądany interfejs COM jest niedostępny.</translation>
    </message>
    <message>
        <source>An undetermined error occurred inside the DirectSound subsystem.</source>
        <translation>W podsystemie DirectSound wystąpił nieokreślony błąd.</translation>
    </message>
    <message>
        <source>The object does not support aggregation.</source>
        <translation>Obiekt nie obsługuje agregacji.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Odmowa dostępu.</translation>
    </message>
    <message>
        <source>The DirectSound subsystem could not allocate sufficient memory to complete the caller´s request.</source>
        <translation>Podsystem DirectSound nie mógł przydzielić dość pamięci dla żądania.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the returning function.</source>
        <translation>Do funkcji przekazano nieprawidłowy parametr.</translation>
    </message>
    <message>
        <source>The request failed because resources, such as a priority level, were already in use by another caller.</source>
        <translation>Żądanie nie powiodło się, bo zasoby, takie jak poziom priorytetu, są już używane przez innego wywołującego.</translation>
    </message>
    <message>
        <source>The control (volume, pan, and so forth) requested by the caller is not available.</source>
        <translation>Żądana regulacja (głośność, balans itp.) jest niedostępna.</translation>
    </message>
    <message>
        <source>This function is not valid for the current state of this object.</source>
        <translation>Ta funkcja jest niedozwolona w bieżącym stanie obiektu.</translation>
    </message>
    <message>
        <source>The caller does not have the priority level required for the function to succeed.</source>
        <translation>Wywołujący nie ma poziomu priorytetu wymaganego przez funkcję.</translation>
    </message>
    <message>
        <source>The specified wave format is not supported.</source>
        <translation>Podany format dźwięku nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>No sound driver is available for use.</source>
        <translation>Brak dostępnego sterownika dźwięku.</translation>
    </message>
    <message>
        <source>The object is already initialized.</source>
        <translation>Obiekt jest już zainicjowany.</translation>
    </message>
    <message>
        <source>The buffer memory has been lost and must be restored.</source>
        <translation>Pamięć bufora została utracona i trzeba ją przywrócić.</translation>
    </message>
    <message>
        <source>Another application has a higher priority level, preventing this call from succeeding.</source>
        <translation>Inny program ma wyższy priorytet, co uniemożliwia to wywołanie.</translation>
    </message>
    <message>
        <source>The IDirectSound::Initialize method has not been called or has not been called successfully before other methods were called.</source>
        <translation>Metoda IDirectSound::Initialize nie została wywołana (lub nie powiodła się) przed innymi metodami.</translation>
    </message>
    <message>
        <source>Tried to create a DSBCAPS_CTRLFX buffer shorter than DSBSIZE_FX_MIN milliseconds.</source>
        <translation>Próba utworzenia bufora DSBCAPS_CTRLFX krótszego niż DSBSIZE_FX_MIN milisekund.</translation>
    </message>
    <message>
        <source>Attempt to use DirectSound 8 functionality on an older DirectSound object.</source>
        <translation>Próba użycia funkcji DirectSound 8 na starszym obiekcie DirectSound.</translation>
    </message>
    <message>
        <source>A circular loop of send effects was detected.</source>
        <translation>Wykryto pętlę efektów wysyłki.</translation>
    </message>
    <message>
        <source>The GUID specified in an audiopath file does not match a valid MIXIN buffer.</source>
        <translation>GUID podany w pliku ścieżki dźwięku nie pasuje do żadnego bufora MIXIN.</translation>
    </message>
    <message>
        <source>The object requested was not found (numerically equal to DMUS_E_NOT_FOUND).</source>
        <translation>Nie znaleziono żądanego obiektu (równe DMUS_E_NOT_FOUND).</translation>
    </message>
    <message>
        <source>Unrecognized Error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is missing</source>
        <translation>brak wiersza „%1”</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>kierunek</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is cut short (%2)</source>
        <translation>wiersz „%1” jest ucięty (%2)</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has more than it should</source>
        <translation>wiersz „%1” zawiera za dużo</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has a wrong %2</source>
        <translation>wiersz „%1” ma błędną wartość (%2)</translation>
    </message>
    <message>
        <source>the file is cut short before &quot;%1&quot;</source>
        <translation>plik kończy się przed „%1”</translation>
    </message>
    <message>
        <source>cell codes</source>
        <translation>kody pól</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; does not hold every cell</source>
        <translation>wiersz „cells” nie zawiera wszystkich pól</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; has a wrong cell code</source>
        <translation>wiersz „cells” ma błędny kod pola</translation>
    </message>
    <message>
        <source>row</source>
        <translation>rząd</translation>
    </message>
    <message>
        <source>column</source>
        <translation>kolumna</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>obrót</translation>
    </message>
    <message>
        <source>count</source>
        <translation>liczba</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>przesunięcie</translation>
    </message>
    <message>
        <source>gem</source>
        <translation>klejnot</translation>
    </message>
    <message>
        <source>box number</source>
        <translation>numer skrzynki</translation>
    </message>
    <message>
        <source>two boxes have the same number</source>
        <translation>dwie skrzynki mają ten sam numer</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>rodzaj</translation>
    </message>
    <message>
        <source>position</source>
        <translation>położenie</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>tryb</translation>
    </message>
    <message>
        <source>relaxed</source>
        <translation>spokojny</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>ukończony</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>skrzynki</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>kształt</translation>
    </message>
    <message>
        <source>row count</source>
        <translation>liczba rzędów</translation>
    </message>
    <message>
        <source>chain</source>
        <translation>łańcuch</translation>
    </message>
    <message>
        <source>money</source>
        <translation>pieniądze</translation>
    </message>
    <message>
        <source>clearing row</source>
        <translation>usuwany rząd</translation>
    </message>
    <message>
        <source>the clearing row does not fit the mode</source>
        <translation>usuwany rząd nie pasuje do trybu</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>odliczanie</translation>
    </message>
    <message>
        <source>sparkle timer</source>
        <translation>zegar iskier</translation>
    </message>
    <message>
        <source>coin timer</source>
        <translation>zegar monet</translation>
    </message>
    <message>
        <source>the line &quot;random&quot; holds no state of the generator</source>
        <translation>wiersz „random” nie zawiera stanu generatora</translation>
    </message>
    <message>
        <source>level number</source>
        <translation>numer poziomu</translation>
    </message>
    <message>
        <source>level check</source>
        <translation>suma kontrolna poziomu</translation>
    </message>
    <message>
        <source>check sum</source>
        <translation>suma kontrolna</translation>
    </message>
    <message>
        <source>it is not a round file</source>
        <translation>to nie jest plik rozgrywanego poziomu</translation>
    </message>
    <message>
        <source>version</source>
        <translation>wersja</translation>
    </message>
    <message>
        <source>CreateSoundBuffer err</source>
        <translation>Nie można utworzyć bufora dźwięku</translation>
    </message>
    <message>
        <source>DirectSoundCreate8 err</source>
        <translation>Nie można otworzyć wyjścia dźwięku</translation>
    </message>
    <message>
        <source>Create DFTimer failed.</source>
        <translation>Nie można utworzyć zegara.</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> i %1 więcej</translation>
    </message>
    <message>
        <source>Flow cycle: %1.</source>
        <translation>Pętla przepływu: %1.</translation>
    </message>
    <message>
        <source>... and %1 more flow cycles.</source>
        <translation>... i jeszcze %1 pętli przepływu.</translation>
    </message>
    <message>
        <source>Cell %1 lists its source %2 more than once.</source>
        <translation>Pole %1 podaje swoje źródło %2 więcej niż raz.</translation>
    </message>
    <message>
        <source>Layout row %1 is already complete.</source>
        <translation>Rząd %1 układu jest już pełny.</translation>
    </message>
    <message>
        <source>%1 is %2; sensible values are %3 to %4.</source>
        <translation>%1 wynosi %2; rozsądne wartości to od %3 do %4.</translation>
    </message>
    <message>
        <source>LaserPower, BreakgroundPower and ClearGemsPower are all 0 or less: a box has nothing to give.</source>
        <translation>LaserPower, BreakgroundPower i ClearGemsPower wynoszą 0 lub mniej: skrzynka nie ma nic do dania.</translation>
    </message>
    <message>
        <source>No flow path reaches an end cell from %1.</source>
        <translation>Żadna ścieżka przepływu nie prowadzi z %1 do pola końcowego.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Nie znaleziono problemów.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;; its window was brought to the front.</source>
        <translation>Brillor I już działa dla folderu gracza &quot;%1&quot;; jego okno przeniesiono na wierzch.</translation>
    </message>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;, but its window could not be brought to the front: look for it among your open windows.</source>
        <translation>Brillor I już działa dla folderu gracza &quot;%1&quot;, ale nie udało się przenieść jego okna na wierzch: poszukaj go wśród otwartych okien.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>GAME OVER</source>
        <translation>KONIEC GRY</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Kliknij, aby kontynuować</translation>
    </message>
    <message>
        <source>TIME OUT</source>
        <translation>KONIEC CZASU</translation>
    </message>
    <message>
        <source>a puzzle of falling gems</source>
        <translation>łamigłówka spadających klejnotów</translation>
    </message>
    <message>
        <source>The Gem Road</source>
        <translation>Szlak Klejnotów</translation>
    </message>
    <message>
        <source>The Wanderer</source>
        <translation>Wędrowiec</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Pieniądze</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Cena rzędu</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Wydajność</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Ranga</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny</translation>
    </message>
</context>
<context>
    <name>PlayerFiles</name>
    <message>
        <source>It was kept as %1.</source>
        <translation>Zachowano go jako %1.</translation>
    </message>
    <message>
        <source>It could not be kept aside (%1), and it will not be written over.</source>
        <translation>Nie udało się go odłożyć (%1) i nie zostanie nadpisany.</translation>
    </message>
    <message>
        <source>The record file %1 could not be read whole:
%2
%3</source>
        <translation>Pliku statystyk %1 nie udało się odczytać w całości:
%2
%3</translation>
    </message>
    <message>
        <source> What could be read was kept.</source>
        <translation> Zachowano to, co dało się odczytać.</translation>
    </message>
    <message>
        <source> The backup %1 of the save before it was loaded instead.</source>
        <translation> Zamiast niego wczytano kopię %1 z poprzedniego zapisu.</translation>
    </message>
    <message>
        <source> Every record starts afresh.</source>
        <translation> Wszystkie statystyki zaczynają się od nowa.</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>plik jest ucięty</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); the usual settings are used. %3</source>
        <translation>Nie udało się odczytać pliku ustawień %1 (%2); użyto zwykłych ustawień. %3</translation>
    </message>
    <message>
        <source>The options file %1 could not be read whole:
%2
%3</source>
        <translation>Pliku opcji %1 nie udało się odczytać w całości:
%2
%3</translation>
    </message>
    <message>
        <source> They could not be written back yet (%1).</source>
        <translation> Nie udało się ich jeszcze zapisać z powrotem (%1).</translation>
    </message>
    <message>
        <source>The player file %1 is missing. Its backup %2 was loaded instead.</source>
        <translation>Brak pliku graczy %1. Zamiast niego wczytano jego kopię %2.</translation>
    </message>
    <message>
        <source>The player file %1 could not be read (%2).</source>
        <translation>Nie udało się odczytać pliku graczy %1 (%2).</translation>
    </message>
    <message>
        <source> It was left as it is, and this session will not be saved (%1).</source>
        <translation> Pozostawiono go bez zmian, a ta sesja nie zostanie zapisana (%1).</translation>
    </message>
    <message>
        <source> It was kept as %1.</source>
        <translation> Zachowano go jako %1.</translation>
    </message>
    <message>
        <source> There is no readable backup; the players that could be read from it were loaded.</source>
        <translation> Brak czytelnej kopii; wczytano graczy, których dało się odczytać.</translation>
    </message>
    <message>
        <source>Something other than a file stood in place of the lock file %1; it was kept as %2.</source>
        <translation>W miejscu pliku blokady %1 było coś innego niż plik; zachowano to jako %2.</translation>
    </message>
</context>
<context>
    <name>RunningStage</name>
    <message>
        <source>it was played on another level</source>
        <translation>była rozgrywana na innym poziomie</translation>
    </message>
    <message>
        <source>the level&apos;s files have changed since</source>
        <translation>pliki poziomu zmieniły się od tamtej pory</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Kliknij, aby kontynuować</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It could not be set aside either: %2. The level starts afresh.</source>
        <translation>Nie udało się wznowić bieżącego poziomu: %1. Nie udało się go też odłożyć: %2. Poziom zaczyna się od nowa.</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It is kept as &quot;%2&quot;. The level starts afresh.</source>
        <translation>Nie udało się wznowić bieżącego poziomu: %1. Zachowano go jako „%2”. Poziom zaczyna się od nowa.</translation>
    </message>
</context>
<context>
    <name>TGameApplication</name>
    <message>
        <source>Unknown error.</source>
        <translation>Nieznany błąd.</translation>
    </message>
</context>
<context>
    <name>TPauseCover</name>
    <message>
        <source>Paused</source>
        <translation>Pauza</translation>
    </message>
</context>
<context>
    <name>TStatusPanel</name>
    <message>
        <source>Beginner</source>
        <translation>Nowicjusz</translation>
    </message>
    <message>
        <source>Practician</source>
        <translation>Praktyk</translation>
    </message>
    <message>
        <source>Excellent Brillor</source>
        <translation>As Brillora</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>King Of Brillor</source>
        <translation>Król Brillora</translation>
    </message>
</context>
<context>
    <name>TfrmEditor</name>
    <message>
        <source>white</source>
        <translation>biały</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fiol.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Ziel.</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Nieb.</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czer.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otw.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Czyść</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapis</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Spr.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>SetLevel</source>
        <translation>Ustaw poziom</translation>
    </message>
    <message>
        <source>Chip</source>
        <translation>Odł.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wcz.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Nic nie zapisano.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 up, not &quot;%1&quot;.</source>
        <translation>Poziom musi być liczbą całkowitą od 1 w górę, a nie &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing was checked.</source>
        <translation>Nic nie sprawdzono.</translation>
    </message>
    <message>
        <source>The level was not played.</source>
        <translation>Poziomu nie uruchomiono.</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TfrmInput</name>
    <message>
        <source>A name can only hold Western European letters.</source>
        <translation>Nazwa może zawierać tylko litery zachodnioeuropejskie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Not a valid value.</source>
        <translation>Nieprawidłowa wartość.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>About Brillor I</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Are you sure to quit current game and change to &quot;%1&quot;?</source>
        <translation>Przerwać bieżącą grę i przejść do gracza &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Open the help page failed.
Please open &quot;%1&quot; in your web browser manually.</source>
        <translation>Nie udało się otworzyć strony pomocy.
Otwórz &quot;%1&quot; w przeglądarce samodzielnie.</translation>
    </message>
    <message>
        <source>Launch your default web browser failed.
Please enter the URL &quot;%1&quot; into your web browser manually.</source>
        <translation>Nie udało się uruchomić przeglądarki.
Wpisz adres &quot;%1&quot; w przeglądarce samodzielnie.</translation>
    </message>
    <message>
        <source>The window will be %1 % of its size from the next start.</source>
        <translation>Od następnego uruchomienia okno będzie mieć %1 % rozmiaru.</translation>
    </message>
    <message>
        <source>
It does not fit this screen: %1 % will be used.</source>
        <translation>
Nie mieści się na tym ekranie: użyte zostanie %1 %.</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TfrmMoreOptions</name>
    <message>
        <source>More Options</source>
        <translation>Więcej opcji</translation>
    </message>
    <message>
        <source>Symbols on gems</source>
        <translation>Symbole na klejnotach</translation>
    </message>
    <message>
        <source>A shape for every colour</source>
        <translation>Inny kształt dla każdego koloru</translation>
    </message>
    <message>
        <source>Relaxed pace</source>
        <translation>Spokojne tempo</translation>
    </message>
    <message>
        <source>No countdown, no automatic drop</source>
        <translation>Bez odliczania i samozrzutu</translation>
    </message>
    <message>
        <source>Drop preview</source>
        <translation>Podgląd zrzutu</translation>
    </message>
    <message>
        <source>Rows and money a drop would make</source>
        <translation>Rzędy i pieniądze ze zrzutu</translation>
    </message>
    <message>
        <source>Player records</source>
        <translation>Statystyki gracza</translation>
    </message>
    <message>
        <source>Shown in the player list</source>
        <translation>Na liście graczy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Rozmiar okna</translation>
    </message>
    <message>
        <source>Too large for this screen: %1 % used</source>
        <translation>Za duże na ekran: użyto %1 %</translation>
    </message>
    <message>
        <source>Used from the next start</source>
        <translation>Od następnego uruchomienia</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Muzyka w tle</translation>
    </message>
    <message>
        <source>(Click the bar to change music volume)</source>
        <translation>(Kliknij pasek: głośność muzyki)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>(Click the bar to change sound volume)</source>
        <translation>(Kliknij pasek: głośność dźwięku)</translation>
    </message>
    <message>
        <source>Mouse Control</source>
        <translation>Sterowanie myszą</translation>
    </message>
    <message>
        <source>(Click the icon to choice a rotate-mode)</source>
        <translation>(Kliknij ikonę: kierunek obrotu)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Więcej...</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Przeciwnie do zegara</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Zgodnie z zegarem</translation>
    </message>
</context>
<context>
    <name>TfrmPlayers</name>
    <message>
        <source>Player List</source>
        <translation>Lista graczy</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Please input a player name:</source>
        <translation>Podaj nazwę gracza:</translation>
    </message>
    <message>
        <source>Are you sure to delete player &quot;%1&quot;?</source>
        <translation>Usunąć gracza &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>
Your selected player &quot;%1&quot; is running now, you must select another player after deleted.</source>
        <translation>
Gracz &quot;%1&quot; właśnie gra; po usunięciu wybierz innego gracza.</translation>
    </message>
    <message>
        <source>Please select a existent player or create a new player.</source>
        <translation>Wybierz istniejącego gracza lub utwórz nowego.</translation>
    </message>
    <message>
        <source> +%1 relaxed</source>
        <translation> +%1 spokojnie</translation>
    </message>
    <message>
        <source>Games: %1</source>
        <translation>Gry: %1</translation>
    </message>
    <message>
        <source>Levels: %1</source>
        <translation>Poziomy: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Czas: %1</translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation>Rzędy: %1</translation>
    </message>
    <message>
        <source>Longest chain: %1</source>
        <translation>Najdłuższy łańcuch: %1</translation>
    </message>
    <message>
        <source>Best level: $%1</source>
        <translation>Najlepszy poziom: $%1</translation>
    </message>
</context>
<context>
    <name>TfrmTop10</name>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Pieniądze</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Cena rzędu</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Wydajność</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
