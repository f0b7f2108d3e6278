<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Application</name>
    <message>
        <source>

Database file: </source>
        <translation>

Fichier de la base de données : </translation>
    </message>
    <message>
        <source>Lettermarch could not read or save its data and has to close.</source>
        <translation>Lettermarch n&apos;a pas pu lire ou enregistrer ses données et doit se fermer.</translation>
    </message>
    <message>
        <source>Lettermarch met an unexpected problem and has to close.</source>
        <translation>Lettermarch a rencontré un problème inattendu et doit se fermer.</translation>
    </message>
    <message>
        <source>

Everything saved before this point is kept.</source>
        <translation>

Tout ce qui a été enregistré jusqu&apos;ici est conservé.</translation>
    </message>
</context>
<context>
    <name>AudioModule</name>
    <message>
        <source>The computer voice could not be loaded.</source>
        <translation>La voix de l&apos;ordinateur n&apos;a pas pu être chargée.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>This copy is not a Lettermarch database (it may be damaged, or belong to another program), so it cannot be restored.</source>
        <translation>Cette copie n&apos;est pas une base de données Lettermarch (elle est peut-être endommagée, ou appartient à un autre programme) et ne peut pas être restaurée.</translation>
    </message>
    <message>
        <source>This copy is damaged, so it cannot be restored.</source>
        <translation>Cette copie est endommagée et ne peut pas être restaurée.</translation>
    </message>
    <message>
        <source>The backup could not be copied into the data folder.</source>
        <translation>La sauvegarde n&apos;a pas pu être copiée dans le dossier des données.</translation>
    </message>
    <message>
        <source>The database file could not be replaced.</source>
        <translation>Le fichier de la base de données n&apos;a pas pu être remplacé.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--data-dir needs the folder to keep the lists in.</source>
        <translation>--data-dir a besoin du dossier où garder les listes.</translation>
    </message>
    <message>
        <source>--lang needs a language code, such as de, fr or es.</source>
        <translation>--lang a besoin d&apos;un code de langue, par exemple de, fr ou es.</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Option inconnue : %1</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu : %1</translation>
    </message>
    <message>
        <source>The folder given to --data-dir has a name that is not in UTF-8, so Lettermarch cannot tell which folder it is. Rename the folder, or choose another.</source>
        <translation>Le nom du dossier donné à --data-dir n&apos;est pas en UTF-8 : Lettermarch ne peut pas savoir de quel dossier il s&apos;agit. Renommez le dossier ou choisissez-en un autre.</translation>
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
        <translation>Utilisation : Lettermarch [OPTION]...
S&apos;entraîner aux mots de la dictée de la semaine : un parent saisit les mots,
un enfant fait des tests d&apos;entraînement, et chaque résultat est gardé.

Options :
      --data-dir DOSSIER  garder les listes, les enregistrements et les
                      sauvegardes dans DOSSIER (créé s&apos;il manque) et nulle
                      part ailleurs : un dossier de la famille, sans ses enfants
      --lang CODE     parler la langue CODE (de, fr, es, en, ...) au lieu de
                      celle du système
  -h, --help          afficher cette aide et quitter
  -v, --version       afficher la version et quitter

Fichiers :
  Le dossier des données contient Lettermarch.mdb (listes, mots, tests et
  réglages), Wavs/ (les enregistrements) et Backups/ (une copie au premier
  démarrage du jour et une du travail du jour à la fermeture, les 10 dernières).
  Il se trouve à côté du programme quand le dossier du programme contient déjà
  une base de données ou est accessible en écriture, sinon dans le dossier de
  données de l&apos;utilisateur.

  Dossier des données : %1 (%2)
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
        <translation>Essayez « Lettermarch --help » pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>A quoted field is never closed: a double quote is missing.</source>
        <translation>Un champ entre guillemets n&apos;est jamais fermé : il manque un guillemet double.</translation>
    </message>
    <message>
        <source>Some rows have %1 fields. A word list has at most four: word, definition, sentence and case_sensitive (or a header row naming its columns).</source>
        <translation>Certaines lignes ont %1 champs. Une liste de mots en a au plus quatre : word, definition, sentence et case_sensitive (ou une ligne d&apos;en-tête qui nomme ses colonnes).</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>beside the program</source>
        <translation>à côté du programme</translation>
    </message>
    <message>
        <source>your personal data folder</source>
        <translation>votre dossier de données personnel</translation>
    </message>
    <message>
        <source>the folder chosen with --data-dir</source>
        <translation>le dossier choisi avec --data-dir</translation>
    </message>
</context>
<context>
    <name>Family</name>
    <message>
        <source>Type the child&apos;s name.</source>
        <translation>Tapez le prénom de l&apos;enfant.</translation>
    </message>
    <message>
        <source>The list of children (%1) could not be read. It was left as it is, and the children&apos;s folders were looked for instead.</source>
        <translation>La liste des enfants (%1) n&apos;a pas pu être lue. Elle a été laissée telle quelle, et les dossiers des enfants ont été cherchés à la place.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was left out: the folder &quot;%2&quot; is not a child&apos;s folder.</source>
        <translation>« %1 » a été laissé de côté : le dossier « %2 » n&apos;est pas celui d&apos;un enfant.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was left out: the folder &quot;%2&quot; is gone.</source>
        <translation>« %1 » a été laissé de côté : le dossier « %2 » n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; was not in the list of children; it is shown as &quot;%2&quot;.</source>
        <translation>Le dossier « %1 » n&apos;était pas dans la liste des enfants ; il apparaît sous le nom « %2 ».</translation>
    </message>
    <message>
        <source>The unreadable list of children could not be put aside.</source>
        <translation>La liste illisible des enfants n&apos;a pas pu être mise de côté.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Le dossier « %1 » n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The first child&apos;s lists are the family&apos;s own folder, so they cannot be removed. The child can be renamed instead.</source>
        <translation>Les listes du premier enfant sont dans le dossier de la famille lui-même et ne peuvent pas être retirées. Vous pouvez renommer l&apos;enfant à la place.</translation>
    </message>
    <message>
        <source>%1&apos;s lists are open in another copy of Lettermarch. Close it first.</source>
        <translation>Les listes de %1 sont ouvertes dans une autre fenêtre de Lettermarch. Fermez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>%1&apos;s folder could not be moved to &quot;%2&quot;; nothing was removed.</source>
        <translation>Le dossier de %1 n&apos;a pas pu être déplacé vers « %2 » ; rien n&apos;a été retiré.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>In the folder %1 there is a folder named %2 where Lettermarch keeps the file that shows it is open.</source>
        <translation>Dans le dossier %1 se trouve un dossier nommé %2, là où Lettermarch garde le fichier qui montre qu&apos;il est ouvert.</translation>
    </message>
    <message>
        <source>In the folder %1 there is something named %2 that is not the file Lettermarch writes to show it is open.</source>
        <translation>Dans le dossier %1 se trouve quelque chose nommé %2 qui n&apos;est pas le fichier que Lettermarch écrit pour montrer qu&apos;il est ouvert.</translation>
    </message>
    <message>
        <source>The file %1, which shows that Lettermarch is open, cannot be read. It may have been left by a power cut, or damaged.</source>
        <translation>Le fichier %1, qui montre que Lettermarch est ouvert, ne peut pas être lu. Il est peut-être resté après une coupure de courant, ou il est endommagé.</translation>
    </message>
    <message>
        <source>The file %1 says that Lettermarch is open on another computer, &quot;%2&quot;. The folder may be shared with that computer, or copied from it.</source>
        <translation>D&apos;après le fichier %1, Lettermarch est ouvert sur un autre ordinateur, « %2 ». Le dossier est peut-être partagé avec cet ordinateur, ou copié depuis lui.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Lettermarch is a great way for children to leantheir weekly spelling words.  When your child gets their spelling words from the teacher at the beginning of the week, use the &apos;Create a New List&apos; feature in Lettermarch to input each spelling word into the program.  You can also enter the word&apos;s definition, a context sentence, and record the pronounciation.  Once all the words are entered, your child can go through as many &apos;Practice Tests&apos; as they need all week long to help get them ready for the school test.</source>
        <translation>Avec Lettermarch, les enfants apprennent les mots de leur dictée de la semaine. Quand votre enfant reçoit ses mots au début de la semaine, créez une liste avec « Nouvelle liste » et saisissez chaque mot. Vous pouvez aussi saisir le sens du mot, une phrase d&apos;exemple et enregistrer sa prononciation. Une fois tous les mots saisis, votre enfant peut faire autant de tests d&apos;entraînement qu&apos;il le faut pendant la semaine pour être prêt pour la dictée.</translation>
    </message>
    <message>
        <source>Create a Word List</source>
        <translation>Créer une liste de mots</translation>
    </message>
    <message>
        <source>On the main screen, there are several buttons.  To create a new Word List, click the &apos;New List&apos; button. Two new screens will open, a large one in the background, and a smaller one in the foreground.  The smaller window is the &apos;New Word&apos; window, where you can type the word, it&apos;s definition, a context sentence,  and record the word in your voice.  When you have entered all the information, click the &apos;Save&apos; button.  The word will be added to the list in the large background window, and you can enter then next word into the smaller window.  When you have entered all the words, close the &apos;New Word&apos; window.  The large window will still be visible.  From this window, you can review the words in the list, and make changes to any of them, or add new ones.</source>
        <translation>La fenêtre principale a plusieurs boutons. Pour créer une liste de mots, cliquez sur « Nouvelle liste ». Deux fenêtres s&apos;ouvrent : une grande à l&apos;arrière et une plus petite devant. La petite, « Nouveau mot », sert à taper le mot, son sens, une phrase d&apos;exemple et à l&apos;enregistrer avec votre voix. Quand tout est saisi, cliquez sur « Enregistrer ». Le mot s&apos;ajoute à la liste dans la grande fenêtre, et vous pouvez saisir le mot suivant dans la petite. Quand tous les mots sont saisis, fermez la fenêtre « Nouveau mot ». La grande fenêtre reste ouverte : vous y voyez tous les mots de la liste, pouvez en modifier ou en ajouter.</translation>
    </message>
    <message>
        <source>Take a Practice Test</source>
        <translation>Faire un test d&apos;entraînement</translation>
    </message>
    <message>
        <source>Once you have created a word list, you can take a &apos;Practice Test&apos; at any time by selecting the proper &apos;Word List&apos;, and clicking the &apos;Test&apos; button on the Main screen.  You may need to preform a &apos;Test Setup&apos; to set some options for the test, such as how many incorrect answers to accept before moving on to the next word.  Once you have completed the test setup, the &apos;Practice Test&apos; will begin.</source>
        <translation>Dès qu&apos;une liste existe, votre enfant peut faire un test d&apos;entraînement à tout moment : choisissez la liste dans la fenêtre principale et cliquez sur « Test ». Les « Réglages du test » peuvent apparaître d&apos;abord, par exemple combien de réponses fausses sont permises avant le mot suivant. Ensuite, le test commence.</translation>
    </message>
    <message>
        <source>The on-screen clues will tell your child which word to type into the answer box.  If your child types it correctly, the next word will be given.  If your child answers incorrectly, they will be notified, and and will be given another chance.  &apos;Test Setup&apos; options will determine exactly what happens when an incorrect answer is given.</source>
        <translation>Les indices à l&apos;écran disent à votre enfant quel mot taper dans la case de réponse. S&apos;il l&apos;écrit correctement, le mot suivant arrive. S&apos;il se trompe, il en est averti et a une nouvelle chance. Les réglages du test décident de ce qui se passe exactement après une réponse fausse.</translation>
    </message>
    <message>
        <source>When the test has been completed, the result will be show to you automatically.</source>
        <translation>Quand le test est fini, le résultat s&apos;affiche automatiquement.</translation>
    </message>
    <message>
        <source>Test History</source>
        <translation>Tests passés</translation>
    </message>
    <message>
        <source>To view the test history for any word list, select the word list on the main screen, and click the &apos;Past Tests&apos; button.  A list of all past tests for the selected Word List will appear, and you will be able to see which words have been giving your child difficulty. The incorrect answers your child has given for each word on each test can be displayed.</source>
        <translation>Pour voir les tests passés d&apos;une liste, choisissez-la dans la fenêtre principale et cliquez sur « Tests passés ». Tous les tests de la liste apparaissent, et vous voyez quels mots posent problème à votre enfant. Pour chaque mot de chaque test, vous pouvez afficher les réponses fausses de votre enfant.</translation>
    </message>
    <message>
        <source>Options (Test Defaults)</source>
        <translation>Options (tests)</translation>
    </message>
    <message>
        <source>Skip Individual Test Setup -- If this option is checked, all Practice Tests will use the default settings automatically.  If it is not checked, then you will be prompted to preform the &apos;Test Setup&apos; each time.</source>
        <translation>Ne pas montrer les réglages avant chaque test -- Si cette case est cochée, tous les tests d&apos;entraînement utilisent automatiquement les réglages par défaut. Sinon, les « Réglages du test » s&apos;affichent avant chaque test.</translation>
    </message>
    <message>
        <source>Pronounce -- Use this option to enable the Practice Tests to speak the word to your child.</source>
        <translation>Prononcer -- Le test d&apos;entraînement prononce le mot pour votre enfant.</translation>
    </message>
    <message>
        <source>Show Definition -- Use this option to display the word&apos;s definition on Practice Tests</source>
        <translation>Afficher le sens -- Le test d&apos;entraînement affiche le sens du mot.</translation>
    </message>
    <message>
        <source>Show Context Sentence -- Use this option to display the word&apos;s context sentence on Practice Tests</source>
        <translation>Afficher la phrase d&apos;exemple -- Le test d&apos;entraînement affiche la phrase d&apos;exemple du mot.</translation>
    </message>
    <message>
        <source>Show Definition -- Use this option to determine the order in which the words on a Practice Test are given</source>
        <translation>Ordre des mots -- Choisit dans quel ordre les mots sont donnés pendant le test d&apos;entraînement.</translation>
    </message>
    <message>
        <source>Incorrect Answer Behavior -- Use these options to determine how to respond to incorrect answers on Practice Tests</source>
        <translation>En cas de réponse fausse -- Choisit ce qui se passe après une réponse fausse pendant un test d&apos;entraînement.</translation>
    </message>
    <message>
        <source>Sounds -- Use these options to enable or disable sounds on Practice Tests</source>
        <translation>Sons -- Pour activer ou désactiver les sons pendant les tests d&apos;entraînement</translation>
    </message>
    <message>
        <source>Options (General)</source>
        <translation>Options (général)</translation>
    </message>
    <message>
        <source>Tempory Messages -- Temporary messages are notifications that Lettermarch periodically shows to the user.  These messages appear for a short time, and then dissaper automatically.  Use this option to determine how long these messages are displayed before disappearing.</source>
        <translation>Messages brefs -- Lettermarch affiche de temps en temps de courts messages. Ils apparaissent un instant puis disparaissent seuls. Ce réglage choisit combien de temps ils restent affichés.</translation>
    </message>
    <message>
        <source>School Tests On -- Use this option to determine when a school test date is based on the date the word list is created.</source>
        <translation>La dictée à l&apos;école a lieu -- Sert à calculer la date de la dictée d&apos;une nouvelle liste à partir du jour où elle est créée.</translation>
    </message>
    <message>
        <source>Prompt to Delete Old Word Lists -- Use this option to alert you when a Word List has past it&apos;s school test date, so it can be deleted.</source>
        <translation>Proposer de supprimer les listes -- Vous prévient quand la date de la dictée d&apos;une liste est passée, pour que vous puissiez la supprimer.</translation>
    </message>
    <message>
        <source>The Computer Voice</source>
        <translation>La voix de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Recording every word takes time. Under Options, on the Voice page, you can let the computer speak the words that have no recording: tick &apos;Use the computer voice for words without a recording&apos;, choose a voice, set how fast it speaks (slower is easier for young children) and press &apos;Try it&apos; to hear it.</source>
        <translation>Enregistrer chaque mot prend du temps. Dans les Options, onglet « Voix », l&apos;ordinateur peut prononcer les mots qui n&apos;ont pas d&apos;enregistrement : cochez « Utiliser la voix de l&apos;ordinateur pour les mots sans enregistrement », choisissez une voix, réglez sa vitesse (plus lent, c&apos;est plus facile pour les petits) et cliquez sur « Essayer » pour l&apos;entendre.</translation>
    </message>
    <message>
        <source>A word you have recorded is always spoken in your own voice. With the computer voice on, the Pronounce buttons work for every word, and the test window has a &apos;Read aloud&apos; button beside the definition and the sentence (Ctrl+1 and Ctrl+2) for children who cannot read them yet. The voice never spells the word.</source>
        <translation>Un mot que vous avez enregistré est toujours dit avec votre voix. Avec la voix de l&apos;ordinateur activée, les boutons « Prononcer » marchent pour chaque mot, et la fenêtre du test a un bouton « Lire à voix haute » à côté du sens et de la phrase (Ctrl+1 et Ctrl+2) pour les enfants qui ne savent pas encore les lire. La voix n&apos;épelle jamais le mot.</translation>
    </message>
    <message>
        <source>A computer voice does not say every word well: names, words from other languages and words spelled differently from how they sound often come out wrong. Listen to each week&apos;s words with the list editor&apos;s Pronounce button, and record the ones the voice gets wrong: your recording is then used instead.</source>
        <translation>Une voix d&apos;ordinateur ne prononce pas bien tous les mots : les noms propres, les mots d&apos;autres langues et ceux qui ne s&apos;écrivent pas comme ils se prononcent sortent souvent mal. Écoutez les mots de chaque semaine avec le bouton « Prononcer » de l&apos;éditeur de listes, et enregistrez ceux que la voix prononce mal : votre enregistrement sera alors utilisé.</translation>
    </message>
    <message>
        <source>Most school lists are just words. With the computer voice on, a word needs no definition, sentence or recording: the voice says it in the test. This holds in the word editor, for pasted words and for imported files.</source>
        <translation>La plupart des listes de l&apos;école ne sont que des mots. Avec la voix de l&apos;ordinateur activée, un mot n&apos;a besoin ni de sens, ni de phrase, ni d&apos;enregistrement : la voix le prononce pendant le test. C&apos;est vrai dans l&apos;éditeur de mots, pour les mots collés et pour les fichiers importés.</translation>
    </message>
    <message>
        <source>Many Words at Once</source>
        <translation>Beaucoup de mots d&apos;un coup</translation>
    </message>
    <message>
        <source>In the list editor, &apos;Paste words...&apos; adds many words at once. Copy the week&apos;s words from an e-mail, a document or a spreadsheet and paste them: one word a line, then if you like its definition and a sentence, separated by tabs (a spreadsheet&apos;s columns), &apos; - &apos; or &apos;;&apos;. Numbers and bullets at the start of a line are left out. The table below shows what will be added and which lines are skipped, and why. Tick &apos;Case Sensitive&apos; for words that must keep their capital letters, then press Add.</source>
        <translation>Dans l&apos;éditeur de listes, « Coller des mots... » ajoute beaucoup de mots d&apos;un coup. Copiez les mots de la semaine depuis un e-mail, un document ou un tableur et collez-les : un mot par ligne, puis si vous voulez son sens et une phrase, séparés par des tabulations (les colonnes d&apos;un tableur), « - » ou « ; ». Les numéros et les puces en début de ligne sont ignorés. Le tableau en dessous montre ce qui sera ajouté, quelles lignes sont laissées de côté et pourquoi. Cochez « Majuscules comptées » pour les mots qui doivent garder leurs majuscules, puis cliquez sur « Ajouter ».</translation>
    </message>
    <message>
        <source>The File menus can also import a word list from a CSV file or from a vocabulary file of KDE&apos;s Parley or KWordQuiz (.kvtml), export a list to either, or export it with its recordings to a folder, for another computer.</source>
        <translation>Les menus « Fichier » permettent aussi d&apos;importer une liste depuis un fichier CSV ou un fichier de vocabulaire de Parley ou KWordQuiz de KDE (.kvtml), d&apos;exporter une liste dans l&apos;un de ces formats, ou de l&apos;exporter avec ses enregistrements dans un dossier, pour un autre ordinateur.</translation>
    </message>
    <message>
        <source>&apos;Print a Paper Test...&apos; prints the list as a test to write on, with the definitions and sentences as clues and the word itself never shown, or the answer key in the same order. Either can be saved as a PDF file.</source>
        <translation>« Imprimer un test papier... » imprime la liste comme un test à remplir, avec le sens et les phrases comme indices et sans jamais montrer le mot, ou le corrigé dans le même ordre. Les deux peuvent aussi être enregistrés en PDF.</translation>
    </message>
    <message>
        <source>Names, Dates and Family Settings</source>
        <translation>Noms, dates et réglages de la famille</translation>
    </message>
    <message>
        <source>A list may have a name (&apos;Week 12&apos;, &apos;Spelling bee&apos;) as well as its test date: type it in the New List window, or in the list editor&apos;s &apos;List name&apos; box. The main window shows it beside the test date, and so do the windows of the list&apos;s results and what is printed. An imported list is named after its file.</source>
        <translation>Une liste peut avoir un nom (« Semaine 12 », « Concours d&apos;orthographe ») en plus de sa date de dictée : tapez-le dans la fenêtre « Nouvelle liste » ou dans la case « Nom de la liste » de l&apos;éditeur. La fenêtre principale l&apos;affiche à côté de la date, tout comme les fenêtres de résultats de la liste et ce qui est imprimé. Une liste importée prend le nom de son fichier.</translation>
    </message>
    <message>
        <source>Dates are typed and shown with the numbers in your computer&apos;s order: day first where the computer puts the day first (18/12/2026), month first in the United States (12/18/2026).</source>
        <translation>Les dates sont tapées et affichées avec les nombres dans l&apos;ordre de votre ordinateur : le jour d&apos;abord quand l&apos;ordinateur met le jour d&apos;abord (18/12/2026), le mois d&apos;abord aux États-Unis (12/18/2026).</translation>
    </message>
    <message>
        <source>Lettermarch copies your lists into the Backups folder at the first start of each day and again when it closes after you changed something, keeping the last 10 copies. File &gt; Restore a Backup... says when each copy was taken and what it holds.</source>
        <translation>Lettermarch copie vos listes dans le dossier Backups au premier démarrage de chaque jour, puis à la fermeture si vous avez modifié quelque chose, et garde les 10 dernières copies. Fichier &gt; Restaurer une sauvegarde... indique quand chaque copie a été faite et ce qu&apos;elle contient.</translation>
    </message>
    <message>
        <source>Seeing Progress</source>
        <translation>Voir les progrès</translation>
    </message>
    <message>
        <source>Past Tests shows a chart beside the list of tests: each test is a point, with its score and the number of words right at the first try. Click a point to see that test&apos;s results.</source>
        <translation>« Tests passés » affiche un graphique à côté de la liste des tests : chaque test est un point, avec son score et le nombre de mots justes du premier coup. Cliquez sur un point pour voir les résultats de ce test.</translation>
    </message>
    <message>
        <source>Trouble Words (in the File menu of the main window, and a button in Past Tests) lists the words with the most wrong answers, with how often each was right at the first try, how often the test moved on, and the misspelling typed most often. Click a heading to sort; double-click a word to open its list.</source>
        <translation>« Mots difficiles » (dans le menu Fichier de la fenêtre principale, et comme bouton dans « Tests passés ») montre les mots qui ont eu le plus de réponses fausses, avec combien de fois chacun était juste du premier coup, combien de fois le test est passé au mot suivant, et la faute tapée le plus souvent. Cliquez sur un titre de colonne pour trier ; double-cliquez sur un mot pour ouvrir sa liste.</translation>
    </message>
    <message>
        <source>Practise Missed Words (in Test Results and Trouble Words) starts a test of only the words you tick; the words not right at the first try come ticked. Its results count only those words, and every other test keeps its score.</source>
        <translation>« Revoir les mots ratés » (dans les résultats du test et dans « Mots difficiles ») commence un test avec seulement les mots que vous cochez ; les mots qui n&apos;étaient pas justes du premier coup sont déjà cochés. Son résultat ne compte que ces mots, et chaque autre test garde son score.</translation>
    </message>
    <message>
        <source>Several Children</source>
        <translation>Plusieurs enfants</translation>
    </message>
    <message>
        <source>Each child has lists, tests and recordings of their own. File &gt; Add a Child... in the main window adds one; the first time, it also asks the name of the child who has used Lettermarch so far, whose lists stay exactly where they were.</source>
        <translation>Chaque enfant a ses propres listes, tests et enregistrements. Fichier &gt; Ajouter un enfant... dans la fenêtre principale en ajoute un ; la première fois, Lettermarch demande aussi le prénom de l&apos;enfant qui l&apos;utilisait jusqu&apos;ici, dont les listes restent exactement où elles étaient.</translation>
    </message>
    <message>
        <source>With two children or more, Lettermarch first asks who is practising: choose a name with the arrow keys or its first letter and press Enter. File &gt; Switch Child... asks again without closing the program. The child&apos;s name is at the end of every window&apos;s title, on the About window and on printed tests and results.</source>
        <translation>Avec deux enfants ou plus, Lettermarch demande d&apos;abord qui s&apos;entraîne : choisissez un prénom avec les flèches ou sa première lettre et appuyez sur Entrée. Fichier &gt; Changer d&apos;enfant... repose la question sans fermer le programme. Le prénom de l&apos;enfant figure à la fin du titre de chaque fenêtre, dans la fenêtre « À propos » et sur les tests et résultats imprimés.</translation>
    </message>
    <message>
        <source>In that window, Rename... changes a name and Remove... puts a child&apos;s lists aside in the Removed folder (they are never deleted at once; to bring them back, move the folder back into Children while Lettermarch is closed). File &gt; Copy the List to Another Child... gives a brother or sister the same words and recordings.</source>
        <translation>Dans cette fenêtre, « Renommer... » change un prénom et « Retirer... » met les listes d&apos;un enfant de côté dans le dossier Removed (elles ne sont jamais supprimées tout de suite ; pour les récupérer, remettez le dossier dans Children pendant que Lettermarch est fermé). Fichier &gt; Copier la liste pour un autre enfant... donne à un frère ou une sœur les mêmes mots et enregistrements.</translation>
    </message>
    <message>
        <source>Parent&apos;s Lock... (Options, General Defaults) sets a PIN: the list editor, New List, Delete List, Import, Options, Restore a Backup and removing a child then ask for it, for every child; tests, results and Trouble Words do not. After five wrong PINs the next try waits 30 seconds. The lock keeps a child out of the parent&apos;s windows; it does not protect against someone using your own account. A forgotten PIN: close Lettermarch, open Family.json in the data folder with a text editor and delete its &quot;pin&quot; entry (the lines from &quot;pin&quot; to its closing brace, and the comma before them).</source>
        <translation>Verrou parental... (Options, Général) définit un code : l&apos;éditeur de listes, Nouvelle liste, Supprimer la liste, l&apos;import, les Options, Restaurer une sauvegarde et le retrait d&apos;un enfant le demandent alors, pour chaque enfant ; les tests, les résultats et les Mots difficiles non. Après cinq codes faux, il faut attendre 30 secondes. Le verrou tient un enfant à l&apos;écart des fenêtres des parents ; il ne protège pas contre quelqu&apos;un qui utilise votre propre compte. Code oublié : fermez Lettermarch, ouvrez Family.json dans le dossier des données avec un éditeur de texte et supprimez son entrée « pin » (les lignes de &quot;pin&quot; jusqu&apos;à son accolade fermante, et la virgule qui les précède).</translation>
    </message>
    <message>
        <source>Under Options, on the General Defaults page: &apos;Hide the word in its clues&apos; blanks the word out of its definition and sentence during a test (reading a clue aloud says &apos;blank&apos; in its place); &apos;Say when only the capital letters are wrong&apos; tells the child so; &apos;Refuse a date that cannot be read&apos; keeps a mistyped date in its box with a message instead of replacing it. A database made by this version has all three on; one from an earlier version keeps working as it did until you tick them.</source>
        <translation>Dans les Options, onglet « Général » : « Cacher le mot dans ses indices » remplace le mot par un blanc dans son sens et sa phrase pendant un test (lire un indice à voix haute dit alors « blanc ») ; « Dire quand seules les majuscules sont fausses » le dit à l&apos;enfant ; « Refuser une date illisible » garde une date mal tapée dans sa case avec un message au lieu de la remplacer. Une base de données créée par cette version a les trois activés ; une base d&apos;une version plus ancienne fonctionne comme avant jusqu&apos;à ce que vous les cochiez.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Lettermarch speaks your computer&apos;s language when it has a translation for it: English, German, French or Spanish. To choose another one, pick it under Options, General Defaults, Language (it is used from the next start), or start the program with --lang and a language code, for example --lang fr.</source>
        <translation>Lettermarch parle la langue de votre ordinateur s&apos;il en a une traduction : anglais, allemand, français ou espagnol. Pour en choisir une autre, sélectionnez-la dans Options, Général, Langue (elle s&apos;applique au prochain démarrage), ou lancez le programme avec --lang et un code de langue, par exemple --lang fr.</translation>
    </message>
    <message>
        <source>A list&apos;s words may be in another language, such as the French words a child learns at school. Choose the list&apos;s Language in the list editor: the computer voice then says its words, definitions and sentences with that language&apos;s sounds. Your recordings play as they are. An imported vocabulary file (.kvtml) gives a list without a language the one the file names.</source>
        <translation>Les mots d&apos;une liste peuvent être dans une autre langue, comme les mots d&apos;anglais qu&apos;un enfant apprend à l&apos;école. Choisissez la « Langue » de la liste dans l&apos;éditeur de listes : la voix de l&apos;ordinateur prononce alors ses mots, définitions et phrases avec les sons de cette langue. Vos enregistrements sont joués tels quels. Un fichier de vocabulaire importé (.kvtml) donne à une liste sans langue celle que le fichier indique.</translation>
    </message>
    <message>
        <source>The Voice page of Options lists the languages that have a voice. The flite voice speaks English only; the packages qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng add voices for German, French, Spanish and about a hundred other languages. A list in a language without a voice is said so once; the test goes on, and the words you recorded are still spoken.</source>
        <translation>La page « Voix » des Options indique les langues qui ont une voix. La voix flite ne parle qu&apos;anglais ; les paquets qt6-speech-speechd-plugin et speech-dispatcher-espeak-ng ajoutent des voix pour l&apos;allemand, le français, l&apos;espagnol et une centaine d&apos;autres langues. Pour une liste dans une langue sans voix, Lettermarch le dit une fois ; le test continue, et les mots que vous avez enregistrés sont toujours prononcés.</translation>
    </message>
</context>
<context>
    <name>Kvtml</name>
    <message>
        <source>This is not a vocabulary file: it is not readable XML (%1, line %2).</source>
        <translation>Ce n&apos;est pas un fichier de vocabulaire : ce n&apos;est pas du XML lisible (%1, ligne %2).</translation>
    </message>
    <message>
        <source>This is not a vocabulary file (KVTML): it has no kvtml element.</source>
        <translation>Ce n&apos;est pas un fichier de vocabulaire (KVTML) : il n&apos;a pas d&apos;élément kvtml.</translation>
    </message>
    <message>
        <source>This vocabulary file is in version %1 of the format; Lettermarch reads version 2, which KDE&apos;s vocabulary programs have written since 2008.</source>
        <translation>Ce fichier de vocabulaire est en version %1 du format ; Lettermarch lit la version 2, que les programmes de vocabulaire de KDE écrivent depuis 2008.</translation>
    </message>
    <message>
        <source>This vocabulary file is damaged: %1 (line %2).</source>
        <translation>Ce fichier de vocabulaire est endommagé : %1 (ligne %2).</translation>
    </message>
</context>
<context>
    <name>ListExport</name>
    <message>
        <source>Spelling words for %1</source>
        <translation>Mots de la dictée du %1</translation>
    </message>
    <message>
        <source>The list could not be saved as %1: %2</source>
        <translation>La liste n&apos;a pas pu être enregistrée sous %1 : %2</translation>
    </message>
    <message>
        <source>%1 is a link to somewhere else, so nothing was written. Choose another folder, or remove the link.</source>
        <translation>%1 est un lien vers un autre endroit : rien n&apos;a été écrit. Choisissez un autre dossier ou supprimez le lien.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The recording of &quot;%1&quot; could not be copied to %2.</source>
        <translation>L&apos;enregistrement de « %1 » n&apos;a pas pu être copié vers %2.</translation>
    </message>
</context>
<context>
    <name>ListFiles</name>
    <message>
        <source>Word lists (*.csv *.kvtml);;CSV files (*.csv);;KDE vocabulary files (*.kvtml);;All files (*)</source>
        <translation>Listes de mots (*.csv *.kvtml);;Fichiers CSV (*.csv);;Fichiers de vocabulaire KDE (*.kvtml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import Words</source>
        <translation>Importer des mots</translation>
    </message>
    <message>
        <source>

Nothing was imported.</source>
        <translation>

Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;KDE vocabulary files (*.kvtml)</source>
        <translation>Fichiers CSV (*.csv);;Fichiers de vocabulaire KDE (*.kvtml)</translation>
    </message>
    <message>
        <source>There is already a file %1. Replace it?</source>
        <translation>Il existe déjà un fichier %1. Le remplacer ?</translation>
    </message>
    <message>
        <source>The list was saved as %1.</source>
        <translation>La liste a été enregistrée sous %1.</translation>
    </message>
    <message>
        <source>Export with Recordings</source>
        <translation>Exporter avec les enregistrements</translation>
    </message>
    <message>
        <source>The folder %1 already holds an export of this list. Replace it?</source>
        <translation>Le dossier %1 contient déjà un export de cette liste. Le remplacer ?</translation>
    </message>
    <message>
        <source>The list and its recordings were saved in the folder %1.</source>
        <translation>La liste et ses enregistrements ont été enregistrés dans le dossier %1.</translation>
    </message>
    <message>
        <source>The list&apos;s language could not be saved: %1</source>
        <translation>La langue de la liste n&apos;a pas pu être enregistrée : %1</translation>
    </message>
</context>
<context>
    <name>ListLanguage</name>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>ListStore</name>
    <message>
        <source>word lists</source>
        <translation>listes de mots</translation>
    </message>
    <message>
        <source>words</source>
        <translation>mots</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>tests</translation>
    </message>
    <message>
        <source>Lettermarch cannot add any more %1 to this database: every number it can give them has been used.

Nothing was changed.</source>
        <translation>Lettermarch ne peut plus ajouter de %1 à cette base de données : tous les numéros qu&apos;il peut donner sont utilisés.

Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>MessageTimes</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Indefinately</source>
        <translation>Sans limite</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 secondes</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The print preview cannot be shown: Qt&apos;s printing library could not be loaded (Debian package libqt6printsupport6).</source>
        <translation>L&apos;aperçu avant impression ne peut pas être affiché : la bibliothèque d&apos;impression de Qt n&apos;a pas pu être chargée (paquet Debian libqt6printsupport6).</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF file cannot be written in the folder %1.</source>
        <translation>Le fichier PDF ne peut pas être écrit dans le dossier %1.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>Le fichier PDF %1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>nothing was made.</source>
        <translation>rien n&apos;a été créé.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Printouts</name>
    <message>
        <source>&lt;p&gt;Name: %1 &amp;nbsp;&amp;nbsp; Date: ______________&lt;/p&gt;</source>
        <translation>&lt;p&gt;Nom : %1 &amp;nbsp;&amp;nbsp; Date : ______________&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;i&gt;Meaning:&lt;/i&gt; </source>
        <translation>&lt;i&gt;Sens :&lt;/i&gt; </translation>
    </message>
    <message>
        <source>&lt;i&gt;Sentence:&lt;/i&gt; </source>
        <translation>&lt;i&gt;Phrase :&lt;/i&gt; </translation>
    </message>
    <message>
        <source>&lt;i&gt;Listen to the word.&lt;/i&gt;</source>
        <translation>&lt;i&gt;Écoute le mot.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;For &lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;Pour &lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source> &lt;i&gt;(capitals count)&lt;/i&gt;</source>
        <translation> &lt;i&gt;(attention aux majuscules)&lt;/i&gt;</translation>
    </message>
    <message>
        <source>: answers</source>
        <translation> : corrigé</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Child:&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Enfant :&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;List:&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Liste :&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutes :</translation>
    </message>
    <message>
        <source>Words on Test:</source>
        <translation>Mots du test :</translation>
    </message>
    <message>
        <source>First Try:</source>
        <translation>Du premier coup :</translation>
    </message>
    <message>
        <source>Moved on:</source>
        <translation>Passés :</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;h3&gt;Words&lt;/h3&gt;&lt;table width=&quot;100%&quot; border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;&lt;tr&gt;&lt;th align=&quot;left&quot;&gt;Word&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Result&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Typed&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;/table&gt;&lt;h3&gt;Mots&lt;/h3&gt;&lt;table width=&quot;100%&quot; border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;&lt;tr&gt;&lt;th align=&quot;left&quot;&gt;Mot&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Résultat&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Tapé&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Résultats du test</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>time of day</comment>
        <translation>HH:mm</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>The database is not open.</source>
        <translation>La base de données n&apos;est pas ouverte.</translation>
    </message>
</context>
<context>
    <name>QtVoice</name>
    <message>
        <source>The computer voice does not work on this computer.</source>
        <translation>La voix de l&apos;ordinateur ne fonctionne pas sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The computer voice has no voices installed.</source>
        <translation>Aucune voix n&apos;est installée pour la voix de l&apos;ordinateur.</translation>
    </message>
</context>
<context>
    <name>RecordingFiles</name>
    <message>
        <source>The recording %1 is too long to play: a word&apos;s recording may last up to %2 minutes.</source>
        <translation>L&apos;enregistrement %1 est trop long pour être joué : l&apos;enregistrement d&apos;un mot peut durer au plus %2 minutes.</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>It is not a file.</source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The file is empty (0 bytes), so it holds no word lists. It may be left over from a copy that did not finish.</source>
        <translation>Le fichier est vide (0 octet) et ne contient aucune liste de mots. Il reste peut-être d&apos;une copie qui ne s&apos;est pas terminée.</translation>
    </message>
    <message>
        <source>The file is not a Lettermarch database. It may be damaged, or it may belong to another program.</source>
        <translation>Le fichier n&apos;est pas une base de données Lettermarch. Il est peut-être endommagé, ou il appartient à un autre programme.</translation>
    </message>
    <message>
        <source>The file is damaged: it is shorter than the database it holds says it should be, so part of it is missing.</source>
        <translation>Le fichier est endommagé : il est plus court que ce qu&apos;indique la base de données qu&apos;il contient ; une partie manque.</translation>
    </message>
    <message>
        <source>The file cannot be changed (it is read-only, or you lack permission to write it).</source>
        <translation>Le fichier ne peut pas être modifié (il est en lecture seule, ou vous n&apos;avez pas le droit d&apos;y écrire).</translation>
    </message>
    <message>
        <source>The file is in use by another program.</source>
        <translation>Le fichier est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>The file is not a Lettermarch database, or it is damaged (%1).</source>
        <translation>Le fichier n&apos;est pas une base de données Lettermarch, ou il est endommagé (%1).</translation>
    </message>
    <message>
        <source>The file is damaged (%1).</source>
        <translation>Le fichier est endommagé (%1).</translation>
    </message>
    <message>
        <source>The file is damaged. The database&apos;s own check found:
%1</source>
        <translation>Le fichier est endommagé. La vérification de la base de données a trouvé :
%1</translation>
    </message>
    <message>
        <source>The file is in use by another program (%1).</source>
        <translation>Le fichier est utilisé par un autre programme (%1).</translation>
    </message>
    <message>
        <source>The file cannot be changed (%1).</source>
        <translation>Le fichier ne peut pas être modifié (%1).</translation>
    </message>
    <message>
        <source>The table %1 has no column %2, so this is not a database Lettermarch can use.</source>
        <translation>La table %1 n&apos;a pas de colonne %2 : Lettermarch ne peut pas utiliser cette base de données.</translation>
    </message>
    <message>
        <source>The database could not be prepared (%1).</source>
        <translation>La base de données n&apos;a pas pu être préparée (%1).</translation>
    </message>
    <message>
        <source>The database could not be created (%1).</source>
        <translation>La base de données n&apos;a pas pu être créée (%1).</translation>
    </message>
</context>
<context>
    <name>ScoreChartView</name>
    <message>
        <source>Score (%)</source>
        <translation>Score (%)</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Juste du premier coup</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Not correct after %1 attempts</source>
        <translation>Pas juste après %1 essais</translation>
    </message>
    <message>
        <source>Correct on the first attempt</source>
        <translation>Juste au premier essai</translation>
    </message>
    <message>
        <source>Correct on 2nd attempt</source>
        <translation>Juste au 2e essai</translation>
    </message>
    <message>
        <source>Correct after %1 incorrect attempts</source>
        <translation>Juste après %1 essais faux</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>not correct after %1 attempts</source>
        <translation>pas juste après %1 essais</translation>
    </message>
    <message>
        <source>correct on the first attempt</source>
        <translation>juste au premier essai</translation>
    </message>
    <message>
        <source>correct on 2nd attempt</source>
        <translation>juste au 2e essai</translation>
    </message>
    <message>
        <source>correct after %1 incorrect attempts</source>
        <translation>juste après %1 essais faux</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Lettermarch cannot create its data folder:

%1

Lettermarch will now close.</source>
        <translation>Lettermarch ne peut pas créer son dossier de données :

%1

Lettermarch va se fermer.</translation>
    </message>
    <message>
        <source>Lettermarch cannot use its database file:

%1

%2

The file has been left exactly as it was. Lettermarch will now close.</source>
        <translation>Lettermarch ne peut pas utiliser son fichier de base de données :

%1

%2

Le fichier est resté exactement tel qu&apos;il était. Lettermarch va se fermer.</translation>
    </message>
    <message>
        <source>Lettermarch starts with the children it could find.

</source>
        <translation>Lettermarch démarre avec les enfants qu&apos;il a pu trouver.

</translation>
    </message>
    <message>
        <source>Choose a list first.</source>
        <translation>Choisissez d&apos;abord une liste.</translation>
    </message>
    <message>
        <source>Copy the List</source>
        <translation>Copier la liste</translation>
    </message>
    <message>
        <source>Give a copy of this list, with its recordings, to:</source>
        <translation>Donner une copie de cette liste, avec ses enregistrements, à :</translation>
    </message>
    <message>
        <source>%1&apos;s lists are open in another copy of Lettermarch. Close it first.</source>
        <translation>Les listes de %1 sont ouvertes dans une autre fenêtre de Lettermarch. Fermez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>%1&apos;s lists cannot be opened:

%2

Nothing was copied.</source>
        <translation>Les listes de %1 ne peuvent pas être ouvertes :

%2

Rien n&apos;a été copié.</translation>
    </message>
    <message>
        <source>%1 already has a list for %2 with this name. Copy it as one more list?</source>
        <translation>%1 a déjà une liste pour le %2 avec ce nom. La copier comme une liste de plus ?</translation>
    </message>
    <message>
        <source>Nothing was copied: %1</source>
        <translation>Rien n&apos;a été copié : %1</translation>
    </message>
    <message>
        <source>%1 already has a recording of &quot;%2&quot;. Replace it with this list&apos;s?</source>
        <translation>%1 a déjà un enregistrement de « %2 ». Le remplacer par celui de cette liste ?</translation>
    </message>
    <message>
        <source>The list was copied to %1&apos;s lists.</source>
        <translation>La liste a été copiée dans les listes de %1.</translation>
    </message>
    <message>
        <source>The list was copied to %1&apos;s lists, but the recordings of these words could not be: %2</source>
        <translation>La liste a été copiée dans les listes de %1, mais pas les enregistrements de ces mots : %2</translation>
    </message>
    <message>
        <source>Too many wrong PINs. Try again in %1 seconds.</source>
        <translation>Trop de codes faux. Réessayez dans %1 secondes.</translation>
    </message>
    <message>
        <source>That is not the parent&apos;s PIN. After five wrong PINs, the next try waits 30 seconds.</source>
        <translation>Ce n&apos;est pas le code des parents. Après cinq codes faux, il faut attendre 30 secondes.</translation>
    </message>
    <message>
        <source>That is not the parent&apos;s PIN.</source>
        <translation>Ce n&apos;est pas le code des parents.</translation>
    </message>
    <message>
        <source>The lock could not be saved, so it is as it was:

%1</source>
        <translation>Le verrou n&apos;a pas pu être enregistré ; il reste tel qu&apos;il était :

%1</translation>
    </message>
    <message>
        <source>The parent&apos;s lock is on.</source>
        <translation>Le verrou parental est activé.</translation>
    </message>
    <message>
        <source>The parent&apos;s lock is off.</source>
        <translation>Le verrou parental est désactivé.</translation>
    </message>
    <message>
        <source>The test settings could not be given to the new child: %1</source>
        <translation>Les réglages des tests n&apos;ont pas pu être donnés au nouvel enfant : %1</translation>
    </message>
    <message>
        <source>Open %1&apos;s lists now?</source>
        <translation>Ouvrir maintenant les listes de %1 ?</translation>
    </message>
    <message>
        <source>Lettermarch is already open.

Please use the Lettermarch window that is already open. If you cannot find it, look for it on the taskbar.</source>
        <translation>Lettermarch est déjà ouvert.

Utilisez la fenêtre de Lettermarch déjà ouverte. Si vous ne la trouvez pas, cherchez-la dans la barre des tâches.</translation>
    </message>
    <message>
        <source>

Two copies of Lettermarch using one folder at the same time can lose answers and words. Go on only if no other copy of Lettermarch, on this computer or any other, is using this folder.

Go on?</source>
        <translation>

Deux Lettermarch qui utilisent le même dossier en même temps peuvent perdre des réponses et des mots. Ne continuez que si aucun autre Lettermarch, sur cet ordinateur ou un autre, n&apos;utilise ce dossier.

Continuer ?</translation>
    </message>
    <message>
        <source>Your lists as they are now could not be kept as a backup, so nothing was restored.</source>
        <translation>Vos listes telles qu&apos;elles sont n&apos;ont pas pu être sauvegardées : rien n&apos;a été restauré.</translation>
    </message>
    <message>
        <source>The restored database cannot be used:

%1

Your lists as they were have been put back.</source>
        <translation>La base de données restaurée ne peut pas être utilisée :

%1

Vos listes ont été remises telles qu&apos;elles étaient.</translation>
    </message>
    <message>
        <source>The database cannot be used:

%1

Lettermarch will now close.</source>
        <translation>La base de données ne peut pas être utilisée :

%1

Lettermarch va se fermer.</translation>
    </message>
    <message>
        <source>

Your lists are as they were.</source>
        <translation>

Vos listes sont restées telles quelles.</translation>
    </message>
    <message>
        <source>A word list is open for editing or testing. Please close it first.</source>
        <translation>Une liste de mots est ouverte pour être modifiée ou testée. Fermez-la d&apos;abord.</translation>
    </message>
</context>
<context>
    <name>SqlErrors</name>
    <message>
        <source>unknown database error</source>
        <translation>erreur inconnue de la base de données</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The folder that holds the file cannot be written to, so changes could not be saved safely.</source>
        <translation>Le dossier du fichier n&apos;est pas accessible en écriture : les modifications n&apos;ont pas pu être enregistrées sans risque.</translation>
    </message>
    <message>
        <source>The file is missing and the folder does not allow a new one to be created.</source>
        <translation>Le fichier manque et le dossier ne permet pas d&apos;en créer un nouveau.</translation>
    </message>
    <message>
        <source>The database could not be opened: %1</source>
        <translation>La base de données n&apos;a pas pu être ouverte : %1</translation>
    </message>
</context>
<context>
    <name>StoreDates</name>
    <message>
        <source>d</source>
        <comment>day in a date form</comment>
        <translation>j</translation>
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
        <translation>illisible</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
</context>
<context>
    <name>TestDefaultsControls</name>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Pronounce</source>
        <translation>Prononcer</translation>
    </message>
    <message>
        <source>The word will be pronounced during this test</source>
        <translation>Le mot sera prononcé pendant ce test</translation>
    </message>
    <message>
        <source>The word will be pronounced during practice tests</source>
        <translation>Le mot sera prononcé pendant les tests d&apos;entraînement</translation>
    </message>
    <message>
        <source>Show Definition</source>
        <translation>Afficher le sens</translation>
    </message>
    <message>
        <source>The definition will be displayed during this test</source>
        <translation>Le sens sera affiché pendant ce test</translation>
    </message>
    <message>
        <source>The definition will be displayed during practice tests</source>
        <translation>Le sens sera affiché pendant les tests d&apos;entraînement</translation>
    </message>
    <message>
        <source>Show Context Sentence</source>
        <translation>Afficher la phrase d&apos;exemple</translation>
    </message>
    <message>
        <source>The context sentence will be show during this test</source>
        <translation>La phrase d&apos;exemple sera affichée pendant ce test</translation>
    </message>
    <message>
        <source>The context sentence will be show during practice tests</source>
        <translation>La phrase d&apos;exemple sera affichée pendant les tests d&apos;entraînement</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabétique</translation>
    </message>
    <message>
        <source>Order Created</source>
        <translation>Ordre de saisie</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>The order that the words will appear on this test</source>
        <translation>L&apos;ordre des mots dans ce test</translation>
    </message>
    <message>
        <source>The order that the words will appear on practice tests</source>
        <translation>L&apos;ordre des mots dans les tests d&apos;entraînement</translation>
    </message>
    <message>
        <source>Word Order</source>
        <translation>Ordre des mots</translation>
    </message>
    <message>
        <source>Incorrect Answer Behavior</source>
        <translation>En cas de réponse fausse</translation>
    </message>
    <message>
        <source>The number of chances given to spell a word correctly before moving on to the next word</source>
        <translation>Le nombre d&apos;essais pour bien écrire un mot avant de passer au suivant</translation>
    </message>
    <message>
        <source>Go to the next word after</source>
        <translation>Passer au mot suivant après</translation>
    </message>
    <message>
        <source>incorrect answers</source>
        <translation>réponses fausses</translation>
    </message>
    <message>
        <source>Reveal answers before moving on</source>
        <translation>Montrer la réponse avant de passer au mot suivant</translation>
    </message>
    <message>
        <source>Show the correct answer if the word is not spelled correctly after the specified number of chances</source>
        <translation>Montrer la bonne réponse si le mot n&apos;est pas bien écrit après le nombre d&apos;essais choisi</translation>
    </message>
    <message>
        <source>Require the student to type the correct answer after it is revealed</source>
        <translation>L&apos;enfant doit recopier la réponse montrée</translation>
    </message>
    <message>
        <source>Require the student to correctly spell the word after it is show</source>
        <translation>L&apos;enfant doit écrire le mot correctement après l&apos;avoir vu</translation>
    </message>
    <message>
        <source>Clear Incorrect Answers</source>
        <translation>Effacer les réponses fausses</translation>
    </message>
    <message>
        <source>Clear the entire mispelled when an answer is incorrect</source>
        <translation>Un mot mal écrit est entièrement effacé</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Play Sound After Correct Answers</source>
        <translation>Son après une bonne réponse</translation>
    </message>
    <message>
        <source>Play a notification sound when a word is spelled correctly</source>
        <translation>Jouer un son quand un mot est bien écrit</translation>
    </message>
    <message>
        <source>Play Sound After Incorrect Answers</source>
        <translation>Son après une réponse fausse</translation>
    </message>
    <message>
        <source>Play a notification sound when a word is spelled incorrectly</source>
        <translation>Jouer un son quand un mot est mal écrit</translation>
    </message>
    <message>
        <source>

    1. Pronounce
    2. Definition
    3. Context Sentence</source>
        <translation>

    1. Prononcer
    2. Sens
    3. Phrase d&apos;exemple</translation>
    </message>
</context>
<context>
    <name>TestSession</name>
    <message>
        <source>Check the capital letters</source>
        <translation>Attention aux majuscules</translation>
    </message>
    <message>
        <source>Another program is using Lettermarch&apos;s database file, so your answer could not be saved yet.

It is kept, and it will be saved as soon as the file is free. You can go on with the test.</source>
        <translation>Un autre programme utilise le fichier de base de données de Lettermarch : ta réponse n&apos;a pas encore pu être enregistrée.

Elle est gardée et sera enregistrée dès que le fichier sera libre. Tu peux continuer le test.</translation>
    </message>
    <message>
        <source>Another program is still using Lettermarch&apos;s database file, so this test could not be saved yet.

Nothing you typed is lost. Click OK to try again.</source>
        <translation>Un autre programme utilise encore le fichier de base de données de Lettermarch : ce test n&apos;a pas encore pu être enregistré.

Rien de ce que tu as tapé n&apos;est perdu. Clique sur OK pour réessayer.</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Essaie encore</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>blanc</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>No computer voice is installed on this computer. To add one, install the package qt6-speech-flite-plugin (for example with: sudo apt install qt6-speech-flite-plugin).</source>
        <translation>Aucune voix d&apos;ordinateur n&apos;est installée sur cet ordinateur. Pour en ajouter une, installez le paquet qt6-speech-flite-plugin (par exemple avec : sudo apt install qt6-speech-flite-plugin).</translation>
    </message>
</context>
<context>
    <name>VoiceOptions</name>
    <message>
        <source>The computer voice cannot speak %1 on this computer. Voices for many languages come with the packages qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng.</source>
        <translation>La voix de l&apos;ordinateur ne sait pas parler %1 sur cet ordinateur. Les paquets qt6-speech-speechd-plugin et speech-dispatcher-espeak-ng apportent des voix pour de nombreuses langues.</translation>
    </message>
</context>
<context>
    <name>WeekDates</name>
    <message>
        <source>Today is %1 %2</source>
        <translation>Nous sommes le %1 %2</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>The disk may be full.</source>
        <translation>Le disque est peut-être plein.</translation>
    </message>
</context>
<context>
    <name>WordEntry</name>
    <message>
        <source>its recording is not there</source>
        <translation>son enregistrement est absent</translation>
    </message>
    <message>
        <source>its recording lies outside the imported file&apos;s folder</source>
        <translation>son enregistrement se trouve hors du dossier du fichier importé</translation>
    </message>
    <message>
        <source>its recording cannot be read</source>
        <translation>son enregistrement ne peut pas être lu</translation>
    </message>
    <message>
        <source>its recording is not a file</source>
        <translation>son enregistrement n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>its recording is larger than %1 MB</source>
        <translation>son enregistrement dépasse %1 Mo</translation>
    </message>
    <message>
        <source>its recording is not a wave file</source>
        <translation>son enregistrement n&apos;est pas un fichier WAV</translation>
    </message>
    <message>
        <source>its recording lasts longer than %1 minutes</source>
        <translation>son enregistrement dure plus de %1 minutes</translation>
    </message>
</context>
<context>
    <name>WordImport</name>
    <message>
        <source>no word</source>
        <translation>pas de mot</translation>
    </message>
    <message>
        <source>has characters that cannot be typed</source>
        <translation>contient des caractères impossibles à taper</translation>
    </message>
    <message>
        <source>is longer than the word editor takes</source>
        <translation>est plus long que ce que l&apos;éditeur de mots accepte</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>déjà dans la liste</translation>
    </message>
    <message>
        <source>appears twice</source>
        <translation>apparaît deux fois</translation>
    </message>
    <message>
        <source>recording left out: %1</source>
        <translation>enregistrement laissé de côté : %1</translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>Ce n&apos;est pas un fichier texte.</translation>
    </message>
    <message>
        <source>The file is not in the UTF-8 encoding. Save it as &quot;CSV UTF-8&quot; (or as Unicode text) in the program that made it, then import it again.</source>
        <translation>Le fichier n&apos;est pas encodé en UTF-8. Enregistrez-le en « CSV UTF-8 » (ou en texte Unicode) dans le programme qui l&apos;a créé, puis importez-le de nouveau.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Il n&apos;y a pas de fichier %1.</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a word list (%2 MB).</source>
        <translation>Le fichier %1 est trop grand pour être une liste de mots (%2 Mo).</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>The file %1 holds no words.</source>
        <translation>Le fichier %1 ne contient aucun mot.</translation>
    </message>
    <message>
        <source>The file %1 holds more than %2 words; a word list in Lettermarch holds at most %2.</source>
        <translation>Le fichier %1 contient plus de %2 mots ; une liste de Lettermarch en contient au plus %2.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>The Lettermarch Project</source>
        <translation>Le projet Lettermarch</translation>
    </message>
    <message>
        <source>Program Title:</source>
        <translation>Programme :</translation>
    </message>
    <message>
        <source>Virtual Version:</source>
        <translation>Version virtuelle :</translation>
    </message>
    <message>
        <source>Hard Version:</source>
        <translation>Version fixe :</translation>
    </message>
    <message>
        <source>Questions, Comments, Tech Support:</source>
        <translation>Questions, remarques, aide :</translation>
    </message>
    <message>
        <source>On the web:</source>
        <translation>Sur le web :</translation>
    </message>
    <message>
        <source>Your lists are kept in:</source>
        <translation>Vos listes sont gardées dans :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About </source>
        <translation>À propos de </translation>
    </message>
    <message>
        <source>%1&apos;s lists are kept in:</source>
        <translation>Les listes de %1 sont gardées dans :</translation>
    </message>
</context>
<context>
    <name>frmAddChild</name>
    <message>
        <source>Add a Child</source>
        <translation>Ajouter un enfant</translation>
    </message>
    <message>
        <source>Name of the child who uses Lettermarch &amp;now</source>
        <translation>Prénom de l&apos;enfant qui utilise Lettermarch &amp;maintenant</translation>
    </message>
    <message>
        <source>Name of the &amp;new child</source>
        <translation>Prénom du &amp;nouvel enfant</translation>
    </message>
    <message>
        <source>&amp;Same test settings as the child practising now</source>
        <translation>&amp;Mêmes réglages des tests que l&apos;enfant qui s&apos;entraîne maintenant</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add this child</source>
        <translation>Ajouter cet enfant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Do not add a child</source>
        <translation>Ne pas ajouter d&apos;enfant</translation>
    </message>
    <message>
        <source>The list of children could not be saved:

%1

%2 will be offered again at the next start, from the folder made for them.</source>
        <translation>La liste des enfants n&apos;a pas pu être enregistrée :

%1

%2 sera de nouveau proposé au prochain démarrage, depuis le dossier créé pour l&apos;enfant.</translation>
    </message>
</context>
<context>
    <name>frmAskPin</name>
    <message>
        <source>Parent&apos;s Lock</source>
        <translation>Verrou parental</translation>
    </message>
    <message>
        <source>This window is for parents. Type the parent&apos;s &amp;PIN:</source>
        <translation>Cette fenêtre est réservée aux parents. Tapez le &amp;code des parents :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmChooseChild</name>
    <message>
        <source>Who is practising?</source>
        <translation>Qui s&apos;entraîne ?</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>C&apos;est parti</translation>
    </message>
    <message>
        <source>Open the chosen child&apos;s lists</source>
        <translation>Ouvrir les listes de l&apos;enfant choisi</translation>
    </message>
    <message>
        <source>Add Child...</source>
        <translation>Ajouter un enfant...</translation>
    </message>
    <message>
        <source>Add a child, with lists and tests of their own</source>
        <translation>Ajouter un enfant, avec ses propres listes et tests</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Change the chosen child&apos;s name</source>
        <translation>Changer le prénom de l&apos;enfant choisi</translation>
    </message>
    <message>
        <source>Remove...</source>
        <translation>Retirer...</translation>
    </message>
    <message>
        <source>Put the chosen child&apos;s lists aside in the Removed folder</source>
        <translation>Mettre les listes de l&apos;enfant choisi de côté dans le dossier Removed</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exit Lettermarch</source>
        <translation>Quitter Lettermarch</translation>
    </message>
    <message>
        <source>Stay with the lists open now</source>
        <translation>Rester sur les listes ouvertes</translation>
    </message>
    <message>
        <source>The list of children could not be saved:

%1</source>
        <translation>La liste des enfants n&apos;a pas pu être enregistrée :

%1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau prénom :</translation>
    </message>
    <message>
        <source>Remove %1 from Lettermarch?

%1&apos;s lists, tests and recordings are put aside in the Removed folder, not deleted.</source>
        <translation>Retirer %1 de Lettermarch ?

Les listes, tests et enregistrements de %1 sont mis de côté dans le dossier Removed, pas supprimés.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation>Voulez-vous vraiment retirer %1 ?</translation>
    </message>
    <message>
        <source>(no name yet)</source>
        <translation>(pas encore de prénom)</translation>
    </message>
</context>
<context>
    <name>frmChooseWords</name>
    <message>
        <source>Practise Missed Words</source>
        <translation>Revoir les mots ratés</translation>
    </message>
    <message>
        <source>Tick &amp;All</source>
        <translation>Tout &amp;cocher</translation>
    </message>
    <message>
        <source>Tick &amp;None</source>
        <translation>Tout &amp;décocher</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;S&apos;entraîner</translation>
    </message>
    <message>
        <source>Start a test of the ticked words</source>
        <translation>Commencer un test avec les mots cochés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmDeleteOldList</name>
    <message>
        <source>Delete Old List...</source>
        <translation>Supprimer une ancienne liste...</translation>
    </message>
    <message>
        <source>It is now past the scheduled test date of this word list.  Would you like to delete this list?</source>
        <translation>La date de la dictée de cette liste est passée. Voulez-vous supprimer cette liste ?</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Créée le :</translation>
    </message>
    <message>
        <source>Test Date:</source>
        <translation>Date du test :</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Mots :</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete this list</source>
        <translation>Supprimer cette liste</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Does not delete this list, and you won&apos;t be prompted to delete this list again</source>
        <translation>Ne supprime pas cette liste, et la question ne sera plus posée</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Do not delete this list</source>
        <translation>Ne pas supprimer cette liste</translation>
    </message>
    <message>
        <source>List Deleted</source>
        <translation>Liste supprimée</translation>
    </message>
    <message>
        <source>List Ignored</source>
        <translation>Liste ignorée</translation>
    </message>
    <message>
        <source>You will not be prompted to delete this list again.</source>
        <translation>La question de supprimer cette liste ne sera plus posée.</translation>
    </message>
</context>
<context>
    <name>frmEditList</name>
    <message>
        <source>Edit Word List</source>
        <translation>Modifier la liste de mots</translation>
    </message>
    <message>
        <source>Word Details</source>
        <translation>Détails du mot</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Context Sentence</source>
        <translation>Phrase d&apos;exemple</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Majuscules comptées</translation>
    </message>
    <message>
        <source>Pronounce</source>
        <translation>Prononcer</translation>
    </message>
    <message>
        <source>Hear the current recording</source>
        <translation>Écouter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Test Totals</source>
        <translation>Bilan des tests</translation>
    </message>
    <message>
        <source>Total Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Correct on first attempt</source>
        <translation>Juste au premier essai</translation>
    </message>
    <message>
        <source>Incorrect Guesses</source>
        <translation>Essais faux</translation>
    </message>
    <message>
        <source>The number of times this word has appeared on a Lettermarch test</source>
        <translation>Le nombre de fois où ce mot est apparu dans un test Lettermarch</translation>
    </message>
    <message>
        <source>The number of times this word was spelled correctly on the first attempt on a test</source>
        <translation>Le nombre de fois où ce mot a été bien écrit au premier essai d&apos;un test</translation>
    </message>
    <message>
        <source>The number of times this word has been misspelled on a test</source>
        <translation>Le nombre de fois où ce mot a été mal écrit dans un test</translation>
    </message>
    <message>
        <source>Add a word</source>
        <translation>Ajouter un mot</translation>
    </message>
    <message>
        <source>Add a word to this list</source>
        <translation>Ajouter un mot à cette liste</translation>
    </message>
    <message>
        <source>Edit a word</source>
        <translation>Modifier un mot</translation>
    </message>
    <message>
        <source>Make changes to the definition, the context sentence, or pronounciation</source>
        <translation>Modifier le sens, la phrase d&apos;exemple ou la prononciation</translation>
    </message>
    <message>
        <source>Delete a word</source>
        <translation>Supprimer un mot</translation>
    </message>
    <message>
        <source>Delete the selected word from this list</source>
        <translation>Supprimer de cette liste le mot choisi</translation>
    </message>
    <message>
        <source>Paste words...</source>
        <translation>Coller des mots...</translation>
    </message>
    <message>
        <source>Add many words at once, pasted from a document or a spreadsheet</source>
        <translation>Ajouter beaucoup de mots d&apos;un coup, collés depuis un document ou un tableur</translation>
    </message>
    <message>
        <source>optional, e.g. Week 12</source>
        <translation>facultatif, p. ex. Semaine 12</translation>
    </message>
    <message>
        <source>A name that tells this list apart from others</source>
        <translation>Un nom qui distingue cette liste des autres</translation>
    </message>
    <message>
        <source>List &amp;name</source>
        <translation>&amp;Nom de la liste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Word...</source>
        <translation>&amp;Nouveau mot...</translation>
    </message>
    <message>
        <source>&amp;Paste Words...</source>
        <translation>&amp;Coller des mots...</translation>
    </message>
    <message>
        <source>&amp;Import Words...</source>
        <translation>&amp;Importer des mots...</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>&amp;Exporter la liste...</translation>
    </message>
    <message>
        <source>Export with &amp;Recordings...</source>
        <translation>Exporter avec les en&amp;registrements...</translation>
    </message>
    <message>
        <source>P&amp;rint a Paper Test...</source>
        <translation>Im&amp;primer un test papier...</translation>
    </message>
    <message>
        <source>&amp;Copy to Another Child...</source>
        <translation>Copier pour un &amp;autre enfant...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>The name could not be saved: %1</source>
        <translation>Le nom n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>Delete </source>
        <translation>Supprimer : </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>The language of this list&apos;s words: the computer voice speaks them in it</source>
        <translation>La langue des mots de cette liste : la voix de l&apos;ordinateur les prononce dans cette langue</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The program&apos;s language (%1)</source>
        <translation>Langue du programme (%1)</translation>
    </message>
    <message>
        <source>%1 (no voice)</source>
        <translation>%1 (pas de voix)</translation>
    </message>
    <message>
        <source>The language could not be saved: %1</source>
        <translation>La langue n&apos;a pas pu être enregistrée : %1</translation>
    </message>
</context>
<context>
    <name>frmEditWord</name>
    <message>
        <source>New Word</source>
        <translation>Nouveau mot</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Word</source>
        <translation>&amp;Mot</translation>
    </message>
    <message>
        <source>&amp;Definition</source>
        <translation>&amp;Sens</translation>
    </message>
    <message>
        <source>Context &amp;Sentence</source>
        <translation>&amp;Phrase d&apos;exemple</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Majuscules comptées</translation>
    </message>
    <message>
        <source>Pronounciation</source>
        <translation>Prononciation</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Record the pronounciation</source>
        <translation>Enregistrer la prononciation</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Hear the current recording</source>
        <translation>Écouter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear the current recording</source>
        <translation>Effacer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save this word</source>
        <translation>Enregistrer ce mot</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Do not save changes</source>
        <translation>Ne pas enregistrer les modifications</translation>
    </message>
    <message>
        <source>Edit Word </source>
        <translation>Modifier le mot : </translation>
    </message>
    <message>
        <source>Can not save a blank word.  Please type the word in the box provided.</source>
        <translation>Impossible d&apos;enregistrer un mot vide. Tapez le mot dans la case prévue.</translation>
    </message>
    <message>
        <source>At least one of the following items must be provided:
   1. A Definition
   2. A Context Sentence
or 3. A Recording of the word</source>
        <translation>Il faut au moins un de ces éléments :
   1. Un sens
   2. Une phrase d&apos;exemple
ou 3. Un enregistrement du mot</translation>
    </message>
    <message>
        <source>The word was saved, but its recording could not be stored in the folder
%1</source>
        <translation>Le mot a été enregistré, mais son enregistrement n&apos;a pas pu être rangé dans le dossier
%1</translation>
    </message>
    <message>
        <source>Word Saved</source>
        <translation>Mot enregistré</translation>
    </message>
    <message>
        <source>In a test the word is spoken from this recording.</source>
        <translation>Pendant un test, le mot est prononcé avec cet enregistrement.</translation>
    </message>
    <message>
        <source>Without a recording, the computer voice speaks the word.</source>
        <translation>Sans enregistrement, la voix de l&apos;ordinateur prononce le mot.</translation>
    </message>
    <message>
        <source>Without a recording, the word is not spoken in a test.</source>
        <translation>Sans enregistrement, le mot n&apos;est pas prononcé pendant un test.</translation>
    </message>
    <message>
        <source>Case sensitive indicates that the word must be typed exactly as it appears to be counted as correct</source>
        <translation>Majuscules comptées : le mot n&apos;est juste que s&apos;il est tapé exactement comme il est écrit, majuscules comprises</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Help Topic:</source>
        <translation>Sujet :</translation>
    </message>
</context>
<context>
    <name>frmLists</name>
    <message>
        <source>Existing Word Lists</source>
        <translation>Listes de mots</translation>
    </message>
    <message>
        <source>New List</source>
        <translation>Nouvelle liste</translation>
    </message>
    <message>
        <source>Create a new word list</source>
        <translation>Créer une nouvelle liste de mots</translation>
    </message>
    <message>
        <source>Edit List</source>
        <translation>Modifier la liste</translation>
    </message>
    <message>
        <source>Edit an existing word list</source>
        <translation>Modifier une liste de mots existante</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Start a practice test</source>
        <translation>Commencer un test d&apos;entraînement</translation>
    </message>
    <message>
        <source>Past Tests</source>
        <translation>Tests passés</translation>
    </message>
    <message>
        <source>View details of previous tests</source>
        <translation>Voir le détail des tests précédents</translation>
    </message>
    <message>
        <source>Delete List</source>
        <translation>Supprimer la liste</translation>
    </message>
    <message>
        <source>Delete the selected word list</source>
        <translation>Supprimer la liste de mots choisie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Change configurations, settings, and defaults</source>
        <translation>Changer les réglages</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit Lettermarch</source>
        <translation>Quitter Lettermarch</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listes</translation>
    </message>
    <message>
        <source>&amp;New List</source>
        <translation>&amp;Nouvelle liste</translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation>&amp;Modifier la liste</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Past Tests</source>
        <translation>Tests &amp;passés</translation>
    </message>
    <message>
        <source>&amp;Delete List</source>
        <translation>&amp;Supprimer la liste</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Trouble Words...</source>
        <translation>Mots &amp;difficiles...</translation>
    </message>
    <message>
        <source>&amp;Import a List...</source>
        <translation>&amp;Importer une liste...</translation>
    </message>
    <message>
        <source>&amp;Export the List...</source>
        <translation>&amp;Exporter la liste...</translation>
    </message>
    <message>
        <source>&amp;Print a Paper Test...</source>
        <translation>Im&amp;primer un test papier...</translation>
    </message>
    <message>
        <source>&amp;Restore a Backup...</source>
        <translation>&amp;Restaurer une sauvegarde...</translation>
    </message>
    <message>
        <source>&amp;Copy the List to Another Child...</source>
        <translation>&amp;Copier la liste pour un autre enfant...</translation>
    </message>
    <message>
        <source>S&amp;witch Child...</source>
        <translation>C&amp;hanger d&apos;enfant...</translation>
    </message>
    <message>
        <source>A&amp;dd a Child...</source>
        <translation>&amp;Ajouter un enfant...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Lettermarch</translation>
    </message>
    <message>
        <source>School Test Date</source>
        <translation>Date de la dictée</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Please select a list to edit.</source>
        <translation>Choisissez une liste à modifier.</translation>
    </message>
    <message>
        <source>Please select a list to test.</source>
        <translation>Choisissez une liste pour le test.</translation>
    </message>
    <message>
        <source>Please select a list.</source>
        <translation>Choisissez une liste.</translation>
    </message>
    <message>
        <source>Please select a list to delete.</source>
        <translation>Choisissez la liste à supprimer.</translation>
    </message>
    <message>
        <source>Do you want to delete this list and all of it&apos;s words?</source>
        <translation>Voulez-vous supprimer cette liste et tous ses mots ?</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>Message...</source>
        <translation>Message...</translation>
    </message>
</context>
<context>
    <name>frmNewList</name>
    <message>
        <source>New Word List</source>
        <translation>Nouvelle liste de mots</translation>
    </message>
    <message>
        <source>Start of week</source>
        <translation>Début de la semaine</translation>
    </message>
    <message>
        <source>End of week</source>
        <translation>Fin de la semaine</translation>
    </message>
    <message>
        <source>Date of test</source>
        <translation>Date du test</translation>
    </message>
    <message>
        <source>A name that tells this list apart from others, such as Week 12</source>
        <translation>Un nom qui distingue cette liste des autres, par exemple Semaine 12</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Create a new word list</source>
        <translation>Créer une nouvelle liste de mots</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Do not create a new list</source>
        <translation>Ne pas créer de nouvelle liste</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date Lettermarch can read (%2).

Type the date as %3, for example %4.</source>
        <translation>« %1 » n&apos;est pas une date que Lettermarch sait lire (%2).

Tapez la date sous la forme %3, par exemple %4.</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facultatif</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save Settings</source>
        <translation>&amp;Enregistrer les réglages</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Skip Individual Test Setup</source>
        <translation>Ne pas montrer les réglages avant chaque test</translation>
    </message>
    <message>
        <source>Always use these defaults when starting a practice test</source>
        <translation>Toujours utiliser ces réglages pour les tests d&apos;entraînement</translation>
    </message>
    <message>
        <source>Test Defaults</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Sundays</source>
        <translation>Le dimanche</translation>
    </message>
    <message>
        <source>Mondays</source>
        <translation>Le lundi</translation>
    </message>
    <message>
        <source>Tuesdays</source>
        <translation>Le mardi</translation>
    </message>
    <message>
        <source>Wednesdays</source>
        <translation>Le mercredi</translation>
    </message>
    <message>
        <source>Thursdays</source>
        <translation>Le jeudi</translation>
    </message>
    <message>
        <source>Fridays</source>
        <translation>Le vendredi</translation>
    </message>
    <message>
        <source>Saturdays</source>
        <translation>Le samedi</translation>
    </message>
    <message>
        <source>The day of the week that the student normally has spelling tests at school</source>
        <translation>Le jour de la semaine où l&apos;enfant a d&apos;habitude sa dictée à l&apos;école</translation>
    </message>
    <message>
        <source>School tests are normally on</source>
        <translation>La dictée à l&apos;école a lieu</translation>
    </message>
    <message>
        <source>Prompt me to delete word lists after thier test dates</source>
        <translation>Proposer de supprimer les listes après la date de leur dictée</translation>
    </message>
    <message>
        <source>Alerts you when lists are past thier scheduled school test date</source>
        <translation>Vous prévient quand la date de la dictée d&apos;une liste est passée</translation>
    </message>
    <message>
        <source>The amount of time to display messages</source>
        <translation>Combien de temps les messages restent affichés</translation>
    </message>
    <message>
        <source>Temporary Messages</source>
        <translation>Messages brefs</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Test the selected message time</source>
        <translation>Essayer la durée choisie</translation>
    </message>
    <message>
        <source>Parent&apos;s &amp;Lock...</source>
        <translation>&amp;Verrou parental...</translation>
    </message>
    <message>
        <source>A PIN that keeps the windows that change lists and settings for parents</source>
        <translation>Un code qui réserve aux parents les fenêtres qui modifient les listes et les réglages</translation>
    </message>
    <message>
        <source>Hide the word in its clues</source>
        <translation>Cacher le mot dans ses indices</translation>
    </message>
    <message>
        <source>During a test the word is blanked out of its definition and sentence</source>
        <translation>Pendant un test, le mot est remplacé par un blanc dans son sens et sa phrase</translation>
    </message>
    <message>
        <source>Say when only the capital letters are wrong</source>
        <translation>Dire quand seules les majuscules sont fausses</translation>
    </message>
    <message>
        <source>A case-sensitive word typed with the wrong capitals is told so</source>
        <translation>Pour un mot où les majuscules comptent, l&apos;enfant apprend que seules les majuscules sont fausses</translation>
    </message>
    <message>
        <source>Refuse a date that cannot be read</source>
        <translation>Refuser une date illisible</translation>
    </message>
    <message>
        <source>A new list&apos;s date that cannot be read is refused instead of replaced</source>
        <translation>La date illisible d&apos;une nouvelle liste est refusée au lieu d&apos;être remplacée</translation>
    </message>
    <message>
        <source>General Defaults</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Use the computer voice for words without a recording</source>
        <translation>Utiliser la voix de l&apos;ordinateur pour les mots sans enregistrement</translation>
    </message>
    <message>
        <source>Words you have recorded are always spoken in your own voice</source>
        <translation>Les mots que vous avez enregistrés sont toujours dits avec votre voix</translation>
    </message>
    <message>
        <source>The computer voice to use</source>
        <translation>La voix de l&apos;ordinateur à utiliser</translation>
    </message>
    <message>
        <source>The engine&apos;s own voice</source>
        <translation>La voix par défaut</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>How fast the computer voice speaks</source>
        <translation>La vitesse de la voix de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Speaking rate</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Essayer</translation>
    </message>
    <message>
        <source>Hear the computer voice</source>
        <translation>Écouter la voix de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Save these settings</source>
        <translation>Enregistrer ces réglages</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Réglages d&apos;origine</translation>
    </message>
    <message>
        <source>Restore all settings to thier defaults</source>
        <translation>Remettre tous les réglages d&apos;origine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Do not save changes</source>
        <translation>Ne pas enregistrer les modifications</translation>
    </message>
    <message>
        <source>This is how your spelling words will sound.</source>
        <translation>Voici comment tes mots vont sonner.</translation>
    </message>
    <message>
        <source>Settings Saved</source>
        <translation>Réglages enregistrés</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to save these defaults:</source>
        <translation>Pour enregistrer ces réglages, cochez au moins une des cases suivantes :</translation>
    </message>
    <message>
        <source>Are you sure you want to restore all defaults?</source>
        <translation>Voulez-vous vraiment remettre tous les réglages d&apos;origine ?</translation>
    </message>
    <message>
        <source>Defaults Restored</source>
        <translation>Réglages d&apos;origine remis</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>Essai</translation>
    </message>
    <message>
        <source>Click To Close</source>
        <translation>Cliquer pour fermer</translation>
    </message>
    <message>
        <source>The language of Lettermarch&apos;s windows</source>
        <translation>La langue des fenêtres de Lettermarch</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>La langue du système</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Lettermarch speaks the language chosen from its next start.</source>
        <translation>Lettermarch parlera la langue choisie à partir du prochain démarrage.</translation>
    </message>
    <message>
        <source>A list in one of these languages is spoken with its sounds</source>
        <translation>Une liste dans l&apos;une de ces langues est prononcée avec ses propres sons</translation>
    </message>
    <message>
        <source>Languages with a voice</source>
        <translation>Langues avec une voix</translation>
    </message>
</context>
<context>
    <name>frmPastTests</name>
    <message>
        <source>Past Tests</source>
        <translation>Tests passés</translation>
    </message>
    <message>
        <source>Select a test...</source>
        <translation>Choisir un test...</translation>
    </message>
    <message>
        <source>Total tests for this word list</source>
        <translation>Nombre de tests de cette liste</translation>
    </message>
    <message>
        <source>Average score of all tests taken for this word list</source>
        <translation>Score moyen de tous les tests de cette liste</translation>
    </message>
    <message>
        <source>Total Tests:</source>
        <translation>Tests :</translation>
    </message>
    <message>
        <source>Average Score:</source>
        <translation>Moyenne :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Trouble Words...</source>
        <translation>Mots &amp;difficiles...</translation>
    </message>
    <message>
        <source>The words of this list with the most wrong answers</source>
        <translation>Les mots de cette liste avec le plus de réponses fausses</translation>
    </message>
    <message>
        <source>Click a point to see that test</source>
        <translation>Cliquez sur un point pour voir ce test</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Qt&apos;s chart library could not be loaded (Debian package libqt6charts6).</source>
        <translation>Le graphique ne peut pas être affiché : la bibliothèque de graphiques de Qt n&apos;a pas pu être chargée (paquet Debian libqt6charts6).</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>No tests yet: each test&apos;s score will appear here.</source>
        <translation>Pas encore de test : le score de chaque test apparaîtra ici.</translation>
    </message>
    <message>
        <source>Scores of the tests of this list</source>
        <translation>Scores des tests de cette liste</translation>
    </message>
    <message>
        <source>Scores of the tests of %1</source>
        <translation>Scores des tests de %1</translation>
    </message>
    <message>
        <source>Test %1, %2: %3, %4 right at the first try</source>
        <translation>Test %1, %2 : %3, %4 justes du premier coup</translation>
    </message>
</context>
<context>
    <name>frmPasteWords</name>
    <message>
        <source>Paste Words</source>
        <translation>Coller des mots</translation>
    </message>
    <message>
        <source>because	for the reason that	I stayed in because it rained.</source>
        <translation>parce que	pour la raison que	Je suis resté dedans parce qu&apos;il pleuvait.</translation>
    </message>
    <message>
        <source>&amp;Paste or type one word a line. After the word, a definition and a sentence may follow, separated by tabs (as a spreadsheet copies them), &quot; - &quot; or &quot;;&quot;. Ctrl+Tab leaves the box.</source>
        <translation>&amp;Collez ou tapez un mot par ligne. Après le mot peuvent suivre un sens et une phrase, séparés par des tabulations (comme un tableur les copie), « - » ou « ; ». Ctrl+Tab quitte la case.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Phrase</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Majuscules comptées</translation>
    </message>
    <message>
        <source>Skipped Because</source>
        <translation>Laissé de côté car</translation>
    </message>
    <message>
        <source>Tick the words that must be typed in the right case</source>
        <translation>Cochez les mots dont les majuscules comptent</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add the words not skipped to the list</source>
        <translation>Ajouter à la liste les mots non laissés de côté</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import Words</source>
        <translation>Importer des mots</translation>
    </message>
    <message>
        <source>The words of %1, to be added to this list:</source>
        <translation>Les mots de %1, à ajouter à cette liste :</translation>
    </message>
    <message>
        <source>The words of %1, to make a new list for the test on %2:</source>
        <translation>Les mots de %1, pour une nouvelle liste pour le test du %2 :</translation>
    </message>
    <message>
        <source>That is %1 lines; a list holds at most %2 words.</source>
        <translation>Cela fait %1 lignes ; une liste contient au plus %2 mots.</translation>
    </message>
    <message>
        <source>No words yet.</source>
        <translation>Pas encore de mots.</translation>
    </message>
    <message>
        <source>%1 to add, %2 skipped.</source>
        <translation>%1 à ajouter, %2 laissés de côté.</translation>
    </message>
    <message>
        <source> Words without a clue are added when the computer voice is on (Options, Voice tab): it then says them in the test.</source>
        <translation> Les mots sans indice sont ajoutés quand la voix de l&apos;ordinateur est activée (Options, onglet Voix) : elle les prononce alors pendant le test.</translation>
    </message>
    <message>
        <source>Nothing was added: %1</source>
        <translation>Rien n&apos;a été ajouté : %1</translation>
    </message>
    <message>
        <source>There is already a recording of &quot;%1&quot;. Replace it with the one from the imported file?</source>
        <translation>Il existe déjà un enregistrement de « %1 ». Le remplacer par celui du fichier importé ?</translation>
    </message>
    <message>
        <source>The words were added, but the recordings of these could not be copied: %1</source>
        <translation>Les mots ont été ajoutés, mais les enregistrements de ceux-ci n&apos;ont pas pu être copiés : %1</translation>
    </message>
</context>
<context>
    <name>frmPrintList</name>
    <message>
        <source>Print a Paper Test</source>
        <translation>Imprimer un test papier</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>A &amp;test to write on (the words are not shown)</source>
        <translation>Un &amp;test à remplir (sans les mots)</translation>
    </message>
    <message>
        <source>Its &amp;answer key</source>
        <translation>Son &amp;corrigé</translation>
    </message>
    <message>
        <source>Show the &amp;definitions as clues</source>
        <translation>Montrer le &amp;sens comme indice</translation>
    </message>
    <message>
        <source>Show the &amp;sentences as clues (the word blanked out)</source>
        <translation>Montrer les &amp;phrases comme indices (le mot remplacé par un blanc)</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabétique</translation>
    </message>
    <message>
        <source>Order Created</source>
        <translation>Ordre de saisie</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Word &amp;order:</source>
        <translation>&amp;Ordre des mots :</translation>
    </message>
    <message>
        <source>&amp;Preview and Print...</source>
        <translation>&amp;Aperçu et impression...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Spelling test</source>
        <translation>Dictée</translation>
    </message>
</context>
<context>
    <name>frmRestoreBackup</name>
    <message>
        <source>Restore a Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Lettermarch keeps a copy of your lists each day it starts and each day it closes after a change, the last %1 of them.
Choose the copy to go back to:</source>
        <translation>Lettermarch garde une copie de vos listes chaque jour au démarrage, et à la fermeture après une modification : les %1 dernières.
Choisissez la copie à laquelle revenir :</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Faite le</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Copy of</source>
        <translation>Copie de</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Go back to the chosen copy</source>
        <translation>Revenir à la copie choisie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>the day&apos;s first start</source>
        <translation>premier démarrage du jour</translation>
    </message>
    <message>
        <source>the day&apos;s work, at closing</source>
        <translation>travail du jour, à la fermeture</translation>
    </message>
    <message>
        <source>the lists before a restore</source>
        <translation>les listes avant une restauration</translation>
    </message>
    <message>
        <source>This copy cannot be read, so it cannot be restored.</source>
        <translation>Cette copie est illisible et ne peut pas être restaurée.</translation>
    </message>
    <message>
        <source>Go back to the copy taken %1?

Word lists in it: %2; tests: %3. Your lists as they are now are kept as one more backup first.</source>
        <translation>Revenir à la copie du %1 ?

Listes de mots : %2 ; tests : %3. Vos listes actuelles sont d&apos;abord gardées dans une sauvegarde de plus.</translation>
    </message>
    <message>
        <source>

Your lists are as they were.</source>
        <translation>

Vos listes sont restées telles quelles.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listes</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
</context>
<context>
    <name>frmRevealAnswer</name>
    <message>
        <source>The Correct Answer Is...</source>
        <translation>La bonne réponse est...</translation>
    </message>
    <message>
        <source>Correct Spelling:</source>
        <translation>Bonne orthographe :</translation>
    </message>
    <message>
        <source>Type it:</source>
        <translation>Recopie-le :</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Mot suivant</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>This word is case sensitive.
Please tray again.</source>
        <translation>Pour ce mot, les majuscules comptent.
Essaie encore.</translation>
    </message>
    <message>
        <source>You must type the word correctly before moving on</source>
        <translation>Écris le mot correctement avant de continuer</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Essaie encore</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmSetPin</name>
    <message>
        <source>Parent&apos;s Lock</source>
        <translation>Verrou parental</translation>
    </message>
    <message>
        <source>With a PIN, the windows that change lists and settings (the list editor, New List, Delete List, Import, Options, Restore a Backup and removing a child) ask for it first. Tests, results and Trouble Words stay open to the child.</source>
        <translation>Avec un code, les fenêtres qui modifient les listes et les réglages (l&apos;éditeur de listes, Nouvelle liste, Supprimer la liste, l&apos;import, les Options, Restaurer une sauvegarde et le retrait d&apos;un enfant) le demandent d&apos;abord. Les tests, les résultats et les Mots difficiles restent ouverts à l&apos;enfant.</translation>
    </message>
    <message>
        <source>&amp;New PIN</source>
        <translation>&amp;Nouveau code</translation>
    </message>
    <message>
        <source>&amp;Type it again</source>
        <translation>&amp;Retapez-le</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>Changer le code</translation>
    </message>
    <message>
        <source>Set PIN</source>
        <translation>Choisir un code</translation>
    </message>
    <message>
        <source>Remove the Lock</source>
        <translation>Enlever le verrou</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A PIN has at least %1 characters.</source>
        <translation>Un code a au moins %1 caractères.</translation>
    </message>
    <message>
        <source>The two PINs differ. Type the same PIN twice.</source>
        <translation>Les deux codes sont différents. Tapez deux fois le même code.</translation>
    </message>
</context>
<context>
    <name>frmTest</name>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Context Sentence</source>
        <translation>Phrase d&apos;exemple</translation>
    </message>
    <message>
        <source>Pronounce</source>
        <translation>Prononcer</translation>
    </message>
    <message>
        <source>Pronounce the current word</source>
        <translation>Prononcer le mot</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Mot suivant</translation>
    </message>
    <message>
        <source>Read aloud</source>
        <translation>Lire à voix haute</translation>
    </message>
    <message>
        <source>Read the definition aloud (Ctrl+1)</source>
        <translation>Lire le sens à voix haute (Ctrl+1)</translation>
    </message>
    <message>
        <source>Read the context sentence aloud (Ctrl+2)</source>
        <translation>Lire la phrase d&apos;exemple à voix haute (Ctrl+2)</translation>
    </message>
    <message>
        <source>

Words without a recording are not spoken in this test.</source>
        <translation>

Les mots sans enregistrement ne sont pas prononcés pendant ce test.</translation>
    </message>
    <message>
        <source>%1 answers of the test could not be saved: %2</source>
        <translation>%1 réponses du test n&apos;ont pas pu être enregistrées : %2</translation>
    </message>
    <message>
        <source>%1 answers of the test could not be saved: another program still holds the database file.</source>
        <translation>%1 réponses du test n&apos;ont pas pu être enregistrées : un autre programme retient encore le fichier de base de données.</translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation>Mot %1 sur %2</translation>
    </message>
    <message>
        <source>%1 of this list&apos;s words cannot be asked, because the database holds it without an identifier (it may have been changed by another program).

The test goes on with the other words. To include the word, add the word again in the list editor.</source>
        <translation>%1 mot de cette liste ne peut pas être demandé, car la base de données le contient sans identifiant (il a peut-être été modifié par un autre programme).

Le test continue avec les autres mots. Pour l&apos;inclure, ajoutez ce mot de nouveau dans l&apos;éditeur de listes.</translation>
    </message>
    <message>
        <source>%1 of this list&apos;s words cannot be asked, because the database holds them without an identifier (it may have been changed by another program).

The test goes on with the other words. To include those words, add those words again in the list editor.</source>
        <translation>%1 mots de cette liste ne peuvent pas être demandés, car la base de données les contient sans identifiant (ils ont peut-être été modifiés par un autre programme).

Le test continue avec les autres mots. Pour les inclure, ajoutez ces mots de nouveau dans l&apos;éditeur de listes.</translation>
    </message>
    <message>
        <source>You have not completed the test.
Do you really want to quit?</source>
        <translation>Tu n&apos;as pas fini le test.
Veux-tu vraiment arrêter ?</translation>
    </message>
</context>
<context>
    <name>frmTestResults</name>
    <message>
        <source>Test Results</source>
        <translation>Résultats du test</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutes :</translation>
    </message>
    <message>
        <source>The total time in minutes this test took</source>
        <translation>La durée du test en minutes</translation>
    </message>
    <message>
        <source>Words on Test:</source>
        <translation>Mots du test :</translation>
    </message>
    <message>
        <source>The number of words on the test</source>
        <translation>Le nombre de mots du test</translation>
    </message>
    <message>
        <source>First Try:</source>
        <translation>Du premier coup :</translation>
    </message>
    <message>
        <source>The number of words spelled correctly on the first attempt</source>
        <translation>Le nombre de mots bien écrits au premier essai</translation>
    </message>
    <message>
        <source>Moved on:</source>
        <translation>Passés :</translation>
    </message>
    <message>
        <source>The number of words that were not spelled correctly in the allotted number of attempts</source>
        <translation>Le nombre de mots qui n&apos;ont pas été bien écrits dans les essais permis</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>The score for this test</source>
        <translation>Le score de ce test</translation>
    </message>
    <message>
        <source>Click on a word to view the details</source>
        <translation>Cliquez sur un mot pour voir le détail</translation>
    </message>
    <message>
        <source>&amp;Practise Missed Words...</source>
        <translation>&amp;Revoir les mots ratés...</translation>
    </message>
    <message>
        <source>A practice test of the words not right at the first try</source>
        <translation>Un test d&apos;entraînement avec les mots qui n&apos;étaient pas justes du premier coup</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close this screen</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>P&amp;rint Results...</source>
        <translation>Im&amp;primer les résultats...</translation>
    </message>
    <message>
        <source>Save Results as P&amp;DF...</source>
        <translation>Enregistrer les résultats en P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Save Results as PDF</source>
        <translation>Enregistrer les résultats en PDF</translation>
    </message>
    <message>
        <source>Test results %1.pdf</source>
        <translation>Résultats du test %1.pdf</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>right at the first try</source>
        <translation>juste du premier coup</translation>
    </message>
    <message>
        <source>Test Again?</source>
        <translation>Refaire le test ?</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>time of day</comment>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Tick the words of this test to practise:</source>
        <translation>Coche les mots de ce test que tu veux revoir :</translation>
    </message>
    <message>
        <source>Tick the words of this test of %1 to practise:</source>
        <translation>Coche les mots de ce test de %1 que tu veux revoir :</translation>
    </message>
</context>
<context>
    <name>frmTestSetup</name>
    <message>
        <source>Test Setup</source>
        <translation>Réglages du test</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Garder par défaut</translation>
    </message>
    <message>
        <source>Save these settings as the defaults settings for all practice tests</source>
        <translation>Garder ces réglages pour tous les tests d&apos;entraînement</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>There was a problem loading the default settings.
Please use the Options screen to set defaults.</source>
        <translation>Les réglages par défaut n&apos;ont pas pu être chargés.
Choisissez-les dans la fenêtre Options.</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to proceed with the test:</source>
        <translation>Pour faire le test, cochez au moins une des cases suivantes :</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to save these defaults:</source>
        <translation>Pour enregistrer ces réglages, cochez au moins une des cases suivantes :</translation>
    </message>
    <message>
        <source>Settings Saved</source>
        <translation>Réglages enregistrés</translation>
    </message>
    <message>
        <source>Start the test now?</source>
        <translation>Commencer le test maintenant ?</translation>
    </message>
    <message>
        <source>There was a problem saving these settings.
Please use the Options screen to set defaults.</source>
        <translation>Ces réglages n&apos;ont pas pu être enregistrés.
Choisissez les réglages par défaut dans la fenêtre Options.</translation>
    </message>
</context>
<context>
    <name>frmTestWordDetails</name>
    <message>
        <source>Word Attempts</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close this screen</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
</context>
<context>
    <name>frmTroubleWords</name>
    <message>
        <source>Trouble Words</source>
        <translation>Mots difficiles</translation>
    </message>
    <message>
        <source>The word list whose words are shown</source>
        <translation>La liste dont les mots sont affichés</translation>
    </message>
    <message>
        <source>&amp;Words of:</source>
        <translation>&amp;Mots de :</translation>
    </message>
    <message>
        <source>%1&apos;s &amp;words of:</source>
        <translation>&amp;Mots de %1 dans :</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Wrong Answers</source>
        <translation>Réponses fausses</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>First Try</source>
        <translation>Premier coup</translation>
    </message>
    <message>
        <source>Moved On</source>
        <translation>Passés</translation>
    </message>
    <message>
        <source>Most Frequent Misspelling</source>
        <translation>Faute la plus fréquente</translation>
    </message>
    <message>
        <source>The school test date of the word&apos;s list</source>
        <translation>La date de la dictée de la liste du mot</translation>
    </message>
    <message>
        <source>Wrong answers over all tests</source>
        <translation>Réponses fausses sur tous les tests</translation>
    </message>
    <message>
        <source>Finished tests that asked the word</source>
        <translation>Tests terminés qui ont demandé ce mot</translation>
    </message>
    <message>
        <source>Tests in which it was right at the first try</source>
        <translation>Tests où il était juste du premier coup</translation>
    </message>
    <message>
        <source>Tests in which it was not spelled correctly in the answers allowed</source>
        <translation>Tests où il n&apos;a pas été bien écrit dans les essais permis</translation>
    </message>
    <message>
        <source>&amp;Open List</source>
        <translation>&amp;Ouvrir la liste</translation>
    </message>
    <message>
        <source>Open the selected word&apos;s list in the list editor</source>
        <translation>Ouvrir la liste du mot choisi dans l&apos;éditeur de listes</translation>
    </message>
    <message>
        <source>&amp;Practise Missed Words...</source>
        <translation>&amp;Revoir les mots ratés...</translation>
    </message>
    <message>
        <source>A practice test of the selected words of one list</source>
        <translation>Un test d&apos;entraînement avec les mots choisis d&apos;une liste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>All lists</source>
        <translation>Toutes les listes</translation>
    </message>
    <message>
        <source>The list for %1</source>
        <translation>La liste du %1</translation>
    </message>
    <message>
        <source>No word has had a wrong answer yet.</source>
        <translation>Aucun mot n&apos;a encore eu de réponse fausse.</translation>
    </message>
    <message>
        <source>The %1 words with the most wrong answers.</source>
        <translation>Les %1 mots avec le plus de réponses fausses.</translation>
    </message>
    <message>
        <source>Please select a word.</source>
        <translation>Choisissez un mot.</translation>
    </message>
    <message>
        <source>%1 wrong</source>
        <translation>%1 fausses</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Tick the words of the list for %1 to practise:</source>
        <translation>Coche les mots de la liste du %1 que tu veux revoir :</translation>
    </message>
    <message>
        <source>Tick the words of this list to practise:</source>
        <translation>Coche les mots de cette liste que tu veux revoir :</translation>
    </message>
    <message>
        <source>Tick the words of %1 to practise:</source>
        <translation>Coche les mots de %1 que tu veux revoir :</translation>
    </message>
</context>
</TS>
