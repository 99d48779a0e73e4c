#pragma once
// A generated HTML page as a document ready to lay out and print: the style
// sheet its LINK line names is applied, and its IMG pictures are loaded,
// both found as course files (letter case ignored, "\" as a separator), the
// pictures scaled to the size they print at.
#include <QImage>
#include <QTextDocument>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace lumora {

class HtmlPageDocument : public QTextDocument {
  public:
    explicit HtmlPageDocument(const std::string& html);

    // Picture sources that could not be loaded, as the page names them.
    const std::vector<std::string>& MissingPictures() const { return missing_; }
    // How many pictures were loaded.
    int LoadedPictures() const { return loaded_; }

  protected:
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    std::map<std::string, QImage> pictures_; // by source; null when missing
    std::vector<std::string> missing_;
    int loaded_ = 0;
};

// The HREF of the page's style sheet LINK, or an empty text.
std::string StyleSheetOf(const std::string& html);

// A path as a page names it, found on the file system.
std::string ResolvePagePath(const std::string& path);

} // namespace lumora
