<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>LetterSlot</name>
    <message>
        <source>blank</source>
        <comment>a hidden letter</comment>
        <extracomment>A screen reader&apos;s word for a letter of the word not yet found: &quot;Word: blank N T&quot;.</extracomment>
        <translation>vuota</translation>
    </message>
</context>
<context>
    <name>StartingList</name>
    <message>
        <source>Internet Computer Corrupted Wallaby Canister President Choice Selective Adaptive Irony Indulge Storm Drain Tree Mallot Chainmail Mountain Mystic Hollywood Music Candle Corn Wash Right Rich Bedding Border Newlywed Television Olive Wax Fake Phonics Silver Sting</source>
        <extracomment>The words a first start puts in a new player&apos;s list, one space between words: at least 35 words of your language that children know, each of 3 to 12 letters written with A to Z alone (the board has no other letters: leave out a word that needs one).</extracomment>
        <translation>Casa Giardino Finestra Sole Luna Stella Nuvola Pioggia Scuola Libro Tavolo Sedia Gatto Cane Uccello Cavallo Topo Pesce Pane Latte Torta Palla Bambola Treno Macchina Barca Montagna Bosco Isola Amico Musica Candela Regalo Mela Fiore Albero Arancia Coniglio Gelato Inverno Estate</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message numerus="yes">
        <source>%n letters</source>
        <comment>a word&apos;s length</comment>
        <extracomment>A row&apos;s length, read by a screen reader. %n: its letters.</extracomment>
        <translation>
            <numerusform>%n lettera</numerusform>
            <numerusform>%n lettere</numerusform>
        </translation>
    </message>
    <message>
        <source>Word</source>
        <comment>column header</comment>
        <extracomment>The editor&apos;s column headers: the word, and its length in characters.</extracomment>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Length</source>
        <comment>column header</comment>
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
        <extracomment>%1: the version number, &quot;1.0&quot;.</extracomment>
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
        <extracomment>The About box as a screen reader reads it on opening. %1: the game&apos;s name; %2: &quot;Version 1.0&quot;; %3: the web address; %4: the link &quot;Contact us&quot;.</extracomment>
        <translation>%1. %2. Due link: %3 e %4.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Type a letter to guess.</source>
        <extracomment>Spoken when Enter or Space has no letter to press.</extracomment>
        <translation>Digita una lettera per indovinare.</translation>
    </message>
    <message>
        <source>Unsaved changes discarded.</source>
        <extracomment>Spoken as the word list editor closes with edits not saved.</extracomment>
        <translation>Modifiche non salvate scartate.</translation>
    </message>
    <message>
        <source>Game stopped.</source>
        <extracomment>Spoken when closing the word list editor ends a game.
----------
Spoken when File, Stop Game ends a game.</extracomment>
        <translation>Partita interrotta.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
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
        <source>About Gibbetry</source>
        <translation>Informazioni su Gibbetry</translation>
    </message>
    <message>
        <source>No game in progress. Alt+F, N deals a word.</source>
        <extracomment>Spoken when a key asks for the game between games. &quot;Alt+F, N&quot; are the keys of the menu File, item New Game: use this language&apos;s access keys.</extracomment>
        <translation>Nessuna partita in corso. Alt+F, N dà una parola.</translation>
    </message>
    <message>
        <source>%1: no.</source>
        <extracomment>The answer to a guess that missed. %1: the letter guessed.</extracomment>
        <translation>%1: no.</translation>
    </message>
    <message>
        <source>The Words List Is Empty.</source>
        <translation>L&apos;elenco delle parole è vuoto.</translation>
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
        <extracomment>Spoken at the guess that wins. %1: the letter; %2: the message &quot;You Have Won The Game.&quot;</extracomment>
        <translation>%1: sì. %2</translation>
    </message>
    <message>
        <source>%1: no. %2</source>
        <extracomment>Spoken at the guess that loses. %1: the letter; %2: the message &quot;You Have Lost The Game&quot;.</extracomment>
        <translation>%1: no. %2</translation>
    </message>
    <message>
        <source>%1: already tried, a hit.</source>
        <translation>%1: già provata, una lettera giusta.</translation>
    </message>
    <message>
        <source>%1: already tried, a miss.</source>
        <translation>%1: già provata, un errore.</translation>
    </message>
    <message>
        <source>Letters</source>
        <comment>the letter buttons</comment>
        <extracomment>A screen reader&apos;s name for the group of 26 letter buttons.</extracomment>
        <translation>Lettere</translation>
    </message>
    <message>
        <source>About</source>
        <comment>menu</comment>
        <extracomment>The menu that holds &quot;About Gibbetry&quot;; it has no access key.</extracomment>
        <translation>Informazioni</translation>
    </message>
    <message numerus="yes">
        <source>Gallows drawing, %n of %1 pieces shown</source>
        <extracomment>The drawing&apos;s name for a screen reader, between games. %n: pieces shown (0 to 12); %1: all the pieces, 12.</extracomment>
        <translation>
            <numerusform>Disegno dell&apos;impiccato, %n di %1 pezzi visibili</numerusform>
            <numerusform>Disegno dell&apos;impiccato, %n di %1 pezzi visibili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gallows drawing, %n of %1 pieces shown, %2</source>
        <extracomment>The drawing&apos;s name for a screen reader during a game. %n: pieces shown (0 to 11); %1: all the pieces, 12; %2: the misses left, &quot;11 misses left&quot;.</extracomment>
        <translation>
            <numerusform>Disegno dell&apos;impiccato, %n di %1 pezzi visibili, %2</numerusform>
            <numerusform>Disegno dell&apos;impiccato, %n di %1 pezzi visibili, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n misses left</source>
        <comment>inside a sentence</comment>
        <extracomment>Ends the drawing&apos;s name: %n, the misses the player has left (1 to 12).</extracomment>
        <translation>
            <numerusform>resta %n errore</numerusform>
            <numerusform>restano %n errori</numerusform>
        </translation>
    </message>
    <message>
        <source>Gallows drawing, %1 of %1 pieces shown, no misses left</source>
        <extracomment>The drawing&apos;s name for a screen reader over the message of a lost game. %1: all the pieces, 12.</extracomment>
        <translation>Disegno dell&apos;impiccato, %1 di %1 pezzi visibili, nessun errore rimasto</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no letters</comment>
        <extracomment>Spoken for a list of letters with nothing in it: &quot;Missed: none.&quot;</extracomment>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Word: %1. %2 Missed: %3. Found: %4.</source>
        <extracomment>F2 and the drawing&apos;s description: the whole game. %1: the word as it stands, &quot;blank N T&quot;; %2: the misses left as a sentence, &quot;11 misses left.&quot;; %3 and %4: letters, &quot;A, O&quot;, or &quot;none&quot;.</extracomment>
        <translation>Parola: %1. %2 Sbagliate: %3. Trovate: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%1: yes, %n places.</source>
        <extracomment>The answer to a guess that hit. %1: the letter guessed; %n: the places it fills.</extracomment>
        <translation>
            <numerusform>%1: sì, %n posizione.</numerusform>
            <numerusform>%1: sì, %n posizioni.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 Word: %3.</source>
        <extracomment>Said after each guess. %1: the answer, &quot;E: yes, 2 places.&quot;; %2: the misses left as a sentence, &quot;11 misses left.&quot;; %3: the word as it stands, &quot;blank N T E R N E T&quot;.</extracomment>
        <translation>%1 %2 Parola: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n misses left.</source>
        <comment>a sentence</comment>
        <extracomment>A sentence of its own, after a guess and in the whole game. %n: the misses the player has left (1 to 12).</extracomment>
        <translation>
            <numerusform>Resta %n errore.</numerusform>
            <numerusform>Restano %n errori.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game dropped. New game, %n letters.</source>
        <extracomment>Spoken when New Game ends a game in progress and deals the next. %n: the new word&apos;s letters.</extracomment>
        <translation>
            <numerusform>Partita abbandonata. Nuova partita, %n lettera.</numerusform>
            <numerusform>Partita abbandonata. Nuova partita, %n lettere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>New game, %n letters.</source>
        <translation>
            <numerusform>Nuova partita, %n lettera.</numerusform>
            <numerusform>Nuova partita, %n lettere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSaving</name>
    <message>
        <source>Saving Words List ...</source>
        <translation>Salvataggio…</translation>
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
        <source>A word is one line.</source>
        <extracomment>Why a word cannot be added, read with the box &quot;Can&apos;t Add Word&quot;.</extracomment>
        <translation>Una parola è una sola riga.</translation>
    </message>
    <message>
        <source>The word list file cannot hold %1.</source>
        <extracomment>Why a word cannot be added, read with the box &quot;Can&apos;t Add Word&quot;. %1: the character the file&apos;s code page lacks.</extracomment>
        <translation>Il file dell&apos;elenco non può contenere %1.</translation>
    </message>
    <message>
        <source>No words.</source>
        <extracomment>Spoken when the editor&apos;s list is empty.</extracomment>
        <translation>Nessuna parola.</translation>
    </message>
    <message>
        <source>Can&apos;t Remove Word</source>
        <translation>Impossibile rimuovere la parola</translation>
    </message>
    <message>
        <source>No word chosen: select one, then Remove.</source>
        <extracomment>Spoken when Remove has no row chosen; &quot;Remove&quot; is the button&apos;s caption.</extracomment>
        <translation>Nessuna parola scelta: sceglierne una, poi Rimuovi.</translation>
    </message>
    <message>
        <source>Words</source>
        <comment>the list</comment>
        <extracomment>A screen reader&apos;s name for the editor&apos;s list of words.</extracomment>
        <translation>Parole</translation>
    </message>
    <message numerus="yes">
        <source>Added %1. %n words.</source>
        <extracomment>Spoken after Add. %1: the word added; %n: the words now in the list.</extracomment>
        <translation>
            <numerusform>%1 aggiunta. %n parola.</numerusform>
            <numerusform>%1 aggiunta. %n parole.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters: a word has %1 at most.</source>
        <extracomment>Why a word cannot be added, read with the box &quot;Can&apos;t Add Word&quot;. %n: the characters typed (13 or more); %1: the most a word may have, 12.</extracomment>
        <translation>
            <numerusform>%n carattere: una parola ne ha al massimo %1.</numerusform>
            <numerusform>%n caratteri: una parola ne ha al massimo %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n letters, %2 of %3.</source>
        <extracomment>The row the editor&apos;s list stands on. %1: the word; %n: its letters; %2: the row&apos;s number; %3: the rows.</extracomment>
        <translation>
            <numerusform>%1, %n lettera, %2 di %3.</numerusform>
            <numerusform>%1, %n lettere, %2 di %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A list keeps at least %n words.</source>
        <extracomment>Why Remove refused, read with the box &quot;Can&apos;t Remove Word&quot;. %n: the fewest words a list may have, 5.</extracomment>
        <translation>
            <numerusform>Un elenco conserva almeno %n parola.</numerusform>
            <numerusform>Un elenco conserva almeno %n parole.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %1. %n words left.</source>
        <extracomment>Spoken after Remove. %1: the word removed; %n: the words left in the list.</extracomment>
        <translation>
            <numerusform>%1 rimossa. Resta %n parola.</numerusform>
            <numerusform>%1 rimossa. Restano %n parole.</numerusform>
        </translation>
    </message>
</context>
</TS>
