<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Count</name>
    <message>
        <source>%1 letter</source>
        <translation>%1 lettre</translation>
    </message>
    <message>
        <source>%1 letters</source>
        <translation>%1 lettres</translation>
    </message>
    <message>
        <source>%1 place</source>
        <translation>%1 position</translation>
    </message>
    <message>
        <source>%1 places</source>
        <translation>%1 positions</translation>
    </message>
    <message>
        <source>%1 miss</source>
        <translation>%1 erreur</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 erreurs</translation>
    </message>
    <message>
        <source>%1 word</source>
        <translation>%1 mot</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 mots</translation>
    </message>
</context>
<context>
    <name>LetterSlot</name>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Gibbetry</source>
        <translation>À propos de Gibbetry</translation>
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
        <translation>Des questions ? Besoin d&apos;aide ? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Email us!</source>
        <translation>Écrivez-nous !</translation>
    </message>
    <message>
        <source>%1. %2. Two links: %3 and %4.</source>
        <translation>%1. %2. Deux liens : %3 et %4.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Type a letter to guess.</source>
        <translation>Tapez une lettre pour deviner.</translation>
    </message>
    <message>
        <source>%1: already tried, %2.</source>
        <translation>%1 : déjà essayée, %2.</translation>
    </message>
    <message>
        <source>a hit</source>
        <translation>une bonne lettre</translation>
    </message>
    <message>
        <source>a miss</source>
        <translation>une erreur</translation>
    </message>
    <message>
        <source>Unsaved changes discarded.</source>
        <translation>Modifications non enregistrées abandonnées.</translation>
    </message>
    <message>
        <source>Game stopped.</source>
        <translation>Partie arrêtée.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouveau jeu</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Lettres</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouveau jeu</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>&amp;Arrêter la partie</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Edit &amp;Words List</source>
        <translation>Modifier la liste de &amp;mots</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Gibbetry</source>
        <translation>À propos de Gibbetry</translation>
    </message>
    <message>
        <source>Gallows drawing, %1 of %2 pieces shown</source>
        <translation>Dessin du pendu, %1 pièces sur %2 visibles</translation>
    </message>
    <message>
        <source>No game in progress. Alt+F, N deals a word.</source>
        <translation>Aucune partie en cours. Alt+F, N donne un mot.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Word: %1. %2. Missed: %3. Found: %4.</source>
        <translation>Mot : %1. %2. Ratées : %3. Trouvées : %4.</translation>
    </message>
    <message>
        <source>%1: no.</source>
        <translation>%1 : non.</translation>
    </message>
    <message>
        <source>%1: yes, %2.</source>
        <translation>%1 : oui, %2.</translation>
    </message>
    <message>
        <source>%1 %2. Word: %3.</source>
        <translation>%1 %2. Mot : %3.</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>encore %1</translation>
    </message>
    <message>
        <source>no misses left</source>
        <translation>plus aucune erreur permise</translation>
    </message>
    <message>
        <source>The Words List Is Empty.</source>
        <translation>La liste de mots est vide.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <translation>Nouveau jeu, %1.</translation>
    </message>
    <message>
        <source>Game dropped. </source>
        <translation>Partie abandonnée. </translation>
    </message>
    <message>
        <source>You Have Won The Game.</source>
        <translation>Vous avez gagné la partie.</translation>
    </message>
    <message>
        <source>You Have Lost The Game</source>
        <translation>Vous avez perdu la partie</translation>
    </message>
    <message>
        <source>%1: yes. %2</source>
        <translation>%1 : oui. %2</translation>
    </message>
    <message>
        <source>%1: no. %2</source>
        <translation>%1 : non. %2</translation>
    </message>
</context>
<context>
    <name>frmSaving</name>
    <message>
        <source>Saving Words List ...</source>
        <translation>Enregistrement ...</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Enregistrement réussi</translation>
    </message>
    <message>
        <source>Save Unsuccessful</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>frmWords</name>
    <message>
        <source>Edit Words List</source>
        <translation>Modifier la liste de mots</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Enter New Word</source>
        <translation>Saisissez un nouveau mot</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Ajouter un mot</translation>
    </message>
    <message>
        <source>Can&apos;t Add Word</source>
        <translation>Impossible d&apos;ajouter le mot</translation>
    </message>
    <message>
        <source>Added %1. %2.</source>
        <translation>%1 ajouté. %2.</translation>
    </message>
    <message>
        <source>%1 characters: a word has %2 at most.</source>
        <translation>%1 caractères : un mot en a %2 au plus.</translation>
    </message>
    <message>
        <source>A word is one line.</source>
        <translation>Un mot tient sur une ligne.</translation>
    </message>
    <message>
        <source>The word list file cannot hold %1.</source>
        <translation>Le fichier de la liste ne peut pas contenir %1.</translation>
    </message>
    <message>
        <source>No words.</source>
        <translation>Aucun mot.</translation>
    </message>
    <message>
        <source>%1, %2, %3 of %4.</source>
        <translation>%1, %2, %3 sur %4.</translation>
    </message>
    <message>
        <source>Can&apos;t Remove Word</source>
        <translation>Impossible de retirer le mot</translation>
    </message>
    <message>
        <source>Removed %1. %2 left.</source>
        <translation>%1 retiré. Reste %2.</translation>
    </message>
    <message>
        <source>A list keeps at least %1.</source>
        <translation>Une liste garde au moins %1.</translation>
    </message>
    <message>
        <source>No word chosen: select one, then Remove.</source>
        <translation>Aucun mot choisi : choisissez-en un, puis Retirer.</translation>
    </message>
</context>
</TS>
