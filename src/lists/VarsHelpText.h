#pragma once

#include <QString>

// Help for the server variables, our own short texts: one section per marker,
// the marker line ("<<TIME>>,time"), the help lines, then "<<END>>".
namespace VarsHelpText {

const QString& sections();

} // namespace VarsHelpText
