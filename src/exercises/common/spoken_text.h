#pragma once
// The text of a course item as a screen reader should read it: without the
// markup the painters act on ("<B>", "<I>", "<BR>" ...), a line break read as
// a blank, blanks run together.
#include <string>

namespace lumora {

std::string SpokenText(const std::string& marked);

} // namespace lumora
