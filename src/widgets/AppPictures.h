#pragma once

#include <QPixmap>

// The pictures of the profile and about windows, from the application's resources.
namespace AppPictures {

constexpr int AboutWidth = 561;
constexpr int AboutHeight = 546;

QPixmap profilePicture();
QPixmap aboutPicture();

} // namespace AppPictures
