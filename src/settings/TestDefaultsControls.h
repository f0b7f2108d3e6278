#pragma once

#include <QSqlRecord>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;
struct OptionsRow;

// The ten test settings as the test setup and options windows both show
// them: three group boxes with the same named controls, the coupling of the
// two reveal boxes, and their reading and writing.
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

    // `scope` ends the tool tips: "this test" or "practice tests".
    static TestDefaultsControls create(QWidget *parent, const QString &scope);

    // At least one clue (pronounce, definition, sentence) is chosen.
    bool anyClueChecked() const;
    // Sets the controls from the row, in the order of its columns; a column
    // that is missing leaves its control as it is.
    void load(const QSqlRecord &row);
    // The ten test columns of `row` from the controls.
    void store(OptionsRow &row) const;
};
