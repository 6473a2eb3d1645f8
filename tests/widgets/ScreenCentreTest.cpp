#include "widgets/ScreenCentre.h"
#include "chat/TLists.h"
#include "chat/ui/TfrmLists.h"
#include "chat/ui/TfrmMessage.h"
#include "chat/ui/TfrmMouseActions.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>

#include <functional>
#include <memory>

using ShowWindow = std::function<QWidget*(QWidget* parent)>;
Q_DECLARE_METATYPE(ShowWindow)

// Windows that stand apart from the main window open in the middle of the
// screen, wherever the main window is.
class ScreenCentreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowOpensInTheScreensMiddle_data();
    void windowOpensInTheScreensMiddle();
};

void ScreenCentreTest::windowOpensInTheScreensMiddle_data()
{
    QTest::addColumn<ShowWindow>("showWindow");
    QTest::newRow("a window placed before it is shown") << ShowWindow([](QWidget* parent) {
        auto* dialog = new QDialog(parent);
        dialog->resize(300, 200);
        ScreenCentre::place(*dialog);
        dialog->show();
        return static_cast<QWidget*>(dialog);
    });
    QTest::newRow("a window placed once shown") << ShowWindow([](QWidget* parent) {
        auto* dialog = new QDialog(parent);
        dialog->resize(260, 120);
        dialog->show();
        ScreenCentre::place(*dialog);
        return static_cast<QWidget*>(dialog);
    });
    QTest::newRow("the game-result notice") << ShowWindow([](QWidget* parent) {
        auto* notice = new TfrmMessage(parent);
        notice->showNotice(QStringLiteral("alice resigns"), QStringLiteral("Game Over"));
        return static_cast<QWidget*>(notice);
    });
    QTest::newRow("the lists dialog") << ShowWindow([](QWidget* parent) {
        auto* dialog = new TfrmLists(TLists(), ServerProtocol::Fics, parent);
        dialog->show();
        return static_cast<QWidget*>(dialog);
    });
    QTest::newRow("the mouse actions dialog") << ShowWindow([](QWidget* parent) {
        auto* dialog =
            new TfrmMouseActions({{QStringLiteral("Finger"), QStringLiteral("finger *")}}, parent);
        dialog->show();
        return static_cast<QWidget*>(dialog);
    });
}

void ScreenCentreTest::windowOpensInTheScreensMiddle()
{
    QFETCH(ShowWindow, showWindow);
    QWidget mainWindow;
    mainWindow.setGeometry(0, 0, 200, 150);
    mainWindow.show();
    std::unique_ptr<QWidget> window(showWindow(&mainWindow));
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
    const QPoint centre = window->frameGeometry().center();
    // A window placed before it is shown does not know its frame yet, so it may
    // stand off by the frame's width; a rounding pixel either way is fine too.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const int slack = 2 + frame.width() + frame.height();
    QVERIFY2((centre - middle).manhattanLength() <= slack,
             qPrintable(QStringLiteral("centre %1,%2 screen middle %3,%4")
                            .arg(centre.x())
                            .arg(centre.y())
                            .arg(middle.x())
                            .arg(middle.y())));
}

QTEST_MAIN(ScreenCentreTest)
#include "ScreenCentreTest.moc"
