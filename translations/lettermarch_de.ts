<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Application</name>
    <message>
        <source>

Database file: </source>
        <translation>

Datenbankdatei: </translation>
    </message>
    <message>
        <source>Lettermarch could not read or save its data and has to close.</source>
        <translation>Lettermarch konnte seine Daten nicht lesen oder speichern und muss beendet werden.</translation>
    </message>
    <message>
        <source>Lettermarch met an unexpected problem and has to close.</source>
        <translation>In Lettermarch ist ein unerwarteter Fehler aufgetreten; das Programm muss beendet werden.</translation>
    </message>
    <message>
        <source>

Everything saved before this point is kept.</source>
        <translation>

Alles, was bis hierhin gespeichert wurde, bleibt erhalten.</translation>
    </message>
</context>
<context>
    <name>AudioModule</name>
    <message>
        <source>The computer voice could not be loaded.</source>
        <translation>Die Computerstimme konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>This copy is not a Lettermarch database (it may be damaged, or belong to another program), so it cannot be restored.</source>
        <translation>Diese Kopie ist keine Lettermarch-Datenbank (sie ist vielleicht beschädigt oder gehört zu einem anderen Programm) und kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>This copy is damaged, so it cannot be restored.</source>
        <translation>Diese Kopie ist beschädigt und kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The backup could not be copied into the data folder.</source>
        <translation>Die Sicherung konnte nicht in den Datenordner kopiert werden.</translation>
    </message>
    <message>
        <source>The database file could not be replaced.</source>
        <translation>Die Datenbankdatei konnte nicht ersetzt werden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--data-dir needs the folder to keep the lists in.</source>
        <translation>--data-dir braucht den Ordner, in dem die Listen liegen sollen.</translation>
    </message>
    <message>
        <source>--lang needs a language code, such as de, fr or es.</source>
        <translation>--lang braucht einen Sprachcode, zum Beispiel de, fr oder es.</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>The folder given to --data-dir has a name that is not in UTF-8, so Lettermarch cannot tell which folder it is. Rename the folder, or choose another.</source>
        <translation>Der Name des bei --data-dir angegebenen Ordners ist nicht in UTF-8, darum weiß Lettermarch nicht, welcher Ordner gemeint ist. Benennen Sie den Ordner um oder wählen Sie einen anderen.</translation>
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
        <translation>Aufruf: Lettermarch [OPTION]...
Die Lernwörter der Woche üben: Ein Elternteil gibt die Wörter jeder Woche ein,
ein Kind macht Übungstests, und jedes Ergebnis bleibt erhalten.

Optionen:
      --data-dir ORDNER  Wortlisten, Aufnahmen und Sicherungen in ORDNER
                      (wird angelegt, wenn er fehlt) und nirgends sonst ablegen:
                      etwa ein Ordner der Familie, ohne ihre Kinder
      --lang CODE     die Sprache CODE sprechen (de, fr, es, en, ...) statt
                      der des Systems
  -h, --help          diese Hilfe zeigen und beenden
  -v, --version       die Version zeigen und beenden

Dateien:
  Der Datenordner enthält Lettermarch.mdb (alle Listen, Wörter, Tests und
  Einstellungen), Wavs/ (die Aufnahmen) und Backups/ (eine Kopie beim ersten
  Start eines Tages und eine der Arbeit des Tages beim Beenden, die letzten 10).
  Er liegt neben dem Programm, wenn dessen Ordner schon eine Datenbank enthält
  oder beschreibbar ist, sonst im Datenordner des Benutzers.

  Datenordner jetzt: %1 (%2)
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
        <translation>Mehr dazu mit „Lettermarch --help“.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>A quoted field is never closed: a double quote is missing.</source>
        <translation>Ein Feld in Anführungszeichen wird nie geschlossen: Es fehlt ein doppeltes Anführungszeichen.</translation>
    </message>
    <message>
        <source>Some rows have %1 fields. A word list has at most four: word, definition, sentence and case_sensitive (or a header row naming its columns).</source>
        <translation>Manche Zeilen haben %1 Felder. Eine Wortliste hat höchstens vier: word, definition, sentence und case_sensitive (oder eine Kopfzeile, die ihre Spalten benennt).</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>beside the program</source>
        <translation>neben dem Programm</translation>
    </message>
    <message>
        <source>your personal data folder</source>
        <translation>Ihr persönlicher Datenordner</translation>
    </message>
    <message>
        <source>the folder chosen with --data-dir</source>
        <translation>der mit --data-dir gewählte Ordner</translation>
    </message>
</context>
<context>
    <name>Family</name>
    <message>
        <source>Type the child&apos;s name.</source>
        <translation>Geben Sie den Namen des Kindes ein.</translation>
    </message>
    <message>
        <source>The list of children (%1) could not be read. It was left as it is, and the children&apos;s folders were looked for instead.</source>
        <translation>Die Liste der Kinder (%1) konnte nicht gelesen werden. Sie blieb, wie sie ist, und stattdessen wurde nach den Ordnern der Kinder gesucht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was left out: the folder &quot;%2&quot; is not a child&apos;s folder.</source>
        <translation>„%1“ wurde ausgelassen: Der Ordner „%2“ ist nicht der Ordner eines Kindes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was left out: the folder &quot;%2&quot; is gone.</source>
        <translation>„%1“ wurde ausgelassen: Den Ordner „%2“ gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; was not in the list of children; it is shown as &quot;%2&quot;.</source>
        <translation>Der Ordner „%1“ stand nicht in der Liste der Kinder; er wird als „%2“ angezeigt.</translation>
    </message>
    <message>
        <source>The unreadable list of children could not be put aside.</source>
        <translation>Die unlesbare Liste der Kinder konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The first child&apos;s lists are the family&apos;s own folder, so they cannot be removed. The child can be renamed instead.</source>
        <translation>Die Listen des ersten Kindes liegen im Ordner der Familie selbst und können nicht entfernt werden. Sie können das Kind aber umbenennen.</translation>
    </message>
    <message>
        <source>%1&apos;s lists are open in another copy of Lettermarch. Close it first.</source>
        <translation>Die Listen von %1 sind in einem anderen Lettermarch-Fenster geöffnet. Schließen Sie es zuerst.</translation>
    </message>
    <message>
        <source>%1&apos;s folder could not be moved to &quot;%2&quot;; nothing was removed.</source>
        <translation>Der Ordner von %1 konnte nicht nach „%2“ verschoben werden; es wurde nichts entfernt.</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>In the folder %1 there is a folder named %2 where Lettermarch keeps the file that shows it is open.</source>
        <translation>Im Ordner %1 gibt es einen Ordner namens %2, wo Lettermarch die Datei ablegt, die zeigt, dass es geöffnet ist.</translation>
    </message>
    <message>
        <source>In the folder %1 there is something named %2 that is not the file Lettermarch writes to show it is open.</source>
        <translation>Im Ordner %1 gibt es etwas namens %2, das nicht die Datei ist, mit der Lettermarch zeigt, dass es geöffnet ist.</translation>
    </message>
    <message>
        <source>The file %1, which shows that Lettermarch is open, cannot be read. It may have been left by a power cut, or damaged.</source>
        <translation>Die Datei %1, die zeigt, dass Lettermarch geöffnet ist, kann nicht gelesen werden. Vielleicht ist sie nach einem Stromausfall liegen geblieben oder beschädigt.</translation>
    </message>
    <message>
        <source>The file %1 says that Lettermarch is open on another computer, &quot;%2&quot;. The folder may be shared with that computer, or copied from it.</source>
        <translation>Laut der Datei %1 ist Lettermarch auf einem anderen Computer geöffnet, „%2“. Vielleicht teilt dieser Computer den Ordner, oder der Ordner wurde von dort kopiert.</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Lettermarch is a great way for children to leantheir weekly spelling words.  When your child gets their spelling words from the teacher at the beginning of the week, use the &apos;Create a New List&apos; feature in Lettermarch to input each spelling word into the program.  You can also enter the word&apos;s definition, a context sentence, and record the pronounciation.  Once all the words are entered, your child can go through as many &apos;Practice Tests&apos; as they need all week long to help get them ready for the school test.</source>
        <translation>Mit Lettermarch lernen Kinder ihre Lernwörter der Woche. Wenn Ihr Kind am Anfang der Woche die neuen Wörter von der Lehrerin oder vom Lehrer bekommt, legen Sie mit „Neue Liste“ eine Wortliste an und geben jedes Wort ein. Zu jedem Wort können Sie auch die Bedeutung und einen Beispielsatz eingeben und die Aussprache aufnehmen. Sobald alle Wörter eingegeben sind, kann Ihr Kind die ganze Woche über so viele Übungstests machen, wie es braucht, um für den Test in der Schule bereit zu sein.</translation>
    </message>
    <message>
        <source>Create a Word List</source>
        <translation>Eine Wortliste anlegen</translation>
    </message>
    <message>
        <source>On the main screen, there are several buttons.  To create a new Word List, click the &apos;New List&apos; button. Two new screens will open, a large one in the background, and a smaller one in the foreground.  The smaller window is the &apos;New Word&apos; window, where you can type the word, it&apos;s definition, a context sentence,  and record the word in your voice.  When you have entered all the information, click the &apos;Save&apos; button.  The word will be added to the list in the large background window, and you can enter then next word into the smaller window.  When you have entered all the words, close the &apos;New Word&apos; window.  The large window will still be visible.  From this window, you can review the words in the list, and make changes to any of them, or add new ones.</source>
        <translation>Im Hauptfenster gibt es mehrere Schaltflächen. Um eine neue Wortliste anzulegen, klicken Sie auf „Neue Liste“. Danach öffnen sich zwei Fenster: ein großes im Hintergrund und ein kleineres davor. Im kleineren Fenster, „Neues Wort“, geben Sie das Wort, seine Bedeutung und einen Beispielsatz ein und nehmen das Wort mit Ihrer Stimme auf. Wenn alles eingegeben ist, klicken Sie auf „Speichern“. Das Wort erscheint dann in der Liste im großen Fenster, und Sie können im kleineren Fenster das nächste Wort eingeben. Wenn alle Wörter eingegeben sind, schließen Sie das Fenster „Neues Wort“. Das große Fenster bleibt offen: Hier sehen Sie alle Wörter der Liste, können jedes davon ändern oder neue hinzufügen.</translation>
    </message>
    <message>
        <source>Take a Practice Test</source>
        <translation>Einen Übungstest machen</translation>
    </message>
    <message>
        <source>Once you have created a word list, you can take a &apos;Practice Test&apos; at any time by selecting the proper &apos;Word List&apos;, and clicking the &apos;Test&apos; button on the Main screen.  You may need to preform a &apos;Test Setup&apos; to set some options for the test, such as how many incorrect answers to accept before moving on to the next word.  Once you have completed the test setup, the &apos;Practice Test&apos; will begin.</source>
        <translation>Sobald es eine Wortliste gibt, kann Ihr Kind jederzeit einen Übungstest machen: Wählen Sie im Hauptfenster die Wortliste und klicken Sie auf „Test“. Vielleicht erscheinen zuerst die „Testeinstellungen“, etwa wie viele falsche Antworten erlaubt sind, bevor das nächste Wort kommt. Danach beginnt der Übungstest.</translation>
    </message>
    <message>
        <source>The on-screen clues will tell your child which word to type into the answer box.  If your child types it correctly, the next word will be given.  If your child answers incorrectly, they will be notified, and and will be given another chance.  &apos;Test Setup&apos; options will determine exactly what happens when an incorrect answer is given.</source>
        <translation>Die Hinweise auf dem Bildschirm sagen Ihrem Kind, welches Wort es in das Antwortfeld schreiben soll. Schreibt es das Wort richtig, kommt das nächste Wort. Schreibt es das Wort falsch, erfährt es das und bekommt noch eine Chance. Was bei einer falschen Antwort genau passiert, legen die Testeinstellungen fest.</translation>
    </message>
    <message>
        <source>When the test has been completed, the result will be show to you automatically.</source>
        <translation>Wenn der Test fertig ist, wird das Ergebnis automatisch gezeigt.</translation>
    </message>
    <message>
        <source>Test History</source>
        <translation>Frühere Tests</translation>
    </message>
    <message>
        <source>To view the test history for any word list, select the word list on the main screen, and click the &apos;Past Tests&apos; button.  A list of all past tests for the selected Word List will appear, and you will be able to see which words have been giving your child difficulty. The incorrect answers your child has given for each word on each test can be displayed.</source>
        <translation>Um die früheren Tests einer Wortliste anzusehen, wählen Sie die Liste im Hauptfenster und klicken auf „Frühere Tests“. Es erscheinen alle Tests dieser Liste, und Sie sehen, welche Wörter Ihrem Kind Mühe machen. Für jedes Wort jedes Tests können Sie die falschen Antworten Ihres Kindes anzeigen.</translation>
    </message>
    <message>
        <source>Options (Test Defaults)</source>
        <translation>Einstellungen (Test)</translation>
    </message>
    <message>
        <source>Skip Individual Test Setup -- If this option is checked, all Practice Tests will use the default settings automatically.  If it is not checked, then you will be prompted to preform the &apos;Test Setup&apos; each time.</source>
        <translation>Testeinstellungen nicht vor jedem Test zeigen -- Ist dies angekreuzt, verwenden alle Übungstests automatisch die Vorgaben. Sonst erscheinen vor jedem Test die „Testeinstellungen“.</translation>
    </message>
    <message>
        <source>Pronounce -- Use this option to enable the Practice Tests to speak the word to your child.</source>
        <translation>Vorsprechen -- Hiermit spricht der Übungstest Ihrem Kind das Wort vor.</translation>
    </message>
    <message>
        <source>Show Definition -- Use this option to display the word&apos;s definition on Practice Tests</source>
        <translation>Bedeutung zeigen -- Hiermit wird im Übungstest die Bedeutung des Wortes gezeigt.</translation>
    </message>
    <message>
        <source>Show Context Sentence -- Use this option to display the word&apos;s context sentence on Practice Tests</source>
        <translation>Beispielsatz zeigen -- Hiermit wird im Übungstest der Beispielsatz des Wortes gezeigt.</translation>
    </message>
    <message>
        <source>Show Definition -- Use this option to determine the order in which the words on a Practice Test are given</source>
        <translation>Reihenfolge -- Hiermit legen Sie fest, in welcher Reihenfolge die Wörter im Übungstest kommen.</translation>
    </message>
    <message>
        <source>Incorrect Answer Behavior -- Use these options to determine how to respond to incorrect answers on Practice Tests</source>
        <translation>Bei falschen Antworten -- Hiermit legen Sie fest, was im Übungstest nach einer falschen Antwort geschieht.</translation>
    </message>
    <message>
        <source>Sounds -- Use these options to enable or disable sounds on Practice Tests</source>
        <translation>Töne -- Hiermit schalten Sie die Töne in Übungstests ein oder aus</translation>
    </message>
    <message>
        <source>Options (General)</source>
        <translation>Einstellungen (Allgemein)</translation>
    </message>
    <message>
        <source>Tempory Messages -- Temporary messages are notifications that Lettermarch periodically shows to the user.  These messages appear for a short time, and then dissaper automatically.  Use this option to determine how long these messages are displayed before disappearing.</source>
        <translation>Kurze Meldungen -- Lettermarch zeigt ab und zu kurze Meldungen. Sie erscheinen für einen Moment und verschwinden dann von selbst. Hiermit legen Sie fest, wie lange sie zu sehen sind.</translation>
    </message>
    <message>
        <source>School Tests On -- Use this option to determine when a school test date is based on the date the word list is created.</source>
        <translation>Tests in der Schule meist -- Hiermit legen Sie fest, wie der Testtag einer neuen Wortliste aus dem Tag berechnet wird, an dem sie angelegt wird.</translation>
    </message>
    <message>
        <source>Prompt to Delete Old Word Lists -- Use this option to alert you when a Word List has past it&apos;s school test date, so it can be deleted.</source>
        <translation>Nach dem Testtag fragen -- Hiermit werden Sie erinnert, wenn der Testtag einer Wortliste vorbei ist, damit Sie sie löschen können.</translation>
    </message>
    <message>
        <source>The Computer Voice</source>
        <translation>Die Computerstimme</translation>
    </message>
    <message>
        <source>Recording every word takes time. Under Options, on the Voice page, you can let the computer speak the words that have no recording: tick &apos;Use the computer voice for words without a recording&apos;, choose a voice, set how fast it speaks (slower is easier for young children) and press &apos;Try it&apos; to hear it.</source>
        <translation>Jedes Wort aufzunehmen dauert. Unter Einstellungen, auf der Seite „Stimme“, kann der Computer die Wörter sprechen, die keine Aufnahme haben: Kreuzen Sie „Die Computerstimme für Wörter ohne Aufnahme verwenden“ an, wählen Sie eine Stimme, stellen Sie ein, wie schnell sie spricht (langsamer ist für kleine Kinder leichter), und klicken Sie auf „Ausprobieren“, um sie zu hören.</translation>
    </message>
    <message>
        <source>A word you have recorded is always spoken in your own voice. With the computer voice on, the Pronounce buttons work for every word, and the test window has a &apos;Read aloud&apos; button beside the definition and the sentence (Ctrl+1 and Ctrl+2) for children who cannot read them yet. The voice never spells the word.</source>
        <translation>Ein Wort, das Sie aufgenommen haben, erklingt immer mit Ihrer eigenen Stimme. Mit eingeschalteter Computerstimme funktionieren die Schaltflächen „Vorsprechen“ bei jedem Wort, und das Testfenster hat neben der Bedeutung und dem Beispielsatz eine Schaltfläche „Vorlesen“ (Strg+1 und Strg+2) für Kinder, die noch nicht lesen können. Die Stimme buchstabiert das Wort nie.</translation>
    </message>
    <message>
        <source>A computer voice does not say every word well: names, words from other languages and words spelled differently from how they sound often come out wrong. Listen to each week&apos;s words with the list editor&apos;s Pronounce button, and record the ones the voice gets wrong: your recording is then used instead.</source>
        <translation>Eine Computerstimme spricht nicht jedes Wort gut aus: Namen, Wörter aus anderen Sprachen und Wörter, die anders geschrieben als gesprochen werden, klingen oft falsch. Hören Sie sich die Wörter jeder Woche mit „Vorsprechen“ im Listen-Editor an und nehmen Sie die auf, die die Stimme falsch ausspricht: Dann wird Ihre Aufnahme verwendet.</translation>
    </message>
    <message>
        <source>Most school lists are just words. With the computer voice on, a word needs no definition, sentence or recording: the voice says it in the test. This holds in the word editor, for pasted words and for imported files.</source>
        <translation>Die meisten Listen aus der Schule sind nur Wörter. Mit eingeschalteter Computerstimme braucht ein Wort keine Bedeutung, keinen Satz und keine Aufnahme: Die Stimme spricht es im Test. Das gilt im Wort-Editor, für eingefügte Wörter und für importierte Dateien.</translation>
    </message>
    <message>
        <source>Many Words at Once</source>
        <translation>Viele Wörter auf einmal</translation>
    </message>
    <message>
        <source>In the list editor, &apos;Paste words...&apos; adds many words at once. Copy the week&apos;s words from an e-mail, a document or a spreadsheet and paste them: one word a line, then if you like its definition and a sentence, separated by tabs (a spreadsheet&apos;s columns), &apos; - &apos; or &apos;;&apos;. Numbers and bullets at the start of a line are left out. The table below shows what will be added and which lines are skipped, and why. Tick &apos;Case Sensitive&apos; for words that must keep their capital letters, then press Add.</source>
        <translation>Im Listen-Editor fügt „Wörter einfügen...“ viele Wörter auf einmal hinzu. Kopieren Sie die Wörter der Woche aus einer E-Mail, einem Dokument oder einer Tabelle und fügen Sie sie ein: ein Wort pro Zeile, danach, wenn Sie möchten, seine Bedeutung und ein Satz, getrennt durch Tabulatoren (die Spalten einer Tabelle), „ - “ oder „;“. Nummern und Aufzählungszeichen am Zeilenanfang werden weggelassen. Die Tabelle darunter zeigt, was hinzugefügt wird und welche Zeilen aus welchem Grund ausgelassen werden. Kreuzen Sie „Groß/klein beachten“ bei Wörtern an, deren Großbuchstaben zählen, und klicken Sie dann auf „Hinzufügen“.</translation>
    </message>
    <message>
        <source>The File menus can also import a word list from a CSV file or from a vocabulary file of KDE&apos;s Parley or KWordQuiz (.kvtml), export a list to either, or export it with its recordings to a folder, for another computer.</source>
        <translation>Über das Menü „Datei“ können Sie außerdem eine Wortliste aus einer CSV-Datei oder aus einer Vokabeldatei von Parley oder KWordQuiz aus KDE (.kvtml) importieren, eine Liste in eines dieser Formate exportieren oder sie mit ihren Aufnahmen in einen Ordner exportieren, für einen anderen Computer.</translation>
    </message>
    <message>
        <source>&apos;Print a Paper Test...&apos; prints the list as a test to write on, with the definitions and sentences as clues and the word itself never shown, or the answer key in the same order. Either can be saved as a PDF file.</source>
        <translation>„Papiertest drucken...“ druckt die Liste als Test zum Ausfüllen, mit den Bedeutungen und Beispielsätzen als Hinweisen und ohne das Wort selbst, oder die Lösungen in derselben Reihenfolge. Beides kann auch als PDF-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source>Names, Dates and Family Settings</source>
        <translation>Namen, Daten und Familieneinstellungen</translation>
    </message>
    <message>
        <source>A list may have a name (&apos;Week 12&apos;, &apos;Spelling bee&apos;) as well as its test date: type it in the New List window, or in the list editor&apos;s &apos;List name&apos; box. The main window shows it beside the test date, and so do the windows of the list&apos;s results and what is printed. An imported list is named after its file.</source>
        <translation>Eine Liste kann außer ihrem Testtag einen Namen haben („Woche 12“, „Buchstabierwettbewerb“): Geben Sie ihn im Fenster „Neue Liste“ ein oder im Feld „Name der Liste“ des Listen-Editors. Das Hauptfenster zeigt ihn neben dem Testtag, ebenso die Fenster mit den Ergebnissen der Liste und alles Gedruckte. Eine importierte Liste bekommt den Namen ihrer Datei.</translation>
    </message>
    <message>
        <source>Dates are typed and shown with the numbers in your computer&apos;s order: day first where the computer puts the day first (18/12/2026), month first in the United States (12/18/2026).</source>
        <translation>Daten werden mit den Zahlen in der Reihenfolge Ihres Computers eingegeben und gezeigt: zuerst der Tag, wo der Computer den Tag zuerst schreibt (18.12.2026), zuerst der Monat in den USA (12/18/2026).</translation>
    </message>
    <message>
        <source>Lettermarch copies your lists into the Backups folder at the first start of each day and again when it closes after you changed something, keeping the last 10 copies. File &gt; Restore a Backup... says when each copy was taken and what it holds.</source>
        <translation>Lettermarch kopiert Ihre Listen beim ersten Start jedes Tages in den Ordner Backups und noch einmal beim Beenden, wenn Sie etwas geändert haben; es behält die letzten 10 Kopien. Datei &gt; Sicherung wiederherstellen... zeigt, wann jede Kopie angelegt wurde und was sie enthält.</translation>
    </message>
    <message>
        <source>Seeing Progress</source>
        <translation>Fortschritte sehen</translation>
    </message>
    <message>
        <source>Past Tests shows a chart beside the list of tests: each test is a point, with its score and the number of words right at the first try. Click a point to see that test&apos;s results.</source>
        <translation>„Frühere Tests“ zeigt neben der Liste der Tests ein Diagramm: Jeder Test ist ein Punkt, mit seinem Ergebnis und der Zahl der Wörter, die beim ersten Versuch richtig waren. Klicken Sie auf einen Punkt, um das Ergebnis dieses Tests zu sehen.</translation>
    </message>
    <message>
        <source>Trouble Words (in the File menu of the main window, and a button in Past Tests) lists the words with the most wrong answers, with how often each was right at the first try, how often the test moved on, and the misspelling typed most often. Click a heading to sort; double-click a word to open its list.</source>
        <translation>„Schwierige Wörter“ (im Menü „Datei“ des Hauptfensters und als Schaltfläche in „Frühere Tests“) zeigt die Wörter mit den meisten falschen Antworten, dazu, wie oft jedes beim ersten Versuch richtig war, wie oft der Test weitergegangen ist und welche falsche Schreibweise am häufigsten getippt wurde. Klicken Sie auf eine Spaltenüberschrift, um zu sortieren; ein Doppelklick auf ein Wort öffnet seine Liste.</translation>
    </message>
    <message>
        <source>Practise Missed Words (in Test Results and Trouble Words) starts a test of only the words you tick; the words not right at the first try come ticked. Its results count only those words, and every other test keeps its score.</source>
        <translation>„Verpasste Wörter üben“ (im Testergebnis und in „Schwierige Wörter“) beginnt einen Test nur mit den Wörtern, die Sie ankreuzen; die Wörter, die beim ersten Versuch nicht richtig waren, sind schon angekreuzt. Sein Ergebnis zählt nur diese Wörter, und jeder andere Test behält sein Ergebnis.</translation>
    </message>
    <message>
        <source>Several Children</source>
        <translation>Mehrere Kinder</translation>
    </message>
    <message>
        <source>Each child has lists, tests and recordings of their own. File &gt; Add a Child... in the main window adds one; the first time, it also asks the name of the child who has used Lettermarch so far, whose lists stay exactly where they were.</source>
        <translation>Jedes Kind hat eigene Listen, Tests und Aufnahmen. Datei &gt; Kind hinzufügen... im Hauptfenster fügt eines hinzu; beim ersten Mal wird auch nach dem Namen des Kindes gefragt, das Lettermarch bisher benutzt hat – seine Listen bleiben genau, wo sie sind.</translation>
    </message>
    <message>
        <source>With two children or more, Lettermarch first asks who is practising: choose a name with the arrow keys or its first letter and press Enter. File &gt; Switch Child... asks again without closing the program. The child&apos;s name is at the end of every window&apos;s title, on the About window and on printed tests and results.</source>
        <translation>Bei zwei oder mehr Kindern fragt Lettermarch zuerst, wer übt: Wählen Sie einen Namen mit den Pfeiltasten oder seinem ersten Buchstaben und drücken Sie die Eingabetaste. Datei &gt; Kind wechseln... fragt erneut, ohne das Programm zu schließen. Der Name des Kindes steht am Ende jedes Fenstertitels, im Fenster „Über Lettermarch“ und auf gedruckten Tests und Ergebnissen.</translation>
    </message>
    <message>
        <source>In that window, Rename... changes a name and Remove... puts a child&apos;s lists aside in the Removed folder (they are never deleted at once; to bring them back, move the folder back into Children while Lettermarch is closed). File &gt; Copy the List to Another Child... gives a brother or sister the same words and recordings.</source>
        <translation>In diesem Fenster ändert „Umbenennen...“ einen Namen, und „Entfernen...“ legt die Listen eines Kindes in den Ordner Removed (sie werden nie sofort gelöscht; um sie zurückzuholen, verschieben Sie den Ordner, während Lettermarch geschlossen ist, zurück nach Children). Datei &gt; Liste an anderes Kind kopieren... gibt einem Bruder oder einer Schwester dieselben Wörter und Aufnahmen.</translation>
    </message>
    <message>
        <source>Parent&apos;s Lock... (Options, General Defaults) sets a PIN: the list editor, New List, Delete List, Import, Options, Restore a Backup and removing a child then ask for it, for every child; tests, results and Trouble Words do not. After five wrong PINs the next try waits 30 seconds. The lock keeps a child out of the parent&apos;s windows; it does not protect against someone using your own account. A forgotten PIN: close Lettermarch, open Family.json in the data folder with a text editor and delete its &quot;pin&quot; entry (the lines from &quot;pin&quot; to its closing brace, and the comma before them).</source>
        <translation>Elternsperre... (Einstellungen, Allgemein) legt eine PIN fest: Der Listen-Editor, Neue Liste, Liste löschen, Import, Einstellungen, Sicherung wiederherstellen und das Entfernen eines Kindes fragen dann nach ihr, bei jedem Kind; Tests, Ergebnisse und Schwierige Wörter nicht. Nach fünf falschen PINs muss man 30 Sekunden warten. Die Sperre hält ein Kind aus den Fenstern der Eltern heraus; sie schützt nicht vor jemandem, der Ihr eigenes Benutzerkonto verwendet. PIN vergessen? Schließen Sie Lettermarch, öffnen Sie Family.json im Datenordner mit einem Texteditor und löschen Sie den Eintrag „pin“ (die Zeilen von &quot;pin&quot; bis zu seiner schließenden geschweiften Klammer und das Komma davor).</translation>
    </message>
    <message>
        <source>Under Options, on the General Defaults page: &apos;Hide the word in its clues&apos; blanks the word out of its definition and sentence during a test (reading a clue aloud says &apos;blank&apos; in its place); &apos;Say when only the capital letters are wrong&apos; tells the child so; &apos;Refuse a date that cannot be read&apos; keeps a mistyped date in its box with a message instead of replacing it. A database made by this version has all three on; one from an earlier version keeps working as it did until you tick them.</source>
        <translation>Unter Einstellungen, auf der Seite „Allgemein“: „Das Wort in seinen Hinweisen verbergen“ ersetzt das Wort im Test in seiner Bedeutung und seinem Beispielsatz durch eine Lücke (beim Vorlesen eines Hinweises heißt es dann „Lücke“); „Sagen, wenn nur die Großbuchstaben falsch sind“ sagt es dem Kind; „Ein unlesbares Datum ablehnen“ lässt ein vertipptes Datum mit einer Meldung im Feld stehen, statt es zu ersetzen. Eine Datenbank, die mit dieser Version angelegt wurde, hat alle drei eingeschaltet; eine aus einer früheren Version arbeitet weiter wie bisher, bis Sie sie ankreuzen.</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Lettermarch speaks your computer&apos;s language when it has a translation for it: English, German, French or Spanish. To choose another one, pick it under Options, General Defaults, Language (it is used from the next start), or start the program with --lang and a language code, for example --lang fr.</source>
        <translation>Lettermarch spricht die Sprache Ihres Computers, wenn es eine Übersetzung dafür hat: Englisch, Deutsch, Französisch oder Spanisch. Eine andere Sprache wählen Sie unter Einstellungen, Allgemein, Sprache (sie gilt ab dem nächsten Start), oder Sie starten das Programm mit --lang und einem Sprachcode, zum Beispiel --lang fr.</translation>
    </message>
    <message>
        <source>A list&apos;s words may be in another language, such as the French words a child learns at school. Choose the list&apos;s Language in the list editor: the computer voice then says its words, definitions and sentences with that language&apos;s sounds. Your recordings play as they are. An imported vocabulary file (.kvtml) gives a list without a language the one the file names.</source>
        <translation>Die Wörter einer Liste können in einer anderen Sprache sein, etwa die französischen Wörter, die ein Kind in der Schule lernt. Wählen Sie im Listen-Editor unter „Sprache“ die Sprache der Liste: Die Computerstimme spricht dann ihre Wörter, Erklärungen und Sätze mit der Aussprache dieser Sprache. Ihre Aufnahmen werden unverändert abgespielt. Eine importierte Vokabeldatei (.kvtml) gibt einer Liste ohne Sprache die Sprache, die in der Datei steht.</translation>
    </message>
    <message>
        <source>The Voice page of Options lists the languages that have a voice. The flite voice speaks English only; the packages qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng add voices for German, French, Spanish and about a hundred other languages. A list in a language without a voice is said so once; the test goes on, and the words you recorded are still spoken.</source>
        <translation>Die Seite „Stimme“ der Einstellungen zeigt, welche Sprachen eine Stimme haben. Die Stimme flite spricht nur Englisch; die Pakete qt6-speech-speechd-plugin und speech-dispatcher-espeak-ng bringen Stimmen für Deutsch, Französisch, Spanisch und rund hundert weitere Sprachen mit. Bei einer Liste in einer Sprache ohne Stimme sagt Lettermarch das einmal; der Test geht weiter, und Ihre aufgenommenen Wörter werden weiterhin abgespielt.</translation>
    </message>
</context>
<context>
    <name>Kvtml</name>
    <message>
        <source>This is not a vocabulary file: it is not readable XML (%1, line %2).</source>
        <translation>Das ist keine Vokabeldatei: Sie ist kein lesbares XML (%1, Zeile %2).</translation>
    </message>
    <message>
        <source>This is not a vocabulary file (KVTML): it has no kvtml element.</source>
        <translation>Das ist keine Vokabeldatei (KVTML): Ihr fehlt das kvtml-Element.</translation>
    </message>
    <message>
        <source>This vocabulary file is in version %1 of the format; Lettermarch reads version 2, which KDE&apos;s vocabulary programs have written since 2008.</source>
        <translation>Diese Vokabeldatei hat Version %1 des Formats; Lettermarch liest Version 2, die die Vokabelprogramme von KDE seit 2008 schreiben.</translation>
    </message>
    <message>
        <source>This vocabulary file is damaged: %1 (line %2).</source>
        <translation>Diese Vokabeldatei ist beschädigt: %1 (Zeile %2).</translation>
    </message>
</context>
<context>
    <name>ListExport</name>
    <message>
        <source>Spelling words for %1</source>
        <translation>Lernwörter für %1</translation>
    </message>
    <message>
        <source>The list could not be saved as %1: %2</source>
        <translation>Die Liste konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 is a link to somewhere else, so nothing was written. Choose another folder, or remove the link.</source>
        <translation>%1 ist ein Verweis auf einen anderen Ort, darum wurde nichts geschrieben. Wählen Sie einen anderen Ordner oder entfernen Sie den Verweis.</translation>
    </message>
    <message>
        <source>The folder %1 could not be made.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The recording of &quot;%1&quot; could not be copied to %2.</source>
        <translation>Die Aufnahme von „%1“ konnte nicht nach %2 kopiert werden.</translation>
    </message>
</context>
<context>
    <name>ListFiles</name>
    <message>
        <source>Word lists (*.csv *.kvtml);;CSV files (*.csv);;KDE vocabulary files (*.kvtml);;All files (*)</source>
        <translation>Wortlisten (*.csv *.kvtml);;CSV-Dateien (*.csv);;KDE-Vokabeldateien (*.kvtml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import Words</source>
        <translation>Wörter importieren</translation>
    </message>
    <message>
        <source>

Nothing was imported.</source>
        <translation>

Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;KDE vocabulary files (*.kvtml)</source>
        <translation>CSV-Dateien (*.csv);;KDE-Vokabeldateien (*.kvtml)</translation>
    </message>
    <message>
        <source>There is already a file %1. Replace it?</source>
        <translation>Es gibt schon eine Datei %1. Ersetzen?</translation>
    </message>
    <message>
        <source>The list was saved as %1.</source>
        <translation>Die Liste wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>Export with Recordings</source>
        <translation>Mit Aufnahmen exportieren</translation>
    </message>
    <message>
        <source>The folder %1 already holds an export of this list. Replace it?</source>
        <translation>Im Ordner %1 liegt schon ein Export dieser Liste. Ersetzen?</translation>
    </message>
    <message>
        <source>The list and its recordings were saved in the folder %1.</source>
        <translation>Die Liste und ihre Aufnahmen wurden im Ordner %1 gespeichert.</translation>
    </message>
    <message>
        <source>The list&apos;s language could not be saved: %1</source>
        <translation>Die Sprache der Liste konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>ListLanguage</name>
    <message>
        <source>en</source>
        <comment>the code of this translation&apos;s language</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>ListStore</name>
    <message>
        <source>word lists</source>
        <translation>Wortlisten</translation>
    </message>
    <message>
        <source>words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Lettermarch cannot add any more %1 to this database: every number it can give them has been used.

Nothing was changed.</source>
        <translation>Lettermarch kann dieser Datenbank keine weiteren %1 hinzufügen: Alle Nummern, die es vergeben kann, sind verbraucht.

Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>MessageTimes</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Indefinately</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>1 Second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
</context>
<context>
    <name>Modules</name>
    <message>
        <source>The print preview cannot be shown: Qt&apos;s printing library could not be loaded (Debian package libqt6printsupport6).</source>
        <translation>Die Druckvorschau kann nicht gezeigt werden: Die Druckbibliothek von Qt konnte nicht geladen werden (Debian-Paket libqt6printsupport6).</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The PDF file cannot be written in the folder %1.</source>
        <translation>Die PDF-Datei kann im Ordner %1 nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>Die PDF-Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>nothing was made.</source>
        <translation>es wurde nichts erstellt.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Printouts</name>
    <message>
        <source>&lt;p&gt;Name: %1 &amp;nbsp;&amp;nbsp; Date: ______________&lt;/p&gt;</source>
        <translation>&lt;p&gt;Name: %1 &amp;nbsp;&amp;nbsp; Datum: ______________&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;i&gt;Meaning:&lt;/i&gt; </source>
        <translation>&lt;i&gt;Bedeutung:&lt;/i&gt; </translation>
    </message>
    <message>
        <source>&lt;i&gt;Sentence:&lt;/i&gt; </source>
        <translation>&lt;i&gt;Satz:&lt;/i&gt; </translation>
    </message>
    <message>
        <source>&lt;i&gt;Listen to the word.&lt;/i&gt;</source>
        <translation>&lt;i&gt;Hör dir das Wort an.&lt;/i&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;For &lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;Für &lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source> &lt;i&gt;(capitals count)&lt;/i&gt;</source>
        <translation> &lt;i&gt;(auf Groß- und Kleinschreibung achten)&lt;/i&gt;</translation>
    </message>
    <message>
        <source>: answers</source>
        <translation>: Lösungen</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;Child:&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Kind:&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>&lt;tr&gt;&lt;td&gt;List:&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</source>
        <translation>&lt;tr&gt;&lt;td&gt;Liste:&lt;/td&gt;&lt;td&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/td&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>Words on Test:</source>
        <translation>Wörter im Test:</translation>
    </message>
    <message>
        <source>First Try:</source>
        <translation>Beim ersten Versuch:</translation>
    </message>
    <message>
        <source>Moved on:</source>
        <translation>Weitergegangen:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;h3&gt;Words&lt;/h3&gt;&lt;table width=&quot;100%&quot; border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;&lt;tr&gt;&lt;th align=&quot;left&quot;&gt;Word&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Result&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Typed&lt;/th&gt;&lt;/tr&gt;</source>
        <translation>&lt;/table&gt;&lt;h3&gt;Wörter&lt;/h3&gt;&lt;table width=&quot;100%&quot; border=&quot;1&quot; cellpadding=&quot;4&quot; cellspacing=&quot;0&quot;&gt;&lt;tr&gt;&lt;th align=&quot;left&quot;&gt;Wort&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Ergebnis&lt;/th&gt;&lt;th align=&quot;left&quot;&gt;Geschrieben&lt;/th&gt;&lt;/tr&gt;</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>Testergebnis</translation>
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
        <translation>Die Datenbank ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>QtVoice</name>
    <message>
        <source>The computer voice does not work on this computer.</source>
        <translation>Die Computerstimme funktioniert auf diesem Computer nicht.</translation>
    </message>
    <message>
        <source>The computer voice has no voices installed.</source>
        <translation>Für die Computerstimme sind keine Stimmen installiert.</translation>
    </message>
</context>
<context>
    <name>RecordingFiles</name>
    <message>
        <source>The recording %1 is too long to play: a word&apos;s recording may last up to %2 minutes.</source>
        <translation>Die Aufnahme %1 ist zu lang zum Abspielen: Die Aufnahme eines Wortes darf höchstens %2 Minuten dauern.</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>It is not a file.</source>
        <translation>Das ist keine Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file is empty (0 bytes), so it holds no word lists. It may be left over from a copy that did not finish.</source>
        <translation>Die Datei ist leer (0 Byte) und enthält keine Wortlisten. Vielleicht stammt sie von einem Kopiervorgang, der nicht fertig wurde.</translation>
    </message>
    <message>
        <source>The file is not a Lettermarch database. It may be damaged, or it may belong to another program.</source>
        <translation>Die Datei ist keine Lettermarch-Datenbank. Vielleicht ist sie beschädigt oder gehört zu einem anderen Programm.</translation>
    </message>
    <message>
        <source>The file is damaged: it is shorter than the database it holds says it should be, so part of it is missing.</source>
        <translation>Die Datei ist beschädigt: Sie ist kürzer, als die Datenbank darin angibt; ein Teil fehlt.</translation>
    </message>
    <message>
        <source>The file cannot be changed (it is read-only, or you lack permission to write it).</source>
        <translation>Die Datei kann nicht geändert werden (sie ist schreibgeschützt, oder Ihnen fehlt die Berechtigung, sie zu schreiben).</translation>
    </message>
    <message>
        <source>The file is in use by another program.</source>
        <translation>Die Datei wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>The file is not a Lettermarch database, or it is damaged (%1).</source>
        <translation>Die Datei ist keine Lettermarch-Datenbank oder sie ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>The file is damaged (%1).</source>
        <translation>Die Datei ist beschädigt (%1).</translation>
    </message>
    <message>
        <source>The file is damaged. The database&apos;s own check found:
%1</source>
        <translation>Die Datei ist beschädigt. Die Prüfung der Datenbank fand:
%1</translation>
    </message>
    <message>
        <source>The file is in use by another program (%1).</source>
        <translation>Die Datei wird von einem anderen Programm benutzt (%1).</translation>
    </message>
    <message>
        <source>The file cannot be changed (%1).</source>
        <translation>Die Datei kann nicht geändert werden (%1).</translation>
    </message>
    <message>
        <source>The table %1 has no column %2, so this is not a database Lettermarch can use.</source>
        <translation>Der Tabelle %1 fehlt die Spalte %2; Lettermarch kann diese Datenbank nicht benutzen.</translation>
    </message>
    <message>
        <source>The database could not be prepared (%1).</source>
        <translation>Die Datenbank konnte nicht vorbereitet werden (%1).</translation>
    </message>
    <message>
        <source>The database could not be created (%1).</source>
        <translation>Die Datenbank konnte nicht angelegt werden (%1).</translation>
    </message>
</context>
<context>
    <name>ScoreChartView</name>
    <message>
        <source>Score (%)</source>
        <translation>Ergebnis (%)</translation>
    </message>
    <message>
        <source>Right at the first try</source>
        <translation>Beim ersten Versuch richtig</translation>
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
        <translation>Nach %1 Versuchen nicht richtig</translation>
    </message>
    <message>
        <source>Correct on the first attempt</source>
        <translation>Beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>Correct on 2nd attempt</source>
        <translation>Beim 2. Versuch richtig</translation>
    </message>
    <message>
        <source>Correct after %1 incorrect attempts</source>
        <translation>Richtig nach %1 falschen Versuchen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>not correct after %1 attempts</source>
        <translation>nach %1 Versuchen nicht richtig</translation>
    </message>
    <message>
        <source>correct on the first attempt</source>
        <translation>beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>correct on 2nd attempt</source>
        <translation>beim 2. Versuch richtig</translation>
    </message>
    <message>
        <source>correct after %1 incorrect attempts</source>
        <translation>richtig nach %1 falschen Versuchen</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Lettermarch cannot create its data folder:

%1

Lettermarch will now close.</source>
        <translation>Lettermarch kann seinen Datenordner nicht anlegen:

%1

Lettermarch wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Lettermarch cannot use its database file:

%1

%2

The file has been left exactly as it was. Lettermarch will now close.</source>
        <translation>Lettermarch kann seine Datenbankdatei nicht benutzen:

%1

%2

Die Datei ist genau so geblieben, wie sie war. Lettermarch wird jetzt beendet.</translation>
    </message>
    <message>
        <source>Lettermarch starts with the children it could find.

</source>
        <translation>Lettermarch startet mit den Kindern, die es finden konnte.

</translation>
    </message>
    <message>
        <source>Choose a list first.</source>
        <translation>Wählen Sie zuerst eine Liste.</translation>
    </message>
    <message>
        <source>Copy the List</source>
        <translation>Liste kopieren</translation>
    </message>
    <message>
        <source>Give a copy of this list, with its recordings, to:</source>
        <translation>Eine Kopie dieser Liste mit ihren Aufnahmen geben an:</translation>
    </message>
    <message>
        <source>%1&apos;s lists are open in another copy of Lettermarch. Close it first.</source>
        <translation>Die Listen von %1 sind in einem anderen Lettermarch-Fenster geöffnet. Schließen Sie es zuerst.</translation>
    </message>
    <message>
        <source>%1&apos;s lists cannot be opened:

%2

Nothing was copied.</source>
        <translation>Die Listen von %1 können nicht geöffnet werden:

%2

Es wurde nichts kopiert.</translation>
    </message>
    <message>
        <source>%1 already has a list for %2 with this name. Copy it as one more list?</source>
        <translation>%1 hat schon eine Liste für %2 mit diesem Namen. Als weitere Liste kopieren?</translation>
    </message>
    <message>
        <source>Nothing was copied: %1</source>
        <translation>Es wurde nichts kopiert: %1</translation>
    </message>
    <message>
        <source>%1 already has a recording of &quot;%2&quot;. Replace it with this list&apos;s?</source>
        <translation>%1 hat schon eine Aufnahme von „%2“. Durch die dieser Liste ersetzen?</translation>
    </message>
    <message>
        <source>The list was copied to %1&apos;s lists.</source>
        <translation>Die Liste wurde zu den Listen von %1 kopiert.</translation>
    </message>
    <message>
        <source>The list was copied to %1&apos;s lists, but the recordings of these words could not be: %2</source>
        <translation>Die Liste wurde zu den Listen von %1 kopiert, die Aufnahmen dieser Wörter aber nicht: %2</translation>
    </message>
    <message>
        <source>Too many wrong PINs. Try again in %1 seconds.</source>
        <translation>Zu viele falsche PINs. Versuchen Sie es in %1 Sekunden wieder.</translation>
    </message>
    <message>
        <source>That is not the parent&apos;s PIN. After five wrong PINs, the next try waits 30 seconds.</source>
        <translation>Das ist nicht die PIN der Eltern. Nach fünf falschen PINs muss man 30 Sekunden warten.</translation>
    </message>
    <message>
        <source>That is not the parent&apos;s PIN.</source>
        <translation>Das ist nicht die PIN der Eltern.</translation>
    </message>
    <message>
        <source>The lock could not be saved, so it is as it was:

%1</source>
        <translation>Die Sperre konnte nicht gespeichert werden und bleibt, wie sie war:

%1</translation>
    </message>
    <message>
        <source>The parent&apos;s lock is on.</source>
        <translation>Die Elternsperre ist eingeschaltet.</translation>
    </message>
    <message>
        <source>The parent&apos;s lock is off.</source>
        <translation>Die Elternsperre ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>The test settings could not be given to the new child: %1</source>
        <translation>Die Testeinstellungen konnten nicht für das neue Kind übernommen werden: %1</translation>
    </message>
    <message>
        <source>Open %1&apos;s lists now?</source>
        <translation>Die Listen von %1 jetzt öffnen?</translation>
    </message>
    <message>
        <source>Lettermarch is already open.

Please use the Lettermarch window that is already open. If you cannot find it, look for it on the taskbar.</source>
        <translation>Lettermarch ist schon geöffnet.

Bitte benutzen Sie das Lettermarch-Fenster, das schon offen ist. Wenn Sie es nicht finden, schauen Sie in der Taskleiste nach.</translation>
    </message>
    <message>
        <source>

Two copies of Lettermarch using one folder at the same time can lose answers and words. Go on only if no other copy of Lettermarch, on this computer or any other, is using this folder.

Go on?</source>
        <translation>

Wenn zwei Lettermarch-Fenster gleichzeitig einen Ordner benutzen, können Antworten und Wörter verloren gehen. Machen Sie nur weiter, wenn kein anderes Lettermarch, auf diesem oder einem anderen Computer, diesen Ordner benutzt.

Weitermachen?</translation>
    </message>
    <message>
        <source>Your lists as they are now could not be kept as a backup, so nothing was restored.</source>
        <translation>Ihre Listen konnten in ihrem jetzigen Stand nicht gesichert werden, darum wurde nichts wiederhergestellt.</translation>
    </message>
    <message>
        <source>The restored database cannot be used:

%1

Your lists as they were have been put back.</source>
        <translation>Die wiederhergestellte Datenbank kann nicht benutzt werden:

%1

Ihre Listen sind wieder so, wie sie waren.</translation>
    </message>
    <message>
        <source>The database cannot be used:

%1

Lettermarch will now close.</source>
        <translation>Die Datenbank kann nicht benutzt werden:

%1

Lettermarch wird jetzt beendet.</translation>
    </message>
    <message>
        <source>

Your lists are as they were.</source>
        <translation>

Ihre Listen sind unverändert.</translation>
    </message>
    <message>
        <source>A word list is open for editing or testing. Please close it first.</source>
        <translation>Eine Wortliste ist zum Bearbeiten oder für einen Test geöffnet. Bitte schließen Sie sie zuerst.</translation>
    </message>
</context>
<context>
    <name>SqlErrors</name>
    <message>
        <source>unknown database error</source>
        <translation>unbekannter Datenbankfehler</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The folder that holds the file cannot be written to, so changes could not be saved safely.</source>
        <translation>In den Ordner der Datei kann nicht geschrieben werden, darum konnten Änderungen nicht sicher gespeichert werden.</translation>
    </message>
    <message>
        <source>The file is missing and the folder does not allow a new one to be created.</source>
        <translation>Die Datei fehlt, und im Ordner darf keine neue angelegt werden.</translation>
    </message>
    <message>
        <source>The database could not be opened: %1</source>
        <translation>Die Datenbank konnte nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>StoreDates</name>
    <message>
        <source>d</source>
        <comment>day in a date form</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>m</source>
        <comment>month in a date form</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>yyyy</source>
        <comment>year in a date form</comment>
        <translation>JJJJ</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>TestDefaultsControls</name>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Pronounce</source>
        <translation>Vorsprechen</translation>
    </message>
    <message>
        <source>The word will be pronounced during this test</source>
        <translation>Das Wort wird in diesem Test vorgesprochen</translation>
    </message>
    <message>
        <source>The word will be pronounced during practice tests</source>
        <translation>Das Wort wird in Übungstests vorgesprochen</translation>
    </message>
    <message>
        <source>Show Definition</source>
        <translation>Bedeutung zeigen</translation>
    </message>
    <message>
        <source>The definition will be displayed during this test</source>
        <translation>Die Bedeutung wird in diesem Test gezeigt</translation>
    </message>
    <message>
        <source>The definition will be displayed during practice tests</source>
        <translation>Die Bedeutung wird in Übungstests gezeigt</translation>
    </message>
    <message>
        <source>Show Context Sentence</source>
        <translation>Beispielsatz zeigen</translation>
    </message>
    <message>
        <source>The context sentence will be show during this test</source>
        <translation>Der Beispielsatz wird in diesem Test gezeigt</translation>
    </message>
    <message>
        <source>The context sentence will be show during practice tests</source>
        <translation>Der Beispielsatz wird in Übungstests gezeigt</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabetisch</translation>
    </message>
    <message>
        <source>Order Created</source>
        <translation>Wie eingegeben</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>The order that the words will appear on this test</source>
        <translation>Die Reihenfolge der Wörter in diesem Test</translation>
    </message>
    <message>
        <source>The order that the words will appear on practice tests</source>
        <translation>Die Reihenfolge der Wörter in Übungstests</translation>
    </message>
    <message>
        <source>Word Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Incorrect Answer Behavior</source>
        <translation>Bei falschen Antworten</translation>
    </message>
    <message>
        <source>The number of chances given to spell a word correctly before moving on to the next word</source>
        <translation>Wie viele Versuche das Kind für ein Wort hat, bevor das nächste Wort kommt</translation>
    </message>
    <message>
        <source>Go to the next word after</source>
        <translation>Zum nächsten Wort nach</translation>
    </message>
    <message>
        <source>incorrect answers</source>
        <translation>falschen Antworten</translation>
    </message>
    <message>
        <source>Reveal answers before moving on</source>
        <translation>Lösung vor dem nächsten Wort zeigen</translation>
    </message>
    <message>
        <source>Show the correct answer if the word is not spelled correctly after the specified number of chances</source>
        <translation>Die richtige Schreibweise zeigen, wenn das Wort nach den erlaubten Versuchen nicht richtig ist</translation>
    </message>
    <message>
        <source>Require the student to type the correct answer after it is revealed</source>
        <translation>Das Kind muss die gezeigte Lösung abschreiben</translation>
    </message>
    <message>
        <source>Require the student to correctly spell the word after it is show</source>
        <translation>Das Kind muss das Wort richtig schreiben, nachdem es gezeigt wurde</translation>
    </message>
    <message>
        <source>Clear Incorrect Answers</source>
        <translation>Falsche Antworten löschen</translation>
    </message>
    <message>
        <source>Clear the entire mispelled when an answer is incorrect</source>
        <translation>Ein falsch geschriebenes Wort wird ganz gelöscht</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Play Sound After Correct Answers</source>
        <translation>Ton nach richtigen Antworten</translation>
    </message>
    <message>
        <source>Play a notification sound when a word is spelled correctly</source>
        <translation>Einen Ton spielen, wenn ein Wort richtig geschrieben ist</translation>
    </message>
    <message>
        <source>Play Sound After Incorrect Answers</source>
        <translation>Ton nach falschen Antworten</translation>
    </message>
    <message>
        <source>Play a notification sound when a word is spelled incorrectly</source>
        <translation>Einen Ton spielen, wenn ein Wort falsch geschrieben ist</translation>
    </message>
    <message>
        <source>

    1. Pronounce
    2. Definition
    3. Context Sentence</source>
        <translation>

    1. Vorsprechen
    2. Bedeutung
    3. Beispielsatz</translation>
    </message>
</context>
<context>
    <name>TestSession</name>
    <message>
        <source>Check the capital letters</source>
        <translation>Achte auf die großen Buchstaben</translation>
    </message>
    <message>
        <source>Another program is using Lettermarch&apos;s database file, so your answer could not be saved yet.

It is kept, and it will be saved as soon as the file is free. You can go on with the test.</source>
        <translation>Ein anderes Programm benutzt die Datenbankdatei von Lettermarch, darum konnte deine Antwort noch nicht gespeichert werden.

Sie wird aufbewahrt und gespeichert, sobald die Datei frei ist. Du kannst mit dem Test weitermachen.</translation>
    </message>
    <message>
        <source>Another program is still using Lettermarch&apos;s database file, so this test could not be saved yet.

Nothing you typed is lost. Click OK to try again.</source>
        <translation>Ein anderes Programm benutzt noch die Datenbankdatei von Lettermarch, darum konnte dieser Test noch nicht gespeichert werden.

Nichts, was du geschrieben hast, geht verloren. Klicke auf OK, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Versuch es noch einmal</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>Lücke</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>No computer voice is installed on this computer. To add one, install the package qt6-speech-flite-plugin (for example with: sudo apt install qt6-speech-flite-plugin).</source>
        <translation>Auf diesem Computer ist keine Computerstimme installiert. Installieren Sie dafür das Paket qt6-speech-flite-plugin (zum Beispiel mit: sudo apt install qt6-speech-flite-plugin).</translation>
    </message>
</context>
<context>
    <name>VoiceOptions</name>
    <message>
        <source>The computer voice cannot speak %1 on this computer. Voices for many languages come with the packages qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng.</source>
        <translation>Die Computerstimme kann auf diesem Computer kein %1 sprechen. Stimmen für viele Sprachen bringen die Pakete qt6-speech-speechd-plugin und speech-dispatcher-espeak-ng mit.</translation>
    </message>
</context>
<context>
    <name>WeekDates</name>
    <message>
        <source>Today is %1 %2</source>
        <translation>Heute ist %1, %2</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>The disk may be full.</source>
        <translation>Vielleicht ist der Datenträger voll.</translation>
    </message>
</context>
<context>
    <name>WordEntry</name>
    <message>
        <source>its recording is not there</source>
        <translation>seine Aufnahme fehlt</translation>
    </message>
    <message>
        <source>its recording lies outside the imported file&apos;s folder</source>
        <translation>seine Aufnahme liegt außerhalb des Ordners der importierten Datei</translation>
    </message>
    <message>
        <source>its recording cannot be read</source>
        <translation>seine Aufnahme kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its recording is not a file</source>
        <translation>seine Aufnahme ist keine Datei</translation>
    </message>
    <message>
        <source>its recording is larger than %1 MB</source>
        <translation>seine Aufnahme ist größer als %1 MB</translation>
    </message>
    <message>
        <source>its recording is not a wave file</source>
        <translation>seine Aufnahme ist keine WAV-Datei</translation>
    </message>
    <message>
        <source>its recording lasts longer than %1 minutes</source>
        <translation>seine Aufnahme dauert länger als %1 Minuten</translation>
    </message>
</context>
<context>
    <name>WordImport</name>
    <message>
        <source>no word</source>
        <translation>kein Wort</translation>
    </message>
    <message>
        <source>has characters that cannot be typed</source>
        <translation>enthält Zeichen, die man nicht tippen kann</translation>
    </message>
    <message>
        <source>is longer than the word editor takes</source>
        <translation>ist länger, als der Wort-Editor erlaubt</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>steht schon in der Liste</translation>
    </message>
    <message>
        <source>appears twice</source>
        <translation>kommt doppelt vor</translation>
    </message>
    <message>
        <source>recording left out: %1</source>
        <translation>Aufnahme ausgelassen: %1</translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>Das ist keine Textdatei.</translation>
    </message>
    <message>
        <source>The file is not in the UTF-8 encoding. Save it as &quot;CSV UTF-8&quot; (or as Unicode text) in the program that made it, then import it again.</source>
        <translation>Die Datei ist nicht in UTF-8 kodiert. Speichern Sie sie in dem Programm, mit dem sie erstellt wurde, als „CSV UTF-8“ (oder als Unicode-Text) und importieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Es gibt keine Datei %1.</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a word list (%2 MB).</source>
        <translation>Die Datei %1 ist zu groß für eine Wortliste (%2 MB).</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 holds no words.</source>
        <translation>Die Datei %1 enthält keine Wörter.</translation>
    </message>
    <message>
        <source>The file %1 holds more than %2 words; a word list in Lettermarch holds at most %2.</source>
        <translation>Die Datei %1 enthält mehr als %2 Wörter; eine Wortliste in Lettermarch hat höchstens %2.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>The Lettermarch Project</source>
        <translation>Das Lettermarch-Projekt</translation>
    </message>
    <message>
        <source>Program Title:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>Virtual Version:</source>
        <translation>Virtuelle Version:</translation>
    </message>
    <message>
        <source>Hard Version:</source>
        <translation>Feste Version:</translation>
    </message>
    <message>
        <source>Questions, Comments, Tech Support:</source>
        <translation>Fragen, Anregungen, Hilfe:</translation>
    </message>
    <message>
        <source>On the web:</source>
        <translation>Im Netz:</translation>
    </message>
    <message>
        <source>Your lists are kept in:</source>
        <translation>Ihre Listen liegen in:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>%1&apos;s lists are kept in:</source>
        <translation>Die Listen von %1 liegen in:</translation>
    </message>
</context>
<context>
    <name>frmAddChild</name>
    <message>
        <source>Add a Child</source>
        <translation>Ein Kind hinzufügen</translation>
    </message>
    <message>
        <source>Name of the child who uses Lettermarch &amp;now</source>
        <translation>Name des Kindes, das Lettermarch &amp;jetzt benutzt</translation>
    </message>
    <message>
        <source>Name of the &amp;new child</source>
        <translation>Name des &amp;neuen Kindes</translation>
    </message>
    <message>
        <source>&amp;Same test settings as the child practising now</source>
        <translation>&amp;Dieselben Testeinstellungen wie das Kind, das gerade übt</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add this child</source>
        <translation>Dieses Kind hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Do not add a child</source>
        <translation>Kein Kind hinzufügen</translation>
    </message>
    <message>
        <source>The list of children could not be saved:

%1

%2 will be offered again at the next start, from the folder made for them.</source>
        <translation>Die Liste der Kinder konnte nicht gespeichert werden:

%1

%2 wird beim nächsten Start wieder angeboten, aus dem für das Kind angelegten Ordner.</translation>
    </message>
</context>
<context>
    <name>frmAskPin</name>
    <message>
        <source>Parent&apos;s Lock</source>
        <translation>Elternsperre</translation>
    </message>
    <message>
        <source>This window is for parents. Type the parent&apos;s &amp;PIN:</source>
        <translation>Dieses Fenster ist für Eltern. Geben Sie die &amp;PIN der Eltern ein:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Wer übt?</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Open the chosen child&apos;s lists</source>
        <translation>Die Listen des gewählten Kindes öffnen</translation>
    </message>
    <message>
        <source>Add Child...</source>
        <translation>Kind hinzufügen...</translation>
    </message>
    <message>
        <source>Add a child, with lists and tests of their own</source>
        <translation>Ein Kind mit eigenen Listen und Tests hinzufügen</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Change the chosen child&apos;s name</source>
        <translation>Den Namen des gewählten Kindes ändern</translation>
    </message>
    <message>
        <source>Remove...</source>
        <translation>Entfernen...</translation>
    </message>
    <message>
        <source>Put the chosen child&apos;s lists aside in the Removed folder</source>
        <translation>Die Listen des gewählten Kindes in den Ordner Removed legen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Exit Lettermarch</source>
        <translation>Lettermarch beenden</translation>
    </message>
    <message>
        <source>Stay with the lists open now</source>
        <translation>Bei den geöffneten Listen bleiben</translation>
    </message>
    <message>
        <source>The list of children could not be saved:

%1</source>
        <translation>Die Liste der Kinder konnte nicht gespeichert werden:

%1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Remove %1 from Lettermarch?

%1&apos;s lists, tests and recordings are put aside in the Removed folder, not deleted.</source>
        <translation>%1 aus Lettermarch entfernen?

Die Listen, Tests und Aufnahmen von %1 werden in den Ordner Removed gelegt, nicht gelöscht.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation>Möchten Sie %1 wirklich entfernen?</translation>
    </message>
    <message>
        <source>(no name yet)</source>
        <translation>(noch ohne Namen)</translation>
    </message>
</context>
<context>
    <name>frmChooseWords</name>
    <message>
        <source>Practise Missed Words</source>
        <translation>Verpasste Wörter üben</translation>
    </message>
    <message>
        <source>Tick &amp;All</source>
        <translation>&amp;Alle ankreuzen</translation>
    </message>
    <message>
        <source>Tick &amp;None</source>
        <translation>&amp;Keins ankreuzen</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;Üben</translation>
    </message>
    <message>
        <source>Start a test of the ticked words</source>
        <translation>Einen Test mit den angekreuzten Wörtern beginnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmDeleteOldList</name>
    <message>
        <source>Delete Old List...</source>
        <translation>Alte Liste löschen...</translation>
    </message>
    <message>
        <source>It is now past the scheduled test date of this word list.  Would you like to delete this list?</source>
        <translation>Der Testtag dieser Wortliste ist vorbei. Möchten Sie die Liste löschen?</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Angelegt:</translation>
    </message>
    <message>
        <source>Test Date:</source>
        <translation>Testtag:</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>Wörter:</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete this list</source>
        <translation>Diese Liste löschen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Does not delete this list, and you won&apos;t be prompted to delete this list again</source>
        <translation>Diese Liste wird nicht gelöscht, und Sie werden nicht noch einmal danach gefragt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Do not delete this list</source>
        <translation>Diese Liste nicht löschen</translation>
    </message>
    <message>
        <source>List Deleted</source>
        <translation>Liste gelöscht</translation>
    </message>
    <message>
        <source>List Ignored</source>
        <translation>Liste ignoriert</translation>
    </message>
    <message>
        <source>You will not be prompted to delete this list again.</source>
        <translation>Sie werden nicht noch einmal gefragt, ob diese Liste gelöscht werden soll.</translation>
    </message>
</context>
<context>
    <name>frmEditList</name>
    <message>
        <source>Edit Word List</source>
        <translation>Wortliste bearbeiten</translation>
    </message>
    <message>
        <source>Word Details</source>
        <translation>Wort im Einzelnen</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Context Sentence</source>
        <translation>Beispielsatz</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Groß/klein beachten</translation>
    </message>
    <message>
        <source>Pronounce</source>
        <translation>Vorsprechen</translation>
    </message>
    <message>
        <source>Hear the current recording</source>
        <translation>Die Aufnahme anhören</translation>
    </message>
    <message>
        <source>Test Totals</source>
        <translation>Testergebnisse</translation>
    </message>
    <message>
        <source>Total Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Correct on first attempt</source>
        <translation>Beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>Incorrect Guesses</source>
        <translation>Falsche Versuche</translation>
    </message>
    <message>
        <source>The number of times this word has appeared on a Lettermarch test</source>
        <translation>Wie oft dieses Wort in einem Lettermarch-Test vorkam</translation>
    </message>
    <message>
        <source>The number of times this word was spelled correctly on the first attempt on a test</source>
        <translation>Wie oft dieses Wort in einem Test beim ersten Versuch richtig geschrieben wurde</translation>
    </message>
    <message>
        <source>The number of times this word has been misspelled on a test</source>
        <translation>Wie oft dieses Wort in einem Test falsch geschrieben wurde</translation>
    </message>
    <message>
        <source>Add a word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <source>Add a word to this list</source>
        <translation>Ein Wort zu dieser Liste hinzufügen</translation>
    </message>
    <message>
        <source>Edit a word</source>
        <translation>Wort bearbeiten</translation>
    </message>
    <message>
        <source>Make changes to the definition, the context sentence, or pronounciation</source>
        <translation>Bedeutung, Beispielsatz oder Aufnahme ändern</translation>
    </message>
    <message>
        <source>Delete a word</source>
        <translation>Wort löschen</translation>
    </message>
    <message>
        <source>Delete the selected word from this list</source>
        <translation>Das gewählte Wort aus dieser Liste löschen</translation>
    </message>
    <message>
        <source>Paste words...</source>
        <translation>Wörter einfügen...</translation>
    </message>
    <message>
        <source>Add many words at once, pasted from a document or a spreadsheet</source>
        <translation>Viele Wörter auf einmal hinzufügen, eingefügt aus einem Dokument oder einer Tabelle</translation>
    </message>
    <message>
        <source>optional, e.g. Week 12</source>
        <translation>freiwillig, z. B. Woche 12</translation>
    </message>
    <message>
        <source>A name that tells this list apart from others</source>
        <translation>Ein Name, der diese Liste von anderen unterscheidet</translation>
    </message>
    <message>
        <source>List &amp;name</source>
        <translation>&amp;Name der Liste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Word...</source>
        <translation>&amp;Neues Wort...</translation>
    </message>
    <message>
        <source>&amp;Paste Words...</source>
        <translation>Wörter &amp;einfügen...</translation>
    </message>
    <message>
        <source>&amp;Import Words...</source>
        <translation>Wörter &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>Liste e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export with &amp;Recordings...</source>
        <translation>Mit &amp;Aufnahmen exportieren...</translation>
    </message>
    <message>
        <source>P&amp;rint a Paper Test...</source>
        <translation>Papier&amp;test drucken...</translation>
    </message>
    <message>
        <source>&amp;Copy to Another Child...</source>
        <translation>An anderes &amp;Kind kopieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>The name could not be saved: %1</source>
        <translation>Der Name konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Delete </source>
        <translation>Löschen: </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>The language of this list&apos;s words: the computer voice speaks them in it</source>
        <translation>Die Sprache der Wörter dieser Liste: Die Computerstimme spricht sie in dieser Sprache</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The program&apos;s language (%1)</source>
        <translation>Sprache des Programms (%1)</translation>
    </message>
    <message>
        <source>%1 (no voice)</source>
        <translation>%1 (keine Stimme)</translation>
    </message>
    <message>
        <source>The language could not be saved: %1</source>
        <translation>Die Sprache konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>frmEditWord</name>
    <message>
        <source>New Word</source>
        <translation>Neues Wort</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Word</source>
        <translation>&amp;Wort</translation>
    </message>
    <message>
        <source>&amp;Definition</source>
        <translation>&amp;Bedeutung</translation>
    </message>
    <message>
        <source>Context &amp;Sentence</source>
        <translation>Beispiel&amp;satz</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Groß/klein beachten</translation>
    </message>
    <message>
        <source>Pronounciation</source>
        <translation>Aussprache</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Record the pronounciation</source>
        <translation>Die Aussprache aufnehmen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Hear the current recording</source>
        <translation>Die Aufnahme anhören</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear the current recording</source>
        <translation>Die Aufnahme löschen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save this word</source>
        <translation>Dieses Wort speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Do not save changes</source>
        <translation>Änderungen nicht speichern</translation>
    </message>
    <message>
        <source>Edit Word </source>
        <translation>Wort bearbeiten: </translation>
    </message>
    <message>
        <source>Can not save a blank word.  Please type the word in the box provided.</source>
        <translation>Ein leeres Wort kann nicht gespeichert werden. Bitte geben Sie das Wort in das Feld ein.</translation>
    </message>
    <message>
        <source>At least one of the following items must be provided:
   1. A Definition
   2. A Context Sentence
or 3. A Recording of the word</source>
        <translation>Mindestens eines davon muss es geben:
   1. Eine Bedeutung
   2. Einen Beispielsatz
oder 3. Eine Aufnahme des Wortes</translation>
    </message>
    <message>
        <source>The word was saved, but its recording could not be stored in the folder
%1</source>
        <translation>Das Wort wurde gespeichert, aber seine Aufnahme konnte nicht im Ordner
%1
abgelegt werden</translation>
    </message>
    <message>
        <source>Word Saved</source>
        <translation>Wort gespeichert</translation>
    </message>
    <message>
        <source>In a test the word is spoken from this recording.</source>
        <translation>Im Test wird das Wort mit dieser Aufnahme vorgesprochen.</translation>
    </message>
    <message>
        <source>Without a recording, the computer voice speaks the word.</source>
        <translation>Ohne Aufnahme spricht die Computerstimme das Wort.</translation>
    </message>
    <message>
        <source>Without a recording, the word is not spoken in a test.</source>
        <translation>Ohne Aufnahme wird das Wort im Test nicht vorgesprochen.</translation>
    </message>
    <message>
        <source>Case sensitive indicates that the word must be typed exactly as it appears to be counted as correct</source>
        <translation>Groß/klein beachten heißt: Das Wort zählt nur als richtig, wenn es genau so geschrieben wird, auch groß und klein</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Topic:</source>
        <translation>Thema:</translation>
    </message>
</context>
<context>
    <name>frmLists</name>
    <message>
        <source>Existing Word Lists</source>
        <translation>Vorhandene Wortlisten</translation>
    </message>
    <message>
        <source>New List</source>
        <translation>Neue Liste</translation>
    </message>
    <message>
        <source>Create a new word list</source>
        <translation>Eine neue Wortliste anlegen</translation>
    </message>
    <message>
        <source>Edit List</source>
        <translation>Liste bearbeiten</translation>
    </message>
    <message>
        <source>Edit an existing word list</source>
        <translation>Eine vorhandene Wortliste bearbeiten</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Start a practice test</source>
        <translation>Einen Übungstest beginnen</translation>
    </message>
    <message>
        <source>Past Tests</source>
        <translation>Frühere Tests</translation>
    </message>
    <message>
        <source>View details of previous tests</source>
        <translation>Frühere Tests im Einzelnen ansehen</translation>
    </message>
    <message>
        <source>Delete List</source>
        <translation>Liste löschen</translation>
    </message>
    <message>
        <source>Delete the selected word list</source>
        <translation>Die gewählte Wortliste löschen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Change configurations, settings, and defaults</source>
        <translation>Einstellungen und Vorgaben ändern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit Lettermarch</source>
        <translation>Lettermarch beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listen</translation>
    </message>
    <message>
        <source>&amp;New List</source>
        <translation>&amp;Neue Liste</translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation>Liste &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Past Tests</source>
        <translation>&amp;Frühere Tests</translation>
    </message>
    <message>
        <source>&amp;Delete List</source>
        <translation>Liste &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Trouble Words...</source>
        <translation>&amp;Schwierige Wörter...</translation>
    </message>
    <message>
        <source>&amp;Import a List...</source>
        <translation>Liste &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export the List...</source>
        <translation>Liste e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print a Paper Test...</source>
        <translation>&amp;Papiertest drucken...</translation>
    </message>
    <message>
        <source>&amp;Restore a Backup...</source>
        <translation>Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Copy the List to Another Child...</source>
        <translation>Liste an anderes &amp;Kind kopieren...</translation>
    </message>
    <message>
        <source>S&amp;witch Child...</source>
        <translation>Kind we&amp;chseln...</translation>
    </message>
    <message>
        <source>A&amp;dd a Child...</source>
        <translation>Kind &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Hilfe zeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Lettermarch</translation>
    </message>
    <message>
        <source>School Test Date</source>
        <translation>Testtag in der Schule</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Please select a list to edit.</source>
        <translation>Bitte wählen Sie eine Liste zum Bearbeiten.</translation>
    </message>
    <message>
        <source>Please select a list to test.</source>
        <translation>Bitte wählen Sie eine Liste für den Test.</translation>
    </message>
    <message>
        <source>Please select a list.</source>
        <translation>Bitte wählen Sie eine Liste.</translation>
    </message>
    <message>
        <source>Please select a list to delete.</source>
        <translation>Bitte wählen Sie die Liste, die gelöscht werden soll.</translation>
    </message>
    <message>
        <source>Do you want to delete this list and all of it&apos;s words?</source>
        <translation>Möchten Sie diese Liste mit allen ihren Wörtern löschen?</translation>
    </message>
</context>
<context>
    <name>frmMessage</name>
    <message>
        <source>Message...</source>
        <translation>Meldung...</translation>
    </message>
</context>
<context>
    <name>frmNewList</name>
    <message>
        <source>New Word List</source>
        <translation>Neue Wortliste</translation>
    </message>
    <message>
        <source>Start of week</source>
        <translation>Wochenbeginn</translation>
    </message>
    <message>
        <source>End of week</source>
        <translation>Wochenende</translation>
    </message>
    <message>
        <source>Date of test</source>
        <translation>Testtag</translation>
    </message>
    <message>
        <source>A name that tells this list apart from others, such as Week 12</source>
        <translation>Ein Name, der diese Liste von anderen unterscheidet, zum Beispiel Woche 12</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Create a new word list</source>
        <translation>Eine neue Wortliste anlegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Do not create a new list</source>
        <translation>Keine neue Liste anlegen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date Lettermarch can read (%2).

Type the date as %3, for example %4.</source>
        <translation>„%1“ ist kein Datum, das Lettermarch lesen kann (%2).

Geben Sie das Datum als %3 ein, zum Beispiel %4.</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>freiwillig</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Settings</source>
        <translation>Einstellungen &amp;speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Skip Individual Test Setup</source>
        <translation>Testeinstellungen nicht vor jedem Test zeigen</translation>
    </message>
    <message>
        <source>Always use these defaults when starting a practice test</source>
        <translation>Diese Vorgaben immer für Übungstests verwenden</translation>
    </message>
    <message>
        <source>Test Defaults</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Sundays</source>
        <translation>Sonntags</translation>
    </message>
    <message>
        <source>Mondays</source>
        <translation>Montags</translation>
    </message>
    <message>
        <source>Tuesdays</source>
        <translation>Dienstags</translation>
    </message>
    <message>
        <source>Wednesdays</source>
        <translation>Mittwochs</translation>
    </message>
    <message>
        <source>Thursdays</source>
        <translation>Donnerstags</translation>
    </message>
    <message>
        <source>Fridays</source>
        <translation>Freitags</translation>
    </message>
    <message>
        <source>Saturdays</source>
        <translation>Samstags</translation>
    </message>
    <message>
        <source>The day of the week that the student normally has spelling tests at school</source>
        <translation>Der Wochentag, an dem das Kind in der Schule meist den Rechtschreibtest schreibt</translation>
    </message>
    <message>
        <source>School tests are normally on</source>
        <translation>Tests in der Schule meist</translation>
    </message>
    <message>
        <source>Prompt me to delete word lists after thier test dates</source>
        <translation>Nach dem Testtag fragen, ob Wortlisten gelöscht werden sollen</translation>
    </message>
    <message>
        <source>Alerts you when lists are past thier scheduled school test date</source>
        <translation>Erinnert Sie, wenn der Testtag einer Liste vorbei ist</translation>
    </message>
    <message>
        <source>The amount of time to display messages</source>
        <translation>Wie lange Meldungen zu sehen sind</translation>
    </message>
    <message>
        <source>Temporary Messages</source>
        <translation>Kurze Meldungen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Test the selected message time</source>
        <translation>Die gewählte Anzeigedauer ausprobieren</translation>
    </message>
    <message>
        <source>Parent&apos;s &amp;Lock...</source>
        <translation>Eltern&amp;sperre...</translation>
    </message>
    <message>
        <source>A PIN that keeps the windows that change lists and settings for parents</source>
        <translation>Eine PIN, die die Fenster zum Ändern von Listen und Einstellungen den Eltern vorbehält</translation>
    </message>
    <message>
        <source>Hide the word in its clues</source>
        <translation>Das Wort in seinen Hinweisen verbergen</translation>
    </message>
    <message>
        <source>During a test the word is blanked out of its definition and sentence</source>
        <translation>Im Test wird das Wort in Bedeutung und Beispielsatz durch eine Lücke ersetzt</translation>
    </message>
    <message>
        <source>Say when only the capital letters are wrong</source>
        <translation>Sagen, wenn nur die Großbuchstaben falsch sind</translation>
    </message>
    <message>
        <source>A case-sensitive word typed with the wrong capitals is told so</source>
        <translation>Bei einem Wort mit Groß- und Kleinschreibung wird gesagt, wenn nur die Großbuchstaben falsch sind</translation>
    </message>
    <message>
        <source>Refuse a date that cannot be read</source>
        <translation>Ein unlesbares Datum ablehnen</translation>
    </message>
    <message>
        <source>A new list&apos;s date that cannot be read is refused instead of replaced</source>
        <translation>Ein unlesbares Datum einer neuen Liste wird abgelehnt statt ersetzt</translation>
    </message>
    <message>
        <source>General Defaults</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Use the computer voice for words without a recording</source>
        <translation>Die Computerstimme für Wörter ohne Aufnahme verwenden</translation>
    </message>
    <message>
        <source>Words you have recorded are always spoken in your own voice</source>
        <translation>Wörter, die Sie aufgenommen haben, erklingen immer mit Ihrer eigenen Stimme</translation>
    </message>
    <message>
        <source>The computer voice to use</source>
        <translation>Welche Computerstimme spricht</translation>
    </message>
    <message>
        <source>The engine&apos;s own voice</source>
        <translation>Die Standardstimme</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>How fast the computer voice speaks</source>
        <translation>Wie schnell die Computerstimme spricht</translation>
    </message>
    <message>
        <source>Speaking rate</source>
        <translation>Sprechtempo</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Ausprobieren</translation>
    </message>
    <message>
        <source>Hear the computer voice</source>
        <translation>Die Computerstimme anhören</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Save these settings</source>
        <translation>Diese Einstellungen speichern</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vorgaben wiederherstellen</translation>
    </message>
    <message>
        <source>Restore all settings to thier defaults</source>
        <translation>Alle Einstellungen auf ihre Vorgaben zurücksetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Do not save changes</source>
        <translation>Änderungen nicht speichern</translation>
    </message>
    <message>
        <source>This is how your spelling words will sound.</source>
        <translation>So klingen deine Lernwörter.</translation>
    </message>
    <message>
        <source>Settings Saved</source>
        <translation>Einstellungen gespeichert</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to save these defaults:</source>
        <translation>Um diese Vorgaben zu speichern, müssen Sie mindestens eines der folgenden Kästchen ankreuzen:</translation>
    </message>
    <message>
        <source>Are you sure you want to restore all defaults?</source>
        <translation>Möchten Sie wirklich alle Vorgaben wiederherstellen?</translation>
    </message>
    <message>
        <source>Defaults Restored</source>
        <translation>Vorgaben wiederhergestellt</translation>
    </message>
    <message>
        <source>Testing</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Click To Close</source>
        <translation>Zum Schließen klicken</translation>
    </message>
    <message>
        <source>The language of Lettermarch&apos;s windows</source>
        <translation>Die Sprache der Fenster von Lettermarch</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Die Sprache des Systems</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Lettermarch speaks the language chosen from its next start.</source>
        <translation>Lettermarch spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>A list in one of these languages is spoken with its sounds</source>
        <translation>Eine Liste in einer dieser Sprachen wird mit ihrer eigenen Aussprache gesprochen</translation>
    </message>
    <message>
        <source>Languages with a voice</source>
        <translation>Sprachen mit einer Stimme</translation>
    </message>
</context>
<context>
    <name>frmPastTests</name>
    <message>
        <source>Past Tests</source>
        <translation>Frühere Tests</translation>
    </message>
    <message>
        <source>Select a test...</source>
        <translation>Einen Test wählen...</translation>
    </message>
    <message>
        <source>Total tests for this word list</source>
        <translation>Anzahl der Tests dieser Wortliste</translation>
    </message>
    <message>
        <source>Average score of all tests taken for this word list</source>
        <translation>Durchschnittliches Ergebnis aller Tests dieser Wortliste</translation>
    </message>
    <message>
        <source>Total Tests:</source>
        <translation>Tests:</translation>
    </message>
    <message>
        <source>Average Score:</source>
        <translation>Durchschnitt:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Trouble Words...</source>
        <translation>&amp;Schwierige Wörter...</translation>
    </message>
    <message>
        <source>The words of this list with the most wrong answers</source>
        <translation>Die Wörter dieser Liste mit den meisten falschen Antworten</translation>
    </message>
    <message>
        <source>Click a point to see that test</source>
        <translation>Klicken Sie auf einen Punkt, um diesen Test zu sehen</translation>
    </message>
    <message>
        <source>The chart cannot be shown: Qt&apos;s chart library could not be loaded (Debian package libqt6charts6).</source>
        <translation>Das Diagramm kann nicht gezeigt werden: Die Diagrammbibliothek von Qt konnte nicht geladen werden (Debian-Paket libqt6charts6).</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>No tests yet: each test&apos;s score will appear here.</source>
        <translation>Noch keine Tests: Hier erscheint das Ergebnis jedes Tests.</translation>
    </message>
    <message>
        <source>Scores of the tests of this list</source>
        <translation>Ergebnisse der Tests dieser Liste</translation>
    </message>
    <message>
        <source>Scores of the tests of %1</source>
        <translation>Ergebnisse der Tests von %1</translation>
    </message>
    <message>
        <source>Test %1, %2: %3, %4 right at the first try</source>
        <translation>Test %1, %2: %3, %4 beim ersten Versuch richtig</translation>
    </message>
</context>
<context>
    <name>frmPasteWords</name>
    <message>
        <source>Paste Words</source>
        <translation>Wörter einfügen</translation>
    </message>
    <message>
        <source>because	for the reason that	I stayed in because it rained.</source>
        <translation>weil	aus dem Grund, dass	Ich blieb drinnen, weil es regnete.</translation>
    </message>
    <message>
        <source>&amp;Paste or type one word a line. After the word, a definition and a sentence may follow, separated by tabs (as a spreadsheet copies them), &quot; - &quot; or &quot;;&quot;. Ctrl+Tab leaves the box.</source>
        <translation>&amp;Fügen Sie ein Wort pro Zeile ein oder tippen Sie es. Nach dem Wort können eine Bedeutung und ein Satz folgen, getrennt durch Tabulatoren (wie eine Tabellenkalkulation sie kopiert), „ - “ oder „;“. Strg+Tab verlässt das Feld.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Sentence</source>
        <translation>Satz</translation>
    </message>
    <message>
        <source>Case Sensitive</source>
        <translation>Groß/klein beachten</translation>
    </message>
    <message>
        <source>Skipped Because</source>
        <translation>Ausgelassen, weil</translation>
    </message>
    <message>
        <source>Tick the words that must be typed in the right case</source>
        <translation>Kreuzen Sie die Wörter an, bei denen Groß- und Kleinschreibung zählt</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add the words not skipped to the list</source>
        <translation>Die nicht ausgelassenen Wörter zur Liste hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Words</source>
        <translation>Wörter importieren</translation>
    </message>
    <message>
        <source>The words of %1, to be added to this list:</source>
        <translation>Die Wörter aus %1, die zu dieser Liste kommen:</translation>
    </message>
    <message>
        <source>The words of %1, to make a new list for the test on %2:</source>
        <translation>Die Wörter aus %1 für eine neue Liste zum Test am %2:</translation>
    </message>
    <message>
        <source>That is %1 lines; a list holds at most %2 words.</source>
        <translation>Das sind %1 Zeilen; eine Liste hat höchstens %2 Wörter.</translation>
    </message>
    <message>
        <source>No words yet.</source>
        <translation>Noch keine Wörter.</translation>
    </message>
    <message>
        <source>%1 to add, %2 skipped.</source>
        <translation>%1 zum Hinzufügen, %2 ausgelassen.</translation>
    </message>
    <message>
        <source> Words without a clue are added when the computer voice is on (Options, Voice tab): it then says them in the test.</source>
        <translation> Wörter ohne Hinweis werden hinzugefügt, wenn die Computerstimme eingeschaltet ist (Einstellungen, Seite Stimme): Sie spricht sie dann im Test.</translation>
    </message>
    <message>
        <source>Nothing was added: %1</source>
        <translation>Es wurde nichts hinzugefügt: %1</translation>
    </message>
    <message>
        <source>There is already a recording of &quot;%1&quot;. Replace it with the one from the imported file?</source>
        <translation>Es gibt schon eine Aufnahme von „%1“. Durch die aus der importierten Datei ersetzen?</translation>
    </message>
    <message>
        <source>The words were added, but the recordings of these could not be copied: %1</source>
        <translation>Die Wörter wurden hinzugefügt, aber die Aufnahmen dieser Wörter konnten nicht kopiert werden: %1</translation>
    </message>
</context>
<context>
    <name>frmPrintList</name>
    <message>
        <source>Print a Paper Test</source>
        <translation>Papiertest drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>A &amp;test to write on (the words are not shown)</source>
        <translation>Ein &amp;Test zum Ausfüllen (ohne die Wörter)</translation>
    </message>
    <message>
        <source>Its &amp;answer key</source>
        <translation>Die &amp;Lösungen dazu</translation>
    </message>
    <message>
        <source>Show the &amp;definitions as clues</source>
        <translation>&amp;Bedeutungen als Hinweise zeigen</translation>
    </message>
    <message>
        <source>Show the &amp;sentences as clues (the word blanked out)</source>
        <translation>Bei&amp;spielsätze als Hinweise zeigen (das Wort als Lücke)</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alphabetisch</translation>
    </message>
    <message>
        <source>Order Created</source>
        <translation>Wie eingegeben</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Word &amp;order:</source>
        <translation>&amp;Reihenfolge:</translation>
    </message>
    <message>
        <source>&amp;Preview and Print...</source>
        <translation>&amp;Vorschau und Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als P&amp;DF speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Spelling test</source>
        <translation>Rechtschreibtest</translation>
    </message>
</context>
<context>
    <name>frmRestoreBackup</name>
    <message>
        <source>Restore a Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Lettermarch keeps a copy of your lists each day it starts and each day it closes after a change, the last %1 of them.
Choose the copy to go back to:</source>
        <translation>Lettermarch bewahrt jeden Tag beim Start und nach einer Änderung beim Beenden eine Kopie Ihrer Listen auf, die letzten %1.
Wählen Sie die Kopie, zu der Sie zurückkehren möchten:</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Copy of</source>
        <translation>Kopie von</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Go back to the chosen copy</source>
        <translation>Zur gewählten Kopie zurückkehren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>the day&apos;s first start</source>
        <translation>erster Start des Tages</translation>
    </message>
    <message>
        <source>the day&apos;s work, at closing</source>
        <translation>Arbeit des Tages, beim Beenden</translation>
    </message>
    <message>
        <source>the lists before a restore</source>
        <translation>die Listen vor einer Wiederherstellung</translation>
    </message>
    <message>
        <source>This copy cannot be read, so it cannot be restored.</source>
        <translation>Diese Kopie ist unlesbar und kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Go back to the copy taken %1?

Word lists in it: %2; tests: %3. Your lists as they are now are kept as one more backup first.</source>
        <translation>Zur Kopie vom %1 zurückkehren?

Wortlisten darin: %2; Tests: %3. Ihre Listen werden vorher in ihrem jetzigen Stand als weitere Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>

Your lists are as they were.</source>
        <translation>

Ihre Listen sind unverändert.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
</context>
<context>
    <name>frmRevealAnswer</name>
    <message>
        <source>The Correct Answer Is...</source>
        <translation>Richtig ist...</translation>
    </message>
    <message>
        <source>Correct Spelling:</source>
        <translation>Richtige Schreibweise:</translation>
    </message>
    <message>
        <source>Type it:</source>
        <translation>Schreib es ab:</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Nächstes Wort</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>This word is case sensitive.
Please tray again.</source>
        <translation>Bei diesem Wort zählt die Groß- und Kleinschreibung.
Bitte versuch es noch einmal.</translation>
    </message>
    <message>
        <source>You must type the word correctly before moving on</source>
        <translation>Schreib das Wort richtig, bevor es weitergeht</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Versuch es noch einmal</translation>
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
        <translation>Elternsperre</translation>
    </message>
    <message>
        <source>With a PIN, the windows that change lists and settings (the list editor, New List, Delete List, Import, Options, Restore a Backup and removing a child) ask for it first. Tests, results and Trouble Words stay open to the child.</source>
        <translation>Mit einer PIN fragen die Fenster, die Listen und Einstellungen ändern (Listen-Editor, Neue Liste, Liste löschen, Import, Einstellungen, Sicherung wiederherstellen und das Entfernen eines Kindes), zuerst nach ihr. Tests, Ergebnisse und Schwierige Wörter bleiben für das Kind offen.</translation>
    </message>
    <message>
        <source>&amp;New PIN</source>
        <translation>&amp;Neue PIN</translation>
    </message>
    <message>
        <source>&amp;Type it again</source>
        <translation>&amp;Noch einmal eingeben</translation>
    </message>
    <message>
        <source>Change PIN</source>
        <translation>PIN ändern</translation>
    </message>
    <message>
        <source>Set PIN</source>
        <translation>PIN festlegen</translation>
    </message>
    <message>
        <source>Remove the Lock</source>
        <translation>Sperre aufheben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A PIN has at least %1 characters.</source>
        <translation>Eine PIN hat mindestens %1 Zeichen.</translation>
    </message>
    <message>
        <source>The two PINs differ. Type the same PIN twice.</source>
        <translation>Die beiden PINs sind verschieden. Geben Sie zweimal dieselbe PIN ein.</translation>
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
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Context Sentence</source>
        <translation>Beispielsatz</translation>
    </message>
    <message>
        <source>Pronounce</source>
        <translation>Vorsprechen</translation>
    </message>
    <message>
        <source>Pronounce the current word</source>
        <translation>Das Wort vorsprechen</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Next word</source>
        <translation>Nächstes Wort</translation>
    </message>
    <message>
        <source>Read aloud</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Read the definition aloud (Ctrl+1)</source>
        <translation>Die Bedeutung vorlesen (Strg+1)</translation>
    </message>
    <message>
        <source>Read the context sentence aloud (Ctrl+2)</source>
        <translation>Den Beispielsatz vorlesen (Strg+2)</translation>
    </message>
    <message>
        <source>

Words without a recording are not spoken in this test.</source>
        <translation>

Wörter ohne Aufnahme werden in diesem Test nicht vorgesprochen.</translation>
    </message>
    <message>
        <source>%1 answers of the test could not be saved: %2</source>
        <translation>%1 Antworten des Tests konnten nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 answers of the test could not be saved: another program still holds the database file.</source>
        <translation>%1 Antworten des Tests konnten nicht gespeichert werden: Ein anderes Programm hält die Datenbankdatei noch fest.</translation>
    </message>
    <message>
        <source>Word %1 of %2</source>
        <translation>Wort %1 von %2</translation>
    </message>
    <message>
        <source>%1 of this list&apos;s words cannot be asked, because the database holds it without an identifier (it may have been changed by another program).

The test goes on with the other words. To include the word, add the word again in the list editor.</source>
        <translation>%1 Wort dieser Liste kann nicht abgefragt werden, weil die Datenbank es ohne Kennung enthält (vielleicht wurde es von einem anderen Programm geändert).

Der Test geht mit den anderen Wörtern weiter. Damit das Wort dabei ist, fügen Sie es im Listen-Editor noch einmal hinzu.</translation>
    </message>
    <message>
        <source>%1 of this list&apos;s words cannot be asked, because the database holds them without an identifier (it may have been changed by another program).

The test goes on with the other words. To include those words, add those words again in the list editor.</source>
        <translation>%1 Wörter dieser Liste können nicht abgefragt werden, weil die Datenbank sie ohne Kennung enthält (vielleicht wurden sie von einem anderen Programm geändert).

Der Test geht mit den anderen Wörtern weiter. Damit diese Wörter dabei sind, fügen Sie sie im Listen-Editor noch einmal hinzu.</translation>
    </message>
    <message>
        <source>You have not completed the test.
Do you really want to quit?</source>
        <translation>Der Test ist noch nicht fertig.
Möchtest du wirklich aufhören?</translation>
    </message>
</context>
<context>
    <name>frmTestResults</name>
    <message>
        <source>Test Results</source>
        <translation>Testergebnis</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>The total time in minutes this test took</source>
        <translation>Wie viele Minuten dieser Test dauerte</translation>
    </message>
    <message>
        <source>Words on Test:</source>
        <translation>Wörter im Test:</translation>
    </message>
    <message>
        <source>The number of words on the test</source>
        <translation>Wie viele Wörter im Test waren</translation>
    </message>
    <message>
        <source>First Try:</source>
        <translation>Beim ersten Versuch:</translation>
    </message>
    <message>
        <source>The number of words spelled correctly on the first attempt</source>
        <translation>Wie viele Wörter beim ersten Versuch richtig waren</translation>
    </message>
    <message>
        <source>Moved on:</source>
        <translation>Weitergegangen:</translation>
    </message>
    <message>
        <source>The number of words that were not spelled correctly in the allotted number of attempts</source>
        <translation>Wie viele Wörter in den erlaubten Versuchen nicht richtig geschrieben wurden</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>The score for this test</source>
        <translation>Das Ergebnis dieses Tests</translation>
    </message>
    <message>
        <source>Click on a word to view the details</source>
        <translation>Klicken Sie auf ein Wort, um die Einzelheiten zu sehen</translation>
    </message>
    <message>
        <source>&amp;Practise Missed Words...</source>
        <translation>Verpasste Wörter &amp;üben...</translation>
    </message>
    <message>
        <source>A practice test of the words not right at the first try</source>
        <translation>Ein Übungstest mit den Wörtern, die beim ersten Versuch nicht richtig waren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this screen</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>P&amp;rint Results...</source>
        <translation>Ergebnis &amp;drucken...</translation>
    </message>
    <message>
        <source>Save Results as P&amp;DF...</source>
        <translation>Ergebnis als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Save Results as PDF</source>
        <translation>Ergebnis als PDF speichern</translation>
    </message>
    <message>
        <source>Test results %1.pdf</source>
        <translation>Testergebnis %1.pdf</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>right at the first try</source>
        <translation>beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>Test Again?</source>
        <translation>Noch einmal testen?</translation>
    </message>
    <message>
        <source>h:mm AP</source>
        <comment>time of day</comment>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Tick the words of this test to practise:</source>
        <translation>Kreuze die Wörter aus diesem Test an, die du üben möchtest:</translation>
    </message>
    <message>
        <source>Tick the words of this test of %1 to practise:</source>
        <translation>Kreuze die Wörter aus diesem Test von %1 an, die du üben möchtest:</translation>
    </message>
</context>
<context>
    <name>frmTestSetup</name>
    <message>
        <source>Test Setup</source>
        <translation>Testeinstellungen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Set as Default</source>
        <translation>Als Vorgabe speichern</translation>
    </message>
    <message>
        <source>Save these settings as the defaults settings for all practice tests</source>
        <translation>Diese Einstellungen als Vorgabe für alle Übungstests speichern</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>There was a problem loading the default settings.
Please use the Options screen to set defaults.</source>
        <translation>Die Vorgaben konnten nicht geladen werden.
Bitte legen Sie die Vorgaben unter Einstellungen fest.</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to proceed with the test:</source>
        <translation>Für den Test muss mindestens eines der folgenden Kästchen angekreuzt sein:</translation>
    </message>
    <message>
        <source>You must check at least one of the following boxes to save these defaults:</source>
        <translation>Um diese Vorgaben zu speichern, müssen Sie mindestens eines der folgenden Kästchen ankreuzen:</translation>
    </message>
    <message>
        <source>Settings Saved</source>
        <translation>Einstellungen gespeichert</translation>
    </message>
    <message>
        <source>Start the test now?</source>
        <translation>Den Test jetzt beginnen?</translation>
    </message>
    <message>
        <source>There was a problem saving these settings.
Please use the Options screen to set defaults.</source>
        <translation>Diese Einstellungen konnten nicht gespeichert werden.
Bitte legen Sie die Vorgaben unter Einstellungen fest.</translation>
    </message>
</context>
<context>
    <name>frmTestWordDetails</name>
    <message>
        <source>Word Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this screen</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
</context>
<context>
    <name>frmTroubleWords</name>
    <message>
        <source>Trouble Words</source>
        <translation>Schwierige Wörter</translation>
    </message>
    <message>
        <source>The word list whose words are shown</source>
        <translation>Die Wortliste, deren Wörter gezeigt werden</translation>
    </message>
    <message>
        <source>&amp;Words of:</source>
        <translation>&amp;Wörter aus:</translation>
    </message>
    <message>
        <source>%1&apos;s &amp;words of:</source>
        <translation>&amp;Wörter von %1 aus:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Wrong Answers</source>
        <translation>Falsche Antworten</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>First Try</source>
        <translation>Erster Versuch</translation>
    </message>
    <message>
        <source>Moved On</source>
        <translation>Weitergegangen</translation>
    </message>
    <message>
        <source>Most Frequent Misspelling</source>
        <translation>Häufigster Fehler</translation>
    </message>
    <message>
        <source>The school test date of the word&apos;s list</source>
        <translation>Der Testtag der Liste des Wortes</translation>
    </message>
    <message>
        <source>Wrong answers over all tests</source>
        <translation>Falsche Antworten in allen Tests</translation>
    </message>
    <message>
        <source>Finished tests that asked the word</source>
        <translation>Beendete Tests mit diesem Wort</translation>
    </message>
    <message>
        <source>Tests in which it was right at the first try</source>
        <translation>Tests, in denen es beim ersten Versuch richtig war</translation>
    </message>
    <message>
        <source>Tests in which it was not spelled correctly in the answers allowed</source>
        <translation>Tests, in denen es in den erlaubten Versuchen nicht richtig geschrieben wurde</translation>
    </message>
    <message>
        <source>&amp;Open List</source>
        <translation>Liste &amp;öffnen</translation>
    </message>
    <message>
        <source>Open the selected word&apos;s list in the list editor</source>
        <translation>Die Liste des gewählten Wortes im Listen-Editor öffnen</translation>
    </message>
    <message>
        <source>&amp;Practise Missed Words...</source>
        <translation>Verpasste Wörter &amp;üben...</translation>
    </message>
    <message>
        <source>A practice test of the selected words of one list</source>
        <translation>Ein Übungstest mit den gewählten Wörtern einer Liste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>All lists</source>
        <translation>Alle Listen</translation>
    </message>
    <message>
        <source>The list for %1</source>
        <translation>Die Liste für %1</translation>
    </message>
    <message>
        <source>No word has had a wrong answer yet.</source>
        <translation>Noch kein Wort wurde falsch beantwortet.</translation>
    </message>
    <message>
        <source>The %1 words with the most wrong answers.</source>
        <translation>Die %1 Wörter mit den meisten falschen Antworten.</translation>
    </message>
    <message>
        <source>Please select a word.</source>
        <translation>Bitte wählen Sie ein Wort.</translation>
    </message>
    <message>
        <source>%1 wrong</source>
        <translation>%1 falsch</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Tick the words of the list for %1 to practise:</source>
        <translation>Kreuze die Wörter aus der Liste für %1 an, die du üben möchtest:</translation>
    </message>
    <message>
        <source>Tick the words of this list to practise:</source>
        <translation>Kreuze die Wörter aus dieser Liste an, die du üben möchtest:</translation>
    </message>
    <message>
        <source>Tick the words of %1 to practise:</source>
        <translation>Kreuze die Wörter aus %1 an, die du üben möchtest:</translation>
    </message>
</context>
</TS>
