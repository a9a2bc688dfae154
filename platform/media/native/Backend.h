#pragma once
// The native back end's process-wide state: the window, the frame buffer, the clock and the
// event loop that feeds the stage's handler.
#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "EventTranslator.h"
#include "FrameHandle.h"
#include "Renderer.h"
#include "platform/runtime/DynamicObject.h"

namespace media {

class Backend {
public:
    static Backend& get();

    // Seconds since the back end started.
    double now() const;

    void setPackage(const std::string& company, const std::string& file, const std::string& package,
                    const std::string& version);
    // The company and file names last given to setPackage (they name the storage folder).
    const std::string& company() const { return company_; }
    const std::string& file() const { return file_; }
    // Opens the window, calls back with the frame, then runs the loop until close().
    void createMainFrame(const runtime::Ref<runtime::Function>& callback, int width, int height, int flags,
                         const std::string& title);
    void setStageHandler(StageHandle* stage, const runtime::Ref<runtime::Function>& handler);
    void setNextWake(double seconds);
    void renderStage(StageHandle* stage);
    void close() { closing_ = true; }
    void setAnimationPaused(bool paused) { animationPaused_ = paused; }
    void openUrl(const std::string& url);
    // The window's icon from an image file; kept for the window when none is open yet.
    void setIcon(const std::string& path);

    // Delivers one native event record to the stage's handler. Never lets an exception through.
    void deliver(const runtime::Ref<runtime::DynamicObject>& record);

    // The window's client size in pixels; the stage's own size when there is no window.
    void stageSize(const StageHandle* stage, int& w, int& h) const;
    void resizeWindow(int w, int h);
    // 0 normal, 1 full screen, 2 interactive full screen (both are desktop full screen here).
    int displayState() const { return displayState_; }
    void setDisplayState(int state);
    double dpiScale() const;
    void showCursor(bool show);

    // The last pointer position in stage pixels.
    double pointerX() const { return translator_.pointerX(); }
    double pointerY() const { return translator_.pointerY(); }

    // Writes the last presented frame as PNG; false on failure.
    bool writeSnapshot(const std::string& path) const;

private:
    Backend();
    void runLoop();
    // Sleeps up to remain seconds, less when an event arrives on a queue that can be waited on.
    void waitFor(double remain);
    // Translates one SDL event and delivers its record.
    void translate(const SDL_Event& e);
    void shutdown();
    // Reports that no display is available and ends the process with status 1.
    [[noreturn]] static void noDisplay();

    uint64_t start_;
    double frequency_;
    bool closing_ = false;
    bool animationPaused_ = false;
    bool sdlReady_ = false;
    bool queueWaits_ = false;  // the video driver waits on its event queue without polling
    int displayState_ = 0;
    double wakeDeadline_ = 0;
    std::string title_;
    std::string iconPath_;
    std::string company_;
    std::string file_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int fbWidth_ = 0;
    int fbHeight_ = 0;
    std::vector<uint32_t> frame_;  // ARGB, the last presented frame
    uint64_t renderedChanges_ = 0;  // the scene-change count frame_ was composed at
    int renderedStage_ = -1;
    Renderer frameRenderer_;
    EventTranslator translator_;
    runtime::Ref<FrameHandle> mainFrame_;
};

}  // namespace media
