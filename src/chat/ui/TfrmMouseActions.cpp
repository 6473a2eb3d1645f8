#include "chat/ui/TfrmMouseActions.h"

#include "widgets/NamedButton.h"
#include "widgets/ScreenCentre.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

TfrmMouseActions::TfrmMouseActions(const QList<TMouseAction>& entries, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_entries(entries)
{
    setWindowTitle(Caption);
    setObjectName(QStringLiteral("frmMouseActions"));
    lstActions = new QListWidget(this);
    lstActions->setObjectName(QStringLiteral("lstActions"));
    edLabel = new QLineEdit(this);
    edLabel->setObjectName(QStringLiteral("edLabel"));
    edCommand = new QLineEdit(this);
    edCommand->setObjectName(QStringLiteral("edCommand"));
    btnAdd = namedButton(this, QStringLiteral("btnAdd"), QStringLiteral("&Add"), QString());
    btnRemove = namedButton(this, QStringLiteral("btnRemove"), QStringLiteral("&Remove"), QString());
    btnUp = namedButton(this, QStringLiteral("btnUp"), QStringLiteral("&Up"), QString());
    btnDown = namedButton(this, QStringLiteral("btnDown"), QStringLiteral("&Down"), QString());
    OKBtn = namedButton(this, QStringLiteral("OKBtn"), QStringLiteral("OK"), QString());
    OKBtn->setDefault(true);
    CancelBtn = namedButton(this, QStringLiteral("CancelBtn"), QStringLiteral("Cancel"), QString());
    auto* help = new QLabel(QStringLiteral("Enter the ICS command in the Definition box.  Use * to "
                                           "indicate where the target should go.  Example: Tell "
                                           "* Hello."),
                            this);
    help->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(lstActions, 0, 0, 6, 1);
    grid->addWidget(new QLabel(QStringLiteral("Label"), this), 0, 1);
    grid->addWidget(edLabel, 0, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Definition"), this), 1, 1);
    grid->addWidget(edCommand, 1, 2, 1, 2);
    grid->addWidget(help, 2, 1, 1, 3);
    grid->addWidget(btnAdd, 3, 1);
    grid->addWidget(btnRemove, 3, 2);
    grid->addWidget(btnUp, 4, 1);
    grid->addWidget(btnDown, 4, 2);
    grid->addWidget(OKBtn, 5, 2);
    grid->addWidget(CancelBtn, 5, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(3, 1);

    connect(lstActions, &QListWidget::currentRowChanged, this, &TfrmMouseActions::showSelected);
    connect(edLabel, &QLineEdit::textEdited, this, &TfrmMouseActions::labelEdited);
    connect(edCommand, &QLineEdit::textEdited, this, &TfrmMouseActions::commandEdited);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmMouseActions::add);
    connect(btnRemove, &QPushButton::clicked, this, &TfrmMouseActions::remove);
    connect(btnUp, &QPushButton::clicked, this, [this] { move(-1); });
    connect(btnDown, &QPushButton::clicked, this, [this] { move(1); });
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    fillList(int(m_entries.size()) - 1);
    resize(520, 320);
    ScreenCentre::place(*this);
}

int TfrmMouseActions::selected() const
{
    return lstActions->currentRow();
}

void TfrmMouseActions::fillList(int selectedRow)
{
    m_filling = true;
    lstActions->clear();
    for (const TMouseAction& entry : m_entries)
        lstActions->addItem(entry.Label);
    m_filling = false;
    lstActions->setCurrentRow(selectedRow);
    showSelected();
}

void TfrmMouseActions::showSelected()
{
    if (m_filling)
        return;
    const int row = selected();
    const bool own = row >= TMouseActions::PredefinedCount;
    edLabel->setEnabled(own);
    edCommand->setEnabled(own);
    edLabel->setText(own ? m_entries.at(row).Label : PredefinedText);
    edCommand->setText(own ? m_entries.at(row).Command : QString());
}

void TfrmMouseActions::labelEdited(const QString& text)
{
    const int row = selected();
    if (row < TMouseActions::PredefinedCount)
        return;
    m_entries[row].Label = text;
    lstActions->item(row)->setText(text);
}

void TfrmMouseActions::commandEdited(const QString& text)
{
    const int row = selected();
    if (row >= TMouseActions::PredefinedCount)
        m_entries[row].Command = text;
}

void TfrmMouseActions::add()
{
    if (m_entries.size() >= TMouseActions::MaxEntries)
        return;
    m_entries.append({QStringLiteral("New"), QString()});
    fillList(int(m_entries.size()) - 1);
}

void TfrmMouseActions::remove()
{
    const int row = selected();
    if (row < TMouseActions::PredefinedCount)
        return;
    m_entries.removeAt(row);
    fillList(qMin(row, int(m_entries.size()) - 1));
}

void TfrmMouseActions::move(int by)
{
    const int row = selected();
    const int to = row + by;
    if (row < TMouseActions::PredefinedCount || to < TMouseActions::PredefinedCount ||
        to >= m_entries.size())
        return;
    m_entries.swapItemsAt(row, to);
    fillList(to);
}
