#include "chat/ui/TfrmChat.h"

#include "chat/KindFonts.h"
#include "chat/ui/ChatInputBox.h"
#include "chat/ui/ChatMenu.h"
#include "chat/ui/ChatPane.h"
#include "chat/ui/FontSpecConversion.h"
#include "chat/ui/TfrmEditTells.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

namespace {

constexpr int AliasButtonWidth = 22;
constexpr int MinAliasLeft = 200;

QString aliasCaption(int index)
{
    return u'&' + QString::number(index, 16);
}

} // namespace

TfrmChat::TfrmChat(const KindFonts& fonts, ChatFilter filter, QWidget* parent)
    : QWidget(parent), m_fonts(fonts), m_routing(std::move(filter))
{
    setObjectName(QStringLiteral("frmChat"));
    setWindowFlag(Qt::Window, parent == nullptr || parent->isWindow());
    buildControls();
    wireControls();
    setStayOnTop(true);
    setChatFont(FontSpecConversion::toFont({QStringLiteral("Courier New"), 10, 0, 0}));
    selectType(MessageType::Tell);
    resize(520, 300);
}

TfrmChat::~TfrmChat() = default;

void TfrmChat::buildControls()
{
    memOut = new ChatPane(this);
    memIn = new ChatInputBox(this);
    QPalette inputColors = memIn->palette();
    inputColors.setColor(QPalette::Text, Qt::blue);
    memIn->setPalette(inputColors);
    memOut->setFocusTarget(memIn);

    cmbTell = new QComboBox(this);
    cmbTell->setObjectName(QStringLiteral("cmbTell"));
    cmbTell->setEditable(true);
    cmbTell->setInsertPolicy(QComboBox::NoInsert);
    cmbTell->setMaxVisibleItems(20);

    tabType = new QTabBar(this);
    tabType->setObjectName(QStringLiteral("tabType"));
    tabType->setExpanding(false);
    tabType->setUsesScrollButtons(true);
    for (int type = 0; type < ChatComposer::MessageTypeCount; ++type)
        tabType->addTab(ChatComposer::tabCaption(MessageType(type)));

    pnlAlias = new QWidget(this);
    pnlAlias->setObjectName(QStringLiteral("pnlAlias"));
    for (int i = 0; i < AliasCount; ++i) {
        auto* button = new QToolButton(pnlAlias);
        button->setObjectName(QStringLiteral("c%1").arg(i));
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        button->setText(aliasCaption(i));
        button->setGeometry((i % 8) * AliasButtonWidth, (i / 8) * AliasButtonWidth,
                            AliasButtonWidth, AliasButtonWidth);
        aliasButtons[std::size_t(i)] = button;
    }
    pnlAlias->resize(8 * AliasButtonWidth, 2 * AliasButtonWidth);

    // Kept outside the visible area: they only give Enter and Escape their meaning.
    cmdSend = new QPushButton(this);
    cmdSend->setObjectName(QStringLiteral("cmdSend"));
    cmdSend->setGeometry(-100, -100, 10, 10);
    cmdClose = new QPushButton(this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(-100, -100, 10, 10);
    cmdClose->setShortcut(Qt::Key_Escape);

    mnuChat = new ChatMenu(this);
    memIn->installEventFilter(this);
    for (QWidget* watched :
         {memIn->viewport(), static_cast<QWidget*>(tabType), memOut->viewport()}) {
        watched->installEventFilter(this);
        watched->setMouseTracking(true);
    }
}

void TfrmChat::wireControls()
{
    connect(memIn, &ChatInputBox::returnPressed, this, &TfrmChat::send);
    connect(memIn, &ChatInputBox::heightWanted, this, &TfrmChat::growInput);
    connect(cmdSend, &QPushButton::clicked, this, &TfrmChat::send);
    connect(cmdClose, &QPushButton::clicked, this, [this] {
        if (isWindow())
            hide();
    });
    connect(tabType, &QTabBar::currentChanged, this,
            [this](int index) { selectType(MessageType(index)); });
    connect(cmbTell, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (text != text.toUpper()) {
            QLineEdit* edit = cmbTell->lineEdit();
            const int caret = edit->cursorPosition();
            edit->setText(text.toUpper());
            edit->setCursorPosition(caret);
        }
    });
    for (int i = 0; i < AliasCount; ++i) {
        QToolButton* button = aliasButtons[std::size_t(i)];
        connect(button, &QToolButton::clicked, this, [this, i] { sendAlias(i); });
        // As the button's help says: a right click defines the aliases.
        connect(button, &QWidget::customContextMenuRequested, this, [this, i] { editAliases(i); });
    }

    connect(memOut, &TerminalPane::wordPicked, this,
            [this](const QString& word) { m_pickedWord = word; });
    connect(memOut, &TerminalPane::menuRequested, this,
            [this](TerminalPane*, const QPoint& at) { showMenuAt(at); });
    connect(memOut, &TerminalPane::mouseReleased, memIn, [this] { memIn->setFocus(); });
    connect(memOut, &TerminalPane::mouseMoved, this, &TfrmChat::followMouse);
    connect(memOut, &BatchedPane::linesShown, this, &TfrmChat::renewCaption);
    connect(memOut, &BatchedPane::linesWaiting, this, &TfrmChat::renewCaption);

    connect(mnuChat->mnuCopy, &QAction::triggered, this, [this] { copyFromPane(false); });
    connect(mnuChat->mnuCopyPaste, &QAction::triggered, this, [this] { copyFromPane(true); });
    connect(mnuChat->mnuIncludeShouts, &QAction::toggled, this, &TfrmChat::setIncludeShouts);
    connect(mnuChat->mnuIncludeChannelTells, &QAction::toggled, this,
            &TfrmChat::setIncludeChannelTells);
    connect(mnuChat->mnuPopUpOnTells, &QAction::toggled, this, &TfrmChat::setPopUpOnTells);
    connect(mnuChat->mnuPopUpOnSays, &QAction::toggled, this, &TfrmChat::setPopUpOnSays);
    connect(mnuChat->mnuEcho, &QAction::toggled, this, &TfrmChat::setEcho);
    connect(mnuChat->mnuStayOnTop, &QAction::toggled, this, &TfrmChat::setStayOnTop);
    connect(mnuChat->mnuAliases, &QAction::triggered, this, &TfrmChat::editAliases);
}

void TfrmChat::setChatFont(const QFont& font)
{
    memOut->setFont(font);
    memIn->setFont(font);
    cmbTell->setFont(font);
    growInput(memIn->wantedHeight());
}

void TfrmChat::setChatColor(const QColor& color)
{
    memOut->setBackground(color);
    for (QWidget* control : {static_cast<QWidget*>(memIn), static_cast<QWidget*>(cmbTell)}) {
        QPalette colors = control->palette();
        colors.setColor(QPalette::Base, color);
        control->setPalette(colors);
    }
}

void TfrmChat::setEcho(bool on)
{
    m_echo = on;
    mnuChat->mnuEcho->setChecked(on);
}

void TfrmChat::setIncludeShouts(bool on)
{
    m_routing.includeShouts = on;
    mnuChat->mnuIncludeShouts->setChecked(on);
}

void TfrmChat::setIncludeChannelTells(bool on)
{
    m_routing.includeChannelTells = on;
    mnuChat->mnuIncludeChannelTells->setChecked(on);
}

void TfrmChat::setPopUpOnTells(bool on)
{
    m_routing.popUpOnTells = on;
    mnuChat->mnuPopUpOnTells->setChecked(on);
}

void TfrmChat::setPopUpOnSays(bool on)
{
    m_routing.popUpOnSays = on;
    mnuChat->mnuPopUpOnSays->setChecked(on);
}

void TfrmChat::setStayOnTop(bool on)
{
    m_stayOnTop = on;
    mnuChat->mnuStayOnTop->setChecked(on);
    if (!isWindow() || windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    // Changing the flags hides a shown window; it comes back where it was.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown)
        show();
}

void TfrmChat::setAliases(const ChatAliases& aliases)
{
    m_aliases = aliases;
    for (int i = 0; i < AliasCount; ++i) {
        QToolButton* button = aliasButtons[std::size_t(i)];
        const QString& name = m_aliases.aliases[std::size_t(i)].name;
        button->setToolTip(name);
        button->setStatusTip(
            name + QStringLiteral(": sends user-defined message.  Right-click to define aliases."));
    }
}

void TfrmChat::editAliases(int shownAlias)
{
    TfrmEditTells editor(m_aliases, this);
    editor.tabAlias->setCurrentIndex(shownAlias);
    if (editor.exec() == QDialog::Accepted)
        setAliases(editor.aliases());
}

TfrmChat::MessageType TfrmChat::messageType() const
{
    return MessageType(std::max(0, tabType->currentIndex()));
}

void TfrmChat::selectType(MessageType type)
{
    if (tabType->currentIndex() != int(type))
        tabType->setCurrentIndex(int(type));
    cmbTell->setVisible(ChatComposer::takesRecipients(type));
    layoutControls();
}

void TfrmChat::openForComposing(MessageType type, const QString& handle)
{
    if (isWindow() && isHidden())
        show();
    if (ChatComposer::takesRecipients(type)) {
        const QString recipient = handle.toUpper();
        cmbTell->setEditText(recipient);
        addRecipient(recipient);
    }
    selectType(type);
    memIn->setFocus();
    memIn->selectAll();
}

void TfrmChat::addRecipient(const QString& recipient)
{
    const int at = m_routing.addRecipient(recipient);
    if (at >= 0)
        showNewRecipient(at, recipient);
}

// The list keeps the routing's order; what the user is typing stays as it is.
void TfrmChat::showNewRecipient(int at, const QString& recipient)
{
    const QString typed = cmbTell->currentText();
    cmbTell->insertItem(at, recipient);
    cmbTell->setEditText(typed);
}

void TfrmChat::send()
{
    const QString text = memIn->text();
    const MessageType type = messageType();
    if (m_commandSink) {
        for (const QString& command :
             ChatComposer::compose(type, m_protocol, cmbTell->currentText(), text))
            m_commandSink(command);
    }
    if (m_echo)
        memOut->appendEcho(text, m_fonts[TextKind::Commands]);
    const QString recipientText = cmbTell->currentText().toUpper();
    const bool keepsText = ChatComposer::takesRecipients(type) &&
                           ChatComposer::recipients(recipientText).isEmpty() && !text.isEmpty();
    if (type == MessageType::Tell && !recipientText.trimmed().isEmpty())
        addRecipient(recipientText);
    // Without a recipient nothing went out: the typed text stays for a second try.
    if (!keepsText)
        memIn->clear();
    memIn->setFocus();
}

void TfrmChat::sendAlias(int index)
{
    if (index < 0 || index >= AliasCount)
        return;
    const QString typed = memIn->text();
    memIn->setText(m_aliases.aliases[std::size_t(index)].text);
    send();
    memIn->setText(typed);
}

void TfrmChat::takeLine(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                        const QByteArray& other)
{
    const ChatWindowRouting::Outcome outcome = m_routing.takeLine(
        line, speaker, kind, other, {isWindow() && isHidden(), m_boardsViewShown});
    if (!outcome.taken)
        return;
    memOut->appendLine(QString::fromLatin1(line),
                       m_fonts.ChooseLineFont(outcome.handle, outcome.channel, kind),
                       m_fonts[TextKind::Links]);
    if (outcome.recipientAt >= 0)
        showNewRecipient(outcome.recipientAt, outcome.handle);
    switch (outcome.popUp) {
    case ChatWindowRouting::PopUp::Tell:
        openForComposing(MessageType::Tell, outcome.handle);
        break;
    case ChatWindowRouting::PopUp::Say:
        openForComposing(MessageType::Say, QString());
        break;
    case ChatWindowRouting::PopUp::None:
        break;
    }
    // The caption follows when the pane shows the line, or lets it wait hidden.
    if (!window()->isVisible() || !window()->isActiveWindow())
        ++m_unread;
}

void TfrmChat::setBaseCaption(const QString& caption)
{
    m_baseCaption = caption;
    renewCaption();
}

void TfrmChat::renewCaption()
{
    // A pane inside a board has no title bar to count its unread lines in.
    const bool counted = m_unread > 0 && isWindow();
    const QString caption =
        counted ? QStringLiteral("(%1) %2").arg(m_unread).arg(m_baseCaption) : m_baseCaption;
    // A new title goes to the window manager and repaints the frame.
    if (caption != windowTitle())
        setWindowTitle(caption);
}

void TfrmChat::showMenuAt(const QPoint& globalPos)
{
    if (m_pickSink && !m_pickedWord.isEmpty())
        m_pickSink(m_pickedWord);
    mnuChat->popup(globalPos);
}

void TfrmChat::copyFromPane(bool paste)
{
    const QString text = memOut->copySelectionOrWord();
    if (paste && !text.isEmpty())
        memIn->insertText(text);
    memIn->setFocus();
}

void TfrmChat::followMouse()
{
    if (!m_focusFollowsMouseOff && isWindow() && !isActiveWindow() && QApplication::activeWindow())
        activateWindow();
}

void TfrmChat::layoutControls()
{
    const int width = this->width();
    const int height = this->height();
    const int aliasLeft = std::max(MinAliasLeft, width - pnlAlias->width());
    const int bottomRow = pnlAlias->height();
    pnlAlias->move(aliasLeft, height - bottomRow);
    tabType->setGeometry(0, height - bottomRow, aliasLeft, bottomRow);
    int above = height - bottomRow;
    if (!cmbTell->isHidden()) {
        const int comboHeight = cmbTell->sizeHint().height();
        above -= comboHeight;
        cmbTell->setGeometry(0, above, width, comboHeight);
    }
    // The input box keeps its height and its bottom; its top stays below MinInputTop.
    const int inputTop = std::max(MinInputTop, above - m_inputHeight);
    memIn->setGeometry(0, inputTop, width, std::max(0, above - inputTop));
    memOut->setGeometry(0, 0, width, inputTop);
}

void TfrmChat::growInput(int wantedHeight)
{
    m_inputHeight = std::max(MinInputHeight, wantedHeight);
    layoutControls();
}

void TfrmChat::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isWindow() && (width() < MinClientWidth || height() < MinClientHeight)) {
        resize(std::max(width(), MinClientWidth), std::max(height(), MinClientHeight));
        return;
    }
    layoutControls();
}

void TfrmChat::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        // Minimising hides the window instead.
        setWindowState(windowState() & ~Qt::WindowMinimized);
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
    }
}

bool TfrmChat::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        m_unread = 0;
        renewCaption();
        memIn->setFocus();
        memIn->selectAll();
    }
    return QWidget::event(event);
}

bool TfrmChat::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        followMouse();
    else if (watched == memIn && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(memIn, &QTextEdit::selectAll, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void TfrmChat::closeEvent(QCloseEvent* event)
{
    if (m_hidesWhenClosed) {
        event->ignore();
        hide();
        return;
    }
    QWidget::closeEvent(event);
}
