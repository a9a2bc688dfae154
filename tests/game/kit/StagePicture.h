#pragma once
// A frame drawn by the real back end, read back for pixel checks: a caller runs its steps on the
// stage, the last frame is written as PNG beside the kit scene picture and loaded here. A test
// file that includes this header does not include stb_image itself.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

namespace testing_game {

class StagePicture {
public:
    // Runs `draw` (which puts steps on the stage) with the snapshot pointed at `name` in the build
    // folder, then reads the picture.
    static StagePicture of(const std::string& name, const std::function<void()>& draw) {
        StagePicture p;
        p.path = (std::filesystem::path(GLV_KIT_SCENE_PNG).parent_path() / name).string();
        std::remove(p.path.c_str());
        setenv("MEDIA_NATIVE_SNAPSHOT", p.path.c_str(), 1);
        draw();
        unsetenv("MEDIA_NATIVE_SNAPSHOT");
        int channels = 0;
        if (unsigned char* pixels = stbi_load(p.path.c_str(), &p.width, &p.height, &channels, 4)) {
            p.rgba.assign(pixels, pixels + 4 * p.width * p.height);
            stbi_image_free(pixels);
        }
        return p;
    }

    bool loaded() const { return !rgba.empty(); }
    const unsigned char* at(int x, int y) const { return rgba.data() + 4 * (y * width + x); }
    int red(int x, int y) const { return at(x, y)[0]; }
    // The pixels of [x0, x1) x [y0, y1) whose red, green and blue add up to more than `sum`.
    int brighter(int x0, int y0, int x1, int y1, int sum) const {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const unsigned char* p = at(x, y);
                count += p[0] + p[1] + p[2] > sum;
            }
        return count;
    }

    std::string path;
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;
};

}  // namespace testing_game
