// The floor the game's start-up is measured against: the least a Qt Widgets program of the
// game's size does. A window with a menu bar, 26 buttons, 12 labels and a 35-row list, and
// nothing else: no pictures, no sound library, no files.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto* client = new QWidget(&window);
    client->setFixedSize(535, 378);
    window.setCentralWidget(client);
    for (const char* title : {"&File", "&Options", "About"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    for (int i = 0; i < 26; ++i) {
        auto* button = new QPushButton(QString(QChar(u'A' + i)), client);
        button->setGeometry(8 + 32 * (i % 15), 272 + 32 * (i / 15), 27, 27);
    }
    for (int i = 0; i < 12; ++i) {
        auto* label = new QLabel(QStringLiteral("A"), client);
        label->setGeometry(37 + 40 * i, 344, 23, 41);
    }
    auto* list = new QTreeWidget(client);
    list->setHeaderLabels({QStringLiteral("Word"), QStringLiteral("Length")});
    list->setGeometry(16, 16, 297, 241);
    for (int i = 0; i < 35; ++i)
        new QTreeWidgetItem(list, {QStringLiteral("Word%1").arg(i), QStringLiteral("5")});
    window.show();
    return app.exec();
}
