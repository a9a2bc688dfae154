#include "Backend.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>

#include "ImageCodec.h"
#include "KeyMap.h"
#include "platform/media/MediaRecords.h"
#include "PngWriter.h"

namespace media {

namespace {
constexpr int FLAG_FULLSCREEN = 1;
constexpr int FLAG_BORDERLESS = 2;
constexpr int FLAG_RESIZABLE = 4;
constexpr int FLAG_VSYNC = 16;

// Wake used while no stage handler asked for one.
constexpr double DEFAULT_WAKE = 0.05;

// Longest sleep without looking at the event queue, for drivers that cannot wait on it: a
// frame's wait at 60 frames per second is one sleep, and a quit is seen within it.
constexpr double MAX_BLIND_SLEEP = 0.050;

std::atomic<uint64_t> sceneChanges{1};
}  // namespace

void noteSceneChange() { sceneChanges.fetch_add(1, std::memory_order_relaxed); }

Backend& Backend::get() {
    static Backend* instance = new Backend();
    return *instance;
}

Backend::Backend()
    : start_(SDL_GetPerformanceCounter()), frequency_(static_cast<double>(SDL_GetPerformanceFrequency())) {}

double Backend::now() const { return static_cast<double>(SDL_GetPerformanceCounter() - start_) / frequency_; }

void Backend::setPackage(const std::string& company, const std::string& file, const std::string&,
                         const std::string&) {
    company_ = company;
    file_ = file;
}

void Backend::createMainFrame(const runtime::Ref<runtime::Function>& callback, int width, int height, int flags,
                              const std::string& title) {
    if (mainFrame_) {
        std::fprintf(stderr, "media-native: the main frame exists already\n");
        return;
    }
    if (!sdlReady_) {
        // Unless a driver was chosen, a display that only an invisible stand-in can serve ends
        // the program: a window nobody sees would run forever.
        const char* chosen = std::getenv("SDL_VIDEODRIVER");
        bool explicitDriver = chosen && *chosen;
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
            if (!explicitDriver) noDisplay();
            std::fprintf(stderr, "media-native: cannot start video: %s\n", SDL_GetError());
            return;
        }
        const char* driver = SDL_GetCurrentVideoDriver();
        if (!explicitDriver && (!driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
            SDL_Quit();
            noDisplay();
        }
        sdlReady_ = true;
        queueWaits_ = driver && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0);
        translator_.controllers().start();
    }
    title_ = title;
    Uint32 wflags = SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI;
    if (flags & FLAG_RESIZABLE) wflags |= SDL_WINDOW_RESIZABLE;
    if (flags & FLAG_BORDERLESS) wflags |= SDL_WINDOW_BORDERLESS;
    if (flags & FLAG_FULLSCREEN) {
        wflags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        displayState_ = 1;
    }
    if (width <= 0) width = 1;
    if (height <= 0) height = 1;
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, wflags);
    if (!window_) {
        std::fprintf(stderr, "media-native: cannot open the window: %s\n", SDL_GetError());
        return;
    }
    if (!iconPath_.empty()) setIcon(iconPath_);
    Uint32 rflags = SDL_RENDERER_ACCELERATED | ((flags & FLAG_VSYNC) ? SDL_RENDERER_PRESENTVSYNC : 0);
    renderer_ = SDL_CreateRenderer(window_, -1, rflags);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        std::fprintf(stderr, "media-native: cannot create a renderer: %s\n", SDL_GetError());
        shutdown();
        return;
    }

    mainFrame_ = runtime::make<FrameHandle>();
    mainFrame_->stage->width = width;
    mainFrame_->stage->height = height;
    closing_ = false;
    wakeDeadline_ = now();
    if (callback) {
        try {
            (*callback)(runtime::Value(mainFrame_));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "media-native: frame callback failed: %s\n", e.what());
        } catch (...) {
            std::fprintf(stderr, "media-native: frame callback failed\n");
        }
    }
    runLoop();
    if (const char* snap = std::getenv("MEDIA_NATIVE_SNAPSHOT"); snap && *snap) writeSnapshot(snap);
    shutdown();
}

void Backend::noDisplay() {
    std::fprintf(stderr, "no display available; set SDL_VIDEODRIVER=dummy to run without one\n");
    std::fflush(stderr);
    std::exit(1);
}

void Backend::shutdown() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
    if (mainFrame_) {
        mainFrame_->stage->handler = nullptr;
        mainFrame_->stage->release();
    }
    mainFrame_ = nullptr;
    translator_.controllers().stop();
    // Only what the loop started: the audio device lives on its own.
    if (sdlReady_) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS);
    sdlReady_ = false;
}

void Backend::setStageHandler(StageHandle* stage, const runtime::Ref<runtime::Function>& handler) {
    if (stage) stage->handler = handler;
}

void Backend::setNextWake(double seconds) {
    if (!(seconds == seconds)) seconds = 0;  // NaN: call again at once
    wakeDeadline_ = now() + seconds;
}

void Backend::deliver(const runtime::Ref<runtime::DynamicObject>& rec) {
    StageHandle* stage = mainFrame_ ? mainFrame_->stage.get() : nullptr;
    if (!stage || !stage->handler) {
        // Nobody listens yet: the window still closes.
        if (MediaRecords::type(runtime::Value(rec)) == static_cast<int>(RecordType::etQuit)) closing_ = true;
        wakeDeadline_ = now() + DEFAULT_WAKE;
        return;
    }
    runtime::Ref<runtime::Function> handler = stage->handler;
    try {
        (*handler)(runtime::Value(rec));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "media-native: stage handler failed: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "media-native: stage handler failed\n");
    }
}

void Backend::translate(const SDL_Event& e) {
    StageHandle* stage = mainFrame_ ? mainFrame_->stage.get() : nullptr;
    int w = 0, h = 0;
    if (stage && e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        stageSize(stage, stage->width, stage->height);
        w = stage->width;
        h = stage->height;
    }
    auto view = EventTranslator::live(stage ? stage->index : -1, stage ? stage->focusId : 0, window_, dpiScale(), w, h);
    auto r = translator_.translate(e, view);
    // Before the main frame exists only a quit is delivered.
    if (r && (stage || e.type == SDL_QUIT)) deliver(r);
}

void Backend::runLoop() {
    SDL_Event e;
    while (!closing_) {
        if (SDL_PollEvent(&e)) {
            translate(e);
            continue;
        }
        double remain = wakeDeadline_ - now();
        if (remain <= 0) {
            deliver(MediaRecords::make(RecordType::etPoll));
            // Straight to sleep: the wait (or the look at the queue after it) gathers what came
            // meanwhile, so an idle frame pumps the devices once rather than twice.
            remain = wakeDeadline_ - now();
            if (remain <= 0 || closing_) continue;
        }
        waitFor(remain);
    }
}

void Backend::waitFor(double remain) {
    // Whole milliseconds on the event queue (an event ends the wait), then one sleep for the
    // fraction of a millisecond left. Drivers that cannot wait on their queue would poll it every
    // millisecond there: those sleep through, up to MAX_BLIND_SLEEP at a time.
    int ms = static_cast<int>(remain * 1000.0);
    if (ms >= 1 && queueWaits_) SDL_WaitEventTimeout(nullptr, ms);
    else std::this_thread::sleep_for(std::chrono::duration<double>(std::min(remain, MAX_BLIND_SLEEP)));
}

void Backend::renderStage(StageHandle* stage) {
    if (!renderer_ || !stage || animationPaused_) return;
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    if (w <= 0 || h <= 0) return;
    bool resized = !texture_ || w != fbWidth_ || h != fbHeight_;
    if (resized) {
        if (texture_) SDL_DestroyTexture(texture_);
        // The frame is drawn at the output's own size: no second scaling pass, no blur.
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
        if (texture_) SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
        fbWidth_ = w;
        fbHeight_ = h;
        frame_.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    }
    // Nothing drawn changed since the last frame (and no direct-render callback draws anew
    // each time): the previous frame is presented again without composing it.
    uint64_t changes = sceneChanges.load(std::memory_order_relaxed);
    bool unchanged = changes == renderedChanges_ && stage->index == renderedStage_ && !frameRenderer_.drewDirect() &&
                     texture_ && !frame_.empty() && !resized;
    if (!unchanged) {
        frameRenderer_.renderFrame(NodeStore::get(), stage->index, frame_.data(), w, h, w);
        if (texture_) SDL_UpdateTexture(texture_, nullptr, frame_.data(), w * 4);
        renderedChanges_ = changes;
        renderedStage_ = stage->index;
    }
    // The frame covers the whole output with its own pixels (no blending): nothing to clear.
    if (texture_) SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

void Backend::stageSize(const StageHandle* stage, int& w, int& h) const {
    w = stage ? stage->width : 0;
    h = stage ? stage->height : 0;
    if (stage && stage->managed) return;
    if (renderer_) SDL_GetRendererOutputSize(renderer_, &w, &h);
    else if (window_) SDL_GetWindowSize(window_, &w, &h);
}

void Backend::resizeWindow(int w, int h) {
    if (window_ && w > 0 && h > 0) SDL_SetWindowSize(window_, w, h);
}

void Backend::setDisplayState(int state) {
    if (state < 0 || state > 2) state = 0;
    displayState_ = state;
    if (window_) SDL_SetWindowFullscreen(window_, state == 0 ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

double Backend::dpiScale() const {
    if (!window_ || !renderer_) return 1;
    int ww = 0, wh = 0, pw = 0, ph = 0;
    SDL_GetWindowSize(window_, &ww, &wh);
    SDL_GetRendererOutputSize(renderer_, &pw, &ph);
    return ww > 0 ? static_cast<double>(pw) / ww : 1;
}

void Backend::showCursor(bool show) {
    if (sdlReady_) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void Backend::openUrl(const std::string& url) {
    if (!url.empty()) SDL_OpenURL(url.c_str());
}

void Backend::setIcon(const std::string& path) {
    iconPath_ = path;
    if (!window_ || path.empty()) return;
    runtime::Ref<Surface> image = ImageCodec::load(path);
    if (!image || image->empty()) {
        std::fprintf(stderr, "media-native: cannot read the icon %s\n", path.c_str());
        return;
    }
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(image->pixels(), image->width(), image->height(), 32,
                                                           image->width() * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!icon) return;
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
}

bool Backend::writeSnapshot(const std::string& path) const {
    if (frame_.empty()) return false;
    return PngWriter::write(path, fbWidth_, fbHeight_, frame_.data());
}

void reportPrimitiveFailure(const char* name, const char* what) {
    std::fprintf(stderr, "media-native: %s failed: %s\n", name, what);
}

}  // namespace media
