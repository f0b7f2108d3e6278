#include "ui/practice/frmTest.h"

#include "core/app/Program.h"
#include "core/audio/Voice.h"
#include "core/data/Store.h"
#include "core/lists/ListLanguage.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/FlexGrid.h"
#include "ui/kernel/MessageBox.h"
#include "ui/practice/frmRevealAnswer.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>

#include <utility>

using namespace AppFunctions;
using namespace Controls;

namespace {
// Design geometry is in twips: 15 to a pixel.
QRect twips(int left, int top, int width, int height)
{
    constexpr int t = FlexGrid::TwipsPerPixel;
    return {left / t, top / t, width / t, height / t};
}

int px(int twipValue)
{
    return twipValue / FlexGrid::TwipsPerPixel;
}

QPlainTextEdit *clueBox(QWidget *parent, const char *name)
{
    auto *e = named<QPlainTextEdit>(parent, name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setGeometry(twips(240, 360, 5895, 1095));
    QFont f = e->font();
    f.setPointSizeF(f.pointSizeF() * 1.15);
    e->setFont(f);
    return e;
}
} // namespace

// The test ends deep inside the calls of an answer (or of Start); the
// window may only be deleted once those calls have returned.
class frmTest::Busy
{
public:
    explicit Busy(frmTest *w)
        : m_w(w)
    {
        ++m_w->m_busy;
    }
    ~Busy()
    {
        if (--m_w->m_busy == 0 && m_w->m_deleteWhenDone)
            m_w->deleteLater();
    }

private:
    frmTest *m_w;
};

frmTest::frmTest(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmTest"));
    setWindowTitle(tr("Test"));

    frameMain = named<QFrame>(this, "frameMain");
    frameMain->setGeometry(twips(1200, 480, 6615, 5655));
    frameMain->setFrameShape(QFrame::StyledPanel);
    frameMain->setAutoFillBackground(true);
    QPalette panel = frameMain->palette();
    panel.setColor(QPalette::Window, palette().color(QPalette::Button));
    frameMain->setPalette(panel);

    frameDefinition = named<QGroupBox>(frameMain, "frameDefinition");
    frameDefinition->setTitle(tr("Definition"));
    frameDefinition->setGeometry(twips(120, 120, 6375, 1695));
    txtDefinition = clueBox(frameDefinition, "txtDefinition");

    frameContext = named<QGroupBox>(frameMain, "frameContext");
    frameContext->setTitle(tr("Context Sentence"));
    frameContext->setGeometry(twips(120, 1920, 6375, 1695));
    txtContext = clueBox(frameContext, "txtContext");

    frameBottom = named<QGroupBox>(frameMain, "frameBottom");
    frameBottom->setGeometry(twips(120, 3720, 6375, 1815));
    cmdPronounce = button(frameBottom, "cmdPronounce", tr("Pronounce"), tr("Pronounce the current word"));
    cmdPronounce->setGeometry(twips(1920, 240, 2175, 375));
    cmdPronounce->setFocusPolicy(Qt::TabFocus); // clicked, it leaves the focus in the answer box
    txtWord = named<QLineEdit>(frameBottom, "txtWord");
    txtWord->setGeometry(twips(840, 840, 5055, 285));
    lblWord = label(frameBottom, "lblWord", tr("Word"), txtWord);
    lblWord->setGeometry(twips(120, 840, 615, 255));
    // A longer word for "Word" moves the answer box over instead of being cut.
    if (const int extra = lblWord->sizeHint().width() - lblWord->width(); extra > 0) {
        lblWord->resize(lblWord->sizeHint().width(), lblWord->height());
        txtWord->setGeometry(txtWord->x() + extra, txtWord->y(), txtWord->width() - extra, txtWord->height());
    }
    lblProgress = named<QLabel>(frameBottom, "lblProgress");
    lblProgress->setGeometry(twips(120, 300, 1740, 255));
    cmdNext = button(frameBottom, "cmdNext", tr("Next"), tr("Next word"));
    cmdNext->setGeometry(twips(1920, 1320, 2175, 375));

    // Clues read aloud, for children who cannot read them yet.
    cmdReadDefinition
        = button(frameDefinition, "cmdReadDefinition", tr("Read aloud"), tr("Read the definition aloud (Ctrl+1)"));
    cmdReadDefinition->setGeometry(twips(4755, 360, 1500, 375));
    cmdReadDefinition->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    cmdReadSentence
        = button(frameContext, "cmdReadSentence", tr("Read aloud"), tr("Read the context sentence aloud (Ctrl+2)"));
    cmdReadSentence->setGeometry(twips(4755, 360, 1500, 375));
    cmdReadSentence->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    // A longer "Read aloud" widens the buttons to the left; the clues give way.
    const int readWidth = qMax(cmdReadDefinition->sizeHint().width(), cmdReadDefinition->width());
    for (QPushButton *b : {cmdReadDefinition, cmdReadSentence}) {
        b->setGeometry(b->geometry().right() + 1 - readWidth, b->y(), readWidth, b->height());
        b->setFocusPolicy(Qt::NoFocus); // the answer box keeps the focus
        b->hide();
    }
    connect(cmdReadDefinition, &QPushButton::clicked, this, [this] {
        if (m_session)
            m_session->ReadDefinition();
    });
    connect(cmdReadSentence, &QPushButton::clicked, this, [this] {
        if (m_session)
            m_session->ReadSentence();
    });

    connect(cmdPronounce, &QPushButton::clicked, this, [this] {
        const Busy busy(this);
        if (m_session)
            m_session->Pronounce();
    });
    connect(cmdNext, &QPushButton::clicked, this, &frmTest::submit);
    connect(txtWord, &QLineEdit::returnPressed, this, &frmTest::submit);

    // The whole screen, so nothing else distracts from the test.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        setGeometry(area.left(), area.top(), area.width(), area.height() - px(50));
    }
}

frmTest::~frmTest() = default;

void frmTest::Start(qint32 m_ListID, const QList<qint32> &onlyWords, const TestOptionsRecord &options)
{
    const Busy busy(this);
    VoiceOptions voice = m_program.globals.gVoice;
    const QLocale::Language language = ListLanguage::spoken(m_program.store(), m_ListID);
    if (voice.enabled) {
        // A voice that cannot speak is left out; the test goes on without it.
        const QString why = VoiceProblem(m_program.devices().voice(), language);
        // The clues make room for the buttons beside them.
        for (QPlainTextEdit *clue : {txtDefinition, txtContext})
            clue->resize(px(4395) - (px(4755) - cmdReadDefinition->x()), clue->height());
        for (QPushButton *b : {cmdReadDefinition, cmdReadSentence}) {
            b->setVisible(true);
            b->setEnabled(why.isEmpty());
            if (!why.isEmpty())
                b->setToolTip(why);
        }
        if (!why.isEmpty()) {
            voice.enabled = false;
            if (!m_program.globals.gVoiceProblemsTold.contains(why)) {
                m_program.globals.gVoiceProblemsTold.insert(why);
                MsgBox(why + tr("\n\nWords without a recording are not spoken in this test."), MsgButtons::OK, this);
            }
        }
    }
    m_session = std::make_unique<TestSession>(
        TestSession::Surroundings {m_program.store(), m_program.devices(), m_program.clock(), m_program.random()},
        static_cast<TestView &>(*this), options,
        SessionFiles {m_program.globals.gWavPath, m_program.globals.gCorrectSoundPath,
            m_program.globals.gIncorrectSoundPath, voice, ReadFamilyOptions(m_program.store()), language});
    ArrangeFrames();
    try {
        m_session->Start(m_ListID, onlyWords);
    } catch (const IdentifiersExhausted &e) {
        // Nothing was written; the test never began.
        MsgBox(e.message(), MsgButtons::OK, this);
        m_closingByProgram = true;
        setAttribute(Qt::WA_DeleteOnClose, false);
        close();
        m_deleteWhenDone = true;
        emit abandoned();
    }
}

void frmTest::NextWord()
{
    const Busy busy(this);
    if (m_session)
        m_session->NextWord();
}

void frmTest::EndTest()
{
    const Busy busy(this);
    if (m_session)
        m_session->EndTest();
}

void frmTest::CheckAnswer()
{
    const Busy busy(this);
    if (m_session)
        m_session->CheckAnswer(txtWord->text());
}

QString frmTest::SaveBeforeTheEnd()
{
    m_closingByProgram = true;
    if (!m_session || m_session->PendingAttempts() == 0)
        return {};
    const qint32 pending = m_session->PendingAttempts();
    try {
        if (m_session->SavePending())
            return {};
    } catch (const StoreError &e) {
        return tr("%1 answers of the test could not be saved: %2").arg(pending).arg(e.message());
    }
    return tr("%1 answers of the test could not be saved: another program still holds the database file.").arg(pending);
}

void frmTest::submit()
{
    const Busy busy(this);
    if (m_session)
        m_session->Submit(txtWord->text());
}

void frmTest::ArrangeFrames()
{
    const TestOptionsRecord &o = m_session->options();
    const int gap = px(150);
    frameDefinition->move(frameDefinition->x(), px(100));
    cmdPronounce->setVisible(o.Pronounce);
    int top = frameDefinition->y();
    frameDefinition->setVisible(o.ShowDefinition);
    if (o.ShowDefinition)
        top += frameDefinition->height() + gap;
    frameContext->move(frameContext->x(), top);
    frameContext->setVisible(o.ShowContext);
    if (o.ShowContext)
        top += frameContext->height() + gap;
    frameBottom->move(frameBottom->x(), top);
    frameMain->resize(frameMain->width(), top + frameBottom->height() + px(200));
    centreFrameMain();
}

void frmTest::centreFrameMain()
{
    frameMain->move((width() - frameMain->width()) / 2, (height() - frameMain->height()) / 2);
}

void frmTest::resizeEvent(QResizeEvent *event)
{
    Form<QWidget>::resizeEvent(event);
    centreFrameMain();
}

void frmTest::presentWord(const QString &definition, const QString &sentence, bool canPronounce)
{
    txtDefinition->setPlainText(definition);
    txtContext->setPlainText(sentence);
    cmdPronounce->setEnabled(canPronounce);
}

void frmTest::showProgress(qint32 number, qint32 total)
{
    lblProgress->setText(tr("Word %1 of %2").arg(number).arg(total));
}

void frmTest::setAnswer(const QString &text)
{
    if (txtWord->text() != text)
        txtWord->setText(text);
}

void frmTest::focusAnswer()
{
    txtWord->deselect();
    txtWord->end(false);
    if (!m_typedAhead.isEmpty()) {
        txtWord->insert(m_typedAhead);
        m_typedAhead.clear();
    }
    txtWord->setFocus();
}

void frmTest::showMessage(const QString &top, const QString &bottom)
{
    m_typedAhead += ShowMessage(m_program.globals.gMessageTime, top, bottom);
}

void frmTest::revealAnswer(const QString &word, bool caseSensitive)
{
    auto *reveal = makeForm<frmRevealAnswer>(m_program);
    reveal->setRetype(m_session->options().RequireEcho, m_session->options().ClearWrongAnswer);
    reveal->TakeInWordDetails(word, caseSensitive);
    reveal->setParent(this, reveal->windowFlags() | Qt::Dialog);
    if (reveal->txtEcho->isVisibleTo(reveal)) {
        reveal->txtEcho->insert(m_typedAhead);
        m_typedAhead.clear();
    }
    reveal->exec();
}

void frmTest::testEnded()
{
    // The last temporary message has closed before the window goes.
    DoEvents(3);
    emit listTested(m_session->ListID());
    m_closingByProgram = true;
    setAttribute(Qt::WA_DeleteOnClose, false);
    close();
    m_deleteWhenDone = true;
    emit finished(m_session->TestID());
}

void frmTest::notice(const QString &text)
{
    MsgBox(text, MsgButtons::OK, this);
}

void frmTest::wordsLeftOut(qint32 listId, qint32 count)
{
    // Said once a run for each list: the parent needs to know, the child
    // need not hear it at every test.
    QSet<qint32> &told = m_program.globals.gListsToldLeftOut;
    if (told.contains(listId))
        return;
    told.insert(listId);
    // Whole sentences, one for one word and one for several, so that each
    // can be translated as a sentence.
    const QString text = count == 1
        ? tr("%1 of this list's words cannot be asked, because the database holds it without an identifier (it "
             "may have been changed by another program).\n\nThe test goes on with the other words. To include the "
             "word, add the word again in the list editor.")
        : tr("%1 of this list's words cannot be asked, because the database holds them without an identifier (it "
             "may have been changed by another program).\n\nThe test goes on with the other words. To include "
             "those words, add those words again in the list editor.");
    MsgBox(text.arg(count), MsgButtons::OK, this);
}

void frmTest::closeEvent(QCloseEvent *event)
{
    if (!m_closingByProgram && m_session && m_session->state() == TestSession::State::WordPresented) {
        if (MsgBox(tr("You have not completed the test.\nDo you really want to quit?"), MsgButtons::YesNo, this)
            != MsgAnswer::Yes) {
            event->ignore();
            focusAnswer();
            return;
        }
        m_session->Quit();
        emit abandoned();
    }
    Form<QWidget>::closeEvent(event);
}
