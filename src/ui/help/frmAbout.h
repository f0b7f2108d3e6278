#pragma once

#include "ui/kernel/Form.h"

#include <QColor>
#include <QDialog>

class Program;
class QLabel;
class QPushButton;

// The program's name and versions, and links to support and the web site.
class frmAbout : public Form<QDialog>
{
    Q_OBJECT

public:
    static constexpr const char *SupportAddress = "support@lettermarch.example";
    static constexpr const char *WebSite = "https://lettermarch.example/";

    explicit frmAbout(Program &program);

    void Form_Load() override;
    // Hands the address to the desktop's default handler; failures are silent.
    static void OpenInternet(const QString &URL, int WindowStyle);

    QLabel *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *lblAppName;
    QLabel *Label3;
    QLabel *lblVirtualVersion;
    QLabel *Label5;
    QLabel *lblHardVersion;
    QLabel *Label9;
    QLabel *lblEmail;
    QLabel *Label7;
    QLabel *lblWebsite;
    QLabel *lblDataFolderCaption;
    QLabel *lblDataFolder;
    QPushButton *cmdClose;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void setLinkColour(QLabel *link, const QColor &colour);
    QColor m_normalColour;
    Program &m_program;
};
