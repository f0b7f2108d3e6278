#include "TestSupport.h"
#include "core/settings/MessageTimes.h"
#include "ui/kernel/frmMessage.h"
#include "ui/settings/frmOptions.h"

class TestSettings : public WindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        program().clock().setNow([] { return QDateTime(QDate(2026, 9, 1), QTime(8, 0)); });
        QVERIFY(startProgram(m_folder->path()));
        program().globals.gMessageTime = 0;
    }

    void cleanup() { endTest(); }

    void messageTimes()
    {
        // "none" is not None; beyond a day, words first or a leading blank read as the default; halves round to even.
        for (const auto &[text, stored] :
            std::initializer_list<std::pair<QString, int>> {{u"None"_s, 0}, {u"none"_s, 6}, {u"100000 Seconds"_s, 6},
                {u"Indefinately"_s, 9999}, {u"1 Second"_s, 2}, {u"10 Seconds"_s, 20}, {u"2.5 Seconds"_s, 4},
                {u"3.5 Seconds"_s, 8}, {u"about 4 seconds"_s, 6}, {u" 4 Seconds"_s, 6}, {u"86400 Seconds"_s, 172800}})
            QCOMPARE(MessageTimes::GetTimeFromCombo(text), stored);
        QCOMPARE(QStringList({MessageTimes::SetTimeCombo(0), MessageTimes::SetTimeCombo(9999),
                     MessageTimes::SetTimeCombo(2), MessageTimes::SetTimeCombo(7)}),
            QStringList({u"None"_s, u"Indefinately"_s, u"1 Second"_s, u"3.5 Seconds"_s}));
        const QLocale before;
        QLocale::setDefault(QLocale::German); // "1,5" is a number in German, and one written as in English still reads
        QVERIFY(MessageTimes::GetTimeFromCombo(u"1,5 Sekunden"_s) == 4
            && MessageTimes::GetTimeFromCombo(u"2.5 Seconds"_s) == 4);
        QLocale::setDefault(before);
    }

    void options_loadSaveAndReopen()
    {
        Transcript t(u"options"_s);
        frmOptions *w = openOptions();
        // Every page, as it first shows.
        for (int page = 0; page < w->Tab1->count(); ++page) {
            w->Tab1->setCurrentIndex(page);
            t.snap(u"page "_s + w->Tab1->tabText(page));
        }
        w->Tab1->setCurrentIndex(0);
        w->txtTempMessages->setCurrentText(u"10 Seconds"_s);
        w->txtTestOrder->setCurrentText(u"Order Created"_s);
        w->cmbMoveOn->setCurrentText(u"5"_s);
        w->txtTestDay->setCurrentText(u"Mondays"_s);
        click(w->chkSkipIndividualTestSetup);
        click(w->chkPlayWrong);
        w->chkStrictDates->setChecked(false); // the family's own table is written too
        QTest::mouseClick(w->cmdSave, Qt::LeftButton);
        t.snap(u"saved"_s, &program().store());
        QCOMPARE(program().globals.gSkipTestSetup, false); // the running program keeps the settings it started with

        w = openOptions();
        t.snap(u"opened again"_s);
        // Cancel changes nothing.
        w->txtTestDay->setCurrentText(u"Sundays"_s);
        // A test without any clue is refused.
        for (QCheckBox *box : {w->chkPronounce, w->chkDefinition, w->chkSentence})
            box->setChecked(false);
        w->Tab1->setCurrentIndex(1); // saved from another page: the clues' page comes back
        MsgBoxScript::expect(MsgAnswer::OK);
        QTest::mouseClick(w->cmdSave, Qt::LeftButton);
        t.snap(u"no clue chosen"_s);
        QTest::mouseClick(w->cmdCancel, Qt::LeftButton);
        QCOMPARE(storedOption("TEST_DAY"), u"Mondays"_s);

        // No row at all: loading writes the default row.
        program().store().execute(u" DELETE FROM OPTIONS "_s);
        w = openOptions();
        t.snap(u"opened without a settings row"_s, &program().store());
        VERIFY_TRANSCRIPT(t);
    }

    void options_restoreDefaults()
    {
        program().store().execute(u" UPDATE OPTIONS SET REVEAL_ANSWERS = 'FALSE', REQUIRE_ECHO = 'true' "_s);
        frmOptions *w = openOptions();
        Transcript t(u"restoreDefaults"_s);
        t.snap(u"typing the answer needs revealing it"_s);
        w->txtTempMessages->setCurrentText(u"None"_s);
        w->chkPlayRight->setChecked(false);
        w->chkSkipIndividualTestSetup->setChecked(true);
        MsgBoxScript::expect(MsgAnswer::No);
        QTest::mouseClick(w->cmdRestoreDefaults, Qt::LeftButton);
        t.snap(u"No: nothing restored"_s);
        MsgBoxScript::expect(MsgAnswer::Yes);
        program().store().execute(u" UPDATE OPTIONS SET TEST_DAY = 'Sundays', MESSAGE_TIME = 0 "_s);
        QTest::mouseClick(w->cmdRestoreDefaults, Qt::LeftButton);
        t.snap(u"Yes: the defaults shown and stored at once, before any Save"_s, &program().store());
        VERIFY_TRANSCRIPT(t);
    }

    void options_testButtonUsesChosenTimeThenRestores()
    {
        frmOptions *w = openOptions();
        w->Tab1->setCurrentIndex(1);
        program().globals.gMessageTime = 4;
        w->txtTempMessages->setCurrentText(u"Indefinately"_s);
        QString seen; // the time in use, the texts, and whether it closes by itself
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(isLoaded(u"frmMessage"_s));
            auto *m = openWindow<frmMessage>();
            seen = u"%1 %2/%3 %4"_s.arg(program().globals.gMessageTime)
                       .arg(m->lblTop->text(), m->lblBottom->text())
                       .arg(m->Timer1->isActive());
            QTest::mouseClick(m->lblBottom, Qt::LeftButton);
        });
        QTest::mouseClick(w->cmdTestMessageTime, Qt::LeftButton);
        QCOMPARE(seen, u"9999 Testing/Click To Close 0"_s);
        QCOMPARE(program().globals.gMessageTime, 4);
        QCOMPARE(storedOption("MESSAGE_TIME"), u"6"_s); // testing saves nothing
    }

private:
    std::unique_ptr<ProgramFolder> m_folder;

    frmOptions *openOptions()
    {
        auto *w = forms().get<frmOptions>();
        w->show();
        return w;
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
