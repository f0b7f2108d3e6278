#pragma once

#include "app/Forms.h"
#include "settings/TestDefaultsControls.h"

#include <QDialog>

class QPushButton;

// The settings of one practice test, filled from the stored defaults: start
// the test with them, keep them as the defaults, or give up.
class frmTestSetup : public Form<QDialog>, public TestDefaultsControls
{
    Q_OBJECT

public:
    frmTestSetup();

    void Form_Unload() override;
    void LoadDefaults();

    QPushButton *cmdCancel;
    QPushButton *cmdSetAsDefault;
    QPushButton *cmdContinue;

private:
    void Continue();
    void SetAsDefault();
    void SaveAsDefaults();
    bool refuseWithoutClue(const QString &firstLine);
};
