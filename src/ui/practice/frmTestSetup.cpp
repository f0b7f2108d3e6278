#include "ui/practice/frmTestSetup.h"

#include "core/app/Program.h"
#include "core/data/Options.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace AppFunctions;

frmTestSetup::frmTestSetup(Program &program)
    : TestDefaultsControls(TestDefaultsControls::create(this, true))
    , m_program(program)
{
    setObjectName(QStringLiteral("frmTestSetup"));
    setWindowTitle(tr("Test Setup"));
    cmdCancel = Controls::button(this, "cmdCancel", tr("Cancel"));
    cmdSetAsDefault = Controls::button(this, "cmdSetAsDefault", tr("Set as Default"),
        tr("Save these settings as the defaults settings for all practice tests"));
    cmdContinue = Controls::button(this, "cmdContinue", tr("Continue"));
    cmdContinue->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdCancel);
    buttons->addStretch(1);
    buttons->addWidget(cmdSetAsDefault);
    buttons->addWidget(cmdContinue);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frameDisplay);
    layout->addWidget(frameWrong);
    layout->addWidget(frameSounds);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Continue comes first with the keyboard.
    setTabOrder(cmdContinue, chkPronounce);

    connect(cmdContinue, &QPushButton::clicked, this, &frmTestSetup::Continue);
    connect(cmdSetAsDefault, &QPushButton::clicked, this, &frmTestSetup::SetAsDefault);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
}

void frmTestSetup::LoadDefaults()
{
    const std::optional<TestOptionsRecord> stored = LoadTestSettings(m_program.store());
    showOptions(stored.value_or(TestOptionsRecord {}));
    if (!stored)
        MsgBox(tr("There was a problem loading the default settings.\nPlease use the Options screen to set "
                  "defaults."),
            MsgButtons::OK, this);
    cmdContinue->setFocus();
}

TestOptionsRecord frmTestSetup::Options() const
{
    return chosenOptions();
}

bool frmTestSetup::refuseWithoutClue(const QString &firstLine)
{
    if (chosenOptions().anyClue())
        return false;
    sayNoClue(this, firstLine);
    // The message has gone before the focus moves.
    DoEvents(3);
    chkPronounce->setFocus();
    return true;
}

void frmTestSetup::Continue()
{
    if (refuseWithoutClue(tr("You must check at least one of the following boxes to proceed with the test:")))
        return;
    emit startRequested(Options());
    close();
}

void frmTestSetup::SetAsDefault()
{
    if (refuseWithoutClue(tr("You must check at least one of the following boxes to save these defaults:")))
        return;
    // After a failed save the problem stands alone, not followed by "Settings Saved".
    if (SaveAsDefaults())
        ShowMessage(m_program.globals.gMessageTime, tr("Settings Saved"), QString());
    if (MsgBox(tr("Start the test now?"), MsgButtons::YesNo, this) == MsgAnswer::Yes)
        Continue();
}

bool frmTestSetup::SaveAsDefaults()
{
    if (WriteTestDefaults(m_program.store(), chosenOptions()))
        return true;
    MsgBox(tr("There was a problem saving these settings.\nPlease use the Options screen to set defaults."),
        MsgButtons::OK, this);
    return false;
}

void frmTestSetup::Form_Unload()
{
    emit closed();
}
