<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Usage : brillor [OPTION]
Brillor I, un jeu de réflexion à hexagones.

  --editor    démarrer avec la fenêtre d&apos;outils de l&apos;éditeur de niveaux (Ctrl+E en jeu)
  --lang CODE jouer dans la langue CODE (de, fr, pt_BR...) au lieu de celle de l&apos;environnement
  -h, --help  afficher cette aide et quitter
  --version   afficher la version et quitter

Un jeu installé garde les réglages, la liste des joueurs et les niveaux enregistrés par l&apos;éditeur
dans $XDG_DATA_HOME/brillor/dat (~/.local/share/brillor/dat s&apos;il n&apos;est pas défini) ; un niveau
qui s&apos;y trouve remplace celui fourni. Un jeu lancé d&apos;un dossier modifiable les garde dans son dat.
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a language code</source>
        <translation>l&apos;option &apos;%1&apos; attend un code de langue</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>&apos;%1 --help&apos; liste les options.</translation>
    </message>
</context>
<context>
    <name>EditorStage</name>
    <message>
        <source>Editor</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>Row:%1 Col:%2 Len:%3, SelRow:%4 SelCol:%5</source>
        <translation>Lig:%1 Col:%2 Nb:%3, SélLig:%4 SélCol:%5</translation>
    </message>
    <message>
        <source>No level file is open: choose one with &quot;Open&quot; first.</source>
        <translation>Aucun fichier de niveau ouvert : choisissez-en un avec &quot;Ouvr.&quot; d&apos;abord.</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not &quot;%2&quot;.</source>
        <translation>%1 doit être un nombre entier, pas &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>DXSB SetVolume Error:%s</source>
        <translation>Erreur de volume DXSB :%s</translation>
    </message>
    <message>
        <source>GetShortPathName err [%s]</source>
        <translation>Fichier introuvable [%s]</translation>
    </message>
    <message>
        <source>Open Error [%s]</source>
        <translation>Erreur d&apos;ouverture [%s]</translation>
    </message>
    <message>
        <source>Validate IO handle error: Out of File [%s]</source>
        <translation>Erreur de fichier : aucun fichier ouvert [%s]</translation>
    </message>
    <message>
        <source>Seed Source error. [%s]</source>
        <translation>Erreur de positionnement dans le fichier. [%s]</translation>
    </message>
    <message>
        <source>Find chunk error: Chunk not find. [%s]</source>
        <translation>Erreur : bloc introuvable. [%s]</translation>
    </message>
    <message>
        <source>Bad flow data: cell %1 %2</source>
        <translation>Données de flux erronées : case %1 %2</translation>
    </message>
    <message>
        <source>has no source count: the data ends early</source>
        <translation>n&apos;a pas de nombre de sources : les données s&apos;arrêtent trop tôt</translation>
    </message>
    <message>
        <source>has a negative source count (%1)</source>
        <translation>a un nombre de sources négatif (%1)</translation>
    </message>
    <message>
        <source>lists %1 sources but the data ends first</source>
        <translation>annonce %1 sources mais les données s&apos;arrêtent avant</translation>
    </message>
    <message>
        <source>has a source %1 off the board</source>
        <translation>a une source %1 hors du plateau</translation>
    </message>
    <message>
        <source>has a source %1 that is not its neighbour</source>
        <translation>a une source %1 qui n&apos;est pas sa voisine</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2)</source>
        <translation>l&apos;image est trop grande (%1 x %2)</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>le fichier ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>le fichier est absent</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>le fichier n&apos;est pas une image</translation>
    </message>
    <message>
        <source>the picture is damaged</source>
        <translation>l&apos;image est endommagée</translation>
    </message>
    <message>
        <source>Cannot load picture [%s]</source>
        <translation>Impossible de charger l&apos;image [%s]</translation>
    </message>
    <message>
        <source>... and %1 more line</source>
        <translation>... et %1 ligne de plus</translation>
    </message>
    <message>
        <source>... and %1 more lines</source>
        <translation>... et %1 lignes de plus</translation>
    </message>
    <message>
        <source>line %1 ignored: %2</source>
        <translation>ligne %1 ignorée : %2</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>non lu : %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;: </source>
        <translation>Impossible de créer le fichier « %s » : </translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;: </source>
        <translation>Impossible d&apos;ouvrir le fichier « %s » : </translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>il dépasse 1 Mo</translation>
    </message>
    <message>
        <source>Level file %1: %2</source>
        <translation>Fichier de niveau %1 : %2</translation>
    </message>
    <message>
        <source>cannot be opened.</source>
        <translation>ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>is too short to hold a flow.</source>
        <translation>est trop court pour contenir un flux.</translation>
    </message>
    <message>
        <source>holds %1 of %2 bytes of level parameters.</source>
        <translation>contient %1 des %2 octets de paramètres du niveau.</translation>
    </message>
    <message>
        <source>written by another version of the game (&quot;%1&quot;)</source>
        <translation>écrit par une autre version du jeu (« %1 »)</translation>
    </message>
    <message>
        <source>line 1 is not the heading &quot;%1&quot;</source>
        <translation>la ligne 1 n&apos;est pas l&apos;en-tête « %1 »</translation>
    </message>
    <message>
        <source>line %1 is damaged and was left out</source>
        <translation>la ligne %1 est endommagée et a été omise</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>not a record file; every record starts afresh (%1)</source>
        <translation>ce n&apos;est pas un fichier de records ; tous les records repartent de zéro (%1)</translation>
    </message>
    <message>
        <source>no record file yet; every record starts afresh</source>
        <translation>pas encore de fichier de records ; tous les records repartent de zéro</translation>
    </message>
    <message>
        <source>not read (%1); every record starts afresh</source>
        <translation>non lu (%1) ; tous les records repartent de zéro</translation>
    </message>
    <message>
        <source>the file is damaged (its check sum does not match)</source>
        <translation>le fichier est endommagé (sa somme de contrôle ne correspond pas)</translation>
    </message>
    <message>
        <source>it was written by another version of the game</source>
        <translation>il a été écrit par une autre version du jeu</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>the file has lines after its end</source>
        <translation>le fichier a des lignes après sa fin</translation>
    </message>
    <message>
        <source>The request completed successfully.</source>
        <translation>La requête a abouti.</translation>
    </message>
    <message>
        <source>The function called is not supported at this time.</source>
        <translation>La fonction appelée n&apos;est pas prise en charge pour le moment.</translation>
    </message>
    <message>
        <source>The requested COM interface is not available.</source>
        <translation>L&apos;interface COM demandée n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>An undetermined error occurred inside the DirectSound subsystem.</source>
        <translation>Une erreur indéterminée s&apos;est produite dans le sous-système DirectSound.</translation>
    </message>
    <message>
        <source>The object does not support aggregation.</source>
        <translation>L&apos;objet ne prend pas en charge l&apos;agrégation.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Accès refusé.</translation>
    </message>
    <message>
        <source>The DirectSound subsystem could not allocate sufficient memory to complete the caller´s request.</source>
        <translation>Le sous-système DirectSound n&apos;a pas pu allouer assez de mémoire pour la requête.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the returning function.</source>
        <translation>Un paramètre non valide a été transmis à la fonction.</translation>
    </message>
    <message>
        <source>The request failed because resources, such as a priority level, were already in use by another caller.</source>
        <translation>La requête a échoué car des ressources, comme un niveau de priorité, étaient déjà utilisées par un autre appelant.</translation>
    </message>
    <message>
        <source>The control (volume, pan, and so forth) requested by the caller is not available.</source>
        <translation>Le réglage demandé (volume, balance, etc.) n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>This function is not valid for the current state of this object.</source>
        <translation>Cette fonction n&apos;est pas valide dans l&apos;état actuel de l&apos;objet.</translation>
    </message>
    <message>
        <source>The caller does not have the priority level required for the function to succeed.</source>
        <translation>L&apos;appelant n&apos;a pas le niveau de priorité requis par cette fonction.</translation>
    </message>
    <message>
        <source>The specified wave format is not supported.</source>
        <translation>Le format audio indiqué n&apos;est pas pris en charge.</translation>
    </message>
    <message>
        <source>No sound driver is available for use.</source>
        <translation>Aucun pilote audio n&apos;est disponible.</translation>
    </message>
    <message>
        <source>The object is already initialized.</source>
        <translation>L&apos;objet est déjà initialisé.</translation>
    </message>
    <message>
        <source>The buffer memory has been lost and must be restored.</source>
        <translation>La mémoire du tampon a été perdue et doit être restaurée.</translation>
    </message>
    <message>
        <source>Another application has a higher priority level, preventing this call from succeeding.</source>
        <translation>Une autre application a un niveau de priorité plus élevé, ce qui empêche cet appel d&apos;aboutir.</translation>
    </message>
    <message>
        <source>The IDirectSound::Initialize method has not been called or has not been called successfully before other methods were called.</source>
        <translation>La méthode IDirectSound::Initialize n&apos;a pas été appelée, ou pas avec succès, avant les autres méthodes.</translation>
    </message>
    <message>
        <source>Tried to create a DSBCAPS_CTRLFX buffer shorter than DSBSIZE_FX_MIN milliseconds.</source>
        <translation>Tentative de créer un tampon DSBCAPS_CTRLFX plus court que DSBSIZE_FX_MIN millisecondes.</translation>
    </message>
    <message>
        <source>Attempt to use DirectSound 8 functionality on an older DirectSound object.</source>
        <translation>Tentative d&apos;utiliser une fonction de DirectSound 8 sur un objet DirectSound plus ancien.</translation>
    </message>
    <message>
        <source>A circular loop of send effects was detected.</source>
        <translation>Une boucle d&apos;effets d&apos;envoi a été détectée.</translation>
    </message>
    <message>
        <source>The GUID specified in an audiopath file does not match a valid MIXIN buffer.</source>
        <translation>Le GUID indiqué dans un fichier de chemin audio ne correspond à aucun tampon MIXIN valide.</translation>
    </message>
    <message>
        <source>The object requested was not found (numerically equal to DMUS_E_NOT_FOUND).</source>
        <translation>L&apos;objet demandé est introuvable (égal à DMUS_E_NOT_FOUND).</translation>
    </message>
    <message>
        <source>Unrecognized Error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is missing</source>
        <translation>la ligne « %1 » manque</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>direction</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is cut short (%2)</source>
        <translation>la ligne « %1 » est tronquée (%2)</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has more than it should</source>
        <translation>la ligne « %1 » en contient trop</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has a wrong %2</source>
        <translation>la ligne « %1 » a une valeur erronée (%2)</translation>
    </message>
    <message>
        <source>the file is cut short before &quot;%1&quot;</source>
        <translation>le fichier s&apos;arrête avant « %1 »</translation>
    </message>
    <message>
        <source>cell codes</source>
        <translation>codes des cases</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; does not hold every cell</source>
        <translation>la ligne « cells » ne contient pas toutes les cases</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; has a wrong cell code</source>
        <translation>la ligne « cells » a un code de case erroné</translation>
    </message>
    <message>
        <source>row</source>
        <translation>rangée</translation>
    </message>
    <message>
        <source>column</source>
        <translation>colonne</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>rotation</translation>
    </message>
    <message>
        <source>count</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>décalage</translation>
    </message>
    <message>
        <source>gem</source>
        <translation>gemme</translation>
    </message>
    <message>
        <source>box number</source>
        <translation>numéro de boîte</translation>
    </message>
    <message>
        <source>two boxes have the same number</source>
        <translation>deux boîtes ont le même numéro</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>type</translation>
    </message>
    <message>
        <source>position</source>
        <translation>position</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>relaxed</source>
        <translation>détendu</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>boîtes</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>forme</translation>
    </message>
    <message>
        <source>row count</source>
        <translation>nombre de rangées</translation>
    </message>
    <message>
        <source>chain</source>
        <translation>chaîne</translation>
    </message>
    <message>
        <source>money</source>
        <translation>argent</translation>
    </message>
    <message>
        <source>clearing row</source>
        <translation>rangée effacée</translation>
    </message>
    <message>
        <source>the clearing row does not fit the mode</source>
        <translation>la rangée effacée ne correspond pas au mode</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>compte à rebours</translation>
    </message>
    <message>
        <source>sparkle timer</source>
        <translation>minuterie des étincelles</translation>
    </message>
    <message>
        <source>coin timer</source>
        <translation>minuterie des pièces</translation>
    </message>
    <message>
        <source>the line &quot;random&quot; holds no state of the generator</source>
        <translation>la ligne « random » ne contient pas d&apos;état du générateur</translation>
    </message>
    <message>
        <source>level number</source>
        <translation>numéro de niveau</translation>
    </message>
    <message>
        <source>level check</source>
        <translation>contrôle du niveau</translation>
    </message>
    <message>
        <source>check sum</source>
        <translation>somme de contrôle</translation>
    </message>
    <message>
        <source>it is not a round file</source>
        <translation>ce n&apos;est pas un fichier de partie en cours</translation>
    </message>
    <message>
        <source>version</source>
        <translation>version</translation>
    </message>
    <message>
        <source>CreateSoundBuffer err</source>
        <translation>Impossible de créer le tampon sonore</translation>
    </message>
    <message>
        <source>DirectSoundCreate8 err</source>
        <translation>Impossible d&apos;ouvrir la sortie audio</translation>
    </message>
    <message>
        <source>Create DFTimer failed.</source>
        <translation>Impossible de créer le minuteur.</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> et %1 de plus</translation>
    </message>
    <message>
        <source>Flow cycle: %1.</source>
        <translation>Boucle de flux : %1.</translation>
    </message>
    <message>
        <source>... and %1 more flow cycles.</source>
        <translation>... et %1 boucles de flux de plus.</translation>
    </message>
    <message>
        <source>Cell %1 lists its source %2 more than once.</source>
        <translation>La case %1 cite sa source %2 plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>Layout row %1 is already complete.</source>
        <translation>La rangée %1 de la disposition est déjà complète.</translation>
    </message>
    <message>
        <source>%1 is %2; sensible values are %3 to %4.</source>
        <translation>%1 vaut %2 ; les valeurs sensées vont de %3 à %4.</translation>
    </message>
    <message>
        <source>LaserPower, BreakgroundPower and ClearGemsPower are all 0 or less: a box has nothing to give.</source>
        <translation>LaserPower, BreakgroundPower et ClearGemsPower valent tous 0 ou moins : une boîte n&apos;a rien à donner.</translation>
    </message>
    <message>
        <source>No flow path reaches an end cell from %1.</source>
        <translation>Aucun chemin de flux ne mène à une case de fin depuis %1.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Aucun problème trouvé.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;; its window was brought to the front.</source>
        <translation>Brillor I tourne déjà pour le dossier de joueur &quot;%1&quot; ; sa fenêtre a été mise au premier plan.</translation>
    </message>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;, but its window could not be brought to the front: look for it among your open windows.</source>
        <translation>Brillor I tourne déjà pour le dossier de joueur &quot;%1&quot;, mais sa fenêtre n&apos;a pas pu être mise au premier plan : cherchez-la parmi vos fenêtres ouvertes.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>GAME OVER</source>
        <translation>PARTIE TERMINÉE</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Cliquez pour continuer</translation>
    </message>
    <message>
        <source>TIME OUT</source>
        <translation>TEMPS ÉCOULÉ</translation>
    </message>
    <message>
        <source>a puzzle of falling gems</source>
        <translation>un casse-tête de gemmes qui tombent</translation>
    </message>
    <message>
        <source>The Gem Road</source>
        <translation>La Route des gemmes</translation>
    </message>
    <message>
        <source>The Wanderer</source>
        <translation>Le Voyageur</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Efficacité</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>PlayerFiles</name>
    <message>
        <source>It was kept as %1.</source>
        <translation>Il a été gardé sous %1.</translation>
    </message>
    <message>
        <source>It could not be kept aside (%1), and it will not be written over.</source>
        <translation>Il n&apos;a pas pu être mis de côté (%1) et ne sera pas écrasé.</translation>
    </message>
    <message>
        <source>The record file %1 could not be read whole:
%2
%3</source>
        <translation>Le fichier des bilans %1 n&apos;a pas pu être lu en entier :
%2
%3</translation>
    </message>
    <message>
        <source> What could be read was kept.</source>
        <translation> Ce qui a pu être lu a été gardé.</translation>
    </message>
    <message>
        <source> The backup %1 of the save before it was loaded instead.</source>
        <translation> La sauvegarde %1 de l&apos;enregistrement précédent a été chargée à sa place.</translation>
    </message>
    <message>
        <source> Every record starts afresh.</source>
        <translation> Tous les bilans repartent de zéro.</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>il est tronqué</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); the usual settings are used. %3</source>
        <translation>Le fichier des réglages %1 n&apos;a pas pu être lu (%2) ; les réglages habituels sont utilisés. %3</translation>
    </message>
    <message>
        <source>The options file %1 could not be read whole:
%2
%3</source>
        <translation>Le fichier des options %1 n&apos;a pas pu être lu en entier :
%2
%3</translation>
    </message>
    <message>
        <source> They could not be written back yet (%1).</source>
        <translation> Ils n&apos;ont pas encore pu être réécrits (%1).</translation>
    </message>
    <message>
        <source>The player file %1 is missing. Its backup %2 was loaded instead.</source>
        <translation>Le fichier des joueurs %1 est absent. Sa sauvegarde %2 a été chargée à sa place.</translation>
    </message>
    <message>
        <source>The player file %1 could not be read (%2).</source>
        <translation>Le fichier des joueurs %1 n&apos;a pas pu être lu (%2).</translation>
    </message>
    <message>
        <source> It was left as it is, and this session will not be saved (%1).</source>
        <translation> Il a été laissé tel quel, et cette session ne sera pas enregistrée (%1).</translation>
    </message>
    <message>
        <source> It was kept as %1.</source>
        <translation> Il a été gardé sous %1.</translation>
    </message>
    <message>
        <source> There is no readable backup; the players that could be read from it were loaded.</source>
        <translation> Aucune sauvegarde lisible ; les joueurs qui ont pu y être lus ont été chargés.</translation>
    </message>
    <message>
        <source>Something other than a file stood in place of the lock file %1; it was kept as %2.</source>
        <translation>À la place du fichier de verrou %1 se trouvait autre chose qu&apos;un fichier ; cela a été gardé sous %2.</translation>
    </message>
</context>
<context>
    <name>RunningStage</name>
    <message>
        <source>it was played on another level</source>
        <translation>elle a été jouée sur un autre niveau</translation>
    </message>
    <message>
        <source>the level&apos;s files have changed since</source>
        <translation>les fichiers du niveau ont changé depuis</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Cliquez pour continuer</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It could not be set aside either: %2. The level starts afresh.</source>
        <translation>Le niveau en cours n&apos;a pas pu être repris : %1. Il n&apos;a pas pu non plus être mis de côté : %2. Le niveau recommence.</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It is kept as &quot;%2&quot;. The level starts afresh.</source>
        <translation>Le niveau en cours n&apos;a pas pu être repris : %1. Il est conservé sous « %2 ». Le niveau recommence.</translation>
    </message>
</context>
<context>
    <name>TGameApplication</name>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
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
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Practician</source>
        <translation>Praticien</translation>
    </message>
    <message>
        <source>Excellent Brillor</source>
        <translation>As de Brillor</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>King Of Brillor</source>
        <translation>Roi de Brillor</translation>
    </message>
</context>
<context>
    <name>TfrmEditor</name>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Roug</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvr.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effac</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enr.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérif</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>SetLevel</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Chip</source>
        <translation>Éclat</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 up, not &quot;%1&quot;.</source>
        <translation>Le niveau doit être un nombre entier à partir de 1, pas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing was checked.</source>
        <translation>Rien n&apos;a été vérifié.</translation>
    </message>
    <message>
        <source>The level was not played.</source>
        <translation>Le niveau n&apos;a pas été lancé.</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TfrmInput</name>
    <message>
        <source>A name can only hold Western European letters.</source>
        <translation>Un nom ne peut contenir que des lettres d&apos;Europe occidentale.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Not a valid value.</source>
        <translation>Valeur non valide.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About Brillor I</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Are you sure to quit current game and change to &quot;%1&quot;?</source>
        <translation>Quitter la partie en cours et passer à &quot;%1&quot; ?</translation>
    </message>
    <message>
        <source>Open the help page failed.
Please open &quot;%1&quot; in your web browser manually.</source>
        <translation>Impossible d&apos;ouvrir la page d&apos;aide.
Ouvrez &quot;%1&quot; vous-même dans votre navigateur.</translation>
    </message>
    <message>
        <source>Launch your default web browser failed.
Please enter the URL &quot;%1&quot; into your web browser manually.</source>
        <translation>Impossible de lancer le navigateur.
Saisissez l&apos;adresse &quot;%1&quot; vous-même dans votre navigateur.</translation>
    </message>
    <message>
        <source>The window will be %1 % of its size from the next start.</source>
        <translation>La fenêtre fera %1 % de sa taille au prochain lancement.</translation>
    </message>
    <message>
        <source>
It does not fit this screen: %1 % will be used.</source>
        <translation>
Elle ne tient pas sur cet écran : %1 % sera utilisé.</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmMoreOptions</name>
    <message>
        <source>More Options</source>
        <translation>Plus d&apos;options</translation>
    </message>
    <message>
        <source>Symbols on gems</source>
        <translation>Symboles sur les gemmes</translation>
    </message>
    <message>
        <source>A shape for every colour</source>
        <translation>Une forme par couleur</translation>
    </message>
    <message>
        <source>Relaxed pace</source>
        <translation>Rythme tranquille</translation>
    </message>
    <message>
        <source>No countdown, no automatic drop</source>
        <translation>Ni compte à rebours ni chute auto</translation>
    </message>
    <message>
        <source>Drop preview</source>
        <translation>Aperçu de la pose</translation>
    </message>
    <message>
        <source>Rows and money a drop would make</source>
        <translation>Rangées et gains d&apos;une pose</translation>
    </message>
    <message>
        <source>Player records</source>
        <translation>Bilan du joueur</translation>
    </message>
    <message>
        <source>Shown in the player list</source>
        <translation>Dans la liste des joueurs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Taille de la fenêtre</translation>
    </message>
    <message>
        <source>Too large for this screen: %1 % used</source>
        <translation>Trop grand pour l&apos;écran : %1 %</translation>
    </message>
    <message>
        <source>Used from the next start</source>
        <translation>Dès le prochain lancement</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Musique de fond</translation>
    </message>
    <message>
        <source>(Click the bar to change music volume)</source>
        <translation>(Cliquez la barre : volume de la musique)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>(Click the bar to change sound volume)</source>
        <translation>(Cliquez la barre : volume des sons)</translation>
    </message>
    <message>
        <source>Mouse Control</source>
        <translation>Contrôle à la souris</translation>
    </message>
    <message>
        <source>(Click the icon to choice a rotate-mode)</source>
        <translation>(Cliquez l&apos;icône : sens de rotation)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Plus...</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Sens antihoraire</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sens horaire</translation>
    </message>
</context>
<context>
    <name>TfrmPlayers</name>
    <message>
        <source>Player List</source>
        <translation>Liste des joueurs</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Please input a player name:</source>
        <translation>Entrez le nom du joueur :</translation>
    </message>
    <message>
        <source>Are you sure to delete player &quot;%1&quot;?</source>
        <translation>Supprimer le joueur &quot;%1&quot; ?</translation>
    </message>
    <message>
        <source>
Your selected player &quot;%1&quot; is running now, you must select another player after deleted.</source>
        <translation>
Le joueur &quot;%1&quot; est en train de jouer ; choisissez-en un autre après la suppression.</translation>
    </message>
    <message>
        <source>Please select a existent player or create a new player.</source>
        <translation>Choisissez un joueur existant ou créez-en un nouveau.</translation>
    </message>
    <message>
        <source> +%1 relaxed</source>
        <translation> +%1 tranquille</translation>
    </message>
    <message>
        <source>Games: %1</source>
        <translation>Parties : %1</translation>
    </message>
    <message>
        <source>Levels: %1</source>
        <translation>Niveaux : %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps : %1</translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation>Rangées : %1</translation>
    </message>
    <message>
        <source>Longest chain: %1</source>
        <translation>Plus longue chaîne : %1</translation>
    </message>
    <message>
        <source>Best level: $%1</source>
        <translation>Meilleur niveau : $%1</translation>
    </message>
</context>
<context>
    <name>TfrmTop10</name>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Efficacité</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
