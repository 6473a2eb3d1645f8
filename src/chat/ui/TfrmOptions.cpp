#include "chat/ui/TfrmOptions.h"

#include "chat/ui/FontSpecConversion.h"
#include "chat/ui/OptionsFontPage.h"
#include "session/InterfaceToggles.h"
#include "widgets/ScreenCentre.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QCheckBox* checkBox(QWidget* page, QLayout* layout, const QString& caption, bool checked)
{
    auto* box = new QCheckBox(caption, page);
    box->setChecked(checked);
    layout->addWidget(box);
    return box;
}

} // namespace

TfrmOptions::TfrmOptions(const GeneralOptions& options, KindFonts& fonts,
                         CustomFontList& customFonts, std::function<void()> storeCustomFonts,
                         QWidget* parent)
    : QDialog(parent), m_start(options)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    pages = new QTabWidget(this);
    fontPage = new OptionsFontPage(fonts, customFonts, std::move(storeCustomFonts), pages);
    fontPage->setWindowTitle(windowTitle());
    pages->addTab(fontPage, QStringLiteral("&Font"));
    pages->addTab(buildTerminalPage(), QStringLiteral("&Terminal"));
    pages->addTab(buildChatPage(), QStringLiteral("C&hat"));
    pages->addTab(buildMessagesPage(), QStringLiteral("&Messages"));
    pages->addTab(buildCommandsPage(), QStringLiteral("&Commands"));

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(pages);
    column->addLayout(buttons);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    setBackground(options.backColor);
    adjustSize();
    ScreenCentre::place(*this);
}

QWidget* TfrmOptions::buildTerminalPage()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    btnBackground = new QPushButton(QStringLiteral("Background"), page);
    btnBackground->setAutoFillBackground(true);
    column->addWidget(btnBackground);
    chkIgnoreThanks = checkBox(page, column, QStringLiteral("Ignore \"Thanks\" after game"),
                               m_start.ignoreThanks);
    chkHideGameMessages = checkBox(page, column,
                                   QStringLiteral("Do not display game over messages."),
                                   m_start.hideGameMessages);
    column->addStretch();
    connect(btnBackground, &QPushButton::clicked, this, &TfrmOptions::chooseBackground);
    return page;
}

QWidget* TfrmOptions::buildChatPage()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    chkPopUpTells = checkBox(page, column, QStringLiteral("Pop up tells"), m_start.popUpTells);
    chkPopUpSays = checkBox(page, column, QStringLiteral("Pop up says"), m_start.popUpSays);
    chkIncludeShouts =
        checkBox(page, column, QStringLiteral("Include shouts"), m_start.includeShouts);
    chkIncludeChannelTells = checkBox(page, column, QStringLiteral("Include channel tells"),
                                      m_start.includeChannelTells);
    chkEcho = checkBox(page, column, QStringLiteral("Echo"), m_start.echo);
    chkDesktopNotifications =
        checkBox(page, column, QStringLiteral("Desktop notifications for tells and challenges"),
                 m_start.desktopNotifications);
    column->addStretch();
    return page;
}

QWidget* TfrmOptions::buildMessagesPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    edHello = new QLineEdit(m_start.hello, page);
    edGoodGame = new QLineEdit(m_start.goodGame, page);
    form->addRow(QStringLiteral("Hello"), edHello);
    form->addRow(QStringLiteral("Good Game"), edGoodGame);
    return page;
}

QWidget* TfrmOptions::buildCommandsPage()
{
    auto* page = new QWidget(this);
    auto* grid = new QHBoxLayout(page);
    auto* shoutType = new QGroupBox(QStringLiteral("Shout Type"), page);
    auto* shoutColumn = new QVBoxLayout(shoutType);
    const std::array<QString, 3> shoutCaptions{QStringLiteral("Shout"), QStringLiteral("CShout"),
                                               QStringLiteral("It")};
    for (std::size_t i = 0; i < rbShoutType.size(); ++i) {
        rbShoutType[i] = new QRadioButton(shoutCaptions[i], shoutType);
        rbShoutType[i]->setChecked(int(i) == m_start.shoutType);
        shoutColumn->addWidget(rbShoutType[i]);
    }
    auto* silence = new QGroupBox(QStringLiteral("Silence"), page);
    auto* silenceColumn = new QVBoxLayout(silence);
    const int set = m_start.silenceSet;
    chkSilenceChannels = checkBox(silence, silenceColumn, QStringLiteral("Channels"),
                                  set & InterfaceToggles::Channels);
    chkSilenceCShouts = checkBox(silence, silenceColumn, QStringLiteral("CShouts"),
                                 set & InterfaceToggles::CShouts);
    chkSilenceShouts = checkBox(silence, silenceColumn, QStringLiteral("Shouts"),
                                set & InterfaceToggles::Shouts);
    chkSilenceSeeks = checkBox(silence, silenceColumn, QStringLiteral("Seeks"),
                               set & InterfaceToggles::Seeks);
    auto* autoExec = new QGroupBox(QStringLiteral("Automatically Execute On Login"), page);
    auto* autoExecColumn = new QVBoxLayout(autoExec);
    memAutoExec = new QPlainTextEdit(autoExec);
    memAutoExec->setLineWrapMode(QPlainTextEdit::NoWrap);
    memAutoExec->setPlainText(m_start.autoExecCommands.join(u'\n'));
    autoExecColumn->addWidget(memAutoExec);
    grid->addWidget(shoutType);
    grid->addWidget(silence);
    grid->addWidget(autoExec, 1);
    return page;
}

void TfrmOptions::setBackground(qint32 color)
{
    m_background = color;
    const QColor shown = FontSpecConversion::toColor(color);
    QPalette colors = btnBackground->palette();
    colors.setColor(QPalette::Button, shown);
    btnBackground->setPalette(colors);
    fontPage->setSampleBackground(shown);
}

void TfrmOptions::chooseBackground()
{
    if (const std::optional<QColor> chosen =
            fontPage->chooseColor(FontSpecConversion::toColor(m_background)))
        setBackground(FontSpecConversion::fromColor(*chosen));
}

GeneralOptions TfrmOptions::options() const
{
    GeneralOptions chosen = m_start;
    chosen.backColor = m_background;
    chosen.ignoreThanks = chkIgnoreThanks->isChecked();
    chosen.hideGameMessages = chkHideGameMessages->isChecked();
    chosen.popUpTells = chkPopUpTells->isChecked();
    chosen.popUpSays = chkPopUpSays->isChecked();
    chosen.includeShouts = chkIncludeShouts->isChecked();
    chosen.includeChannelTells = chkIncludeChannelTells->isChecked();
    chosen.echo = chkEcho->isChecked();
    chosen.desktopNotifications = chkDesktopNotifications->isChecked();
    chosen.hello = edHello->text();
    chosen.goodGame = edGoodGame->text();
    for (std::size_t i = 0; i < rbShoutType.size(); ++i) {
        if (rbShoutType[i]->isChecked())
            chosen.shoutType = int(i);
    }
    chosen.silenceSet = (chkSilenceCShouts->isChecked() ? InterfaceToggles::CShouts : 0) |
                        (chkSilenceSeeks->isChecked() ? InterfaceToggles::Seeks : 0) |
                        (chkSilenceShouts->isChecked() ? InterfaceToggles::Shouts : 0) |
                        (chkSilenceChannels->isChecked() ? InterfaceToggles::Channels : 0);
    chosen.autoExecCommands = memAutoExec->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    return chosen;
}
