#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvaris"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tolvaris 2.0 Quarndell"));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
