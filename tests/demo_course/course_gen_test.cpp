// The demo course generator's own rules: the sound and text formats it
// writes, the scene lines it reads, and its cache.
#include "film.h"
#include "media_plan.h"
#include "output.h"
#include "palette.h"
#include "scene.h"
#include "speech.h"
#include "temp_folder.h"
#include "text_tables.h"
#include "theme.h"
#include "wave_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <numbers>

namespace coursegen {
namespace {

// A plain IMA ADPCM decoder, written from the format's description, to check
// the encoder against something other than itself.
std::vector<int16_t> DecodeImaAdpcm(const QByteArray& wav, int& formatTag, int& factSamples) {
    static const int steps[89] = {
        7,     8,     9,     10,    11,    12,    13,    14,    16,    17,    19,   21,    23,
        25,    28,    31,    34,    37,    41,    45,    50,    55,    60,    66,   73,    80,
        88,    97,    107,   118,   130,   143,   157,   173,   190,   209,   230,  253,   279,
        307,   337,   371,   408,   449,   494,   544,   598,   658,   724,   796,  876,   963,
        1060,  1166,  1282,  1411,  1552,  1707,  1878,  2066,  2272,  2499,  2749, 3024,  3327,
        3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845,  8630,  9493, 10442, 11487,
        12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
    static const int indexChange[8] = {-1, -1, -1, -1, 2, 4, 6, 8};
    std::vector<int16_t> out;
    int pos = 12, blockAlign = 0;
    while (pos + 8 <= wav.size()) {
        const QByteArray id = wav.mid(pos, 4);
        const int size = int(qFromLittleEndian<quint32>(wav.constData() + pos + 4));
        const char* body = wav.constData() + pos + 8;
        if (id == "fmt ") {
            formatTag = qFromLittleEndian<quint16>(body);
            blockAlign = qFromLittleEndian<quint16>(body + 12);
        } else if (id == "fact") {
            factSamples = int(qFromLittleEndian<quint32>(body));
        } else if (id == "data") {
            for (int b = 0; b + blockAlign <= size; b += blockAlign) {
                int predictor = qFromLittleEndian<qint16>(body + b);
                int index = static_cast<unsigned char>(body[b + 2]);
                out.push_back(int16_t(predictor));
                for (int i = 4; i < blockAlign; ++i) {
                    const int byte = static_cast<unsigned char>(body[b + i]);
                    for (int nibble : {byte & 15, byte >> 4}) {
                        const int step = steps[index];
                        int diff = step >> 3;
                        diff += (nibble & 4) ? step : 0;
                        diff += (nibble & 2) ? step >> 1 : 0;
                        diff += (nibble & 1) ? step >> 2 : 0;
                        predictor =
                            std::clamp(predictor + ((nibble & 8) ? -diff : diff), -32768, 32767);
                        index = std::clamp(index + indexChange[nibble & 7], 0, 88);
                        out.push_back(int16_t(predictor));
                    }
                }
            }
        }
        pos += 8 + size + (size & 1);
    }
    return out;
}

TEST(CourseGenSound, AdpcmSpeechDecodesCloseToWhatWasSpoken) {
    // A gliding tone with a loudness swell stands in for a voice.
    Sound s;
    for (int i = 0; i < 22050; ++i) {
        const double t = i / 22050.0;
        const double hz = 180 + 400 * t;
        s.samples.push_back(int16_t(12000 * std::sin(t) * std::sin(2 * std::numbers::pi * hz * t)));
    }
    int format = 0, fact = 0;
    const std::vector<int16_t> back = DecodeImaAdpcm(ImaAdpcmWav(s), format, fact);
    EXPECT_EQ(format, 0x11);
    EXPECT_EQ(fact, 22050);
    ASSERT_GE(back.size(), s.samples.size());
    double signal = 0, noise = 0;
    for (std::size_t i = 0; i < s.samples.size(); ++i) {
        signal += double(s.samples[i]) * s.samples[i];
        noise += double(s.samples[i] - back[i]) * (s.samples[i] - back[i]);
    }
    EXPECT_GT(10 * std::log10(signal / noise), 20.0);
}

TEST(CourseGenSound, PcmWavRoundTripsAndRejectsOtherForms) {
    Sound s;
    s.rate = 16000;
    s.samples = {0, 1000, -1000, 32767, -32768};
    const Sound back = ParsePcmWav(PcmWav(s));
    EXPECT_EQ(back.rate, 16000);
    EXPECT_EQ(back.samples, s.samples);
    EXPECT_THROW(ParsePcmWav(ImaAdpcmWav(s)), std::runtime_error);
    EXPECT_THROW(ParsePcmWav("not a sound"), std::runtime_error);
}

TEST(CourseGenText, TablesBecomeWindows1250WithCrLf) {
    const QByteArray bytes = ToCourseText(QString::fromUtf8("Zażółć gęślą\njaźń\n"), "x.t");
    EXPECT_EQ(bytes, QByteArray("Za\xbf\xf3\xb3\xe6 g\xea\x9cl\xb9\r\nja\x9f\xf1\r\n"));
    // A last line without its end still gets one; an arrow has no place in
    // the code page and is refused with its line.
    EXPECT_EQ(ToCourseText("a\nb", "x.t"), QByteArray("a\r\nb\r\n"));
    try {
        ToCourseText(QString::fromUtf8("ok\nleft → right\n"), "x.t");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("x.t:2"), std::string::npos) << e.what();
    }
}

TEST(CourseGenText, StoryNarrationIsTheTypingTextWithItsGapsFilled) {
    const std::vector<std::string> fcs = {"szer_px=96", "tytul_tekst=T", "puste_luk=1",
                                          "Tom takes two &eggs, some *x &milk and flour.",
                                          "<BR> It is a big $%^ day! Mum is &happy."};
    EXPECT_EQ(FcsNarration(fcs).toStdString(),
              "Tom takes two eggs, some milk and flour. It is a bigday! Mum is happy.");
    EXPECT_EQ(Sentences("It is late. Ben runs! Is it Saturday? Yes.").size(), 4);
    EXPECT_EQ(PlainSpokenText("<b>Kliknij</b> [iko_pomoc] @ i słuchaj."),
              QString::fromUtf8("Kliknij i słuchaj."));
}

TEST(CourseGenScenes, ScenesReadPlacesSizesCopiesAndMoves) {
    const Scene s = ParseScene(
        QString::fromUtf8("table: 🍎@35,50*30 \"£5\"@70,20 🥚#3! 🚆@-10,60>90,60"));
    EXPECT_EQ(s.backdrop, "table");
    ASSERT_EQ(s.items.size(), 4u);
    EXPECT_TRUE(s.items[0].placed);
    EXPECT_DOUBLE_EQ(s.items[0].x, 35);
    EXPECT_DOUBLE_EQ(s.items[0].size, 30);
    EXPECT_TRUE(s.items[1].text);
    EXPECT_EQ(s.items[1].content, QString::fromUtf8("£5"));
    EXPECT_EQ(s.items[2].copies, 3);
    EXPECT_TRUE(s.items[2].mirror);
    EXPECT_FALSE(s.items[2].placed);
    EXPECT_TRUE(s.items[3].moves);
    EXPECT_DOUBLE_EQ(s.items[3].x, -10);
    EXPECT_DOUBLE_EQ(s.items[3].toX, 90);

    EXPECT_THROW(ParseScene("moon: x"), std::runtime_error);
    EXPECT_THROW(ParseScene("plain: \"open"), std::runtime_error);
    EXPECT_THROW(ParseScene("plain: x@1"), std::runtime_error);
}

TEST(CourseGenPictures, PalettesKeepFlatArtExactAndBoundOtherwise) {
    // 16 x 10 = 160 different colours.
    QImage flat(16, 10, QImage::Format_RGB32);
    for (int x = 0; x < 16; ++x) {
        for (int y = 0; y < 10; ++y) {
            flat.setPixel(x, y, qRgb(x * 15, 255 - x * 15, y * 20));
        }
    }
    const QImage exact = ToIndexed(flat);
    ASSERT_EQ(exact.format(), QImage::Format_Indexed8);
    EXPECT_EQ(exact.convertToFormat(QImage::Format_RGB32), flat);

    QImage smooth(256, 64, QImage::Format_RGB32);
    for (int x = 0; x < 256; ++x) {
        for (int y = 0; y < 64; ++y) {
            smooth.setPixel(x, y, qRgb(x, (x * 3 + y) % 256, y * 4));
        }
    }
    const QImage reduced = ToIndexed(smooth);
    EXPECT_LE(reduced.colorCount(), 256);
    int worst = 0;
    for (int x = 0; x < 256; ++x) {
        for (int y = 0; y < 64; ++y) {
            const QRgb a = smooth.pixel(x, y), b = reduced.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    }
    EXPECT_LT(worst, 48);
}

TEST(CourseGenCache, KeepsUnchangedFilesAndRemovesWhatIsNoLongerMade) {
    lumora::test::TempFolder dir;
    const QString root = QString::fromStdString(dir / "course");
    const QString cache = QString::fromStdString(dir / "cache.txt");
    {
        Output out(root, cache);
        EXPECT_FALSE(out.UpToDate("a/one.txt", "1"));
        out.WriteBytes("a/one.txt", "one", "1");
        out.WriteBytes("two.txt", "two", "2");
        out.Finish();
    }
    {
        Output out(root, cache);
        EXPECT_TRUE(out.UpToDate("a/one.txt", "1"));
        EXPECT_FALSE(out.UpToDate("a/one.txt", "changed"));
        out.Finish();
        EXPECT_EQ(out.Removed(), 1);
    }
    EXPECT_TRUE(QFile::exists(root + "/a/one.txt"));
    EXPECT_FALSE(QFile::exists(root + "/two.txt"));
}

// WCAG contrast ratio of two colours, computed here from the definition.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto lin = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(CourseGenTheme, EveryTopicTitleReadsOnItsLessonBand) {
    for (const TopicTheme& t : Topics()) {
        const QColor text = TextColourOn(t.Accent());
        // At least the 3:1 that large bold text needs, with some to spare.
        EXPECT_GE(Contrast(text, t.Accent()), 4.0) << t.folder.toStdString();
    }
    EXPECT_EQ(TextColourOn(QColor(28, 42, 66)), QColor(Qt::white));
    EXPECT_EQ(TextColourOn(QColor(250, 230, 90)), colours::kInk);
}

} // namespace
} // namespace coursegen
