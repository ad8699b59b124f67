<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Count</name>
    <message>
        <source>%1 letter</source>
        <translation>%1 letra</translation>
    </message>
    <message>
        <source>%1 letters</source>
        <translation>%1 letras</translation>
    </message>
    <message>
        <source>%1 place</source>
        <translation>%1 posição</translation>
    </message>
    <message>
        <source>%1 places</source>
        <translation>%1 posições</translation>
    </message>
    <message>
        <source>%1 miss</source>
        <translation>%1 erro</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 erros</translation>
    </message>
    <message>
        <source>%1 word</source>
        <translation>%1 palavra</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 palavras</translation>
    </message>
</context>
<context>
    <name>LetterSlot</name>
    <message>
        <source>blank</source>
        <translation>vazia</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Gibbetry</source>
        <translation>Sobre o Gibbetry</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>Dúvidas? Precisa de ajuda? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>Email us!</source>
        <translation>Escreva para nós!</translation>
    </message>
    <message>
        <source>%1. %2. Two links: %3 and %4.</source>
        <translation>%1. %2. Dois links: %3 e %4.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Type a letter to guess.</source>
        <translation>Digite uma letra para adivinhar.</translation>
    </message>
    <message>
        <source>%1: already tried, %2.</source>
        <translation>%1: já tentada, %2.</translation>
    </message>
    <message>
        <source>a hit</source>
        <translation>um acerto</translation>
    </message>
    <message>
        <source>a miss</source>
        <translation>um erro</translation>
    </message>
    <message>
        <source>Unsaved changes discarded.</source>
        <translation>Alterações não salvas descartadas.</translation>
    </message>
    <message>
        <source>Game stopped.</source>
        <translation>Jogo encerrado.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>&amp;Encerrar jogo</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Edit &amp;Words List</source>
        <translation>Editar lista de &amp;palavras</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>About Gibbetry</source>
        <translation>Sobre o Gibbetry</translation>
    </message>
    <message>
        <source>Gallows drawing, %1 of %2 pieces shown</source>
        <translation>Desenho da forca, %1 de %2 partes visíveis</translation>
    </message>
    <message>
        <source>No game in progress. Alt+F, N deals a word.</source>
        <translation>Nenhum jogo em andamento. Alt+A, N sorteia uma palavra.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Word: %1. %2. Missed: %3. Found: %4.</source>
        <translation>Palavra: %1. %2. Erradas: %3. Certas: %4.</translation>
    </message>
    <message>
        <source>%1: no.</source>
        <translation>%1: não.</translation>
    </message>
    <message>
        <source>%1: yes, %2.</source>
        <translation>%1: sim, %2.</translation>
    </message>
    <message>
        <source>%1 %2. Word: %3.</source>
        <translation>%1 %2. Palavra: %3.</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>restam %1</translation>
    </message>
    <message>
        <source>no misses left</source>
        <translation>nenhum erro restante</translation>
    </message>
    <message>
        <source>The Words List Is Empty.</source>
        <translation>A lista de palavras está vazia.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <translation>Novo jogo, %1.</translation>
    </message>
    <message>
        <source>Game dropped. </source>
        <translation>Jogo abandonado. </translation>
    </message>
    <message>
        <source>You Have Won The Game.</source>
        <translation>Você ganhou o jogo.</translation>
    </message>
    <message>
        <source>You Have Lost The Game</source>
        <translation>Você perdeu o jogo</translation>
    </message>
    <message>
        <source>%1: yes. %2</source>
        <translation>%1: sim. %2</translation>
    </message>
    <message>
        <source>%1: no. %2</source>
        <translation>%1: não. %2</translation>
    </message>
</context>
<context>
    <name>frmSaving</name>
    <message>
        <source>Saving Words List ...</source>
        <translation>Salvando lista ...</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Salvo com sucesso</translation>
    </message>
    <message>
        <source>Save Unsuccessful</source>
        <translation>Falha ao salvar</translation>
    </message>
</context>
<context>
    <name>frmWords</name>
    <message>
        <source>Edit Words List</source>
        <translation>Editar lista de palavras</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Enter New Word</source>
        <translation>Digite uma nova palavra</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Adicionar palavra</translation>
    </message>
    <message>
        <source>Can&apos;t Add Word</source>
        <translation>Não foi possível adicionar a palavra</translation>
    </message>
    <message>
        <source>Added %1. %2.</source>
        <translation>%1 adicionada. %2.</translation>
    </message>
    <message>
        <source>%1 characters: a word has %2 at most.</source>
        <translation>%1 caracteres: uma palavra tem no máximo %2.</translation>
    </message>
    <message>
        <source>A word is one line.</source>
        <translation>Uma palavra é uma linha só.</translation>
    </message>
    <message>
        <source>The word list file cannot hold %1.</source>
        <translation>O arquivo da lista não pode conter %1.</translation>
    </message>
    <message>
        <source>No words.</source>
        <translation>Nenhuma palavra.</translation>
    </message>
    <message>
        <source>%1, %2, %3 of %4.</source>
        <translation>%1, %2, %3 de %4.</translation>
    </message>
    <message>
        <source>Can&apos;t Remove Word</source>
        <translation>Não foi possível remover a palavra</translation>
    </message>
    <message>
        <source>Removed %1. %2 left.</source>
        <translation>%1 removida. Restam %2.</translation>
    </message>
    <message>
        <source>A list keeps at least %1.</source>
        <translation>Uma lista mantém pelo menos %1.</translation>
    </message>
    <message>
        <source>No word chosen: select one, then Remove.</source>
        <translation>Nenhuma palavra escolhida: escolha uma e depois Remover.</translation>
    </message>
</context>
</TS>
