#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Edit Commands": the command input's preset entries, one per line.
class TfrmEditCommands : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmEditCommands(const QStringList& presets, QWidget* parent = nullptr);

    // The memo's lines without empty ones.
    QStringList presets() const;

    QPlainTextEdit* memCommands;
};
