<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>LetterSlot</name>
    <message>
        <source>blank</source>
        <comment>a hidden letter</comment>
        <extracomment>A screen reader&apos;s word for a letter of the word not yet found: &quot;Word: blank N T&quot;.</extracomment>
        <translation>leeg</translation>
    </message>
</context>
<context>
    <name>StartingList</name>
    <message>
        <source>Internet Computer Corrupted Wallaby Canister President Choice Selective Adaptive Irony Indulge Storm Drain Tree Mallot Chainmail Mountain Mystic Hollywood Music Candle Corn Wash Right Rich Bedding Border Newlywed Television Olive Wax Fake Phonics Silver Sting</source>
        <extracomment>The words a first start puts in a new player&apos;s list, one space between words: at least 35 words of your language that children know, each of 3 to 12 letters written with A to Z alone (the board has no other letters: leave out a word that needs one).</extracomment>
        <translation>Huis Tuin Raam Zon Maan Ster Wolk Regen School Boek Tafel Stoel Kat Hond Vogel Paard Muis Vis Brood Melk Taart Bal Pop Trein Auto Boot Berg Bos Eiland Vriend Muziek Kaars Cadeau Appel Bloem Boom Sinaasappel Konijn Speelgoed Winter Zomer Chocolade Schildpad Schoen Strand</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message numerus="yes">
        <source>%n letters</source>
        <comment>a word&apos;s length</comment>
        <extracomment>A row&apos;s length, read by a screen reader. %n: its letters.</extracomment>
        <translation>
            <numerusform>%n letter</numerusform>
            <numerusform>%n letters</numerusform>
        </translation>
    </message>
    <message>
        <source>Word</source>
        <comment>column header</comment>
        <extracomment>The editor&apos;s column headers: the word, and its length in characters.</extracomment>
        <translation>Woord</translation>
    </message>
    <message>
        <source>Length</source>
        <comment>column header</comment>
        <translation>Lengte</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Gibbetry</source>
        <translation>Over Gibbetry</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1: the version number, &quot;1.0&quot;.</extracomment>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>Vragen? Technische hulp nodig? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Email us!</source>
        <translation>Mail ons!</translation>
    </message>
    <message>
        <source>%1. %2. Two links: %3 and %4.</source>
        <extracomment>The About box as a screen reader reads it on opening. %1: the game&apos;s name; %2: &quot;Version 1.0&quot;; %3: the web address; %4: the link &quot;Contact us&quot;.</extracomment>
        <translation>%1. %2. Twee links: %3 en %4.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Type a letter to guess.</source>
        <extracomment>Spoken when Enter or Space has no letter to press.</extracomment>
        <translation>Typ een letter om te raden.</translation>
    </message>
    <message>
        <source>%1: already tried, a hit.</source>
        <translation>%1: al geprobeerd, een treffer.</translation>
    </message>
    <message>
        <source>%1: already tried, a miss.</source>
        <translation>%1: al geprobeerd, een misser.</translation>
    </message>
    <message>
        <source>Unsaved changes discarded.</source>
        <extracomment>Spoken as the word list editor closes with edits not saved.</extracomment>
        <translation>Niet-opgeslagen wijzigingen verworpen.</translation>
    </message>
    <message>
        <source>Game stopped.</source>
        <extracomment>Spoken when closing the word list editor ends a game.
----------
Spoken when File, Stop Game ends a game.</extracomment>
        <translation>Spel gestopt.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Letters</source>
        <comment>the letter buttons</comment>
        <extracomment>A screen reader&apos;s name for the group of 26 letter buttons.</extracomment>
        <translation>Letters</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>Spel &amp;stoppen</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>Edit &amp;Words List</source>
        <translation>&amp;Woordenlijst bewerken</translation>
    </message>
    <message>
        <source>About</source>
        <comment>menu</comment>
        <extracomment>The menu that holds &quot;About Gibbetry&quot;; it has no access key.</extracomment>
        <translation>Over</translation>
    </message>
    <message>
        <source>About Gibbetry</source>
        <translation>Over Gibbetry</translation>
    </message>
    <message numerus="yes">
        <source>Gallows drawing, %n of %1 pieces shown</source>
        <extracomment>The drawing&apos;s name for a screen reader, between games. %n: pieces shown (0 to 12); %1: all the pieces, 12.</extracomment>
        <translation>
            <numerusform>Galgtekening, %n van %1 delen zichtbaar</numerusform>
            <numerusform>Galgtekening, %n van %1 delen zichtbaar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gallows drawing, %n of %1 pieces shown, %2</source>
        <extracomment>The drawing&apos;s name for a screen reader during a game. %n: pieces shown (0 to 11); %1: all the pieces, 12; %2: the misses left, &quot;11 misses left&quot;.</extracomment>
        <translation>
            <numerusform>Galgtekening, %n van %1 delen zichtbaar, %2</numerusform>
            <numerusform>Galgtekening, %n van %1 delen zichtbaar, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n misses left</source>
        <comment>inside a sentence</comment>
        <extracomment>Ends the drawing&apos;s name: %n, the misses the player has left (1 to 12).</extracomment>
        <translation>
            <numerusform>nog %n misser over</numerusform>
            <numerusform>nog %n missers over</numerusform>
        </translation>
    </message>
    <message>
        <source>Gallows drawing, %1 of %1 pieces shown, no misses left</source>
        <extracomment>The drawing&apos;s name for a screen reader over the message of a lost game. %1: all the pieces, 12.</extracomment>
        <translation>Galgtekening, %1 van %1 delen zichtbaar, geen missers meer over</translation>
    </message>
    <message>
        <source>No game in progress. Alt+F, N deals a word.</source>
        <extracomment>Spoken when a key asks for the game between games. &quot;Alt+F, N&quot; are the keys of the menu File, item New Game: use this language&apos;s access keys.</extracomment>
        <translation>Geen spel bezig. Alt+B, N deelt een woord.</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no letters</comment>
        <extracomment>Spoken for a list of letters with nothing in it: &quot;Missed: none.&quot;</extracomment>
        <translation>geen</translation>
    </message>
    <message>
        <source>Word: %1. %2 Missed: %3. Found: %4.</source>
        <extracomment>F2 and the drawing&apos;s description: the whole game. %1: the word as it stands, &quot;blank N T&quot;; %2: the misses left as a sentence, &quot;11 misses left.&quot;; %3 and %4: letters, &quot;A, O&quot;, or &quot;none&quot;.</extracomment>
        <translation>Woord: %1. %2 Gemist: %3. Gevonden: %4.</translation>
    </message>
    <message>
        <source>%1: no.</source>
        <extracomment>The answer to a guess that missed. %1: the letter guessed.</extracomment>
        <translation>%1: nee.</translation>
    </message>
    <message numerus="yes">
        <source>%1: yes, %n places.</source>
        <extracomment>The answer to a guess that hit. %1: the letter guessed; %n: the places it fills.</extracomment>
        <translation>
            <numerusform>%1: ja, %n plek.</numerusform>
            <numerusform>%1: ja, %n plekken.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 Word: %3.</source>
        <extracomment>Said after each guess. %1: the answer, &quot;E: yes, 2 places.&quot;; %2: the misses left as a sentence, &quot;11 misses left.&quot;; %3: the word as it stands, &quot;blank N T E R N E T&quot;.</extracomment>
        <translation>%1 %2 Woord: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n misses left.</source>
        <comment>a sentence</comment>
        <extracomment>A sentence of its own, after a guess and in the whole game. %n: the misses the player has left (1 to 12).</extracomment>
        <translation>
            <numerusform>Nog %n misser over.</numerusform>
            <numerusform>Nog %n missers over.</numerusform>
        </translation>
    </message>
    <message>
        <source>The Words List Is Empty.</source>
        <translation>De woordenlijst is leeg.</translation>
    </message>
    <message numerus="yes">
        <source>Game dropped. New game, %n letters.</source>
        <extracomment>Spoken when New Game ends a game in progress and deals the next. %n: the new word&apos;s letters.</extracomment>
        <translation>
            <numerusform>Spel opgegeven. Nieuw spel, %n letter.</numerusform>
            <numerusform>Spel opgegeven. Nieuw spel, %n letters.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>New game, %n letters.</source>
        <translation>
            <numerusform>Nieuw spel, %n letter.</numerusform>
            <numerusform>Nieuw spel, %n letters.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: yes. %2</source>
        <extracomment>Spoken at the guess that wins. %1: the letter; %2: the message &quot;You Have Won The Game.&quot;</extracomment>
        <translation>%1: ja. %2</translation>
    </message>
    <message>
        <source>You Have Won The Game.</source>
        <translation>U hebt het spel gewonnen.</translation>
    </message>
    <message>
        <source>%1: no. %2</source>
        <extracomment>Spoken at the guess that loses. %1: the letter; %2: the message &quot;You Have Lost The Game&quot;.</extracomment>
        <translation>%1: nee. %2</translation>
    </message>
    <message>
        <source>You Have Lost The Game</source>
        <translation>U hebt het spel verloren</translation>
    </message>
</context>
<context>
    <name>frmSaving</name>
    <message>
        <source>Saving Words List ...</source>
        <translation>Lijst opslaan…</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Opslaan gelukt</translation>
    </message>
    <message>
        <source>Save Unsuccessful</source>
        <translation>Opslaan mislukt</translation>
    </message>
</context>
<context>
    <name>frmWords</name>
    <message>
        <source>Edit Words List</source>
        <translation>Woordenlijst bewerken</translation>
    </message>
    <message>
        <source>Words</source>
        <comment>the list</comment>
        <extracomment>A screen reader&apos;s name for the editor&apos;s list of words.</extracomment>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Enter New Word</source>
        <translation>Nieuw woord invoeren</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Woord toevoegen</translation>
    </message>
    <message>
        <source>Can&apos;t Add Word</source>
        <translation>Kan woord niet toevoegen</translation>
    </message>
    <message numerus="yes">
        <source>Added %1. %n words.</source>
        <extracomment>Spoken after Add. %1: the word added; %n: the words now in the list.</extracomment>
        <translation>
            <numerusform>%1 toegevoegd. %n woord.</numerusform>
            <numerusform>%1 toegevoegd. %n woorden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters: a word has %1 at most.</source>
        <extracomment>Why a word cannot be added, read with the box &quot;Can&apos;t Add Word&quot;. %n: the characters typed (13 or more); %1: the most a word may have, 12.</extracomment>
        <translation>
            <numerusform>%n teken: een woord heeft er hoogstens %1.</numerusform>
            <numerusform>%n tekens: een woord heeft er hoogstens %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>A word is one line.</source>
        <extracomment>Why a word cannot be added, read with the box &quot;Can&apos;t Add Word&quot;.</extracomment>
        <translation>Een woord is één regel.</translation>
    </message>
    <message>
        <source>The word list file cannot hold %1.</source>
        <extracomment>Why a word cannot be added, read with the box &quot;Can&apos;t Add Word&quot;. %1: the character the file&apos;s code page lacks.</extracomment>
        <translation>Het woordenlijstbestand kan %1 niet bevatten.</translation>
    </message>
    <message>
        <source>No words.</source>
        <extracomment>Spoken when the editor&apos;s list is empty.</extracomment>
        <translation>Geen woorden.</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n letters, %2 of %3.</source>
        <extracomment>The row the editor&apos;s list stands on. %1: the word; %n: its letters; %2: the row&apos;s number; %3: the rows.</extracomment>
        <translation>
            <numerusform>%1, %n letter, %2 van %3.</numerusform>
            <numerusform>%1, %n letters, %2 van %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t Remove Word</source>
        <translation>Kan woord niet verwijderen</translation>
    </message>
    <message numerus="yes">
        <source>A list keeps at least %n words.</source>
        <extracomment>Why Remove refused, read with the box &quot;Can&apos;t Remove Word&quot;. %n: the fewest words a list may have, 5.</extracomment>
        <translation>
            <numerusform>Een lijst houdt minstens %n woord.</numerusform>
            <numerusform>Een lijst houdt minstens %n woorden.</numerusform>
        </translation>
    </message>
    <message>
        <source>No word chosen: select one, then Remove.</source>
        <extracomment>Spoken when Remove has no row chosen; &quot;Remove&quot; is the button&apos;s caption.</extracomment>
        <translation>Geen woord gekozen: kies er een en dan Wissen.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1. %n words left.</source>
        <extracomment>Spoken after Remove. %1: the word removed; %n: the words left in the list.</extracomment>
        <translation>
            <numerusform>%1 verwijderd. Nog %n woord.</numerusform>
            <numerusform>%1 verwijderd. Nog %n woorden.</numerusform>
        </translation>
    </message>
</context>
</TS>
