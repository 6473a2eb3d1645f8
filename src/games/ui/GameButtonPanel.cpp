#include "games/ui/GameButtonPanel.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QVariant>
#include <span>

namespace {

struct TaggedButton
{
    const char* caption;
    int tag;
    const char* hint;
};

constexpr TaggedButton PlayingButtons[] = {
    {"Draw", 3, "Offer or accept a draw"},   {"Resign", 4, "Resign the game"},
    {"Abort", 5, "Offer or accept an abort"}, {"Flag", 6, "Claim a win on time"},
    {"Accept", 9, "Accept an offer"},         {"Decline", 12, "Decline an offer"},
    {"Hello", 21, ""},                        {"Bye", 10, ""},
    {"Back", 22, "Review the previous move"}, {"Forward", 24, "Review the next move"},
    {"Revert", 23, "Back to the latest move"}, {"Flip", 18, "Turn the board"},
    {"Promote", 20, "Choose the promotion piece"}, {"Observers", 11, "List the observers"},
};

constexpr TaggedButton ExaminingButtons[] = {
    {"Back", 15, "Back one move"},          {"Forward", 16, "Forward one move"},
    {"Forward", 17, "Forward four moves"},  {"Un-Ex", 14, "Stop examining"},
    {"Accept", 9, "Accept an offer"},       {"Decline", 12, "Decline an offer"},
    {"Flip", 18, "Turn the board"},         {"Promote", 20, "Choose the promotion piece"},
    {"Observers", 11, "List the observers"},
};

constexpr TaggedButton ObservingButtons[] = {
    {"Un-Ob", 13, "Stop observing"},         {"Back", 22, "Review the previous move"},
    {"Forward", 24, "Review the next move"}, {"Revert", 23, "Back to the latest move"},
    {"Accept", 9, "Accept an offer"},        {"Decline", 12, "Decline an offer"},
    {"Flip", 18, "Turn the board"},          {"Promote", 20, "Choose the promotion piece"},
    {"Observers", 11, "List the observers"},
};

std::span<const TaggedButton> buttonsOf(ButtonPanel kind)
{
    switch (kind) {
    case ButtonPanel::Playing:
        return PlayingButtons;
    case ButtonPanel::Examining:
        return ExaminingButtons;
    case ButtonPanel::Observing:
        break;
    }
    return ObservingButtons;
}

const char* objectNameOf(ButtonPanel kind)
{
    switch (kind) {
    case ButtonPanel::Playing:
        return "pnlPlaying";
    case ButtonPanel::Examining:
        return "pnlExamining";
    case ButtonPanel::Observing:
        break;
    }
    return "pnlObserving";
}

} // namespace

GameButtonPanel::GameButtonPanel(ButtonPanel kind, Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), m_kind(kind)
{
    setObjectName(QLatin1String(objectNameOf(kind)));
    m_layout = new QBoxLayout(
        orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    m_layout->setContentsMargins(1, 1, 1, 1);
    m_layout->setSpacing(1);
    for (const TaggedButton& entry : buttonsOf(kind)) {
        auto* button = new QPushButton(QLatin1String(entry.caption), this);
        button->setProperty("tag", entry.tag);
        button->setToolTip(QLatin1String(entry.hint));
        button->setFocusPolicy(Qt::NoFocus);
        m_layout->addWidget(button);
        connect(button, &QPushButton::clicked, this,
                [this, tag = entry.tag] { Q_EMIT tagClicked(tag); });
    }
    m_layout->addStretch(1);
}

QPushButton* GameButtonPanel::buttonWithTag(int tag) const
{
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->property("tag").toInt() == tag)
            return button;
    }
    return nullptr;
}
