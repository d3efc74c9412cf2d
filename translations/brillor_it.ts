<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Uso: brillor [OPZIONE]
Brillor I, un rompicapo a esagoni.

  --editor    avvia con la finestra strumenti dell&apos;editor di livelli (Ctrl+E nel gioco)
  --lang CODE gioca nella lingua CODE (de, fr, pt_BR...) invece di quella dell&apos;ambiente
  -h, --help  mostra questo aiuto ed esce
  --version   mostra la versione ed esce

Un gioco installato tiene le impostazioni, l&apos;elenco dei giocatori e i livelli salvati dall&apos;editor
in $XDG_DATA_HOME/brillor/dat (~/.local/share/brillor/dat se non è impostata); un livello lì
si gioca al posto di quello fornito. Un gioco avviato da una cartella scrivibile li tiene nel suo dat.
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a language code</source>
        <translation>l&apos;opzione &apos;%1&apos; richiede un codice di lingua</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>&apos;%1 --help&apos; elenca le opzioni.</translation>
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
        <translation>Riga:%1 Col:%2 Num:%3, SelRiga:%4 SelCol:%5</translation>
    </message>
    <message>
        <source>No level file is open: choose one with &quot;Open&quot; first.</source>
        <translation>Nessun file di livello aperto: scegline prima uno con &quot;Apri&quot;.</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not &quot;%2&quot;.</source>
        <translation>%1 deve essere un numero intero, non &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>DXSB SetVolume Error:%s</source>
        <translation>Errore di volume DXSB:%s</translation>
    </message>
    <message>
        <source>GetShortPathName err [%s]</source>
        <translation>File non trovato [%s]</translation>
    </message>
    <message>
        <source>Open Error [%s]</source>
        <translation>Errore di apertura [%s]</translation>
    </message>
    <message>
        <source>Validate IO handle error: Out of File [%s]</source>
        <translation>Errore di file: nessun file aperto [%s]</translation>
    </message>
    <message>
        <source>Seed Source error. [%s]</source>
        <translation>Errore di posizionamento nel file. [%s]</translation>
    </message>
    <message>
        <source>Find chunk error: Chunk not find. [%s]</source>
        <translation>Errore: blocco non trovato. [%s]</translation>
    </message>
    <message>
        <source>Bad flow data: cell %1 %2</source>
        <translation>Dati di flusso errati: cella %1 %2</translation>
    </message>
    <message>
        <source>has no source count: the data ends early</source>
        <translation>non ha un numero di origini: i dati finiscono prima</translation>
    </message>
    <message>
        <source>has a negative source count (%1)</source>
        <translation>ha un numero di origini negativo (%1)</translation>
    </message>
    <message>
        <source>lists %1 sources but the data ends first</source>
        <translation>indica %1 origini ma i dati finiscono prima</translation>
    </message>
    <message>
        <source>has a source %1 off the board</source>
        <translation>ha un&apos;origine %1 fuori dal tabellone</translation>
    </message>
    <message>
        <source>has a source %1 that is not its neighbour</source>
        <translation>ha un&apos;origine %1 che non è sua vicina</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2)</source>
        <translation>l&apos;immagine è troppo grande (%1 x %2)</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>il file è troncato</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>il file non si può aprire</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>il file manca</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>il file non è un&apos;immagine</translation>
    </message>
    <message>
        <source>the picture is damaged</source>
        <translation>l&apos;immagine è danneggiata</translation>
    </message>
    <message>
        <source>Cannot load picture [%s]</source>
        <translation>Impossibile caricare l&apos;immagine [%s]</translation>
    </message>
    <message>
        <source>... and %1 more line</source>
        <translation>... e %1 riga in più</translation>
    </message>
    <message>
        <source>... and %1 more lines</source>
        <translation>... e %1 righe in più</translation>
    </message>
    <message>
        <source>line %1 ignored: %2</source>
        <translation>riga %1 ignorata: %2</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>non letto: %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;: </source>
        <translation>Impossibile creare il file «%s»: </translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;: </source>
        <translation>Impossibile aprire il file «%s»: </translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>supera 1 MB</translation>
    </message>
    <message>
        <source>Level file %1: %2</source>
        <translation>File del livello %1: %2</translation>
    </message>
    <message>
        <source>cannot be opened.</source>
        <translation>non si può aprire.</translation>
    </message>
    <message>
        <source>is too short to hold a flow.</source>
        <translation>è troppo corto per contenere un flusso.</translation>
    </message>
    <message>
        <source>holds %1 of %2 bytes of level parameters.</source>
        <translation>contiene %1 dei %2 byte di parametri del livello.</translation>
    </message>
    <message>
        <source>written by another version of the game (&quot;%1&quot;)</source>
        <translation>scritto da un&apos;altra versione del gioco («%1»)</translation>
    </message>
    <message>
        <source>line 1 is not the heading &quot;%1&quot;</source>
        <translation>la riga 1 non è l&apos;intestazione «%1»</translation>
    </message>
    <message>
        <source>line %1 is damaged and was left out</source>
        <translation>la riga %1 è danneggiata ed è stata tralasciata</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>not a record file; every record starts afresh (%1)</source>
        <translation>non è un file di record; tutti i record ripartono da zero (%1)</translation>
    </message>
    <message>
        <source>no record file yet; every record starts afresh</source>
        <translation>ancora nessun file di record; tutti i record ripartono da zero</translation>
    </message>
    <message>
        <source>not read (%1); every record starts afresh</source>
        <translation>non letto (%1); tutti i record ripartono da zero</translation>
    </message>
    <message>
        <source>the file is damaged (its check sum does not match)</source>
        <translation>il file è danneggiato (la somma di controllo non corrisponde)</translation>
    </message>
    <message>
        <source>it was written by another version of the game</source>
        <translation>è stato scritto da un&apos;altra versione del gioco</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>il file è troppo grande</translation>
    </message>
    <message>
        <source>the file has lines after its end</source>
        <translation>il file ha righe dopo la fine</translation>
    </message>
    <message>
        <source>The request completed successfully.</source>
        <translation>La richiesta è stata completata.</translation>
    </message>
    <message>
        <source>The function called is not supported at this time.</source>
        <translation>La funzione chiamata non è supportata al momento.</translation>
    </message>
    <message>
        <source>The requested COM interface is not available.</source>
        <translation>L&apos;interfaccia COM richiesta non è disponibile.</translation>
    </message>
    <message>
        <source>An undetermined error occurred inside the DirectSound subsystem.</source>
        <translation>Si è verificato un errore indeterminato nel sottosistema DirectSound.</translation>
    </message>
    <message>
        <source>The object does not support aggregation.</source>
        <translation>L&apos;oggetto non supporta l&apos;aggregazione.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Accesso negato.</translation>
    </message>
    <message>
        <source>The DirectSound subsystem could not allocate sufficient memory to complete the caller´s request.</source>
        <translation>Il sottosistema DirectSound non ha potuto allocare memoria sufficiente per la richiesta.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the returning function.</source>
        <translation>È stato passato un parametro non valido alla funzione.</translation>
    </message>
    <message>
        <source>The request failed because resources, such as a priority level, were already in use by another caller.</source>
        <translation>La richiesta non è riuscita perché risorse come un livello di priorità erano già in uso da un altro chiamante.</translation>
    </message>
    <message>
        <source>The control (volume, pan, and so forth) requested by the caller is not available.</source>
        <translation>Il controllo richiesto (volume, bilanciamento, ecc.) non è disponibile.</translation>
    </message>
    <message>
        <source>This function is not valid for the current state of this object.</source>
        <translation>Questa funzione non è valida nello stato attuale dell&apos;oggetto.</translation>
    </message>
    <message>
        <source>The caller does not have the priority level required for the function to succeed.</source>
        <translation>Il chiamante non ha il livello di priorità richiesto dalla funzione.</translation>
    </message>
    <message>
        <source>The specified wave format is not supported.</source>
        <translation>Il formato audio indicato non è supportato.</translation>
    </message>
    <message>
        <source>No sound driver is available for use.</source>
        <translation>Nessun driver audio disponibile.</translation>
    </message>
    <message>
        <source>The object is already initialized.</source>
        <translation>L&apos;oggetto è già inizializzato.</translation>
    </message>
    <message>
        <source>The buffer memory has been lost and must be restored.</source>
        <translation>La memoria del buffer è andata persa e va ripristinata.</translation>
    </message>
    <message>
        <source>Another application has a higher priority level, preventing this call from succeeding.</source>
        <translation>Un&apos;altra applicazione ha un livello di priorità più alto e impedisce la riuscita della chiamata.</translation>
    </message>
    <message>
        <source>The IDirectSound::Initialize method has not been called or has not been called successfully before other methods were called.</source>
        <translation>Il metodo IDirectSound::Initialize non è stato chiamato, o non con successo, prima degli altri metodi.</translation>
    </message>
    <message>
        <source>Tried to create a DSBCAPS_CTRLFX buffer shorter than DSBSIZE_FX_MIN milliseconds.</source>
        <translation>Tentativo di creare un buffer DSBCAPS_CTRLFX più corto di DSBSIZE_FX_MIN millisecondi.</translation>
    </message>
    <message>
        <source>Attempt to use DirectSound 8 functionality on an older DirectSound object.</source>
        <translation>Tentativo di usare funzioni di DirectSound 8 su un oggetto DirectSound più vecchio.</translation>
    </message>
    <message>
        <source>A circular loop of send effects was detected.</source>
        <translation>È stato rilevato un ciclo di effetti di mandata.</translation>
    </message>
    <message>
        <source>The GUID specified in an audiopath file does not match a valid MIXIN buffer.</source>
        <translation>Il GUID indicato in un file di percorso audio non corrisponde a un buffer MIXIN valido.</translation>
    </message>
    <message>
        <source>The object requested was not found (numerically equal to DMUS_E_NOT_FOUND).</source>
        <translation>L&apos;oggetto richiesto non è stato trovato (uguale a DMUS_E_NOT_FOUND).</translation>
    </message>
    <message>
        <source>Unrecognized Error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is missing</source>
        <translation>manca la riga «%1»</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>direzione</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is cut short (%2)</source>
        <translation>la riga «%1» è troncata (%2)</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has more than it should</source>
        <translation>la riga «%1» contiene troppo</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has a wrong %2</source>
        <translation>la riga «%1» ha un valore errato (%2)</translation>
    </message>
    <message>
        <source>the file is cut short before &quot;%1&quot;</source>
        <translation>il file finisce prima di «%1»</translation>
    </message>
    <message>
        <source>cell codes</source>
        <translation>codici delle celle</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; does not hold every cell</source>
        <translation>la riga «cells» non contiene tutte le celle</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; has a wrong cell code</source>
        <translation>la riga «cells» ha un codice di cella errato</translation>
    </message>
    <message>
        <source>row</source>
        <translation>riga</translation>
    </message>
    <message>
        <source>column</source>
        <translation>colonna</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>rotazione</translation>
    </message>
    <message>
        <source>count</source>
        <translation>numero</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>scostamento</translation>
    </message>
    <message>
        <source>gem</source>
        <translation>gemma</translation>
    </message>
    <message>
        <source>box number</source>
        <translation>numero della scatola</translation>
    </message>
    <message>
        <source>two boxes have the same number</source>
        <translation>due scatole hanno lo stesso numero</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>position</source>
        <translation>posizione</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modalità</translation>
    </message>
    <message>
        <source>relaxed</source>
        <translation>rilassato</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>superato</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>scatole</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>forma</translation>
    </message>
    <message>
        <source>row count</source>
        <translation>numero di righe</translation>
    </message>
    <message>
        <source>chain</source>
        <translation>catena</translation>
    </message>
    <message>
        <source>money</source>
        <translation>soldi</translation>
    </message>
    <message>
        <source>clearing row</source>
        <translation>riga in rimozione</translation>
    </message>
    <message>
        <source>the clearing row does not fit the mode</source>
        <translation>la riga in rimozione non corrisponde alla modalità</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>conto alla rovescia</translation>
    </message>
    <message>
        <source>sparkle timer</source>
        <translation>timer dei bagliori</translation>
    </message>
    <message>
        <source>coin timer</source>
        <translation>timer delle monete</translation>
    </message>
    <message>
        <source>the line &quot;random&quot; holds no state of the generator</source>
        <translation>la riga «random» non contiene uno stato del generatore</translation>
    </message>
    <message>
        <source>level number</source>
        <translation>numero del livello</translation>
    </message>
    <message>
        <source>level check</source>
        <translation>controllo del livello</translation>
    </message>
    <message>
        <source>check sum</source>
        <translation>somma di controllo</translation>
    </message>
    <message>
        <source>it is not a round file</source>
        <translation>non è un file di partita in corso</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versione</translation>
    </message>
    <message>
        <source>CreateSoundBuffer err</source>
        <translation>Impossibile creare il buffer audio</translation>
    </message>
    <message>
        <source>DirectSoundCreate8 err</source>
        <translation>Impossibile aprire l&apos;uscita audio</translation>
    </message>
    <message>
        <source>Create DFTimer failed.</source>
        <translation>Impossibile creare il timer.</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> e altre %1</translation>
    </message>
    <message>
        <source>Flow cycle: %1.</source>
        <translation>Ciclo di flusso: %1.</translation>
    </message>
    <message>
        <source>... and %1 more flow cycles.</source>
        <translation>... e altri %1 cicli di flusso.</translation>
    </message>
    <message>
        <source>Cell %1 lists its source %2 more than once.</source>
        <translation>La cella %1 elenca la sorgente %2 più volte.</translation>
    </message>
    <message>
        <source>Layout row %1 is already complete.</source>
        <translation>La riga %1 dello schema è già completa.</translation>
    </message>
    <message>
        <source>%1 is %2; sensible values are %3 to %4.</source>
        <translation>%1 vale %2; valori sensati vanno da %3 a %4.</translation>
    </message>
    <message>
        <source>LaserPower, BreakgroundPower and ClearGemsPower are all 0 or less: a box has nothing to give.</source>
        <translation>LaserPower, BreakgroundPower e ClearGemsPower sono tutti 0 o meno: una scatola non ha nulla da dare.</translation>
    </message>
    <message>
        <source>No flow path reaches an end cell from %1.</source>
        <translation>Nessun percorso di flusso porta a una cella finale da %1.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Nessun problema trovato.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;; its window was brought to the front.</source>
        <translation>Brillor I è già in esecuzione per la cartella giocatore &quot;%1&quot;; la sua finestra è stata portata in primo piano.</translation>
    </message>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;, but its window could not be brought to the front: look for it among your open windows.</source>
        <translation>Brillor I è già in esecuzione per la cartella giocatore &quot;%1&quot;, ma non è stato possibile portare la sua finestra in primo piano: cercala tra le finestre aperte.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>GAME OVER</source>
        <translation>FINE PARTITA</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Fai clic per continuare</translation>
    </message>
    <message>
        <source>TIME OUT</source>
        <translation>TEMPO SCADUTO</translation>
    </message>
    <message>
        <source>a puzzle of falling gems</source>
        <translation>un rompicapo di gemme che cadono</translation>
    </message>
    <message>
        <source>The Gem Road</source>
        <translation>La Via delle Gemme</translation>
    </message>
    <message>
        <source>The Wanderer</source>
        <translation>Il Viandante</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Soldi</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Prezzo unitario</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Efficienza</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Grado</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Prossimo</translation>
    </message>
</context>
<context>
    <name>PlayerFiles</name>
    <message>
        <source>It was kept as %1.</source>
        <translation>È stato conservato come %1.</translation>
    </message>
    <message>
        <source>It could not be kept aside (%1), and it will not be written over.</source>
        <translation>Non è stato possibile metterlo da parte (%1) e non verrà sovrascritto.</translation>
    </message>
    <message>
        <source>The record file %1 could not be read whole:
%2
%3</source>
        <translation>Il file delle statistiche %1 non è stato letto per intero:
%2
%3</translation>
    </message>
    <message>
        <source> What could be read was kept.</source>
        <translation> Ciò che è stato letto è stato conservato.</translation>
    </message>
    <message>
        <source> The backup %1 of the save before it was loaded instead.</source>
        <translation> Al suo posto è stato caricato il backup %1 del salvataggio precedente.</translation>
    </message>
    <message>
        <source> Every record starts afresh.</source>
        <translation> Tutte le statistiche ripartono da zero.</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>è troncato</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); the usual settings are used. %3</source>
        <translation>Il file delle impostazioni %1 non è stato letto (%2); si usano le impostazioni consuete. %3</translation>
    </message>
    <message>
        <source>The options file %1 could not be read whole:
%2
%3</source>
        <translation>Il file delle opzioni %1 non è stato letto per intero:
%2
%3</translation>
    </message>
    <message>
        <source> They could not be written back yet (%1).</source>
        <translation> Non è stato ancora possibile riscriverli (%1).</translation>
    </message>
    <message>
        <source>The player file %1 is missing. Its backup %2 was loaded instead.</source>
        <translation>Il file dei giocatori %1 manca. Al suo posto è stato caricato il backup %2.</translation>
    </message>
    <message>
        <source>The player file %1 could not be read (%2).</source>
        <translation>Il file dei giocatori %1 non è stato letto (%2).</translation>
    </message>
    <message>
        <source> It was left as it is, and this session will not be saved (%1).</source>
        <translation> È stato lasciato com&apos;è e questa sessione non verrà salvata (%1).</translation>
    </message>
    <message>
        <source> It was kept as %1.</source>
        <translation> È stato conservato come %1.</translation>
    </message>
    <message>
        <source> There is no readable backup; the players that could be read from it were loaded.</source>
        <translation> Nessun backup leggibile; sono stati caricati i giocatori che è stato possibile leggere.</translation>
    </message>
    <message>
        <source>Something other than a file stood in place of the lock file %1; it was kept as %2.</source>
        <translation>Al posto del file di blocco %1 c&apos;era qualcosa che non è un file; è stato conservato come %2.</translation>
    </message>
</context>
<context>
    <name>RunningStage</name>
    <message>
        <source>it was played on another level</source>
        <translation>è stata giocata su un altro livello</translation>
    </message>
    <message>
        <source>the level&apos;s files have changed since</source>
        <translation>i file del livello sono cambiati da allora</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Fai clic per continuare</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It could not be set aside either: %2. The level starts afresh.</source>
        <translation>Non è stato possibile riprendere il livello in corso: %1. Non è stato possibile nemmeno metterlo da parte: %2. Il livello ricomincia.</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It is kept as &quot;%2&quot;. The level starts afresh.</source>
        <translation>Non è stato possibile riprendere il livello in corso: %1. È conservato come «%2». Il livello ricomincia.</translation>
    </message>
</context>
<context>
    <name>TGameApplication</name>
    <message>
        <source>Unknown error.</source>
        <translation>Errore sconosciuto.</translation>
    </message>
</context>
<context>
    <name>TPauseCover</name>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
</context>
<context>
    <name>TStatusPanel</name>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Practician</source>
        <translation>Apprendista</translation>
    </message>
    <message>
        <source>Excellent Brillor</source>
        <translation>Asso di Brillor</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>King Of Brillor</source>
        <translation>Re di Brillor</translation>
    </message>
</context>
<context>
    <name>TfrmEditor</name>
    <message>
        <source>white</source>
        <translation>bian</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verd</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Ros.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Pulis</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verif</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>SetLevel</source>
        <translation>Imposta liv.</translation>
    </message>
    <message>
        <source>Chip</source>
        <translation>Sch.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Vuo.</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Car.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 up, not &quot;%1&quot;.</source>
        <translation>Il livello deve essere un numero intero da 1 in su, non &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing was checked.</source>
        <translation>Non è stato verificato nulla.</translation>
    </message>
    <message>
        <source>The level was not played.</source>
        <translation>Il livello non è stato giocato.</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>TfrmInput</name>
    <message>
        <source>A name can only hold Western European letters.</source>
        <translation>Un nome può contenere solo lettere dell&apos;Europa occidentale.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Not a valid value.</source>
        <translation>Valore non valido.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>About Brillor I</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Are you sure to quit current game and change to &quot;%1&quot;?</source>
        <translation>Lasciare la partita in corso e passare a &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Open the help page failed.
Please open &quot;%1&quot; in your web browser manually.</source>
        <translation>Impossibile aprire la pagina di aiuto.
Apri &quot;%1&quot; nel tuo browser.</translation>
    </message>
    <message>
        <source>Launch your default web browser failed.
Please enter the URL &quot;%1&quot; into your web browser manually.</source>
        <translation>Impossibile avviare il browser.
Inserisci l&apos;indirizzo &quot;%1&quot; nel tuo browser.</translation>
    </message>
    <message>
        <source>The window will be %1 % of its size from the next start.</source>
        <translation>Dal prossimo avvio la finestra sarà al %1 % della sua misura.</translation>
    </message>
    <message>
        <source>
It does not fit this screen: %1 % will be used.</source>
        <translation>
Non entra in questo schermo: verrà usato il %1 %.</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TfrmMoreOptions</name>
    <message>
        <source>More Options</source>
        <translation>Altre opzioni</translation>
    </message>
    <message>
        <source>Symbols on gems</source>
        <translation>Simboli sulle gemme</translation>
    </message>
    <message>
        <source>A shape for every colour</source>
        <translation>Una forma per ogni colore</translation>
    </message>
    <message>
        <source>Relaxed pace</source>
        <translation>Ritmo tranquillo</translation>
    </message>
    <message>
        <source>No countdown, no automatic drop</source>
        <translation>Niente conto alla rovescia né caduta</translation>
    </message>
    <message>
        <source>Drop preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Rows and money a drop would make</source>
        <translation>Righe e soldi di una mossa</translation>
    </message>
    <message>
        <source>Player records</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Shown in the player list</source>
        <translation>Nell&apos;elenco giocatori</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Dimensione finestra</translation>
    </message>
    <message>
        <source>Too large for this screen: %1 % used</source>
        <translation>Troppo grande: usato il %1 %</translation>
    </message>
    <message>
        <source>Used from the next start</source>
        <translation>Dal prossimo avvio</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Musica di sottofondo</translation>
    </message>
    <message>
        <source>(Click the bar to change music volume)</source>
        <translation>(Clic sulla barra: volume musica)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>(Click the bar to change sound volume)</source>
        <translation>(Clic sulla barra: volume suoni)</translation>
    </message>
    <message>
        <source>Mouse Control</source>
        <translation>Controllo del mouse</translation>
    </message>
    <message>
        <source>(Click the icon to choice a rotate-mode)</source>
        <translation>(Clic sull&apos;icona: verso di rotazione)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Altro...</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Antiorario</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Orario</translation>
    </message>
</context>
<context>
    <name>TfrmPlayers</name>
    <message>
        <source>Player List</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Please input a player name:</source>
        <translation>Inserisci il nome del giocatore:</translation>
    </message>
    <message>
        <source>Are you sure to delete player &quot;%1&quot;?</source>
        <translation>Eliminare il giocatore &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>
Your selected player &quot;%1&quot; is running now, you must select another player after deleted.</source>
        <translation>
Il giocatore &quot;%1&quot; sta giocando ora; dopo l&apos;eliminazione scegline un altro.</translation>
    </message>
    <message>
        <source>Please select a existent player or create a new player.</source>
        <translation>Scegli un giocatore esistente o creane uno nuovo.</translation>
    </message>
    <message>
        <source> +%1 relaxed</source>
        <translation> +%1 tranquilli</translation>
    </message>
    <message>
        <source>Games: %1</source>
        <translation>Partite: %1</translation>
    </message>
    <message>
        <source>Levels: %1</source>
        <translation>Livelli: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation>Righe: %1</translation>
    </message>
    <message>
        <source>Longest chain: %1</source>
        <translation>Catena più lunga: %1</translation>
    </message>
    <message>
        <source>Best level: $%1</source>
        <translation>Miglior livello: $%1</translation>
    </message>
</context>
<context>
    <name>TfrmTop10</name>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Soldi</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Prezzo unitario</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Efficienza</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
