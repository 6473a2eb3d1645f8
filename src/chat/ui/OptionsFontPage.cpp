#include "chat/ui/OptionsFontPage.h"

#include "chat/CustomFontList.h"
#include "chat/KindFonts.h"
#include "chat/ui/FontSpecConversion.h"
#include "settings/SettingsValue.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace {

const std::array<const char*, TextKindCount> KindNames{
    "Normal", "Say",   "Tell",     "Shout",    "CShout",    "Channel Tell", "PTell",
    "Kibitz", "Links", "Commands", "Requests", "Game Info", "Notifications"};

qint32 styleOf(const QFont& font)
{
    return (font.bold() ? SettingsValue::FontBold : 0) |
           (font.italic() ? SettingsValue::FontItalic : 0) |
           (font.underline() ? SettingsValue::FontUnderline : 0) |
           (font.strikeOut() ? SettingsValue::FontStrikeOut : 0);
}

void takeFont(FontSpec& spec, const QFont& font)
{
    spec.name = font.family();
    spec.size = font.pointSize() > 0 ? font.pointSize() : spec.size;
    spec.style = styleOf(font);
}

} // namespace

OptionsFontPage::OptionsFontPage(KindFonts& fonts, CustomFontList& customFonts,
                                 StoreCustomFonts store, QWidget* parent)
    : QWidget(parent), m_fonts(fonts), m_customFonts(customFonts), m_store(std::move(store))
{
    chooseFont = [this](const QFont& start, bool fixedPitchOnly) -> std::optional<QFont> {
        bool ok = false;
        const QFont chosen =
            QFontDialog::getFont(&ok, start, this, QString(),
                                 fixedPitchOnly ? QFontDialog::MonospacedFonts
                                                : QFontDialog::FontDialogOptions());
        return ok ? std::optional<QFont>(chosen) : std::nullopt;
    };
    chooseColor = [this](const QColor& start) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(start, this);
        return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
    };
    askKey = [this]() -> std::optional<QString> {
        bool ok = false;
        const QString answer = QInputDialog::getText(
            this, QStringLiteral("Custom Font Entry"),
            QStringLiteral("Please enter a channel number (enclosed in parenthesis) or a "
                           "player handle:"),
            QLineEdit::Normal, QString(), &ok);
        return ok ? std::optional<QString>(answer) : std::nullopt;
    };

    lstKinds = new QListWidget(this);
    for (const char* name : KindNames)
        lstKinds->addItem(QString::fromLatin1(name));
    lstCustom = new QListWidget(this);
    lblSample = new QLabel(SampleText, this);
    lblSample->setAutoFillBackground(true);
    lblSample->setMinimumHeight(48);
    btnChange = new QPushButton(QStringLiteral("Change"), this);
    btnKindColor = new QPushButton(QStringLiteral("Color"), this);
    btnSetAll = new QPushButton(QStringLiteral("Set All"), this);
    btnAdd = new QPushButton(QStringLiteral("Add"), this);
    btnDelete = new QPushButton(QStringLiteral("Delete"), this);
    btnCustomFont = new QPushButton(QStringLiteral("Font"), this);
    btnCustomColor = new QPushButton(QStringLiteral("Color"), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Fonts"), this), 0, 0, 1, 3);
    grid->addWidget(lstKinds, 1, 0, 1, 3);
    grid->addWidget(btnChange, 2, 0);
    grid->addWidget(btnKindColor, 2, 1);
    grid->addWidget(btnSetAll, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("Customized Channels and Users"), this), 0, 3, 1, 4);
    grid->addWidget(lstCustom, 1, 3, 1, 4);
    grid->addWidget(btnAdd, 2, 3);
    grid->addWidget(btnDelete, 2, 4);
    grid->addWidget(btnCustomFont, 2, 5);
    grid->addWidget(btnCustomColor, 2, 6);
    grid->addWidget(lblSample, 3, 0, 1, 7);

    connect(lstKinds, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showSample(m_fonts[TextKind(row)]);
    });
    connect(lstCustom, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < m_customFonts.entries().size())
            showSample(m_customFonts.entries().at(row).font);
    });
    connect(btnChange, &QPushButton::clicked, this, &OptionsFontPage::changeKindFont);
    connect(btnKindColor, &QPushButton::clicked, this, &OptionsFontPage::changeKindColor);
    connect(btnSetAll, &QPushButton::clicked, this, &OptionsFontPage::setAllKinds);
    connect(btnAdd, &QPushButton::clicked, this, &OptionsFontPage::addCustom);
    connect(btnDelete, &QPushButton::clicked, this, &OptionsFontPage::deleteCustom);
    connect(btnCustomFont, &QPushButton::clicked, this, &OptionsFontPage::changeCustomFont);
    connect(btnCustomColor, &QPushButton::clicked, this, &OptionsFontPage::changeCustomColor);

    fillCustomList(-1);
    lstKinds->setCurrentRow(int(TextKind::Normal));
}

void OptionsFontPage::setSampleBackground(const QColor& color)
{
    QPalette colors = lblSample->palette();
    colors.setColor(QPalette::Window, color);
    lblSample->setPalette(colors);
}

void OptionsFontPage::showSample(const FontSpec& font)
{
    lblSample->setFont(FontSpecConversion::toFont(font));
    QPalette colors = lblSample->palette();
    colors.setColor(QPalette::WindowText, FontSpecConversion::toColor(font.color));
    lblSample->setPalette(colors);
}

void OptionsFontPage::fillCustomList(int select)
{
    const QSignalBlocker quiet(lstCustom);
    lstCustom->clear();
    for (const CustomFontList::Entry& entry : m_customFonts.entries())
        lstCustom->addItem(entry.key);
    if (select >= 0) {
        lstCustom->setCurrentRow(select);
        showSample(m_customFonts.entries().at(select).font);
    }
}

FontSpec& OptionsFontPage::selectedKind()
{
    return m_fonts[TextKind(std::max(0, lstKinds->currentRow()))];
}

int OptionsFontPage::selectedCustomRow()
{
    const int row = lstCustom->currentRow();
    if (row < 0 || row >= m_customFonts.entries().size()) {
        QMessageBox::information(this, windowTitle(), SelectFirstMessage);
        return -1;
    }
    return row;
}

void OptionsFontPage::changeKindFont()
{
    if (const std::optional<QFont> font = chooseFont(lblSample->font(), true)) {
        takeFont(selectedKind(), *font);
        showSample(selectedKind());
    }
}

void OptionsFontPage::changeKindColor()
{
    const QColor start = lblSample->palette().color(QPalette::WindowText);
    if (const std::optional<QColor> color = chooseColor(start)) {
        selectedKind().color = FontSpecConversion::fromColor(*color);
        showSample(selectedKind());
    }
}

void OptionsFontPage::setAllKinds()
{
    const FontSpec chosen = selectedKind();
    for (int kind = 0; kind < TextKindCount; ++kind)
        m_fonts[TextKind(kind)] = chosen;
}

void OptionsFontPage::addCustom()
{
    const std::optional<QString> answer = askKey();
    if (!answer)
        return;
    const qsizetype added = m_customFonts.addEntry(*answer, m_fonts[TextKind::Normal]);
    if (added < 0)
        return;
    m_store();
    fillCustomList(int(added));
}

void OptionsFontPage::deleteCustom()
{
    const int row = selectedCustomRow();
    if (row < 0)
        return;
    if (!m_customFonts.canDelete(row)) {
        QMessageBox::information(this, windowTitle(), ProtectedMessage);
        return;
    }
    m_customFonts.removeAt(row);
    m_store();
    fillCustomList(0);
}

void OptionsFontPage::changeCustomFont()
{
    const int row = selectedCustomRow();
    if (row < 0)
        return;
    FontSpec entry = m_customFonts.entries().at(row).font;
    if (const std::optional<QFont> font = chooseFont(FontSpecConversion::toFont(entry), false)) {
        takeFont(entry, *font);
        changeCustom(row, entry);
    }
}

void OptionsFontPage::changeCustomColor()
{
    const int row = selectedCustomRow();
    if (row < 0)
        return;
    FontSpec entry = m_customFonts.entries().at(row).font;
    if (const std::optional<QColor> color = chooseColor(FontSpecConversion::toColor(entry.color))) {
        entry.color = FontSpecConversion::fromColor(*color);
        changeCustom(row, entry);
    }
}

void OptionsFontPage::changeCustom(int row, const FontSpec& font)
{
    m_customFonts.setFont(row, font);
    m_store();
    showSample(font);
}
