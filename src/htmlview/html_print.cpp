#include "html_print.h"

#include "html_page.h"
#include "platform/message_box.h"
#include "platform/path_resolver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace lumora {
namespace {

std::optional<PrintDestination>& ChosenDestination() {
    static std::optional<PrintDestination> destination;
    return destination;
}

PrintDestination Destination() {
    if (ChosenDestination()) {
        return *ChosenDestination();
    }
    return {!QPrinterInfo::defaultPrinter().isNull(), DocumentsFolder()};
}

const QMarginsF kMargins{15, 15, 15, 15}; // millimetres

// A file name without the characters a file system may refuse.
std::string SafeFileName(const std::string& name) {
    std::string safe;
    for (char c : name) {
        safe += (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' ||
                 c == '<' || c == '>' || c == '|')
                    ? '_'
                    : c;
    }
    return safe.empty() ? std::string("lista") : safe;
}

// Claims the first name in `folder` that no file has yet ("dom.pdf",
// "dom (2).pdf", ...) by creating it empty, so the list never replaces a
// learner's own file of that name, even one made while we look.
std::optional<std::string> ClaimFreePdfName(const std::string& folder, const std::string& name) {
    constexpr int kMostTries = 1000;
    for (int n = 1; n <= kMostTries; ++n) {
        const std::string suffix = n == 1 ? "" : " (" + std::to_string(n) + ")";
        const std::string path = WithTrailingSlash(folder) + name + suffix + ".pdf";
        QFile file(QString::fromStdString(path));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return path;
        }
        if (!file.exists()) {
            return std::nullopt; // the folder refuses new files
        }
    }
    return std::nullopt;
}

} // namespace

std::string DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) {
        return documents.toStdString();
    }
    return QDir::homePath().toStdString();
}

void SetPrintDestination(std::optional<PrintDestination> destination) {
    ChosenDestination() = std::move(destination);
}

std::optional<std::string> WritePagePdf(const std::string& html, const std::string& path) {
    QPdfWriter writer(QString::fromStdString(path));
    if (!writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMargins,
                                          QPageLayout::Millimeter))) {
        return "cannot lay out an A4 page";
    }
    writer.setResolution(150);
    writer.setCreator("Lumora");
    HtmlPageDocument document(html);
    document.print(&writer);
    if (QFileInfo(QString::fromStdString(path)).size() == 0) {
        return "cannot write " + path;
    }
    return std::nullopt;
}

void PrintHtmlPage(const std::string& html, const std::string& name) {
    const PrintDestination destination = Destination();
    if (destination.printer) {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer.setPageMargins(kMargins, QPageLayout::Millimeter);
        printer.setPrintRange(QPrinter::AllPages);
        HtmlPageDocument document(html);
        document.print(&printer);
        return;
    }
    const std::string safeName = SafeFileName(name);
    const auto path = ClaimFreePdfName(destination.pdfFolder, safeName);
    if (!path) {
        ShowMessage("Nie można zapisać listy słówek: cannot write " +
                    WithTrailingSlash(destination.pdfFolder) + safeName + ".pdf");
        return;
    }
    if (const auto fault = WritePagePdf(html, *path)) {
        QFile::remove(QString::fromStdString(*path));
        ShowMessage("Nie można zapisać listy słówek: " + *fault);
        return;
    }
    ShowMessage("Nie znaleziono drukarki. Listę słówek zapisano w pliku:\n" + *path);
}

} // namespace lumora
