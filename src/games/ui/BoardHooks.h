#pragma once

#include <QRect>
#include <QString>
#include <functional>

// How a board window reaches the rest of the program; the board manager's host sets
// them. A hook left empty does nothing.
struct BoardHooks
{
    std::function<void(const QString&)> sendCommand;
    std::function<void()> activateMe;
    std::function<void()> closeOrAbort;
    std::function<void()> boardSettings;
    std::function<void()> promotionRequest;
    std::function<void()> refreshRequest;
    std::function<void(const QRect&)> boundsChanged;
    // A game button's tag that the window does not handle itself (autoflag, compose).
    std::function<void(int)> otherButton;
    // The "Hello" and "GoodGame" texts of the moment.
    std::function<QString()> helloText;
    std::function<QString()> goodGameText;
    std::function<bool()> premoveEnabled;
    std::function<bool()> highlightLastMove;
    std::function<bool()> icc;
    // The layout keys of separate board windows (section "BoardX"): a value or its default.
    std::function<QString(const QString& key, const QString& byDefault)> readLayout;
    std::function<void(const QString& key, const QString& value)> writeLayout;
};
