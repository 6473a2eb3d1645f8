#pragma once

#include "chat/ChatAliases.h"
#include "chat/ChatComposer.h"
#include "chat/ChatTarget.h"
#include "chat/ChatWindowRouting.h"

#include <QWidget>

#include <array>
#include <functional>

class ChatInputBox;
class ChatMenu;
class ChatPane;
class KindFonts;
class QComboBox;
class QPushButton;
class QTabBar;
class QToolButton;

// The chat window: the main chat window, a board's chat pane and every
// filtered window. It shows the lines it takes and composes tells, says and
// the other messages from what the user types; the commands go to its
// command sink, one whole line each.
class TfrmChat : public QWidget, public ChatTarget
{
    Q_OBJECT

public:
    using MessageType = ChatComposer::MessageType;
    using Protocol = ChatComposer::Protocol;
    using Sink = std::function<void(const QString&)>;

    static constexpr int AliasCount = ChatAliases::Count;
    // The caption of a board's chat pane; the Windows menu leaves those out.
    static inline const QString BoardPaneCaption = QStringLiteral("__Board_Chat__");
    static constexpr int MinClientWidth = 400;
    static constexpr int MinClientHeight = 120;
    // The input box never gets lower than this, nor its top above MinInputTop.
    static constexpr int MinInputHeight = 18;
    static constexpr int MinInputTop = 40;

    TfrmChat(const KindFonts& fonts, ChatFilter filter, QWidget* parent = nullptr);
    ~TfrmChat() override;

    // Controls with given names.
    ChatPane* memOut = nullptr;
    ChatInputBox* memIn = nullptr;
    QComboBox* cmbTell = nullptr;
    QTabBar* tabType = nullptr;
    QWidget* pnlAlias = nullptr;
    std::array<QToolButton*, AliasCount> aliasButtons{};
    QPushButton* cmdSend = nullptr;
    QPushButton* cmdClose = nullptr;
    ChatMenu* mnuChat = nullptr;

    void setCommandSink(Sink sink) { m_commandSink = std::move(sink); }
    void setPickSink(Sink sink) { m_pickSink = std::move(sink); }
    const Sink& commandSink() const { return m_commandSink; }
    const Sink& pickSink() const { return m_pickSink; }

    void setProtocol(Protocol protocol) { m_protocol = protocol; }
    Protocol protocol() const { return m_protocol; }

    void setChatFont(const QFont& font);
    void setChatColor(const QColor& color);

    void setEcho(bool on);
    bool echo() const { return m_echo; }
    void setIncludeShouts(bool on);
    void setIncludeChannelTells(bool on);
    void setPopUpOnTells(bool on);
    void setPopUpOnSays(bool on);
    void setStayOnTop(bool on);
    bool stayOnTop() const { return m_stayOnTop; }
    void setFocusFollowsMouseOff(bool off) { m_focusFollowsMouseOff = off; }
    bool focusFollowsMouseOff() const { return m_focusFollowsMouseOff; }
    // The main window shows its Boards tab: a hidden window does not pop up.
    void setBoardsViewShown(bool shown) { m_boardsViewShown = shown; }

    // Main chat window: hidden when closed. Otherwise the window goes away.
    void setHidesWhenClosed(bool hides) { m_hidesWhenClosed = hides; }

    const ChatAliases& aliases() const { return m_aliases; }
    void setAliases(const ChatAliases& aliases);
    // The aliases editor, open on the given alias; OK renews the buttons.
    void editAliases(int shownAlias = 0);

    void openForComposing(MessageType type, const QString& handle);
    void selectType(MessageType type);
    MessageType messageType() const;

    void addRecipient(const QString& recipient);
    void showNewRecipient(int at, const QString& recipient);
    // Enter in the input box: sends the typed text with the current type.
    void send();
    void sendAlias(int index);

    ChatWindowRouting& routing() override { return m_routing; }
    void takeLine(const QByteArray& line, const QByteArray& speaker, TextKind kind,
                  const QByteArray& other) override;

    // The caption without the unread count.
    void setBaseCaption(const QString& caption);
    const QString& baseCaption() const { return m_baseCaption; }
    int unreadCount() const { return m_unread; }

    const QString& pickedWord() const { return m_pickedWord; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void wireControls();
    void layoutControls();
    void showMenuAt(const QPoint& globalPos);
    void copyFromPane(bool paste);
    void renewCaption();
    void followMouse();
    void growInput(int wantedHeight);

    const KindFonts& m_fonts;
    ChatWindowRouting m_routing;
    Sink m_commandSink;
    Sink m_pickSink;
    Protocol m_protocol = Protocol::Fics;
    bool m_echo = false;
    bool m_stayOnTop = true;
    bool m_focusFollowsMouseOff = false;
    bool m_boardsViewShown = false;
    bool m_hidesWhenClosed = false;
    ChatAliases m_aliases;
    QString m_pickedWord;
    QString m_baseCaption;
    int m_unread = 0;
    int m_inputHeight = MinInputHeight;
};
