<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Uso: brillor [OPÇÃO]
Brillor I, um jogo de raciocínio com hexágonos.

  --editor    iniciar com a janela de ferramentas do editor de níveis (Ctrl+E no jogo)
  --lang CODE jogar no idioma CODE (de, fr, pt_BR...) em vez do idioma do ambiente
  -h, --help  mostrar esta ajuda e sair
  --version   mostrar a versão e sair

Um jogo instalado guarda as configurações, a lista de jogadores e os níveis salvos pelo editor
em $XDG_DATA_HOME/brillor/dat (~/.local/share/brillor/dat se não estiver definido); um nível ali
é jogado no lugar do original. Um jogo rodando numa pasta gravável os guarda no próprio dat.
</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a language code</source>
        <translation>a opção &apos;%1&apos; precisa de um código de idioma</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>&apos;%1 --help&apos; mostra as opções.</translation>
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
        <translation>Lin:%1 Col:%2 Qtd:%3, SelLin:%4 SelCol:%5</translation>
    </message>
    <message>
        <source>No level file is open: choose one with &quot;Open&quot; first.</source>
        <translation>Nenhum arquivo de nível aberto: escolha um antes com &quot;Abrir&quot;.</translation>
    </message>
    <message>
        <source>%1 must be a whole number, not &quot;%2&quot;.</source>
        <translation>%1 deve ser um número inteiro, não &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>DXSB SetVolume Error:%s</source>
        <translation>Erro de volume DXSB:%s</translation>
    </message>
    <message>
        <source>GetShortPathName err [%s]</source>
        <translation>Arquivo não encontrado [%s]</translation>
    </message>
    <message>
        <source>Open Error [%s]</source>
        <translation>Erro ao abrir [%s]</translation>
    </message>
    <message>
        <source>Validate IO handle error: Out of File [%s]</source>
        <translation>Erro de arquivo: nenhum arquivo aberto [%s]</translation>
    </message>
    <message>
        <source>Seed Source error. [%s]</source>
        <translation>Erro ao posicionar no arquivo. [%s]</translation>
    </message>
    <message>
        <source>Find chunk error: Chunk not find. [%s]</source>
        <translation>Erro: bloco não encontrado. [%s]</translation>
    </message>
    <message>
        <source>Bad flow data: cell %1 %2</source>
        <translation>Dados de fluxo inválidos: célula %1 %2</translation>
    </message>
    <message>
        <source>has no source count: the data ends early</source>
        <translation>não tem número de origens: os dados terminam antes</translation>
    </message>
    <message>
        <source>has a negative source count (%1)</source>
        <translation>tem um número de origens negativo (%1)</translation>
    </message>
    <message>
        <source>lists %1 sources but the data ends first</source>
        <translation>indica %1 origens, mas os dados terminam antes</translation>
    </message>
    <message>
        <source>has a source %1 off the board</source>
        <translation>tem uma origem %1 fora do tabuleiro</translation>
    </message>
    <message>
        <source>has a source %1 that is not its neighbour</source>
        <translation>tem uma origem %1 que não é sua vizinha</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2)</source>
        <translation>a imagem é grande demais (%1 x %2)</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>o arquivo está truncado</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>o arquivo não pode ser aberto</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>o arquivo está faltando</translation>
    </message>
    <message>
        <source>the file is not a picture</source>
        <translation>o arquivo não é uma imagem</translation>
    </message>
    <message>
        <source>the picture is damaged</source>
        <translation>a imagem está danificada</translation>
    </message>
    <message>
        <source>Cannot load picture [%s]</source>
        <translation>Não foi possível carregar a imagem [%s]</translation>
    </message>
    <message>
        <source>... and %1 more line</source>
        <translation>... e mais %1 linha</translation>
    </message>
    <message>
        <source>... and %1 more lines</source>
        <translation>... e mais %1 linhas</translation>
    </message>
    <message>
        <source>line %1 ignored: %2</source>
        <translation>linha %1 ignorada: %2</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>não lido: %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;: </source>
        <translation>Não foi possível criar o arquivo &quot;%s&quot;: </translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;: </source>
        <translation>Não foi possível abrir o arquivo &quot;%s&quot;: </translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>tem mais de 1 MB</translation>
    </message>
    <message>
        <source>Level file %1: %2</source>
        <translation>Arquivo de nível %1: %2</translation>
    </message>
    <message>
        <source>cannot be opened.</source>
        <translation>não pode ser aberto.</translation>
    </message>
    <message>
        <source>is too short to hold a flow.</source>
        <translation>é curto demais para conter um fluxo.</translation>
    </message>
    <message>
        <source>holds %1 of %2 bytes of level parameters.</source>
        <translation>contém %1 dos %2 bytes de parâmetros do nível.</translation>
    </message>
    <message>
        <source>written by another version of the game (&quot;%1&quot;)</source>
        <translation>escrito por outra versão do jogo (&quot;%1&quot;)</translation>
    </message>
    <message>
        <source>line 1 is not the heading &quot;%1&quot;</source>
        <translation>a linha 1 não é o cabeçalho &quot;%1&quot;</translation>
    </message>
    <message>
        <source>line %1 is damaged and was left out</source>
        <translation>a linha %1 está danificada e foi omitida</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>not a record file; every record starts afresh (%1)</source>
        <translation>não é um arquivo de recordes; todos os recordes recomeçam (%1)</translation>
    </message>
    <message>
        <source>no record file yet; every record starts afresh</source>
        <translation>ainda não há arquivo de recordes; todos os recordes recomeçam</translation>
    </message>
    <message>
        <source>not read (%1); every record starts afresh</source>
        <translation>não lido (%1); todos os recordes recomeçam</translation>
    </message>
    <message>
        <source>the file is damaged (its check sum does not match)</source>
        <translation>o arquivo está danificado (a soma de verificação não confere)</translation>
    </message>
    <message>
        <source>it was written by another version of the game</source>
        <translation>foi escrito por outra versão do jogo</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>o arquivo é grande demais</translation>
    </message>
    <message>
        <source>the file has lines after its end</source>
        <translation>o arquivo tem linhas depois do fim</translation>
    </message>
    <message>
        <source>The request completed successfully.</source>
        <translation>A solicitação foi concluída com sucesso.</translation>
    </message>
    <message>
        <source>The function called is not supported at this time.</source>
        <translation>A função chamada não é suportada no momento.</translation>
    </message>
    <message>
        <source>The requested COM interface is not available.</source>
        <translation>A interface COM solicitada não está disponível.</translation>
    </message>
    <message>
        <source>An undetermined error occurred inside the DirectSound subsystem.</source>
        <translation>Ocorreu um erro indeterminado no subsistema DirectSound.</translation>
    </message>
    <message>
        <source>The object does not support aggregation.</source>
        <translation>O objeto não suporta agregação.</translation>
    </message>
    <message>
        <source>Access is denied.</source>
        <translation>Acesso negado.</translation>
    </message>
    <message>
        <source>The DirectSound subsystem could not allocate sufficient memory to complete the caller´s request.</source>
        <translation>O subsistema DirectSound não conseguiu alocar memória suficiente para a solicitação.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to the returning function.</source>
        <translation>Um parâmetro inválido foi passado à função.</translation>
    </message>
    <message>
        <source>The request failed because resources, such as a priority level, were already in use by another caller.</source>
        <translation>A solicitação falhou porque recursos, como um nível de prioridade, já estavam em uso por outro chamador.</translation>
    </message>
    <message>
        <source>The control (volume, pan, and so forth) requested by the caller is not available.</source>
        <translation>O controle solicitado (volume, balanço etc.) não está disponível.</translation>
    </message>
    <message>
        <source>This function is not valid for the current state of this object.</source>
        <translation>Esta função não é válida no estado atual do objeto.</translation>
    </message>
    <message>
        <source>The caller does not have the priority level required for the function to succeed.</source>
        <translation>O chamador não tem o nível de prioridade exigido pela função.</translation>
    </message>
    <message>
        <source>The specified wave format is not supported.</source>
        <translation>O formato de onda indicado não é suportado.</translation>
    </message>
    <message>
        <source>No sound driver is available for use.</source>
        <translation>Nenhum driver de som está disponível.</translation>
    </message>
    <message>
        <source>The object is already initialized.</source>
        <translation>O objeto já está inicializado.</translation>
    </message>
    <message>
        <source>The buffer memory has been lost and must be restored.</source>
        <translation>A memória do buffer foi perdida e precisa ser restaurada.</translation>
    </message>
    <message>
        <source>Another application has a higher priority level, preventing this call from succeeding.</source>
        <translation>Outro aplicativo tem nível de prioridade maior, impedindo que esta chamada funcione.</translation>
    </message>
    <message>
        <source>The IDirectSound::Initialize method has not been called or has not been called successfully before other methods were called.</source>
        <translation>O método IDirectSound::Initialize não foi chamado, ou não com sucesso, antes de outros métodos.</translation>
    </message>
    <message>
        <source>Tried to create a DSBCAPS_CTRLFX buffer shorter than DSBSIZE_FX_MIN milliseconds.</source>
        <translation>Tentativa de criar um buffer DSBCAPS_CTRLFX menor que DSBSIZE_FX_MIN milissegundos.</translation>
    </message>
    <message>
        <source>Attempt to use DirectSound 8 functionality on an older DirectSound object.</source>
        <translation>Tentativa de usar recurso do DirectSound 8 em um objeto DirectSound mais antigo.</translation>
    </message>
    <message>
        <source>A circular loop of send effects was detected.</source>
        <translation>Foi detectado um laço de efeitos de envio.</translation>
    </message>
    <message>
        <source>The GUID specified in an audiopath file does not match a valid MIXIN buffer.</source>
        <translation>O GUID de um arquivo de caminho de áudio não corresponde a um buffer MIXIN válido.</translation>
    </message>
    <message>
        <source>The object requested was not found (numerically equal to DMUS_E_NOT_FOUND).</source>
        <translation>O objeto solicitado não foi encontrado (igual a DMUS_E_NOT_FOUND).</translation>
    </message>
    <message>
        <source>Unrecognized Error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is missing</source>
        <translation>a linha &quot;%1&quot; está faltando</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>direção</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; is cut short (%2)</source>
        <translation>a linha &quot;%1&quot; está truncada (%2)</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has more than it should</source>
        <translation>a linha &quot;%1&quot; contém mais do que deveria</translation>
    </message>
    <message>
        <source>the line &quot;%1&quot; has a wrong %2</source>
        <translation>a linha &quot;%1&quot; tem um valor errado (%2)</translation>
    </message>
    <message>
        <source>the file is cut short before &quot;%1&quot;</source>
        <translation>o arquivo termina antes de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>cell codes</source>
        <translation>códigos de célula</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; does not hold every cell</source>
        <translation>a linha &quot;cells&quot; não contém todas as células</translation>
    </message>
    <message>
        <source>the line &quot;cells&quot; has a wrong cell code</source>
        <translation>a linha &quot;cells&quot; tem um código de célula errado</translation>
    </message>
    <message>
        <source>row</source>
        <translation>linha</translation>
    </message>
    <message>
        <source>column</source>
        <translation>coluna</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>giro</translation>
    </message>
    <message>
        <source>count</source>
        <translation>quantidade</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>deslocamento</translation>
    </message>
    <message>
        <source>gem</source>
        <translation>gema</translation>
    </message>
    <message>
        <source>box number</source>
        <translation>número da caixa</translation>
    </message>
    <message>
        <source>two boxes have the same number</source>
        <translation>duas caixas têm o mesmo número</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>tipo</translation>
    </message>
    <message>
        <source>position</source>
        <translation>posição</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>relaxed</source>
        <translation>relaxado</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>concluído</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>caixas</translation>
    </message>
    <message>
        <source>shape</source>
        <translation>forma</translation>
    </message>
    <message>
        <source>row count</source>
        <translation>número de linhas</translation>
    </message>
    <message>
        <source>chain</source>
        <translation>cadeia</translation>
    </message>
    <message>
        <source>money</source>
        <translation>dinheiro</translation>
    </message>
    <message>
        <source>clearing row</source>
        <translation>linha sendo limpa</translation>
    </message>
    <message>
        <source>the clearing row does not fit the mode</source>
        <translation>a linha sendo limpa não combina com o modo</translation>
    </message>
    <message>
        <source>countdown</source>
        <translation>contagem regressiva</translation>
    </message>
    <message>
        <source>sparkle timer</source>
        <translation>temporizador de brilhos</translation>
    </message>
    <message>
        <source>coin timer</source>
        <translation>temporizador de moedas</translation>
    </message>
    <message>
        <source>the line &quot;random&quot; holds no state of the generator</source>
        <translation>a linha &quot;random&quot; não contém um estado do gerador</translation>
    </message>
    <message>
        <source>level number</source>
        <translation>número do nível</translation>
    </message>
    <message>
        <source>level check</source>
        <translation>verificação do nível</translation>
    </message>
    <message>
        <source>check sum</source>
        <translation>soma de verificação</translation>
    </message>
    <message>
        <source>it is not a round file</source>
        <translation>não é um arquivo de partida em andamento</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versão</translation>
    </message>
    <message>
        <source>CreateSoundBuffer err</source>
        <translation>Não foi possível criar o buffer de som</translation>
    </message>
    <message>
        <source>DirectSoundCreate8 err</source>
        <translation>Não foi possível abrir a saída de som</translation>
    </message>
    <message>
        <source>Create DFTimer failed.</source>
        <translation>Não foi possível criar o temporizador.</translation>
    </message>
</context>
<context>
    <name>LevelCheck</name>
    <message>
        <source> and %1 more</source>
        <translation> e mais %1</translation>
    </message>
    <message>
        <source>Flow cycle: %1.</source>
        <translation>Ciclo de fluxo: %1.</translation>
    </message>
    <message>
        <source>... and %1 more flow cycles.</source>
        <translation>... e mais %1 ciclos de fluxo.</translation>
    </message>
    <message>
        <source>Cell %1 lists its source %2 more than once.</source>
        <translation>A célula %1 cita a origem %2 mais de uma vez.</translation>
    </message>
    <message>
        <source>Layout row %1 is already complete.</source>
        <translation>A linha %1 do layout já está completa.</translation>
    </message>
    <message>
        <source>%1 is %2; sensible values are %3 to %4.</source>
        <translation>%1 vale %2; valores sensatos vão de %3 a %4.</translation>
    </message>
    <message>
        <source>LaserPower, BreakgroundPower and ClearGemsPower are all 0 or less: a box has nothing to give.</source>
        <translation>LaserPower, BreakgroundPower e ClearGemsPower são todos 0 ou menos: uma caixa não tem nada a dar.</translation>
    </message>
    <message>
        <source>No flow path reaches an end cell from %1.</source>
        <translation>Nenhum caminho de fluxo chega a uma célula final a partir de %1.</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Nenhum problema encontrado.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;; its window was brought to the front.</source>
        <translation>O Brillor I já está aberto para a pasta de jogador &quot;%1&quot;; a janela dele foi trazida para a frente.</translation>
    </message>
    <message>
        <source>Brillor I is already running for the player folder &quot;%1&quot;, but its window could not be brought to the front: look for it among your open windows.</source>
        <translation>O Brillor I já está aberto para a pasta de jogador &quot;%1&quot;, mas não foi possível trazer a janela dele para a frente: procure-a entre as suas janelas abertas.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>GAME OVER</source>
        <translation>FIM DE JOGO</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Clique para continuar</translation>
    </message>
    <message>
        <source>TIME OUT</source>
        <translation>TEMPO ESGOTADO</translation>
    </message>
    <message>
        <source>a puzzle of falling gems</source>
        <translation>um quebra-cabeça de gemas que caem</translation>
    </message>
    <message>
        <source>The Gem Road</source>
        <translation>A Estrada das Gemas</translation>
    </message>
    <message>
        <source>The Wanderer</source>
        <translation>O Andarilho</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinheiro</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Preço unitário</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Eficiência</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Posto</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
</context>
<context>
    <name>PlayerFiles</name>
    <message>
        <source>It was kept as %1.</source>
        <translation>Ele foi guardado como %1.</translation>
    </message>
    <message>
        <source>It could not be kept aside (%1), and it will not be written over.</source>
        <translation>Não foi possível separá-lo (%1), e ele não será sobrescrito.</translation>
    </message>
    <message>
        <source>The record file %1 could not be read whole:
%2
%3</source>
        <translation>O arquivo de estatísticas %1 não pôde ser lido inteiro:
%2
%3</translation>
    </message>
    <message>
        <source> What could be read was kept.</source>
        <translation> O que pôde ser lido foi mantido.</translation>
    </message>
    <message>
        <source> The backup %1 of the save before it was loaded instead.</source>
        <translation> O backup %1 do salvamento anterior foi carregado no lugar.</translation>
    </message>
    <message>
        <source> Every record starts afresh.</source>
        <translation> Todas as estatísticas recomeçam do zero.</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>ele está cortado</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); the usual settings are used. %3</source>
        <translation>O arquivo de configurações %1 não pôde ser lido (%2); as configurações padrão serão usadas. %3</translation>
    </message>
    <message>
        <source>The options file %1 could not be read whole:
%2
%3</source>
        <translation>O arquivo de opções %1 não pôde ser lido inteiro:
%2
%3</translation>
    </message>
    <message>
        <source> They could not be written back yet (%1).</source>
        <translation> Ainda não foi possível regravá-los (%1).</translation>
    </message>
    <message>
        <source>The player file %1 is missing. Its backup %2 was loaded instead.</source>
        <translation>O arquivo de jogadores %1 não existe. O backup %2 foi carregado no lugar.</translation>
    </message>
    <message>
        <source>The player file %1 could not be read (%2).</source>
        <translation>O arquivo de jogadores %1 não pôde ser lido (%2).</translation>
    </message>
    <message>
        <source> It was left as it is, and this session will not be saved (%1).</source>
        <translation> Ele foi deixado como está, e esta sessão não será salva (%1).</translation>
    </message>
    <message>
        <source> It was kept as %1.</source>
        <translation> Ele foi guardado como %1.</translation>
    </message>
    <message>
        <source> There is no readable backup; the players that could be read from it were loaded.</source>
        <translation> Não há backup legível; foram carregados os jogadores que puderam ser lidos.</translation>
    </message>
    <message>
        <source>Something other than a file stood in place of the lock file %1; it was kept as %2.</source>
        <translation>No lugar do arquivo de trava %1 havia algo que não era um arquivo; isso foi guardado como %2.</translation>
    </message>
</context>
<context>
    <name>RunningStage</name>
    <message>
        <source>it was played on another level</source>
        <translation>foi jogada em outro nível</translation>
    </message>
    <message>
        <source>the level&apos;s files have changed since</source>
        <translation>os arquivos do nível mudaram desde então</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Clique para continuar</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It could not be set aside either: %2. The level starts afresh.</source>
        <translation>Não foi possível retomar o nível em andamento: %1. Também não foi possível separá-lo: %2. O nível recomeça.</translation>
    </message>
    <message>
        <source>The level in progress could not be resumed: %1. It is kept as &quot;%2&quot;. The level starts afresh.</source>
        <translation>Não foi possível retomar o nível em andamento: %1. Ele foi guardado como &quot;%2&quot;. O nível recomeça.</translation>
    </message>
</context>
<context>
    <name>TGameApplication</name>
    <message>
        <source>Unknown error.</source>
        <translation>Erro desconhecido.</translation>
    </message>
</context>
<context>
    <name>TPauseCover</name>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
</context>
<context>
    <name>TStatusPanel</name>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Practician</source>
        <translation>Praticante</translation>
    </message>
    <message>
        <source>Excellent Brillor</source>
        <translation>Ás do Brillor</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>King Of Brillor</source>
        <translation>Rei do Brillor</translation>
    </message>
</context>
<context>
    <name>TfrmEditor</name>
    <message>
        <source>white</source>
        <translation>bran</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
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
        <translation>Verm</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limp.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salv.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verif</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>SetLevel</source>
        <translation>Definir nível</translation>
    </message>
    <message>
        <source>Chip</source>
        <translation>Lasca</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carr.</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Nada foi salvo.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Pronto.</translation>
    </message>
    <message>
        <source>The level must be a whole number from 1 up, not &quot;%1&quot;.</source>
        <translation>O nível deve ser um número inteiro a partir de 1, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Nothing was checked.</source>
        <translation>Nada foi verificado.</translation>
    </message>
    <message>
        <source>The level was not played.</source>
        <translation>O nível não foi jogado.</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>TfrmInput</name>
    <message>
        <source>A name can only hold Western European letters.</source>
        <translation>Um nome só pode ter letras da Europa Ocidental.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Not a valid value.</source>
        <translation>Valor inválido.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>About Brillor I</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Are you sure to quit current game and change to &quot;%1&quot;?</source>
        <translation>Sair da partida atual e trocar para &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Open the help page failed.
Please open &quot;%1&quot; in your web browser manually.</source>
        <translation>Não foi possível abrir a página de ajuda.
Abra &quot;%1&quot; no seu navegador.</translation>
    </message>
    <message>
        <source>Launch your default web browser failed.
Please enter the URL &quot;%1&quot; into your web browser manually.</source>
        <translation>Não foi possível abrir o navegador.
Digite o endereço &quot;%1&quot; no seu navegador.</translation>
    </message>
    <message>
        <source>The window will be %1 % of its size from the next start.</source>
        <translation>A janela terá %1 % do tamanho a partir da próxima vez.</translation>
    </message>
    <message>
        <source>
It does not fit this screen: %1 % will be used.</source>
        <translation>
Ela não cabe nesta tela: será usado %1 %.</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmMoreOptions</name>
    <message>
        <source>More Options</source>
        <translation>Mais opções</translation>
    </message>
    <message>
        <source>Symbols on gems</source>
        <translation>Símbolos nas gemas</translation>
    </message>
    <message>
        <source>A shape for every colour</source>
        <translation>Uma forma para cada cor</translation>
    </message>
    <message>
        <source>Relaxed pace</source>
        <translation>Ritmo tranquilo</translation>
    </message>
    <message>
        <source>No countdown, no automatic drop</source>
        <translation>Sem contagem nem queda automática</translation>
    </message>
    <message>
        <source>Drop preview</source>
        <translation>Prévia da jogada</translation>
    </message>
    <message>
        <source>Rows and money a drop would make</source>
        <translation>Linhas e dinheiro de uma jogada</translation>
    </message>
    <message>
        <source>Player records</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Shown in the player list</source>
        <translation>Na lista de jogadores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation>Tamanho da janela</translation>
    </message>
    <message>
        <source>Too large for this screen: %1 % used</source>
        <translation>Grande demais: usado %1 %</translation>
    </message>
    <message>
        <source>Used from the next start</source>
        <translation>Vale a partir da próxima vez</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Background Music</source>
        <translation>Música de fundo</translation>
    </message>
    <message>
        <source>(Click the bar to change music volume)</source>
        <translation>(Clique na barra: volume da música)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>(Click the bar to change sound volume)</source>
        <translation>(Clique na barra: volume do som)</translation>
    </message>
    <message>
        <source>Mouse Control</source>
        <translation>Controle do mouse</translation>
    </message>
    <message>
        <source>(Click the icon to choice a rotate-mode)</source>
        <translation>(Clique no ícone: sentido do giro)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Mais...</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Anti-horário</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Horário</translation>
    </message>
</context>
<context>
    <name>TfrmPlayers</name>
    <message>
        <source>Player List</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Please input a player name:</source>
        <translation>Digite o nome do jogador:</translation>
    </message>
    <message>
        <source>Are you sure to delete player &quot;%1&quot;?</source>
        <translation>Excluir o jogador &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>
Your selected player &quot;%1&quot; is running now, you must select another player after deleted.</source>
        <translation>
O jogador &quot;%1&quot; está jogando agora; depois de excluí-lo, escolha outro jogador.</translation>
    </message>
    <message>
        <source>Please select a existent player or create a new player.</source>
        <translation>Escolha um jogador existente ou crie um novo.</translation>
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
        <translation>Níveis: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Rows: %1</source>
        <translation>Linhas: %1</translation>
    </message>
    <message>
        <source>Longest chain: %1</source>
        <translation>Maior cadeia: %1</translation>
    </message>
    <message>
        <source>Best level: $%1</source>
        <translation>Melhor nível: $%1</translation>
    </message>
</context>
<context>
    <name>TfrmTop10</name>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinheiro</translation>
    </message>
    <message>
        <source>Unit Price</source>
        <translation>Preço unitário</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Eficiência</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
