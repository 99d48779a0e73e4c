#pragma once
// The question mark that stands under a picture of the typing drill until
// its word is typed.
#include <QImage>

namespace lumora {

QImage QuestionMarkArt();

} // namespace lumora
