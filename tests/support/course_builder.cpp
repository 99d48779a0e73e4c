#include "course_builder.h"

#include "course/startup_loading.h"

#include <filesystem>

namespace lumora::test {

std::vector<std::string> TopicRows() {
    const char* names[] = {"czas_wolny", "liczby", "miejsca",   "dom",     "czas",
                           "kuchnia",    "praca",  "zwierzeta", "podroze", "czlowiek_i_otoczenie",
                           "sport",      "rozne"};
    std::vector<std::string> rows;
    for (const char* n : names) {
        rows.push_back(std::string(n) + "=100=120=1=0=black=100=500=white=");
    }
    return rows;
}

std::string IniText(const std::vector<std::string>& texts, const std::vector<std::string>& hints) {
    std::string s = "[Lumora]\ncharset=238\n\n[topics]\n";
    for (const auto& row : TopicRows()) {
        s += row + "\n";
    }
    s += "\n[texts]\n";
    for (const auto& t : texts) {
        s += t + "\n";
    }
    for (const auto& h : hints) {
        s += h + "\n";
    }
    return s;
}

CourseBuilder::CourseBuilder() {
    Write("ini.t", IniText({"1==Tak", "2==Nie", "3==Czy na pewno?", "*** hinty"},
                           {"1==Czas wolny", "*** end"}));
    Write("Steruj.t", "// topic=content=code=bg=title=spare=layout=variants=\n"
                      "kuchnia=kuchnia_1=30=kuchnia1.bmp=Words=x=28,60*32,64=11=\n"
                      "kuchnia=1=35==Story=x===\n");
    Write("data.t", "kuchnia=Kuchnia_1=spoon==łyżka=spoon.bmp=0=spoon.wav=====\n"
                    "kuchnia=kuchnia_1=fork==widelec=fork.bmp=0=fork.wav=====\n");
    Write("St.t", "1#roz_kuchnia#help1.wav#Choose.#\n35#Who sings?=Ann=T_Bob#\ntail line\n");
    Write("Polecenia/polecenia.txt", "35==Posłuchaj i wybierz.\n");
    Write("odkrywanki/idx.t", "kot=cat.bmp\npies=dog.bmp\n");
    dir_.MakeFolder("user");
}

void CourseBuilder::Write(const std::string& relative, const std::string& text) const {
    dir_.WriteText("course/" + relative, text);
}

void CourseBuilder::Remove(const std::string& relative) const {
    std::filesystem::remove(dir_ / ("course/" + relative));
}

CourseData CourseBuilder::Load(bool stopAtFatal) {
    faults_.clear();
    LoadReport report([this](const LoadFault& f) { faults_.push_back(f); }, stopAtFatal);
    CourseData course;
    StartupOptions options{DataRoot(), UserFolder(), true, {}};
    settings_ = UserSettings{};
    LoadCourse(course, settings_, options, report);
    return course;
}

std::vector<std::string> CourseBuilder::FaultMessages() const {
    std::vector<std::string> out;
    for (const auto& f : faults_) {
        out.push_back(f.file + ":" + std::to_string(f.line) + ": " + f.message);
    }
    return out;
}

} // namespace lumora::test
