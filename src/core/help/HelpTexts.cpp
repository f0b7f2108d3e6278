#include "core/help/HelpTexts.h"

#include <QCoreApplication>

namespace HelpTexts {

namespace {
// A paragraph break: two line breaks, each a carriage return and a line feed.
const QString Paragraph = QStringLiteral("\r\n\r\n");
} // namespace

QList<Topic> topics()
{
    return {
        {QCoreApplication::translate("HelpTexts", "Introduction"),
            QStringList {
                QCoreApplication::translate("HelpTexts",
                    "Lettermarch is a great way for children to leantheir weekly spelling words.  When"
                    " your child gets their spelling words from the teacher at the beginning of the week,"
                    " use the 'Create a New List' feature in Lettermarch to input each spelling word"
                    " into the program.  You can also enter the word's definition, a context sentence, and record the"
                    " pronounciation.  Once all the words are entered, your child can go through as many "
                    "'Practice Tests'"
                    " as they need all week long to help get them ready for the school test.")}
                .join(QString())},
        {QCoreApplication::translate("HelpTexts", "Create a Word List"),
            QStringList {
                QCoreApplication::translate("HelpTexts",
                    "On the main screen, there are several buttons.  To create a new Word List, click the 'New List'"
                    " button. Two new screens will open, a large one in the background, and a smaller one "
                    "in the foreground. "
                    " The smaller window is the 'New Word' window, where you can type the word, it's "
                    "definition, a context sentence, "
                    " and record the word in your voice.  When you have entered all the information, click "
                    "the 'Save' button.  The word"
                    " will be added to the list in the large background window, and you can enter then next "
                    "word into the smaller window. "
                    " When you have entered all the words, close the 'New Word' window.  The large window "
                    "will still be visible.  From this"
                    " window, you can review the words in the list, and make changes to any of them, or add new ones.")}
                .join(QString())},
        {QCoreApplication::translate("HelpTexts", "Take a Practice Test"),
            QStringList {QCoreApplication::translate("HelpTexts",
                             "Once you have created a word list, you can take a 'Practice Test' at any time "
                             "by selecting the proper 'Word List', and clicking the 'Test' button"
                             " on the Main screen.  You may need to preform a 'Test Setup' to set some options for "
                             "the test, such as how many incorrect answers to accept"
                             " before moving on to the next word.  Once you have completed the test setup, the "
                             "'Practice Test' will begin."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "The on-screen clues will tell your child which word to type into the answer box. "
                    " If your child types it correctly, the next word will be given.  If your child answers "
                    "incorrectly, they will be notified, and"
                    " and will be given another chance.  'Test Setup' options will determine exactly what "
                    "happens when an incorrect answer is given."),
                Paragraph,
                QCoreApplication::translate(
                    "HelpTexts", "When the test has been completed, the result will be show to you automatically.")}
                .join(QString())},
        {QCoreApplication::translate("HelpTexts", "Test History"),
            QStringList {
                QCoreApplication::translate("HelpTexts",
                    "To view the test history for any word list, select the word list on the main "
                    "screen, and click the 'Past Tests' button. "
                    " A list of all past tests for the selected Word List will appear, and you will be able "
                    "to see which words have been giving your child difficulty."
                    " The incorrect answers your child has given for each word on each test can be displayed.")}
                .join(QString())},
        {QCoreApplication::translate("HelpTexts", "Options (Test Defaults)"),
            QStringList {QCoreApplication::translate("HelpTexts",
                             "Skip Individual Test Setup -- If this option is checked, all Practice Tests "
                             "will use the default settings automatically.  If it is"
                             " not checked, then you will be prompted to preform the 'Test Setup' each time."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Pronounce -- Use this option to enable the Practice Tests to speak the word to your child."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Show Definition -- Use this option to display the word's definition on Practice Tests"),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Show Context Sentence -- Use this option to display the word's context sentence on "
                    "Practice Tests"),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Show Definition -- Use this option to determine the order in which the words on a "
                    "Practice Test are given"),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Incorrect Answer Behavior -- Use these options to determine how to respond to "
                    "incorrect answers on Practice Tests"),
                Paragraph,
                QCoreApplication::translate(
                    "HelpTexts", "Sounds -- Use these options to enable or disable sounds on Practice Tests")}
                .join(QString())},
        {QCoreApplication::translate("HelpTexts", "Options (General)"),
            QStringList {QCoreApplication::translate("HelpTexts",
                             "Tempory Messages -- Temporary messages are notifications that Lettermarch "
                             "periodically shows to the user.  These"
                             " messages appear for a short time, and then dissaper automatically.  Use this option "
                             "to determine how long these messages are displayed before disappearing."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "School Tests On -- Use this option to determine when a school test date is based on "
                    "the date the word list is created."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Prompt to Delete Old Word Lists -- Use this option to alert you when a Word List has "
                    "past it's school test date, so it can be deleted.")}
                .join(QString())},
        {QCoreApplication::translate("HelpTexts", "The Computer Voice"),
            QStringList {QCoreApplication::translate("HelpTexts",
                             "Recording every word takes time. Under Options, on the Voice page, you can let "
                             "the computer speak the words that have no recording: tick 'Use the computer "
                             "voice for words without a recording', choose a voice, set how fast it "
                             "speaks (slower is easier for young children) and press 'Try it' to hear "
                             "it."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "A word you have recorded is always spoken in your own voice. With the computer "
                    "voice on, the Pronounce buttons work for every word, and the test window has a "
                    "'Read aloud' button beside the definition and the sentence (Ctrl+1 and Ctrl+2) for "
                    "children who cannot read them yet. The voice never spells the word."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "A computer voice does not say every word well: names, words from other languages "
                    "and words spelled differently from how they sound often come out wrong. Listen to "
                    "each week's words with the list editor's Pronounce button, and record the ones the "
                    "voice gets wrong: your recording is then used instead."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Most school lists are just words. With the computer voice on, a word needs no "
                    "definition, sentence or recording: the voice says it in the test. This holds in "
                    "the word editor, for pasted words and for imported files.")}
                .join(QString())},
        {QCoreApplication::translate("HelpTexts", "Many Words at Once"),
            QStringList {QCoreApplication::translate("HelpTexts",
                             "In the list editor, 'Paste words...' adds many words at once. Copy the week's words "
                             "from an e-mail, a document or a spreadsheet and paste them: one word a line, then "
                             "if you like its definition and a sentence, separated by tabs (a spreadsheet's "
                             "columns), ' - ' or ';'. Numbers and bullets at the start of a line are left "
                             "out. The table below shows what will be added and which lines "
                             "are skipped, and why. Tick 'Case Sensitive' for words that must keep their capital "
                             "letters, then press Add."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "The File menus can also import a word list from a CSV file or from a vocabulary "
                    "file of KDE's Parley or KWordQuiz (.kvtml), export a list to either, or export it "
                    "with its recordings to a folder, for another computer."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "'Print a Paper Test...' prints the list as a test to write on, with the "
                    "definitions and sentences as clues and the word itself never shown, or the answer "
                    "key in the same order. Either can be saved as a PDF file.")}
                .join(QString())},
        {QCoreApplication::translate("HelpTexts", "Names, Dates and Family Settings"),
            QStringList {QCoreApplication::translate("HelpTexts",
                             "A list may have a name ('Week 12', 'Spelling bee') as well as its test date: type it "
                             "in the New List window, or in the list editor's 'List name' box. The main window "
                             "shows it beside the test date, and so do the windows of the list's results and "
                             "what is printed. An imported list is named after its file."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Dates are typed and shown with the numbers in your computer's order: day first "
                    "where the computer puts the day first (18/12/2026), month first in the United "
                    "States (12/18/2026)."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Under Options, on the General Defaults page: 'Hide the word in its clues' blanks the "
                    "word out of its definition and sentence during a test (reading a clue aloud says "
                    "'blank' in its place); 'Say when only the capital letters are wrong' tells the child so; 'Refuse "
                    "a date that cannot be read' keeps a mistyped date in its box with a message instead "
                    "of replacing it. A database made by this version has all three on; one from an "
                    "earlier version keeps working as it did until you tick them."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Lettermarch copies your lists into the Backups folder at the first start of each day "
                    "and again when it closes after you changed something, keeping the last 10 copies. "
                    "File > Restore a Backup... says when each copy was taken and what it holds.")}
                .join(QString())},
        {QCoreApplication::translate("HelpTexts", "Seeing Progress"),
            QStringList {QCoreApplication::translate("HelpTexts",
                             "Past Tests shows a chart beside the list of tests: each test is a point, with its "
                             "score and the number of words right at the first try. Click a point to see that "
                             "test's results."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Trouble Words (in the File menu of the main window, and a button in Past Tests) "
                    "lists the words with the most wrong answers, with how often each was right at the "
                    "first try, how often the test moved on, and the misspelling typed most often. "
                    "Click a heading to sort; double-click a word to open its list."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Practise Missed Words (in Test Results and Trouble Words) starts a test of only the "
                    "words you tick; the words not right at the first try come ticked. Its results "
                    "count only those words, and every other test keeps its score.")}
                .join(QString())},
        {QCoreApplication::translate("HelpTexts", "Several Children"),
            QStringList {QCoreApplication::translate("HelpTexts",
                             "Each child has lists, tests and recordings of their own. File > Add a Child... in "
                             "the main window adds one; the first time, it also asks the name of the child who "
                             "has used Lettermarch so far, whose lists stay exactly where they were."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "With two children or more, Lettermarch first asks who is practising: choose a name "
                    "with the arrow keys or its first letter and press Enter. File > Switch Child... "
                    "asks again without closing the program. The child's name is at the end of every "
                    "window's title, on the About window and on printed tests and results."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "In that window, Rename... changes a name and Remove... puts a child's lists aside "
                    "in the Removed folder (they are never deleted at once; to bring them back, move "
                    "the folder back into Children while Lettermarch is closed). File > Copy the List "
                    "to Another Child... gives a brother or sister the same words and recordings."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "Parent's Lock... (Options, General Defaults) sets a PIN: the list editor, New List, "
                    "Delete List, Import, Options, Restore a Backup and removing a child then ask for "
                    "it, for every child; tests, results and Trouble Words do not. After five wrong "
                    "PINs the next try waits 30 seconds. The lock keeps a child out of the parent's "
                    "windows; it does not protect against someone using your own account. A forgotten "
                    "PIN: close Lettermarch, open Family.json in the data folder with a text editor and "
                    "delete its \"pin\" entry (the lines from \"pin\" to its closing brace, and the "
                    "comma before them).")}
                .join(QString())},
        {QCoreApplication::translate("HelpTexts", "Languages"),
            QStringList {QCoreApplication::translate("HelpTexts",
                             "Lettermarch speaks your computer's language when it has a translation for it: "
                             "English, German, French or Spanish. To choose another one, pick it under "
                             "Options, General Defaults, Language (it is used from the next start), or start "
                             "the program with --lang and a language code, for example --lang fr."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "A list's words may be in another language, such as the French words a child learns "
                    "at school. Choose the list's Language in the list editor: the computer voice then "
                    "says its words, definitions and sentences with that language's sounds. Your "
                    "recordings play as they are. An imported vocabulary file (.kvtml) gives a list "
                    "without a language the one the file names."),
                Paragraph,
                QCoreApplication::translate("HelpTexts",
                    "The Voice page of Options lists the languages that have a voice. The flite voice "
                    "speaks English only; the packages qt6-speech-speechd-plugin and "
                    "speech-dispatcher-espeak-ng add voices for German, French, Spanish and about a "
                    "hundred other languages. A list in a language without a voice is said so once; the "
                    "test goes on, and the words you recorded are still spoken.")}
                .join(QString())},
    };
}

} // namespace HelpTexts
