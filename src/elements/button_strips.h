#pragma once
// The shared picture list of the image buttons, MyImageList1, and the 24
// "btn\" strips it holds; a button's BitmapNormal is an index into it.
#include "image_list.h"

#include <array>
#include <string>

namespace lumora {

inline constexpr std::array<const char*, 24> kButtonStripFiles = {
    "btn\\cw_sprawdz.bmp",
    "btn\\cw_jeszcze_raz.bmp",
    "btn\\cw_koniec.bmp",
    "btn\\cw_pomoc.bmp",
    "btn\\ok.bmp",
    "btn\\anuluj.bmp",
    "btn\\nowy_user.bmp",
    "btn\\op_dol.bmp",
    "btn\\op_gora.bmp",
    "btn\\mikrofonik.bmp",
    "btn\\glosniczek.bmp",
    "btn\\cw_glosnik.bmp",
    "btn\\strz_up.bmp",
    "btn\\strz_dn.bmp",
    "btn\\nast.bmp",
    "btn\\cw_yes.bmp",
    "btn\\cw_no.bmp",
    "btn\\play.bmp",
    "btn\\stop.bmp",
    "btn\\pause.bmp",
    "btn\\cw_polecenie.bmp",
    "btn\\cw_drukuj.bmp",
    "btn\\cw_czytaj_all.bmp",
    "btn\\cw_slownik.bmp",
};

// The strips of the help button and the play button, which help texts show
// inline.
inline constexpr int kHelpButtonStrip = 3;
inline constexpr int kPlayButtonStrip = 17;

// The program's list, filled once when the media holder is created.
TMyImageList& MyImageList1();

// The folder the strips are read from: the working directory when it holds a
// "btn" folder, as a program started from its course folder finds them;
// otherwise dataRoot, so a program started from elsewhere (a desktop menu
// starts it in the home folder) still has its buttons. Ends in '/'.
std::string ButtonStripFolder(const std::string& dataRoot);

// Adds the 24 strips, two frames each at the default position (0, 0), in
// order. The first strip that cannot be loaded stops the filling with its
// message shown; the strips before it stay. False when that happened.
bool LoadButtonStrips(TMyImageList& list, const std::string& dataRoot);

} // namespace lumora
