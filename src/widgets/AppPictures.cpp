#include "widgets/AppPictures.h"

namespace AppPictures {

namespace {

QPixmap fromResources(const QString& name, const QSize& size)
{
    QPixmap picture(QStringLiteral(":/pictures/") + name);
    if (picture.isNull()) {
        // A build without the assets keeps the window's layout.
        picture = QPixmap(size);
        picture.fill(Qt::darkGray);
    }
    return picture;
}

} // namespace

QPixmap profilePicture()
{
    return fromResources(QStringLiteral("profile.jpg"), QSize(160, 200));
}

QPixmap aboutPicture()
{
    return fromResources(QStringLiteral("about.jpg"), QSize(AboutWidth, AboutHeight));
}

} // namespace AppPictures
