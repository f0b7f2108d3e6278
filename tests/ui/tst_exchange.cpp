#include "TestSupport.h"
#include "core/audio/WaveFile.h"
#include "core/data/ListNames.h"
#include "core/exchange/Csv.h"
#include "core/exchange/Kvtml.h"
#include "core/exchange/ListExport.h"
#include "core/exchange/Printouts.h"
#include "core/exchange/WordImport.h"
#include "core/lists/ListLanguage.h"
#include "ui/kernel/FileDialogs.h"
#include "ui/kernel/Printing.h"
#include "ui/lists/frmPasteWords.h"
#include "ui/lists/frmPrintList.h"
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Words that have broken word-list exchanges before: quotes, commas and
// line breaks inside fields, letters beyond English, right-to-left text, emoji, and a word that must keep its capital.
QList<WordEntry> awkwardWords()
{
    return {
        {u"\"quoted\""_s, u"said, with \"quotes\""_s, u"Line one,\nline two;\nthree - end"_s, false, {}},
        {u"Straße"_s, u"eine Straße in Köln"_s, u"Ærø, Ñandú, naïve"_s, true, {}},
        {u"שלום"_s, u"مرحبا بالعالم"_s, u"=HYPERLINK(\"http://x.example\",\"click\")"_s, false, {}},
        {u"fox🦊"_s, u"'-a fox's mark"_s, u"The 🦊 runs; the 🐕 naps."_s, false, {}},
        {u"Wednesday"_s, u"the middle of the week"_s, QString(), true, {}},
    };
}

qint32 listWith(Store &s, const QList<WordEntry> &words)
{
    const qint32 list = addList(s, QDate(2026, 12, 11));
    for (const WordEntry &w : words)
        AddWord(s, {0, list, w.word, w.definition, w.sentence, w.caseSensitive ? u"TRUE"_s : u"FALSE"_s});
    return list;
}

// The text of a PDF as poppler reads it, and its page count.
QString pdfText(const QString &path, int *pages)
{
    QProcess info;
    info.start(u"pdfinfo"_s, {path});
    info.waitForFinished();
    for (const QString &line : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(u"Pages:"_s))
            *pages = line.section(u':', 1).trimmed().toInt();
    }
    QProcess text;
    text.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput());
}

// A file of tests/data: written by hand from a format, or approved output.
QByteArray testData(const QString &name)
{
    return fileBytes(QStringLiteral(LETTERMARCH_TESTDATA "/") + name);
}
} // namespace

class TestExchange : public FolderTest
{
    Q_OBJECT

private slots:
    void init() { setUpFolder(QDateTime(QDate(2026, 12, 7), QTime(17, 0))); }

    void cleanup()
    {
        FileDialogsSeam::setHandler({});
        tearDownFolder();
    }

    void csvAndKvtml_roundTripEveryAwkwardWord()
    {
        Store &s = *m_store;
        const qint32 list = listWith(s, awkwardWords());
        for (const QString &name : {u"list.csv"_s, u"list.kvtml"_s}) {
            const QString path = m_folder->file(name);
            QCOMPARE(ListExport::WriteFile(s, list, path, program().globals.gWavPath), QString());
            const ReadResult read = WordImport::ReadFile(path);
            QCOMPARE(read.problem, QString());
            QCOMPARE(read.words, awkwardWords());

            // Stored again as a new list, the rows are the same.
            const QList<qint32> made
                = WordImport::AddNewList(s, QDate(2026, 12, 14), QDate(2026, 12, 18), QDate(2026, 12, 18),
                    program().clock().now(), WordImport::Preview(s, 0, read.words, program().globals.gWavPath));
            QCOMPARE(made.size(), 6);
            QCOMPARE(ListExport::Entries(s, made.first(), program().globals.gWavPath), awkwardWords());
        }
        // Both files as approved: the CSV's header and quoting, a cell a spreadsheet would run marked as text; KDE's
        // column titles and lessons. A file alone never names a recording, which would not travel with it.
        writeFile(RecordingPath(program().globals.gWavPath, u"Wednesday"_s), "RIFF");
        QVERIFY(ListExport::WriteFile(s, list, m_folder->file(u"list.kvtml"_s), program().globals.gWavPath).isEmpty());
        for (const QString &name : {u"list.csv"_s, u"list.kvtml"_s})
            QCOMPARE(QString::fromUtf8(fileBytes(m_folder->file(name)))
                         .replace(QRegularExpression(u"<date>.*</date>"_s), u"<date>the day written</date>"_s),
                QString::fromUtf8(testData(u"awkward."_s + QFileInfo(name).suffix())));
        for (const QString &cell : {u"@SUM(A1)"_s, u"+1"_s, u"\tx"_s, u"\rx"_s}) // what a spreadsheet would run
            QCOMPARE(Csv::textCell(cell), u'\'' + cell);
        QCOMPARE(Csv::readCell(u"'plain"_s), u"'plain"_s);

        // A carriage return alone inside a field is a line break too: quoted (here at the very end).
        QString problem;
        QCOMPARE(
            Csv::parse(u"x,"_s + Csv::field(u"one\rtwo"_s), &problem), (QList<QStringList> {{u"x"_s, u"one\rtwo"_s}}));

        // A byte-order mark, other line endings and a header in another order read the same.
        writeFile(m_folder->file(u"other.csv"_s),
            "\xEF\xBB\xBF"
            "case_sensitive,word,sentence\rTRUE,Friday,\"On Friday,\nwe rest.\"\nfalse,cat,\r\n");
        const ReadResult other = WordImport::ReadFile(m_folder->file(u"other.csv"_s));
        QCOMPARE(other.words,
            QList<WordEntry>({{u"Friday"_s, {}, u"On Friday,\nwe rest."_s, true, {}}, {u"cat"_s, {}, {}, false, {}}}));
    }

    void kvtml_writtenByHandFromTheFormat()
    {
        // Two entries as KDE's vocabulary programs write them: one with its definition as a second translation (listed
        // first: it wins over the comment) and an example, one with its definition only as a comment; a sub-lesson
        // marks one as case sensitive, the entry after it is not.
        const ReadResult read = Kvtml::read(testData(u"week12.kvtml"_s), u"/lists"_s);
        QCOMPARE(read.problem + read.language, u"en"_s); // the words' language, not the definitions'
        QCOMPARE(read.words,
            QList<WordEntry>({{u"island"_s, u"land with water all around"_s, u"We sailed to the island."_s, false, {}},
                {u"Monday"_s, u"the first school day"_s, {}, true, {}, u"its recording is not there"_s}}));
    }

    void listLanguage_exportedAdoptedOnImportAndDeletedWithTheList()
    {
        Store &s = *m_store;
        const qint32 list = listWith(s, {{u"Brot"_s, {}, {}, false, {}}});
        QCOMPARE(ListLanguage::spoken(s, list), QLocale::English); // none: the program's
        // Offered once each, by name, nothing that is no language.
        QCOMPARE(ListLanguage::offered({QLocale::AnyLanguage, QLocale::German, QLocale::Dutch}, QLocale::C),
            (QList {QLocale::German, QLocale::English, QLocale::Spanish, QLocale::French, QLocale::Dutch}));
        const QString path = m_folder->file(u"list.kvtml"_s);
        QString read;
        for (const QString &code : {u"en"_s, u"de"_s}) { // the program's, then its own
            ListLanguage::set(s, list, code == u"en"_s ? QString() : code);
            QCOMPARE(ListExport::WriteFile(s, list, path, program().globals.gWavPath), QString());
            QCOMPARE(read = WordImport::ReadFile(path).language, code);
        }
        QCOMPARE(ListLanguage::spoken(s, list), QLocale::German);

        // A list without a language takes the file's; one with its own keeps it.
        const qint32 other = listWith(s, {});
        for (const QString &code : {QString(), u"x-none"_s, u"fr_CH"_s})
            ListLanguage::adopt(s, other, code);
        ListLanguage::adopt(s, other, read);
        QCOMPARE(ListLanguage::spoken(s, other), QLocale::French);
        ListLanguage::adopt(s, list, u"fr"_s);
        QCOMPARE(ListLanguage::of(s, list), u"de"_s);

        DeleteList(s, list, program().globals.gWavPath);
        QCOMPARE(ListLanguage::of(s, list), QString());
        QCOMPARE(ListLanguage::of(s, other), u"fr_CH"_s);
    }

    void kvtml_soundsOnlyFromTheFilesOwnFolderAndOnlyWaves()
    {
        const QDir dir(m_folder->file(u"import"_s));
        writeFile(dir.filePath(u"rec/notes.wav"_s), "just some text, no sound at all");
        QVERIFY(WaveFile::write(dir.filePath(u"rec/good.wav"_s), PcmSound {11025, 1, 8, false, QByteArray(500, 'x')}));
        QFile big(dir.filePath(u"rec/big.wav"_s));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(40LL * 1024 * 1024)); // sparse: takes no room
        QVERIFY(QFile::link(u"/dev/zero"_s, dir.filePath(u"rec/zero.wav"_s)));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"rec/pipe.wav"_s)).constData(), 0600), 0);
        const QString out = u"lies outside the imported file's folder"_s;
        for (const auto &[sound, refused] : std::initializer_list<std::pair<QString, QString>> {{u"rec/good.wav"_s, {}},
                 {u"../../../../etc/passwd"_s, out}, {u"/etc/passwd"_s, out}, {u"file:///etc/hostname"_s, out},
                 {u"rec/zero.wav"_s, out}, {u"rec/notes.wav"_s, u"is not a wave file"_s},
                 {u"rec/big.wav"_s, u"is larger than 32 MB"_s}, {u"rec/pipe.wav"_s, u"is not a file"_s}}) {
            writeFile(
                dir.filePath(u"list.kvtml"_s), testData(u"week12.kvtml"_s).replace("rec/monday.wav", sound.toUtf8()));
            const ReadResult read = WordImport::ReadFile(dir.filePath(u"list.kvtml"_s));
            const QString why = refused.isEmpty() ? QString() : u"its recording "_s + refused;
            QCOMPARE(read.words.value(1).recordingRefused, why);
            QCOMPARE(read.words.value(1).recording.isEmpty(), !refused.isEmpty());
            // The word itself is still offered; the preview says why its sound is not.
            const auto rows = WordImport::Preview(*m_store, 0, read.words, program().globals.gWavPath);
            QCOMPARE(
                rows.value(1).note + rows.value(1).skipReason, why.isEmpty() ? why : u"recording left out: "_s + why);
        }
    }

    void badFiles_clearMessageNothingRead()
    {
        QByteArray huge;
        for (int i = 0; i < 100000; ++i)
            huge += "word" + QByteArray::number(i) + ",a meaning\n";
        const std::tuple<const char *, QByteArray, const char *> cases[] = {
            {"picture.csv", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "This is not a text file."},
            {"empty.csv", QByteArray(), "holds no words"},
            {"notes.kvtml", QByteArray("just some notes"), "not a vocabulary file"},
            {"html.kvtml", QByteArray("<html><body>hi</body></html>"), "no kvtml element"},
            {"old.kvtml", QByteArray("<?xml version=\"1.0\"?><kvtml><e><o>cat</o></e></kvtml>"), "version 1"},
            {"cut.kvtml", QByteArray("<?xml version=\"1.0\"?><kvtml version=\"2.0\"><entries><entry id=\"0\">"),
                "damaged"},
            {"huge.csv", huge, "holds more than 1000 words; a word list in Lettermarch holds at most 1000"},
            {"latin1.csv", QByteArray("caf\xe9,a place for coffee\n"), "not in the UTF-8 encoding"},
            {"quote.csv", QByteArray("\"cat,a pet\n"), "double quote is missing"},
            {"wide.csv", QByteArray("a,b,c,d,e\n"), "at most four"},
            {"zeros.csv", QByteArray(WordImport::MaxFileBytes, '\0'), "not a text file"}, // as large as may be read
        };
        for (const auto &[name, bytes, message] : cases) {
            const QString path = m_folder->file(QString::fromLatin1(name));
            writeFile(path, bytes);
            const ReadResult read = WordImport::ReadFile(path);
            QVERIFY2(read.problem.contains(QString::fromUtf8(message)), qPrintable(path + u": "_s + read.problem));
            QVERIFY(read.words.isEmpty());
        }
        // A long file is read only as far as it must be to know that.
        QString problem;
        QCOMPARE(Csv::parse(QString::fromLatin1(huge), &problem, 5).size(), 6);
        // A bare word is a record, at the end too, and so is an empty quoted field; a blank line is none.
        QCOMPARE(Csv::parse(u"cat\n\n\"\"\nant,b\ndog"_s, &problem),
            QList<QStringList>({{u"cat"_s}, {QString()}, {u"ant"_s, u"b"_s}, {u"dog"_s}}));
        // A field longer than the word editor takes, or a word no child can type, is not offered.
        const auto offered = WordImport::Preview(*m_store, 0,
            {{u"long"_s, QString(WordImport::MaxFieldLength + 1, u'x'), {}, false, {}}, {u"c\tat"_s, {}, {}, false, {}},
                {QString(WordImport::MaxFieldLength, u'w'), QString(WordImport::MaxFieldLength, u'd'),
                    QString(WordImport::MaxFieldLength, u's'), false, {}},
                {u"dog"_s, {}, {}, false, m_folder->file(u"wide.csv"_s)}, {u"emu"_s, {}, {}, false, {}}},
            {});
        QCOMPARE(offered[0].skipReason, u"is longer than the word editor takes"_s);
        QCOMPARE(offered[1].skipReason, u"has characters that cannot be typed"_s);
        QCOMPARE(offered[2].skipReason + offered[3].skipReason, QString()); // a recording alone is a clue
        QCOMPARE(offered[4].skipReason, WordImport::NeedsClue);
        // UTF-16 and UTF-8 with their marks are text like any other.
        writeFile(m_folder->file(u"utf16.csv"_s),
            QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char *>(u"cat,a pet\n"), 20));
        writeFile(m_folder->file(u"utf8.csv"_s), QByteArray::fromHex("EFBBBF") + "cat,a pet\n");
        writeFile(m_folder->file(u"list.xml"_s),
            Kvtml::write(u"t"_s, {{u"cat"_s, {}, {}, false, {}}}, {})); // a vocabulary file too
        for (const QString &name : {u"utf16.csv"_s, u"utf8.csv"_s, u"list.xml"_s})
            QCOMPARE(WordImport::ReadFile(m_folder->file(name)).words.value(0).word, u"cat"_s);
    }

    void pasteWindow_previewTickAndAdd()
    {
        const qint32 list = listWith(*m_store, {{u"cat"_s, u"a pet"_s, {}, false, {}}});
        QVERIFY(startHere());
        auto *editor = forms().get<frmEditList>();
        editor->setListID(list);
        editor->show();
        Transcript t(u"pasteWords"_s);
        whenModalShows("frmPasteWords", [&t](QWidget *w) {
            auto *paste = static_cast<frmPasteWords *>(w);
            t.snap(u"nothing pasted yet"_s);
            paste->txtPaste->setFocus();
            paste->txtPaste->insertPlainText(u"dog - a pet that barks\r\ncat - again\rFriday - a day - On Friday."_s);
            QTRY_COMPARE(paste->grdPreview->rowCount(), 3);
            t.snap(u"three pasted, cat in the list already"_s);
            // A bare word waits for a clue, and the summary says how to take it; a word given twice is taken once.
            paste->txtPaste->insertPlainText(u"\nknight\nDOG - a pet"_s);
            QTRY_COMPARE(paste->grdPreview->rowCount(), 5);
            t.snap(u"a bare word, and dog twice"_s);
            paste->txtPaste->undo();
            QTRY_COMPARE(paste->grdPreview->rowCount(), 3);
            // The parent ticks Friday as case sensitive with the keyboard.
            paste->grdPreview->setCurrentCell(2, frmPasteWords::ColCase);
            paste->grdPreview->setFocus();
            QTest::keyClick(paste->grdPreview, Qt::Key_Space);
            t.snap(u"Friday ticked"_s);
            QTest::mouseClick(paste->cmdAdd, Qt::LeftButton);
        });
        QTest::mouseClick(editor->cmdPasteWords, Qt::LeftButton);
        t.snap(u"dog and Friday added"_s, &program().store());
        VERIFY_TRANSCRIPT(t);
    }

    void importExport_throughTheWindows()
    {
        const qint32 list = listWith(*m_store, awkwardWords());
        QVERIFY(startHere());
        auto *main = forms().findAs<frmLists>();
        QTemporaryDir elsewhere;
        QString answer;
        FileDialogsSeam::setHandler([&answer](const QString &) { return answer; });

        // Exported from the main window: ".csv" added to a name without one.
        answer = elsewhere.filePath(u"week"_s);
        MsgBoxScript::expect(MsgAnswer::OK);
        main->mnuExportList->trigger();
        QCOMPARE(WordImport::ReadFile(answer + u".csv"_s).words, awkwardWords());
        writeFile(answer + u".csv"_s, "kept"); // a name the dialog did not ask about: not replaced unasked
        MsgBoxScript::expect(MsgAnswer::No);
        main->mnuExportList->trigger();
        QCOMPARE(fileBytes(answer + u".csv"_s), QByteArray("kept"));

        // With its recordings: a folder named for the list, its file naming the copies.
        const QByteArray oldSound = WaveFile::encode(PcmSound {11025, 1, 8, false, QByteArray(300, 'o')});
        const QByteArray newSound = WaveFile::encode(PcmSound {11025, 1, 8, false, QByteArray(300, 'n')});
        writeFile(RecordingPath(program().globals.gWavPath, u"Wednesday"_s), oldSound);
        auto *editor = forms().get<frmEditList>();
        editor->setListID(list);
        answer = elsewhere.path();
        // Twice: the second export replaces the first one's files.
        for (int i = 0; i < 2; ++i) {
            if (i == 1)
                MsgBoxScript::expect(MsgAnswer::Yes); // asked first
            MsgBoxScript::expect(MsgAnswer::OK);
            editor->mnuExportFolder->trigger();
            QVERIFY(MsgBoxScript::shown().last().startsWith(u"The list and its recordings were saved"_s));
        }
        const QString folder = elsewhere.filePath(
            u"Spelling words for "_s + GetListTestDate(program().store(), list).replace(u'/', u'-'));
        const ReadResult withSound = WordImport::ReadFile(QDir(folder).filePath(u"list.kvtml"_s));
        QCOMPARE(withSound.words.last().recording, QDir(folder).filePath(u"Wavs/WEDNESDAY.wav"_s));
        QCOMPARE(fileBytes(withSound.words.last().recording), oldSound);
        forms().unload(editor);

        // Imported as a new list: previewed, then stored with the recording,
        // which replaces the one there only when the parent says so.
        writeFile(withSound.words.last().recording, newSound);
        answer = QDir(folder).filePath(u"list.kvtml"_s);
        whenModalShows("frmPasteWords", [](QWidget *w) {
            auto *preview = static_cast<frmPasteWords *>(w);
            QVERIFY(preview->txtPaste->isHidden());
            QCOMPARE(preview->lblSummary->text(), u"5 to add, 0 skipped."_s);
            QVERIFY(preview->lblHint->text().contains(u"to make a new list for the test on"_s));
            MsgBoxScript::expect(MsgAnswer::No,
                QStringLiteral("There is already a recording of \"Wednesday\". Replace "
                               "it with the one from the imported file?"));
            QTest::mouseClick(preview->cmdAdd, Qt::LeftButton);
        });
        main->mnuImportList->trigger();
        editor = forms().findAs<frmEditList>();
        QVERIFY(editor && editor->isVisible() && main->isHidden() && editor->ListID() != list);
        QCOMPARE(main->MSFlexGrid1->TextMatrix(main->MSFlexGrid1->Row(), 3).toInt(), editor->ListID()); // its row
        QCOMPARE(editor->MSFlexGrid1->Rows(), 6);
        QCOMPARE(fileBytes(RecordingPath(program().globals.gWavPath, u"Wednesday"_s)), oldSound);
        // Named after the file's own title; renamed in the list editor.
        QCOMPARE(editor->txtListName->text(), withSound.title);
        QVERIFY(withSound.title.startsWith(u"Spelling words for "_s));
        editor->txtListName->setFocus();
        editor->txtListName->selectAll();
        QTest::keyClicks(editor->txtListName, u" Week 12 "_s);
        QTest::keyClick(editor->txtListName, Qt::Key_Return);
        QCOMPARE(ListNames::of(program().store(), editor->ListID()) + u'|' + editor->txtListName->text(),
            u"Week 12|Week 12"_s); // kept, and shown as kept
        QCOMPARE(program().store().count(u"SELECT COUNT(*) FROM LISTS"_s, {}), 2);

        // Said Yes, the imported recording takes the old one's place.
        whenModalShows("frmPasteWords", [](QWidget *w) {
            MsgBoxScript::expect(MsgAnswer::Yes);
            QTest::mouseClick(static_cast<frmPasteWords *>(w)->cmdAdd, Qt::LeftButton);
        });
        main->mnuImportList->trigger();
        QCOMPARE(fileBytes(RecordingPath(program().globals.gWavPath, u"Wednesday"_s)), newSound);
        editor = forms().findAs<frmEditList>();

        // Into the open list: all five are there already; a bad file says why and adds nothing.
        whenModalShows("frmPasteWords", [](QWidget *w) {
            auto *preview = static_cast<frmPasteWords *>(w);
            QCOMPARE(preview->lblSummary->text(), u"0 to add, 5 skipped."_s);
            QVERIFY(!preview->cmdAdd->isEnabled());
            QTest::mouseClick(preview->cmdCancel, Qt::LeftButton);
        });
        editor->mnuImportWords->trigger();
        QCOMPARE(ListLanguage::of(program().store(), 0), QString()); // nothing added, no language taken
        answer = m_folder->dbPath();
        MsgBoxScript::expect(MsgAnswer::OK, u"This is not a text file.\n\nNothing was imported."_s);
        editor->mnuImportWords->trigger();
        QCOMPARE(editor->MSFlexGrid1->Rows(), 6);
    }

    void exportWithRecordings_neverWritesThroughALink()
    {
        const qint32 list = listWith(*m_store, awkwardWords());
        const QDir out(m_folder->file(u"out"_s));
        const QString wavs = program().globals.gWavPath;
        writeFile(m_folder->file(u"elsewhere.txt"_s), "someone else's");
        writeFile(RecordingPath(wavs, u"Wednesday"_s), "RIFF"); // a link where its copy goes
        const QString copy = out.filePath(u"Wavs/"_s + RecordingFileName(u"Wednesday"_s));
        QVERIFY(out.mkpath(u"Wavs"_s) && QFile::link(m_folder->file(u"elsewhere.txt"_s), copy));
        QVERIFY(ListExport::WriteFolder(*m_store, list, out.path(), wavs).contains(u"is a link"_s));
        QCOMPARE(fileBytes(m_folder->file(u"elsewhere.txt"_s)), QByteArray("someone else's"));
        QVERIFY(QFile::remove(copy) && QFile::link(u"gone.kvtml"_s, out.filePath(u"list.kvtml"_s)));
        QVERIFY(ListExport::WriteFolder(*m_store, list, out.path(), wavs).contains(u"is a link"_s));
        QVERIFY(!QFile::exists(out.filePath(u"gone.kvtml"_s)) && ListExport::FolderHoldsExport(out.path()));
    }

    void fullDisk_aFailedWriteSaysSoAndKeepsTheEarlierFile()
    {
        const qint32 list = listWith(*m_store, awkwardWords());
        const QStringList paths {m_folder->file(u"list.csv"_s), m_folder->file(u"list.kvtml"_s),
            m_folder->file(u"test.pdf"_s), m_folder->file(u"word.wav"_s)};
        for (const QString &path : paths)
            writeFile(path, "earlier");
        if (const pid_t child = fork(); child == 0) { // files may not grow past 100 bytes, as on a full disk
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit small {100, 100};
            ::setrlimit(RLIMIT_FSIZE, &small);
            ::_exit(!ListExport::WriteFile(*m_store, list, paths[0], program().globals.gWavPath).isEmpty()
                + !ListExport::WriteFile(*m_store, list, paths[1], program().globals.gWavPath).isEmpty()
                + !Printing::savePdf(Printouts::AnswerKey(u"Key"_s, awkwardWords()), paths[2]).isEmpty()
                + !WaveFile::write(paths[3], PcmSound {11025, 1, 8, false, QByteArray(5000, char(128))}));
        } else {
            int status = 0;
            QVERIFY(::waitpid(child, &status, 0) == child && WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 4);
        }
        for (const QString &path : paths)
            QCOMPARE(fileBytes(path), QByteArray("earlier"));
    }

    void pdf_paperTestKeyAndResults()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QList<WordEntry> words = {
            {u"island"_s, u"land with water all around"_s, u"We sailed to the Island."_s, false, {}},
            {u"because"_s, u"for the reason that"_s, u"I ran because it rained."_s, true, {}},
            {u"friend"_s, u"someone you like"_s, u"My friend lives near."_s, false, {}},
            {u"said"_s, u"spoke"_s, u"She said hello."_s, false, {}},
            {u"through"_s, u"from one side to the other"_s, u"Go through the door."_s, false, {}},
        };
        const qint32 list = listWith(*m_store, words);
        QVERIFY(startHere());
        auto *print = forms().get<frmPrintList>();
        print->setListID(list);

        // What is on paper: the test, its answer key in the same (alphabetical,
        // as the defaults say) order, and a test's results with every attempt.
        Transcript t(u"printouts"_s);
        auto paper = [&](const QString &html) {
            const QString pdf = m_folder->file(u"page.pdf"_s);
            QCOMPARE(Printing::savePdf(html, pdf), QString());
            int pages = 0;
            const QString text = pdfText(pdf, &pages);
            t.note(u"== %1 page(s)\n"_s.arg(pages) + text);
        };
        paper(print->html());
        print->optAnswerKey->setChecked(true);
        paper(print->html());
        Store &s = program().store();
        TestOptionsRecord options;
        FakeView view;
        SessionFiles files = sessionFiles();
        files.family.caseHint = true; // said when only the capitals are wrong
        TestSession session(surroundings(s), view, options, files);
        session.Start(list);
        for (const QString &typed :
            {u"becuase"_s, u"Because"_s, u"because"_s, u"friend"_s, u"island"_s, u"said"_s, u"through"_s})
            session.Submit(typed);
        t.note(view.log.join(u'\n'));
        session.Quit(); // too late: the ended test is kept
        paper(Printouts::TestResults(s, session.TestID()));
        FakeView plain;
        TestSession again(surroundings(s), plain, options, sessionFiles()); // without the hint: simply wrong
        again.Start(list);
        QVERIFY(again.Submit(u"Because"_s) && plain.log.last() == u"Incorrect/Try Again"_s);
        // A folder that cannot be written to is a message, not a crash.
        QVERIFY(!Printing::savePdf(print->html(), u"/nonexistent/x.pdf"_s).isEmpty());
        VERIFY_TRANSCRIPT(t);
    }
};

QTEST_MAIN(TestExchange)
#include "tst_exchange.moc"
