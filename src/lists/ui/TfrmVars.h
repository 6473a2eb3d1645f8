#pragma once

#include "lists/VarsState.h"

#include <QList>
#include <QWidget>

class CommandSender;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// "Set Variables": one player's server variables, filled from the reply to
// "vars"; fields the user changes turn red and "Set Variables" sends them as
// "set" commands for the logged-in user, whoever's variables are shown.
class TfrmVars : public QWidget
{
    Q_OBJECT

public:
    static inline const QString BuiltInCaption = QStringLiteral("Set Variables");

    TfrmVars(CommandSender& commands, QWidget* parent = nullptr);

    void Fill(const QList<QByteArray>& lines);
    void showOrRaise();
    // The request for a handle's variables.
    static QString requestFor(const QString& handle);

    // The control of a field, in VarsFields::all() order: a QComboBox or a QLineEdit.
    QWidget* control(int field) const { return m_controls.at(field); }
    const VarsState& state() const { return m_state; }

    QLabel* laInterface;
    QLineEdit* edHandle;
    QPushButton* btSetVars;
    QPushButton* btShowVar;
    QTextEdit* reHelp;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildControl(int field);
    void userChanged(int field, const QString& value);
    void showValue(int field);
    void paintMark(int field);
    void setVariables();

    CommandSender& m_commands;
    VarsState m_state;
    QList<QWidget*> m_controls;
    bool m_filling = false;
};
