#pragma once

#include "lists/SeekGraphGeometry.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

// "Sought Options": the rating range of the seek graph and the choice between
// the graph and the text view of the seek list.
class TfrmSoughtOptions : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSoughtOptions(QWidget* parent = nullptr);

    void setValues(const SeekGraphGeometry::RatingRange& range, bool graphView);
    // The range as typed, read as whole numbers (their leading digits) and clamped.
    SeekGraphGeometry::RatingRange range() const;
    bool graphView() const;

    QLineEdit* edFrom;
    QLineEdit* edTo;
    QRadioButton* rbGraph;
    QRadioButton* rbText;
};
