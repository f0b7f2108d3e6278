#include "core/practice/TestSession.h"

#include "core/audio/RecordingFiles.h"
#include "core/audio/Sound.h"
#include "core/audio/Voice.h"
#include "core/data/ChosenWords.h"
#include "core/data/Clock.h"
#include "core/data/Flags.h"
#include "core/data/ListStore.h"
#include "core/data/Store.h"
#include "core/lists/Clues.h"
#include "core/lists/WordStore.h"
#include "core/practice/WordOrder.h"

#include <QCoreApplication>
#include <QFile>

namespace {
const QString Correct = QStringLiteral("CORRECT");
const QString Incorrect = QStringLiteral("INCORRECT");
QString caseHint()
{
    return QCoreApplication::translate("TestSession", "Check the capital letters");
}

QString busyKept()
{
    return QCoreApplication::translate("TestSession",
        "Another program is using Lettermarch's database file, so your answer could not be saved yet.\n\n"
        "It is kept, and it will be saved as soon as the file is free. You can go on with the test.");
}
QString busyAtEnd()
{
    return QCoreApplication::translate("TestSession",
        "Another program is still using Lettermarch's database file, so this test could not be saved yet.\n\n"
        "Nothing you typed is lost. Click OK to try again.");
}
} // namespace

void RecordAttempt(Store &store, qint32 testId, qint32 listId, qint32 wordId, const QString &guess,
    const QString &result, qint32 attemptNumber)
{
    store.addRow(QStringLiteral("WORD_ATTEMPTS"),
        {{QStringLiteral("TEST_ID"), testId}, {QStringLiteral("LIST_ID"), listId}, {QStringLiteral("WORD_ID"), wordId},
            {QStringLiteral("GUESS"), guess}, {QStringLiteral("RESULT"), result},
            {QStringLiteral("ATTEMPT_NUMBER"), attemptNumber}});
}

void DeleteTest(Store &store, qint32 testId)
{
    const QString where = QStringLiteral(" WHERE TEST_ID = ") + idFragment(testId);
    Store::Transaction transaction(store);
    ChosenWords::removeTest(store, testId);
    store.execute(QStringLiteral(" DELETE FROM TESTS ") + where);
    store.execute(QStringLiteral(" DELETE FROM WORD_ATTEMPTS ") + where);
    transaction.commit();
}

TestSession::TestSession(Surroundings around, TestView &view, TestOptionsRecord options, SessionFiles files)
    : m_store(around.store)
    , m_devices(around.devices)
    , m_clock(around.clock)
    , m_random(around.random)
    , m_view(view)
    , m_options(std::move(options))
    , m_files(std::move(files))
{ }

TestSession::Retype TestSession::CheckRetype(const QString &typed, const QString &word, bool caseSensitive)
{
    if (AnswerMatches(typed, word, caseSensitive))
        return Retype::Correct;
    if (caseSensitive)
        return AnswerMatches(typed, word, false) ? Retype::WrongCase : Retype::Wrong;
    return typed.isEmpty() ? Retype::Empty : Retype::Wrong;
}

void TestSession::Start(qint32 listId, const QList<qint32> &onlyWords)
{
    m_testId = NextID(m_store, IdCodes::Test);
    m_listId = listId;
    m_onlyWords = onlyWords;
    m_words = LoadTestWords(m_store, m_random, m_listId, wordOrderOf(m_options.TestOrder), m_onlyWords);
    m_state = State::WordPresented;
    m_startTime = m_clock.now();
    m_wordIndex = -1;
    if (m_words.leftOut > 0)
        m_view.wordsLeftOut(m_listId, m_words.leftOut);
    NextWord();
}

void TestSession::NextWord()
{
    m_attempts = 0;
    if (m_wordIndex >= m_words.sequence.size() - 1) {
        EndTest();
        return;
    }
    ++m_wordIndex;
    bool ok; // set by the conversion
    const qint32 id = m_words.sequence.at(m_wordIndex).toInt(&ok);
    // A word that has gone (or the empty entry of a list without words)
    // ends the test.
    std::optional<WordRow> word;
    if (ok) {
        try {
            word = ReadWord(m_store, id);
        } catch (const StoreError &e) {
            // Held by another program: the word as it stood at the start.
            if (!e.isBusy() || !m_words.rows.contains(id))
                throw;
            word = m_words.rows.value(id);
        }
    }
    if (!word) {
        EndTest();
        return;
    }
    m_wordId = word->wordId;
    m_currentWord = word->word;
    m_caseSensitive = TextToBool(word->caseSensitive);
    m_canPronounce = PronunciationFor(HasRecording(RecordingPath(m_files.wavDir, m_currentWord)), m_files.voice)
        != Pronunciation::None;
    m_definition = word->definition;
    m_sentence = word->sentence;
    if (m_files.family.hideWordInClues)
        m_view.presentWord(MaskWord(m_definition, m_currentWord), MaskWord(m_sentence, m_currentWord), m_canPronounce);
    else
        m_view.presentWord(m_definition, m_sentence, m_canPronounce);
    m_view.showProgress(m_wordIndex + 1, qint32(m_words.sequence.size()));
    m_view.setAnswer(QString());
    m_view.focusAnswer();
    if (m_canPronounce && m_options.Pronounce)
        Pronounce();
}

bool TestSession::Submit(const QString &typed)
{
    if (m_state != State::WordPresented)
        return false;
    const QString answer = typed.trimmed();
    m_view.setAnswer(answer);
    if (answer.isEmpty())
        return false;
    CheckAnswer(answer);
    return true;
}

void TestSession::CheckAnswer(const QString &typed)
{
    const QString answer = typed.trimmed();
    m_view.setAnswer(answer);
    ++m_attempts;
    if (AnswerMatches(answer, m_currentWord, m_caseSensitive))
        AnswerCorrect(answer);
    else
        AnswerIncorrect(answer);
}

void TestSession::AnswerCorrect(const QString &answer)
{
    storeAttempt(answer, Correct);
    if (m_options.PlayCorrectSound)
        m_devices.PlaySound(m_files.correctSound);
    m_view.showMessage(QCoreApplication::translate("TestSession", "Correct"), m_currentWord);
    NextWord();
}

void TestSession::AnswerIncorrect(const QString &answer)
{
    storeAttempt(answer, Incorrect);
    if (m_options.PlayIncorrectSound)
        m_devices.PlaySound(m_files.incorrectSound);
    const bool caseOnly
        = m_files.family.caseHint && m_caseSensitive && answer.compare(m_currentWord, Qt::CaseInsensitive) == 0;
    if (m_attempts >= m_options.MoveOnAfter) {
        m_view.showMessage(QCoreApplication::translate("TestSession", "Incorrect"), caseOnly ? caseHint() : QString());
        if (m_options.RevealAnswers)
            m_view.revealAnswer(m_currentWord, m_caseSensitive);
        NextWord();
        return;
    }
    m_view.showMessage(QCoreApplication::translate("TestSession", "Incorrect"),
        caseOnly ? caseHint() : QCoreApplication::translate("TestSession", "Try Again"));
    if (m_options.ClearWrongAnswer)
        m_view.setAnswer(QString());
    if (m_canPronounce && m_options.Pronounce)
        Pronounce();
    m_view.focusAnswer();
}

void TestSession::storeAttempt(const QString &answer, const QString &result)
{
    m_pending.append({m_wordId, answer, result, m_attempts});
    if (!writePending() && !m_toldBusy) {
        m_toldBusy = true;
        m_view.notice(busyKept());
    }
}

// Writes the kept answers in the order they were typed; false while another
// program holds the file.
bool TestSession::writePending()
{
    try {
        Store::Transaction transaction(m_store);
        for (const PendingAttempt &a : std::as_const(m_pending))
            RecordAttempt(m_store, m_testId, m_listId, a.wordId, a.guess, a.result, a.attemptNumber);
        transaction.commit();
    } catch (const StoreError &e) {
        if (!e.isBusy())
            throw;
        return false;
    }
    m_pending.clear();
    m_toldBusy = false;
    return true;
}

template<class Write>
void TestSession::writeWhenFree(Write write)
{
    for (;;) {
        try {
            write();
            return;
        } catch (const StoreError &e) {
            if (!e.isBusy())
                throw;
        }
        m_view.notice(busyAtEnd());
    }
}

void TestSession::Pronounce()
{
    if (const QString problem
        = PronounceWord(m_devices, m_currentWord, m_files.wavDir, m_files.voice, m_files.language);
        !problem.isEmpty())
        m_view.notice(problem);
}

void TestSession::ReadAloud(const QString &clue)
{
    // A clue that hides the word on screen must not say it either.
    const QString spoken = m_files.family.hideWordInClues
        ? MaskWord(clue, m_currentWord, QCoreApplication::translate("TestSession", "blank"))
        : clue;
    if (m_files.voice.enabled && !clue.trimmed().isEmpty())
        m_devices.voice().say(spoken, m_files.voice.voice, m_files.voice.rate, m_files.language);
}

void TestSession::EndTest()
{
    if (m_state == State::Ended || m_state == State::Quit)
        return;
    m_state = State::Ended;
    SaveTest();
    m_view.testEnded();
}

void TestSession::SaveTest()
{
    const QDateTime end = m_clock.now();
    writeWhenFree([&] {
        Store::Transaction transaction(m_store);
        for (const PendingAttempt &a : std::as_const(m_pending))
            RecordAttempt(m_store, m_testId, m_listId, a.wordId, a.guess, a.result, a.attemptNumber);
        m_store.addRow(QStringLiteral("TESTS"),
            {{QStringLiteral("TEST_ID"), m_testId}, {QStringLiteral("LIST_ID"), m_listId},
                {QStringLiteral("MOVE_ON_AFTER"), m_options.MoveOnAfter},
                {QStringLiteral("START_TIME"), StoreDates::storedDateTime(m_startTime)},
                {QStringLiteral("END_TIME"), StoreDates::storedDateTime(end)}});
        if (!m_onlyWords.isEmpty())
            ChosenWords::write(m_store, m_testId, m_onlyWords);
        transaction.commit();
    });
    m_pending.clear();
}

void TestSession::Quit()
{
    if (m_state == State::Ended || m_state == State::Quit)
        return;
    m_state = State::Quit;
    writeWhenFree([this] { DeleteTest(m_store, m_testId); });
}
