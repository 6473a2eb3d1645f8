#include "lists/ui/TfrmGameList.h"

#include "session/CommandSender.h"

#include <QComboBox>
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

TfrmGameList::TfrmGameList(GameListKind::Id kind, CommandSender& commands, QWidget* parent)
    : QWidget(parent, Qt::Window), list(new QTreeWidget), edPlayer(new QLineEdit),
      btHistory(new QPushButton), m_state(kind), m_commands(commands)
{
    const GameListKind& spec = m_state.kind();
    const QString names[] = {QStringLiteral("Stored"), QStringLiteral("Journ"),
                             QStringLiteral("Hist")};
    setObjectName(QStringLiteral("frm") + spec.builtInCaption);
    setWindowTitle(m_state.caption());
    resize(760, kind == GameListKind::History ? 320 : 480);

    list->setObjectName(QStringLiteral("lst") + names[kind]);
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
    auto* extra = new QHBoxLayout;
    if (kind == GameListKind::Stored) {
        addButton(buttons, Button::Resign, QStringLiteral("btResign"), QStringLiteral("Resign"));
        addButton(buttons, Button::OfferDraw, QStringLiteral("btDraw"),
                  QStringLiteral("Offer Draw"));
        addButton(buttons, Button::OfferAbort, QStringLiteral("btAbort"),
                  QStringLiteral("Offer Abort"));
        laAdj = new QLabel(QStringLiteral("message adjudicate  White Black"));
        laAdj->setObjectName(QStringLiteral("laAdj"));
        edAdj = new QLineEdit(QStringLiteral("DESIRED_RESULT your messages to adjudicate here"));
        edAdj->setObjectName(QStringLiteral("edAdj"));
        extra->addWidget(laAdj);
        extra->addWidget(edAdj, 1);
        addButton(extra, Button::Adjudicate, QStringLiteral("btAdj"),
                  QStringLiteral("Adjudicate"));
    } else {
        addButton(buttons, Button::MailStored, QStringLiteral("btMailStored"),
                  QStringLiteral("Mail Stored"));
        const bool journal = kind == GameListKind::Journal;
        addButton(buttons, journal ? Button::DeleteFromJournal : Button::AddToJournal,
                  QStringLiteral("btJournal"),
                  journal ? QStringLiteral("Del From Journ") : QStringLiteral("Add To Journal"));
    }
    if (kind == GameListKind::History) {
        cmbSlot = new QComboBox;
        cmbSlot->setObjectName(QStringLiteral("cmbSlot"));
        cmbSlot->setEditable(true);
        for (int slot = 1; slot <= 26; ++slot)
            cmbSlot->addItem(QStringLiteral("%%1").arg(slot, 2, 10, QLatin1Char('0')));
        cmbSlot->addItem(QString());
        cmbSlot->setCurrentIndex(0);
        extra->addWidget(new QLabel(QStringLiteral("Journal Slot")));
        extra->addWidget(cmbSlot);
        extra->addStretch();
    }
    edPlayer->setObjectName(QStringLiteral("edPlayer"));
    btHistory->setObjectName(QStringLiteral("btHistory"));
    btHistory->setText(spec.requestCaption);
    buttons->addStretch();
    buttons->addWidget(new QLabel(QStringLiteral("Player Handle")));
    buttons->addWidget(edPlayer);
    buttons->addWidget(btHistory);

    auto* column = new QVBoxLayout(this);
    column->addWidget(list, 1);
    column->addLayout(extra);
    column->addLayout(buttons);

    connect(list, &QTreeWidget::itemClicked, this, &TfrmGameList::rowClicked);
    connect(btHistory, &QPushButton::clicked, this,
            [this] { m_commands.sendCommand(m_state.requestFor(edPlayer->text())); });
    showRows();
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
    if (laAdj)
        laAdj->setText(m_state.adjudicateLabel(row));
}

void TfrmGameList::press(Button which)
{
    GameListCommands::Extra extra;
    if (laAdj) {
        extra.adjudicateLabel = laAdj->text();
        extra.adjudicateText = edAdj->text();
    }
    if (cmbSlot)
        extra.slot = cmbSlot->currentText();
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
