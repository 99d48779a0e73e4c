#include "html_page.h"

#include "platform/path_resolver.h"
#include "platform/text_file.h"

#include <QImage>
#include <QRegularExpression>
#include <QUrl>

namespace lumora {
namespace {

// The word pictures print at the size they have on the screen.
constexpr int kPrintWidth = 160;
constexpr int kPrintHeight = 190;

const QRegularExpression& LinkTag() {
    static const QRegularExpression link(R"re(<LINK\b[^>]*>)re",
                                         QRegularExpression::CaseInsensitiveOption);
    return link;
}

} // namespace

std::string StyleSheetOf(const std::string& html) {
    static const QRegularExpression href(R"re(\bHREF\s*=\s*"([^"]*)")re",
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch link = LinkTag().match(QString::fromStdString(html));
    if (!link.hasMatch()) {
        return {};
    }
    const QRegularExpressionMatch match = href.match(link.captured(0));
    return match.hasMatch() ? match.captured(1).toStdString() : std::string();
}

std::string ResolvePagePath(const std::string& path) {
    const std::string slashed = ToSlashes(path);
    return slashed.starts_with('/') ? ResolvePath("/", slashed) : ResolvePath("./", slashed);
}

HtmlPageDocument::HtmlPageDocument(const std::string& html) {
    const std::string sheet = StyleSheetOf(html);
    if (!sheet.empty()) {
        if (const auto css = ReadFileBytes(ResolvePagePath(sheet))) {
            setDefaultStyleSheet(
                QString::fromUtf8(css->data(), static_cast<qsizetype>(css->size())));
        }
    }
    // The sheet is applied as the document's own; a LINK left in the page
    // would end its body before the table.
    setHtml(QString::fromStdString(html).remove(LinkTag()));
}

QVariant HtmlPageDocument::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource) {
        return QTextDocument::loadResource(type, name);
    }
    // "\\" in a source arrives percent-encoded.
    const std::string source = QUrl::fromPercentEncoding(name.toEncoded()).toStdString();
    // Layout asks for a picture more than once; each file is read once.
    auto [at, added] = pictures_.try_emplace(source);
    if (added) {
        const QImage image(QString::fromStdString(ResolvePagePath(source)));
        if (image.isNull()) {
            missing_.push_back(source);
        } else {
            ++loaded_;
            at->second = image.scaled(kPrintWidth, kPrintHeight, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
        }
    }
    if (at->second.isNull()) {
        return {};
    }
    return at->second;
}

} // namespace lumora
