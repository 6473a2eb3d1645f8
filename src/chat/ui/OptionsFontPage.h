#pragma once

#include <QWidget>

#include <functional>
#include <optional>

class CustomFontList;
class KindFonts;
class QColor;
class QFont;
class QLabel;
class QListWidget;
class QPushButton;
struct FontSpec;

// The options dialog's "&Font" page: the thirteen kind fonts and the custom
// fonts. Its changes act on the live fonts at once; the custom list is stored
// after each change.
class OptionsFontPage : public QWidget
{
    Q_OBJECT

public:
    using StoreCustomFonts = std::function<void()>;

    static inline const QString SampleText =
        QStringLiteral("The quick brown fox jumped over the lazy rabbit.");
    static inline const QString SelectFirstMessage =
        QStringLiteral("Please select an entry in the custom fonts list before pressing \r\nthis "
                       "button.");
    static inline const QString ProtectedMessage =
        QStringLiteral("You cannot delete this entry. Its a system defined entry. However, you "
                       "may change its font and color.");

    OptionsFontPage(KindFonts& fonts, CustomFontList& customFonts, StoreCustomFonts store,
                    QWidget* parent = nullptr);

    QListWidget* lstKinds = nullptr;
    QListWidget* lstCustom = nullptr;
    QLabel* lblSample = nullptr;
    QPushButton* btnChange = nullptr;
    QPushButton* btnKindColor = nullptr;
    QPushButton* btnSetAll = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnCustomFont = nullptr;
    QPushButton* btnCustomColor = nullptr;

    void setSampleBackground(const QColor& color);

    // The dialogs' answers; tests put their own in place.
    std::function<std::optional<QFont>(const QFont& start, bool fixedPitchOnly)> chooseFont;
    std::function<std::optional<QColor>(const QColor& start)> chooseColor;
    std::function<std::optional<QString>()> askKey;

    void addCustom();
    void deleteCustom();
    void changeCustomFont();
    void changeCustomColor();
    void changeKindFont();
    void changeKindColor();
    void setAllKinds();

private:
    void showSample(const FontSpec& font);
    void fillCustomList(int select);
    // The selected custom entry; -1, with a message, when none is selected.
    int selectedCustomRow();
    void changeCustom(int row, const FontSpec& font);
    FontSpec& selectedKind();

    KindFonts& m_fonts;
    CustomFontList& m_customFonts;
    StoreCustomFonts m_store;
};
