// The yardstick for start-up: a plain Qt Widgets program that shows the same
// widgets as Lettermarch's first window (a menu bar with File and Help, a
// bold label, a three-column table, seven buttons), reads no data, and ends,
// run exactly as the real program is.
#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Same widgets"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    for (const char *item : {"&New List...", "&Import...", "E&xit"})
        file->addAction(QString::fromLatin1(item));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto *central = new QWidget(&window);
    window.setCentralWidget(central);
    auto *layout = new QGridLayout(central);
    auto *label = new QLabel(QStringLiteral("Word Lists"), central);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label, 0, 0);
    auto *table = new QTableWidget(0, 3, central);
    table->setHorizontalHeaderLabels({QStringLiteral("Test Date"), QStringLiteral("Words"), QStringLiteral("Name")});
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table, 1, 0, 7, 1);
    for (int i = 0; i < 7; ++i)
        layout->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i + 1), central), 1 + i, 1);
    window.resize(600, 400);
    window.show();
    if (qEnvironmentVariableIsSet("LETTERMARCH_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
