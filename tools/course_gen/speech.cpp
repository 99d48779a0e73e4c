#include "speech.h"

#include <QProcess>
#include <QRegularExpression>
#include <map>
#include <stdexcept>

namespace coursegen {

namespace {

struct Voice {
    const char* espeakName;
    int wordsPerMinute;
};

// Learners hear English a little slower than a native speaker talks.
const std::map<QString, Voice>& Voices() {
    static const std::map<QString, Voice> voices{
        {"en", {"en-gb", 135}},
        {"en2", {"en-gb+f3", 135}},
        {"pl", {"pl", 160}},
        {"pl2", {"pl+f3", 160}},
    };
    return voices;
}

struct Part {
    Voice voice;
    QString text;
};

std::vector<Part> Parts(const QString& script) {
    std::vector<Part> parts;
    for (const QString& piece : script.split("||")) {
        const int colon = piece.indexOf(':');
        const QString name = colon < 0 ? QString() : piece.left(colon).trimmed();
        const auto it = Voices().find(name);
        if (it == Voices().end()) {
            throw std::runtime_error("speech \"" + script.toStdString() +
                                     "\": each part needs a voice (en, en2, pl, pl2)");
        }
        parts.push_back({it->second, piece.mid(colon + 1).trimmed()});
    }
    return parts;
}

Sound SpeakPart(const Part& part) {
    QProcess espeak;
    espeak.start("espeak-ng",
                 {"-v", part.voice.espeakName, "-s", QString::number(part.voice.wordsPerMinute),
                  "--stdout", "--", part.text});
    if (!espeak.waitForFinished(60000) || espeak.exitStatus() != QProcess::NormalExit ||
        espeak.exitCode() != 0) {
        throw std::runtime_error("espeak-ng failed on \"" + part.text.toStdString() +
                                 "\": " + espeak.readAllStandardError().toStdString());
    }
    return ParsePcmWav(espeak.readAllStandardOutput());
}

} // namespace

Sound Speak(const QString& script) {
    Sound all;
    bool first = true;
    for (const Part& part : Parts(script)) {
        Sound s = SpeakPart(part);
        if (first) {
            all.rate = s.rate;
        } else {
            all.AppendSilence(0.35);
        }
        all.Append(s);
        first = false;
    }
    all.AppendSilence(0.1);
    return all;
}

QByteArray SpeechRecipe(const QString& script) {
    QByteArray recipe = "speech\n";
    for (const Part& part : Parts(script)) {
        recipe += QByteArray(part.voice.espeakName) + " " +
                  QByteArray::number(part.voice.wordsPerMinute) + " " + part.text.toUtf8() + "\n";
    }
    return recipe;
}

QString PlainSpokenText(const QString& marked) {
    QString text = marked;
    text.replace(QRegularExpression(R"(\[iko_[a-z]+\])"), " ");
    text.replace(QRegularExpression(R"(<[^>]*>)"), " ");
    text.replace('@', ' ');
    return text.simplified();
}

} // namespace coursegen
