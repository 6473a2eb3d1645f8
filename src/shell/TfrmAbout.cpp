#include "shell/TfrmAbout.h"

#include "widgets/AppPictures.h"
#include "shell/ApplicationTitle.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const Credits =
    "A graphical client for the Free Internet Chess Server.\n"
    "Written in C++ with the Qt toolkit.\n"
    "Thanks to the FICS administrators and volunteers,\n"
    "and to every player who reported a problem.";

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ApplicationTitle);
    setModal(true);
    auto* picture = new QLabel(this);
    picture->setPixmap(AppPictures::aboutPicture());
    auto* credits = new QLabel(QString::fromLatin1(Credits), this);
    credits->setAlignment(Qt::AlignCenter);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(credits);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmAbout::keyPressEvent(QKeyEvent*)
{
    accept();
}
