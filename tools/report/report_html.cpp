#include "report_html.h"

#include <algorithm>
#include <cmath>

namespace lumora {
namespace {

constexpr int kBarWidth = 40;
constexpr int kBarStep = 54;
constexpr int kChartLeft = 60;   // room for the first topic's slanted name
constexpr int kChartTop = 18;    // room for the points over the tallest bar
constexpr int kChartBottom = 96; // room for the topics' names below
constexpr int kMarkSize = 10;
constexpr int kMarkStep = 12;
constexpr int kMarkLabel = 150; // the topic's name left of its marks

constexpr const char* kStyle = R"(
body { font-family: "Liberation Sans", Arial, sans-serif; margin: 24px; color: #222; }
h1 { font-size: 22px; margin-bottom: 4px; }
h2 { font-size: 18px; margin: 0 0 6px; }
h3 { font-size: 14px; margin: 12px 0 4px; color: #555; }
.meta { color: #555; font-size: 13px; margin-top: 0; }
table.class { border-collapse: collapse; font-size: 13px; }
table.class th, table.class td { border: 1px solid #bbb; padding: 3px 6px; text-align: right; }
table.class .name { text-align: left; }
table.class thead th { background: #eef2f8; }
section.learner { margin-top: 28px; border-top: 2px solid #444; padding-top: 10px; }
svg text { font-family: "Liberation Sans", Arial, sans-serif; font-size: 11px; fill: #333; }
.bar { fill: #2f6fd0; }
.done { fill: #2a9d4b; }
.open { fill: #ffffff; stroke: #999; }
.axis { stroke: #666; }
section.damaged { margin-top: 28px; font-size: 13px; }
@page { size: A4; margin: 15mm; }
@media print {
  body { margin: 0; }
  section.learner { break-before: page; border-top: none; }
  section.damaged { break-before: page; }
  tr { break-inside: avoid; }
}
)";

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The topic's name before its English one ("Kuchnia – The kitchen").
std::string ShortName(const std::string& name) {
    const auto dash = name.find(" \xE2\x80\x93 ");
    return name.substr(0, dash);
}

std::string Num(long long n) {
    return std::to_string(n);
}

std::int32_t MostInOneTopic(const ClassReport& report) {
    std::int32_t most = 0;
    for (const ReportLearner& learner : report.learners) {
        for (const ReportTopic& topic : report.topics) {
            most = std::max(most, report.TopicPoints(learner, topic));
        }
    }
    return most;
}

std::string ClassTable(const ClassReport& report) {
    std::string out = "<table class=\"class\"><thead><tr><th>miejsce</th><th "
                      "class=\"name\">uczeń</th><th>punkty</th>";
    for (const ReportTopic& topic : report.topics) {
        out += "<th title=\"" + Escaped(topic.name) + " (ukończone lekcje z " +
               Num(static_cast<long long>(topic.lessons.size())) + ")\">" +
               Escaped(ShortName(topic.name)) + "</th>";
    }
    out += "</tr></thead><tbody>\n";
    int place = 0;
    for (const ReportLearner* learner : report.ByTotal()) {
        out += "<tr><td>" + Num(++place) + "</td><td class=\"name\"><a href=\"#u" +
               Num(learner->id) + "\">" + Escaped(learner->name) + "</a></td><td>" +
               Num(learner->total) + "</td>";
        for (const ReportTopic& topic : report.topics) {
            out += "<td>" + Num(report.TopicDone(*learner, topic)) + "/" +
                   Num(static_cast<long long>(topic.lessons.size())) + "</td>";
        }
        out += "</tr>\n";
    }
    return out + "</tbody></table>\n";
}

std::string BarChart(const ClassReport& report, const ReportLearner& learner, std::int32_t most) {
    const int width = kChartLeft + kBarStep * static_cast<int>(report.topics.size());
    const int base = kChartTop + kChartBarHeight;
    std::string out = "<svg class=\"chart\" xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      Num(width) + "\" height=\"" + Num(base + kChartBottom) + "\" data-most=\"" +
                      Num(most) +
                      "\" role=\"img\" aria-label=\"Punkty w "
                      "tematach\">\n";
    out += "<line class=\"axis\" x1=\"0\" y1=\"" + Num(base) + "\" x2=\"" + Num(width) +
           "\" y2=\"" + Num(base) + "\"/>\n";
    for (std::size_t t = 0; t < report.topics.size(); ++t) {
        const ReportTopic& topic = report.topics[t];
        const std::int32_t points = report.TopicPoints(learner, topic);
        const int height = BarHeight(points, most);
        const int x = kChartLeft + kBarStep * static_cast<int>(t);
        const int centre = x + kBarWidth / 2;
        out += "<rect class=\"bar\" x=\"" + Num(x) + "\" y=\"" + Num(base - height) +
               "\" width=\"" + Num(kBarWidth) + "\" height=\"" + Num(height) + "\" data-topic=\"" +
               Escaped(topic.folder) + "\" data-points=\"" + Num(points) + "\"><title>" +
               Escaped(topic.name) + ": " + Num(points) + "</title></rect>\n";
        out += "<text x=\"" + Num(centre) + "\" y=\"" + Num(base - height - 4) +
               "\" text-anchor=\"middle\">" + Num(points) + "</text>\n";
        out += "<text x=\"" + Num(centre) + "\" y=\"" + Num(base + 12) +
               "\" text-anchor=\"end\" transform=\"rotate(-40 " + Num(centre) + " " +
               Num(base + 12) + ")\">" + Escaped(ShortName(topic.name)) + "</text>\n";
    }
    return out + "</svg>\n";
}

std::string DoneMarks(const ClassReport& report, const ReportLearner& learner) {
    std::size_t widest = 0;
    for (const ReportTopic& topic : report.topics) {
        widest = std::max(widest, topic.lessons.size());
    }
    const int width = kMarkLabel + kMarkStep * static_cast<int>(widest);
    const int height = kMarkStep * static_cast<int>(report.topics.size());
    std::string out = "<svg class=\"marks\" xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      Num(width) + "\" height=\"" + Num(height) +
                      "\" role=\"img\" aria-label=\"Ukończone lekcje\">\n";
    for (std::size_t t = 0; t < report.topics.size(); ++t) {
        const ReportTopic& topic = report.topics[t];
        const int y = kMarkStep * static_cast<int>(t);
        out += "<text x=\"0\" y=\"" + Num(y + kMarkSize) + "\">" + Escaped(ShortName(topic.name)) +
               "</text>\n";
        for (std::size_t k = 0; k < topic.lessons.size(); ++k) {
            const std::size_t lesson = topic.lessons[k];
            const bool done = learner.done[lesson];
            out += "<rect class=\"" + std::string(done ? "done" : "open") + "\" x=\"" +
                   Num(kMarkLabel + kMarkStep * static_cast<int>(k)) + "\" y=\"" + Num(y) +
                   "\" width=\"" + Num(kMarkSize) + "\" height=\"" + Num(kMarkSize) + "\"><title>" +
                   Escaped(report.lessons[lesson].title) + (done ? ": ukończona" : "") +
                   "</title></rect>\n";
        }
    }
    return out + "</svg>\n";
}

std::string LearnerPage(const ClassReport& report, const ReportLearner& learner,
                        std::int32_t most) {
    return "<section class=\"learner\" id=\"u" + Num(learner.id) + "\">\n<h2>" +
           Escaped(learner.name) + " \xE2\x80\x93 " + Num(learner.total) + " pkt</h2>\n" +
           "<h3>Punkty w tematach</h3>\n" + BarChart(report, learner, most) +
           "<h3>Ukończone lekcje</h3>\n" + DoneMarks(report, learner) + "</section>\n";
}

std::string DamagedFiles(const ClassReport& report) {
    std::string out = "<section class=\"damaged\">\n<h2>Uszkodzone pliki</h2>\n";
    if (report.damaged.empty()) {
        return out + "<p>Żaden plik nie był uszkodzony.</p>\n</section>\n";
    }
    out += "<ul>\n";
    for (const DamagedFile& file : report.damaged) {
        out += "<li><b>" + Escaped(file.file) + "</b>: ";
        for (std::size_t i = 0; i < file.faults.size(); ++i) {
            out += (i == 0 ? "" : "; ") + Escaped(file.faults[i]);
        }
        out += ". Odczytano: " + Escaped(file.salvaged) + ".</li>\n";
    }
    return out + "</ul>\n</section>\n";
}

} // namespace

int BarHeight(std::int32_t points, std::int32_t most) {
    if (most <= 0 || points <= 0) {
        return 0;
    }
    return static_cast<int>(
        std::lround(static_cast<double>(kChartBarHeight) * points / static_cast<double>(most)));
}

std::string ClassReportHtml(const ClassReport& report, const std::string& courseFolder) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"pl\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<title>Wyniki klasy \xE2\x80\x93 Lumora</title>\n<style>" +
                      std::string(kStyle) + "</style>\n</head>\n<body>\n<h1>Wyniki klasy</h1>\n";
    out += "<p class=\"meta\">Folder uczniów: " + Escaped(report.usersFolder) +
           " · kurs: " + Escaped(courseFolder) +
           " · uczniów: " + Num(static_cast<long long>(report.learners.size())) +
           " · lekcji: " + Num(static_cast<long long>(report.lessons.size())) + "</p>\n";
    out += ClassTable(report);
    const std::int32_t most = MostInOneTopic(report);
    for (const ReportLearner& learner : report.learners) {
        out += LearnerPage(report, learner, most);
    }
    return out + DamagedFiles(report) + "</body>\n</html>\n";
}

} // namespace lumora
