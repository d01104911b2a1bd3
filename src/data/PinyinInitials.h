#pragma once

#include <QString>

// The pinyin initials of a text, one lower-case letter per Chinese character ("空调" -> "kt",
// "长弘" -> "ch"), so that a list can be searched by the first letters of a name. Latin letters
// come out in lower case; digits and every other character stay as they are. A character read
// two ways takes the reading it usually has in the names of goods, brands, places and people.
QString PinyinInitials(const QString& text);
