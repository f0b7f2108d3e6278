#pragma once

#include "core/practice/TestOptions.h"
#include "ui/kernel/Form.h"
#include "ui/kernel/TestDefaultsControls.h"

#include <QDialog>

class Program;
class QPushButton;

// The settings of one practice test, filled from the stored defaults: start
// the test with them, keep them as the defaults, or give up.
class frmTestSetup : public Form<QDialog>, public TestDefaultsControls
{
    Q_OBJECT

public:
    explicit frmTestSetup(Program &program);

    void Form_Unload() override;
    void LoadDefaults();
    // The ten settings as the controls show them.
    TestOptionsRecord Options() const;

signals:
    // Continue: a test is to begin with these settings.
    void startRequested(const TestOptionsRecord &options);
    // The window was closed (after a test began, or without one).
    void closed();

public:
    QPushButton *cmdCancel;
    QPushButton *cmdSetAsDefault;
    QPushButton *cmdContinue;

private:
    void Continue();
    void SetAsDefault();
    // False, the user told, when the settings could not be stored.
    bool SaveAsDefaults();
    bool refuseWithoutClue(const QString &firstLine);
    Program &m_program;
};
