#include "TestSession.h"

#include "WordOrder.h"
#include "app/Globals.h"
#include "audio/RecordingFiles.h"
#include "audio/Sound.h"
#include "data/Clock.h"
#include "data/Flags.h"
#include "data/ListStore.h"
#include "data/Store.h"
#include "lists/WordStore.h"

#include <QFile>

namespace {
const QString Correct = QStringLiteral("CORRECT");
const QString Incorrect = QStringLiteral("INCORRECT");
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
    const QString where = QStringLiteral(" WHERE TEST_ID = ") + catalogueId(testId);
    Store::Transaction transaction(store);
    store.execute(QStringLiteral(" DELETE FROM TESTS ") + where);
    store.execute(QStringLiteral(" DELETE FROM WORD_ATTEMPTS ") + where);
    transaction.commit();
}

TestSession::TestSession(Store &store, TestView &view, const TestOptionsRecord &options)
    : m_store(store)
    , m_view(view)
    , m_options(options)
{ }

void TestSession::Start(qint32 listId)
{
    m_testId = NextID(m_store, IdCodes::Test);
    m_listId = listId;
    Globals::gWordSequence = LoadWordSequence(m_store, m_listId, wordOrderOf(m_options.TestOrder));
    m_state = State::WordPresented;
    m_startTime = Clock::now();
    m_wordIndex = -1;
    NextWord();
}

void TestSession::NextWord()
{
    m_attempts = 0;
    if (m_wordIndex >= Globals::gWordSequence.size() - 1) {
        EndTest();
        return;
    }
    ++m_wordIndex;
    bool ok = false;
    const qint32 id = Globals::gWordSequence.at(m_wordIndex).toInt(&ok);
    // A word that has gone (or the empty entry of a list without words)
    // ends the test.
    const auto word = ok ? ReadWord(m_store, id) : std::nullopt;
    if (!word) {
        EndTest();
        return;
    }
    m_wordId = word->wordId;
    m_currentWord = word->word;
    m_caseSensitive = TextToBool(word->caseSensitive);
    m_canPronounce = QFile::exists(RecordingPath(Globals::gWavPath, m_currentWord));
    m_view.presentWord(word->definition, word->sentence, m_canPronounce);
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
    RecordAttempt(m_store, m_testId, m_listId, m_wordId, answer, Correct, m_attempts);
    if (m_options.PlayCorrectSound)
        PlaySound(Globals::gCorrectSoundPath);
    m_view.showMessage(QStringLiteral("Correct"), m_currentWord);
    NextWord();
}

void TestSession::AnswerIncorrect(const QString &answer)
{
    RecordAttempt(m_store, m_testId, m_listId, m_wordId, answer, Incorrect, m_attempts);
    if (m_options.PlayIncorrectSound)
        PlaySound(Globals::gIncorrectSoundPath);
    if (m_attempts >= m_options.MoveOnAfter) {
        m_view.showMessage(QStringLiteral("Incorrect"), QString());
        if (m_options.RevealAnswers)
            m_view.revealAnswer(m_currentWord, m_caseSensitive);
        NextWord();
        return;
    }
    m_view.showMessage(QStringLiteral("Incorrect"), QStringLiteral("Try Again"));
    if (m_options.ClearWrongAnswer)
        m_view.setAnswer(QString());
    if (m_canPronounce && m_options.Pronounce)
        Pronounce();
    m_view.focusAnswer();
}

void TestSession::Pronounce()
{
    PlaySound(RecordingPath(Globals::gWavPath, m_currentWord));
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
    m_store.addRow(QStringLiteral("TESTS"),
        {{QStringLiteral("TEST_ID"), m_testId}, {QStringLiteral("LIST_ID"), m_listId},
            {QStringLiteral("MOVE_ON_AFTER"), m_options.MoveOnAfter},
            {QStringLiteral("START_TIME"), StoreDates::storedDateTime(m_startTime)},
            {QStringLiteral("END_TIME"), StoreDates::storedDateTime(Clock::now())}});
}

void TestSession::Quit()
{
    if (m_state == State::Ended || m_state == State::Quit)
        return;
    m_state = State::Quit;
    DeleteTest(m_store, m_testId);
}
