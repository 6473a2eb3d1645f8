#include "lists/ui/TfrmStored.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

TfrmStored::TfrmStored(CommandSender& commands, QWidget* parent)
    : TfrmGameList(GameListKind::Stored, QStringLiteral("lstStored"), commands, parent),
      laAdj(new QLabel(QStringLiteral("message adjudicate  White Black"))),
      edAdj(new QLineEdit(QStringLiteral("DESIRED_RESULT your messages to adjudicate here")))
{
    using Button = GameListCommands::Button;
    setObjectName(QStringLiteral("frmStored"));
    resize(760, 480);
    addButton(Button::Resign, QStringLiteral("btResign"), QStringLiteral("Resign"));
    addButton(Button::OfferDraw, QStringLiteral("btDraw"), QStringLiteral("Offer Draw"));
    addButton(Button::OfferAbort, QStringLiteral("btAbort"), QStringLiteral("Offer Abort"));
    laAdj->setObjectName(QStringLiteral("laAdj"));
    edAdj->setObjectName(QStringLiteral("edAdj"));
    extraRow()->addWidget(laAdj);
    extraRow()->addWidget(edAdj, 1);
    addButton(extraRow(), Button::Adjudicate, QStringLiteral("btAdj"),
              QStringLiteral("Adjudicate"));
}

void TfrmStored::fillExtra(GameListCommands::Extra& extra) const
{
    extra.adjudicateLabel = laAdj->text();
    extra.adjudicateText = edAdj->text();
}

void TfrmStored::rowChosen(int row)
{
    laAdj->setText(state().adjudicateLabel(row));
}
