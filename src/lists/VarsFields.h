#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The server variables the variables window shows, one field each, in the
// window's order. Names are matched with letter case as written ("Lang",
// "Formula").
namespace VarsFields {

enum class Kind {
    Index, // a choice list; the value is the position of the choice
    Text,  // an editable list of suggested values, or a plain edit
    Note,  // a plain edit: the formula and the notes f1 to f9
};

struct Field
{
    QString name;       // the server's variable name
    QString label;
    QString control;    // object name of the control
    Kind kind = Kind::Index;
    QStringList choices; // choices of an index field, suggestions of a text field
    QString helpMarker;  // empty: no help
    bool readOnly = false;
};

const QList<Field>& all();

// Position in all() of the named variable, or -1.
int indexOf(const QString& name);

// The order in which "Set Variables" sends changed fields.
const QStringList& sendOrder();

// The help text of a marker: the lines after the marker line (compared without
// regard to case) up to the next "<<END>>".
QString helpFor(const QString& marker);

} // namespace VarsFields
