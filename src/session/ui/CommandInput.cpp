#include "session/ui/CommandInput.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>

CommandInput::CommandInput(QWidget* parent)
    : QComboBox(parent), m_presetList(new QCompleter(this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(20);
    // The line edit never learns of the list: a combo box whose line edit has a completer
    // that ignores letter case replaces typed text by a preset spelled otherwise ("TELL"
    // by "tell") when editing ends, and completes inline.
    setCompleter(nullptr);
    m_presetList->setModel(model());
    m_presetList->setWidget(lineEdit());
    m_presetList->setCaseSensitivity(Qt::CaseInsensitive);
    m_presetList->setFilterMode(Qt::MatchStartsWith);
    m_presetList->setCompletionMode(QCompleter::PopupCompletion);
    m_presetList->setMaxVisibleItems(20);
    // After the completer's own filter, so that this one sees the keys first.
    m_presetList->popup()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CommandInput::offerPresets);
    connect(m_presetList, qOverload<const QString&>(&QCompleter::activated), lineEdit(),
            &QLineEdit::setText);

    connect(lineEdit(), &QLineEdit::returnPressed, this, [this] {
        const QString text = lineEdit()->text();
        m_history.add(text);
        Q_EMIT commandEntered(text);
    });
}

void CommandInput::offerPresets(const QString& typed)
{
    m_presetList->setCompletionPrefix(typed);
    if (typed.isEmpty() || m_presetList->completionCount() == 0)
        m_presetList->popup()->hide();
    else
        m_presetList->complete();
}

namespace {

bool plainKey(const QKeyEvent* key)
{
    return key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
}

} // namespace

bool CommandInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == presetList()->popup() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (plainKey(key) && presetListKey(key->key()))
            return true;
    }
    return QComboBox::eventFilter(watched, event);
}

// The combo box, not its line edit, holds the focus: the keys arrive here. Up and Down
// would step through the presets.
void CommandInput::keyPressEvent(QKeyEvent* event)
{
    if (plainKey(event) && event->key() == Qt::Key_Up)
        showRecalled(m_history.older(lineEdit()->text()));
    else if (plainKey(event) && event->key() == Qt::Key_Down)
        showRecalled(m_history.newer());
    else
        QComboBox::keyPressEvent(event);
}

// Enter on a picked preset puts it into the input to be completed; Enter without a
// pick sends what was typed.
bool CommandInput::presetListKey(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    QAbstractItemView* list = presetList()->popup();
    const QModelIndex picked = list->currentIndex();
    list->hide();
    if (picked.isValid()) {
        lineEdit()->setText(picked.data().toString());
    } else {
        QKeyEvent enter(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &enter);
    }
    return true;
}

void CommandInput::showRecalled(const std::optional<QString>& text)
{
    if (text)
        lineEdit()->setText(*text);
}
