#include "support/ModalAnswer.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

void answerNextModal(QObject* context, std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        answer(modal);
    });
    poll->start(10);
}
