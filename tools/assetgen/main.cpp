// Generates the game's embedded assets: pictures, bitmap-font sheets, sound effects, music and
// the font, all under <out>/assets/..., plus <out>/inventory.txt (id, kind, size, cells, what it
// shows, where the size comes from) and <out>/skill-tree.txt.
//
// usage: asset-generator <out> <sans.ttf> <serif.ttf> <font.ttf> [--contact <dir>]
#include "FontSheetMaker.h"
#include "PictureMaker.h"
#include "SkillTreeLayout.h"
#include "SoundMaker.h"
#include "Sprites.h"
#include "tools/tone/ToneEncoder.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;
using namespace tools;

namespace {
std::mutex errorLock;
std::vector<std::string> errors;

void fail(const std::string& what) {
    std::lock_guard lock(errorLock);
    errors.push_back(what);
}

bool writeBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

void savePicture(const fs::path& root, const std::string& id, const Canvas& c) {
    fs::create_directories((root / id).parent_path());
    if (c.width() == 0 || !c.save((root / id).string())) fail("cannot write " + id);
}

void saveSound(const fs::path& root, const std::string& id, const std::vector<float>& samples, int channels, int rate, float quality) {
    auto bytes = ToneEncoder::encode(samples, channels, rate, quality, {{"TITLE", fs::path(id).stem().string()}});
    if (samples.empty() || bytes.empty() || !writeBytes(root / id, bytes)) fail("cannot write " + id);
}

void runAll(std::vector<std::function<void()>>& jobs) {
    std::atomic<std::size_t> next{0};
    unsigned n = std::max(2u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < n; ++i)
        threads.emplace_back([&] {
            for (std::size_t k; (k = next++) < jobs.size();) jobs[k]();
        });
    for (auto& t : threads) t.join();
}

// Tiles every picture, scaled up when small, onto a few large sheets for looking at.
void contactSheets(const std::vector<std::pair<std::string, Canvas>>& pictures, const fs::path& dir) {
    fs::create_directories(dir);
    const int W = 1600, H = 1200;
    int sheet = 0, x = 0, y = 0, rowH = 0;
    Canvas page(W, H, 0xFF406040);
    auto flush = [&] {
        page.save((dir / ("contact" + std::to_string(sheet++) + ".png")).string());
        page = Canvas(W, H, 0xFF406040);
        x = y = rowH = 0;
    };
    for (const auto& [id, c] : pictures)
        if (id.find("/tilesets/") != std::string::npos && c.width() == 256)
            PictureMaker::floorPreview(c).save((dir / ("floor-" + fs::path(id).stem().string() + ".png")).string());
    for (const auto& [id, c] : pictures) {
        int f = std::max(1, std::min(4, 96 / std::max(1, std::max(c.width(), c.height()))));
        int w = std::min(W, c.width() * f), h = std::min(H - 10, c.height() * f + 10);
        if (x + w > W) { x = 0; y += rowH + 4; rowH = 0; }
        if (y + h > H) flush();
        Canvas scaled(c.width() * f, c.height() * f);
        scaled.blitScaled(c, 0, 0, f);
        page.fillRect(x, y, w, h - 10, 0xFF808080);
        page.blit(scaled, 0, 0, w, h - 10, x, y);
        std::string label = fs::path(id).stem().string();
        if (static_cast<int>(label.size()) * 4 > w) label = label.substr(0, static_cast<std::size_t>(std::max(1, w / 4)));
        Sprites::text(page, x, y + h - 8, label, 0xFFFFFFFF);
        x += w + 4;
        rowH = std::max(rowH, h);
    }
    flush();
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: asset-generator <out> <sans.ttf> <serif.ttf> <font.ttf> [--contact <dir>]\n");
        return 2;
    }
    const fs::path out = argv[1];
    const std::string sans = argv[2], serif = argv[3], ttf = argv[4];
    std::string contactDir = argc >= 7 && std::string(argv[5]) == "--contact" ? argv[6] : "";

    std::vector<PictureRecipe> pictures = PictureMaker::inventory();
    std::vector<FontSheetRecipe> fontSheets = FontSheetMaker::sheets(sans, serif);
    std::vector<SoundRecipe> effects = SoundMaker::effects();
    std::vector<MusicTheme> themes = SoundMaker::themes();

    std::vector<std::pair<std::string, Canvas>> rendered(pictures.size() + fontSheets.size());
    std::vector<std::function<void()>> jobs;
    // Long jobs first.
    for (const auto& th : themes) {
        std::string base = "assets/audio/oggs/musicLong/music" + th.name;
        jobs.push_back([=] { saveSound(out, base + "Loop.ogg", SoundMaker::musicLoop(th, 44100), 2, 44100, 0.2f); });
        jobs.push_back([=] { saveSound(out, base + "Intro.ogg", SoundMaker::musicIntro(th, 44100), 2, 44100, 0.2f); });
    }
    jobs.push_back([=] { saveSound(out, "assets/audio/oggs/musicLong/rain.ogg", SoundMaker::rain(44100, 12), 2, 44100, 0.1f); });
    for (std::size_t i = 0; i < pictures.size(); ++i)
        jobs.push_back([&, i] {
            const auto& p = pictures[i];
            Canvas c = p.id == "assets/ui/skillTreeMap.png" ? SkillTreeLayout::picture() : PictureMaker::render(p);
            if (c.width() != p.width || c.height() != p.height) fail(p.id + ": painted at the wrong size");
            savePicture(out, p.id, c);
            rendered[i] = {p.id, std::move(c)};
        });
    for (std::size_t i = 0; i < fontSheets.size(); ++i)
        jobs.push_back([&, i] {
            Canvas c = FontSheetMaker::render(fontSheets[i]);
            savePicture(out, fontSheets[i].id, c);
            rendered[pictures.size() + i] = {fontSheets[i].id, std::move(c)};
        });
    for (const auto& e : effects)
        jobs.push_back([=] { saveSound(out, e.id, SoundMaker::effect(e.shows, 44100), 1, 44100, 0.3f); });
    jobs.push_back([=] {
        std::ifstream in(ttf, std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.empty() || !writeBytes(out / "assets/fonts/MedievalSharp-Bold.ttf", bytes)) fail("cannot copy the font " + ttf);
    });
    runAll(jobs);

    std::ostringstream inv;
    inv << "# id\tkind\twidth\theight\tcell\tcells\tshows\tsize from\n";
    for (const auto& p : pictures)
        inv << p.id << "\tIMAGE\t" << p.width << '\t' << p.height << '\t'
            << (p.cellWidth ? std::to_string(p.cellWidth) + "x" + std::to_string(p.cellHeight) : "-") << '\t' << p.cells << '\t' << p.shows << '\t'
            << p.source << '\n';
    for (const auto& f : fontSheets)
        inv << f.id << "\tIMAGE\t" << f.width << '\t' << f.height << "\trow " << f.rowHeight << "\t82\tbitmap-font atlas"
            << (f.outlined ? " with a black outline" : "") << (f.id.find("medi14") != std::string::npos ? ", serif" : ", sans")
            << "\tbitmap fonts" << (f.id.find("medi14") != std::string::npos ? " (chosen: the mediSans14 layout)" : "") << '\n';
    for (const auto& e : effects) inv << e.id << "\tSOUND\t-\t-\t-\t-\t" << e.shows << " effect, mono\t-\n";
    for (const auto& th : themes) {
        inv << "assets/audio/oggs/musicLong/music" << th.name << "Intro.ogg\tSOUND\t-\t-\t-\t-\t" << th.introBars << "-bar intro: " << th.mood << "\t-\n";
        inv << "assets/audio/oggs/musicLong/music" << th.name << "Loop.ogg\tMUSIC\t-\t-\t-\t-\tseamless " << th.bars << "-bar loop: " << th.mood << "\t-\n";
    }
    inv << "assets/audio/oggs/musicLong/rain.ogg\tSOUND\t-\t-\t-\t-\tseamless rain loop\t-\n";
    inv << "assets/fonts/MedievalSharp-Bold.ttf\tFONT\t-\t-\t-\t-\tTrueType font, the bytes of " << fs::path(ttf).filename().string() << "\t-\n";
    std::string invText = inv.str();
    if (!writeBytes(out / "inventory.txt", std::vector<uint8_t>(invText.begin(), invText.end()))) fail("cannot write the inventory");
    std::string tree = SkillTreeLayout::describe();
    if (!writeBytes(out / "skill-tree.txt", std::vector<uint8_t>(tree.begin(), tree.end()))) fail("cannot write the skill tree list");

    if (!contactDir.empty()) contactSheets(rendered, contactDir);
    for (const auto& e : errors) std::fprintf(stderr, "asset-generator: %s\n", e.c_str());
    return errors.empty() ? 0 : 1;
}
