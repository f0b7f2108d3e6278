<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Application</name>
    <message>
        <source>

Database file: </source>
        <translation>

Archivo de la base de datos: </translation>
    </message>
    <message>
        <source>Lettermarch could not read or save its data and has to close.</source>
        <translation>Lettermarch no pudo leer o guardar sus datos y tiene que cerrarse.</translation>
    </message>
    <message>
        <source>Lettermarch met an unexpected problem and has to close.</source>
        <translation>Lettermarch encontró un problema inesperado y tiene que cerrarse.</translation>
    </message>
    <message>
        <source>

Everything saved before this point is kept.</source>
        <translation>

Todo lo guardado hasta ahora se conserva.</translation>
    </message>
</context>
<context>
    <name>AudioModule</name>
    <message>
        <source>The computer voice could not be loaded.</source>
        <translation>No se pudo cargar la voz del ordenador.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>This copy is not a Lettermarch database (it may be damaged, or belong to another program), so it cannot be restored.</source>
        <translation>Esta copia no es una base de datos de Lettermarch (puede estar dañada o ser de otro programa) y no se puede restaurar.</translation>
    </message>
    <message>
        <source>This copy is damaged, so it cannot be restored.</source>
        <translation>Esta copia está dañada y no se puede restaurar.</translation>
    </message>
    <message>
        <source>The backup could not be copied into the data folder.</source>
        <translation>No se pudo copiar la copia de seguridad en la carpeta de datos.</translation>
    </message>
    <message>
        <source>The database file could not be replaced.</source>
        <translation>No se pudo reemplazar el archivo de la base de datos.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--data-dir needs the folder to keep the lists in.</source>
        <translation>--data-dir necesita la carpeta donde guardar las listas.</translation>
    </message>
    <message>
        <source>--lang needs a language code, such as de, fr or es.</source>
        <translation>--lang necesita un código de idioma, por ejemplo de, fr o es.</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Opción desconocida: %1</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>The folder given to --data-dir has a name that is not in UTF-8, so Lettermarch cannot tell which folder it is. Rename the folder, or choose another.</source>
        <translation>El nombre de la carpeta indicada en --data-dir no está en UTF-8, así que Lettermarch no sabe qué carpeta es. Cambie el nombre de la carpeta o elija otra.</translation>
    </message>
    <message>
        <source>Usage: Lettermarch [OPTION]...
Practise the weekly school spelling words: a parent enters each week&apos;s words,
a child takes practice tests, and every result is kept.

Options:
      --data-dir DIR  keep the word lists, recordings and backups in DIR
                      (created when missing) and no other: a folder shared
                      by the family, say, without its children
      --lang CODE     speak the language CODE (de, fr, es, en, ...) instead of
                      the system&apos;s
  -h, --help          show this help and exit
  -v, --version       show the version and exit

Files:
  The data folder holds Lettermarch.mdb (every list, word, test and setting),
  Wavs/ (the recordings) and Backups/ (a copy at the first start of a day and
  one of the day&apos;s work at closing, the last 10). It lies beside the program
  when the program&apos;s folder already holds a database or can be written;
  otherwise it is the user&apos;s data folder.

  Data folder now: %1 (%2)
</source>
        <translation>Uso: Lettermarch [OPCIÓN]...
Practicar las palabras del dictado de la semana: un padre o una madre escribe
las palabras, un niño hace pruebas de práctica y se guarda cada resultado.

Opciones:
      --data-dir CARPETA  guardar las listas, las grabaciones y las copias de
                      seguridad en CARPETA (se crea si falta) y en ningún otro
                      sitio: una carpeta de la familia, sin sus niños
      --lang CÓDIGO   hablar el idioma CÓDIGO (de, fr, es, en, ...) en vez del
                      del sistema
  -h, --help          mostrar esta ayuda y salir
  -v, --version       mostrar la versión y salir

Archivos:
  La carpeta de datos contiene Lettermarch.mdb (listas, palabras, pruebas y
  ajustes), Wavs/ (las grabaciones) y Backups/ (una copia al primer inicio del
  día y otra del trabajo del día al cerrar, las 10 últimas). Está junto al
  programa cuando la carpeta del programa ya tiene una base de datos o se puede
  escribir en ella; si no, en la carpeta de datos del usuario.

  Carpeta de datos: %1 (%2)
</translation>
    </message>
    <message>
        <source>Lettermarch %1
</source>
        <translation>Lettermarch %1
</translation>
    </message>
    <message>
        <source>Try &apos;Lettermarch --help&apos; for more information.</source>
        <translation>Pruebe «Lettermarch --help» para más información.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>A quoted field is never closed: a double quote is missing.</source>
        <translation>Un campo entre comillas nunca se cierra: falta una comilla doble.</translation>
    </message>
    <message>
        <source>Some rows have %1 fields. A word list has at most four: word, definition, sentence and case_sensitive (or a header row naming its columns).</source>
        <translation>Algunas filas tienen %1 campos. Una lista de palabras tiene como mucho cuatro: word, definition, sentence y case_sensitive (o una fila de encabezado que nombre sus columnas).</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>beside the program</source>
        <translation>junto al programa</translation>
    </message>
    <message>
        <source>your personal data folder</source>
        <translation>su carpeta personal de datos</translation>
    </message>
    <message>
        <source>the folder chosen with --data-dir</source>
        <translation>la carpeta elegida con --data-dir</translation>
    </message>
</context>
<context>
    <name>Family</name>
    <message>
        <source>Type the child&apos;s name.</source>
        <translation>Escriba el nombre del niño o la niña.</translation>
    </message>
    <message>
        <source>The list of children (%1) could not be read. It was left as it is, and the children&apos;s folders were looked for instead.</source>
        <translation>No se pudo leer la lista de niños (%1). Se dejó como está y, en su lugar, se buscaron las carpetas de los niños.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was left out: the folder &quot;%2&quot; is not a child&apos;s folder.</source>
        <translation>Se omitió «%1»: la carpeta «%2» no es la de un niño.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was left out: the folder &quot;%2&quot; is gone.</source>
        <translation>Se omitió «%1»: la carpeta «%2» ya no existe.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; was not in the list of children; it is shown as &quot;%2&quot;.</source>
        <translation>La carpeta «%1» no estaba en la lista de niños; aparece como «%2».</translation>
    </message>
    <message>
        <source>The unreadable list of children could not be put aside.</source>
        <translation>No se pudo apartar la lista ilegible de niños.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>The first child&apos;s lists are the family&apos;s own folder, so they cannot be removed. The child can be renamed instead.</source>
        <translation>Las listas del primer niño están en la propia carpeta de la familia y no se pueden quitar. En su lugar, puede cambiarle el nombre.</translation>
    </message>
    <message>
        <source>%1&apos;s lists are open in another copy of Lettermarch. Close it first.</source>
        <translation>Las listas de %1 están abiertas en otra ventana de Lettermarch. Ciérrela primero.</translation>
    </message>
    <message>
        <source>%1&apos;s folder could not be moved to &quot;%2&quot;; nothing was removed.</source>
        <translation>No se pudo mover la carpeta de %1 a «%2»; no se quitó nada.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>In the folder %1 there is a folder named %2 where Lettermarch keeps the file that shows it is open.</source>
        <translation>En la carpeta %1 hay una carpeta llamada %2, donde Lettermarch guarda el archivo que indica que está abierto.</translation>
    </message>
    <message>
        <source>In the folder %1 there is something named %2 that is not the file Lettermarch writes to show it is open.</source>
        <translation>En la carpeta %1 hay algo llamado %2 que no es el archivo que Lettermarch escribe para indicar que está abierto.</translation>
    </message>
    <message>
        <source>The file %1, which shows that Lettermarch is open, cannot be read. It may have been left by a power cut, or damaged.</source>
        <translation>No se puede leer el archivo %1, que indica que Lettermarch está abierto. Puede haber quedado tras un corte de luz o estar dañado.</translation>
    </message>
    <message>
        <source>The file %1 says that Lettermarch is open on another computer, &quot;%2&quot;. The folder may be shared with that computer, or copied from it.</source>
        <translation>Según el archivo %1, Lettermarch está abierto en otro ordenador, «%2». Puede que la carpeta se comparta con ese ordenador o se haya copiado de él.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Lettermarch is a great way for children to leantheir weekly spelling words.  When your child gets their spelling words from the teacher at the beginning of the week, use the &apos;Create a New List&apos; feature in Lettermarch to input each spelling word into the program.  You can also enter the word&apos;s definition, a context sentence, and record the pronounciation.  Once all the words are entered, your child can go through as many &apos;Practice Tests&apos; as they need all week long to help get them ready for the school test.</source>
        <translation>Con Lettermarch, los niños aprenden las palabras del dictado de la semana. Cuando su hijo o su hija recibe las palabras al principio de la semana, cree una lista con «Nueva lista» y escriba cada palabra. También puede escribir su significado, una frase de ejemplo y grabar su pronunciación. Cuando estén todas, el niño puede hacer tantas pruebas de práctica como necesite durante la semana para llegar preparado al dictado del colegio.</translation>
    </message>
    <message>
        <source>Create a Word List</source>
        <translation>Crear una lista de palabras</translation>
    </message>
    <message>
        <source>On the main screen, there are several buttons.  To create a new Word List, click the &apos;New List&apos; button. Two new screens will open, a large one in the background, and a smaller one in the foreground.  The smaller window is the &apos;New Word&apos; window, where you can type the word, it&apos;s definition, a context sentence,  and record the word in your voice.  When you have entered all the information, click the &apos;Save&apos; button.  The word will be added to the list in the large background window, and you can enter then next word into the smaller window.  When you have entered all the words, close the &apos;New Word&apos; window.  The large window will still be visible.  From this window, you can review the words in the list, and make changes to any of them, or add new ones.</source>
        <translation>La ventana principal tiene varios botones. Para crear una lista de palabras, haga clic en «Nueva lista». Se abren dos ventanas: una grande detrás y otra más pequeña delante. En la pequeña, «Nueva palabra», se escribe la palabra, su significado y una frase de ejemplo, y se graba la palabra con su voz. Cuando lo tenga todo, haga clic en «Guardar». La palabra se añade a la lista de la ventana grande y puede escribir la siguiente en la pequeña. Cuando estén todas las palabras, cierre la ventana «Nueva palabra». La ventana grande sigue abierta: en ella ve todas las palabras de la lista y puede cambiar cualquiera o añadir más.</translation>
    </message>
    <message>
        <source>Take a Practice Test</source>
        <translation>Hacer una prueba de práctica</translation>
    </message>
    <message>
        <source>Once you have created a word list, you can take a &apos;Practice Test&apos; at any time by selecting the proper &apos;Word List&apos;, and clicking the &apos;Test&apos; button on the Main screen.  You may need to preform a &apos;Test Setup&apos; to set some options for the test, such as how many incorrect answers to accept before moving on to the next word.  Once you have completed the test setup, the &apos;Practice Test&apos; will begin.</source>
        <translation>En cuanto hay una lista, el niño puede hacer una prueba de práctica cuando quiera: elija la lista en la ventana principal y haga clic en «Prueba». Puede que primero aparezcan los «Ajustes de la prueba», por ejemplo cuántas respuestas incorrectas se permiten antes de pasar a la siguiente palabra. Después empieza la prueba.</translation>
    </message>
    <message>
        <source>The on-screen clues will tell your child which word to type into the answer box.  If your child types it correctly, the next word will be given.  If your child answers incorrectly, they will be notified, and and will be given another chance.  &apos;Test Setup&apos; options will determine exactly what happens when an incorrect answer is given.</source>
        <translation>Las pistas de la pantalla le dicen al niño qué palabra escribir en la casilla de respuesta. Si la escribe bien, llega la siguiente. Si se equivoca, se le avisa y tiene otra oportunidad. Los ajustes de la prueba deciden qué pasa exactamente después de una respuesta incorrecta.</translation>
    </message>
    <message>
        <source>When the test has been completed, the result will be show to you automatically.</source>
        <translation>Cuando la prueba termina, el resultado se muestra automáticamente.</translation>
    </message>
    <message>
        <source>Test History</source>
        <translation>Pruebas anteriores</translation>
    </message>
    <message>
        <source>To view the test history for any word list, select the word list on the main screen, and click the &apos;Past Tests&apos; button.  A list of all past tests for the selected Word List will appear, and you will be able to see which words have been giving your child difficulty. The incorrect answers your child has given for each word on each test can be displayed.</source>
        <translation>Para ver las pruebas anteriores de una lista, elíjala en la ventana principal y haga clic en «Pruebas anteriores». Aparecen todas las pruebas de esa lista y verá qué palabras le cuestan a su hijo. Para cada palabra de cada prueba puede ver las respuestas incorrectas que dio.</translation>
    </message>
    <message>
        <source>Options (Test Defaults)</source>
        <translation>Opciones (pruebas)</translation>
    </message>
    <message>
        <source>Skip Individual Test Setup -- If this option is checked, all Practice Tests will use the default settings automatically.  If it is not checked, then you will be prompted to preform the &apos;Test Setup&apos; each time.</source>
        <translation>No mostrar los ajustes antes de cada prueba -- Si está marcado, todas las pruebas de práctica usan automáticamente los ajustes predeterminados. Si no, los «Ajustes de la prueba» aparecen antes de cada prueba.</translation>
    </message>
    <message>
        <source>Pronounce -- Use this option to enable the Practice Tests to speak the word to your child.</source>
        <translation>Pronunciar -- La prueba de práctica le pronuncia la palabra al niño.</translation>
    </message>
    <message>
        <source>Show Definition -- Use this option to display the word&apos;s definition on Practice Tests</source>
        <translation>Mostrar el significado -- La prueba de práctica muestra el significado de la palabra.</translation>
    </message>
    <message>
        <source>Show Context Sentence -- Use this option to display the word&apos;s context sentence on Practice Tests</source>
        <translation>Mostrar la frase de ejemplo -- La prueba de práctica muestra la frase de ejemplo de la palabra.</translation>
    </message>
    <message>
        <source>Show Definition -- Use this option to determine the order in which the words on a Practice Test are given</source>
        <translation>Orden -- Elige en qué orden salen las palabras en la prueba de práctica.</translation>
    </message>
    <message>
        <source>Incorrect Answer Behavior -- Use these options to determine how to respond to incorrect answers on Practice Tests</source>
        <translation>Con respuestas incorrectas -- Elige qué pasa después de una respuesta incorrecta en una prueba de práctica.</translation>
    </message>
    <message>
        <source>Sounds -- Use these options to enable or disable sounds on Practice Tests</source>
        <translation>Sonidos -- Para activar o desactivar los sonidos en las pruebas de práctica</translation>
    </message>
    <message>
        <source>Options (General)</source>
        <translation>Opciones (general)</translation>
    </message>
    <message>
        <source>Tempory Messages -- Temporary messages are notifications that Lettermarch periodically shows to the user.  These messages appear for a short time, and then dissaper automatically.  Use this option to determine how long these messages are displayed before disappearing.</source>
        <translation>Mensajes breves -- Lettermarch muestra a veces mensajes cortos. Aparecen un momento y desaparecen solos. Este ajuste elige cuánto tiempo se ven.</translation>
    </message>
    <message>
        <source>School Tests On -- Use this option to determine when a school test date is based on the date the word list is created.</source>
        <translation>El dictado en el colegio es -- Sirve para calcular la fecha del dictado de una lista nueva a partir del día en que se crea.</translation>
    </message>
    <message>
        <source>Prompt to Delete Old Word Lists -- Use this option to alert you when a Word List has past it&apos;s school test date, so it can be deleted.</source>
        <translation>Preguntar si se borran las listas -- Le avisa cuando ha pasado la fecha del dictado de una lista, para que pueda borrarla.</translation>
    </message>
    <message>
        <source>The Computer Voice</source>
        <translation>La voz del ordenador</translation>
    </message>
    <message>
        <source>Recording every word takes time. Under Options, on the Voice page, you can let the computer speak the words that have no recording: tick &apos;Use the computer voice for words without a recording&apos;, choose a voice, set how fast it speaks (slower is easier for young children) and press &apos;Try it&apos; to hear it.</source>
        <translation>Grabar cada palabra lleva tiempo. En Opciones, pestaña «Voz», el ordenador puede pronunciar las palabras que no tienen grabación: marque «Usar la voz del ordenador para las palabras sin grabación», elija una voz, ajuste su velocidad (más lento es más fácil para los pequeños) y haga clic en «Probar» para escucharla.</translation>
    </message>
    <message>
        <source>A word you have recorded is always spoken in your own voice. With the computer voice on, the Pronounce buttons work for every word, and the test window has a &apos;Read aloud&apos; button beside the definition and the sentence (Ctrl+1 and Ctrl+2) for children who cannot read them yet. The voice never spells the word.</source>
        <translation>Una palabra que usted ha grabado suena siempre con su propia voz. Con la voz del ordenador activada, los botones «Pronunciar» funcionan con todas las palabras, y la ventana de la prueba tiene un botón «Leer en voz alta» junto al significado y la frase (Ctrl+1 y Ctrl+2) para los niños que aún no saben leerlos. La voz nunca deletrea la palabra.</translation>
    </message>
    <message>
        <source>A computer voice does not say every word well: names, words from other languages and words spelled differently from how they sound often come out wrong. Listen to each week&apos;s words with the list editor&apos;s Pronounce button, and record the ones the voice gets wrong: your recording is then used instead.</source>
        <translation>Una voz de ordenador no pronuncia bien todas las palabras: los nombres, las palabras de otros idiomas y las que no se escriben como se pronuncian suelen salir mal. Escuche las palabras de cada semana con el botón «Pronunciar» del editor de listas y grabe las que la voz dice mal: entonces se usará su grabación.</translation>
    </message>
    <message>
        <source>Most school lists are just words. With the computer voice on, a word needs no definition, sentence or recording: the voice says it in the test. This holds in the word editor, for pasted words and for imported files.</source>
        <translation>La mayoría de las listas del colegio son solo palabras. Con la voz del ordenador activada, una palabra no necesita significado, frase ni grabación: la voz la dice en la prueba. Vale para el editor de palabras, para las palabras pegadas y para los archivos importados.</translation>
    </message>
    <message>
        <source>Many Words at Once</source>
        <translation>Muchas palabras a la vez</translation>
    </message>
    <message>
        <source>In the list editor, &apos;Paste words...&apos; adds many words at once. Copy the week&apos;s words from an e-mail, a document or a spreadsheet and paste them: one word a line, then if you like its definition and a sentence, separated by tabs (a spreadsheet&apos;s columns), &apos; - &apos; or &apos;;&apos;. Numbers and bullets at the start of a line are left out. The table below shows what will be added and which lines are skipped, and why. Tick &apos;Case Sensitive&apos; for words that must keep their capital letters, then press Add.</source>
        <translation>En el editor de listas, «Pegar palabras...» añade muchas palabras a la vez. Copie las palabras de la semana de un correo, un documento o una hoja de cálculo y péguelas: una palabra por línea y, si quiere, su significado y una frase, separados por tabuladores (las columnas de una hoja de cálculo), « - » o «;». Los números y las viñetas al principio de la línea se omiten. La tabla de abajo muestra qué se añadirá, qué líneas se omiten y por qué. Marque «Cuentan mayúsculas» en las palabras que deben conservar sus mayúsculas y haga clic en «Añadir».</translation>
    </message>
    <message>
        <source>The File menus can also import a word list from a CSV file or from a vocabulary file of KDE&apos;s Parley or KWordQuiz (.kvtml), export a list to either, or export it with its recordings to a folder, for another computer.</source>
        <translation>Los menús «Archivo» también permiten importar una lista desde un archivo CSV o desde un archivo de vocabulario de Parley o KWordQuiz de KDE (.kvtml), exportar una lista a cualquiera de ellos, o exportarla con sus grabaciones a una carpeta, para otro ordenador.</translation>
    </message>
    <message>
        <source>&apos;Print a Paper Test...&apos; prints the list as a test to write on, with the definitions and sentences as clues and the word itself never shown, or the answer key in the same order. Either can be saved as a PDF file.</source>
        <translation>«Imprimir una prueba en papel...» imprime la lista como una prueba para rellenar, con los significados y las frases como pistas y sin mostrar nunca la palabra, o las soluciones en el mismo orden. Las dos se pueden guardar también como PDF.</translation>
    </message>
    <message>
        <source>Names, Dates and Family Settings</source>
        <translation>Nombres, fechas y ajustes de la familia</translation>
    </message>
    <message>
        <source>A list may have a name (&apos;Week 12&apos;, &apos;Spelling bee&apos;) as well as its test date: type it in the New List window, or in the list editor&apos;s &apos;List name&apos; box. The main window shows it beside the test date, and so do the windows of the list&apos;s results and what is printed. An imported list is named after its file.</source>
        <translation>Una lista puede tener un nombre («Semana 12», «Concurso de ortografía») además de la fecha del dictado: escríbalo en la ventana «Nueva lista» o en la casilla «Nombre de la lista» del editor. La ventana principal lo muestra junto a la fecha, igual que las ventanas de resultados de la lista y lo que se imprime. Una lista importada recibe el nombre de su archivo.</translation>
    </message>
    <message>
        <source>Dates are typed and shown with the numbers in your computer&apos;s order: day first where the computer puts the day first (18/12/2026), month first in the United States (12/18/2026).</source>
        <translation>Las fechas se escriben y se muestran con los números en el orden de su ordenador: primero el día donde el ordenador pone primero el día (18/12/2026), primero el mes en Estados Unidos (12/18/2026).</translation>
    </message>
    <message>
        <source>Lettermarch copies your lists into the Backups folder at the first start of each day and again when it closes after you changed something, keeping the last 10 copies. File &gt; Restore a Backup... says when each copy was taken and what it holds.</source>
        <translation>Lettermarch copia sus listas en la carpeta Backups en el primer inicio de cada día y otra vez al cerrarse si ha cambiado algo, y guarda las 10 últimas copias. Archivo &gt; Restaurar una copia de seguridad... indica cuándo se hizo cada copia y qué contiene.</translation>
    </message>
    <message>
        <source>Seeing Progress</source>
        <translation>Ver los progresos</translation>
    </message>
    <message>
        <source>Past Tests shows a chart beside the list of tests: each test is a point, with its score and the number of words right at the first try. Click a point to see that test&apos;s results.</source>
        <translation>«Pruebas anteriores» muestra un gráfico junto a la lista de pruebas: cada prueba es un punto, con su nota y el número de palabras bien a la primera. Haga clic en un punto para ver los resultados de esa prueba.</translation>
    </message>
    <message>
        <source>Trouble Words (in the File menu of the main window, and a button in Past Tests) lists the words with the most wrong answers, with how often each was right at the first try, how often the test moved on, and the misspelling typed most often. Click a heading to sort; double-click a word to open its list.</source>
        <translation>«Palabras difíciles» (en el menú Archivo de la ventana principal y como botón en «Pruebas anteriores») muestra las palabras con más respuestas incorrectas, cuántas veces salió bien cada una a la primera, cuántas veces la prueba pasó a la siguiente y el error escrito más a menudo. Haga clic en un encabezado para ordenar; haga doble clic en una palabra para abrir su lista.</translation>
    </message>
    <message>
        <source>Practise Missed Words (in Test Results and Trouble Words) starts a test of only the words you tick; the words not right at the first try come ticked. Its results count only those words, and every other test keeps its score.</source>
        <translation>«Repasar las palabras falladas» (en los resultados de la prueba y en «Palabras difíciles») empieza una prueba solo con las palabras que marque; las que no salieron bien a la primera ya vienen marcadas. Su resultado solo cuenta esas palabras, y cada otra prueba conserva su nota.</translation>
    </message>
    <message>
        <source>Several Children</source>
        <translation>Varios niños</translation>
    </message>
    <message>
        <source>Each child has lists, tests and recordings of their own. File &gt; Add a Child... in the main window adds one; the first time, it also asks the name of the child who has used Lettermarch so far, whose lists stay exactly where they were.</source>
        <translation>Cada niño tiene sus propias listas, pruebas y grabaciones. Archivo &gt; Añadir un niño... en la ventana principal añade uno; la primera vez también pregunta el nombre del niño que ha usado Lettermarch hasta ahora, cuyas listas se quedan exactamente donde estaban.</translation>
    </message>
    <message>
        <source>With two children or more, Lettermarch first asks who is practising: choose a name with the arrow keys or its first letter and press Enter. File &gt; Switch Child... asks again without closing the program. The child&apos;s name is at the end of every window&apos;s title, on the About window and on printed tests and results.</source>
        <translation>Con dos niños o más, Lettermarch pregunta primero quién practica: elija un nombre con las flechas o con su primera letra y pulse Intro. Archivo &gt; Cambiar de niño... vuelve a preguntar sin cerrar el programa. El nombre del niño aparece al final del título de cada ventana, en la ventana «Acerca de» y en las pruebas y resultados impresos.</translation>
    </message>
    <message>
        <source>In that window, Rename... changes a name and Remove... puts a child&apos;s lists aside in the Removed folder (they are never deleted at once; to bring them back, move the folder back into Children while Lettermarch is closed). File &gt; Copy the List to Another Child... gives a brother or sister the same words and recordings.</source>
        <translation>En esa ventana, «Cambiar nombre...» cambia un nombre y «Quitar...» aparta las listas de un niño en la carpeta Removed (nunca se borran enseguida; para recuperarlas, vuelva a mover la carpeta a Children con Lettermarch cerrado). Archivo &gt; Copiar la lista para otro niño... le da a un hermano o una hermana las mismas palabras y grabaciones.</translation>
    </message>
    <message>
        <source>Parent&apos;s Lock... (Options, General Defaults) sets a PIN: the list editor, New List, Delete List, Import, Options, Restore a Backup and removing a child then ask for it, for every child; tests, results and Trouble Words do not. After five wrong PINs the next try waits 30 seconds. The lock keeps a child out of the parent&apos;s windows; it does not protect against someone using your own account. A forgotten PIN: close Lettermarch, open Family.json in the data folder with a text editor and delete its &quot;pin&quot; entry (the lines from &quot;pin&quot; to its closing brace, and the comma before them).</source>
        <translation>Bloqueo para padres... (Opciones, General) pone un PIN: el editor de listas, Nueva lista, Borrar la lista, Importar, Opciones, Restaurar una copia de seguridad y quitar a un niño lo piden entonces, con cada niño; las pruebas, los resultados y Palabras difíciles no. Después de cinco PIN incorrectos hay que esperar 30 segundos. El bloqueo mantiene a un niño fuera de las ventanas de los padres; no protege de alguien que use su propia cuenta. ¿Olvidó el PIN? Cierre Lettermarch, abra Family.json en la carpeta de datos con un editor de texto y borre su entrada «pin» (las líneas desde &quot;pin&quot; hasta su llave de cierre, y la coma de antes).</translation>
    </message>
    <message>
        <source>Under Options, on the General Defaults page: &apos;Hide the word in its clues&apos; blanks the word out of its definition and sentence during a test (reading a clue aloud says &apos;blank&apos; in its place); &apos;Say when only the capital letters are wrong&apos; tells the child so; &apos;Refuse a date that cannot be read&apos; keeps a mistyped date in its box with a message instead of replacing it. A database made by this version has all three on; one from an earlier version keeps working as it did until you tick them.</source>
        <translation>En Opciones, pestaña «General»: «Ocultar la palabra en sus pistas» sustituye la palabra por un hueco en su significado y su frase durante la prueba (al leer una pista en voz alta se dice entonces «hueco»); «Avisar cuando solo fallan las mayúsculas» se lo dice al niño; «Rechazar una fecha ilegible» deja una fecha mal escrita en su casilla con un mensaje en vez de reemplazarla. Una base de datos creada con esta versión tiene las tres activadas; una de una versión anterior sigue funcionando como antes hasta que las marque.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Lettermarch speaks your computer&apos;s language when it has a translation for it: English, German, French or Spanish. To choose another one, pick it under Options, General Defaults, Language (it is used from the next start), or start the program with --lang and a language code, for example --lang fr.</source>
        <translation>Lettermarch habla el idioma de su ordenador si tiene una traducción para él: inglés, alemán, francés o español. Para elegir otro, selecciónelo en Opciones, General, Idioma (se usa a partir del próximo inicio), o inicie el programa con --lang y un código de idioma, por ejemplo --lang fr.</translation>
    </message>
    <message>
        <source>A list&apos;s words may be in another language, such as the French words a child learns at school. Choose the list&apos;s Language in the list editor: the computer voice then says its words, definitions and sentences with that language&apos;s sounds. Your recordings play as they are. An imported vocabulary file (.kvtml) gives a list without a language the one the file names.</source>
        <translation>Las palabras de una lista pueden estar en otro idioma, como las palabras en inglés que un niño aprende en el colegio. Elija el «Idioma» de la lista en el editor de listas: la voz del ordenador dice entonces sus palabras, definiciones y frases con los sonidos de ese idioma. Sus grabaciones se reproducen tal cual. Un archivo de vocabulario importado (.kvtml) da a una lista sin idioma el que indica el archivo.</translation>
    </message>
    <message>
        <source>The Voice page of Options lists the languages that have a voice. The flite voice speaks English only; the packages qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng add voices for German, French, Spanish and about a hundred other languages. A list in a language without a voice is said so once; the test goes on, and the words you recorded are still spoken.</source>
        <translation>La página «Voz» de las Opciones muestra los idiomas que tienen voz. La voz flite solo habla inglés; los paquetes qt6-speech-speechd-plugin y speech-dispatcher-espeak-ng añaden voces para alemán, francés, español y cerca de cien idiomas más. Si una lista está en un idioma sin voz, Lettermarch lo dice una vez; la prueba sigue, y las palabras que usted grabó se siguen oyendo.</translation>
    </message>
</context>
<context>
    <name>Kvtml</name>
    <message>
        <source>This is not a vocabulary file: it is not readable XML (%1, line %2).</source>
        <translation>No es un archivo de vocabulario: no es XML legible (%1, línea %2).</translation>
    </message>
    <message>
        <source>This is not a vocabulary file (KVTML): it has no kvtml element.</source>
        <translation>No es un archivo de vocabulario (KVTML): no tiene el elemento kvtml.</translation>
    </message>
    <message>
        <source>This vocabulary file is in version %1 of the format; Lettermarch reads version 2, which KDE&apos;s vocabulary programs have written since 2008.</source>
        <translation>Este archivo de vocabulario tiene la versión %1 del formato; Lettermarch lee la versión 2, que los programas de vocabulario de KDE escriben desde 2008.</translation>
    </message>
    <message>
        <source>This vocabulary file is damaged: %1 (line %2).</source>
        <translation>Este archivo de vocabulario está dañado: %1 (línea %2).</translation>
    </message>
</context>
<context>
    <name>ListExport</name>
    <message>
        <source>Spelling words for %1</source>
        <translation>Palabras del dictado del %1</translation>
    </message>
    <message>
        <source>The list could not be saved as %1: %2</source>
        <translation>No se pudo guardar la lista como %1: %2</translation>
    </message>
    <message>
        <source>%1 is a link to somewhere else, so nothing was written. Choose another folder, or remove the link.</source>
        <translation>%1 es un enlace a otro sitio, así que no se escribió nada. Elija otra carpeta o quite el enlace.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The recording of &quot;%1&quot; could not be copied to %2.</source>
        <translation>No se pudo copiar la grabación de «%1» a %2.</translation>
    </message>
</context>
<context>
    <name>ListFiles</name>
    <message>
        <source>Word lists (*.csv *.kvtml);;CSV files (*.csv);;KDE vocabulary files (*.kvtml);;All files (*)</source>
        <translation>Listas de palabras (*.csv *.kvtml);;Archivos CSV (*.csv);;Archivos de vocabulario de KDE (*.kvtml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import Words</source>
        <translation>Importar palabras</translation>
    </message>
    <message>
        <source>

Nothing was imported.</source>
        <translation>

No se importó nada.</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exportar la lista</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;KDE vocabulary files (*.kvtml)</source>
        <translation>Archivos CSV (*.csv);;Archivos de vocabulario de KDE (*.kvtml)</translation>
    </message>
    <message>
        <source>There is already a file %1. Replace it?</source>
        <translation>Ya existe un archivo %1. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>The list was saved as %1.</source>
        <translation>La lista se guardó como %1.</translation>
    </message>
    <message>
        <source>Export with Recordings</source>
        <translation>Exportar con las grabaciones</translation>
    </message>
    <message>
        <source>The folder %1 already holds an export of this list. Replace it?</source>
        <translation>La carpeta %1 ya contiene una exportación de esta lista. ¿Reemplazarla?</translation>
    </message>
    <message>
        <source>The list and its recordings were saved in the folder %1.</source>
        <translation>La lista y sus grabaciones se guardaron en la carpeta %1.</translation>
    </message>
    <message>
        <source>The list&apos;s language could not be saved: %1</source>
        <translation>No se ha podido guardar el idioma de la lista: %1</translation>
    </message>
</context>
<context>
    <name>ListLanguage</name>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>ListStore</name>
    <message>
        <source>word lists</source>
        <translation>listas de palabras</translation>
    </message>
    <message>
        <source>words</source>
        <translation>palabras</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>pruebas</translation>
    </message>
    <message>
        <source>Lettermarch cannot add any more %1 to this database: every number it can give them has been used.

Nothing was changed.</source>
        <translation>Lettermarch no puede añadir más %1 a esta base de datos: ya ha usado todos los números que puede dar.

No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>MessageTimes</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Indefinately</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 segundos</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The print preview cannot be shown: Qt&apos;s printing library could not be loaded (Debian package libqt6printsupport6).</source>
        <translation>No se puede mostrar la vista previa: no se pudo cargar la biblioteca de impresión de Qt (paquete de Debian libqt6printsupport6).</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF file cannot be written in the folder %1.</source>
        <translation>No se puede escribir el archivo PDF en la carpeta %1.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo PDF %1: %2</translation>
    </message>
    <message>
        <source>nothing was made.</source>
        <translation>no se creó nada.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Printouts</name>
    <message>
        <source>&lt;p&gt;Name: %1 &amp;nbsp;&amp;nbsp; Date: ______________&lt;/p&gt;</source>
        <translation>&lt;p&gt;Nombre: %1 &amp;nbsp;&amp;nbsp; Fecha: ______________&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;i&gt;Meaning:&lt;/i&gt; </source>
        <translation>&lt;i&gt;Significado:&lt;/i&gt; </translation>
    </message>
    <message>
        <source>&lt;i&gt;Sentence:&lt;/i&gt; </source>
        <translation>&lt;i&gt;Frase:&lt;/i&gt; </translation>
    </message>
    <message>
        <source>&lt;i&gt;Listen to the word.&lt;/i&gt;</source>
        <translation>&lt;i&gt;Escucha la palabra.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;For &lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;Para &lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source> &lt;i&gt;(capitals count)&lt;/i&gt;</source>
        <translation> &lt;i&gt;(cuentan las mayúsculas)&lt;/i&gt;</translation>
    </message>
    <message>
        <source>: answers</source>
        <translation>: soluciones</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Child:&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Niño:&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;List:&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Lista:&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutos:</translation>
    </message>
    <message>
        <source>Words on Test:</source>
        <translation>Palabras de la prueba:</translation>
    </message>
    <message>
        <source>First Try:</source>
        <translation>A la primera:</translation>
    </message>
    <message>
        <source>Moved on:</source>
        <translation>Pasadas:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;h3&gt;Words&lt;/h3&gt;&lt;table width=&quot;100%&quot; border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;&lt;tr&gt;&lt;th align=&quot;left&quot;&gt;Word&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Result&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Typed&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;/table&gt;&lt;h3&gt;Palabras&lt;/h3&gt;&lt;table width=&quot;100%&quot; border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;&lt;tr&gt;&lt;th align=&quot;left&quot;&gt;Palabra&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Resultado&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Escrito&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Resultados de la prueba</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>time of day</comment>
        <translation>H:mm</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The database is not open.</source>
        <translation>La base de datos no está abierta.</translation>
    </message>
</context>
<context>
    <name>QtVoice</name>
    <message>
        <source>The computer voice does not work on this computer.</source>
        <translation>La voz del ordenador no funciona en este ordenador.</translation>
    </message>
    <message>
        <source>The computer voice has no voices installed.</source>
        <translation>No hay voces instaladas para la voz del ordenador.</translation>
    </message>
</context>
<context>
    <name>RecordingFiles</name>
    <message>
        <source>The recording %1 is too long to play: a word&apos;s recording may last up to %2 minutes.</source>
        <translation>La grabación %1 es demasiado larga para reproducirla: la grabación de una palabra puede durar como mucho %2 minutos.</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>The file is empty (0 bytes), so it holds no word lists. It may be left over from a copy that did not finish.</source>
        <translation>El archivo está vacío (0 bytes) y no contiene listas. Puede que quede de una copia que no terminó.</translation>
    </message>
    <message>
        <source>The file is not a Lettermarch database. It may be damaged, or it may belong to another program.</source>
        <translation>El archivo no es una base de datos de Lettermarch. Puede estar dañado o ser de otro programa.</translation>
    </message>
    <message>
        <source>The file is damaged: it is shorter than the database it holds says it should be, so part of it is missing.</source>
        <translation>El archivo está dañado: es más corto de lo que indica la base de datos que contiene; falta una parte.</translation>
    </message>
    <message>
        <source>The file cannot be changed (it is read-only, or you lack permission to write it).</source>
        <translation>No se puede modificar el archivo (es de solo lectura o no tiene permiso para escribir en él).</translation>
    </message>
    <message>
        <source>The file is in use by another program.</source>
        <translation>Otro programa está usando el archivo.</translation>
    </message>
    <message>
        <source>The file is not a Lettermarch database, or it is damaged (%1).</source>
        <translation>El archivo no es una base de datos de Lettermarch o está dañado (%1).</translation>
    </message>
    <message>
        <source>The file is damaged (%1).</source>
        <translation>El archivo está dañado (%1).</translation>
    </message>
    <message>
        <source>The file is damaged. The database&apos;s own check found:
%1</source>
        <translation>El archivo está dañado. La comprobación de la base de datos encontró:
%1</translation>
    </message>
    <message>
        <source>The file is in use by another program (%1).</source>
        <translation>Otro programa está usando el archivo (%1).</translation>
    </message>
    <message>
        <source>The file cannot be changed (%1).</source>
        <translation>No se puede modificar el archivo (%1).</translation>
    </message>
    <message>
        <source>The table %1 has no column %2, so this is not a database Lettermarch can use.</source>
        <translation>A la tabla %1 le falta la columna %2; Lettermarch no puede usar esta base de datos.</translation>
    </message>
    <message>
        <source>The database could not be prepared (%1).</source>
        <translation>No se pudo preparar la base de datos (%1).</translation>
    </message>
    <message>
        <source>The database could not be created (%1).</source>
        <translation>No se pudo crear la base de datos (%1).</translation>
    </message>
</context>
<context>
    <name>ScoreChartView</name>
    <message>
        <source>Score (%)</source>
        <translation>Nota (%)</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Bien a la primera</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Not correct after %1 attempts</source>
        <translation>Mal después de %1 intentos</translation>
    </message>
    <message>
        <source>Correct on the first attempt</source>
        <translation>Bien al primer intento</translation>
    </message>
    <message>
        <source>Correct on 2nd attempt</source>
        <translation>Bien al 2.º intento</translation>
    </message>
    <message>
        <source>Correct after %1 incorrect attempts</source>
        <translation>Bien después de %1 intentos fallidos</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>not correct after %1 attempts</source>
        <translation>mal después de %1 intentos</translation>
    </message>
    <message>
        <source>correct on the first attempt</source>
        <translation>bien al primer intento</translation>
    </message>
    <message>
        <source>correct on 2nd attempt</source>
        <translation>bien al 2.º intento</translation>
    </message>
    <message>
        <source>correct after %1 incorrect attempts</source>
        <translation>bien después de %1 intentos fallidos</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Lettermarch cannot create its data folder:

%1

Lettermarch will now close.</source>
        <translation>Lettermarch no puede crear su carpeta de datos:

%1

Lettermarch se cerrará ahora.</translation>
    </message>
    <message>
        <source>Lettermarch cannot use its database file:

%1

%2

The file has been left exactly as it was. Lettermarch will now close.</source>
        <translation>Lettermarch no puede usar su archivo de base de datos:

%1

%2

El archivo se ha dejado exactamente como estaba. Lettermarch se cerrará ahora.</translation>
    </message>
    <message>
        <source>Lettermarch starts with the children it could find.

</source>
        <translation>Lettermarch se abre con los niños que pudo encontrar.

</translation>
    </message>
    <message>
        <source>Choose a list first.</source>
        <translation>Elija primero una lista.</translation>
    </message>
    <message>
        <source>Copy the List</source>
        <translation>Copiar la lista</translation>
    </message>
    <message>
        <source>Give a copy of this list, with its recordings, to:</source>
        <translation>Dar una copia de esta lista, con sus grabaciones, a:</translation>
    </message>
    <message>
        <source>%1&apos;s lists are open in another copy of Lettermarch. Close it first.</source>
        <translation>Las listas de %1 están abiertas en otra ventana de Lettermarch. Ciérrela primero.</translation>
    </message>
    <message>
        <source>%1&apos;s lists cannot be opened:

%2

Nothing was copied.</source>
        <translation>No se pueden abrir las listas de %1:

%2

No se copió nada.</translation>
    </message>
    <message>
        <source>%1 already has a list for %2 with this name. Copy it as one more list?</source>
        <translation>%1 ya tiene una lista para el %2 con este nombre. ¿Copiarla como una lista más?</translation>
    </message>
    <message>
        <source>Nothing was copied: %1</source>
        <translation>No se copió nada: %1</translation>
    </message>
    <message>
        <source>%1 already has a recording of &quot;%2&quot;. Replace it with this list&apos;s?</source>
        <translation>%1 ya tiene una grabación de «%2». ¿Reemplazarla por la de esta lista?</translation>
    </message>
    <message>
        <source>The list was copied to %1&apos;s lists.</source>
        <translation>La lista se copió en las listas de %1.</translation>
    </message>
    <message>
        <source>The list was copied to %1&apos;s lists, but the recordings of these words could not be: %2</source>
        <translation>La lista se copió en las listas de %1, pero las grabaciones de estas palabras no: %2</translation>
    </message>
    <message>
        <source>Too many wrong PINs. Try again in %1 seconds.</source>
        <translation>Demasiados PIN incorrectos. Inténtelo de nuevo dentro de %1 segundos.</translation>
    </message>
    <message>
        <source>That is not the parent&apos;s PIN. After five wrong PINs, the next try waits 30 seconds.</source>
        <translation>Ese no es el PIN de los padres. Después de cinco PIN incorrectos hay que esperar 30 segundos.</translation>
    </message>
    <message>
        <source>That is not the parent&apos;s PIN.</source>
        <translation>Ese no es el PIN de los padres.</translation>
    </message>
    <message>
        <source>The lock could not be saved, so it is as it was:

%1</source>
        <translation>No se pudo guardar el bloqueo; sigue como estaba:

%1</translation>
    </message>
    <message>
        <source>The parent&apos;s lock is on.</source>
        <translation>El bloqueo para padres está activado.</translation>
    </message>
    <message>
        <source>The parent&apos;s lock is off.</source>
        <translation>El bloqueo para padres está desactivado.</translation>
    </message>
    <message>
        <source>The test settings could not be given to the new child: %1</source>
        <translation>No se pudieron pasar los ajustes de las pruebas al nuevo niño: %1</translation>
    </message>
    <message>
        <source>Open %1&apos;s lists now?</source>
        <translation>¿Abrir ahora las listas de %1?</translation>
    </message>
    <message>
        <source>Lettermarch is already open.

Please use the Lettermarch window that is already open. If you cannot find it, look for it on the taskbar.</source>
        <translation>Lettermarch ya está abierto.

Use la ventana de Lettermarch que ya está abierta. Si no la encuentra, búsquela en la barra de tareas.</translation>
    </message>
    <message>
        <source>

Two copies of Lettermarch using one folder at the same time can lose answers and words. Go on only if no other copy of Lettermarch, on this computer or any other, is using this folder.

Go on?</source>
        <translation>

Si dos Lettermarch usan la misma carpeta a la vez, se pueden perder respuestas y palabras. Continúe solo si ningún otro Lettermarch, en este ordenador o en otro, está usando esta carpeta.

¿Continuar?</translation>
    </message>
    <message>
        <source>Your lists as they are now could not be kept as a backup, so nothing was restored.</source>
        <translation>No se pudo hacer una copia de seguridad de sus listas tal como están, así que no se restauró nada.</translation>
    </message>
    <message>
        <source>The restored database cannot be used:

%1

Your lists as they were have been put back.</source>
        <translation>No se puede usar la base de datos restaurada:

%1

Sus listas vuelven a estar como estaban.</translation>
    </message>
    <message>
        <source>The database cannot be used:

%1

Lettermarch will now close.</source>
        <translation>No se puede usar la base de datos:

%1

Lettermarch se cerrará ahora.</translation>
    </message>
    <message>
        <source>

Your lists are as they were.</source>
        <translation>

Sus listas siguen como estaban.</translation>
    </message>
    <message>
        <source>A word list is open for editing or testing. Please close it first.</source>
        <translation>Hay una lista de palabras abierta para editarla o para una prueba. Ciérrela primero.</translation>
    </message>
</context>
<context>
    <name>SqlErrors</name>
    <message>
        <source>unknown database error</source>
        <translation>error desconocido de la base de datos</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The folder that holds the file cannot be written to, so changes could not be saved safely.</source>
        <translation>No se puede escribir en la carpeta del archivo, así que los cambios no se pudieron guardar con seguridad.</translation>
    </message>
    <message>
        <source>The file is missing and the folder does not allow a new one to be created.</source>
        <translation>Falta el archivo y la carpeta no permite crear uno nuevo.</translation>
    </message>
    <message>
        <source>The database could not be opened: %1</source>
        <translation>No se pudo abrir la base de datos: %1</translation>
    </message>
</context>
<context>
    <name>StoreDates</name>
    <message>
        <source>d</source>
        <comment>day in a date form</comment>
        <translation>d</translation>
    </message>
    <message>
        <source>m</source>
        <comment>month in a date form</comment>
        <translation>m</translation>
    </message>
    <message>
        <source>yyyy</source>
        <comment>year in a date form</comment>
        <translation>aaaa</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
</context>
<context>
    <name>TestDefaultsControls</name>
    <message>
        <source>Display</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Pronounce</source>
        <translation>Pronunciar</translation>
    </message>
    <message>
        <source>The word will be pronounced during this test</source>
        <translation>La palabra se pronunciará en esta prueba</translation>
    </message>
    <message>
        <source>The word will be pronounced during practice tests</source>
        <translation>La palabra se pronunciará en las pruebas de práctica</translation>
    </message>
    <message>
        <source>Show Definition</source>
        <translation>Mostrar el significado</translation>
    </message>
    <message>
        <source>The definition will be displayed during this test</source>
        <translation>El significado se mostrará en esta prueba</translation>
    </message>
    <message>
        <source>The definition will be displayed during practice tests</source>
        <translation>El significado se mostrará en las pruebas de práctica</translation>
    </message>
    <message>
        <source>Show Context Sentence</source>
        <translation>Mostrar la frase de ejemplo</translation>
    </message>
    <message>
        <source>The context sentence will be show during this test</source>
        <translation>La frase de ejemplo se mostrará en esta prueba</translation>
    </message>
    <message>
        <source>The context sentence will be show during practice tests</source>
        <translation>La frase de ejemplo se mostrará en las pruebas de práctica</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alfabético</translation>
    </message>
    <message>
        <source>Order Created</source>
        <translation>Orden de entrada</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>The order that the words will appear on this test</source>
        <translation>El orden de las palabras en esta prueba</translation>
    </message>
    <message>
        <source>The order that the words will appear on practice tests</source>
        <translation>El orden de las palabras en las pruebas de práctica</translation>
    </message>
    <message>
        <source>Word Order</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Incorrect Answer Behavior</source>
        <translation>Con respuestas incorrectas</translation>
    </message>
    <message>
        <source>The number of chances given to spell a word correctly before moving on to the next word</source>
        <translation>Cuántos intentos hay para escribir bien una palabra antes de pasar a la siguiente</translation>
    </message>
    <message>
        <source>Go to the next word after</source>
        <translation>Pasar a la siguiente palabra después de</translation>
    </message>
    <message>
        <source>incorrect answers</source>
        <translation>respuestas incorrectas</translation>
    </message>
    <message>
        <source>Reveal answers before moving on</source>
        <translation>Mostrar la respuesta antes de seguir</translation>
    </message>
    <message>
        <source>Show the correct answer if the word is not spelled correctly after the specified number of chances</source>
        <translation>Mostrar la respuesta correcta si la palabra no está bien escrita tras los intentos elegidos</translation>
    </message>
    <message>
        <source>Require the student to type the correct answer after it is revealed</source>
        <translation>El niño debe copiar la respuesta mostrada</translation>
    </message>
    <message>
        <source>Require the student to correctly spell the word after it is show</source>
        <translation>El niño debe escribir bien la palabra después de verla</translation>
    </message>
    <message>
        <source>Clear Incorrect Answers</source>
        <translation>Borrar las respuestas incorrectas</translation>
    </message>
    <message>
        <source>Clear the entire mispelled when an answer is incorrect</source>
        <translation>Una palabra mal escrita se borra entera</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Play Sound After Correct Answers</source>
        <translation>Sonido tras una respuesta correcta</translation>
    </message>
    <message>
        <source>Play a notification sound when a word is spelled correctly</source>
        <translation>Reproducir un sonido cuando una palabra está bien escrita</translation>
    </message>
    <message>
        <source>Play Sound After Incorrect Answers</source>
        <translation>Sonido tras una respuesta incorrecta</translation>
    </message>
    <message>
        <source>Play a notification sound when a word is spelled incorrectly</source>
        <translation>Reproducir un sonido cuando una palabra está mal escrita</translation>
    </message>
    <message>
        <source>

    1. Pronounce
    2. Definition
    3. Context Sentence</source>
        <translation>

    1. Pronunciar
    2. Significado
    3. Frase de ejemplo</translation>
    </message>
</context>
<context>
    <name>TestSession</name>
    <message>
        <source>Check the capital letters</source>
        <translation>Fíjate en las mayúsculas</translation>
    </message>
    <message>
        <source>Another program is using Lettermarch&apos;s database file, so your answer could not be saved yet.

It is kept, and it will be saved as soon as the file is free. You can go on with the test.</source>
        <translation>Otro programa está usando el archivo de base de datos de Lettermarch, así que tu respuesta todavía no se pudo guardar.

Se conserva y se guardará en cuanto el archivo esté libre. Puedes seguir con la prueba.</translation>
    </message>
    <message>
        <source>Another program is still using Lettermarch&apos;s database file, so this test could not be saved yet.

Nothing you typed is lost. Click OK to try again.</source>
        <translation>Otro programa sigue usando el archivo de base de datos de Lettermarch, así que esta prueba todavía no se pudo guardar.

No se pierde nada de lo que escribiste. Haz clic en Aceptar para intentarlo otra vez.</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Inténtalo otra vez</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>hueco</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>No computer voice is installed on this computer. To add one, install the package qt6-speech-flite-plugin (for example with: sudo apt install qt6-speech-flite-plugin).</source>
        <translation>No hay ninguna voz de ordenador instalada en este ordenador. Para añadir una, instale el paquete qt6-speech-flite-plugin (por ejemplo con: sudo apt install qt6-speech-flite-plugin).</translation>
    </message>
</context>
<context>
    <name>VoiceOptions</name>
    <message>
        <source>The computer voice cannot speak %1 on this computer. Voices for many languages come with the packages qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng.</source>
        <translation>La voz del ordenador no puede hablar %1 en este ordenador. Los paquetes qt6-speech-speechd-plugin y speech-dispatcher-espeak-ng traen voces para muchos idiomas.</translation>
    </message>
</context>
<context>
    <name>WeekDates</name>
    <message>
        <source>Today is %1 %2</source>
        <translation>Hoy es %1, %2</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>The disk may be full.</source>
        <translation>Puede que el disco esté lleno.</translation>
    </message>
</context>
<context>
    <name>WordEntry</name>
    <message>
        <source>its recording is not there</source>
        <translation>falta su grabación</translation>
    </message>
    <message>
        <source>its recording lies outside the imported file&apos;s folder</source>
        <translation>su grabación está fuera de la carpeta del archivo importado</translation>
    </message>
    <message>
        <source>its recording cannot be read</source>
        <translation>no se puede leer su grabación</translation>
    </message>
    <message>
        <source>its recording is not a file</source>
        <translation>su grabación no es un archivo</translation>
    </message>
    <message>
        <source>its recording is larger than %1 MB</source>
        <translation>su grabación ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>its recording is not a wave file</source>
        <translation>su grabación no es un archivo WAV</translation>
    </message>
    <message>
        <source>its recording lasts longer than %1 minutes</source>
        <translation>su grabación dura más de %1 minutos</translation>
    </message>
</context>
<context>
    <name>WordImport</name>
    <message>
        <source>no word</source>
        <translation>sin palabra</translation>
    </message>
    <message>
        <source>has characters that cannot be typed</source>
        <translation>tiene caracteres que no se pueden escribir</translation>
    </message>
    <message>
        <source>is longer than the word editor takes</source>
        <translation>es más larga de lo que admite el editor de palabras</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>ya está en la lista</translation>
    </message>
    <message>
        <source>appears twice</source>
        <translation>aparece dos veces</translation>
    </message>
    <message>
        <source>recording left out: %1</source>
        <translation>grabación omitida: %1</translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>No es un archivo de texto.</translation>
    </message>
    <message>
        <source>The file is not in the UTF-8 encoding. Save it as &quot;CSV UTF-8&quot; (or as Unicode text) in the program that made it, then import it again.</source>
        <translation>El archivo no está codificado en UTF-8. Guárdelo como «CSV UTF-8» (o como texto Unicode) en el programa que lo creó y vuelva a importarlo.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>No existe el archivo %1.</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a word list (%2 MB).</source>
        <translation>El archivo %1 es demasiado grande para ser una lista de palabras (%2 MB).</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>No se pudo leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 holds no words.</source>
        <translation>El archivo %1 no contiene palabras.</translation>
    </message>
    <message>
        <source>The file %1 holds more than %2 words; a word list in Lettermarch holds at most %2.</source>
        <translation>El archivo %1 contiene más de %2 palabras; una lista de Lettermarch tiene como mucho %2.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>The Lettermarch Project</source>
        <translation>El proyecto Lettermarch</translation>
    </message>
    <message>
        <source>Program Title:</source>
        <translation>Programa:</translation>
    </message>
    <message>
        <source>Virtual Version:</source>
        <translation>Versión virtual:</translation>
    </message>
    <message>
        <source>Hard Version:</source>
        <translation>Versión fija:</translation>
    </message>
    <message>
        <source>Questions, Comments, Tech Support:</source>
        <translation>Preguntas, comentarios, ayuda:</translation>
    </message>
    <message>
        <source>On the web:</source>
        <translation>En la web:</translation>
    </message>
    <message>
        <source>Your lists are kept in:</source>
        <translation>Sus listas se guardan en:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>%1&apos;s lists are kept in:</source>
        <translation>Las listas de %1 se guardan en:</translation>
    </message>
</context>
<context>
    <name>frmAddChild</name>
    <message>
        <source>Add a Child</source>
        <translation>Añadir un niño</translation>
    </message>
    <message>
        <source>Name of the child who uses Lettermarch &amp;now</source>
        <translation>Nombre del niño que usa Lettermarch &amp;ahora</translation>
    </message>
    <message>
        <source>Name of the &amp;new child</source>
        <translation>Nombre del &amp;nuevo niño</translation>
    </message>
    <message>
        <source>&amp;Same test settings as the child practising now</source>
        <translation>&amp;Mismos ajustes de pruebas que el niño que practica ahora</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add this child</source>
        <translation>Añadir este niño</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Do not add a child</source>
        <translation>No añadir ningún niño</translation>
    </message>
    <message>
        <source>The list of children could not be saved:

%1

%2 will be offered again at the next start, from the folder made for them.</source>
        <translation>No se pudo guardar la lista de niños:

%1

%2 se volverá a ofrecer en el próximo inicio, desde la carpeta creada para ese niño.</translation>
    </message>
</context>
<context>
    <name>frmAskPin</name>
    <message>
        <source>Parent&apos;s Lock</source>
        <translation>Bloqueo para padres</translation>
    </message>
    <message>
        <source>This window is for parents. Type the parent&apos;s &amp;PIN:</source>
        <translation>Esta ventana es para los padres. Escriba el &amp;PIN de los padres:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmChooseChild</name>
    <message>
        <source>Who is practising?</source>
        <translation>¿Quién practica?</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Open the chosen child&apos;s lists</source>
        <translation>Abrir las listas del niño elegido</translation>
    </message>
    <message>
        <source>Add Child...</source>
        <translation>Añadir niño...</translation>
    </message>
    <message>
        <source>Add a child, with lists and tests of their own</source>
        <translation>Añadir un niño, con sus propias listas y pruebas</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Cambiar nombre...</translation>
    </message>
    <message>
        <source>Change the chosen child&apos;s name</source>
        <translation>Cambiar el nombre del niño elegido</translation>
    </message>
    <message>
        <source>Remove...</source>
        <translation>Quitar...</translation>
    </message>
    <message>
        <source>Put the chosen child&apos;s lists aside in the Removed folder</source>
        <translation>Apartar las listas del niño elegido en la carpeta Removed</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exit Lettermarch</source>
        <translation>Salir de Lettermarch</translation>
    </message>
    <message>
        <source>Stay with the lists open now</source>
        <translation>Seguir con las listas abiertas</translation>
    </message>
    <message>
        <source>The list of children could not be saved:

%1</source>
        <translation>No se pudo guardar la lista de niños:

%1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nuevo nombre:</translation>
    </message>
    <message>
        <source>Remove %1 from Lettermarch?

%1&apos;s lists, tests and recordings are put aside in the Removed folder, not deleted.</source>
        <translation>¿Quitar a %1 de Lettermarch?

Las listas, pruebas y grabaciones de %1 se apartan en la carpeta Removed, no se borran.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation>¿Seguro que quiere quitar a %1?</translation>
    </message>
    <message>
        <source>(no name yet)</source>
        <translation>(todavía sin nombre)</translation>
    </message>
</context>
<context>
    <name>frmChooseWords</name>
    <message>
        <source>Practise Missed Words</source>
        <translation>Repasar las palabras falladas</translation>
    </message>
    <message>
        <source>Tick &amp;All</source>
        <translation>Marcar &amp;todas</translation>
    </message>
    <message>
        <source>Tick &amp;None</source>
        <translation>&amp;Desmarcar todas</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;Practicar</translation>
    </message>
    <message>
        <source>Start a test of the ticked words</source>
        <translation>Empezar una prueba con las palabras marcadas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmDeleteOldList</name>
    <message>
        <source>Delete Old List...</source>
        <translation>Borrar una lista antigua...</translation>
    </message>
    <message>
        <source>It is now past the scheduled test date of this word list.  Would you like to delete this list?</source>
        <translation>Ya ha pasado la fecha del dictado de esta lista. ¿Quiere borrarla?</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Creada:</translation>
    </message>
    <message>
        <source>Test Date:</source>
        <translation>Fecha del dictado:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Palabras:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete this list</source>
        <translation>Borrar esta lista</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>Does not delete this list, and you won&apos;t be prompted to delete this list again</source>
        <translation>No borra esta lista, y no se le volverá a preguntar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Do not delete this list</source>
        <translation>No borrar esta lista</translation>
    </message>
    <message>
        <source>List Deleted</source>
        <translation>Lista borrada</translation>
    </message>
    <message>
        <source>List Ignored</source>
        <translation>Lista ignorada</translation>
    </message>
    <message>
        <source>You will not be prompted to delete this list again.</source>
        <translation>No se le volverá a preguntar si quiere borrar esta lista.</translation>
    </message>
</context>
<context>
    <name>frmEditList</name>
    <message>
        <source>Edit Word List</source>
        <translation>Editar la lista de palabras</translation>
    </message>
    <message>
        <source>Word Details</source>
        <translation>Detalles de la palabra</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Context Sentence</source>
        <translation>Frase de ejemplo</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Cuentan mayúsculas</translation>
    </message>
    <message>
        <source>Pronounce</source>
        <translation>Pronunciar</translation>
    </message>
    <message>
        <source>Hear the current recording</source>
        <translation>Escuchar la grabación</translation>
    </message>
    <message>
        <source>Test Totals</source>
        <translation>Resumen de pruebas</translation>
    </message>
    <message>
        <source>Total Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Correct on first attempt</source>
        <translation>Bien al primer intento</translation>
    </message>
    <message>
        <source>Incorrect Guesses</source>
        <translation>Intentos fallidos</translation>
    </message>
    <message>
        <source>The number of times this word has appeared on a Lettermarch test</source>
        <translation>Cuántas veces apareció esta palabra en una prueba de Lettermarch</translation>
    </message>
    <message>
        <source>The number of times this word was spelled correctly on the first attempt on a test</source>
        <translation>Cuántas veces se escribió bien esta palabra al primer intento en una prueba</translation>
    </message>
    <message>
        <source>The number of times this word has been misspelled on a test</source>
        <translation>Cuántas veces se escribió mal esta palabra en una prueba</translation>
    </message>
    <message>
        <source>Add a word</source>
        <translation>Añadir palabra</translation>
    </message>
    <message>
        <source>Add a word to this list</source>
        <translation>Añadir una palabra a esta lista</translation>
    </message>
    <message>
        <source>Edit a word</source>
        <translation>Editar palabra</translation>
    </message>
    <message>
        <source>Make changes to the definition, the context sentence, or pronounciation</source>
        <translation>Cambiar el significado, la frase de ejemplo o la pronunciación</translation>
    </message>
    <message>
        <source>Delete a word</source>
        <translation>Borrar palabra</translation>
    </message>
    <message>
        <source>Delete the selected word from this list</source>
        <translation>Borrar de esta lista la palabra elegida</translation>
    </message>
    <message>
        <source>Paste words...</source>
        <translation>Pegar palabras...</translation>
    </message>
    <message>
        <source>Add many words at once, pasted from a document or a spreadsheet</source>
        <translation>Añadir muchas palabras a la vez, pegadas desde un documento o una hoja de cálculo</translation>
    </message>
    <message>
        <source>optional, e.g. Week 12</source>
        <translation>opcional, p. ej. Semana 12</translation>
    </message>
    <message>
        <source>A name that tells this list apart from others</source>
        <translation>Un nombre que distingue esta lista de las demás</translation>
    </message>
    <message>
        <source>List &amp;name</source>
        <translation>&amp;Nombre de la lista</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Word...</source>
        <translation>&amp;Nueva palabra...</translation>
    </message>
    <message>
        <source>&amp;Paste Words...</source>
        <translation>&amp;Pegar palabras...</translation>
    </message>
    <message>
        <source>&amp;Import Words...</source>
        <translation>&amp;Importar palabras...</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>&amp;Exportar la lista...</translation>
    </message>
    <message>
        <source>Export with &amp;Recordings...</source>
        <translation>Exportar con las &amp;grabaciones...</translation>
    </message>
    <message>
        <source>P&amp;rint a Paper Test...</source>
        <translation>Imp&amp;rimir una prueba en papel...</translation>
    </message>
    <message>
        <source>&amp;Copy to Another Child...</source>
        <translation>&amp;Copiar para otro niño...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Cerr&amp;ar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>The name could not be saved: %1</source>
        <translation>No se pudo guardar el nombre: %1</translation>
    </message>
    <message>
        <source>Delete </source>
        <translation>Borrar: </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>The language of this list&apos;s words: the computer voice speaks them in it</source>
        <translation>El idioma de las palabras de esta lista: la voz del ordenador las pronuncia en él</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The program&apos;s language (%1)</source>
        <translation>Idioma del programa (%1)</translation>
    </message>
    <message>
        <source>%1 (no voice)</source>
        <translation>%1 (sin voz)</translation>
    </message>
    <message>
        <source>The language could not be saved: %1</source>
        <translation>No se ha podido guardar el idioma: %1</translation>
    </message>
</context>
<context>
    <name>frmEditWord</name>
    <message>
        <source>New Word</source>
        <translation>Nueva palabra</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Word</source>
        <translation>&amp;Palabra</translation>
    </message>
    <message>
        <source>&amp;Definition</source>
        <translation>&amp;Significado</translation>
    </message>
    <message>
        <source>Context &amp;Sentence</source>
        <translation>&amp;Frase de ejemplo</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Cuentan mayúsculas</translation>
    </message>
    <message>
        <source>Pronounciation</source>
        <translation>Pronunciación</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Record the pronounciation</source>
        <translation>Grabar la pronunciación</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Parar la grabación</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Hear the current recording</source>
        <translation>Escuchar la grabación</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear the current recording</source>
        <translation>Borrar la grabación</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save this word</source>
        <translation>Guardar esta palabra</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Do not save changes</source>
        <translation>No guardar los cambios</translation>
    </message>
    <message>
        <source>Edit Word </source>
        <translation>Editar la palabra: </translation>
    </message>
    <message>
        <source>Can not save a blank word.  Please type the word in the box provided.</source>
        <translation>No se puede guardar una palabra vacía. Escriba la palabra en la casilla.</translation>
    </message>
    <message>
        <source>At least one of the following items must be provided:
   1. A Definition
   2. A Context Sentence
or 3. A Recording of the word</source>
        <translation>Hace falta al menos una de estas cosas:
   1. Un significado
   2. Una frase de ejemplo
o 3. Una grabación de la palabra</translation>
    </message>
    <message>
        <source>The word was saved, but its recording could not be stored in the folder
%1</source>
        <translation>La palabra se guardó, pero su grabación no se pudo guardar en la carpeta
%1</translation>
    </message>
    <message>
        <source>Word Saved</source>
        <translation>Palabra guardada</translation>
    </message>
    <message>
        <source>In a test the word is spoken from this recording.</source>
        <translation>En una prueba, la palabra se pronuncia con esta grabación.</translation>
    </message>
    <message>
        <source>Without a recording, the computer voice speaks the word.</source>
        <translation>Sin grabación, la voz del ordenador pronuncia la palabra.</translation>
    </message>
    <message>
        <source>Without a recording, the word is not spoken in a test.</source>
        <translation>Sin grabación, la palabra no se pronuncia en una prueba.</translation>
    </message>
    <message>
        <source>Case sensitive indicates that the word must be typed exactly as it appears to be counted as correct</source>
        <translation>Cuentan mayúsculas: la palabra solo cuenta como bien si se escribe exactamente igual, mayúsculas incluidas</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Help Topic:</source>
        <translation>Tema:</translation>
    </message>
</context>
<context>
    <name>frmLists</name>
    <message>
        <source>Existing Word Lists</source>
        <translation>Listas de palabras</translation>
    </message>
    <message>
        <source>New List</source>
        <translation>Nueva lista</translation>
    </message>
    <message>
        <source>Create a new word list</source>
        <translation>Crear una nueva lista de palabras</translation>
    </message>
    <message>
        <source>Edit List</source>
        <translation>Editar la lista</translation>
    </message>
    <message>
        <source>Edit an existing word list</source>
        <translation>Editar una lista de palabras existente</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Start a practice test</source>
        <translation>Empezar una prueba de práctica</translation>
    </message>
    <message>
        <source>Past Tests</source>
        <translation>Pruebas anteriores</translation>
    </message>
    <message>
        <source>View details of previous tests</source>
        <translation>Ver el detalle de las pruebas anteriores</translation>
    </message>
    <message>
        <source>Delete List</source>
        <translation>Borrar la lista</translation>
    </message>
    <message>
        <source>Delete the selected word list</source>
        <translation>Borrar la lista de palabras elegida</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Change configurations, settings, and defaults</source>
        <translation>Cambiar los ajustes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Exit Lettermarch</source>
        <translation>Salir de Lettermarch</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listas</translation>
    </message>
    <message>
        <source>&amp;New List</source>
        <translation>&amp;Nueva lista</translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation>&amp;Editar la lista</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prueba</translation>
    </message>
    <message>
        <source>&amp;Past Tests</source>
        <translation>Pruebas &amp;anteriores</translation>
    </message>
    <message>
        <source>&amp;Delete List</source>
        <translation>&amp;Borrar la lista</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Trouble Words...</source>
        <translation>Palabras &amp;difíciles...</translation>
    </message>
    <message>
        <source>&amp;Import a List...</source>
        <translation>&amp;Importar una lista...</translation>
    </message>
    <message>
        <source>&amp;Export the List...</source>
        <translation>&amp;Exportar la lista...</translation>
    </message>
    <message>
        <source>&amp;Print a Paper Test...</source>
        <translation>Im&amp;primir una prueba en papel...</translation>
    </message>
    <message>
        <source>&amp;Restore a Backup...</source>
        <translation>&amp;Restaurar una copia de seguridad...</translation>
    </message>
    <message>
        <source>&amp;Copy the List to Another Child...</source>
        <translation>&amp;Copiar la lista para otro niño...</translation>
    </message>
    <message>
        <source>S&amp;witch Child...</source>
        <translation>Cambiar de &amp;niño...</translation>
    </message>
    <message>
        <source>A&amp;dd a Child...</source>
        <translation>&amp;Añadir un niño...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Mostrar la ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Lettermarch</translation>
    </message>
    <message>
        <source>School Test Date</source>
        <translation>Fecha del dictado</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Please select a list to edit.</source>
        <translation>Elija una lista para editarla.</translation>
    </message>
    <message>
        <source>Please select a list to test.</source>
        <translation>Elija una lista para la prueba.</translation>
    </message>
    <message>
        <source>Please select a list.</source>
        <translation>Elija una lista.</translation>
    </message>
    <message>
        <source>Please select a list to delete.</source>
        <translation>Elija la lista que quiere borrar.</translation>
    </message>
    <message>
        <source>Do you want to delete this list and all of it&apos;s words?</source>
        <translation>¿Quiere borrar esta lista y todas sus palabras?</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>Message...</source>
        <translation>Mensaje...</translation>
    </message>
</context>
<context>
    <name>frmNewList</name>
    <message>
        <source>New Word List</source>
        <translation>Nueva lista de palabras</translation>
    </message>
    <message>
        <source>Start of week</source>
        <translation>Inicio de la semana</translation>
    </message>
    <message>
        <source>End of week</source>
        <translation>Fin de la semana</translation>
    </message>
    <message>
        <source>Date of test</source>
        <translation>Fecha del dictado</translation>
    </message>
    <message>
        <source>A name that tells this list apart from others, such as Week 12</source>
        <translation>Un nombre que distingue esta lista de las demás, por ejemplo Semana 12</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Create a new word list</source>
        <translation>Crear una nueva lista de palabras</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Do not create a new list</source>
        <translation>No crear una lista nueva</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date Lettermarch can read (%2).

Type the date as %3, for example %4.</source>
        <translation>«%1» no es una fecha que Lettermarch sepa leer (%2).

Escriba la fecha como %3, por ejemplo %4.</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save Settings</source>
        <translation>&amp;Guardar los ajustes</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Skip Individual Test Setup</source>
        <translation>No mostrar los ajustes antes de cada prueba</translation>
    </message>
    <message>
        <source>Always use these defaults when starting a practice test</source>
        <translation>Usar siempre estos ajustes en las pruebas de práctica</translation>
    </message>
    <message>
        <source>Test Defaults</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Sundays</source>
        <translation>Los domingos</translation>
    </message>
    <message>
        <source>Mondays</source>
        <translation>Los lunes</translation>
    </message>
    <message>
        <source>Tuesdays</source>
        <translation>Los martes</translation>
    </message>
    <message>
        <source>Wednesdays</source>
        <translation>Los miércoles</translation>
    </message>
    <message>
        <source>Thursdays</source>
        <translation>Los jueves</translation>
    </message>
    <message>
        <source>Fridays</source>
        <translation>Los viernes</translation>
    </message>
    <message>
        <source>Saturdays</source>
        <translation>Los sábados</translation>
    </message>
    <message>
        <source>The day of the week that the student normally has spelling tests at school</source>
        <translation>El día de la semana en que el niño suele tener el dictado en el colegio</translation>
    </message>
    <message>
        <source>School tests are normally on</source>
        <translation>El dictado en el colegio es</translation>
    </message>
    <message>
        <source>Prompt me to delete word lists after thier test dates</source>
        <translation>Preguntar si se borran las listas después de su dictado</translation>
    </message>
    <message>
        <source>Alerts you when lists are past thier scheduled school test date</source>
        <translation>Le avisa cuando ha pasado la fecha del dictado de una lista</translation>
    </message>
    <message>
        <source>The amount of time to display messages</source>
        <translation>Cuánto tiempo se ven los mensajes</translation>
    </message>
    <message>
        <source>Temporary Messages</source>
        <translation>Mensajes breves</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Test the selected message time</source>
        <translation>Probar la duración elegida</translation>
    </message>
    <message>
        <source>Parent&apos;s &amp;Lock...</source>
        <translation>&amp;Bloqueo para padres...</translation>
    </message>
    <message>
        <source>A PIN that keeps the windows that change lists and settings for parents</source>
        <translation>Un PIN que reserva a los padres las ventanas que cambian listas y ajustes</translation>
    </message>
    <message>
        <source>Hide the word in its clues</source>
        <translation>Ocultar la palabra en sus pistas</translation>
    </message>
    <message>
        <source>During a test the word is blanked out of its definition and sentence</source>
        <translation>En una prueba, la palabra se sustituye por un hueco en su significado y su frase</translation>
    </message>
    <message>
        <source>Say when only the capital letters are wrong</source>
        <translation>Avisar cuando solo fallan las mayúsculas</translation>
    </message>
    <message>
        <source>A case-sensitive word typed with the wrong capitals is told so</source>
        <translation>En una palabra donde cuentan las mayúsculas, se avisa si solo fallan las mayúsculas</translation>
    </message>
    <message>
        <source>Refuse a date that cannot be read</source>
        <translation>Rechazar una fecha ilegible</translation>
    </message>
    <message>
        <source>A new list&apos;s date that cannot be read is refused instead of replaced</source>
        <translation>La fecha ilegible de una lista nueva se rechaza en vez de reemplazarse</translation>
    </message>
    <message>
        <source>General Defaults</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Use the computer voice for words without a recording</source>
        <translation>Usar la voz del ordenador para las palabras sin grabación</translation>
    </message>
    <message>
        <source>Words you have recorded are always spoken in your own voice</source>
        <translation>Las palabras que ha grabado siempre suenan con su propia voz</translation>
    </message>
    <message>
        <source>The computer voice to use</source>
        <translation>La voz del ordenador que se usa</translation>
    </message>
    <message>
        <source>The engine&apos;s own voice</source>
        <translation>La voz predeterminada</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>How fast the computer voice speaks</source>
        <translation>Lo rápido que habla la voz del ordenador</translation>
    </message>
    <message>
        <source>Speaking rate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Hear the computer voice</source>
        <translation>Escuchar la voz del ordenador</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Guardar los ajustes</translation>
    </message>
    <message>
        <source>Save these settings</source>
        <translation>Guardar estos ajustes</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ajustes iniciales</translation>
    </message>
    <message>
        <source>Restore all settings to thier defaults</source>
        <translation>Volver a todos los ajustes iniciales</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Do not save changes</source>
        <translation>No guardar los cambios</translation>
    </message>
    <message>
        <source>This is how your spelling words will sound.</source>
        <translation>Así sonarán tus palabras.</translation>
    </message>
    <message>
        <source>Settings Saved</source>
        <translation>Ajustes guardados</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to save these defaults:</source>
        <translation>Para guardar estos ajustes, marque al menos una de estas casillas:</translation>
    </message>
    <message>
        <source>Are you sure you want to restore all defaults?</source>
        <translation>¿Seguro que quiere volver a todos los ajustes iniciales?</translation>
    </message>
    <message>
        <source>Defaults Restored</source>
        <translation>Ajustes iniciales restaurados</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Click To Close</source>
        <translation>Haga clic para cerrar</translation>
    </message>
    <message>
        <source>The language of Lettermarch&apos;s windows</source>
        <translation>El idioma de las ventanas de Lettermarch</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>El idioma del sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Lettermarch speaks the language chosen from its next start.</source>
        <translation>Lettermarch hablará el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>A list in one of these languages is spoken with its sounds</source>
        <translation>Una lista en uno de estos idiomas se pronuncia con sus propios sonidos</translation>
    </message>
    <message>
        <source>Languages with a voice</source>
        <translation>Idiomas con voz</translation>
    </message>
</context>
<context>
    <name>frmPastTests</name>
    <message>
        <source>Past Tests</source>
        <translation>Pruebas anteriores</translation>
    </message>
    <message>
        <source>Select a test...</source>
        <translation>Elegir una prueba...</translation>
    </message>
    <message>
        <source>Total tests for this word list</source>
        <translation>Número de pruebas de esta lista</translation>
    </message>
    <message>
        <source>Average score of all tests taken for this word list</source>
        <translation>Nota media de todas las pruebas de esta lista</translation>
    </message>
    <message>
        <source>Total Tests:</source>
        <translation>Pruebas:</translation>
    </message>
    <message>
        <source>Average Score:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Trouble Words...</source>
        <translation>Palabras &amp;difíciles...</translation>
    </message>
    <message>
        <source>The words of this list with the most wrong answers</source>
        <translation>Las palabras de esta lista con más respuestas incorrectas</translation>
    </message>
    <message>
        <source>Click a point to see that test</source>
        <translation>Haga clic en un punto para ver esa prueba</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Qt&apos;s chart library could not be loaded (Debian package libqt6charts6).</source>
        <translation>No se puede mostrar el gráfico: no se pudo cargar la biblioteca de gráficos de Qt (paquete de Debian libqt6charts6).</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>No tests yet: each test&apos;s score will appear here.</source>
        <translation>Todavía no hay pruebas: aquí aparecerá la nota de cada una.</translation>
    </message>
    <message>
        <source>Scores of the tests of this list</source>
        <translation>Notas de las pruebas de esta lista</translation>
    </message>
    <message>
        <source>Scores of the tests of %1</source>
        <translation>Notas de las pruebas de %1</translation>
    </message>
    <message>
        <source>Test %1, %2: %3, %4 right at the first try</source>
        <translation>Prueba %1, %2: %3, %4 bien a la primera</translation>
    </message>
</context>
<context>
    <name>frmPasteWords</name>
    <message>
        <source>Paste Words</source>
        <translation>Pegar palabras</translation>
    </message>
    <message>
        <source>because	for the reason that	I stayed in because it rained.</source>
        <translation>porque	por la razón de que	Me quedé en casa porque llovía.</translation>
    </message>
    <message>
        <source>&amp;Paste or type one word a line. After the word, a definition and a sentence may follow, separated by tabs (as a spreadsheet copies them), &quot; - &quot; or &quot;;&quot;. Ctrl+Tab leaves the box.</source>
        <translation>&amp;Pegue o escriba una palabra por línea. Después de la palabra pueden ir un significado y una frase, separados por tabuladores (como los copia una hoja de cálculo), « - » o «;». Ctrl+Tab sale de la casilla.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Frase</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Cuentan mayúsculas</translation>
    </message>
    <message>
        <source>Skipped Because</source>
        <translation>Omitida porque</translation>
    </message>
    <message>
        <source>Tick the words that must be typed in the right case</source>
        <translation>Marque las palabras en las que cuentan las mayúsculas</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add the words not skipped to the list</source>
        <translation>Añadir a la lista las palabras no omitidas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import Words</source>
        <translation>Importar palabras</translation>
    </message>
    <message>
        <source>The words of %1, to be added to this list:</source>
        <translation>Las palabras de %1 que se añadirán a esta lista:</translation>
    </message>
    <message>
        <source>The words of %1, to make a new list for the test on %2:</source>
        <translation>Las palabras de %1, para una lista nueva para el dictado del %2:</translation>
    </message>
    <message>
        <source>That is %1 lines; a list holds at most %2 words.</source>
        <translation>Son %1 líneas; una lista tiene como mucho %2 palabras.</translation>
    </message>
    <message>
        <source>No words yet.</source>
        <translation>Todavía no hay palabras.</translation>
    </message>
    <message>
        <source>%1 to add, %2 skipped.</source>
        <translation>%1 para añadir, %2 omitidas.</translation>
    </message>
    <message>
        <source> Words without a clue are added when the computer voice is on (Options, Voice tab): it then says them in the test.</source>
        <translation> Las palabras sin pista se añaden cuando la voz del ordenador está activada (Opciones, pestaña Voz): entonces las dice en la prueba.</translation>
    </message>
    <message>
        <source>Nothing was added: %1</source>
        <translation>No se añadió nada: %1</translation>
    </message>
    <message>
        <source>There is already a recording of &quot;%1&quot;. Replace it with the one from the imported file?</source>
        <translation>Ya hay una grabación de «%1». ¿Reemplazarla por la del archivo importado?</translation>
    </message>
    <message>
        <source>The words were added, but the recordings of these could not be copied: %1</source>
        <translation>Las palabras se añadieron, pero no se pudieron copiar las grabaciones de estas: %1</translation>
    </message>
</context>
<context>
    <name>frmPrintList</name>
    <message>
        <source>Print a Paper Test</source>
        <translation>Imprimir una prueba en papel</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>A &amp;test to write on (the words are not shown)</source>
        <translation>Una &amp;prueba para rellenar (sin las palabras)</translation>
    </message>
    <message>
        <source>Its &amp;answer key</source>
        <translation>Sus so&amp;luciones</translation>
    </message>
    <message>
        <source>Show the &amp;definitions as clues</source>
        <translation>Mostrar el &amp;significado como pista</translation>
    </message>
    <message>
        <source>Show the &amp;sentences as clues (the word blanked out)</source>
        <translation>Mostrar las &amp;frases como pistas (la palabra como hueco)</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alfabético</translation>
    </message>
    <message>
        <source>Order Created</source>
        <translation>Orden de entrada</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Word &amp;order:</source>
        <translation>&amp;Orden:</translation>
    </message>
    <message>
        <source>&amp;Preview and Print...</source>
        <translation>&amp;Vista previa e impresión...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>Spelling test</source>
        <translation>Dictado</translation>
    </message>
</context>
<context>
    <name>frmRestoreBackup</name>
    <message>
        <source>Restore a Backup</source>
        <translation>Restaurar una copia de seguridad</translation>
    </message>
    <message>
        <source>Lettermarch keeps a copy of your lists each day it starts and each day it closes after a change, the last %1 of them.
Choose the copy to go back to:</source>
        <translation>Lettermarch guarda una copia de sus listas cada día al iniciarse y, tras un cambio, al cerrarse: las %1 últimas.
Elija la copia a la que quiere volver:</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Hecha</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Copy of</source>
        <translation>Copia de</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Go back to the chosen copy</source>
        <translation>Volver a la copia elegida</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>the day&apos;s first start</source>
        <translation>primer inicio del día</translation>
    </message>
    <message>
        <source>the day&apos;s work, at closing</source>
        <translation>trabajo del día, al cerrar</translation>
    </message>
    <message>
        <source>the lists before a restore</source>
        <translation>las listas antes de una restauración</translation>
    </message>
    <message>
        <source>This copy cannot be read, so it cannot be restored.</source>
        <translation>Esta copia es ilegible y no se puede restaurar.</translation>
    </message>
    <message>
        <source>Go back to the copy taken %1?

Word lists in it: %2; tests: %3. Your lists as they are now are kept as one more backup first.</source>
        <translation>¿Volver a la copia del %1?

Listas de palabras: %2; pruebas: %3. Antes, sus listas actuales se guardan como una copia de seguridad más.</translation>
    </message>
    <message>
        <source>

Your lists are as they were.</source>
        <translation>

Sus listas siguen como estaban.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
</context>
<context>
    <name>frmRevealAnswer</name>
    <message>
        <source>The Correct Answer Is...</source>
        <translation>La respuesta correcta es...</translation>
    </message>
    <message>
        <source>Correct Spelling:</source>
        <translation>Se escribe así:</translation>
    </message>
    <message>
        <source>Type it:</source>
        <translation>Cópiala:</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Siguiente palabra</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>This word is case sensitive.
Please tray again.</source>
        <translation>En esta palabra cuentan las mayúsculas.
Inténtalo otra vez.</translation>
    </message>
    <message>
        <source>You must type the word correctly before moving on</source>
        <translation>Escribe bien la palabra antes de seguir</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Inténtalo otra vez</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmSetPin</name>
    <message>
        <source>Parent&apos;s Lock</source>
        <translation>Bloqueo para padres</translation>
    </message>
    <message>
        <source>With a PIN, the windows that change lists and settings (the list editor, New List, Delete List, Import, Options, Restore a Backup and removing a child) ask for it first. Tests, results and Trouble Words stay open to the child.</source>
        <translation>Con un PIN, las ventanas que cambian listas y ajustes (el editor de listas, Nueva lista, Borrar la lista, Importar, Opciones, Restaurar una copia de seguridad y quitar a un niño) lo piden primero. Las pruebas, los resultados y Palabras difíciles siguen abiertos para el niño.</translation>
    </message>
    <message>
        <source>&amp;New PIN</source>
        <translation>&amp;Nuevo PIN</translation>
    </message>
    <message>
        <source>&amp;Type it again</source>
        <translation>&amp;Repítalo</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Cambiar el PIN</translation>
    </message>
    <message>
        <source>Set PIN</source>
        <translation>Poner un PIN</translation>
    </message>
    <message>
        <source>Remove the Lock</source>
        <translation>Quitar el bloqueo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A PIN has at least %1 characters.</source>
        <translation>Un PIN tiene al menos %1 caracteres.</translation>
    </message>
    <message>
        <source>The two PINs differ. Type the same PIN twice.</source>
        <translation>Los dos PIN son distintos. Escriba dos veces el mismo PIN.</translation>
    </message>
</context>
<context>
    <name>frmTest</name>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Context Sentence</source>
        <translation>Frase de ejemplo</translation>
    </message>
    <message>
        <source>Pronounce</source>
        <translation>Pronunciar</translation>
    </message>
    <message>
        <source>Pronounce the current word</source>
        <translation>Pronunciar la palabra</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Siguiente palabra</translation>
    </message>
    <message>
        <source>Read aloud</source>
        <translation>Leer en voz alta</translation>
    </message>
    <message>
        <source>Read the definition aloud (Ctrl+1)</source>
        <translation>Leer el significado en voz alta (Ctrl+1)</translation>
    </message>
    <message>
        <source>Read the context sentence aloud (Ctrl+2)</source>
        <translation>Leer la frase de ejemplo en voz alta (Ctrl+2)</translation>
    </message>
    <message>
        <source>

Words without a recording are not spoken in this test.</source>
        <translation>

Las palabras sin grabación no se pronuncian en esta prueba.</translation>
    </message>
    <message>
        <source>%1 answers of the test could not be saved: %2</source>
        <translation>No se pudieron guardar %1 respuestas de la prueba: %2</translation>
    </message>
    <message>
        <source>%1 answers of the test could not be saved: another program still holds the database file.</source>
        <translation>No se pudieron guardar %1 respuestas de la prueba: otro programa sigue ocupando el archivo de base de datos.</translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation>Palabra %1 de %2</translation>
    </message>
    <message>
        <source>%1 of this list&apos;s words cannot be asked, because the database holds it without an identifier (it may have been changed by another program).

The test goes on with the other words. To include the word, add the word again in the list editor.</source>
        <translation>No se puede preguntar %1 palabra de esta lista, porque la base de datos la tiene sin identificador (quizá la cambió otro programa).

La prueba sigue con las demás palabras. Para incluirla, vuelva a añadir la palabra en el editor de listas.</translation>
    </message>
    <message>
        <source>%1 of this list&apos;s words cannot be asked, because the database holds them without an identifier (it may have been changed by another program).

The test goes on with the other words. To include those words, add those words again in the list editor.</source>
        <translation>No se pueden preguntar %1 palabras de esta lista, porque la base de datos las tiene sin identificador (quizá las cambió otro programa).

La prueba sigue con las demás palabras. Para incluirlas, vuelva a añadir esas palabras en el editor de listas.</translation>
    </message>
    <message>
        <source>You have not completed the test.
Do you really want to quit?</source>
        <translation>No has terminado la prueba.
¿De verdad quieres dejarla?</translation>
    </message>
</context>
<context>
    <name>frmTestResults</name>
    <message>
        <source>Test Results</source>
        <translation>Resultados de la prueba</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutos:</translation>
    </message>
    <message>
        <source>The total time in minutes this test took</source>
        <translation>Cuántos minutos duró la prueba</translation>
    </message>
    <message>
        <source>Words on Test:</source>
        <translation>Palabras de la prueba:</translation>
    </message>
    <message>
        <source>The number of words on the test</source>
        <translation>Cuántas palabras tenía la prueba</translation>
    </message>
    <message>
        <source>First Try:</source>
        <translation>A la primera:</translation>
    </message>
    <message>
        <source>The number of words spelled correctly on the first attempt</source>
        <translation>Cuántas palabras se escribieron bien al primer intento</translation>
    </message>
    <message>
        <source>Moved on:</source>
        <translation>Pasadas:</translation>
    </message>
    <message>
        <source>The number of words that were not spelled correctly in the allotted number of attempts</source>
        <translation>Cuántas palabras no se escribieron bien en los intentos permitidos</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>The score for this test</source>
        <translation>La nota de esta prueba</translation>
    </message>
    <message>
        <source>Click on a word to view the details</source>
        <translation>Haga clic en una palabra para ver el detalle</translation>
    </message>
    <message>
        <source>&amp;Practise Missed Words...</source>
        <translation>&amp;Repasar las palabras falladas...</translation>
    </message>
    <message>
        <source>A practice test of the words not right at the first try</source>
        <translation>Una prueba de práctica con las palabras que no salieron bien a la primera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close this screen</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>P&amp;rint Results...</source>
        <translation>Im&amp;primir los resultados...</translation>
    </message>
    <message>
        <source>Save Results as P&amp;DF...</source>
        <translation>Guardar los resultados como P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Save Results as PDF</source>
        <translation>Guardar los resultados como PDF</translation>
    </message>
    <message>
        <source>Test results %1.pdf</source>
        <translation>Resultados de la prueba %1.pdf</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>right at the first try</source>
        <translation>bien a la primera</translation>
    </message>
    <message>
        <source>Test Again?</source>
        <translation>¿Repetir la prueba?</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>time of day</comment>
        <translation>H:mm</translation>
    </message>
    <message>
        <source>Tick the words of this test to practise:</source>
        <translation>Marca las palabras de esta prueba que quieres repasar:</translation>
    </message>
    <message>
        <source>Tick the words of this test of %1 to practise:</source>
        <translation>Marca las palabras de esta prueba de %1 que quieres repasar:</translation>
    </message>
</context>
<context>
    <name>frmTestSetup</name>
    <message>
        <source>Test Setup</source>
        <translation>Ajustes de la prueba</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Guardar como predeterminado</translation>
    </message>
    <message>
        <source>Save these settings as the defaults settings for all practice tests</source>
        <translation>Guardar estos ajustes para todas las pruebas de práctica</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>There was a problem loading the default settings.
Please use the Options screen to set defaults.</source>
        <translation>No se pudieron cargar los ajustes predeterminados.
Elíjalos en la ventana de Opciones.</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to proceed with the test:</source>
        <translation>Para hacer la prueba, marque al menos una de estas casillas:</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to save these defaults:</source>
        <translation>Para guardar estos ajustes, marque al menos una de estas casillas:</translation>
    </message>
    <message>
        <source>Settings Saved</source>
        <translation>Ajustes guardados</translation>
    </message>
    <message>
        <source>Start the test now?</source>
        <translation>¿Empezar la prueba ahora?</translation>
    </message>
    <message>
        <source>There was a problem saving these settings.
Please use the Options screen to set defaults.</source>
        <translation>No se pudieron guardar estos ajustes.
Elija los ajustes predeterminados en la ventana de Opciones.</translation>
    </message>
</context>
<context>
    <name>frmTestWordDetails</name>
    <message>
        <source>Word Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close this screen</source>
        <translation>Cerrar esta ventana</translation>
    </message>
</context>
<context>
    <name>frmTroubleWords</name>
    <message>
        <source>Trouble Words</source>
        <translation>Palabras difíciles</translation>
    </message>
    <message>
        <source>The word list whose words are shown</source>
        <translation>La lista cuyas palabras se muestran</translation>
    </message>
    <message>
        <source>&amp;Words of:</source>
        <translation>&amp;Palabras de:</translation>
    </message>
    <message>
        <source>%1&apos;s &amp;words of:</source>
        <translation>&amp;Palabras de %1 en:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Wrong Answers</source>
        <translation>Respuestas incorrectas</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>First Try</source>
        <translation>A la primera</translation>
    </message>
    <message>
        <source>Moved On</source>
        <translation>Pasadas</translation>
    </message>
    <message>
        <source>Most Frequent Misspelling</source>
        <translation>Error más frecuente</translation>
    </message>
    <message>
        <source>The school test date of the word&apos;s list</source>
        <translation>La fecha del dictado de la lista de la palabra</translation>
    </message>
    <message>
        <source>Wrong answers over all tests</source>
        <translation>Respuestas incorrectas en todas las pruebas</translation>
    </message>
    <message>
        <source>Finished tests that asked the word</source>
        <translation>Pruebas terminadas que preguntaron la palabra</translation>
    </message>
    <message>
        <source>Tests in which it was right at the first try</source>
        <translation>Pruebas en las que salió bien a la primera</translation>
    </message>
    <message>
        <source>Tests in which it was not spelled correctly in the answers allowed</source>
        <translation>Pruebas en las que no se escribió bien en los intentos permitidos</translation>
    </message>
    <message>
        <source>&amp;Open List</source>
        <translation>&amp;Abrir la lista</translation>
    </message>
    <message>
        <source>Open the selected word&apos;s list in the list editor</source>
        <translation>Abrir la lista de la palabra elegida en el editor de listas</translation>
    </message>
    <message>
        <source>&amp;Practise Missed Words...</source>
        <translation>&amp;Repasar las palabras falladas...</translation>
    </message>
    <message>
        <source>A practice test of the selected words of one list</source>
        <translation>Una prueba de práctica con las palabras elegidas de una lista</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>All lists</source>
        <translation>Todas las listas</translation>
    </message>
    <message>
        <source>The list for %1</source>
        <translation>La lista del %1</translation>
    </message>
    <message>
        <source>No word has had a wrong answer yet.</source>
        <translation>Ninguna palabra ha tenido todavía una respuesta incorrecta.</translation>
    </message>
    <message>
        <source>The %1 words with the most wrong answers.</source>
        <translation>Las %1 palabras con más respuestas incorrectas.</translation>
    </message>
    <message>
        <source>Please select a word.</source>
        <translation>Elija una palabra.</translation>
    </message>
    <message>
        <source>%1 wrong</source>
        <translation>%1 incorrectas</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Tick the words of the list for %1 to practise:</source>
        <translation>Marca las palabras de la lista del %1 que quieres repasar:</translation>
    </message>
    <message>
        <source>Tick the words of this list to practise:</source>
        <translation>Marca las palabras de esta lista que quieres repasar:</translation>
    </message>
    <message>
        <source>Tick the words of %1 to practise:</source>
        <translation>Marca las palabras de %1 que quieres repasar:</translation>
    </message>
</context>
</TS>
