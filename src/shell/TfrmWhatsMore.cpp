#include "shell/TfrmWhatsMore.h"

#include "settings/ProductName.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* const Features =
    "<ul>"
    "<li>Connects to FICS directly, through a SOCKS 4, 4A or 5 proxy, or through the "
    "server's Timeseal helper.</li>"
    "<li>Shows the server's text in a terminal with a font for each kind of line and "
    "custom fonts for chosen players and channels; links open in your browser.</li>"
    "<li>Up to four boards at once, docked in the main window or in windows of their "
    "own, in 2D or 3D.</li>"
    "<li>Chat windows for tells, channels and shouts, with filters of your own.</li>"
    "<li>Command lists such as Sought, Who and Games, refreshed on their own, and a "
    "graph of the open seeks.</li>"
    "<li>Mouse actions: your own commands run on the player you click.</li>"
    "<li>Several user profiles, each with its own settings and an optional password.</li>"
    "</ul>";

} // namespace

TfrmWhatsMore::TfrmWhatsMore(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWhatsMore"));
    setWindowTitle(QStringLiteral("Tolvaris Features"));
    auto* text = new QTextBrowser(this);
    text->setHtml(QStringLiteral("<h3>%1</h3>").arg(ProductName) + QString::fromLatin1(Features));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(520, 360);
}

void TfrmWhatsMore::showOrRaise()
{
    show();
    raise();
    activateWindow();
}
