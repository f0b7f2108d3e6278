#pragma once

#include "core/practice/TestOptions.h"
#include "core/practice/WordOrder.h"
#include "core/settings/FamilyOptions.h"
#include "core/settings/VoiceOptions.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class Clock;
class Devices;
class Store;

// Stores one checked answer at once, so an answer is never lost even if
// the program ends in the middle of a test.
void RecordAttempt(Store &store, qint32 testId, qint32 listId, qint32 wordId, const QString &guess,
    const QString &result, qint32 attemptNumber);
// Removes a quit test's rows; its identifier is not reused.
void DeleteTest(Store &store, qint32 testId);

// What a running test asks of its window.
class TestView
{
public:
    virtual ~TestView() = default;
    // Shows the clues of the next word and empties the answer box.
    virtual void presentWord(const QString &definition, const QString &sentence, bool canPronounce) = 0;
    // How far the test is: word `number` (from 1) of `total`.
    virtual void showProgress(qint32 number, qint32 total) = 0;
    // Replaces the text of the answer box.
    virtual void setAnswer(const QString &text) = 0;
    // Puts the focus in the answer box, the caret after the text.
    virtual void focusAnswer() = 0;
    // The temporary message; returns when it has closed.
    virtual void showMessage(const QString &top, const QString &bottom) = 0;
    // The reveal answer window, modal; returns when it has closed.
    virtual void revealAnswer(const QString &word, bool caseSensitive) = 0;
    // The test is over and stored.
    virtual void testEnded() = 0;
    // A plain message with an OK button; returns when it has been read.
    virtual void notice(const QString &text) = 0;
    // Some of the list's words cannot be asked (`count` rows without an
    // identifier); the test goes on without them.
    virtual void wordsLeftOut(qint32 listId, qint32 count) = 0;
};

// How a test sounds and shows: the recordings folder, the two notification
// sounds, the computer voice for words without a recording and the list's
// language it speaks, and the family's choices of how clues and wrong
// answers are shown.
struct SessionFiles
{
    QString wavDir;
    QString correctSound;
    QString incorrectSound;
    VoiceOptions voice;
    FamilyOptions family;
    QLocale::Language language = QLocale::English;
};

// The practice test itself: the order of the words, the checking of each
// answer, the attempts allowed, what follows a wrong answer, the rows
// written. The window only shows what it is told.
class TestSession
{
public:
    enum class State { NotStarted, WordPresented, Ended, Quit };

    // What a session needs from the program around it.
    struct Surroundings
    {
        Store &store;
        Devices &devices;
        const Clock &clock;
        RandomSource &random;
    };
    // The session keeps its own copy of the settings it was started with.
    TestSession(Surroundings around, TestView &view, TestOptionsRecord options, SessionFiles files);

    // What the word typed again after its spelling was revealed is judged to
    // be: a case-sensitive word typed in the wrong case is told apart, and an
    // empty box is wrong only for a case-sensitive word (it is otherwise
    // asked for again).
    enum class Retype { Correct, WrongCase, Wrong, Empty };
    static Retype CheckRetype(const QString &typed, const QString &word, bool caseSensitive);

    // The settings this session runs with.
    const TestOptionsRecord &options() const { return m_options; }

    // A test of the whole list, or with `onlyWords` a practice of just those
    // words (kept with the test, so its figures count only them).
    void Start(qint32 listId, const QList<qint32> &onlyWords = {});
    void NextWord();
    // An answer as typed: trimmed, and checked unless empty. False when
    // nothing was checked.
    bool Submit(const QString &typed);
    void CheckAnswer(const QString &answer);
    void EndTest();
    // The user quit before the end: the test's rows are removed.
    void Quit();
    // Says the current word: its recording, or the computer voice.
    void Pronounce();
    // Reads a clue aloud with the computer voice (when it is on), the word
    // said in it even when the screen blanks it.
    void ReadAloud(const QString &clue);
    void ReadDefinition() { ReadAloud(m_definition); }
    void ReadSentence() { ReadAloud(m_sentence); }

    State state() const { return m_state; }
    qint32 TestID() const { return m_testId; }
    qint32 ListID() const { return m_listId; }
    qint32 WordIndex() const { return m_wordIndex; }
    qint32 Attempts() const { return m_attempts; }
    qint32 WordID() const { return m_wordId; }
    QString CurrentWord() const { return m_currentWord; }
    bool TestEnded() const { return m_state == State::Ended; }
    bool canPronounce() const { return m_canPronounce; }
    // Answers checked while another program held the database file, kept
    // here until they can be written.
    qint32 PendingAttempts() const { return qint32(m_pending.size()); }
    // Writes the kept answers now (the program is ending), waiting as long as
    // the store waits for a busy file; false when the file is still held.
    bool SavePending() { return writePending(); }

private:
    void AnswerCorrect(const QString &answer);
    void AnswerIncorrect(const QString &answer);
    void SaveTest();
    void storeAttempt(const QString &answer, const QString &result);
    bool writePending();
    // Runs `write` until it succeeds, asking the user to wait while another
    // program holds the file; nothing typed is lost meanwhile.
    template<class Write>
    void writeWhenFree(Write write);

    struct PendingAttempt
    {
        qint32 wordId;
        QString guess;
        QString result;
        qint32 attemptNumber;
    };
    QList<PendingAttempt> m_pending;
    bool m_toldBusy = false;
    TestWords m_words;

    Store &m_store;
    Devices &m_devices;
    const Clock &m_clock;
    RandomSource &m_random;
    TestView &m_view;
    const TestOptionsRecord m_options;
    const SessionFiles m_files;
    State m_state = State::NotStarted;
    qint32 m_testId = 0;
    qint32 m_listId = 0;
    QList<qint32> m_onlyWords;
    qint32 m_wordIndex = -1;
    qint32 m_attempts = 0;
    qint32 m_wordId = 0;
    QString m_currentWord;
    QString m_definition;
    QString m_sentence;
    bool m_caseSensitive = false;
    bool m_canPronounce = false;
    QDateTime m_startTime;
};
