#include "chat/ui/TfrmLists.h"
#include "widgets/ScreenCentre.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfrmLists::TfrmLists(const TLists& lists, ServerProtocol protocol, QWidget* parent)
    : QDialog(parent, Qt::Tool), lstLists(new QListWidget), txtLabel(new QLineEdit),
      txtCommand(new QLineEdit), cmbUpdate(new QComboBox),
      btAdd(new QPushButton(QStringLiteral("&Add"))),
      btRemove(new QPushButton(QStringLiteral("&Remove"))),
      btUp(new QPushButton(QStringLiteral("&Up"))), btDown(new QPushButton(QStringLiteral("&Down"))),
      m_lists(lists)
{
    setObjectName(QStringLiteral("frmLists"));
    setWindowTitle(QStringLiteral("Edit Lists"));
    lstLists->setObjectName(QStringLiteral("lstLists"));
    txtLabel->setObjectName(QStringLiteral("txtLabel"));
    txtCommand->setObjectName(QStringLiteral("txtCommand"));
    cmbUpdate->setObjectName(QStringLiteral("cmbUpdate"));
    cmbUpdate->addItems(TLists::updateTexts(protocol));

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Label"), txtLabel);
    fields->addRow(QStringLiteral("Command"), txtCommand);
    fields->addRow(QStringLiteral("Automatic Update"), cmbUpdate);
    auto* moves = new QVBoxLayout;
    for (QPushButton* button : {btAdd, btRemove, btUp, btDown})
        moves->addWidget(button);
    moves->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(lstLists, 1);
    top->addLayout(moves);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(fields);
    column->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lstLists, &QListWidget::currentRowChanged, this, &TfrmLists::selectionChanged);
    connect(txtLabel, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int row = lstLists->currentRow();
        m_lists.setLabel(row, text);
        if (m_lists.isCommandList(row))
            lstLists->item(row)->setText(text);
    });
    connect(txtCommand, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_lists.setCommand(lstLists->currentRow(), text); });
    connect(cmbUpdate, &QComboBox::activated, this,
            [this](int update) { m_lists.setUpdate(lstLists->currentRow(), update); });
    connect(btAdd, &QPushButton::clicked, this, [this] { showLabels(m_lists.add()); });
    connect(btRemove, &QPushButton::clicked, this, [this] {
        const int row = lstLists->currentRow();
        if (!m_lists.isCommandList(row))
            return;
        m_lists.remove(row);
        showLabels(TLists::TerminalTab);
    });
    connect(btUp, &QPushButton::clicked, this,
            [this] { showLabels(m_lists.moveUp(lstLists->currentRow())); });
    connect(btDown, &QPushButton::clicked, this,
            [this] { showLabels(m_lists.moveDown(lstLists->currentRow())); });
    showLabels(m_lists.count() - 1);
    adjustSize();
    ScreenCentre::place(*this);
}

void TfrmLists::showLabels(int selected)
{
    m_showing = true;
    lstLists->clear();
    lstLists->addItems(m_lists.labels());
    m_showing = false;
    lstLists->setCurrentRow(selected);
    selectionChanged(selected);
}

void TfrmLists::selectionChanged(int position)
{
    if (m_showing)
        return;
    const bool editable = m_lists.isCommandList(position);
    for (QWidget* field : {static_cast<QWidget*>(txtLabel), static_cast<QWidget*>(txtCommand),
                           static_cast<QWidget*>(cmbUpdate)})
        field->setEnabled(editable);
    txtLabel->setText(editable ? m_lists.at(position).label : QString());
    txtCommand->setText(editable ? m_lists.at(position).command : QString());
    cmbUpdate->setCurrentIndex(editable ? m_lists.at(position).update : 0);
}
