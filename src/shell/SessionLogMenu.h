#pragma once

#include <QObject>
#include <QString>

class QAction;
class QWidget;
class SessionLog;

// The "Lo&gging" menu item: opens "Quodlin.log" in the program folder while it is
// checked and closes it when unchecked; a log that cannot be opened is reported and
// the item stays unchecked.
class SessionLogMenu : public QObject
{
    Q_OBJECT

public:
    SessionLogMenu(QAction* item, SessionLog& log, const QString& programDirectory,
                   QWidget* messageParent);

    QString path() const { return m_path; }

private:
    void toggled(bool checked);

    QAction* m_item;
    SessionLog& m_log;
    QString m_path;
    QWidget* m_messageParent;
};
