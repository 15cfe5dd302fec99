// The plainest Qt program that shows the settings program's main window: a
// maximised window titled "Setup" with the same menus and the board photograph
// centred on white. It quits as soon as the window's first frame is painted,
// so that the start-up benchmark has something to measure the program against.

#include "QuitAfterFirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>

namespace {

void AddMenus(QMainWindow& window) {
    QMenu* file = window.menuBar()->addMenu("&File");
    file->addAction("&Exit", &window, &QMainWindow::close);
    QMenu* help = window.menuBar()->addMenu("&Help");
    help->addAction("H&ow to use this program");
    help->addAction("&Technical Support");
}

QLabel* BoardPhoto() {
    auto* photo = new QLabel();
    photo->setPixmap(QPixmap(":/board.jpg"));
    photo->setAlignment(Qt::AlignCenter);
    QPalette palette = photo->palette();
    palette.setColor(QPalette::Window, Qt::white);
    photo->setPalette(palette);
    photo->setAutoFillBackground(true);
    return photo;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    new QuitAfterFirstPaint("Setup", [] { QCoreApplication::quit(); });
    QMainWindow window;
    window.setWindowTitle("Setup");
    AddMenus(window);
    window.setCentralWidget(BoardPhoto());
    window.showMaximized();
    return application.exec();
}
