#include "games/GameInfo.h"

#include "session/ServerText.h"

#include <QList>

namespace {

QByteArray valueOf(const QByteArray& word)
{
    const qsizetype equals = word.indexOf('=');
    return equals < 0 ? QByteArray() : word.mid(equals + 1);
}

QByteArray part(const QByteArray& value, int index)
{
    const QList<QByteArray> parts = value.split(',');
    return index < parts.size() ? parts[index] : QByteArray();
}

bool isNumber(const QByteArray& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(),
                                          [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

GameInfo GameInfo::parse(const QByteArray& line)
{
    const QList<QByteArray> words = line.simplified().split(' ');
    const auto word = [&](int number) {
        return number <= words.size() ? words[number - 1] : QByteArray();
    };
    GameInfo info;
    if (isNumber(word(2)))
        info.gameNumber = ServerText::readInteger(word(2));
    info.typeText = valueOf(word(4));
    info.rated = word(5).contains('1');
    const QByteArray initial = valueOf(word(7));
    const QByteArray firstTime = part(initial, 0);
    if (isNumber(firstTime)) {
        const int seconds = ServerText::readInteger(firstTime);
        info.firstInitialTime = QByteArray::number(seconds < 60 ? seconds : seconds / 60);
    }
    info.secondInitialTime = part(initial, 1);
    const QByteArray ratings = valueOf(word(10));
    info.whiteRating = part(ratings, 0);
    info.blackRating = part(ratings, 1);
    return info;
}
