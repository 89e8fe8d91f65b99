// Sound on Windows: every cue is a WAVE resource of the program's own file
// (written from resources/clips.txt), played by the multimedia system in the
// background. Resource names match without regard to case, so "beep2" finds
// BEEP2; starting a clip stops the one still playing.
#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include <string>

#include "sound/sound_device.h"

namespace blockslide {

namespace {

class ResourceSound final : public SoundPlayer {
public:
    bool play(std::string_view cue) override {
        const std::string name(cue);
        // A null module means this program's own file.
        return PlaySoundA(name.c_str(), nullptr, SND_RESOURCE | SND_ASYNC) != FALSE;
    }
};

}  // namespace

std::unique_ptr<SoundPlayer> open_sound_device() {
    return std::make_unique<ResourceSound>();
}

}  // namespace blockslide
