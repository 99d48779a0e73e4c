#include "media_plan.h"

#include "speech.h"

#include "course/lesson_kinds.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <stdexcept>

namespace coursegen {

QSize SentencePictureSize(int code) {
    switch (code) {
    case 1:
        return {440, 260};
    case 2:
        return {300, 250};
    case 3:
        return {230, 220};
    default:
        return {185, 160};
    }
}

QString FcsNarration(const std::vector<std::string>& fcsLines) {
    QStringList words;
    bool glue = false;
    for (std::size_t i = 3; i < fcsLines.size(); ++i) {
        for (const QString& w :
             QString::fromStdString(fcsLines[i]).split(' ', Qt::SkipEmptyParts)) {
            QString word;
            if (w.startsWith('*') || w == ">>" || (w.startsWith('<') && w.endsWith('>'))) {
                continue;
            }
            if (w == "$%^") {
                glue = true;
                continue;
            }
            word = w.startsWith('&') ? w.mid(1).section('\\', 0, 0) : w;
            if (glue && !words.isEmpty()) {
                words.last() += word;
            } else {
                words << word;
            }
            glue = false;
        }
    }
    QString text = words.join(' ');
    text.replace(QRegularExpression(R"(\s+([.,;:!?]))"), "\\1");
    return text;
}

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString Slashed(const std::string& windowsName) {
    return Q(lumora::ToSlashes(windowsName));
}

bool HasBackdrop(const QString& scene) {
    static const QRegularExpression head(R"(^\s*[a-z]+:)");
    return head.match(scene).hasMatch();
}

class Planner {
  public:
    Planner(const lumora::CourseData& course, const QMap<QString, ManifestEntry>& art,
            const QMap<QString, ManifestEntry>& speech)
        : c_(course), art_(art), speech_(speech) {}

    MediaPlan Run() {
        DataRows();
        SteeringRows();
        RevealPictures();
        Instructions();
        for (auto it = speech_.begin(); it != speech_.end(); ++it) {
            if (!consumed_.contains(it.key())) {
                plan_.speech.push_back({it.key(), it.value().value});
            }
        }
        for (auto it = art_.begin(); it != art_.end(); ++it) {
            if (!usedArt_.contains(it.key())) {
                problems_ << it.value().origin + ": " + it.key() + " is not used by the course";
            }
        }
        if (!problems_.isEmpty()) {
            throw std::runtime_error(problems_.join('\n').toStdString());
        }
        return plan_;
    }

  private:
    void Picture(const QString& path, QSize size, const QString& topic, bool card) {
        if (const auto it = pictureAt_.constFind(path); it != pictureAt_.constEnd()) {
            if (plan_.pictures[std::size_t(*it)].size != size) {
                problems_ << path + " is shown at two different sizes";
            }
            return;
        }
        const auto entry = art_.constFind(path);
        if (entry == art_.constEnd()) {
            problems_ << path + " has no picture description";
            return;
        }
        usedArt_.insert(path);
        QString scene = entry->value;
        if (card && !HasBackdrop(scene)) {
            scene = "card: " + scene;
        }
        pictureAt_.insert(path, int(plan_.pictures.size()));
        plan_.pictures.push_back({path, size, scene, topic});
    }

    void Speech(const QString& path, const QString& script) {
        if (!speech_.contains(path) && !spoken_.contains(path)) {
            spoken_.insert(path);
            plan_.speech.push_back({path, script});
        }
    }

    // A script from the speech lists. One without a voice of its own is
    // spoken by defaultVoice (the voice of the sentence it goes with).
    void SpeechFromManifest(const QString& path, const QString& defaultVoice = QString()) {
        const auto it = speech_.constFind(path);
        if (it == speech_.constEnd()) {
            problems_ << path + " has no speech script";
            return;
        }
        if (consumed_.contains(path)) {
            return;
        }
        static const QRegularExpression voiced(R"(^\s*[a-z]+[0-9]?:)");
        consumed_.insert(path);
        plan_.speech.push_back({path, voiced.match(it->value).hasMatch() || defaultVoice.isEmpty()
                                          ? it->value
                                          : defaultVoice + ": " + it->value});
    }

    void DataRows() {
        int sentence = 0;
        for (const auto& row : c_.DataTable) {
            const QString topic = Q(row.TopicKey);
            if (row.KindCode == lumora::kVocabularyCode) {
                Picture("obrazki/" + topic + "/sl/" + Slashed(row.PictureFile), kWordPictureSize,
                        topic, true);
                Speech("sample/" + topic + "/sl/" + Slashed(row.SoundFile),
                       "en: " + Q(row.EnglishText));
            } else if (lumora::IsPictureSentenceCode(row.KindCode)) {
                const QSize size = SentencePictureSize(row.KindCode);
                const QString folder = "obrazki/" + topic + "/zd/";
                Picture(folder + Slashed(row.PictureFile), size, topic, false);
                for (const QString& alt : Q(row.Field12).split('/', Qt::SkipEmptyParts)) {
                    Picture(folder + alt.trimmed(), size, topic, false);
                }
                // Two voices take turns, so a lesson does not sound monotonous.
                const QString voice = (sentence++ % 2 == 0) ? "en" : "en2";
                Speech("sample/" + topic + "/zd/" + Slashed(row.SoundFile),
                       voice + ": " + Q(lumora::StripAngleBrackets(row.EnglishText)));
                if (!row.Field9.empty()) {
                    SpeechFromManifest("sample/" + topic + "/zd/" + Slashed(row.Field9), voice);
                }
            }
        }
    }

    void SteeringRows() {
        QMap<QString, QString> narration; // media name -> spoken text
        QMap<QString, QString> mediaTopic;
        for (const auto& row : c_.SteeringTable) {
            const QString topic = Q(row.TopicFolder);
            if (lumora::IsStoryCode(row.Code)) {
                const lumora::StRecord* record = c_.St(lumora::TrimmedInt(row.Content));
                if (record == nullptr) {
                    problems_ << "no St.t record " + Q(row.Content);
                    continue;
                }
                const QStringList header = Q(record->StHead).split('#');
                const QString media = header.value(1);
                const QString help = header.value(2).trimmed();
                if (!media.isEmpty()) {
                    mediaTopic.insert(media, topic);
                }
                if (!help.isEmpty()) {
                    SpeechFromManifest("polecenia/rozumienie/" + help);
                }
                if (row.Code == lumora::kTypingCode) {
                    const std::string stem =
                        record->StBody.substr(std::min<std::size_t>(3, record->StBody.size()));
                    const auto lines =
                        lumora::ReadTextLines(c_.DataPath("wpisywania\\" + stem + ".fcs"));
                    if (!lines) {
                        problems_ << "no typing file wpisywania/" + Q(stem) + ".fcs";
                    } else if (!media.isEmpty()) {
                        narration.insert(media, FcsNarration(*lines));
                    }
                }
            } else if (row.Code == lumora::kCrosswordCode) {
                Crossword(topic);
            }
        }
        for (auto it = mediaTopic.begin(); it != mediaTopic.end(); ++it) {
            const QString& media = it.key();
            if (media.startsWith("F_")) {
                if (!narration.contains(media)) {
                    problems_ << "the film " + media + " has no typing exercise to speak";
                    continue;
                }
                plan_.films.push_back({media.mid(2), it.value(), narration.value(media)});
            } else {
                const QString path = "Teksty_wav/" + media + ".wav";
                if (narration.contains(media)) {
                    Speech(path, "en: " + narration.value(media));
                } else {
                    SpeechFromManifest(path);
                }
            }
        }
    }

    void Crossword(const QString& topic) {
        const std::string file = "krzyzowka\\" + topic.toStdString() + "\\slowka.txt";
        const auto lines = lumora::ReadTextLines(c_.DataPath(file));
        if (!lines) {
            problems_ << Slashed(file) + " is missing";
            return;
        }
        for (const auto& line : *lines) {
            const auto eq = line.find('=');
            if (eq != std::string::npos) {
                Picture("krzyzowka/" + topic + "/" + Slashed(lumora::Trim(line.substr(0, eq))),
                        kCrosswordPictureSize, topic, true);
            }
        }
    }

    void RevealPictures() {
        for (const auto& entry : c_.RevealIndex) {
            if (!entry.name.empty()) {
                Picture("odkrywanki/" + Slashed(entry.name), kRevealPictureSize, "rozne", false);
            }
        }
    }

    void Instructions() {
        for (const auto& entry : c_.InstructionTable) {
            Speech("polecenia/" + QString::number(entry.number) + ".wav",
                   "pl: " + PlainSpokenText(Q(entry.text)));
        }
    }

    const lumora::CourseData& c_;
    const QMap<QString, ManifestEntry>& art_;
    const QMap<QString, ManifestEntry>& speech_;
    MediaPlan plan_;
    QStringList problems_;
    QSet<QString> usedArt_;
    QSet<QString> spoken_;
    QSet<QString> consumed_;
    QMap<QString, int> pictureAt_;
};

} // namespace

MediaPlan PlanMedia(const lumora::CourseData& course, const QMap<QString, ManifestEntry>& art,
                    const QMap<QString, ManifestEntry>& speech) {
    return Planner(course, art, speech).Run();
}

} // namespace coursegen
