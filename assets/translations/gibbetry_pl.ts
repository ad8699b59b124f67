<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>LetterSlot</name>
    <message>
        <source>blank</source>
        <comment>a hidden letter</comment>
        <extracomment>A screen reader&apos;s word for a letter of the word not yet found: &quot;Word: blank N T&quot;.</extracomment>
        <translation>puste</translation>
    </message>
</context>
<context>
    <name>StartingList</name>
    <message>
        <source>Internet Computer Corrupted Wallaby Canister President Choice Selective Adaptive Irony Indulge Storm Drain Tree Mallot Chainmail Mountain Mystic Hollywood Music Candle Corn Wash Right Rich Bedding Border Newlywed Television Olive Wax Fake Phonics Silver Sting</source>
        <extracomment>The words a first start puts in a new player&apos;s list, one space between words: at least 35 words of your language that children know, each of 3 to 12 letters written with A to Z alone (the board has no other letters: leave out a word that needs one).</extracomment>
        <translation>Dom Okno Gwiazda Chmura Deszcz Kot Pies Ptak Mysz Ryba Chleb Mleko Tort Lalka Auto Statek Las Wyspa Kolega Muzyka Prezent Kwiat Drzewo Zabawka Zima Lato Czekolada Buty Morze Rower Parasol Kredka Smok Miasto Rzeka Okulary Kapelusz Dziecko</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message numerus="yes">
        <source>%n letters</source>
        <comment>a word&apos;s length</comment>
        <extracomment>A row&apos;s length, read by a screen reader. %n: its letters.</extracomment>
        <translation>
            <numerusform>%n litera</numerusform>
            <numerusform>%n litery</numerusform>
            <numerusform>%n liter</numerusform>
        </translation>
    </message>
    <message>
        <source>Word</source>
        <comment>column header</comment>
        <extracomment>The editor&apos;s column headers: the word, and its length in characters.</extracomment>
        <translation>Słowo</translation>
    </message>
    <message>
        <source>Length</source>
        <comment>column header</comment>
        <translation>Długość</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Gibbetry</source>
        <translation>O programie Gibbetry</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1: the version number, &quot;1.0&quot;.</extracomment>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>Pytania? Potrzebna pomoc techniczna? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Email us!</source>
        <translation>Napisz do nas!</translation>
    </message>
    <message>
        <source>%1. %2. Two links: %3 and %4.</source>
        <extracomment>The About box as a screen reader reads it on opening. %1: the game&apos;s name; %2: &quot;Version 1.0&quot;; %3: the web address; %4: the link &quot;Contact us&quot;.</extracomment>
        <translation>%1. %2. Dwa odnośniki: %3 i %4.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Type a letter to guess.</source>
        <extracomment>Spoken when Enter or Space has no letter to press.</extracomment>
        <translation>Wpisz literę, aby zgadnąć.</translation>
    </message>
    <message>
        <source>%1: already tried, a hit.</source>
        <translation>%1: już sprawdzona, trafienie.</translation>
    </message>
    <message>
        <source>%1: already tried, a miss.</source>
        <translation>%1: już sprawdzona, pudło.</translation>
    </message>
    <message>
        <source>Unsaved changes discarded.</source>
        <extracomment>Spoken as the word list editor closes with edits not saved.</extracomment>
        <translation>Odrzucono niezapisane zmiany.</translation>
    </message>
    <message>
        <source>Game stopped.</source>
        <extracomment>Spoken when closing the word list editor ends a game.
----------
Spoken when File, Stop Game ends a game.</extracomment>
        <translation>Gra przerwana.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Letters</source>
        <comment>the letter buttons</comment>
        <extracomment>A screen reader&apos;s name for the group of 26 letter buttons.</extracomment>
        <translation>Litery</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>&amp;Przerwij grę</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Edit &amp;Words List</source>
        <translation>Edytuj &amp;listę słów</translation>
    </message>
    <message>
        <source>About</source>
        <comment>menu</comment>
        <extracomment>The menu that holds &quot;About Gibbetry&quot;; it has no access key.</extracomment>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>About Gibbetry</source>
        <translation>O programie Gibbetry</translation>
    </message>
    <message numerus="yes">
        <source>Gallows drawing, %n of %1 pieces shown</source>
        <extracomment>The drawing&apos;s name for a screen reader, between games. %n: pieces shown (0 to 12); %1: all the pieces, 12.</extracomment>
        <translation>
            <numerusform>Rysunek szubienicy, widoczna %n z %1 części</numerusform>
            <numerusform>Rysunek szubienicy, widoczne %n z %1 części</numerusform>
            <numerusform>Rysunek szubienicy, widocznych %n z %1 części</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gallows drawing, %n of %1 pieces shown, %2</source>
        <extracomment>The drawing&apos;s name for a screen reader during a game. %n: pieces shown (0 to 11); %1: all the pieces, 12; %2: the misses left, &quot;11 misses left&quot;.</extracomment>
        <translation>
            <numerusform>Rysunek szubienicy, widoczna %n z %1 części, %2</numerusform>
            <numerusform>Rysunek szubienicy, widoczne %n z %1 części, %2</numerusform>
            <numerusform>Rysunek szubienicy, widocznych %n z %1 części, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n misses left</source>
        <comment>inside a sentence</comment>
        <extracomment>Ends the drawing&apos;s name: %n, the misses the player has left (1 to 12).</extracomment>
        <translation>
            <numerusform>został %n błąd</numerusform>
            <numerusform>zostały %n błędy</numerusform>
            <numerusform>zostało %n błędów</numerusform>
        </translation>
    </message>
    <message>
        <source>Gallows drawing, %1 of %1 pieces shown, no misses left</source>
        <extracomment>The drawing&apos;s name for a screen reader over the message of a lost game. %1: all the pieces, 12.</extracomment>
        <translation>Rysunek szubienicy, widocznych %1 z %1 części, nie zostało już żadnych błędów</translation>
    </message>
    <message>
        <source>No game in progress. Alt+F, N deals a word.</source>
        <extracomment>Spoken when a key asks for the game between games. &quot;Alt+F, N&quot; are the keys of the menu File, item New Game: use this language&apos;s access keys.</extracomment>
        <translation>Brak trwającej gry. Alt+P, N losuje słowo.</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no letters</comment>
        <extracomment>Spoken for a list of letters with nothing in it: &quot;Missed: none.&quot;</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source>Word: %1. %2 Missed: %3. Found: %4.</source>
        <extracomment>F2 and the drawing&apos;s description: the whole game. %1: the word as it stands, &quot;blank N T&quot;; %2: the misses left as a sentence, &quot;11 misses left.&quot;; %3 and %4: letters, &quot;A, O&quot;, or &quot;none&quot;.</extracomment>
        <translation>Słowo: %1. %2 Chybione: %3. Trafione: %4.</translation>
    </message>
    <message>
        <source>%1: no.</source>
        <extracomment>The answer to a guess that missed. %1: the letter guessed.</extracomment>
        <translation>%1: nie.</translation>
    </message>
    <message numerus="yes">
        <source>%1: yes, %n places.</source>
        <extracomment>The answer to a guess that hit. %1: the letter guessed; %n: the places it fills.</extracomment>
        <translation>
            <numerusform>%1: tak, %n miejsce.</numerusform>
            <numerusform>%1: tak, %n miejsca.</numerusform>
            <numerusform>%1: tak, %n miejsc.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 Word: %3.</source>
        <extracomment>Said after each guess. %1: the answer, &quot;E: yes, 2 places.&quot;; %2: the misses left as a sentence, &quot;11 misses left.&quot;; %3: the word as it stands, &quot;blank N T E R N E T&quot;.</extracomment>
        <translation>%1 %2 Słowo: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n misses left.</source>
        <comment>a sentence</comment>
        <extracomment>A sentence of its own, after a guess and in the whole game. %n: the misses the player has left (1 to 12).</extracomment>
        <translation>
            <numerusform>Został %n błąd.</numerusform>
            <numerusform>Zostały %n błędy.</numerusform>
            <numerusform>Zostało %n błędów.</numerusform>
        </translation>
    </message>
    <message>
        <source>The Words List Is Empty.</source>
        <translation>Lista słów jest pusta.</translation>
    </message>
    <message numerus="yes">
        <source>Game dropped. New game, %n letters.</source>
        <extracomment>Spoken when New Game ends a game in progress and deals the next. %n: the new word&apos;s letters.</extracomment>
        <translation>
            <numerusform>Gra porzucona. Nowa gra, %n litera.</numerusform>
            <numerusform>Gra porzucona. Nowa gra, %n litery.</numerusform>
            <numerusform>Gra porzucona. Nowa gra, %n liter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>New game, %n letters.</source>
        <translation>
            <numerusform>Nowa gra, %n litera.</numerusform>
            <numerusform>Nowa gra, %n litery.</numerusform>
            <numerusform>Nowa gra, %n liter.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: yes. %2</source>
        <extracomment>Spoken at the guess that wins. %1: the letter; %2: the message &quot;You Have Won The Game.&quot;</extracomment>
        <translation>%1: tak. %2</translation>
    </message>
    <message>
        <source>You Have Won The Game.</source>
        <translation>Gra wygrana.</translation>
    </message>
    <message>
        <source>%1: no. %2</source>
        <extracomment>Spoken at the guess that loses. %1: the letter; %2: the message &quot;You Have Lost The Game&quot;.</extracomment>
        <translation>%1: nie. %2</translation>
    </message>
    <message>
        <source>You Have Lost The Game</source>
        <translation>Gra przegrana</translation>
    </message>
</context>
<context>
    <name>frmSaving</name>
    <message>
        <source>Saving Words List ...</source>
        <translation>Zapisuję listę…</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Zapisano</translation>
    </message>
    <message>
        <source>Save Unsuccessful</source>
        <translation>Nie udało się zapisać</translation>
    </message>
</context>
<context>
    <name>frmWords</name>
    <message>
        <source>Edit Words List</source>
        <translation>Edycja listy słów</translation>
    </message>
    <message>
        <source>Words</source>
        <comment>the list</comment>
        <extracomment>A screen reader&apos;s name for the editor&apos;s list of words.</extracomment>
        <translation>Słowa</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Enter New Word</source>
        <translation>Wpisz nowe słowo</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Dodaj słowo</translation>
    </message>
    <message>
        <source>Can&apos;t Add Word</source>
        <translation>Nie można dodać słowa</translation>
    </message>
    <message numerus="yes">
        <source>Added %1. %n words.</source>
        <extracomment>Spoken after Add. %1: the word added; %n: the words now in the list.</extracomment>
        <translation>
            <numerusform>Dodano %1. %n słowo.</numerusform>
            <numerusform>Dodano %1. %n słowa.</numerusform>
            <numerusform>Dodano %1. %n słów.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters: a word has %1 at most.</source>
        <extracomment>Why a word cannot be added, read with the box &quot;Can&apos;t Add Word&quot;. %n: the characters typed (13 or more); %1: the most a word may have, 12.</extracomment>
        <translation>
            <numerusform>%n znak: słowo ma najwyżej %1.</numerusform>
            <numerusform>%n znaki: słowo ma najwyżej %1.</numerusform>
            <numerusform>%n znaków: słowo ma najwyżej %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>A word is one line.</source>
        <extracomment>Why a word cannot be added, read with the box &quot;Can&apos;t Add Word&quot;.</extracomment>
        <translation>Słowo to jeden wiersz.</translation>
    </message>
    <message>
        <source>The word list file cannot hold %1.</source>
        <extracomment>Why a word cannot be added, read with the box &quot;Can&apos;t Add Word&quot;. %1: the character the file&apos;s code page lacks.</extracomment>
        <translation>Plik listy słów nie może zawierać %1.</translation>
    </message>
    <message>
        <source>No words.</source>
        <extracomment>Spoken when the editor&apos;s list is empty.</extracomment>
        <translation>Brak słów.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n letters, %2 of %3.</source>
        <extracomment>The row the editor&apos;s list stands on. %1: the word; %n: its letters; %2: the row&apos;s number; %3: the rows.</extracomment>
        <translation>
            <numerusform>%1, %n litera, %2 z %3.</numerusform>
            <numerusform>%1, %n litery, %2 z %3.</numerusform>
            <numerusform>%1, %n liter, %2 z %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t Remove Word</source>
        <translation>Nie można usunąć słowa</translation>
    </message>
    <message numerus="yes">
        <source>A list keeps at least %n words.</source>
        <extracomment>Why Remove refused, read with the box &quot;Can&apos;t Remove Word&quot;. %n: the fewest words a list may have, 5.</extracomment>
        <translation>
            <numerusform>Lista musi mieć co najmniej %n słowo.</numerusform>
            <numerusform>Lista musi mieć co najmniej %n słowa.</numerusform>
            <numerusform>Lista musi mieć co najmniej %n słów.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word chosen: select one, then Remove.</source>
        <extracomment>Spoken when Remove has no row chosen; &quot;Remove&quot; is the button&apos;s caption.</extracomment>
        <translation>Nie wybrano słowa: wybierz jedno, a potem Usuń.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1. %n words left.</source>
        <extracomment>Spoken after Remove. %1: the word removed; %n: the words left in the list.</extracomment>
        <translation>
            <numerusform>Usunięto %1. Zostało %n słowo.</numerusform>
            <numerusform>Usunięto %1. Zostały %n słowa.</numerusform>
            <numerusform>Usunięto %1. Zostało %n słów.</numerusform>
        </translation>
    </message>
</context>
</TS>
