#include "ui/kernel/TestDefaultsControls.h"

#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Controls;

namespace {
QCheckBox *check(QWidget *parent, const char *name, const QString &text, const QString &tip)
{
    auto *c = named<QCheckBox>(parent, name);
    c->setText(text);
    c->setToolTip(tip);
    return c;
}

} // namespace

TestDefaultsControls TestDefaultsControls::create(QWidget *parent, bool oneTest)
{
    // Whole sentences for either use, so that each is translated as one.
    const auto during = [oneTest](const char *forOne, const char *forAll) {
        return QCoreApplication::translate("TestDefaultsControls", oneTest ? forOne : forAll);
    };
    TestDefaultsControls c;
    c.frameDisplay = named<QGroupBox>(parent, "frameDisplay");
    c.frameDisplay->setTitle(QCoreApplication::translate("TestDefaultsControls", "Display"));
    c.chkPronounce
        = check(c.frameDisplay, "chkPronounce", QCoreApplication::translate("TestDefaultsControls", "Pronounce"),
            during(QT_TRANSLATE_NOOP("TestDefaultsControls", "The word will be pronounced during this test"),
                QT_TRANSLATE_NOOP("TestDefaultsControls", "The word will be pronounced during practice tests")));
    c.chkDefinition
        = check(c.frameDisplay, "chkDefinition", QCoreApplication::translate("TestDefaultsControls", "Show Definition"),
            during(QT_TRANSLATE_NOOP("TestDefaultsControls", "The definition will be displayed during this test"),
                QT_TRANSLATE_NOOP("TestDefaultsControls", "The definition will be displayed during practice tests")));
    c.chkSentence = check(c.frameDisplay, "chkSentence",
        QCoreApplication::translate("TestDefaultsControls", "Show Context Sentence"),
        during(QT_TRANSLATE_NOOP("TestDefaultsControls", "The context sentence will be show during this test"),
            QT_TRANSLATE_NOOP("TestDefaultsControls", "The context sentence will be show during practice tests")));
    c.txtTestOrder = keyedChoice(c.frameDisplay, "txtTestOrder",
        {{QStringLiteral("Alphabetical"), QCoreApplication::translate("TestDefaultsControls", "Alphabetical")},
            {QStringLiteral("Order Created"), QCoreApplication::translate("TestDefaultsControls", "Order Created")},
            {QStringLiteral("Random"), QCoreApplication::translate("TestDefaultsControls", "Random")}},
        during(QT_TRANSLATE_NOOP("TestDefaultsControls", "The order that the words will appear on this test"),
            QT_TRANSLATE_NOOP("TestDefaultsControls", "The order that the words will appear on practice tests")));
    c.Label5 = label(
        c.frameDisplay, "Label5", QCoreApplication::translate("TestDefaultsControls", "Word Order"), c.txtTestOrder);
    auto *display = new QGridLayout(c.frameDisplay);
    display->addWidget(c.chkPronounce, 0, 0);
    display->addWidget(c.chkDefinition, 1, 0);
    display->addWidget(c.chkSentence, 2, 0);
    display->addWidget(c.Label5, 0, 1);
    display->addWidget(c.txtTestOrder, 1, 1);
    display->setColumnStretch(0, 1);

    c.frameWrong = named<QGroupBox>(parent, "frameWrong");
    c.frameWrong->setTitle(QCoreApplication::translate("TestDefaultsControls", "Incorrect Answer Behavior"));
    QStringList counts;
    for (int i = 1; i <= 10; ++i)
        counts << QString::number(i);
    c.cmbMoveOn = choice(c.frameWrong, "cmbMoveOn", counts,
        QCoreApplication::translate("TestDefaultsControls",
            "The number of chances given to spell a word correctly before moving on to the "
            "next word"));
    c.cmbMoveOn->setMaximumWidth(70);
    c.Label1 = label(c.frameWrong, "Label1",
        QCoreApplication::translate("TestDefaultsControls", "Go to the next word after"), c.cmbMoveOn);
    c.Label2 = label(c.frameWrong, "Label2", QCoreApplication::translate("TestDefaultsControls", "incorrect answers"));
    c.chkRevealAnswers = check(c.frameWrong, "chkRevealAnswers",
        QCoreApplication::translate("TestDefaultsControls", "Reveal answers before moving on"),
        QCoreApplication::translate("TestDefaultsControls",
            "Show the correct answer if the word is not spelled correctly after the "
            "specified number of chances"));
    c.chkForceEcho = check(c.frameWrong, "chkForceEcho",
        QCoreApplication::translate(
            "TestDefaultsControls", "Require the student to type the correct answer after it is revealed"),
        QCoreApplication::translate(
            "TestDefaultsControls", "Require the student to correctly spell the word after it is show"));
    c.chkClearWrongAnswer = check(c.frameWrong, "chkClearWrongAnswer",
        QCoreApplication::translate("TestDefaultsControls", "Clear Incorrect Answers"),
        QCoreApplication::translate("TestDefaultsControls", "Clear the entire mispelled when an answer is incorrect"));
    auto *sentence = new QHBoxLayout;
    sentence->addWidget(c.Label1);
    sentence->addWidget(c.cmbMoveOn);
    sentence->addWidget(c.Label2);
    sentence->addStretch(1);
    auto *echo = new QHBoxLayout;
    echo->addSpacing(18); // typing belongs under revealing
    echo->addWidget(c.chkForceEcho);
    auto *wrong = new QVBoxLayout(c.frameWrong);
    wrong->addLayout(sentence);
    wrong->addWidget(c.chkRevealAnswers);
    wrong->addLayout(echo);
    wrong->addWidget(c.chkClearWrongAnswer);

    c.frameSounds = named<QGroupBox>(parent, "frameSounds");
    c.frameSounds->setTitle(QCoreApplication::translate("TestDefaultsControls", "Sounds"));
    c.chkPlayRight = check(c.frameSounds, "chkPlayRight",
        QCoreApplication::translate("TestDefaultsControls", "Play Sound After Correct Answers"),
        QCoreApplication::translate(
            "TestDefaultsControls", "Play a notification sound when a word is spelled correctly"));
    c.chkPlayWrong = check(c.frameSounds, "chkPlayWrong",
        QCoreApplication::translate("TestDefaultsControls", "Play Sound After Incorrect Answers"),
        QCoreApplication::translate(
            "TestDefaultsControls", "Play a notification sound when a word is spelled incorrectly"));
    auto *sounds = new QVBoxLayout(c.frameSounds);
    sounds->addWidget(c.chkPlayRight);
    sounds->addWidget(c.chkPlayWrong);

    // Typing can be demanded only together with revealing.
    QCheckBox *reveal = c.chkRevealAnswers;
    QCheckBox *force = c.chkForceEcho;
    QObject::connect(force, &QCheckBox::stateChanged, reveal, [reveal](int state) {
        if (state == Qt::Checked)
            reveal->setChecked(true);
    });
    QObject::connect(reveal, &QCheckBox::stateChanged, force, [force](int state) {
        if (state == Qt::Unchecked)
            force->setChecked(false);
    });
    return c;
}

namespace {
// The control of a setting, found by its name among the three boxes.
QWidget *controlOf(const TestDefaultsControls &c, const TestSetting &s)
{
    const QString name = QString::fromLatin1(s.control);
    for (QGroupBox *frame : {c.frameDisplay, c.frameWrong, c.frameSounds}) {
        if (auto *w = frame->findChild<QWidget *>(name))
            return w;
    }
    return nullptr;
}
} // namespace

void TestDefaultsControls::showOptions(const TestOptionsRecord &options)
{
    for (const TestSetting &s : testSettings()) {
        QWidget *c = controlOf(*this, s);
        if (auto *box = qobject_cast<QCheckBox *>(c))
            box->setCheckState(options.*s.flag ? Qt::Checked : Qt::Unchecked);
        else if (auto *choice = qobject_cast<QComboBox *>(c))
            showKey(choice, s.storedText(options));
    }
}

TestOptionsRecord TestDefaultsControls::chosenOptions(const TestOptionsRecord &base) const
{
    TestOptionsRecord o = base;
    for (const TestSetting &s : testSettings()) {
        QWidget *c = controlOf(*this, s);
        if (auto *box = qobject_cast<QCheckBox *>(c))
            o.*s.flag = box->checkState() == Qt::Checked;
        else if (auto *choice = qobject_cast<QComboBox *>(c))
            s.read(o, chosenKey(choice));
    }
    return o;
}

void TestDefaultsControls::sayNoClue(QWidget *parent, const QString &firstLine)
{
    MsgBox(firstLine
            + QCoreApplication::translate(
                "TestDefaultsControls", "\n\n    1. Pronounce\n    2. Definition\n    3. Context Sentence"),
        MsgButtons::OK, parent);
}
