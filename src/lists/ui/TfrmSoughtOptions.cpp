#include "lists/ui/TfrmSoughtOptions.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The leading digits of a typed number; 0 when there are none.
int leadingNumber(const QString& text)
{
    qint64 value = 0;
    for (QChar c : text.trimmed()) {
        if (!c.isDigit() || c.unicode() > 127)
            break;
        value = std::min<qint64>(value * 10 + c.digitValue(), 1'000'000);
    }
    return int(value);
}

} // namespace

TfrmSoughtOptions::TfrmSoughtOptions(QWidget* parent)
    : QDialog(parent), edFrom(new QLineEdit), edTo(new QLineEdit),
      rbGraph(new QRadioButton(QStringLiteral("Graph"))),
      rbText(new QRadioButton(QStringLiteral("Text")))
{
    setObjectName(QStringLiteral("frmSoughtOptions"));
    setWindowTitle(QStringLiteral("Sought Options"));
    edFrom->setObjectName(QStringLiteral("edFrom"));
    edTo->setObjectName(QStringLiteral("edTo"));
    auto* range = new QGroupBox(QStringLiteral("Sought Graph Rating Range"));
    auto* rangeFields = new QFormLayout(range);
    rangeFields->addRow(QStringLiteral("From"), edFrom);
    rangeFields->addRow(QStringLiteral("To"), edTo);
    auto* type = new QGroupBox(QStringLiteral("Sought Type"));
    auto* typeChoices = new QVBoxLayout(type);
    typeChoices->addWidget(rbGraph);
    typeChoices->addWidget(rbText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(range);
    column->addWidget(type);
    column->addWidget(buttons);
}

void TfrmSoughtOptions::setValues(const SeekGraphGeometry::RatingRange& range, bool graphView)
{
    edFrom->setText(QString::number(range.min));
    edTo->setText(QString::number(range.max));
    rbGraph->setChecked(graphView);
    rbText->setChecked(!graphView);
}

SeekGraphGeometry::RatingRange TfrmSoughtOptions::range() const
{
    return SeekGraphGeometry::RatingRange::clamped(leadingNumber(edFrom->text()),
                                                   leadingNumber(edTo->text()));
}

bool TfrmSoughtOptions::graphView() const
{
    return rbGraph->isChecked();
}
