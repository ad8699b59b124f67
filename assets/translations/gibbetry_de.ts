<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Count</name>
    <message>
        <source>%1 letter</source>
        <translation>%1 Buchstabe</translation>
    </message>
    <message>
        <source>%1 letters</source>
        <translation>%1 Buchstaben</translation>
    </message>
    <message>
        <source>%1 place</source>
        <translation>%1 Stelle</translation>
    </message>
    <message>
        <source>%1 places</source>
        <translation>%1 Stellen</translation>
    </message>
    <message>
        <source>%1 miss</source>
        <translation>%1 Fehlversuch</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 Fehlversuche</translation>
    </message>
    <message>
        <source>%1 word</source>
        <translation>%1 Wort</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 Wörter</translation>
    </message>
</context>
<context>
    <name>LetterSlot</name>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Gibbetry</source>
        <translation>Über Gibbetry</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>Fragen? Technische Hilfe nötig? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Email us!</source>
        <translation>Schreiben Sie uns!</translation>
    </message>
    <message>
        <source>%1. %2. Two links: %3 and %4.</source>
        <translation>%1. %2. Zwei Links: %3 und %4.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Type a letter to guess.</source>
        <translation>Tippen Sie einen Buchstaben zum Raten.</translation>
    </message>
    <message>
        <source>%1: already tried, %2.</source>
        <translation>%1: schon versucht, %2.</translation>
    </message>
    <message>
        <source>a hit</source>
        <translation>ein Treffer</translation>
    </message>
    <message>
        <source>a miss</source>
        <translation>ein Fehlversuch</translation>
    </message>
    <message>
        <source>Unsaved changes discarded.</source>
        <translation>Ungespeicherte Änderungen verworfen.</translation>
    </message>
    <message>
        <source>Game stopped.</source>
        <translation>Spiel beendet.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>Spiel &amp;abbrechen</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Edit &amp;Words List</source>
        <translation>&amp;Wortliste bearbeiten</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>About Gibbetry</source>
        <translation>Über Gibbetry</translation>
    </message>
    <message>
        <source>Gallows drawing, %1 of %2 pieces shown</source>
        <translation>Galgenzeichnung, %1 von %2 Teilen sichtbar</translation>
    </message>
    <message>
        <source>No game in progress. Alt+F, N deals a word.</source>
        <translation>Kein Spiel im Gange. Alt+D, N teilt ein Wort aus.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Word: %1. %2. Missed: %3. Found: %4.</source>
        <translation>Wort: %1. %2. Daneben: %3. Gefunden: %4.</translation>
    </message>
    <message>
        <source>%1: no.</source>
        <translation>%1: nein.</translation>
    </message>
    <message>
        <source>%1: yes, %2.</source>
        <translation>%1: ja, %2.</translation>
    </message>
    <message>
        <source>%1 %2. Word: %3.</source>
        <translation>%1 %2. Wort: %3.</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>no misses left</source>
        <translation>keine Fehlversuche mehr</translation>
    </message>
    <message>
        <source>The Words List Is Empty.</source>
        <translation>Die Wortliste ist leer.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <translation>Neues Spiel, %1.</translation>
    </message>
    <message>
        <source>Game dropped. </source>
        <translation>Spiel abgebrochen. </translation>
    </message>
    <message>
        <source>You Have Won The Game.</source>
        <translation>Sie haben das Spiel gewonnen.</translation>
    </message>
    <message>
        <source>You Have Lost The Game</source>
        <translation>Sie haben das Spiel verloren</translation>
    </message>
    <message>
        <source>%1: yes. %2</source>
        <translation>%1: ja. %2</translation>
    </message>
    <message>
        <source>%1: no. %2</source>
        <translation>%1: nein. %2</translation>
    </message>
</context>
<context>
    <name>frmSaving</name>
    <message>
        <source>Saving Words List ...</source>
        <translation>Speichere Liste ...</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Speichern erfolgreich</translation>
    </message>
    <message>
        <source>Save Unsuccessful</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>frmWords</name>
    <message>
        <source>Edit Words List</source>
        <translation>Wortliste bearbeiten</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Enter New Word</source>
        <translation>Neues Wort eingeben</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <source>Can&apos;t Add Word</source>
        <translation>Wort kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Added %1. %2.</source>
        <translation>%1 hinzugefügt. %2.</translation>
    </message>
    <message>
        <source>%1 characters: a word has %2 at most.</source>
        <translation>%1 Zeichen: Ein Wort hat höchstens %2.</translation>
    </message>
    <message>
        <source>A word is one line.</source>
        <translation>Ein Wort ist eine Zeile.</translation>
    </message>
    <message>
        <source>The word list file cannot hold %1.</source>
        <translation>Die Wortlistendatei kann %1 nicht aufnehmen.</translation>
    </message>
    <message>
        <source>No words.</source>
        <translation>Keine Wörter.</translation>
    </message>
    <message>
        <source>%1, %2, %3 of %4.</source>
        <translation>%1, %2, %3 von %4.</translation>
    </message>
    <message>
        <source>Can&apos;t Remove Word</source>
        <translation>Wort kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>Removed %1. %2 left.</source>
        <translation>%1 entfernt. Noch %2.</translation>
    </message>
    <message>
        <source>A list keeps at least %1.</source>
        <translation>Eine Liste behält mindestens %1.</translation>
    </message>
    <message>
        <source>No word chosen: select one, then Remove.</source>
        <translation>Kein Wort gewählt: eines wählen, dann Entfernen.</translation>
    </message>
</context>
</TS>
