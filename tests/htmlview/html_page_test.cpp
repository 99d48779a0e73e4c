// The word list page as the viewer lays it out and prints it: the style sheet
// and pictures found whatever their letter case and separators, three
// pictures with their words a row, and the PDF written when there is no
// printer.
#include "course/course_data.h"
#include "exercises/presentation/word_list_page.h"
#include "htmlview/html_page.h"
#include "htmlview/html_print.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "qt_test_app.h"
#include "temp_folder.h"

#include <QImage>
#include <QTextCursor>
#include <QTextTable>
#include <cstdio>

#include <gtest/gtest.h>

namespace lumora {
namespace {

class HtmlPageTest : public ::testing::Test {
  protected:
    HtmlPageTest() {
        test::TestApplication();
        course.DataRoot = folder.Path();
        lesson.CurrentTopic = "dom";
        folder.WriteBytes("Style.CSS", "td.tekst { font-weight: bold; color: #102030; }\n");
        folder.MakeFolder("Obrazki/Dom/SL");
        for (int n = 1; n <= 7; ++n) {
            DataRow row;
            row.EnglishText = "word" + std::to_string(n);
            row.PictureFile = "P" + std::to_string(n) + ".png";
            course.DataTable.push_back(row);
            QImage picture(32, 40, QImage::Format_RGB32);
            picture.fill(QColor(30 * n, 100, 200));
            picture.save(
                QString::fromStdString(folder / ("Obrazki/Dom/SL/p" + std::to_string(n) + ".PNG")));
        }
    }
    std::string Page() const {
        return JoinPage(WordListPage(course, lesson, {1, 2, 3, 4, 5, 6, 7}));
    }

    test::TempFolder folder;
    CourseData course;
    LessonState lesson;
};

QTextTable* FirstTable(QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame)) {
            return table;
        }
    }
    return nullptr;
}

TEST_F(HtmlPageTest, StyleSheetAndPicturesAreFoundAsCourseFiles) {
    EXPECT_EQ(StyleSheetOf(Page()), course.DataRoot + "style.css");
    HtmlPageDocument document(Page());
    document.size(); // lays out, loading the pictures
    EXPECT_EQ(document.LoadedPictures(), 7);
    EXPECT_TRUE(document.MissingPictures().empty());
    QTextTable* table = FirstTable(document);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(table->rows(), 3);
    // The fourth word starts the second row: its picture, a line break, the word.
    EXPECT_EQ(table->cellAt(1, 0).firstCursorPosition().block().text().trimmed(),
              QString(QChar::ObjectReplacementCharacter) + QChar::LineSeparator + "word4");
    const QString text = document.toPlainText();
    for (int n = 1; n <= 7; ++n) {
        EXPECT_TRUE(text.contains(QString("word%1").arg(n))) << n;
    }
    // The class "tekst" takes the style sheet's colour.
    const QTextCharFormat word = table->cellAt(0, 0).lastCursorPosition().charFormat();
    EXPECT_EQ(word.foreground().color(), QColor("#102030"));
    EXPECT_EQ(word.fontWeight(), QFont::Bold);
}

TEST_F(HtmlPageTest, AMissingPictureIsNamedAndTheRestPrint) {
    std::remove((folder / "Obrazki/Dom/SL/p5.PNG").c_str());
    HtmlPageDocument document(Page());
    document.size();
    EXPECT_EQ(document.LoadedPictures(), 6);
    ASSERT_FALSE(document.MissingPictures().empty());
    EXPECT_EQ(document.MissingPictures()[0], course.DataRoot + "obrazki\\dom\\sl\\P5.png");
}

TEST_F(HtmlPageTest, WithoutAPrinterThePdfGoesToTheGivenFolderAndAMessageSaysWhere) {
    MessageRecorder messages;
    SetPrintDestination(PrintDestination{false, folder.Path()});
    PrintHtmlPage(Page(), "dom");
    SetPrintDestination(std::nullopt);
    const std::string pdf = folder / "dom.pdf";
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find(pdf), std::string::npos);
    const auto bytes = ReadFileBytes(pdf);
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->starts_with("%PDF-"));
    // Seven different pictures, each drawn as an image of its own.
    std::size_t images = 0;
    for (std::size_t at = bytes->find("/Subtype /Image"); at != std::string::npos;
         at = bytes->find("/Subtype /Image", at + 1)) {
        ++images;
    }
    EXPECT_EQ(images, 7u);
}

TEST_F(HtmlPageTest, APdfNeverReplacesAFileOfTheSameName) {
    MessageRecorder messages;
    folder.WriteBytes("dom.pdf", "the learner's own");
    SetPrintDestination(PrintDestination{false, folder.Path()});
    PrintHtmlPage(Page(), "dom");
    PrintHtmlPage(Page(), "dom");
    SetPrintDestination(std::nullopt);
    EXPECT_EQ(ReadFileBytes(folder / "dom.pdf"), "the learner's own");
    ASSERT_EQ(messages.Messages().size(), 2u);
    int n = 2;
    for (const std::string& message : messages.Messages()) {
        const std::string pdf = folder / ("dom (" + std::to_string(n++) + ").pdf");
        EXPECT_NE(message.find(pdf), std::string::npos) << message;
        const auto bytes = ReadFileBytes(pdf);
        ASSERT_TRUE(bytes) << pdf;
        EXPECT_TRUE(bytes->starts_with("%PDF-"));
    }
}

TEST_F(HtmlPageTest, AnUnwritableFolderIsReportedNotIgnored) {
    MessageRecorder messages;
    SetPrintDestination(PrintDestination{false, folder / "no/such/folder"});
    PrintHtmlPage(Page(), "dom");
    SetPrintDestination(std::nullopt);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_NE(messages.Messages()[0].find("no/such/folder/dom.pdf"), std::string::npos);
    EXPECT_EQ(messages.Messages()[0].rfind("Nie można", 0), 0u);
}

} // namespace
} // namespace lumora
