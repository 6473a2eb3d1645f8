#include "chat/ui/TerminalMenuStyle.h"

#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace {

const QAction* actionOf(const QStyleOptionMenuItem& item, const QWidget* widget)
{
    const auto* menu = qobject_cast<const QMenu*>(widget);
    return menu ? menu->actionAt(item.rect.center()) : nullptr;
}

bool isMouseActionItem(const QStyleOptionMenuItem& item, const QWidget* widget)
{
    const QAction* action = actionOf(item, widget);
    return action && action->property(TerminalMenuStyle::MouseActionProperty).toBool() &&
           item.text.contains(u' ');
}

} // namespace

void TerminalMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect rect = item->rect;
    const bool highlighted = item->state & State_Selected && item->state & State_Enabled;
    painter->save();
    painter->fillRect(rect, highlighted ? QColor(0xC0, 0xC0, 0xC0) : item->palette.window());
    if (item->menuItemType == QStyleOptionMenuItem::Separator || item->text == u"-") {
        painter->setPen(item->palette.color(QPalette::Mid));
        painter->drawLine(rect.left(), rect.center().y(), rect.right(), rect.center().y());
        painter->restore();
        return;
    }
    if (item->checked) {
        painter->setPen(item->palette.color(QPalette::WindowText));
        painter->drawText(rect.adjusted(m_look.checkLeft, 0, 0, 0), Qt::AlignVCenter,
                          m_look.checkMark);
    }
    QRect textRect = rect.adjusted(m_look.textLeft, 0, 0, 0);
    if (m_look.checkColumn > 0)
        textRect.adjust(item->maxIconWidth > 0 ? item->maxIconWidth : m_look.checkColumn, 0, 0, 0);
    const QColor plain = item->state & State_Enabled
                             ? item->palette.color(QPalette::WindowText)
                             : item->palette.color(QPalette::Disabled, QPalette::WindowText);
    if (isMouseActionItem(*item, widget)) {
        const qsizetype space = item->text.indexOf(u' ');
        QFont bold = item->font;
        bold.setBold(true);
        painter->setFont(bold);
        const auto* menu = qobject_cast<const QMenu*>(widget);
        const bool current = menu && menu->defaultAction() == actionOf(*item, widget);
        painter->setPen(current ? QColor(Qt::red) : QColor(Qt::black));
        const QString command = item->text.left(space);
        painter->drawText(textRect, Qt::AlignVCenter | Qt::TextShowMnemonic, command);
        const int boldWidth = QFontMetrics(bold).horizontalAdvance(command + u' ');
        painter->setFont(item->font);
        painter->setPen(QColor(0x00, 0x00, 0xFF));
        painter->drawText(textRect.adjusted(boldWidth + 1, 0, 0, 0), Qt::AlignVCenter,
                          item->text.mid(space + 1));
    } else {
        painter->setFont(item->font);
        painter->setPen(plain);
        painter->drawText(textRect, Qt::AlignVCenter | Qt::TextShowMnemonic, item->text);
    }
    painter->restore();
}

QSize TerminalMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                          const QSize& size, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    QFont bold = item->font;
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return {metrics.horizontalAdvance(u'-') + 8, 8};
    QString caption = item->text;
    caption.remove(u'&');
    return {metrics.horizontalAdvance(caption) + m_look.widthPadding, metrics.height() + 4};
}
