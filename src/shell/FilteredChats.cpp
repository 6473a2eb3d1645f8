#include "shell/FilteredChats.h"

#include "chat/ChatRouter.h"
#include "chat/ui/TfrmChat.h"
#include "chat/ui/TfrmCreateChat.h"
#include "settings/SettingsWriteError.h"
#include "shell/ApplicationTitle.h"

#include <QMessageBox>

FilteredChats::FilteredChats(const KindFonts& fonts, ChatRouter& router, Initialiser initialise,
                             QWidget* dialogParent)
    : QObject(dialogParent), m_fonts(fonts), m_router(router),
      m_initialise(std::move(initialise)), m_dialogParent(dialogParent)
{
}

FilteredChats::~FilteredChats()
{
    for (TfrmChat* window : windows()) {
        m_router.removeFiltered(window);
        delete window;
    }
}

TfrmCreateChat* FilteredChats::dialog()
{
    if (!m_dialog)
        m_dialog = new TfrmCreateChat(m_dialogParent);
    return m_dialog;
}

QList<TfrmChat*> FilteredChats::windows() const
{
    QList<TfrmChat*> open;
    for (const QPointer<TfrmChat>& window : m_windows) {
        if (window)
            open.append(window);
    }
    return open;
}

TfrmChat* FilteredChats::open(const ChatForms::Form& form)
{
    auto* window = new TfrmChat(m_fonts, form.filter, nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_initialise(*window);
    window->setBaseCaption(form.caption);
    if (form.bounds.isValid())
        window->setGeometry(form.bounds);
    m_windows.append(window);
    m_router.addFiltered(window);
    connect(window, &QObject::destroyed, this, [this, window] {
        m_router.removeFiltered(window);
        m_windows.removeAll(nullptr);
    });
    window->show();
    return window;
}

TfrmChat* FilteredChats::create(const ChatForms::Form& form)
{
    // The stored windows come back first: the new one joins them.
    restore();
    TfrmChat* window = open(form);
    store();
    return window;
}

void FilteredChats::createFromDialog()
{
    if (dialog()->exec() != QDialog::Accepted)
        return;
    try {
        create(ChatForms::formFromChoices(m_dialog->choices()));
    } catch (const SettingsWriteError& error) {
        QMessageBox::critical(m_dialogParent, ApplicationTitle, error.userMessage());
    }
}

void FilteredChats::restore()
{
    if (m_restored)
        return;
    m_restored = true;
    for (const ChatForms::Form& form : ChatForms::load(m_file))
        open(form);
}

void FilteredChats::store()
{
    if (!m_restored)
        return;
    QList<ChatForms::Form> forms;
    for (TfrmChat* window : windows())
        forms.append({window->baseCaption(), window->routing().filter(), window->geometry()});
    ChatForms::store(m_file, forms);
}
