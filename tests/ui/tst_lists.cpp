#include "TestSupport.h"
#include "core/audio/WaveFile.h"
#include "core/lists/WeekDates.h"
#include "core/settings/FamilyOptions.h"
#include "ui/kernel/Shape.h"
#include "ui/lists/frmEditWord.h"
#include "ui/lists/frmNewList.h"

namespace {

// Saves a short wave file for every stopped recording, as a microphone would.
class FakeRecorder : public Recorder
{
public:
    bool recording = false; // the device open: a stopped recording keeps it until it is closed
    bool failSave = false;
    void start() override { recording = true; }
    void stop() override { }
    void save(const QString &path) override
    {
        if (failSave)
            return;
        PcmSound s;
        s.data = QByteArray(1102, char(140));
        WaveFile::write(path, s);
    }
    void close() override { recording = false; }
};

QString wavs()
{
    return QDir(program().globals.gProgramDir).filePath(u"Wavs"_s);
}

bool hasRecording(const QString &word)
{
    return QFile::exists(RecordingPath(wavs(), word));
}

void writeRecording(const QString &word)
{
    QDir().mkpath(wavs());
    PcmSound s;
    s.data = QByteArray(200, char(128));
    QVERIFY(WaveFile::write(RecordingPath(wavs(), word), s));
}

// Clicks a button of the modal dialog of that class as soon as it shows.
void clickWhenModalShows(const char *className, const char *button, std::function<void(QWidget *)> fill = {})
{
    whenModalShows(className, [=](QWidget *dialog) {
        if (fill)
            fill(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
    });
}

// Right-clicks the grid's `row` (1 is the first below its header); the menu shows and is closed.
void rightClick(FlexGrid *grid, int row, QMenu *menu)
{
    const QPoint at = grid->visualRect(grid->model()->index(row - 1, 0)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &click);
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
}

} // namespace

class TestLists : public WindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        auto recorder = std::make_unique<FakeRecorder>();
        m_recorder = recorder.get();
        program().devices().setRecorder(std::move(recorder));
        m_played.clear();
        program().devices().setPlayer(std::make_unique<FakePlayer>(&m_played));
        program().clock().setNow([] { return QDateTime(QDate(2026, 12, 2), QTime(9, 30)); }); // a Wednesday
    }

    void cleanup() { endTest(); }

    void typicalWeek_newListThreeWordsShownInMainWindow()
    {
        frmLists *main = startProgram();
        QVERIFY(main);
        Transcript t(u"typicalWeek"_s);
        program().globals.gMessageTime = 1; // noted by the transcript
        clickWhenModalShows("frmNewList", "cmdCreate", [&t](QWidget *) { t.snap(u"New List"_s); });
        QTest::mouseClick(main->cmdNewList, Qt::LeftButton);

        // The new, empty list opens straight into its first word.
        auto *list = forms().findAs<frmEditList>();
        QTRY_VERIFY(isLoaded(u"frmEditWord"_s));
        auto *word = forms().findAs<frmEditWord>();
        QTRY_VERIFY(word->isVisible());
        t.snap(u"the first word"_s);
        auto enter = [&](const QString &text, const QString &definition, const QString &sentence, bool record) {
            QTest::keyClicks(word->txtWord, text);
            QTest::keyClicks(word->txtDefinition, definition);
            QTest::keyClicks(word->txtSentence, sentence);
            if (record) {
                QTest::mouseClick(word->cmdRecord, Qt::LeftButton);
                t.snap(u"recording"_s);
                QVERIFY(m_recorder->recording);
                const QColor first = word->Shape1->FillColor();
                QTRY_VERIFY(word->Shape1->FillColor() != first); // it blinks
                QTest::mouseClick(word->cmdStop, Qt::LeftButton);
                QVERIFY(!word->Shape1->isVisible() && word->cmdRecord->hasFocus()); // ready to record again
            }
            QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
            t.snap(u"saved "_s + text); // ready for the next word, and the list already shows this one
        };
        enter(u"  cat "_s, u"A small furry pet"_s, QString(), true);
        enter(u"don't"_s, u"Do not"_s, QString(), false);
        enter(u"Straße"_s, QString(), u"Die Straße ist lang."_s, false);
        t.note(u"recordings: "_s + QDir(program().globals.gWavPath).entryList(QDir::Files).join(u", "_s));

        QTest::mouseClick(word->cmdCancel, Qt::LeftButton);
        QVERIFY(!QFile::exists(m_folder->file(u"Temp.wav"_s)));
        list->mnuExit->trigger();
        t.snap(u"back in the main window"_s, &program().store());
        rightClick(main->MSFlexGrid1, 1, main->mnuLists); // the one list has its menu
        MsgBoxScript::expect(MsgAnswer::Yes); // deleted from the main window
        QTest::mouseClick(main->cmdDeleteList, Qt::LeftButton);
        t.snap(u"the list deleted"_s, &program().store());
        // With no list left, each command asks for one.
        for (QAction *a : {main->mnuExportList, main->mnuPrintList}) {
            MsgBoxScript::expect(MsgAnswer::OK, u"Please select a list."_s);
            a->trigger();
        }
        t.snap(u"no list to choose"_s);
        // A date that cannot be read is refused, with the box ready to type in.
        whenModalShows("frmNewList", [&t](QWidget *w) {
            auto *dates = static_cast<frmNewList *>(w);
            dates->txtTestDate->setText(u"next Friday"_s);
            MsgBoxScript::expect(MsgAnswer::OK);
            QTest::mouseClick(dates->cmdCreate, Qt::LeftButton);
            t.snap(u"an unreadable date"_s);
            QTest::mouseClick(dates->cmdCancel, Qt::LeftButton);
        });
        QTest::mouseClick(main->cmdNewList, Qt::LeftButton);
        // An old database's way: the date is replaced and the list made.
        WriteFamilyOptions(program().store(), {});
        clickWhenModalShows(
            "frmNewList", "cmdCreate", [](QWidget *w) { static_cast<frmNewList *>(w)->txtStart->setText(u"soon"_s); });
        QTest::mouseClick(main->cmdNewList, Qt::LeftButton);
        QTRY_VERIFY(isLoaded(u"frmEditWord"_s));
        t.snap(u"a list despite its date"_s, &program().store());
        VERIFY_TRANSCRIPT(t);
    }

    void wordEditor_saveChecks()
    {
        QVERIFY(startProgram());
        const qint32 listId = addList(program().store(), QDate(2026, 12, 4));
        frmEditList *list = openList(listId);
        QTest::mouseClick(list->cmdAddWord, Qt::LeftButton);
        auto *word = forms().findAs<frmEditWord>();
        QVERIFY(word);
        Transcript t(u"wordSaveChecks"_s);

        QTest::keyClicks(word->txtWord, u"   "_s);
        MsgBoxScript::expect(MsgAnswer::OK);
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        t.snap(u"a blank word"_s);
        QTest::keyClicks(word->txtWord, u"ship"_s);
        QTest::keyClicks(word->txtDefinition, u"   "_s);
        MsgBoxScript::expect(MsgAnswer::OK);
        word->mnuSave->trigger();
        t.snap(u"a word without a clue"_s, &program().store());

        // A recording alone is enough; so is a sentence alone.
        QTest::mouseClick(word->cmdRecord, Qt::LeftButton);
        QTest::mouseClick(word->cmdStop, Qt::LeftButton);
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        QTest::keyClicks(word->txtWord, u"Boat"_s);
        QTest::keyClicks(word->txtSentence, u"Row, row, row your boat."_s);
        word->chkCaseSensitive->setChecked(true);
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        t.snap(u"ship with a recording, Boat with a sentence"_s, &program().store());
        QVERIFY(hasRecording(u"SHIP"_s));

        // With the computer voice on, a bare word needs no other clue; the next
        // word typed while "Word Saved" shows lands in the cleared word box.
        program().globals.gVoice.enabled = true;
        program().globals.gMessageTime = 1;
        QTest::keyClicks(word->txtWord, u"kite"_s);
        whenModalShows("frmMessage", [](QWidget *w) {
            auto *keys = w->findChild<QLineEdit *>(u"txtDummy"_s);
            QInputMethodEvent composed; // a letter made with a dead key
            composed.setCommitString(u"\u00e9"_s);
            QCoreApplication::sendEvent(keys, &composed);
            QTest::keyClicks(keys, u"clair"_s);
        });
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        t.snap(u"kite bare, with the voice on; \u00e9clair typed meanwhile"_s, &program().store());
        VERIFY_TRANSCRIPT(t);
    }

    void wordEditor_recordingFollowsTheWord()
    {
        QVERIFY(startProgram());
        Store &db = program().store();
        const qint32 listId = addList(db, QDate(2026, 12, 4), {u"cat"_s, u"dog"_s, u"pig"_s, u"owl"_s});
        db.execute(u" UPDATE WORDS SET DEFINITION = 'an animal' "_s);
        for (const char *w : {"cat", "dog", "pig"})
            writeRecording(QString::fromLatin1(w));
        frmEditList *list = openList(listId);
        Transcript t(u"recordingFollowsTheWord"_s);
        auto edit = [&](int row, const QString &newText) {
            list->MSFlexGrid1->setRow(row);
            QTest::mouseClick(list->cmdEditWord, Qt::LeftButton);
            auto *word = forms().findAs<frmEditWord>();
            t.snap(u"editing row %1"_s.arg(row));
            word->txtWord->setText(newText);
            return word;
        };

        // cat becomes bat: the recording moves with it; an existing word closes after saving.
        writeFile(RecordingPath(wavs(), u"bat"_s) + u".new"_s, "cut short"); // left by a copy cut short
        frmEditWord *word = edit(1, u"bat"_s);
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        t.snap(u"cat renamed bat"_s, &db);

        // Only the case changes: the file stays where it is.
        word = edit(2, u"Dog"_s);
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        t.snap(u"dog renamed Dog"_s, &db);

        // Renamed and recorded anew: the new sound under the new name, the old file left in place.
        word = edit(3, u"hog"_s);
        QTest::mouseClick(word->cmdRecord, Qt::LeftButton);
        t.snap(u"recording: nothing to play meanwhile"_s);
        QTest::mouseClick(word->cmdStop, Qt::LeftButton);
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        t.snap(u"pig renamed hog with a new recording"_s, &db);

        // Delete then Save keeps the stored recording: no new recording was made.
        word = edit(3, u"hog"_s);
        QVERIFY(!m_recorder->recording); // the device the last recording left open is closed as a word opens
        QTest::mouseClick(word->cmdDeleteWav, Qt::LeftButton);
        QVERIFY(!QFile::exists(word->TempWavPath()));
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        t.snap(u"hog's recording deleted, then saved"_s, &db);
        edit(4, u"owl"_s); // nothing to play
        VERIFY_TRANSCRIPT(t);
    }

    void wordEditor_unsafeAndForeignWordsStayInsideWavs()
    {
        QVERIFY(startProgram());
        const qint32 listId = addList(program().store(), QDate(2026, 12, 4));
        frmEditList *list = openList(listId);
        list->AddWord();
        auto *word = forms().findAs<frmEditWord>();
        const QStringList words = {u"and/or"_s, u".."_s, u"'; DROP TABLE WORDS; --"_s, u"שָׁלוֹם"_s};
        const QString longDefinition(10000, QLatin1Char('d'));
        for (const QString &text : words) {
            word->txtWord->setText(text);
            word->txtDefinition->setPlainText(longDefinition);
            QTest::mouseClick(word->cmdRecord, Qt::LeftButton);
            QTest::mouseClick(word->cmdStop, Qt::LeftButton);
            QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        }
        QStringList stored;
        for (const auto &[id, text] : ListWords(program().store(), listId)) {
            stored << text;
            QCOMPARE(ReadWord(program().store(), id)->definition, longDefinition);
        }
        QCOMPARE(stored, words);
        QCOMPARE(QDir(wavs()).entryList(QDir::Files).size(), words.size());
        for (const QString &text : words)
            QVERIFY2(hasRecording(text), qPrintable(text));
        // Nothing was written beside Wavs but the program's own files.
        for (const QString &name : QDir(m_folder->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            QVERIFY2(name == u"Wavs"_s || name == u"Backups"_s || name.startsWith(u"Lettermarch."_s), qPrintable(name));
        // The grid shows them exactly, and Pronounce plays the right file.
        list->MSFlexGrid1->setRow(1);
        QTest::mouseClick(list->cmdPronounce, Qt::LeftButton);
        QCOMPARE(m_played, QStringList {RecordingFileName(u"and/or"_s)});
    }

    void wordEditor_failedRecordingSaveKeepsWord()
    {
        QVERIFY(startProgram());
        const qint32 listId = addList(program().store(), QDate(2026, 12, 4));
        // Wavs cannot hold files: something else took its name.
        QDir(wavs()).removeRecursively();
        writeFile(wavs(), {});
        frmEditList *list = openList(listId);
        list->AddWord();
        auto *word = forms().findAs<frmEditWord>();
        Transcript t(u"failedRecordingSave"_s, {{m_folder->path(), u"<folder>"_s}});
        word->txtWord->setText(u"kite"_s);
        word->txtDefinition->setPlainText(u"It flies on a string"_s);
        QTest::mouseClick(word->cmdRecord, Qt::LeftButton);
        QTest::mouseClick(word->cmdStop, Qt::LeftButton);
        MsgBoxScript::expect(MsgAnswer::OK);
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        t.snap(u"kite stored, its recording not; ready for the next word"_s, &program().store());

        // A recording that fails to appear at all leaves a word without one.
        m_recorder->failSave = true;
        word->txtWord->setText(u"kit"_s);
        QTest::mouseClick(word->cmdRecord, Qt::LeftButton);
        QTest::mouseClick(word->cmdStop, Qt::LeftButton);
        MsgBoxScript::expect(MsgAnswer::OK); // no clue at all: the word cannot be saved yet
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        QTest::keyClicks(word->txtSentence, u"A first-aid kit."_s);
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        t.snap(u"kit stored without a recording"_s, &program().store());
        VERIFY_TRANSCRIPT(t);
    }

    void listEditor_detailsTotalsAndDelete()
    {
        QVERIFY(startProgram());
        Store &db = program().store();
        const qint32 listId = addList(db, QDate(2026, 12, 4), {u"cat"_s, u"dog"_s}, 3);
        addList(db, QDate(2026, 12, 11), {u"Cat"_s});
        db.execute(u" UPDATE WORDS SET CASE_SENSITIVE = 'TRUE', DEFINITION = 'pet' WHERE WORD_ID = 1 "_s);
        RecordAttempt(db, 1, listId, 1, u"x"_s, u"CORRECT"_s, 1);
        RecordAttempt(db, 2, listId, 1, u"x"_s, u"CORRECT"_s, 1);
        for (int n = 1; n <= 3; ++n)
            RecordAttempt(db, 3, listId, 1, u"x"_s, u"INCORRECT"_s, n);
        writeRecording(u"cat"_s);

        Transcript t(u"listEditor"_s);
        program().globals.gMessageTime = 1; // noted by the transcript
        frmEditList *list = openList(listId);
        QTRY_VERIFY(list->isActiveWindow());
        QTest::qWait(50);
        t.snap(u"cat, with a recording, 3 tests"_s); // a list with words opens no word editor
        // A word another program removed meanwhile shows no stale details.
        list->ShowWordDetails(999);
        t.snap(u"a word that is gone"_s);
        QTest::keyClick(list->MSFlexGrid1, Qt::Key_Down);
        t.snap(u"dog"_s);

        rightClick(list->MSFlexGrid1, 1, list->mnuPopUp); // cat goes, with its attempts and the shared recording
        MsgBoxScript::expect(MsgAnswer::No, u"Delete cat?"_s);
        list->mnuDelete->trigger();
        MsgBoxScript::expect(MsgAnswer::Yes, u"Delete cat?"_s);
        QTest::mouseClick(list->cmdDeleteWord, Qt::LeftButton);
        t.snap(u"cat deleted"_s, &db);

        rightClick(list->MSFlexGrid1, 1, list->mnuPopUp); // the last word has its menu too
        MsgBoxScript::expect(MsgAnswer::Yes, u"Delete dog?"_s);
        list->mnuDelete->trigger();
        list->EditWord(); // with only the header row left: nothing happens
        t.snap(u"dog deleted"_s);
        VERIFY_TRANSCRIPT(t);
    }

private:
    std::unique_ptr<ProgramFolder> m_folder;
    FakeRecorder *m_recorder = nullptr;
    QStringList m_played;

    frmLists *startProgram()
    {
        if (!::startProgram(m_folder->path()))
            return nullptr;
        program().globals.gMessageTime = 0; // no temporary messages in the way
        return forms().findAs<frmLists>();
    }

    frmEditList *openList(qint32 listId)
    {
        auto *editor = forms().get<frmEditList>();
        editor->setListID(listId);
        editor->show();
        return editor;
    }
};

QTEST_MAIN(TestLists)
#include "tst_lists.moc"
