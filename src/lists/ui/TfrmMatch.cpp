#include "lists/ui/TfrmMatch.h"

#include "widgets/ControlHint.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

template<std::size_t N>
QGroupBox* choiceGroup(const QString& title, const std::array<const char*, N>& captions,
                       std::array<QRadioButton*, N>& buttons, QButtonGroup* group,
                       QBoxLayout* row)
{
    auto* box = new QGroupBox(title);
    box->setLayout(row);
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = new QRadioButton(QLatin1String(captions[i]));
        group->addButton(buttons[i], int(i));
        row->addWidget(buttons[i]);
    }
    return box;
}

QSpinBox* timeField(const QString& name, const QString& text)
{
    auto* field = new QSpinBox;
    field->setObjectName(name);
    field->setRange(0, MatchProfile::MaxMinutes);
    ControlHint::apply(field, text);
    return field;
}

} // namespace

TfrmMatch::TfrmMatch(QWidget* parent)
    : QDialog(parent), txtWild(new QLineEdit(QStringLiteral("Wild "))),
      spnTime(timeField(QStringLiteral("spnTime"),
                        QStringLiteral("Enter the base time in minutes for the game."))),
      spnInc(timeField(QStringLiteral("spnInc"),
                       QStringLiteral("Enter the number of seconds to be added each move."))),
      txtAdditional(new QLineEdit), btnOK(new QPushButton(QStringLiteral("OK"))),
      btnCancel(new QPushButton(QStringLiteral("Cancel"))),
      btnRename(new QPushButton(QStringLiteral("Rename"))), tabMatch(new QTabBar),
      m_type(new QButtonGroup(this)), m_rated(new QButtonGroup(this)),
      m_color(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("frmMatch"));
    txtWild->setObjectName(QStringLiteral("txtWild"));
    ControlHint::apply(txtWild, QStringLiteral("Enter the type of game, for example Wild 5."));
    txtAdditional->setObjectName(QStringLiteral("txtAdditional"));
    ControlHint::apply(txtAdditional, QStringLiteral("Enter additional settings, for example Private."));

    auto* typeRow = new QHBoxLayout;
    rgpType = choiceGroup(QStringLiteral("Type"),
                          std::array<const char*, 4>{"&Standard", "Sui&cide", "Bug&house", "&Other:"},
                          typeChoices, m_type, typeRow);
    rgpType->setObjectName(QStringLiteral("rgpType"));
    ControlHint::apply(rgpType, QStringLiteral("Select the type of game to request."));
    typeRow->addWidget(txtWild);
    QGroupBox* rated = choiceGroup(QStringLiteral("Rated"),
                                   std::array<const char*, 2>{"&Rated", "&Unrated"}, ratedChoices,
                                   m_rated, new QVBoxLayout);
    QGroupBox* color = choiceGroup(QStringLiteral("Color"),
                                   std::array<const char*, 3>{"Ra&ndom", "&White", "&Black"},
                                   colorChoices, m_color, new QVBoxLayout);
    ControlHint::apply(color, QStringLiteral("Select the color you wish to request."));

    auto* times = new QGroupBox(QStringLiteral("Time Controls"));
    auto* timeGrid = new QGridLayout(times);
    auto* timeLabel = new QLabel(QStringLiteral("&Time"));
    timeLabel->setBuddy(spnTime);
    auto* incLabel = new QLabel(QStringLiteral("&Increment"));
    incLabel->setBuddy(spnInc);
    timeGrid->addWidget(timeLabel, 0, 0);
    timeGrid->addWidget(spnTime, 0, 1);
    timeGrid->addWidget(incLabel, 1, 0);
    timeGrid->addWidget(spnInc, 1, 1);

    auto* additional = new QGroupBox(QStringLiteral("Additional"));
    (new QVBoxLayout(additional))->addWidget(txtAdditional);

    btnOK->setObjectName(QStringLiteral("btnOK"));
    ControlHint::apply(btnOK, QStringLiteral("Submit request using current options."));
    btnOK->setDefault(true);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    ControlHint::apply(btnCancel, QStringLiteral("Cancel request."));
    btnRename->setObjectName(QStringLiteral("btnRename"));
    ControlHint::apply(btnRename, QStringLiteral("Changes the name of the current tab."));
    tabMatch->setObjectName(QStringLiteral("tabMatch"));
    tabMatch->setShape(QTabBar::RoundedSouth);
    tabMatch->setExpanding(false);

    auto* middle = new QHBoxLayout;
    middle->addWidget(rated);
    middle->addWidget(times);
    middle->addWidget(color);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnRename);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(rgpType);
    column->addLayout(middle);
    column->addWidget(additional);
    column->addLayout(buttons);
    column->addWidget(tabMatch);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnRename, &QPushButton::clicked, this, &TfrmMatch::rename);
    connect(tabMatch, &QTabBar::currentChanged, this, &TfrmMatch::tabSelected);
    connect(m_type, &QButtonGroup::idClicked, this, &TfrmMatch::typeChosen);
    for (QSpinBox* field : {spnTime, spnInc}) {
        connect(field, &QSpinBox::textChanged, this, &TfrmMatch::timeFieldChanged);
        field->installEventFilter(this);
    }
    connect(this, &TfrmMatch::typingRefused, this, &QApplication::beep);
}

bool TfrmMatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || (watched != spnTime && watched != spnInc))
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Shortcuts and editing keys pass; only what would be typed is judged.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    for (QChar typed : key->text()) {
        if (MatchTiming::refusesTyped(typed)) {
            Q_EMIT typingRefused();
            return true;
        }
    }
    return false;
}

void TfrmMatch::loadProfiles()
{
    const QSignalBlocker blocker(tabMatch);
    for (int i = 0; i < MatchProfile::Count; ++i) {
        m_profiles[i].load(m_file, i);
        tabMatch->addTab(m_profiles[i].name);
    }
    tabMatch->setCurrentIndex(0);
    m_current = 0;
    m_loaded = true;
    showProfile(m_profiles[0]);
}

QString TfrmMatch::Run(const QString& caption)
{
    if (!m_loaded)
        loadProfiles();
    setWindowTitle(caption);
    const bool accepted = exec() == QDialog::Accepted;
    storeControls(m_profiles[m_current]);
    if (!accepted)
        return {};
    return m_profiles[m_current].optionsText(txtWild->text());
}

void TfrmMatch::saveProfiles()
{
    if (!m_loaded)
        return;
    for (int i = 0; i < MatchProfile::Count; ++i)
        m_profiles[i].store(m_file, i);
}

void TfrmMatch::showProfile(const MatchProfile& profile)
{
    typeChoices[std::clamp(profile.type, 0, 3)]->setChecked(true);
    ratedChoices[std::clamp(profile.rated, 0, 1)]->setChecked(true);
    colorChoices[std::clamp(profile.color, 0, 2)]->setChecked(true);
    txtWild->setText(profile.wild.isEmpty() ? QStringLiteral("Wild ") : profile.wild);
    txtAdditional->setText(profile.additional);
    spnTime->setValue(profile.time);
    spnInc->setValue(profile.inc);
    typeChosen();
    timeFieldChanged();
}

void TfrmMatch::storeControls(MatchProfile& profile) const
{
    profile.type = m_type->checkedId();
    profile.rated = m_rated->checkedId();
    profile.color = m_color->checkedId();
    profile.wild = txtWild->text();
    profile.additional = txtAdditional->text();
    profile.time = spnTime->value();
    profile.inc = spnInc->value();
}

void TfrmMatch::tabSelected(int index)
{
    if (!m_loaded || index < 0 || index >= MatchProfile::Count)
        return;
    storeControls(m_profiles[m_current]);
    m_current = index;
    showProfile(m_profiles[index]);
}

void TfrmMatch::rename()
{
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, QStringLiteral("Rename Profile"),
                              QStringLiteral("New profile name:"), QLineEdit::Normal,
                              m_profiles[m_current].name, &ok);
    if (!ok)
        return;
    m_profiles[m_current].name = name;
    tabMatch->setTabText(m_current, name);
}

void TfrmMatch::typeChosen()
{
    txtWild->setEnabled(m_type->checkedId() == MatchProfile::Other);
}

void TfrmMatch::timeFieldChanged()
{
    for (QSpinBox* field : {spnTime, spnInc}) {
        const MatchTiming::FieldReading reading = MatchTiming::readField(field->text());
        if (!reading.exact) {
            const QSignalBlocker blocker(field);
            field->setValue(reading.value);
            if (auto* edit = field->findChild<QLineEdit*>()) {
                edit->setText(QString::number(reading.value));
                edit->end(false);
            }
            return;
        }
    }
    typeChoices[0]->setText(MatchTiming::standardCaption(spnTime->value(), spnInc->value()));
}
