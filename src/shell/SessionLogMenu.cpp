#include "shell/SessionLogMenu.h"

#include "session/ConnectFlow.h"
#include "session/SessionLog.h"

#include <QAction>
#include <QDir>
#include <QMessageBox>

SessionLogMenu::SessionLogMenu(QAction* item, SessionLog& log, const QString& programDirectory,
                               QWidget* messageParent)
    : QObject(item), m_item(item), m_log(log),
      m_path(QDir(programDirectory).filePath(SessionLog::FileName)), m_messageParent(messageParent)
{
    item->setEnabled(true);
    item->setStatusTip(QStringLiteral("Logs terminal text to the Quodlin.log file."));
    connect(item, &QAction::toggled, this, &SessionLogMenu::toggled);
}

void SessionLogMenu::toggled(bool checked)
{
    if (!checked) {
        m_log.close();
        return;
    }
    if (m_log.isOpen() || m_log.open(m_path))
        return;
    m_item->setChecked(false);
    QMessageBox::warning(m_messageParent, ConnectFlow::ProductTitle,
                         QStringLiteral("The log file %1 cannot be opened.").arg(m_path));
}
