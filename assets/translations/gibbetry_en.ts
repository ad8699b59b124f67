<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
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
</context>
<context>
    <name>frmMain</name>
    <message numerus="yes">
        <source>Gallows drawing, %n of %1 pieces shown</source>
        <extracomment>The drawing&apos;s name for a screen reader, between games. %n: pieces shown (0 to 12); %1: all the pieces, 12.</extracomment>
        <translation>
            <numerusform>Gallows drawing, %n of %1 pieces shown</numerusform>
            <numerusform>Gallows drawing, %n of %1 pieces shown</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Gallows drawing, %n of %1 pieces shown, %2</source>
        <extracomment>The drawing&apos;s name for a screen reader during a game. %n: pieces shown (0 to 11); %1: all the pieces, 12; %2: the misses left, &quot;11 misses left&quot;.</extracomment>
        <translation>
            <numerusform>Gallows drawing, %n of %1 pieces shown, %2</numerusform>
            <numerusform>Gallows drawing, %n of %1 pieces shown, %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n misses left</source>
        <comment>inside a sentence</comment>
        <extracomment>Ends the drawing&apos;s name: %n, the misses the player has left (1 to 12).</extracomment>
        <translation>
            <numerusform>%n miss left</numerusform>
            <numerusform>%n misses left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: yes, %n places.</source>
        <extracomment>The answer to a guess that hit. %1: the letter guessed; %n: the places it fills.</extracomment>
        <translation>
            <numerusform>%1: yes, %n place.</numerusform>
            <numerusform>%1: yes, %n places.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n misses left.</source>
        <comment>a sentence</comment>
        <extracomment>A sentence of its own, after a guess and in the whole game. %n: the misses the player has left (1 to 12).</extracomment>
        <translation>
            <numerusform>%n miss left.</numerusform>
            <numerusform>%n misses left.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Game dropped. New game, %n letters.</source>
        <extracomment>Spoken when New Game ends a game in progress and deals the next. %n: the new word&apos;s letters.</extracomment>
        <translation>
            <numerusform>Game dropped. New game, %n letter.</numerusform>
            <numerusform>Game dropped. New game, %n letters.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>New game, %n letters.</source>
        <translation>
            <numerusform>New game, %n letter.</numerusform>
            <numerusform>New game, %n letters.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmWords</name>
    <message numerus="yes">
        <source>Added %1. %n words.</source>
        <extracomment>Spoken after Add. %1: the word added; %n: the words now in the list.</extracomment>
        <translation>
            <numerusform>Added %1. %n word.</numerusform>
            <numerusform>Added %1. %n words.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n characters: a word has %1 at most.</source>
        <extracomment>Why a word cannot be added, read with the box &quot;Can&apos;t Add Word&quot;. %n: the characters typed (13 or more); %1: the most a word may have, 12.</extracomment>
        <translation>
            <numerusform>%n character: a word has %1 at most.</numerusform>
            <numerusform>%n characters: a word has %1 at most.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n letters, %2 of %3.</source>
        <extracomment>The row the editor&apos;s list stands on. %1: the word; %n: its letters; %2: the row&apos;s number; %3: the rows.</extracomment>
        <translation>
            <numerusform>%1, %n letter, %2 of %3.</numerusform>
            <numerusform>%1, %n letters, %2 of %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A list keeps at least %n words.</source>
        <extracomment>Why Remove refused, read with the box &quot;Can&apos;t Remove Word&quot;. %n: the fewest words a list may have, 5.</extracomment>
        <translation>
            <numerusform>A list keeps at least %n word.</numerusform>
            <numerusform>A list keeps at least %n words.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %1. %n words left.</source>
        <extracomment>Spoken after Remove. %1: the word removed; %n: the words left in the list.</extracomment>
        <translation>
            <numerusform>Removed %1. %n word left.</numerusform>
            <numerusform>Removed %1. %n words left.</numerusform>
        </translation>
    </message>
</context>
</TS>
