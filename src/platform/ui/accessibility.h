#pragma once
// What screen readers (Orca over AT-SPI) learn of the screens, through Qt's
// accessibility interface: every form is a window named by its role on the
// stage ("Logowanie"), every control a button, link, text or list named in
// Polish, the painted items of a KeyboardGrid children of their control, and
// the moves of the focus among them. Decorations (background pictures, empty
// click-less labels, the focus ring) are left out.
#include <functional>
#include <string>

class QAccessibleEvent;
class QWidget;

namespace lumora {

class KeyboardGrid;

// Installs the interfaces (once; later calls do nothing). Every Form calls it.
void InstallAccessibility();

// Drops the interface a widget was given before these were installed (the
// backdrop's window is made before the stage), so the next look-up makes ours.
void RenewAccessibleInterface(QWidget& widget);

// The name a screen reader gives a widget: its accessible name, else a
// label's caption, else its hint; "" when it has none.
std::string AccessibleNameOf(const QWidget& widget);

// The widget has the focus now: screen readers hear it (its grid's current
// item for a grid) when Qt does not tell them itself (fromProgram).
void AnnounceFocus(QWidget& widget, bool fromProgram);

// A grid's items changed in number or names.
void ItemsChanged(KeyboardGrid& grid);
// The grid's current item has the focus now.
void AnnounceCurrentItem(KeyboardGrid& grid);
// Where the announcements below go: to Qt's accessibility (and so to screen
// readers, when one is listening) unless a listener is set; tests set one, as
// the offscreen platform has no screen reader. Returns the one before.
using AnnouncementListener = std::function<void(QAccessibleEvent& event)>;
AnnouncementListener ListenToAnnouncements(AnnouncementListener listener);

// Makes text the widget's accessible description and tells screen readers,
// which read it out (a result, a message).
void Announce(QWidget& widget, const std::string& text);

} // namespace lumora
