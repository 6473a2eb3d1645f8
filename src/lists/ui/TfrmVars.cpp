#include "lists/ui/TfrmVars.h"

#include "lists/VarsFields.h"
#include "lists/VarsReply.h"
#include "session/CommandSender.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int FieldColumns = 4;
const QColor MarkColor(0xFF, 0, 0);

} // namespace

TfrmVars::TfrmVars(CommandSender& commands, QWidget* parent)
    : QWidget(parent, Qt::Window), laInterface(new QLabel), edHandle(new QLineEdit),
      btSetVars(new QPushButton(QStringLiteral("Set Variables"))),
      btShowVar(new QPushButton(QStringLiteral("Show Var"))), reHelp(new QTextEdit),
      m_commands(commands)
{
    setObjectName(QStringLiteral("frmVars"));
    setWindowTitle(BuiltInCaption);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    const QList<VarsFields::Field>& fields = VarsFields::all();
    int row = 0;
    int column = 0;
    // Every column as wide as the widest label and the widest choice, so that
    // the fields stand in an even grid.
    int labelWidth = 0;
    int controlWidth = 0;
    for (int field = 0; field < fields.size(); ++field) {
        QWidget* control = buildControl(field);
        m_controls.append(control);
        auto* label = new QLabel(fields[field].label);
        label->setBuddy(control);
        const bool wide = fields[field].kind == VarsFields::Kind::Note;
        labelWidth = std::max(labelWidth, label->sizeHint().width());
        if (!wide)
            controlWidth = std::max(controlWidth, control->sizeHint().width());
        if (wide && column != 0) {
            ++row;
            column = 0;
        }
        grid->addWidget(label, row, column * 2);
        grid->addWidget(control, row, column * 2 + 1, 1, wide ? FieldColumns * 2 - 1 : 1);
        if (wide || ++column == FieldColumns) {
            ++row;
            column = 0;
        }
    }

    for (int column = 0; column < FieldColumns; ++column) {
        grid->setColumnMinimumWidth(column * 2, labelWidth);
        grid->setColumnMinimumWidth(column * 2 + 1, controlWidth);
        grid->setColumnStretch(column * 2 + 1, 1);
    }

    laInterface->setObjectName(QStringLiteral("laInterface"));
    QPalette red = laInterface->palette();
    red.setColor(QPalette::WindowText, MarkColor);
    laInterface->setPalette(red);
    edHandle->setObjectName(QStringLiteral("edHandle"));
    btSetVars->setObjectName(QStringLiteral("btSetVars"));
    btShowVar->setObjectName(QStringLiteral("btShowVar"));
    reHelp->setObjectName(QStringLiteral("reHelp"));
    reHelp->setReadOnly(true);
    reHelp->setMaximumHeight(90);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(laInterface, 1);
    bottom->addWidget(new QLabel(QStringLiteral("Handle")));
    bottom->addWidget(edHandle);
    bottom->addWidget(btShowVar);
    bottom->addWidget(btSetVars);
    auto* column0 = new QVBoxLayout(this);
    column0->addLayout(grid);
    column0->addLayout(bottom);
    column0->addWidget(reHelp);

    connect(btSetVars, &QPushButton::clicked, this, &TfrmVars::setVariables);
    connect(btShowVar, &QPushButton::clicked, this,
            [this] { m_commands.sendCommand(requestFor(edHandle->text())); });
    m_filling = true;
    for (int field = 0; field < int(m_controls.size()); ++field)
        showValue(field);
    m_filling = false;
}

QWidget* TfrmVars::buildControl(int field)
{
    const VarsFields::Field& spec = VarsFields::all().at(field);
    QWidget* control = nullptr;
    if (spec.kind == VarsFields::Kind::Note) {
        auto* edit = new QLineEdit;
        connect(edit, &QLineEdit::textChanged, this,
                [this, field](const QString& text) { userChanged(field, text); });
        control = edit;
    } else {
        auto* box = new QComboBox;
        box->addItems(spec.choices);
        if (spec.kind == VarsFields::Kind::Text) {
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            connect(box, &QComboBox::editTextChanged, this,
                    [this, field](const QString& text) { userChanged(field, text); });
        } else {
            connect(box, &QComboBox::currentIndexChanged, this,
                    [this, field](int index) { userChanged(field, QString::number(index)); });
        }
        box->setEnabled(!spec.readOnly);
        control = box;
    }
    control->setObjectName(spec.control);
    control->installEventFilter(this);
    return control;
}

QString TfrmVars::requestFor(const QString& handle)
{
    return QStringLiteral("iset block 1^107 vars %1^999 iset block 0").arg(handle);
}

void TfrmVars::userChanged(int field, const QString& value)
{
    if (m_filling)
        return;
    m_state.userChange(field, value);
    paintMark(field);
}

void TfrmVars::showValue(int field)
{
    QWidget* control = m_controls.at(field);
    const QString& value = m_state.value(field);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(value);
    else if (auto* box = qobject_cast<QComboBox*>(control); box->isEditable())
        box->setEditText(value);
    else
        box->setCurrentIndex(m_state.choice(field));
    paintMark(field);
}

void TfrmVars::paintMark(int field)
{
    QWidget* control = m_controls.at(field);
    QPalette palette = control->palette();
    const QColor text = m_state.isMarked(field) ? MarkColor : QColor(Qt::black);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    control->setPalette(palette);
}

void TfrmVars::Fill(const QList<QByteArray>& lines)
{
    const VarsReply reply = VarsReply::parse(lines);
    if (!reply.handle.isEmpty()) {
        edHandle->setText(reply.handle);
        setWindowTitle(QStringLiteral("Variable Settings of ") + reply.handle);
    }
    if (reply.hasInterface)
        laInterface->setText(QStringLiteral("Using: ") + reply.interface);
    m_filling = true;
    for (int field : m_state.fill(reply))
        showValue(field);
    m_filling = false;
}

void TfrmVars::setVariables()
{
    for (const QString& command : m_state.takeSetCommands())
        m_commands.sendCommand(command);
    for (int field = 0; field < int(m_controls.size()); ++field)
        paintMark(field);
}

void TfrmVars::showOrRaise()
{
    show();
    raise();
    activateWindow();
}

bool TfrmVars::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const int field = int(m_controls.indexOf(static_cast<QWidget*>(watched)));
        if (field >= 0)
            reHelp->setPlainText(VarsFields::helpFor(VarsFields::all().at(field).helpMarker));
    }
    return QWidget::eventFilter(watched, event);
}
