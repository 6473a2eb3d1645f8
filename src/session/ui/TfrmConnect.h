#pragma once

#include "session/ConnectionChoice.h"

#include <QDialog>

#include <optional>

// The list of saved server accounts, one tab per entry, with the SOCKS proxy
// settings; reads and writes its sections of the profile's settings file.
class TfrmConnect : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmConnect(const QString& settingsPath, QWidget* parent = nullptr);
    ~TfrmConnect() override;

    // Runs the dialog modally and saves the list either way; nothing when cancelled.
    static std::optional<ConnectionChoice> choose(QWidget* parent, const QString& settingsPath);
};
