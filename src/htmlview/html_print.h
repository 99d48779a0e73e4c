#pragma once
// Printing a generated HTML page: on the default printer when the system has
// one, all pages; otherwise the page is written as a PDF file into the
// learner's documents folder and a message says where, so that printing
// never silently does nothing.
#include <optional>
#include <string>

namespace lumora {

// Lays the page out on A4 and writes it as a PDF file; the reason when it
// cannot.
std::optional<std::string> WritePagePdf(const std::string& html, const std::string& path);

// Prints the page; `name` names the PDF file written instead: "<name>.pdf",
// or "<name> (2).pdf" and so on when that name is taken.
void PrintHtmlPage(const std::string& html, const std::string& name);

// The documents folder: XDG's documents folder when it exists, else home.
std::string DocumentsFolder();

// Where PrintHtmlPage sends the page: the default printer when there is one,
// or a PDF file in the documents folder. Tests send it to a folder of their
// own with no printer; nothing restores the normal choice.
struct PrintDestination {
    bool printer = false;
    std::string pdfFolder;
};
void SetPrintDestination(std::optional<PrintDestination> destination);

} // namespace lumora
