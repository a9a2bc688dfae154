#include "Backend.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "PngWriter.h"

namespace media {

namespace {
constexpr int FLAG_FULLSCREEN = 1;
constexpr int FLAG_BORDERLESS = 2;
constexpr int FLAG_RESIZABLE = 4;
constexpr int FLAG_VSYNC = 16;

// Native event type codes the loop produces.
constexpr int ET_RESIZE = 8;
constexpr int ET_POLL = 9;
constexpr int ET_QUIT = 10;
constexpr int ET_REDRAW = 14;
constexpr int ET_ACTIVATE = 20;
constexpr int ET_DEACTIVATE = 21;
constexpr int ET_GOT_INPUT_FOCUS = 22;
constexpr int ET_LOST_INPUT_FOCUS = 23;

// Wake used while no stage handler asked for one.
constexpr double DEFAULT_WAKE = 0.05;
}  // namespace

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
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
            std::fprintf(stderr, "media-native: cannot start video: %s\n", SDL_GetError());
            return;
        }
        sdlReady_ = true;
    }
    title_ = title;
    Uint32 wflags = SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI;
    if (flags & FLAG_RESIZABLE) wflags |= SDL_WINDOW_RESIZABLE;
    if (flags & FLAG_BORDERLESS) wflags |= SDL_WINDOW_BORDERLESS;
    if (flags & FLAG_FULLSCREEN) wflags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    if (width <= 0) width = 1;
    if (height <= 0) height = 1;
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, wflags);
    if (!window_) {
        std::fprintf(stderr, "media-native: cannot open the window: %s\n", SDL_GetError());
        return;
    }
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

void Backend::shutdown() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
    if (mainFrame_) mainFrame_->stage->handler = nullptr;
    mainFrame_ = nullptr;
    if (sdlReady_) SDL_Quit();
    sdlReady_ = false;
}

void Backend::setStageHandler(StageHandle* stage, const runtime::Ref<runtime::Function>& handler) {
    if (stage) stage->handler = handler;
}

void Backend::setNextWake(double seconds) {
    if (!(seconds == seconds)) seconds = 0;  // NaN: call again at once
    wakeDeadline_ = now() + seconds;
}

runtime::Ref<runtime::DynamicObject> Backend::record(int type) {
    auto r = runtime::make<runtime::DynamicObject>();
    r->setField("type", runtime::Value(type));
    return r;
}

void Backend::deliver(const runtime::Ref<runtime::DynamicObject>& rec) {
    StageHandle* stage = mainFrame_ ? mainFrame_->stage.get() : nullptr;
    if (!stage || !stage->handler) {
        // Nobody listens yet: the window still closes.
        if (rec->getField("type").toInt() == ET_QUIT) closing_ = true;
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
    if (e.type == SDL_QUIT) {
        deliver(record(ET_QUIT));
        return;
    }
    if (e.type != SDL_WINDOWEVENT || !mainFrame_) return;
    switch (e.window.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED: {
            StageHandle* st = mainFrame_->stage.get();
            st->width = e.window.data1;
            st->height = e.window.data2;
            auto r = record(ET_RESIZE);
            r->setField("x", runtime::Value(st->width));
            r->setField("y", runtime::Value(st->height));
            deliver(r);
            break;
        }
        case SDL_WINDOWEVENT_EXPOSED: deliver(record(ET_REDRAW)); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: deliver(record(ET_GOT_INPUT_FOCUS)); break;
        case SDL_WINDOWEVENT_FOCUS_LOST: deliver(record(ET_LOST_INPUT_FOCUS)); break;
        // Only minimising pauses the game; losing the focus does not.
        case SDL_WINDOWEVENT_MINIMIZED: deliver(record(ET_DEACTIVATE)); break;
        case SDL_WINDOWEVENT_RESTORED: deliver(record(ET_ACTIVATE)); break;
        default: break;
    }
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
            deliver(record(ET_POLL));
            continue;
        }
        if (remain > 0.002) {
            int ms = static_cast<int>((remain - 0.001) * 1000.0);
            if (SDL_WaitEventTimeout(&e, ms > 0 ? ms : 1)) translate(e);
        } else {
            std::this_thread::sleep_for(std::chrono::duration<double>(remain));
        }
    }
}

void Backend::renderStage(StageHandle* stage) {
    if (!renderer_ || !stage || animationPaused_) return;
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    if (w <= 0 || h <= 0) return;
    if (!texture_ || w != fbWidth_ || h != fbHeight_) {
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
        fbWidth_ = w;
        fbHeight_ = h;
        frame_.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    }
    uint32_t bg = stage->background == 0 ? 0xFF000000u : (0xFF000000u | (static_cast<uint32_t>(stage->background) & 0xFFFFFFu));
    std::fill(frame_.begin(), frame_.end(), bg);
    if (texture_) {
        SDL_UpdateTexture(texture_, nullptr, frame_.data(), w * 4);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    }
    SDL_RenderPresent(renderer_);
}

void Backend::openUrl(const std::string& url) {
    if (!url.empty()) SDL_OpenURL(url.c_str());
}

bool Backend::writeSnapshot(const std::string& path) const {
    if (frame_.empty()) return false;
    return PngWriter::write(path, fbWidth_, fbHeight_, frame_.data());
}

void reportPrimitiveFailure(const char* name, const char* what) {
    std::fprintf(stderr, "media-native: %s failed: %s\n", name, what);
}

}  // namespace media
