#pragma once
// How the table loaders report what is wrong with a course file.
//
// The program shows each fault in a message box. A fatal fault (a file that
// cannot be opened, a number that does not convert) also ends the start-up
// loading: the tables loaded so far stay, the later steps are skipped. The
// course checker instead collects every fault of every file and lets each
// loader go on with its next line.
#include <functional>
#include <string>
#include <vector>

namespace lumora {

enum class FaultKind {
    Fatal,     // ends start-up loading in the program
    Message,   // shown, loading goes on
    CheckOnly, // the program stays silent; the checker reports it
    Warning,   // as CheckOnly, but the course still passes the check
};

// What is wrong and where: the one shape of every fault the loaders, the
// lesson screens, the lesson checks and the checker report.
struct LoadFault {
    std::string file; // course-relative name, e.g. "Steruj.t"; empty: no file
    int line = 0;     // 1-based; 0 when the fault concerns the whole file
    std::string message;
    // What the program does with it; a lesson check's fault concerns only
    // the checker unless it says otherwise.
    FaultKind kind = FaultKind::CheckOnly;
};

// A fault that belongs to no file.
inline LoadFault PlainFault(std::string message) {
    return {{}, 0, std::move(message)};
}

// Thrown by LoadReport::Fault for a fatal fault when loading stops at one.
struct LoadAborted {
    LoadFault fault;
};

class LoadReport {
  public:
    using Sink = std::function<void(const LoadFault&)>;

    // stopAtFatal: the program's behaviour. Otherwise every fault is passed on
    // and loading continues (the checker).
    LoadReport(Sink sink, bool stopAtFatal) : sink_(std::move(sink)), stopAtFatal_(stopAtFatal) {}

    void Fault(const std::string& file, int line, const std::string& message, FaultKind kind);
    void Fault(const LoadFault& fault);

    bool StopsAtFatal() const { return stopAtFatal_; }

    // Where a fault is: "file, line N", "file", or nothing.
    static std::string Where(const LoadFault& fault);
    // The same for a course author's tools: "file:N", "file", or "(course)".
    static std::string Place(const LoadFault& fault);
    // Shows a fault: its message exactly, and where it is as the details.
    static void Show(const LoadFault& fault);

    // A report for the program: faults go to ShowMessage, CheckOnly ones are
    // dropped, and loading stops at the first fatal one.
    static LoadReport ForProgram();

  private:
    Sink sink_;
    bool stopAtFatal_;
};

} // namespace lumora
