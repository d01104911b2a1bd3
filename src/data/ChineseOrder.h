#pragma once

#include <string_view>

// Chinese order of names (the "chinese" collation of every connection): the texts compared as
// encoded in the Chinese code page GB18030, where the common characters stand in pinyin order,
// byte by byte, with ASCII letters folded to lower case; a text that is the beginning of another
// comes first. Takes UTF-8; returns <0, 0 or >0.
int CompareChinese(std::string_view a, std::string_view b);
