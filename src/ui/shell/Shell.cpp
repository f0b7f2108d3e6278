#include "ui/shell/Shell.h"

#include "core/audio/RecordingFiles.h"
#include "core/data/Backups.h"
#include "core/data/FolderLock.h"
#include "core/data/ListStore.h"
#include "core/data/Options.h"
#include "core/data/Store.h"
#include "core/exchange/ListCopy.h"
#include "core/settings/LanguageOption.h"
#include "ui/help/frmAbout.h"
#include "ui/help/frmHelp.h"
#include "ui/kernel/Application.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/Language.h"
#include "ui/kernel/MessageBox.h"
#include "ui/lists/frmEditList.h"
#include "ui/lists/frmEditWord.h"
#include "ui/lists/frmNewList.h"
#include "ui/lists/frmPrintList.h"
#include "ui/practice/frmTest.h"
#include "ui/practice/frmTestSetup.h"
#include "ui/results/frmPastTests.h"
#include "ui/results/frmTestResults.h"
#include "ui/results/frmTroubleWords.h"
#include "ui/settings/frmOptions.h"
#include "ui/shell/frmChooseChild.h"
#include "ui/shell/frmDeleteOldList.h"
#include "ui/shell/frmLists.h"
#include "ui/shell/frmParentLock.h"
#include "ui/shell/frmRestoreBackup.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QInputDialog>
#include <QTimer>

#include <cstdio>
#include <type_traits>

Shell::Shell(std::unique_ptr<Program> program)
    : m_program(std::move(program))
{
    add<frmLists>();
    add<frmNewList>();
    add<frmEditList>();
    add<frmEditWord>();
    add<frmTest>();
    add<frmTestResults>();
    add<frmTestSetup>();
    add<frmPastTests>();
    add<frmDeleteOldList>();
    add<frmOptions>();
    add<frmHelp>();
    add<frmAbout>();
    add<frmRestoreBackup>();
    add<frmTroubleWords>();
    add<frmPrintList>();
}

Shell::~Shell()
{
    m_forms.unloadAll();
}

template<class T>
void Shell::add()
{
    m_forms.registerFactory(QString::fromLatin1(T::staticMetaObject.className()), [this] {
        T *w = nullptr;
        if constexpr (std::is_constructible_v<T, Program &>)
            w = new T(*m_program);
        else
            w = new T;
        wire(w);
        return w;
    });
}

// ---- Start-up and the end ----

bool Shell::prepare()
{
    Globals &g = m_program->globals;
    // A data folder of its own (installed use, --data-dir) is made on the
    // first start.
    if (!QDir().mkpath(g.gProgramDir)) {
        MsgBox(QCoreApplication::translate(
            "Shell", "Lettermarch cannot create its data folder:\n\n%1\n\nLettermarch will now close.")
                   .arg(QDir::toNativeSeparators(g.gProgramDir)));
        return false;
    }
    // Two copies editing one family's lists would only confuse: the second
    // one says so and ends, touching nothing.
    if (!ClaimProgramFolder())
        return false;
    QString problem;
    if (!m_program->openStore(&problem)) {
        MsgBox(QCoreApplication::translate("Shell",
            "Lettermarch cannot use its database file:\n\n%1\n\n%2\n\nThe file has been left "
            "exactly as it was. Lettermarch will now close.")
                   .arg(QDir::toNativeSeparators(
                            QDir(g.gProgramDir).absoluteFilePath(QString::fromLatin1(Store::FileName))),
                       problem));
        return false;
    }
    Store &store = m_program->store();
    const GeneralSettings general = LoadGeneralSettings(store);
    g.gMessageTime = general.messageTime;
    g.gSkipTestSetup = general.skipTestSetup;
    g.gPromptToDeleteLists = general.promptToDeleteLists;
    g.gVoice = ReadVoiceOptions(store);
    // The language chosen under Options (each child's own), unless one was given.
    // main() installed the system's language already: reloaded only on a change.
    if (const QString chosen = ReadLanguage(store); m_language.isEmpty() && qApp && chosen != m_installed) {
        Language::install(*qApp, chosen);
        m_installed = chosen;
    }
    // A copy a day of a file that passed its checks, after the settings row a new file is given and before the
    // old lists are offered for deletion.
    Backups::takeDaily(store, g.gProgramDir, m_program->clock().now());
    PromptForOldLists();
    return true;
}

int Shell::run(Application &app)
{
    app.setProgram(m_program.get());
    // Between two children no window is open, and the program goes on.
    m_forms.setOnEmpty([this] {
        if (!m_switching)
            QCoreApplication::quit();
    });
    int code = 1;
    bool chosen = true;
    const bool started = StartChosenChild(&chosen);
    if (!chosen)
        code = 0; // ended at "Who is practising?"
    else if (started && !Application::terminationRequested()) {
        // For the start-up benchmark: end as soon as the main window is up.
        if (qEnvironmentVariableIsSet("LETTERMARCH_QUIT_WHEN_SHOWN"))
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        code = QCoreApplication::exec();
    }
    // Ended by a signal: an orderly end, not a failure, with nothing typed lost.
    if (Application::terminationRequested()) {
        EndAfterSignal();
        code = 0;
    }
    // A word being spoken is let finish: the voice cannot be stopped in
    // mid-word without ending the program uncleanly.
    m_program->devices().waitUntilQuiet(4000);
    m_forms.unloadAll();
    app.setProgram(nullptr);
    m_program->end();
    return code;
}

bool Shell::Main()
{
    // The main window is loaded first, so the registry is never empty (and
    // the program never ends) while the old-list prompts come and go.
    frmLists *main = m_forms.get<frmLists>();
    if (!prepare()) {
        m_forms.unload(main);
        return false;
    }
    main->LoadWordLists();
    main->show();
    showFamilyMenus();
    return true;
}

// ---- Children ----

void Shell::setFamily(Family family, const QStringList &skipped)
{
    m_family = std::move(family);
    m_familySkipped = skipped;
}

bool Shell::ChooseChild()
{
    if (!m_family)
        return true;
    if (!m_familySkipped.isEmpty()) {
        MsgBox(QCoreApplication::translate("Shell", "Lettermarch starts with the children it could find.\n\n")
            + m_familySkipped.join(QStringLiteral("\n\n")));
        m_familySkipped.clear();
    }
    // A family of one starts on its folder, as it always did.
    if (m_family->size() < 2)
        return true;
    const qsizetype chosen = askWhoIsPractising(true);
    if (chosen < 0)
        return false;
    openChild(chosen);
    return true;
}

qsizetype Shell::askWhoIsPractising(bool atStart)
{
    // Read before it goes: the window is this function's.
    std::unique_ptr<frmChooseChild> chooser(makeForm<frmChooseChild>(
        *m_family, atStart, atStart ? -1 : m_family->lastIndex(), m_program->clock().now().date()));
    if (QWidget *main = m_forms.findAs<frmLists>())
        chooser->setParent(main, chooser->windowFlags());
    chooser->setParentCheck([this, w = chooser.get()] { return ParentAllowed(w); });
    // For the start-up benchmark: end as soon as the chooser is up.
    if (qEnvironmentVariableIsSet("LETTERMARCH_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, chooser.get(), &QDialog::reject);
    return chooser->exec() == QDialog::Accepted ? chooser->chosen() : -1;
}

bool Shell::StartChosenChild(bool *chosen)
{
    *chosen = ChooseChild();
    if (!*chosen)
        return false;
    // A child whose data cannot be used has been told why: with several
    // children, the chooser comes back.
    const bool before = std::exchange(m_switching, true);
    bool started = Main();
    while (!started && m_family && m_family->size() > 1) {
        if (!(*chosen = ChooseChild()))
            break;
        started = Main();
    }
    m_switching = before;
    return started;
}

void Shell::openChild(qsizetype index)
{
    m_family->setLast(index);
    QString ignored;
    m_family->write(&ignored); // at worst the next start selects another child first
    const Child &child = m_family->children().at(index);
    m_program->moveTo(child.folder);
    showChildName();
}

void Shell::showChildName()
{
    // Whose lists are open, in a family of several: every window's title
    // then ends with the child's name, and About, Trouble Words and paper
    // say it.
    const QString name = m_family->size() > 1 ? m_family->children().at(m_family->lastIndex()).name : QString();
    m_program->globals.gChildName = name;
    QGuiApplication::setApplicationDisplayName(name);
}

void Shell::showFamilyMenus()
{
    auto *main = m_forms.findAs<frmLists>();
    if (!main || !m_family)
        return;
    main->mnuSwitchChild->setVisible(m_family->size() > 1);
    main->mnuCopyToChild->setVisible(m_family->size() > 1);
    main->mnuAddChild->setVisible(true);
    main->mnuD3->setVisible(true);
}

bool Shell::closeChildWindows()
{
    // A running test asks first, as its own close does; the rest goes as
    // Exit closes it.
    if (auto *test = m_forms.findAs<frmTest>()) {
        test->close();
        if (m_forms.findAs<frmTest>())
            return false;
    }
    m_forms.unloadAll();
    return true;
}

void Shell::SwitchChild()
{
    if (!m_family)
        return;
    if (const qsizetype chosen = askWhoIsPractising(false); chosen >= 0)
        switchTo(chosen);
}

void Shell::switchTo(qsizetype index)
{
    const qsizetype before = m_family->lastIndex();
    if (index == before || !closeChildWindows())
        return;
    m_switching = true;
    // A child whose data cannot be used has been told why; the chooser comes
    // back, and giving up goes back to the child before.
    for (;;) {
        openChild(index);
        if (Main())
            break;
        index = askWhoIsPractising(false);
        if (index < 0)
            index = before;
        if (index == before) {
            openChild(before);
            if (!Main())
                QCoreApplication::quit();
            break;
        }
    }
    m_switching = false;
}

void Shell::CopyListToChild(qint32 listId, QWidget *parent)
{
    if (!m_family || m_family->size() < 2)
        return;
    if (listId <= 0) {
        MsgBox(QCoreApplication::translate("Shell", "Choose a list first."), MsgButtons::OK, parent);
        return;
    }
    QStringList names;
    QList<qsizetype> others;
    for (qsizetype i = 0; i < m_family->size(); ++i) {
        if (i != m_family->lastIndex()) {
            names << m_family->children().at(i).name;
            others << i;
        }
    }
    QInputDialog ask(parent);
    ask.setObjectName(QStringLiteral("dlgCopyToChild"));
    ask.setWindowTitle(QCoreApplication::translate("Shell", "Copy the List"));
    ask.setLabelText(QCoreApplication::translate("Shell", "Give a copy of this list, with its recordings, to:"));
    ask.setComboBoxItems(names);
    if (ask.exec() != QDialog::Accepted)
        return;
    const Child child = m_family->children().at(others.value(names.indexOf(ask.textValue()), others.first()));

    // The other child's folder, as a second copy of the program would use it.
    FolderLock lock(child.folder);
    if (lock.claim() != FolderLock::State::Claimed) {
        MsgBox(
            QCoreApplication::translate("Shell", "%1's lists are open in another copy of Lettermarch. Close it first.")
                .arg(child.name),
            MsgButtons::OK, parent);
        return;
    }
    QString problem;
    const std::unique_ptr<Store> target = Store::open(child.folder, &problem);
    if (!target) {
        MsgBox(QCoreApplication::translate("Shell", "%1's lists cannot be opened:\n\n%2\n\nNothing was copied.")
                   .arg(child.name, problem),
            MsgButtons::OK, parent);
        return;
    }
    Store &from = m_program->store();
    if (ListCopy::HasTwin(from, listId, *target)
        && MsgBox(QCoreApplication::translate(
                      "Shell", "%1 already has a list for %2 with this name. Copy it as one more list?")
                      .arg(child.name, GetListTestDate(from, listId)),
               MsgButtons::YesNo, parent)
            != MsgAnswer::Yes)
        return;
    ListCopy::Result copied;
    try {
        copied = ListCopy::Copy(from, listId, m_program->globals.gWavPath, *target, m_program->clock().now());
    } catch (const StoreError &e) {
        MsgBox(QCoreApplication::translate("Shell", "Nothing was copied: %1").arg(e.message()), MsgButtons::OK, parent);
        return;
    }
    QList<std::pair<QString, QString>> recordings;
    for (const WordEntry &w : std::as_const(copied.words)) {
        if (!w.recording.isEmpty())
            recordings.append({w.word, w.recording});
    }
    const QString wavs = QDir(child.folder).absoluteFilePath(QStringLiteral("Wavs"));
    const QStringList failed = PutRecordings(recordings, wavs, [&child, parent](const QString &word) {
        return MsgBox(QCoreApplication::translate(
                          "Shell", "%1 already has a recording of \"%2\". Replace it with this list's?")
                          .arg(child.name, word),
                   MsgButtons::YesNo, parent)
            == MsgAnswer::Yes;
    });
    MsgBox(failed.isEmpty() ? QCoreApplication::translate("Shell", "The list was copied to %1's lists.").arg(child.name)
                            : QCoreApplication::translate("Shell",
                                "The list was copied to %1's lists, but the recordings of these words could not be: %2")
                                  .arg(child.name, failed.join(QStringLiteral(", "))),
        MsgButtons::OK, parent);
}

bool Shell::ParentAllowed(QWidget *parent)
{
    if (!m_family || !m_family->pin().isSet())
        return true;
    const QDateTime now = m_program->clock().now();
    if (m_pinWaitUntil.isValid() && now < m_pinWaitUntil) {
        MsgBox(QCoreApplication::translate("Shell", "Too many wrong PINs. Try again in %1 seconds.")
                   .arg((now.msecsTo(m_pinWaitUntil) + 999) / 1000),
            MsgButtons::OK, parent);
        return false;
    }
    std::unique_ptr<frmAskPin> ask(makeForm<frmAskPin>());
    ask->setParent(parent, ask->windowFlags());
    if (ask->exec() != QDialog::Accepted)
        return false;
    if (ParentPin::matches(m_family->pin(), ask->pin())) {
        m_wrongPins = 0;
        return true;
    }
    if (++m_wrongPins >= 5) {
        m_wrongPins = 0;
        m_pinWaitUntil = now.addSecs(30);
        MsgBox(QCoreApplication::translate(
                   "Shell", "That is not the parent's PIN. After five wrong PINs, the next try waits 30 seconds."),
            MsgButtons::OK, parent);
    } else {
        MsgBox(QCoreApplication::translate("Shell", "That is not the parent's PIN."), MsgButtons::OK, parent);
    }
    return false;
}

void Shell::SetParentLock(QWidget *parent)
{
    if (!m_family)
        return;
    std::unique_ptr<frmSetPin> set(makeForm<frmSetPin>(m_family->pin().isSet()));
    set->setParent(parent, set->windowFlags());
    if (set->exec() != QDialog::Accepted)
        return;
    const PinHash before = m_family->pin();
    m_family->setPin(set->outcome() == frmSetPin::Outcome::Set ? ParentPin::make(set->newPin()) : PinHash {});
    QString problem;
    if (!m_family->write(&problem)) {
        m_family->setPin(before);
        MsgBox(
            QCoreApplication::translate("Shell", "The lock could not be saved, so it is as it was:\n\n%1").arg(problem),
            MsgButtons::OK, parent);
        return;
    }
    MsgBox(m_family->pin().isSet() ? QCoreApplication::translate("Shell", "The parent's lock is on.")
                                   : QCoreApplication::translate("Shell", "The parent's lock is off."),
        MsgButtons::OK, parent);
}

void Shell::AddChild()
{
    if (!m_family)
        return;
    auto *main = m_forms.findAs<frmLists>();
    std::unique_ptr<frmAddChild> add(makeForm<frmAddChild>(*m_family, true));
    add->setParent(main, add->windowFlags());
    if (add->exec() != QDialog::Accepted)
        return;
    const qsizetype index = add->added();
    const bool copySettings = add->copySettings();
    add.reset();
    if (copySettings) {
        // The new child's database is made now, with the settings of the open one.
        QString problem;
        const std::unique_ptr<Store> theirs = Store::open(m_family->children().at(index).folder, &problem);
        bool given = false;
        if (theirs) {
            LoadGeneralSettings(*theirs); // writes the settings row a new database lacks
            given = WriteTestDefaults(*theirs, LoadDefaultOptions(m_program->store()));
        }
        if (!given)
            MsgBox(QCoreApplication::translate("Shell", "The test settings could not be given to the new child: %1")
                       .arg(problem),
                MsgButtons::OK, main);
    }
    // The child practising now may just have been given a name.
    showChildName();
    showFamilyMenus();
    if (MsgBox(QCoreApplication::translate("Shell", "Open %1's lists now?").arg(m_family->children().at(index).name),
            MsgButtons::YesNo, main)
        == MsgAnswer::Yes)
        switchTo(index);
}

void Shell::EndAfterSignal()
{
    if (auto *test = m_forms.findAs<frmTest>()) {
        if (const QString lost = test->SaveBeforeTheEnd(); !lost.isEmpty())
            std::fprintf(stderr, "Lettermarch: %s\n", qPrintable(lost));
    }
    m_forms.unloadAll();
}

bool Shell::ClaimProgramFolder()
{
    auto lock = std::make_unique<FolderLock>(m_program->globals.gProgramDir);
    switch (lock->claim()) {
    case FolderLock::State::HeldByOther:
        MsgBox(QCoreApplication::translate("Shell",
            "Lettermarch is already open.\n\nPlease use the Lettermarch window that is already "
            "open. If you cannot find it, look for it on the taskbar."));
        return false;
    case FolderLock::State::Doubtful:
        if (MsgBox(lock->doubt()
                    + QCoreApplication::translate("Shell",
                        "\n\nTwo copies of Lettermarch using one folder at the same time can lose "
                        "answers and words. Go on only if no other copy of Lettermarch, on this "
                        "computer or any other, is using this folder.\n\nGo on?"),
                MsgButtons::YesNo)
            != MsgAnswer::Yes)
            return false;
        lock->takeOver();
        break;
    case FolderLock::State::Claimed:
        break;
    }
    m_program->holdFolder(std::move(lock));
    return true;
}

bool Shell::RestoreFrom(const QString &chosen, QWidget *parent)
{
    const QString dir = m_program->globals.gProgramDir;
    const QString before
        = Backups::takeNow(m_program->store(), dir, m_program->clock().now(), QStringLiteral("before-restore"));
    if (before.isEmpty()) {
        MsgBox(QCoreApplication::translate(
                   "Shell", "Your lists as they are now could not be kept as a backup, so nothing was restored."),
            MsgButtons::OK, parent);
        return false;
    }
    // The data layer starts again on the restored file.
    m_program->closeStore();
    QString problem;
    bool replaced = Backups::restore(dir, chosen, &problem);
    QString openProblem;
    if (replaced && !m_program->openStore(&openProblem)) {
        // The lists as they were go back in its place.
        QString ignored;
        Backups::restore(dir, before, &ignored);
        MsgBox(QCoreApplication::translate("Shell",
                   "The restored database cannot be used:\n\n%1\n\nYour lists as they were have been put "
                   "back.")
                   .arg(openProblem),
            MsgButtons::OK, parent);
        replaced = false;
        problem.clear();
    }
    if (!m_program->hasStore() && !m_program->openStore(&openProblem)) {
        MsgBox(QCoreApplication::translate("Shell", "The database cannot be used:\n\n%1\n\nLettermarch will now close.")
                   .arg(openProblem),
            MsgButtons::OK, parent);
        QCoreApplication::exit(1);
        return false;
    }
    if (!replaced) {
        if (!problem.isEmpty())
            MsgBox(problem + QCoreApplication::translate("Shell", "\n\nYour lists are as they were."), MsgButtons::OK,
                parent);
        return false;
    }
    if (auto *main = m_forms.findAs<frmLists>())
        main->LoadWordLists();
    return true;
}

void Shell::ShowPrintList(QWidget *parent, qint32 listId)
{
    auto *print = m_forms.get<frmPrintList>();
    print->setParent(parent, Qt::Dialog);
    print->setListID(listId);
    print->exec();
}

void Shell::PromptForOldLists()
{
    if (!m_program->globals.gPromptToDeleteLists)
        return;
    // The query is finished before the first prompt opens.
    const QList<qint32> ids = OldListIds(m_program->store(), m_program->clock().today());
    for (qint32 id : ids) {
        auto *prompt = m_forms.get<frmDeleteOldList>();
        // A list that has gone since is skipped.
        if (!prompt->setListID(id)) {
            m_forms.unload(prompt);
            continue;
        }
        prompt->exec();
    }
}

// ---- Tests and practices ----

void Shell::runTest(const TestOptionsRecord &options)
{
    Globals &g = m_program->globals;
    g.TestOptions = options;
    auto *test = m_forms.get<frmTest>();
    test->Start(g.gCurrentListID, g.gTestWords, options);
    // A list without words has ended its test inside Start, results shown.
    if (m_forms.findAs<frmTest>() == test)
        test->show();
}

void Shell::StartTest(const TestOptionsRecord &options)
{
    m_program->globals.gTestWords.clear();
    runTest(options);
}

void Shell::StartPractice(qint32 listId, const QList<qint32> &words, const TestOptionsRecord &options)
{
    m_program->globals.gCurrentListID = listId;
    m_program->globals.gTestWords = words;
    runTest(options);
}

void Shell::StartTestAgain()
{
    runTest(m_program->globals.TestOptions);
}

// ---- Joining the windows ----

void Shell::backToMain()
{
    if (auto *main = m_forms.findAs<frmLists>())
        main->SetFocusHere();
}

// The trouble words window, over every list (0) or one.
void Shell::showTroubleWords(qint32 listId, QWidget *owner)
{
    auto *trouble = m_forms.get<frmTroubleWords>();
    trouble->setParent(owner, trouble->windowFlags() | Qt::Window);
    trouble->setListID(listId);
    Controls::placeOnScreen(trouble, owner->pos() + QPoint(40, 40));
    trouble->show();
    trouble->raise();
}

// The windows that show a list's results make way for a practice or for
// the list editor (the results window without its "Test Again?").
void Shell::closeResultWindows()
{
    if (auto *results = m_forms.findAs<frmTestResults>()) {
        results->setParentForm(frmTestResults::Opener::None);
        m_forms.unload(results);
    }
    for (QWidget *w : {static_cast<QWidget *>(m_forms.findAs<frmPastTests>()),
             static_cast<QWidget *>(m_forms.findAs<frmTroubleWords>())})
        m_forms.unload(w);
}

// A list being edited or tested is left alone: its window is closed first.
bool Shell::listWindowOpen(QWidget *asking)
{
    if (!m_forms.findAs<frmEditList>() && !m_forms.findAs<frmTestSetup>() && !m_forms.findAs<frmTest>())
        return false;
    MsgBox(QCoreApplication::translate("Shell", "A word list is open for editing or testing. Please close it first."),
        MsgButtons::OK, asking);
    return true;
}

void Shell::practise(qint32 listId, const QList<qint32> &words, const TestOptionsRecord &options)
{
    closeResultWindows();
    if (auto *main = m_forms.findAs<frmLists>())
        main->hide();
    StartPractice(listId, words, options);
}

void Shell::openListEditor(qint32 listId)
{
    m_program->globals.gCurrentListID = listId;
    auto *editor = m_forms.get<frmEditList>();
    editor->setListID(listId);
    editor->show();
}

// A modal window over `owner`.
template<class T>
void Shell::execOver(QWidget *owner)
{
    auto *w = m_forms.get<T>();
    w->setParent(owner, w->windowFlags() | Qt::Dialog);
    w->exec();
}

void Shell::wire(frmLists *w)
{
    QObject::connect(w, &frmLists::testRequested, w, [this](const TestOptionsRecord &o) { StartTest(o); });
    QObject::connect(w, &frmLists::troubleWordsRequested, w, [this, w] { showTroubleWords(0, w); });
    QObject::connect(w, &frmLists::printRequested, w, [this, w](qint32 listId) { ShowPrintList(w, listId); });
    QObject::connect(w, &frmLists::newListRequested, w, [this, w] {
        qint32 made = 0;
        auto *newList = m_forms.get<frmNewList>();
        newList->setParent(w, newList->windowFlags() | Qt::Dialog);
        QObject::connect(newList, &frmNewList::listCreated, newList, [&made](qint32 listId) { made = listId; });
        newList->exec();
        if (made > 0)
            w->TakeInNewList(made);
        else
            w->SetFocusHere();
    });
    QObject::connect(w, &frmLists::editListRequested, w, [this](qint32 listId) { openListEditor(listId); });
    QObject::connect(w, &frmLists::testSetupRequested, w, [this] {
        auto *setup = m_forms.get<frmTestSetup>();
        setup->LoadDefaults();
        setup->show();
    });
    QObject::connect(w, &frmLists::pastTestsRequested, w, [this, w](qint32 listId) {
        auto *past = m_forms.get<frmPastTests>();
        past->setParent(w, past->windowFlags() | Qt::Window);
        past->setListID(listId);
        past->show();
    });
    QObject::connect(w, &frmLists::optionsRequested, w, [this, w] { execOver<frmOptions>(w); });
    QObject::connect(w, &frmLists::restoreRequested, w, [this, w] { execOver<frmRestoreBackup>(w); });
    QObject::connect(w, &frmLists::helpRequested, w, [this] { m_forms.get<frmHelp>()->show(); });
    QObject::connect(w, &frmLists::aboutRequested, w, [this] { m_forms.get<frmAbout>()->exec(); });
    QObject::connect(w, &frmLists::switchChildRequested, w, [this] { SwitchChild(); });
    QObject::connect(w, &frmLists::addChildRequested, w, [this] { AddChild(); });
    w->setParentCheck([this, w] { return ParentAllowed(w); });
    QObject::connect(w, &frmLists::copyToChildRequested, w, [this, w](qint32 listId) { CopyListToChild(listId, w); });
    QObject::connect(w, &frmLists::closing, w, [this, w] {
        for (QWidget *other : m_forms.loaded()) {
            // The list editor goes by itself and brings the main window back.
            if (other != w && !qobject_cast<frmEditList *>(other))
                m_forms.unload(other);
        }
    });
}

void Shell::wire(frmOptions *w)
{
    w->cmdParentLock->setVisible(m_family.has_value());
    QObject::connect(w, &frmOptions::parentLockRequested, w, [this, w] { SetParentLock(w); });
}

void Shell::wire(frmTroubleWords *w)
{
    QObject::connect(w, &frmTroubleWords::openListRequested, w, [this, w](qint32 listId) {
        if (listWindowOpen(w) || !ParentAllowed(w))
            return;
        closeResultWindows();
        if (auto *main = m_forms.findAs<frmLists>())
            main->hide();
        openListEditor(listId);
    });
    QObject::connect(w, &frmTroubleWords::practiseRequested, w, [this, w](qint32 listId, const QList<qint32> &words) {
        if (listWindowOpen(w))
            return;
        practise(listId, words, LoadDefaultOptions(m_program->store()));
    });
}

void Shell::wire(frmEditList *w)
{
    QObject::connect(w, &frmEditList::closed, w, [this](qint32 listId) {
        // The word editor belongs to the list editor and goes with it.
        if (QWidget *editor = m_forms.findAs<frmEditWord>())
            m_forms.unload(editor);
        if (auto *main = m_forms.findAs<frmLists>()) {
            main->UpdateList(listId);
            main->SetFocusHere();
        }
    });
    QObject::connect(w, &frmEditList::printRequested, w, [this, w](qint32 listId) { ShowPrintList(w, listId); });
    QObject::connect(
        w, &frmEditList::copyToChildRequested, w, [this, w](qint32 listId) { CopyListToChild(listId, w); });
    w->mnuCopyToChild->setVisible(m_family && m_family->size() > 1);
    // A word already being entered keeps its text: no second editor.
    QObject::connect(w, &frmEditList::shownEmpty, w, [this, w] {
        if (!m_forms.findAs<frmEditWord>())
            w->AddWord();
    });
    QObject::connect(w, &frmEditList::wordEditorRequested, w, [this, w](qint32 listId, qint32 wordId) {
        auto *editor = m_forms.get<frmEditWord>();
        if (editor->parentWidget() != w)
            editor->setParent(w, editor->windowFlags() | Qt::Dialog);
        editor->setListID(listId);
        editor->setWordID(wordId);
        editor->setCallingForm(w);
        editor->show();
        editor->raise();
        editor->activateWindow();
    });
}

void Shell::wire(frmEditWord *w)
{
    // The word goes back to the window that opened the editor.
    QObject::connect(w, &frmEditWord::wordAdded, w, [w](qint32 wordId) {
        if (auto *list = qobject_cast<frmEditList *>(w->CallingForm()))
            list->TakeInNewWord(wordId);
    });
    QObject::connect(w, &frmEditWord::wordUpdated, w, [w](qint32 wordId, const QString &word) {
        if (auto *list = qobject_cast<frmEditList *>(w->CallingForm()))
            list->TakeInUpdatedWord(wordId, word);
    });
    QObject::connect(w, &frmEditWord::closed, w, [this] {
        if (auto *list = m_forms.findAs<frmEditList>())
            list->SetFoucsHere();
    });
}

void Shell::wire(frmTestSetup *w)
{
    QObject::connect(w, &frmTestSetup::startRequested, w, [this](const TestOptionsRecord &o) { StartTest(o); });
    // Without a test running, the main window comes back.
    QObject::connect(w, &frmTestSetup::closed, w, [this] {
        if (!m_forms.findAs<frmTest>())
            backToMain();
    });
}

void Shell::wire(frmTest *w)
{
    QObject::connect(w, &frmTest::listTested, w, [this](qint32 listId) {
        if (auto *main = m_forms.findAs<frmLists>())
            main->IncrementListTests(listId);
    });
    QObject::connect(w, &frmTest::finished, w, [this](qint32 testId) {
        auto *results = m_forms.get<frmTestResults>();
        results->setTestID(testId);
        results->setParentForm(frmTestResults::Opener::Test);
        results->show();
    });
    QObject::connect(w, &frmTest::abandoned, w, [this] { backToMain(); });
}

void Shell::wire(frmTestResults *w)
{
    QObject::connect(w, &frmTestResults::testAgainRequested, w, [this] { StartTestAgain(); });
    QObject::connect(w, &frmTestResults::doneWithTest, w, [this] { backToMain(); });
    QObject::connect(w, &frmTestResults::backToPastTests, w, [this] {
        if (auto *past = m_forms.findAs<frmPastTests>())
            past->SetFocusHere();
    });
    QObject::connect(
        w, &frmTestResults::practiseRequested, w, [this](qint32 listId, const QList<qint32> &words, bool afterTest) {
            // Right after a test its own settings are used again.
            practise(
                listId, words, afterTest ? m_program->globals.TestOptions : LoadDefaultOptions(m_program->store()));
        });
}

void Shell::wire(frmPastTests *w)
{
    QObject::connect(w, &frmPastTests::closed, w, [this] {
        if (QWidget *results = m_forms.findAs<frmTestResults>())
            m_forms.unload(results);
        backToMain();
    });
    // The chosen test's results beside the window, keeping the word selected there.
    QObject::connect(w, &frmPastTests::testChosen, w, [this, w](qint32 testId) {
        QString word;
        auto *results = m_forms.findAs<frmTestResults>();
        if (results) {
            word = results->SelectedWord();
        } else {
            results = m_forms.get<frmTestResults>();
            results->setParent(w, Qt::Window);
            Controls::placeBeside(results, w, w->y());
            results->setParentForm(frmTestResults::Opener::PastTests);
        }
        results->setTestID(testId);
        results->SetFocusToWord(word);
        results->show();
    });
    QObject::connect(
        w, &frmPastTests::troubleWordsRequested, w, [this, w](qint32 listId) { showTroubleWords(listId, w); });
}

void Shell::wire(frmRestoreBackup *w)
{
    QObject::connect(w, &frmRestoreBackup::restoreChosen, w, [this, w](const QString &path) {
        if (RestoreFrom(path, w))
            w->accept();
    });
}
