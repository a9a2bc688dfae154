#pragma once
// Synthesises the game's sound effects and music pieces as sample buffers.
#include <cstdint>
#include <string>
#include <vector>

namespace tools {

struct SoundRecipe {
    std::string id;
    int channels = 1;
    int rate = 44100;
    std::string shows;  // what it sounds like
};

struct MusicTheme {
    std::string name;   // "MainTheme", ...
    double tempo;       // beats per minute
    int root;           // MIDI note of the key
    bool minor;
    int bars;           // loop length in bars of four beats
    int introBars;
    int style;          // 0 heroic, 1 cave, 2 jungle, 3 ice, 4 forest, 5 undead, 6 boss, 7 shop
    std::string mood;
};

class SoundMaker {
public:
    static std::vector<SoundRecipe> effects();
    static std::vector<MusicTheme> themes();
    // Interleaved samples in [-1, 1].
    static std::vector<float> effect(const std::string& name, int rate);
    // The loop lasts exactly `bars` bars and wraps seamlessly; the intro lasts `introBars`.
    static std::vector<float> musicLoop(const MusicTheme& theme, int rate);
    static std::vector<float> musicIntro(const MusicTheme& theme, int rate);
    static std::vector<float> rain(int rate, double seconds);
};

}  // namespace tools
