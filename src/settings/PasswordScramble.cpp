#include "settings/PasswordScramble.h"

namespace {

constexpr char ScrambleKey = 0x71;

} // namespace

QString ScramblePassword(const QString& password)
{
    QString result;
    for (const char byte : password.toLocal8Bit()) {
        const auto scrambled = quint8(byte ^ ScrambleKey);
        result.prepend(QStringLiteral("%1").arg(scrambled, 2, 16, QLatin1Char('0')));
    }
    return result.toUpper();
}

QString UnscramblePassword(const QString& scrambled)
{
    QByteArray bytes;
    for (qsizetype end = scrambled.size(); end >= 2; end -= 2) {
        const quint8 value = quint8(scrambled.mid(end - 2, 2).toUInt(nullptr, 16));
        bytes.append(char(value ^ ScrambleKey));
    }
    return QString::fromLocal8Bit(bytes);
}
