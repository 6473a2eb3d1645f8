#include "lists/ui/TfrmGameList.h"

#include "session/CommandSender.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using Button = GameListCommands::Button;

// The server's order, kept as the sort key of a row so that a header click can
// bring it back.
constexpr int OrderRole = Qt::UserRole;

class RowItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column == 0)
            return data(0, OrderRole).toInt() < other.data(0, OrderRole).toInt();
        const QString mine = text(column).trimmed();
        const QString theirs = other.text(column).trimmed();
        // Blank rows stay below the games.
        if (mine.isEmpty() != theirs.isEmpty())
            return theirs.isEmpty();
        return mine < theirs;
    }
};

} // namespace

TfrmGameList::TfrmGameList(GameListKind::Id kind, const QString& listName, CommandSender& commands,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), list(new QTreeWidget), edPlayer(new QLineEdit),
      btHistory(new QPushButton), m_state(kind), m_commands(commands),
      m_ownButtons(new QHBoxLayout), m_extraRow(new QHBoxLayout)
{
    const GameListKind& spec = m_state.kind();
    setWindowTitle(m_state.caption());

    list->setObjectName(listName);
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setUniformRowHeights(true);
    QStringList headers;
    for (const GameListKind::Column& column : spec.columns)
        headers.append(column.caption);
    list->setHeaderLabels(headers);
    for (int i = 0; i < spec.columns.size(); ++i)
        if (spec.columns[i].width > 0)
            list->setColumnWidth(i, spec.columns[i].width);
    list->setSortingEnabled(true);
    list->sortByColumn(0, Qt::AscendingOrder);

    auto* buttons = new QHBoxLayout;
    addButton(buttons, Button::Examine, QStringLiteral("btExamine"), QStringLiteral("Examine"));
    addButton(buttons, Button::Position, QStringLiteral("btPosition"), QStringLiteral("Position"));
    addButton(buttons, Button::Moves, QStringLiteral("btMoves"), QStringLiteral("Moves"));
    m_ownButtons->setContentsMargins(0, 0, 0, 0);
    buttons->addLayout(m_ownButtons);
    edPlayer->setObjectName(QStringLiteral("edPlayer"));
    btHistory->setObjectName(QStringLiteral("btHistory"));
    btHistory->setText(spec.requestCaption);
    buttons->addStretch();
    buttons->addWidget(new QLabel(QStringLiteral("Player Handle")));
    buttons->addWidget(edPlayer);
    buttons->addWidget(btHistory);

    auto* column = new QVBoxLayout(this);
    column->addWidget(list, 1);
    column->addLayout(m_extraRow);
    column->addLayout(buttons);

    connect(list, &QTreeWidget::itemClicked, this, &TfrmGameList::rowClicked);
    connect(btHistory, &QPushButton::clicked, this,
            [this] { m_commands.sendCommand(m_state.requestFor(edPlayer->text())); });
    showRows();
}

void TfrmGameList::addButton(Button which, const QString& name, const QString& caption)
{
    addButton(m_ownButtons, which, name, caption);
}

void TfrmGameList::addButton(QHBoxLayout* row, Button which, const QString& name,
                             const QString& caption)
{
    auto* created = new QPushButton(caption);
    created->setObjectName(name);
    row->addWidget(created);
    m_buttons.append({which, created});
    connect(created, &QPushButton::clicked, this, [this, which] { press(which); });
}

QPushButton* TfrmGameList::button(Button which) const
{
    for (const auto& [each, created] : m_buttons)
        if (each == which)
            return created;
    return nullptr;
}

void TfrmGameList::showRows()
{
    list->clear();
    QList<QTreeWidgetItem*> items;
    for (int i = 0; i < m_state.rows().size(); ++i) {
        auto* item = new RowItem(m_state.rows()[i]);
        item->setData(0, OrderRole, i);
        items.append(item);
    }
    list->addTopLevelItems(items);
}

void TfrmGameList::Fill(const QList<QByteArray>& lines)
{
    if (m_state.fill(lines))
        edPlayer->setText(m_state.owner());
    setWindowTitle(m_state.caption());
    showRows();
}

int TfrmGameList::selectedRow() const
{
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(0, OrderRole).toInt();
}

void TfrmGameList::rowClicked()
{
    const int row = selectedRow();
    edPlayer->setText(m_state.opponent(row));
    rowChosen(row);
}

void TfrmGameList::press(Button which)
{
    GameListCommands::Extra extra;
    fillExtra(extra);
    const QString command = GameListCommands::forButton(m_state, selectedRow(), which, extra);
    if (command.isEmpty()) {
        QMessageBox::information(this, windowTitle(), SelectFirst);
        return;
    }
    m_commands.sendCommand(command);
}

void TfrmGameList::showOrRaise()
{
    show();
    raise();
    activateWindow();
}
