#include "ui/help/frmAbout.h"

#include "core/app/Program.h"

#include "ui/kernel/Controls.h"

#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QVersionNumber>

using namespace Controls;

namespace {
// The program's picture: a pencil-yellow tile with the letters Lm.
QPixmap picture()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(246, 190, 40));
    p.setPen(QPen(QColor(120, 80, 20), 2));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    QFont f(QStringLiteral("Serif"));
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(60, 40, 10));
    p.drawText(QRect(0, 0, 64, 64), Qt::AlignCenter, QStringLiteral("Lm"));
    return pm;
}
} // namespace

frmAbout::frmAbout(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmAbout"));
    setMouseTracking(true);

    Image1 = named<QLabel>(this, "Image1");
    Image1->setPixmap(picture());
    Label1 = label(this, "Label1", tr("The Lettermarch Project"));
    Label2 = label(this, "Label2", tr("Program Title:"));
    lblAppName = label(this, "lblAppName", QString());
    Label3 = label(this, "Label3", tr("Virtual Version:"));
    lblVirtualVersion = label(this, "lblVirtualVersion", QString());
    Label5 = label(this, "Label5", tr("Hard Version:"));
    lblHardVersion = label(this, "lblHardVersion", QString());
    Label9 = label(this, "Label9", tr("Questions, Comments, Tech Support:"));
    lblEmail = label(this, "lblEmail", QString::fromLatin1(SupportAddress));
    Label7 = label(this, "Label7", tr("On the web:"));
    lblWebsite = label(this, "lblWebsite", QString::fromLatin1(WebSite));
    lblDataFolderCaption = label(this, "lblDataFolderCaption", tr("Your lists are kept in:"));
    lblDataFolder = label(this, "lblDataFolder", QString());
    lblDataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdClose = button(this, "cmdClose", tr("Close"));
    cmdClose->setDefault(true);

    // A dark ground, so the white of a link under the mouse stands out.
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QColor(34, 52, 92));
    ground.setColor(QPalette::WindowText, QColor(232, 236, 245));
    setPalette(ground);
    setAutoFillBackground(true);

    QFont serif(QStringLiteral("Palatino Linotype"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(font().pointSizeF() * 1.1);
    for (QLabel *l : findChildren<QLabel *>()) {
        l->setFont(serif);
        l->setMouseTracking(true);
    }
    QFont title = serif;
    title.setBold(true);
    title.setPointSizeF(serif.pointSizeF() * 1.4);
    Label1->setFont(title);
    for (QLabel *link : {lblEmail, lblWebsite}) {
        QFont u = serif;
        u.setUnderline(true);
        link->setFont(u);
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
        link->setFocusPolicy(Qt::TabFocus);
        QPalette p = link->palette();
        p.setColor(QPalette::WindowText, QColor(255, 214, 102));
        link->setPalette(p);
    }

    auto *facts = new QGridLayout;
    int row = 0;
    for (auto [l, v] :
        {std::pair {Label2, lblAppName}, std::pair {Label3, lblVirtualVersion}, std::pair {Label5, lblHardVersion}}) {
        facts->addWidget(l, row, 0);
        facts->addWidget(v, row++, 1);
    }
    facts->addWidget(Label9, row++, 0, 1, 2);
    facts->addWidget(lblEmail, row++, 0, 1, 2);
    facts->addWidget(Label7, row++, 0, 1, 2);
    facts->addWidget(lblWebsite, row++, 0, 1, 2);
    facts->addWidget(lblDataFolderCaption, row++, 0, 1, 2);
    facts->addWidget(lblDataFolder, row++, 0, 1, 2);
    auto *head = new QHBoxLayout;
    head->addWidget(Image1);
    head->addWidget(Label1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addSpacing(8);
    layout->addLayout(facts);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About ") + QStringLiteral("Lettermarch") + QStringLiteral("..."));
    lblAppName->setText(QStringLiteral("Lettermarch"));
    lblVirtualVersion->setText(QStringLiteral("1.0"));
    const QVersionNumber v = QVersionNumber::fromString(QStringLiteral(LETTERMARCH_VERSION));
    lblHardVersion->setText(
        QStringLiteral("%1.%2.%3").arg(v.majorVersion()).arg(v.minorVersion()).arg(v.microVersion()));
    m_normalColour = lblWebsite->palette().color(QPalette::WindowText);
    lblDataFolder->setText(QDir::toNativeSeparators(m_program.globals.gProgramDir));
    // Whose lists, in a family of several children.
    if (const QString child = m_program.globals.gChildName; !child.isEmpty())
        lblDataFolderCaption->setText(tr("%1's lists are kept in:").arg(child));
}

void frmAbout::OpenInternet(const QString &URL, int WindowStyle)
{
    Q_UNUSED(WindowStyle)
    // Without a browser or mail program nothing happens, and nothing is said.
    QDesktopServices::openUrl(QUrl(URL));
}

void frmAbout::setLinkColour(QLabel *link, const QColor &colour)
{
    if (link->palette().color(QPalette::WindowText) == colour)
        return;
    QPalette p = link->palette();
    p.setColor(QPalette::WindowText, colour);
    link->setPalette(p);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    auto *link = qobject_cast<QLabel *>(watched);
    if (link == lblEmail || link == lblWebsite) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            setLinkColour(link, QColor(255, 255, 255));
        const bool clicked = event->type() == QEvent::MouseButtonRelease;
        const bool pressed = event->type() == QEvent::KeyPress
            && (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return
                || static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space);
        if (clicked || pressed) {
            if (link == lblWebsite)
                OpenInternet(QString::fromLatin1(WebSite), 1);
            else
                OpenInternet(QStringLiteral("mailto:") + QString::fromLatin1(SupportAddress)
                        + QStringLiteral("?subject=") + QStringLiteral("Lettermarch"),
                    1);
            return true;
        }
    }
    return Form<QDialog>::eventFilter(watched, event);
}

void frmAbout::mouseMoveEvent(QMouseEvent *event)
{
    setLinkColour(lblEmail, m_normalColour);
    setLinkColour(lblWebsite, m_normalColour);
    Form<QDialog>::mouseMoveEvent(event);
}
