#include "shell/TfrmAbout.h"

#include "shell/AppPictures.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const Credits =
    "Tolvaris 2.0 Quarndell\n"
    "A graphical client for the Free Internet Chess Server\n\n"
    "Written in C++ with the Qt toolkit.\n"
    "Thanks to the FICS administrators and volunteers,\n"
    "and to every player who reported a problem.";

QPixmap withCredits(QPixmap picture)
{
    QPainter painter(&picture);
    QFont font = QApplication::font();
    font.setPixelSize(15);
    painter.setFont(font);
    const QRect box(30, picture.height() - 190, picture.width() - 60, 150);
    painter.fillRect(box, QColor(0, 0, 0, 140));
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(Credits));
    return picture;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QApplication::applicationDisplayName());
    setModal(true);
    auto* picture = new QLabel(this);
    picture->setPixmap(withCredits(AppPictures::aboutPicture()));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmAbout::keyPressEvent(QKeyEvent*)
{
    accept();
}
