#pragma once
// What the program asks of a media player: open a file, play it with an end
// notification, pause, resume, stop, seek, and report its mode, position and
// length in milliseconds. The FFmpeg/SDL2 player implements it; tests use a
// fake whose plays end when the test says so.
#include <cstdint>
#include <functional>
#include <string>

namespace lumora {

enum class PlayerMode { NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };

// How a play with notification ended.
enum class NotifyValue { Successful, Superseded, Aborted, Failure };

class VideoSurface;

class MediaPlayer {
  public:
    using NotifyHandler = std::function<void(NotifyValue)>;

    virtual ~MediaPlayer() = default;

    // The file that Open opens.
    virtual const std::string& FileName() const = 0;
    virtual void SetFileName(const std::string& path) = 0;

    // Opens FileName, closing what was open. On failure returns false and
    // leaves the decoder's text in ErrorText.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    virtual std::string ErrorText() const = 0;

    // Plays from the current position. The end is reported to the notify
    // handler on the user-interface thread; with the wait flag set, Play
    // returns only when the play has ended.
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual void Seek(std::int64_t ms) = 0;
    virtual void SetWait(bool wait) = 0;
    // The speed of the plays, as a factor of the normal one (0.85 is 85 %),
    // at the same pitch; a play under way changes at once. Films play at
    // normal speed whatever it is, so their picture and sound stay together.
    // Position and Length stay in the file's own milliseconds.
    virtual void SetTempo(double tempo) = 0;

    virtual PlayerMode Mode() const = 0;
    virtual std::int64_t Position() const = 0;
    virtual std::int64_t Length() const = 0;

    // Where films draw their frames; nullptr for sound only.
    virtual void SetDisplay(VideoSurface* surface) = 0;

    virtual void SetNotifyHandler(NotifyHandler handler) = 0;
};

} // namespace lumora
