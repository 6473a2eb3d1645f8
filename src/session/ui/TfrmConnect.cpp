#include "session/ui/TfrmConnect.h"

TfrmConnect::TfrmConnect(const QString& settingsPath, QWidget* parent) : QDialog(parent)
{
    Q_UNUSED(settingsPath);
}

TfrmConnect::~TfrmConnect() = default;

std::optional<ConnectionChoice> TfrmConnect::choose(QWidget* parent, const QString& settingsPath)
{
    TfrmConnect dialog(settingsPath, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ConnectionChoice{};
}
