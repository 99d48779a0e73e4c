#pragma once
// The learner's listening speed: the speed, in percent, at which the lesson
// screens play words, sentences and recordings (100, 85 or 70; the pitch
// stays). It is kept in a file of its own in the learner's folder,
// "tempo.txt", one line with the number, so the course's own files are not
// touched and a learner without the file listens at 100 %.
#include <optional>
#include <string>
#include <string_view>

namespace lumora {

inline constexpr const char* kListeningSpeedFile = "tempo.txt";
inline constexpr int kNormalSpeed = 100;

// The speed after `percent` in the cycle 100 -> 85 -> 70 -> 100; a speed
// outside the cycle goes back to 100.
int NextListeningSpeed(int percent);

// The speed as a factor for the player (85 -> 0.85).
double SpeedTempo(int percent);

struct ListeningSpeedRead {
    int percent = kNormalSpeed;
    // What is wrong with the file, naming it and the line; the speed is then 100.
    std::optional<std::string> fault;
};

// Reads the file's text: one line with 100, 85 or 70 (a line end after it
// or not). `name` names the file in the fault.
ListeningSpeedRead ParseListeningSpeed(std::string_view text, const std::string& name);
// Reads the file at path; a missing file is 100 without a fault.
ListeningSpeedRead ReadListeningSpeed(const std::string& path);
// Saves the speed (whole or not at all); on failure the message for the learner.
std::optional<std::string> WriteListeningSpeed(const std::string& path, int percent);

} // namespace lumora
