#pragma once

#include <QString>

// A name typed or pasted by the operator (a customer, a brand, a product class ...) as it is
// checked and stored: line breaks dropped (a pasted line break would split the name in every list
// and printout), tabs as blanks, surrounding blanks trimmed.
QString NameText(const QString& typed);
