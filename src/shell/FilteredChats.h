#pragma once

#include "chat/ChatForms.h"
#include "settings/SettingsFile.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class ChatRouter;
class KindFonts;
class QWidget;
class TfrmChat;
class TfrmCreateChat;

// The filtered chat windows of the run: created with the creation dialog or
// restored from the profile's "Chat Forms", kept in creation order, and
// stored again. Nothing is stored before the stored windows have come back,
// so starting and ending a run without connecting loses none of them.
class FilteredChats : public QObject
{
    Q_OBJECT

public:
    // Sets up a new window like the main chat window: sinks, flags, fonts.
    using Initialiser = std::function<void(TfrmChat&)>;

    FilteredChats(const KindFonts& fonts, ChatRouter& router, Initialiser initialise,
                  QWidget* dialogParent);
    ~FilteredChats() override;

    void setSettingsFile(const SettingsFile& file) { m_file = file; }

    // "Create Chat Window" and the "Chat Filter" tool button.
    void createFromDialog();
    TfrmChat* create(const ChatForms::Form& form);
    // Once per run; later calls do nothing.
    void restore();
    bool restored() const { return m_restored; }
    // Rewrites "Chat Forms" from the open windows, once they were restored.
    void store();

    QList<TfrmChat*> windows() const;
    TfrmCreateChat* dialog();

private:
    TfrmChat* open(const ChatForms::Form& form);

    const KindFonts& m_fonts;
    ChatRouter& m_router;
    Initialiser m_initialise;
    QWidget* m_dialogParent;
    SettingsFile m_file;
    TfrmCreateChat* m_dialog = nullptr;
    QList<QPointer<TfrmChat>> m_windows;
    bool m_restored = false;
};
