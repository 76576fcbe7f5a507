// The floor Huemark's start-up is measured against: a window with the same kinds of widgets as
// Huemark's (menu bar, buttons, a check box, a scroll bar, text boxes, a six-column table in
// "Courier New", a picture area) and nothing of its own work. "bare" shows an empty window.

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        QWidget bare;
        bare.resize(600, 200);
        bare.show();
        return QApplication::exec();
    }
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Input File"), QKeySequence(Qt::CTRL | Qt::Key_I));
    file->addAction(QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("Paste"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));

    auto* client = new QWidget;
    window.setCentralWidget(client);
    const char* captions[] = {"File", "Paste", "Print", "Exit", "Clear"};
    for (int i = 0; i < 5; ++i) {
        auto* button = new QPushButton(QString::fromLatin1(captions[i]), client);
        button->setToolTip(QStringLiteral("A button"));
        button->setGeometry(8 + (i % 2) * 48, 8 + (i / 2) * 16, 40, 17);
    }
    auto* check = new QCheckBox(QStringLiteral("Tags"), client);
    check->setGeometry(160, 0, 49, 21);
    auto* bar = new QScrollBar(Qt::Horizontal, client);
    bar->setGeometry(96, 24, 49, 17);
    for (int i = 0; i < 3; ++i) {
        auto* box = new QLineEdit(QStringLiteral("#FFFFFF"), client);
        box->setGeometry(96 + i * 60, 130, 57, 19);
    }
    QFont mono(QStringLiteral("Courier New"));
    mono.setPointSizeF(8.25);
    auto* table = new QTableWidget(1, 6, client);
    table->setFont(mono);
    table->setHorizontalHeaderLabels(
        {"WebColor", " WebBack", "  Red", "Green", " Blue", "Description"});
    table->verticalHeader()->hide();
    table->setGeometry(208, 0, 361, 41);
    auto* picture = new QWidget(client);
    picture->setAutoFillBackground(true);
    picture->setGeometry(8, 48, 561, 97);

    window.resize(600, 200);
    window.show();
    return QApplication::exec();
}
