#pragma once

#include <QString>

#include <stdexcept>

// A settings write the system refused. Thrown so that a routine writing many
// keys stops at the first failure; the window that started it shows
// userMessage().
class SettingsWriteError : public std::runtime_error
{
public:
    explicit SettingsWriteError(const QString& path);

    const QString& path() const { return m_path; }
    QString userMessage() const;

private:
    QString m_path;
};
