#pragma once

#include "core/practice/TestOptions.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;

// The test settings as the test setup and options windows both show them:
// three group boxes with the same named controls, the coupling of the two
// reveal boxes, and their reading and writing (each setting names its
// control).
struct TestDefaultsControls
{
    QGroupBox *frameDisplay;
    QCheckBox *chkPronounce;
    QCheckBox *chkDefinition;
    QCheckBox *chkSentence;
    QLabel *Label5;
    QComboBox *txtTestOrder;
    QGroupBox *frameWrong;
    QLabel *Label1;
    QComboBox *cmbMoveOn;
    QLabel *Label2;
    QCheckBox *chkRevealAnswers;
    QCheckBox *chkForceEcho;
    QCheckBox *chkClearWrongAnswer;
    QGroupBox *frameSounds;
    QCheckBox *chkPlayRight;
    QCheckBox *chkPlayWrong;

    // The tool tips speak of "this test" (oneTest) or of "practice tests".
    static TestDefaultsControls create(QWidget *parent, bool oneTest);

    // The controls show the record, set in the order of the settings (so the
    // reveal and typing boxes end as they would when set one by one).
    void showOptions(const TestOptionsRecord &options);
    // The record the controls show. Only a checked box counts (a greyed one
    // does not); an empty choice or a count that is no whole number keeps
    // base's.
    TestOptionsRecord chosenOptions(const TestOptionsRecord &base = {}) const;
    // Says that a test needs at least one clue, under `firstLine`.
    static void sayNoClue(QWidget *parent, const QString &firstLine);
};
