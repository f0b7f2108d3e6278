#pragma once

#include "ui/kernel/Form.h"

#include <QDialog>

class Program;
class QPushButton;
class QTreeWidget;

// "Restore a backup...": the daily copies of the database with their dates
// and counts; the chosen one replaces the database after the user agrees,
// the current database first kept as one more copy.
class frmRestoreBackup : public Form<QDialog>
{
    Q_OBJECT

public:
    explicit frmRestoreBackup(Program &program);

    void Form_Load() override;
    void LoadBackups();
    void Restore();

    QTreeWidget *lstBackups;
    QPushButton *cmdRestore;
    QPushButton *cmdCancel;

signals:
    // The user chose this copy and agreed; it has passed its checks.
    void restoreChosen(const QString &path);

private:
    Program &m_program;
};
