<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Aufruf: brillor [OPTION]
Brillor I, ein Sechseck-Puzzlespiel.

  --editor    mit dem Werkzeugfenster des Level-Editors starten (im Spiel Strg+E)
  --lang CODE in der Sprache CODE spielen (de, fr, pt_BR...) statt in der der Umgebung
  -h, --help  diese Hilfe zeigen und beenden
  --version   die Version zeigen und beenden

Ein installiertes Spiel speichert Einstellungen, Spielerliste und im Editor gespeicherte Level in
$XDG_DATA_HOME/brillor/dat (~/.local/share/brillor/dat, wenn nicht gesetzt); ein Level dort wird
statt des mitgelieferten gespielt. Ein Spiel in einem beschreibbaren Ordner nutzt dessen dat.
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a language code</source>
        <translation>Option &apos;%1&apos; braucht einen Sprachcode</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>&apos;%1 --help&apos; zeigt die Optionen.</translation>
    </message>
</context>
<context>
    <name>EditorStage</name>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Row:%1 Col:%2 Len:%3, SelRow:%4 SelCol:%5</source>
        <translation>Zeile:%1 Sp:%2 Anz:%3, AusZ:%4 AusSp:%5</translation>
    </message>
    <message>
        <source>No level file is open: choose one with &quot;Open&quot; first.</source>
        <translation>Keine Level-Datei offen: zuerst mit &quot;Öffn.&quot; eine wählen.</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not &quot;%2&quot;.</source>
        <translation>%1 muss eine ganze Zahl sein, nicht &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>DXSB SetVolume Error:%s</source>
        <translation>DXSB-Lautstärkefehler:%s</translation>
    </message>
    <message>
        <source>GetShortPathName err [%s]</source>
        <translation>Datei nicht gefunden [%s]</translation>
    </message>
    <message>
        <source>Open Error [%s]</source>
        <translation>Fehler beim Öffnen [%s]</translation>
    </message>
    <message>
        <source>Validate IO handle error: Out of File [%s]</source>
        <translation>Dateifehler: keine Datei geöffnet [%s]</translation>
    </message>
    <message>
        <source>Seed Source error. [%s]</source>
        <translation>Fehler beim Positionieren in der Datei. [%s]</translation>
    </message>
    <message>
        <source>Find chunk error: Chunk not find. [%s]</source>
        <translation>Fehler: Abschnitt nicht gefunden. [%s]</translation>
    </message>
    <message>
        <source>Bad flow data: cell %1 %2</source>
        <translation>Fehlerhafte Flussdaten: Zelle %1 %2</translation>
    </message>
    <message>
        <source>has no source count: the data ends early</source>
        <translation>hat keine Quellenzahl: die Daten enden zu früh</translation>
    </message>
    <message>
        <source>has a negative source count (%1)</source>
        <translation>hat eine negative Quellenzahl (%1)</translation>
    </message>
    <message>
        <source>lists %1 sources but the data ends first</source>
        <translation>nennt %1 Quellen, aber die Daten enden vorher</translation>
    </message>
    <message>
        <source>has a source %1 off the board</source>
        <translation>hat eine Quelle %1 außerhalb des Spielfelds</translation>
    </message>
    <message>
        <source>has a source %1 that is not its neighbour</source>
        <translation>hat eine Quelle %1, die nicht ihr Nachbar ist</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2)</source>
        <translation>das Bild ist zu groß (%1 x %2)</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>die Datei ist kein Bild</translation>
    </message>
    <message>
        <source>the picture is damaged</source>
        <translation>das Bild ist beschädigt</translation>
    </message>
    <message>
        <source>Cannot load picture [%s]</source>
        <translation>Bild kann nicht geladen werden [%s]</translation>
    </message>
    <message>
        <source>... and %1 more line</source>
        <translation>... und %1 weitere Zeile</translation>
    </message>
    <message>
        <source>... and %1 more lines</source>
        <translation>... und %1 weitere Zeilen</translation>
    </message>
    <message>
        <source>line %1 ignored: %2</source>
        <translation>Zeile %1 übergangen: %2</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>nicht gelesen: %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;: </source>
        <translation>Datei „%s“ kann nicht angelegt werden: </translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;: </source>
        <translation>Datei „%s“ kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>sie ist größer als 1 MB</translation>
    </message>
    <message>
        <source>Level file %1: %2</source>
        <translation>Level-Datei %1: %2</translation>
    </message>
    <message>
        <source>cannot be opened.</source>
        <translation>lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>is too short to hold a flow.</source>
        <translation>ist zu kurz für einen Fluss.</translation>
    </message>
    <message>
        <source>holds %1 of %2 bytes of level parameters.</source>
        <translation>enthält %1 von %2 Bytes der Level-Parameter.</translation>
    </message>
    <message>
        <source>written by another version of the game (&quot;%1&quot;)</source>
        <translation>von einer anderen Version des Spiels geschrieben („%1“)</translation>
    </message>
    <message>
        <source>line 1 is not the heading &quot;%1&quot;</source>
        <translation>Zeile 1 ist nicht die Überschrift „%1“</translation>
    </message>
    <message>
        <source>line %1 is damaged and was left out</source>
        <translation>Zeile %1 ist beschädigt und wurde ausgelassen</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>not a record file; every record starts afresh (%1)</source>
        <translation>keine Rekorddatei; alle Rekorde beginnen neu (%1)</translation>
    </message>
    <message>
        <source>no record file yet; every record starts afresh</source>
        <translation>noch keine Rekorddatei; alle Rekorde beginnen neu</translation>
    </message>
    <message>
        <source>not read (%1); every record starts afresh</source>
        <translation>nicht gelesen (%1); alle Rekorde beginnen neu</translation>
    </message>
    <message>
        <source>the file is damaged (its check sum does not match)</source>
        <translation>die Datei ist beschädigt (ihre Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <source>it was written by another version of the game</source>
        <translation>sie wurde von einer anderen Version des Spiels geschrieben</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>the file has lines after its end</source>
        <translation>die Datei hat Zeilen nach ihrem Ende</translation>
    </message>
    <message>
        <source>The request completed successfully.</source>
        <translation>Die Anforderung wurde erfolgreich ausgeführt.</translation>
    </message>
    <message>
        <source>The function called is not supported at this time.</source>
        <translation>Die aufgerufene Funktion wird derzeit nicht unterstützt.</translation>
    </message>
    <message>
        <source>The requested COM interface is not available.</source>
        <translation>Die angeforderte COM-Schnittstelle ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>An undetermined error occurred inside the DirectSound subsystem.</source>
        <translation>Im DirectSound-Subsystem ist ein unbestimmter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>The object does not support aggregation.</source>
        <translation>Das Objekt unterstützt keine Aggregation.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The DirectSound subsystem could not allocate sufficient memory to complete the caller´s request.</source>
        <translation>Das DirectSound-Subsystem konnte nicht genug Speicher für die Anforderung bereitstellen.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the returning function.</source>
        <translation>Der Funktion wurde ein ungültiger Parameter übergeben.</translation>
    </message>
    <message>
        <source>The request failed because resources, such as a priority level, were already in use by another caller.</source>
        <translation>Die Anforderung schlug fehl, weil Ressourcen wie eine Prioritätsstufe schon von einem anderen Aufrufer belegt sind.</translation>
    </message>
    <message>
        <source>The control (volume, pan, and so forth) requested by the caller is not available.</source>
        <translation>Die angeforderte Regelung (Lautstärke, Balance usw.) ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>This function is not valid for the current state of this object.</source>
        <translation>Diese Funktion ist im aktuellen Zustand des Objekts nicht zulässig.</translation>
    </message>
    <message>
        <source>The caller does not have the priority level required for the function to succeed.</source>
        <translation>Der Aufrufer hat nicht die für diese Funktion nötige Prioritätsstufe.</translation>
    </message>
    <message>
        <source>The specified wave format is not supported.</source>
        <translation>Das angegebene Wave-Format wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>No sound driver is available for use.</source>
        <translation>Kein Soundtreiber verfügbar.</translation>
    </message>
    <message>
        <source>The object is already initialized.</source>
        <translation>Das Objekt ist bereits initialisiert.</translation>
    </message>
    <message>
        <source>The buffer memory has been lost and must be restored.</source>
        <translation>Der Pufferspeicher ging verloren und muss wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Another application has a higher priority level, preventing this call from succeeding.</source>
        <translation>Ein anderes Programm hat eine höhere Prioritätsstufe, daher schlug der Aufruf fehl.</translation>
    </message>
    <message>
        <source>The IDirectSound::Initialize method has not been called or has not been called successfully before other methods were called.</source>
        <translation>IDirectSound::Initialize wurde vor anderen Methoden nicht oder nicht erfolgreich aufgerufen.</translation>
    </message>
    <message>
        <source>Tried to create a DSBCAPS_CTRLFX buffer shorter than DSBSIZE_FX_MIN milliseconds.</source>
        <translation>Versuch, einen DSBCAPS_CTRLFX-Puffer kürzer als DSBSIZE_FX_MIN Millisekunden anzulegen.</translation>
    </message>
    <message>
        <source>Attempt to use DirectSound 8 functionality on an older DirectSound object.</source>
        <translation>Versuch, Funktionen von DirectSound 8 an einem älteren DirectSound-Objekt zu nutzen.</translation>
    </message>
    <message>
        <source>A circular loop of send effects was detected.</source>
        <translation>Eine Schleife von Sendeeffekten wurde erkannt.</translation>
    </message>
    <message>
        <source>The GUID specified in an audiopath file does not match a valid MIXIN buffer.</source>
        <translation>Die GUID in einer Audiopfad-Datei passt zu keinem gültigen MIXIN-Puffer.</translation>
    </message>
    <message>
        <source>The object requested was not found (numerically equal to DMUS_E_NOT_FOUND).</source>
        <translation>Das angeforderte Objekt wurde nicht gefunden (gleich DMUS_E_NOT_FOUND).</translation>
    </message>
    <message>
        <source>Unrecognized Error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is missing</source>
        <translation>die Zeile „%1“ fehlt</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is cut short (%2)</source>
        <translation>die Zeile „%1“ ist abgeschnitten (%2)</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has more than it should</source>
        <translation>die Zeile „%1“ enthält zu viel</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has a wrong %2</source>
        <translation>die Zeile „%1“ hat einen falschen Wert (%2)</translation>
    </message>
    <message>
        <source>the file is cut short before &quot;%1&quot;</source>
        <translation>die Datei endet vor „%1“</translation>
    </message>
    <message>
        <source>cell codes</source>
        <translation>Zellcodes</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; does not hold every cell</source>
        <translation>die Zeile „cells“ enthält nicht alle Zellen</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; has a wrong cell code</source>
        <translation>die Zeile „cells“ hat einen falschen Zellcode</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>gem</source>
        <translation>Edelstein</translation>
    </message>
    <message>
        <source>box number</source>
        <translation>Kistennummer</translation>
    </message>
    <message>
        <source>two boxes have the same number</source>
        <translation>zwei Kisten haben dieselbe Nummer</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>relaxed</source>
        <translation>entspannt</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>geschafft</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>Kisten</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>row count</source>
        <translation>Reihenzahl</translation>
    </message>
    <message>
        <source>chain</source>
        <translation>Kette</translation>
    </message>
    <message>
        <source>money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>clearing row</source>
        <translation>gelöschte Reihe</translation>
    </message>
    <message>
        <source>the clearing row does not fit the mode</source>
        <translation>die gelöschte Reihe passt nicht zum Modus</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>sparkle timer</source>
        <translation>Funkel-Zeitgeber</translation>
    </message>
    <message>
        <source>coin timer</source>
        <translation>Münz-Zeitgeber</translation>
    </message>
    <message>
        <source>the line &quot;random&quot; holds no state of the generator</source>
        <translation>die Zeile „random“ enthält keinen Zustand des Zufallsgenerators</translation>
    </message>
    <message>
        <source>level number</source>
        <translation>Levelnummer</translation>
    </message>
    <message>
        <source>level check</source>
        <translation>Level-Prüfsumme</translation>
    </message>
    <message>
        <source>check sum</source>
        <translation>Prüfsumme</translation>
    </message>
    <message>
        <source>it is not a round file</source>
        <translation>es ist keine Datei eines Levels in Arbeit</translation>
    </message>
    <message>
        <source>version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>CreateSoundBuffer err</source>
        <translation>Der Klangpuffer lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>DirectSoundCreate8 err</source>
        <translation>Die Tonausgabe lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Create DFTimer failed.</source>
        <translation>Der Zeitgeber lässt sich nicht anlegen.</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>Flow cycle: %1.</source>
        <translation>Fluss-Kreis: %1.</translation>
    </message>
    <message>
        <source>... and %1 more flow cycles.</source>
        <translation>... und %1 weitere Fluss-Kreise.</translation>
    </message>
    <message>
        <source>Cell %1 lists its source %2 more than once.</source>
        <translation>Zelle %1 nennt ihre Quelle %2 mehrfach.</translation>
    </message>
    <message>
        <source>Layout row %1 is already complete.</source>
        <translation>Reihe %1 des Layouts ist schon voll.</translation>
    </message>
    <message>
        <source>%1 is %2; sensible values are %3 to %4.</source>
        <translation>%1 ist %2; sinnvoll sind %3 bis %4.</translation>
    </message>
    <message>
        <source>LaserPower, BreakgroundPower and ClearGemsPower are all 0 or less: a box has nothing to give.</source>
        <translation>LaserPower, BreakgroundPower und ClearGemsPower sind alle 0 oder kleiner: eine Kiste hat nichts zu geben.</translation>
    </message>
    <message>
        <source>No flow path reaches an end cell from %1.</source>
        <translation>Kein Flussweg führt von %1 zu einer Endzelle.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Keine Probleme gefunden.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;; its window was brought to the front.</source>
        <translation>Brillor I läuft schon für den Spielerordner &quot;%1&quot;; sein Fenster wurde nach vorn geholt.</translation>
    </message>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;, but its window could not be brought to the front: look for it among your open windows.</source>
        <translation>Brillor I läuft schon für den Spielerordner &quot;%1&quot;, aber sein Fenster ließ sich nicht nach vorn holen: bitte unter den geöffneten Fenstern danach suchen.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Klicken zum Weiterspielen</translation>
    </message>
    <message>
        <source>TIME OUT</source>
        <translation>ZEIT UM</translation>
    </message>
    <message>
        <source>a puzzle of falling gems</source>
        <translation>ein Rätsel fallender Edelsteine</translation>
    </message>
    <message>
        <source>The Gem Road</source>
        <translation>Die Edelsteinstraße</translation>
    </message>
    <message>
        <source>The Wanderer</source>
        <translation>Der Wanderer</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Reihenpreis</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Effizienz</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
</context>
<context>
    <name>PlayerFiles</name>
    <message>
        <source>It was kept as %1.</source>
        <translation>Sie wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>It could not be kept aside (%1), and it will not be written over.</source>
        <translation>Sie konnte nicht beiseitegelegt werden (%1) und wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>The record file %1 could not be read whole:
%2
%3</source>
        <translation>Die Statistikdatei %1 ließ sich nicht ganz lesen:
%2
%3</translation>
    </message>
    <message>
        <source> What could be read was kept.</source>
        <translation> Was lesbar war, wurde übernommen.</translation>
    </message>
    <message>
        <source> The backup %1 of the save before it was loaded instead.</source>
        <translation> Stattdessen wurde die Sicherung %1 des vorigen Speicherns geladen.</translation>
    </message>
    <message>
        <source> Every record starts afresh.</source>
        <translation> Alle Statistiken beginnen neu.</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>sie ist abgeschnitten</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); the usual settings are used. %3</source>
        <translation>Die Einstellungsdatei %1 ließ sich nicht lesen (%2); es gelten die üblichen Einstellungen. %3</translation>
    </message>
    <message>
        <source>The options file %1 could not be read whole:
%2
%3</source>
        <translation>Die Optionsdatei %1 ließ sich nicht ganz lesen:
%2
%3</translation>
    </message>
    <message>
        <source> They could not be written back yet (%1).</source>
        <translation> Sie konnten noch nicht zurückgeschrieben werden (%1).</translation>
    </message>
    <message>
        <source>The player file %1 is missing. Its backup %2 was loaded instead.</source>
        <translation>Die Spielerdatei %1 fehlt. Stattdessen wurde ihre Sicherung %2 geladen.</translation>
    </message>
    <message>
        <source>The player file %1 could not be read (%2).</source>
        <translation>Die Spielerdatei %1 ließ sich nicht lesen (%2).</translation>
    </message>
    <message>
        <source> It was left as it is, and this session will not be saved (%1).</source>
        <translation> Sie blieb unverändert, und diese Sitzung wird nicht gespeichert (%1).</translation>
    </message>
    <message>
        <source> It was kept as %1.</source>
        <translation> Sie wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source> There is no readable backup; the players that could be read from it were loaded.</source>
        <translation> Es gibt keine lesbare Sicherung; die lesbaren Spieler daraus wurden geladen.</translation>
    </message>
    <message>
        <source>Something other than a file stood in place of the lock file %1; it was kept as %2.</source>
        <translation>An der Stelle der Sperrdatei %1 stand keine Datei; was dort war, wurde als %2 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>RunningStage</name>
    <message>
        <source>it was played on another level</source>
        <translation>sie wurde auf einem anderen Level gespielt</translation>
    </message>
    <message>
        <source>the level&apos;s files have changed since</source>
        <translation>die Dateien des Levels haben sich seitdem geändert</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Klicken zum Weiterspielen</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It could not be set aside either: %2. The level starts afresh.</source>
        <translation>Das laufende Level konnte nicht fortgesetzt werden: %1. Es konnte auch nicht beiseitegelegt werden: %2. Das Level beginnt von vorn.</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It is kept as &quot;%2&quot;. The level starts afresh.</source>
        <translation>Das laufende Level konnte nicht fortgesetzt werden: %1. Es wird als „%2“ aufbewahrt. Das Level beginnt von vorn.</translation>
    </message>
</context>
<context>
    <name>TGameApplication</name>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
</context>
<context>
    <name>TPauseCover</name>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>TStatusPanel</name>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Practician</source>
        <translation>Praktiker</translation>
    </message>
    <message>
        <source>Excellent Brillor</source>
        <translation>Brillor-Ass</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>King Of Brillor</source>
        <translation>König von Brillor</translation>
    </message>
</context>
<context>
    <name>TfrmEditor</name>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffn.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sich.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüf.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>SetLevel</source>
        <translation>Level setzen</translation>
    </message>
    <message>
        <source>Chip</source>
        <translation>Chip</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Lad.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 up, not &quot;%1&quot;.</source>
        <translation>Das Level muss eine ganze Zahl ab 1 sein, nicht &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing was checked.</source>
        <translation>Nichts wurde geprüft.</translation>
    </message>
    <message>
        <source>The level was not played.</source>
        <translation>Das Level wurde nicht gespielt.</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TfrmInput</name>
    <message>
        <source>A name can only hold Western European letters.</source>
        <translation>Ein Name darf nur westeuropäische Buchstaben enthalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Not a valid value.</source>
        <translation>Kein gültiger Wert.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About Brillor I</source>
        <translation>Über Brillor I</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Are you sure to quit current game and change to &quot;%1&quot;?</source>
        <translation>Das laufende Spiel wirklich beenden und zu &quot;%1&quot; wechseln?</translation>
    </message>
    <message>
        <source>Open the help page failed.
Please open &quot;%1&quot; in your web browser manually.</source>
        <translation>Die Hilfeseite ließ sich nicht öffnen.
Bitte &quot;%1&quot; selbst im Webbrowser öffnen.</translation>
    </message>
    <message>
        <source>Launch your default web browser failed.
Please enter the URL &quot;%1&quot; into your web browser manually.</source>
        <translation>Der Webbrowser ließ sich nicht starten.
Bitte die Adresse &quot;%1&quot; selbst im Webbrowser eingeben.</translation>
    </message>
    <message>
        <source>The window will be %1 % of its size from the next start.</source>
        <translation>Das Fenster hat ab dem nächsten Start %1 % seiner Größe.</translation>
    </message>
    <message>
        <source>
It does not fit this screen: %1 % will be used.</source>
        <translation>
Das passt nicht auf diesen Bildschirm: %1 % werden genutzt.</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmMoreOptions</name>
    <message>
        <source>More Options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>Symbols on gems</source>
        <translation>Symbole auf Steinen</translation>
    </message>
    <message>
        <source>A shape for every colour</source>
        <translation>Eine Form für jede Farbe</translation>
    </message>
    <message>
        <source>Relaxed pace</source>
        <translation>Gemütliches Tempo</translation>
    </message>
    <message>
        <source>No countdown, no automatic drop</source>
        <translation>Kein Countdown, kein Selbstabwurf</translation>
    </message>
    <message>
        <source>Drop preview</source>
        <translation>Abwurf-Vorschau</translation>
    </message>
    <message>
        <source>Rows and money a drop would make</source>
        <translation>Reihen und Geld eines Abwurfs</translation>
    </message>
    <message>
        <source>Player records</source>
        <translation>Spielerstatistik</translation>
    </message>
    <message>
        <source>Shown in the player list</source>
        <translation>In der Spielerliste gezeigt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Fenstergröße</translation>
    </message>
    <message>
        <source>Too large for this screen: %1 % used</source>
        <translation>Zu groß für den Bildschirm: %1 %</translation>
    </message>
    <message>
        <source>Used from the next start</source>
        <translation>Gilt ab dem nächsten Start</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Hintergrundmusik</translation>
    </message>
    <message>
        <source>(Click the bar to change music volume)</source>
        <translation>(Balken anklicken: Musiklautstärke)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>(Click the bar to change sound volume)</source>
        <translation>(Balken anklicken: Klanglautstärke)</translation>
    </message>
    <message>
        <source>Mouse Control</source>
        <translation>Maussteuerung</translation>
    </message>
    <message>
        <source>(Click the icon to choice a rotate-mode)</source>
        <translation>(Bild anklicken: Drehrichtung wählen)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Mehr...</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Im Uhrzeigersinn</translation>
    </message>
</context>
<context>
    <name>TfrmPlayers</name>
    <message>
        <source>Player List</source>
        <translation>Spielerliste</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Please input a player name:</source>
        <translation>Bitte einen Spielernamen eingeben:</translation>
    </message>
    <message>
        <source>Are you sure to delete player &quot;%1&quot;?</source>
        <translation>Spieler &quot;%1&quot; wirklich löschen?</translation>
    </message>
    <message>
        <source>
Your selected player &quot;%1&quot; is running now, you must select another player after deleted.</source>
        <translation>
Der gewählte Spieler &quot;%1&quot; spielt gerade; nach dem Löschen bitte einen anderen wählen.</translation>
    </message>
    <message>
        <source>Please select a existent player or create a new player.</source>
        <translation>Bitte einen vorhandenen Spieler wählen oder einen neuen anlegen.</translation>
    </message>
    <message>
        <source> +%1 relaxed</source>
        <translation> +%1 gemütlich</translation>
    </message>
    <message>
        <source>Games: %1</source>
        <translation>Spiele: %1</translation>
    </message>
    <message>
        <source>Levels: %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation>Reihen: %1</translation>
    </message>
    <message>
        <source>Longest chain: %1</source>
        <translation>Längste Kette: %1</translation>
    </message>
    <message>
        <source>Best level: $%1</source>
        <translation>Bestes Level: $%1</translation>
    </message>
</context>
<context>
    <name>TfrmTop10</name>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Reihenpreis</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Effizienz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
