#pragma once

#include <QByteArray>
#include <QByteArrayView>

// JSON string literals for server bytes: control bytes as \u00XX, bytes above
// 127 as the UTF-8 form of their Latin-1 code points.
namespace JsonText {
QByteArray quoted(QByteArrayView bytes);
} // namespace JsonText
