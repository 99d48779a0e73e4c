#pragma once
// Shows the program's messages (lumora::ShowMessage) in a message box.
namespace lumora {

// Installs the message box as the handler of ShowMessage.
void InstallMessageBoxHandler();

} // namespace lumora
