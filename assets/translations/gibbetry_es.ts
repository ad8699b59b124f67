<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>%1 posición</translation>
    </message>
    <message>
        <source>%1 places</source>
        <translation>%1 posiciones</translation>
    </message>
    <message>
        <source>%1 miss</source>
        <translation>%1 fallo</translation>
    </message>
    <message>
        <source>%1 misses</source>
        <translation>%1 fallos</translation>
    </message>
    <message>
        <source>%1 word</source>
        <translation>%1 palabra</translation>
    </message>
    <message>
        <source>%1 words</source>
        <translation>%1 palabras</translation>
    </message>
</context>
<context>
    <name>LetterSlot</name>
    <message>
        <source>blank</source>
        <translation>vacía</translation>
    </message>
</context>
<context>
    <name>WordListModel</name>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Gibbetry</source>
        <translation>Acerca de Gibbetry</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Have questions?  Need technical support? </source>
        <translation>¿Preguntas? ¿Necesita ayuda? </translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Email us!</source>
        <translation>¡Escríbanos!</translation>
    </message>
    <message>
        <source>%1. %2. Two links: %3 and %4.</source>
        <translation>%1. %2. Dos enlaces: %3 y %4.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Type a letter to guess.</source>
        <translation>Escriba una letra para adivinar.</translation>
    </message>
    <message>
        <source>%1: already tried, %2.</source>
        <translation>%1: ya probada, %2.</translation>
    </message>
    <message>
        <source>a hit</source>
        <translation>un acierto</translation>
    </message>
    <message>
        <source>a miss</source>
        <translation>un fallo</translation>
    </message>
    <message>
        <source>Unsaved changes discarded.</source>
        <translation>Cambios sin guardar descartados.</translation>
    </message>
    <message>
        <source>Game stopped.</source>
        <translation>Partida detenida.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuevo juego</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuevo juego</translation>
    </message>
    <message>
        <source>S&amp;top Game</source>
        <translation>&amp;Detener partida</translation>
    </message>
    <message>
        <source>&amp;Quit Game</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Edit &amp;Words List</source>
        <translation>Editar lista de &amp;palabras</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Gibbetry</source>
        <translation>Acerca de Gibbetry</translation>
    </message>
    <message>
        <source>Gallows drawing, %1 of %2 pieces shown</source>
        <translation>Dibujo del ahorcado, %1 de %2 piezas visibles</translation>
    </message>
    <message>
        <source>No game in progress. Alt+F, N deals a word.</source>
        <translation>No hay partida en curso. Alt+A, N reparte una palabra.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Word: %1. %2. Missed: %3. Found: %4.</source>
        <translation>Palabra: %1. %2. Falladas: %3. Acertadas: %4.</translation>
    </message>
    <message>
        <source>%1: no.</source>
        <translation>%1: no.</translation>
    </message>
    <message>
        <source>%1: yes, %2.</source>
        <translation>%1: sí, %2.</translation>
    </message>
    <message>
        <source>%1 %2. Word: %3.</source>
        <translation>%1 %2. Palabra: %3.</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>no misses left</source>
        <translation>no quedan fallos</translation>
    </message>
    <message>
        <source>The Words List Is Empty.</source>
        <translation>La lista de palabras está vacía.</translation>
    </message>
    <message>
        <source>New game, %1.</source>
        <translation>Nuevo juego, %1.</translation>
    </message>
    <message>
        <source>Game dropped. </source>
        <translation>Partida abandonada. </translation>
    </message>
    <message>
        <source>You Have Won The Game.</source>
        <translation>Ha ganado la partida.</translation>
    </message>
    <message>
        <source>You Have Lost The Game</source>
        <translation>Ha perdido la partida</translation>
    </message>
    <message>
        <source>%1: yes. %2</source>
        <translation>%1: sí. %2</translation>
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
        <translation>Guardando lista ...</translation>
    </message>
    <message>
        <source>Save Successful</source>
        <translation>Guardado correctamente</translation>
    </message>
    <message>
        <source>Save Unsuccessful</source>
        <translation>No se pudo guardar</translation>
    </message>
</context>
<context>
    <name>frmWords</name>
    <message>
        <source>Edit Words List</source>
        <translation>Editar lista de palabras</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Enter New Word</source>
        <translation>Introduzca una palabra nueva</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Añadir palabra</translation>
    </message>
    <message>
        <source>Can&apos;t Add Word</source>
        <translation>No se puede añadir la palabra</translation>
    </message>
    <message>
        <source>Added %1. %2.</source>
        <translation>%1 añadida. %2.</translation>
    </message>
    <message>
        <source>%1 characters: a word has %2 at most.</source>
        <translation>%1 caracteres: una palabra tiene %2 como máximo.</translation>
    </message>
    <message>
        <source>A word is one line.</source>
        <translation>Una palabra es una sola línea.</translation>
    </message>
    <message>
        <source>The word list file cannot hold %1.</source>
        <translation>El archivo de la lista no puede contener %1.</translation>
    </message>
    <message>
        <source>No words.</source>
        <translation>Sin palabras.</translation>
    </message>
    <message>
        <source>%1, %2, %3 of %4.</source>
        <translation>%1, %2, %3 de %4.</translation>
    </message>
    <message>
        <source>Can&apos;t Remove Word</source>
        <translation>No se puede quitar la palabra</translation>
    </message>
    <message>
        <source>Removed %1. %2 left.</source>
        <translation>%1 quitada. Quedan %2.</translation>
    </message>
    <message>
        <source>A list keeps at least %1.</source>
        <translation>Una lista conserva al menos %1.</translation>
    </message>
    <message>
        <source>No word chosen: select one, then Remove.</source>
        <translation>Ninguna palabra elegida: elija una y luego Quitar.</translation>
    </message>
</context>
</TS>
