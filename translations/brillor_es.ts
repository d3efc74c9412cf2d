<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Uso: brillor [OPCIÓN]
Brillor I, un juego de ingenio con hexágonos.

  --editor    empezar con la ventana de herramientas del editor de niveles (Ctrl+E en el juego)
  --lang CODE jugar en el idioma CODE (de, fr, pt_BR...) en lugar del del entorno
  -h, --help  mostrar esta ayuda y salir
  --version   mostrar la versión y salir

Un juego instalado guarda los ajustes, la lista de jugadores y los niveles guardados por el editor
en $XDG_DATA_HOME/brillor/dat (~/.local/share/brillor/dat si no está definido); un nivel de ahí
se juega en lugar del incluido. Un juego lanzado desde una carpeta escribible los guarda en su dat.
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a language code</source>
        <translation>la opción &apos;%1&apos; necesita un código de idioma</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>&apos;%1 --help&apos; muestra las opciones.</translation>
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
        <translation>Fila:%1 Col:%2 Lon:%3, SelFila:%4 SelCol:%5</translation>
    </message>
    <message>
        <source>No level file is open: choose one with &quot;Open&quot; first.</source>
        <translation>No hay ningún nivel abierto: elija uno antes con &quot;Abrir&quot;.</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not &quot;%2&quot;.</source>
        <translation>%1 debe ser un número entero, no &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>DXSB SetVolume Error:%s</source>
        <translation>Error de volumen DXSB:%s</translation>
    </message>
    <message>
        <source>GetShortPathName err [%s]</source>
        <translation>Archivo no encontrado [%s]</translation>
    </message>
    <message>
        <source>Open Error [%s]</source>
        <translation>Error al abrir [%s]</translation>
    </message>
    <message>
        <source>Validate IO handle error: Out of File [%s]</source>
        <translation>Error de archivo: ningún archivo abierto [%s]</translation>
    </message>
    <message>
        <source>Seed Source error. [%s]</source>
        <translation>Error al situarse en el archivo. [%s]</translation>
    </message>
    <message>
        <source>Find chunk error: Chunk not find. [%s]</source>
        <translation>Error: bloque no encontrado. [%s]</translation>
    </message>
    <message>
        <source>Bad flow data: cell %1 %2</source>
        <translation>Datos de flujo erróneos: celda %1 %2</translation>
    </message>
    <message>
        <source>has no source count: the data ends early</source>
        <translation>no tiene número de orígenes: los datos terminan antes</translation>
    </message>
    <message>
        <source>has a negative source count (%1)</source>
        <translation>tiene un número de orígenes negativo (%1)</translation>
    </message>
    <message>
        <source>lists %1 sources but the data ends first</source>
        <translation>indica %1 orígenes pero los datos terminan antes</translation>
    </message>
    <message>
        <source>has a source %1 off the board</source>
        <translation>tiene un origen %1 fuera del tablero</translation>
    </message>
    <message>
        <source>has a source %1 that is not its neighbour</source>
        <translation>tiene un origen %1 que no es su vecino</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2)</source>
        <translation>la imagen es demasiado grande (%1 x %2)</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>el archivo está truncado</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>el archivo no se puede abrir</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>falta el archivo</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>el archivo no es una imagen</translation>
    </message>
    <message>
        <source>the picture is damaged</source>
        <translation>la imagen está dañada</translation>
    </message>
    <message>
        <source>Cannot load picture [%s]</source>
        <translation>No se puede cargar la imagen [%s]</translation>
    </message>
    <message>
        <source>... and %1 more line</source>
        <translation>... y %1 línea más</translation>
    </message>
    <message>
        <source>... and %1 more lines</source>
        <translation>... y %1 líneas más</translation>
    </message>
    <message>
        <source>line %1 ignored: %2</source>
        <translation>línea %1 ignorada: %2</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>no leído: %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;: </source>
        <translation>No se puede crear el archivo «%s»: </translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;: </source>
        <translation>No se puede abrir el archivo «%s»: </translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>Level file %1: %2</source>
        <translation>Archivo de nivel %1: %2</translation>
    </message>
    <message>
        <source>cannot be opened.</source>
        <translation>no se puede abrir.</translation>
    </message>
    <message>
        <source>is too short to hold a flow.</source>
        <translation>es demasiado corto para contener un flujo.</translation>
    </message>
    <message>
        <source>holds %1 of %2 bytes of level parameters.</source>
        <translation>contiene %1 de los %2 bytes de parámetros del nivel.</translation>
    </message>
    <message>
        <source>written by another version of the game (&quot;%1&quot;)</source>
        <translation>escrito por otra versión del juego («%1»)</translation>
    </message>
    <message>
        <source>line 1 is not the heading &quot;%1&quot;</source>
        <translation>la línea 1 no es el encabezado «%1»</translation>
    </message>
    <message>
        <source>line %1 is damaged and was left out</source>
        <translation>la línea %1 está dañada y se ha omitido</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>not a record file; every record starts afresh (%1)</source>
        <translation>no es un archivo de récords; todos los récords empiezan de nuevo (%1)</translation>
    </message>
    <message>
        <source>no record file yet; every record starts afresh</source>
        <translation>aún no hay archivo de récords; todos los récords empiezan de nuevo</translation>
    </message>
    <message>
        <source>not read (%1); every record starts afresh</source>
        <translation>no leído (%1); todos los récords empiezan de nuevo</translation>
    </message>
    <message>
        <source>the file is damaged (its check sum does not match)</source>
        <translation>el archivo está dañado (su suma de control no coincide)</translation>
    </message>
    <message>
        <source>it was written by another version of the game</source>
        <translation>lo escribió otra versión del juego</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>el archivo es demasiado grande</translation>
    </message>
    <message>
        <source>the file has lines after its end</source>
        <translation>el archivo tiene líneas después de su final</translation>
    </message>
    <message>
        <source>The request completed successfully.</source>
        <translation>La solicitud se completó correctamente.</translation>
    </message>
    <message>
        <source>The function called is not supported at this time.</source>
        <translation>La función llamada no se admite en este momento.</translation>
    </message>
    <message>
        <source>The requested COM interface is not available.</source>
        <translation>La interfaz COM solicitada no está disponible.</translation>
    </message>
    <message>
        <source>An undetermined error occurred inside the DirectSound subsystem.</source>
        <translation>Se produjo un error indeterminado en el subsistema DirectSound.</translation>
    </message>
    <message>
        <source>The object does not support aggregation.</source>
        <translation>El objeto no admite agregación.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Acceso denegado.</translation>
    </message>
    <message>
        <source>The DirectSound subsystem could not allocate sufficient memory to complete the caller´s request.</source>
        <translation>El subsistema DirectSound no pudo reservar memoria suficiente para la solicitud.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the returning function.</source>
        <translation>Se pasó un parámetro no válido a la función.</translation>
    </message>
    <message>
        <source>The request failed because resources, such as a priority level, were already in use by another caller.</source>
        <translation>La solicitud falló porque otro llamador ya usaba recursos como un nivel de prioridad.</translation>
    </message>
    <message>
        <source>The control (volume, pan, and so forth) requested by the caller is not available.</source>
        <translation>El control solicitado (volumen, balance, etc.) no está disponible.</translation>
    </message>
    <message>
        <source>This function is not valid for the current state of this object.</source>
        <translation>Esta función no es válida en el estado actual del objeto.</translation>
    </message>
    <message>
        <source>The caller does not have the priority level required for the function to succeed.</source>
        <translation>El llamador no tiene el nivel de prioridad que requiere la función.</translation>
    </message>
    <message>
        <source>The specified wave format is not supported.</source>
        <translation>El formato de onda indicado no se admite.</translation>
    </message>
    <message>
        <source>No sound driver is available for use.</source>
        <translation>No hay ningún controlador de sonido disponible.</translation>
    </message>
    <message>
        <source>The object is already initialized.</source>
        <translation>El objeto ya está inicializado.</translation>
    </message>
    <message>
        <source>The buffer memory has been lost and must be restored.</source>
        <translation>La memoria del búfer se perdió y debe restaurarse.</translation>
    </message>
    <message>
        <source>Another application has a higher priority level, preventing this call from succeeding.</source>
        <translation>Otra aplicación tiene un nivel de prioridad mayor e impide que esta llamada funcione.</translation>
    </message>
    <message>
        <source>The IDirectSound::Initialize method has not been called or has not been called successfully before other methods were called.</source>
        <translation>El método IDirectSound::Initialize no se llamó, o no con éxito, antes de otros métodos.</translation>
    </message>
    <message>
        <source>Tried to create a DSBCAPS_CTRLFX buffer shorter than DSBSIZE_FX_MIN milliseconds.</source>
        <translation>Se intentó crear un búfer DSBCAPS_CTRLFX de menos de DSBSIZE_FX_MIN milisegundos.</translation>
    </message>
    <message>
        <source>Attempt to use DirectSound 8 functionality on an older DirectSound object.</source>
        <translation>Se intentó usar una función de DirectSound 8 en un objeto DirectSound anterior.</translation>
    </message>
    <message>
        <source>A circular loop of send effects was detected.</source>
        <translation>Se detectó un bucle de efectos de envío.</translation>
    </message>
    <message>
        <source>The GUID specified in an audiopath file does not match a valid MIXIN buffer.</source>
        <translation>El GUID de un archivo de ruta de audio no corresponde a un búfer MIXIN válido.</translation>
    </message>
    <message>
        <source>The object requested was not found (numerically equal to DMUS_E_NOT_FOUND).</source>
        <translation>No se encontró el objeto solicitado (igual a DMUS_E_NOT_FOUND).</translation>
    </message>
    <message>
        <source>Unrecognized Error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is missing</source>
        <translation>falta la línea «%1»</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is cut short (%2)</source>
        <translation>la línea «%1» está truncada (%2)</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has more than it should</source>
        <translation>la línea «%1» contiene de más</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has a wrong %2</source>
        <translation>la línea «%1» tiene un valor erróneo (%2)</translation>
    </message>
    <message>
        <source>the file is cut short before &quot;%1&quot;</source>
        <translation>el archivo termina antes de «%1»</translation>
    </message>
    <message>
        <source>cell codes</source>
        <translation>códigos de celda</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; does not hold every cell</source>
        <translation>la línea «cells» no contiene todas las celdas</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; has a wrong cell code</source>
        <translation>la línea «cells» tiene un código de celda erróneo</translation>
    </message>
    <message>
        <source>row</source>
        <translation>fila</translation>
    </message>
    <message>
        <source>column</source>
        <translation>columna</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>giro</translation>
    </message>
    <message>
        <source>count</source>
        <translation>cantidad</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>desplazamiento</translation>
    </message>
    <message>
        <source>gem</source>
        <translation>gema</translation>
    </message>
    <message>
        <source>box number</source>
        <translation>número de caja</translation>
    </message>
    <message>
        <source>two boxes have the same number</source>
        <translation>dos cajas tienen el mismo número</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>position</source>
        <translation>posición</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>relaxed</source>
        <translation>relajado</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>superado</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>cajas</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>forma</translation>
    </message>
    <message>
        <source>row count</source>
        <translation>número de filas</translation>
    </message>
    <message>
        <source>chain</source>
        <translation>cadena</translation>
    </message>
    <message>
        <source>money</source>
        <translation>dinero</translation>
    </message>
    <message>
        <source>clearing row</source>
        <translation>fila que se borra</translation>
    </message>
    <message>
        <source>the clearing row does not fit the mode</source>
        <translation>la fila que se borra no concuerda con el modo</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>cuenta atrás</translation>
    </message>
    <message>
        <source>sparkle timer</source>
        <translation>temporizador de destellos</translation>
    </message>
    <message>
        <source>coin timer</source>
        <translation>temporizador de monedas</translation>
    </message>
    <message>
        <source>the line &quot;random&quot; holds no state of the generator</source>
        <translation>la línea «random» no contiene un estado del generador</translation>
    </message>
    <message>
        <source>level number</source>
        <translation>número de nivel</translation>
    </message>
    <message>
        <source>level check</source>
        <translation>control del nivel</translation>
    </message>
    <message>
        <source>check sum</source>
        <translation>suma de control</translation>
    </message>
    <message>
        <source>it is not a round file</source>
        <translation>no es un archivo de partida en curso</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versión</translation>
    </message>
    <message>
        <source>CreateSoundBuffer err</source>
        <translation>No se puede crear el búfer de sonido</translation>
    </message>
    <message>
        <source>DirectSoundCreate8 err</source>
        <translation>No se puede abrir la salida de sonido</translation>
    </message>
    <message>
        <source>Create DFTimer failed.</source>
        <translation>No se puede crear el temporizador.</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>Flow cycle: %1.</source>
        <translation>Ciclo de flujo: %1.</translation>
    </message>
    <message>
        <source>... and %1 more flow cycles.</source>
        <translation>... y %1 ciclos de flujo más.</translation>
    </message>
    <message>
        <source>Cell %1 lists its source %2 more than once.</source>
        <translation>La celda %1 cita su origen %2 más de una vez.</translation>
    </message>
    <message>
        <source>Layout row %1 is already complete.</source>
        <translation>La fila %1 de la disposición ya está completa.</translation>
    </message>
    <message>
        <source>%1 is %2; sensible values are %3 to %4.</source>
        <translation>%1 vale %2; los valores sensatos van de %3 a %4.</translation>
    </message>
    <message>
        <source>LaserPower, BreakgroundPower and ClearGemsPower are all 0 or less: a box has nothing to give.</source>
        <translation>LaserPower, BreakgroundPower y ClearGemsPower valen todos 0 o menos: una caja no tiene nada que dar.</translation>
    </message>
    <message>
        <source>No flow path reaches an end cell from %1.</source>
        <translation>Ningún camino de flujo lleva a una celda final desde %1.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>No se encontraron problemas.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;; its window was brought to the front.</source>
        <translation>Brillor I ya está abierto para la carpeta de jugador &quot;%1&quot;; su ventana se ha traído al frente.</translation>
    </message>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;, but its window could not be brought to the front: look for it among your open windows.</source>
        <translation>Brillor I ya está abierto para la carpeta de jugador &quot;%1&quot;, pero no se pudo traer su ventana al frente: búsquela entre sus ventanas abiertas.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DEL JUEGO</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Haz clic para continuar</translation>
    </message>
    <message>
        <source>TIME OUT</source>
        <translation>SIN TIEMPO</translation>
    </message>
    <message>
        <source>a puzzle of falling gems</source>
        <translation>un rompecabezas de gemas que caen</translation>
    </message>
    <message>
        <source>The Gem Road</source>
        <translation>El Camino de las Gemas</translation>
    </message>
    <message>
        <source>The Wanderer</source>
        <translation>El Caminante</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Precio unidad</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Eficiencia</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>PlayerFiles</name>
    <message>
        <source>It was kept as %1.</source>
        <translation>Se ha guardado como %1.</translation>
    </message>
    <message>
        <source>It could not be kept aside (%1), and it will not be written over.</source>
        <translation>No se pudo apartar (%1) y no se sobrescribirá.</translation>
    </message>
    <message>
        <source>The record file %1 could not be read whole:
%2
%3</source>
        <translation>El archivo de estadísticas %1 no se pudo leer entero:
%2
%3</translation>
    </message>
    <message>
        <source> What could be read was kept.</source>
        <translation> Se ha conservado lo que se pudo leer.</translation>
    </message>
    <message>
        <source> The backup %1 of the save before it was loaded instead.</source>
        <translation> En su lugar se cargó la copia %1 del guardado anterior.</translation>
    </message>
    <message>
        <source> Every record starts afresh.</source>
        <translation> Todas las estadísticas empiezan de cero.</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>está cortado</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); the usual settings are used. %3</source>
        <translation>El archivo de ajustes %1 no se pudo leer (%2); se usan los ajustes habituales. %3</translation>
    </message>
    <message>
        <source>The options file %1 could not be read whole:
%2
%3</source>
        <translation>El archivo de opciones %1 no se pudo leer entero:
%2
%3</translation>
    </message>
    <message>
        <source> They could not be written back yet (%1).</source>
        <translation> Aún no se han podido volver a escribir (%1).</translation>
    </message>
    <message>
        <source>The player file %1 is missing. Its backup %2 was loaded instead.</source>
        <translation>Falta el archivo de jugadores %1. En su lugar se cargó su copia %2.</translation>
    </message>
    <message>
        <source>The player file %1 could not be read (%2).</source>
        <translation>El archivo de jugadores %1 no se pudo leer (%2).</translation>
    </message>
    <message>
        <source> It was left as it is, and this session will not be saved (%1).</source>
        <translation> Se ha dejado como estaba y esta sesión no se guardará (%1).</translation>
    </message>
    <message>
        <source> It was kept as %1.</source>
        <translation> Se ha guardado como %1.</translation>
    </message>
    <message>
        <source> There is no readable backup; the players that could be read from it were loaded.</source>
        <translation> No hay copia legible; se cargaron los jugadores que se pudieron leer.</translation>
    </message>
    <message>
        <source>Something other than a file stood in place of the lock file %1; it was kept as %2.</source>
        <translation>En lugar del archivo de bloqueo %1 había algo que no era un archivo; se ha guardado como %2.</translation>
    </message>
</context>
<context>
    <name>RunningStage</name>
    <message>
        <source>it was played on another level</source>
        <translation>se jugó en otro nivel</translation>
    </message>
    <message>
        <source>the level&apos;s files have changed since</source>
        <translation>los archivos del nivel han cambiado desde entonces</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Haz clic para continuar</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It could not be set aside either: %2. The level starts afresh.</source>
        <translation>No se pudo reanudar el nivel en curso: %1. Tampoco se pudo apartar: %2. El nivel empieza de nuevo.</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It is kept as &quot;%2&quot;. The level starts afresh.</source>
        <translation>No se pudo reanudar el nivel en curso: %1. Se guarda como «%2». El nivel empieza de nuevo.</translation>
    </message>
</context>
<context>
    <name>TGameApplication</name>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
</context>
<context>
    <name>TPauseCover</name>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
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
        <translation>Aprendiz</translation>
    </message>
    <message>
        <source>Excellent Brillor</source>
        <translation>As de Brillor</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>King Of Brillor</source>
        <translation>Rey de Brillor</translation>
    </message>
</context>
<context>
    <name>TfrmEditor</name>
    <message>
        <source>white</source>
        <translation>blan</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verd</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borr.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guar.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Rev.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>SetLevel</source>
        <translation>Fijar nivel</translation>
    </message>
    <message>
        <source>Chip</source>
        <translation>Trozo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carg.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 up, not &quot;%1&quot;.</source>
        <translation>El nivel debe ser un número entero desde 1, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing was checked.</source>
        <translation>No se ha revisado nada.</translation>
    </message>
    <message>
        <source>The level was not played.</source>
        <translation>El nivel no se ha jugado.</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TfrmInput</name>
    <message>
        <source>A name can only hold Western European letters.</source>
        <translation>Un nombre solo admite letras de Europa occidental.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Not a valid value.</source>
        <translation>Valor no válido.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About Brillor I</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Are you sure to quit current game and change to &quot;%1&quot;?</source>
        <translation>¿Dejar la partida actual y cambiar a &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Open the help page failed.
Please open &quot;%1&quot; in your web browser manually.</source>
        <translation>No se pudo abrir la página de ayuda.
Abra &quot;%1&quot; usted mismo en su navegador.</translation>
    </message>
    <message>
        <source>Launch your default web browser failed.
Please enter the URL &quot;%1&quot; into your web browser manually.</source>
        <translation>No se pudo abrir el navegador.
Escriba la dirección &quot;%1&quot; usted mismo en su navegador.</translation>
    </message>
    <message>
        <source>The window will be %1 % of its size from the next start.</source>
        <translation>La ventana tendrá el %1 % de su tamaño desde el próximo inicio.</translation>
    </message>
    <message>
        <source>
It does not fit this screen: %1 % will be used.</source>
        <translation>
No cabe en esta pantalla: se usará el %1 %.</translation>
    </message>
</context>
<context>
    <name>TfrmMessageBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmMoreOptions</name>
    <message>
        <source>More Options</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>Symbols on gems</source>
        <translation>Símbolos en las gemas</translation>
    </message>
    <message>
        <source>A shape for every colour</source>
        <translation>Una forma para cada color</translation>
    </message>
    <message>
        <source>Relaxed pace</source>
        <translation>Ritmo tranquilo</translation>
    </message>
    <message>
        <source>No countdown, no automatic drop</source>
        <translation>Sin cuenta atrás ni caída sola</translation>
    </message>
    <message>
        <source>Drop preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Rows and money a drop would make</source>
        <translation>Filas y dinero de una caída</translation>
    </message>
    <message>
        <source>Player records</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Shown in the player list</source>
        <translation>En la lista de jugadores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Tamaño de ventana</translation>
    </message>
    <message>
        <source>Too large for this screen: %1 % used</source>
        <translation>Grande para la pantalla: %1 %</translation>
    </message>
    <message>
        <source>Used from the next start</source>
        <translation>Desde el próximo inicio</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Música de fondo</translation>
    </message>
    <message>
        <source>(Click the bar to change music volume)</source>
        <translation>(Pulse la barra: volumen de la música)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>(Click the bar to change sound volume)</source>
        <translation>(Pulse la barra: volumen del sonido)</translation>
    </message>
    <message>
        <source>Mouse Control</source>
        <translation>Control con ratón</translation>
    </message>
    <message>
        <source>(Click the icon to choice a rotate-mode)</source>
        <translation>(Pulse el icono: sentido de giro)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Más...</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Antihorario</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Horario</translation>
    </message>
</context>
<context>
    <name>TfrmPlayers</name>
    <message>
        <source>Player List</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Please input a player name:</source>
        <translation>Escriba el nombre del jugador:</translation>
    </message>
    <message>
        <source>Are you sure to delete player &quot;%1&quot;?</source>
        <translation>¿Borrar al jugador &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>
Your selected player &quot;%1&quot; is running now, you must select another player after deleted.</source>
        <translation>
El jugador &quot;%1&quot; está jugando ahora; tras borrarlo, elija otro jugador.</translation>
    </message>
    <message>
        <source>Please select a existent player or create a new player.</source>
        <translation>Elija un jugador existente o cree uno nuevo.</translation>
    </message>
    <message>
        <source> +%1 relaxed</source>
        <translation> +%1 tranquilos</translation>
    </message>
    <message>
        <source>Games: %1</source>
        <translation>Partidas: %1</translation>
    </message>
    <message>
        <source>Levels: %1</source>
        <translation>Niveles: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation>Filas: %1</translation>
    </message>
    <message>
        <source>Longest chain: %1</source>
        <translation>Cadena mayor: %1</translation>
    </message>
    <message>
        <source>Best level: $%1</source>
        <translation>Mejor nivel: $%1</translation>
    </message>
</context>
<context>
    <name>TfrmTop10</name>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Precio unidad</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Eficiencia</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
