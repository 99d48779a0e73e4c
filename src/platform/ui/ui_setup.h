#pragma once
// What the user interface sets up once, after the QApplication exists and
// before the first screen is created.
namespace lumora {

// The application title "Lumora!", the font substitutions, the hint colour
// and pause, and message boxes for ShowMessage.
void SetUpUserInterface();

} // namespace lumora
