#include "TestSupport.h"
#include "ui/shell/frmDeleteOldList.h"

namespace {
// Answers the old-list prompts as they come, one button each, noting each prompt in the transcript.
struct PromptAnswers
{
    QStringList buttons;
    QTimer timer;

    PromptAnswers(Transcript &t, const QStringList &answers)
        : buttons(answers)
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this, &t] {
            auto *prompt = qobject_cast<frmDeleteOldList *>(QApplication::activeModalWidget());
            if (!prompt || !prompt->isActiveWindow() || buttons.isEmpty()) // as the user first sees it
                return;
            t.snap(u"list %1 offered for deletion"_s.arg(prompt->ListID()));
            QTest::mouseClick(prompt->findChild<QPushButton *>(buttons.takeFirst()), Qt::LeftButton);
        });
        timer.start();
    }
};
} // namespace

class TestApp : public WindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        // Before every list's test date, so no list is offered for deletion.
        program().clock().setNow([] { return QDateTime(QDate(2026, 9, 1), QTime(8, 0)); });
    }

    void cleanup() { endTest(); }

    void oldLists_deleteIgnoreCancelAcrossStarts()
    {
        {
            auto store = m_folder->openStore();
            OptionsRow options;
            options.messageTime = 1; // noted by the transcript
            WriteOptions(*store, options);
            addList(*store, QDate(2026, 8, 20), {u"pear"_s, u"Apple"_s}, 1);
            addList(*store, QDate(2026, 8, 25));
            addList(*store, QDate(2026, 9, 1)); // the test is today: not old yet
        }
        const QString wav = m_folder->file(u"Wavs/PEAR.wav"_s);
        writeFile(wav, "RIFF");
        Transcript t(u"oldLists"_s);
        {
            PromptAnswers answers(t, {u"cmdDelete"_s, u"cmdIgnore"_s});
            QVERIFY(start());
            // Deleted before the grid was filled; the ignored list stays.
            t.snap(u"one deleted, one ignored"_s, &program().store());
            QVERIFY(!QFile::exists(wav));
        }
        endProgram();

        // A day later the third list is old too: only it is offered; Cancel keeps it for the next start.
        program().clock().setNow([] { return QDateTime(QDate(2026, 9, 2), QTime(8, 0)); });
        for (int run = 0; run < 2; ++run) {
            PromptAnswers answers(t, {u"cmdCancel"_s});
            QVERIFY(start());
            endProgram();
        }

        // With the setting off nothing is offered.
        m_folder->openStore()->execute(u" UPDATE OPTIONS SET PROMPT_TO_DELETE_LISTS = 'FALSE' "_s);
        PromptAnswers none(t, {u"cmdDelete"_s});
        QVERIFY(start());
        t.snap(u"nothing offered"_s);
        VERIFY_TRANSCRIPT(t);
    }

private:
    std::unique_ptr<ProgramFolder> m_folder;

    bool start() { return startProgram(m_folder->path()); }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
