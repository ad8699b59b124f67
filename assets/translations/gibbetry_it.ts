<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Count</name>
    <message>
        <source>%1 letter</source>
        <translation>%1 lettera</translation>
    </message>
    <message>
        <source>%1 letters</source>
        <translation>%1 lettere</translation>
    </message>
    <message>
        <source>%1 place</source>
        <translation>%1 posizione</translation>
    </message>
    <message>
        <source>%1 places</source>
        <translation>%1 posizioni</translation>
    </message>
    <message>
        <source>%1 miss</source>
        <translation>%1 errore</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 errori</translation>
    </message>
    <message>
        <source>%1 word</source>
        <translation>%1 parola</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 parole</translation>
    </message>
</context>
<context>
    <name>LetterSlot</name>
    <message>
        <source>blank</source>
        <translation>vuota</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Gibbetry</source>
        <translation>Informazioni su Gibbetry</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>Domande? Serve aiuto? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Email us!</source>
        <translation>Scriveteci!</translation>
    </message>
    <message>
        <source>%1. %2. Two links: %3 and %4.</source>
        <translation>%1. %2. Due link: %3 e %4.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Type a letter to guess.</source>
        <translation>Digita una lettera per indovinare.</translation>
    </message>
    <message>
        <source>%1: already tried, %2.</source>
        <translation>%1: già provata, %2.</translation>
    </message>
    <message>
        <source>a hit</source>
        <translation>una lettera giusta</translation>
    </message>
    <message>
        <source>a miss</source>
        <translation>un errore</translation>
    </message>
    <message>
        <source>Unsaved changes discarded.</source>
        <translation>Modifiche non salvate scartate.</translation>
    </message>
    <message>
        <source>Game stopped.</source>
        <translation>Partita interrotta.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuovo gioco</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettere</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuovo gioco</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>&amp;Interrompi partita</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Edit &amp;Words List</source>
        <translation>Modifica elenco &amp;parole</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>About Gibbetry</source>
        <translation>Informazioni su Gibbetry</translation>
    </message>
    <message>
        <source>Gallows drawing, %1 of %2 pieces shown</source>
        <translation>Disegno dell&apos;impiccato, %1 di %2 pezzi visibili</translation>
    </message>
    <message>
        <source>No game in progress. Alt+F, N deals a word.</source>
        <translation>Nessuna partita in corso. Alt+F, N dà una parola.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Word: %1. %2. Missed: %3. Found: %4.</source>
        <translation>Parola: %1. %2. Sbagliate: %3. Trovate: %4.</translation>
    </message>
    <message>
        <source>%1: no.</source>
        <translation>%1: no.</translation>
    </message>
    <message>
        <source>%1: yes, %2.</source>
        <translation>%1: sì, %2.</translation>
    </message>
    <message>
        <source>%1 %2. Word: %3.</source>
        <translation>%1 %2. Parola: %3.</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>restano %1</translation>
    </message>
    <message>
        <source>no misses left</source>
        <translation>nessun errore rimasto</translation>
    </message>
    <message>
        <source>The Words List Is Empty.</source>
        <translation>L&apos;elenco delle parole è vuoto.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <translation>Nuovo gioco, %1.</translation>
    </message>
    <message>
        <source>Game dropped. </source>
        <translation>Partita abbandonata. </translation>
    </message>
    <message>
        <source>You Have Won The Game.</source>
        <translation>Hai vinto la partita.</translation>
    </message>
    <message>
        <source>You Have Lost The Game</source>
        <translation>Hai perso la partita</translation>
    </message>
    <message>
        <source>%1: yes. %2</source>
        <translation>%1: sì. %2</translation>
    </message>
    <message>
        <source>%1: no. %2</source>
        <translation>%1: no. %2</translation>
    </message>
</context>
<context>
    <name>frmSaving</name>
    <message>
        <source>Saving Words List ...</source>
        <translation>Salvataggio ...</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Salvataggio riuscito</translation>
    </message>
    <message>
        <source>Save Unsuccessful</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
</context>
<context>
    <name>frmWords</name>
    <message>
        <source>Edit Words List</source>
        <translation>Modifica elenco parole</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Enter New Word</source>
        <translation>Inserisci una nuova parola</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Aggiungi parola</translation>
    </message>
    <message>
        <source>Can&apos;t Add Word</source>
        <translation>Impossibile aggiungere la parola</translation>
    </message>
    <message>
        <source>Added %1. %2.</source>
        <translation>%1 aggiunta. %2.</translation>
    </message>
    <message>
        <source>%1 characters: a word has %2 at most.</source>
        <translation>%1 caratteri: una parola ne ha al massimo %2.</translation>
    </message>
    <message>
        <source>A word is one line.</source>
        <translation>Una parola è una sola riga.</translation>
    </message>
    <message>
        <source>The word list file cannot hold %1.</source>
        <translation>Il file dell&apos;elenco non può contenere %1.</translation>
    </message>
    <message>
        <source>No words.</source>
        <translation>Nessuna parola.</translation>
    </message>
    <message>
        <source>%1, %2, %3 of %4.</source>
        <translation>%1, %2, %3 di %4.</translation>
    </message>
    <message>
        <source>Can&apos;t Remove Word</source>
        <translation>Impossibile rimuovere la parola</translation>
    </message>
    <message>
        <source>Removed %1. %2 left.</source>
        <translation>%1 rimossa. Restano %2.</translation>
    </message>
    <message>
        <source>A list keeps at least %1.</source>
        <translation>Un elenco conserva almeno %1.</translation>
    </message>
    <message>
        <source>No word chosen: select one, then Remove.</source>
        <translation>Nessuna parola scelta: sceglierne una, poi Rimuovi.</translation>
    </message>
</context>
</TS>
