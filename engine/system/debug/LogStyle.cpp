#include "LogStyle.h"

namespace engine {

LogStyle::LogStyle(const runtime::String& p, const runtime::String& c, int s, bool b, bool i, bool u,
                   const runtime::String& sound, bool open, const runtime::Ref<runtime::Function>& callback)
    : prefix(p.isNull() ? runtime::String("") : p),
      color(c.isNull() ? runtime::String("FFFFFF") : c),
      size(s),
      bold(b),
      italic(i),
      underlined(u),
      errorSound(sound),
      openConsole(open),
      callbackFunction(callback) {}

runtime::Ref<LogStyle> LogStyle::NORMAL = runtime::make<LogStyle>();
runtime::Ref<LogStyle> LogStyle::WARNING =
    runtime::make<LogStyle>("[WARNING] ", "FFFF00", 12, true, false, false, "assets/sounds/beep", true);
runtime::Ref<LogStyle> LogStyle::ERROR =
    runtime::make<LogStyle>("[ERROR] ", "FF0000", 12, true, false, false, "assets/sounds/beep", true);
runtime::Ref<LogStyle> LogStyle::NOTICE = runtime::make<LogStyle>("[NOTICE] ", "008000", 12, true);
runtime::Ref<LogStyle> LogStyle::CONSOLE = runtime::make<LogStyle>("&#62; ", "0000ff", 12, true);

}  // namespace engine

using engine::LogStyle;

RUNTIME_DEFINE_CLASS(LogStyle, "engine.system.debug.LogStyle", runtime::Object, (auto& b) {
    b.template field<&LogStyle::prefix>("prefix")
        .template field<&LogStyle::color>("color")
        .template field<&LogStyle::size>("size")
        .template field<&LogStyle::bold>("bold")
        .template field<&LogStyle::italic>("italic")
        .template field<&LogStyle::underlined>("underlined")
        .template field<&LogStyle::errorSound>("errorSound")
        .template field<&LogStyle::openConsole>("openConsole")
        .template field<&LogStyle::callbackFunction>("callbackFunction")
        .template staticField<&LogStyle::NORMAL>("NORMAL")
        .template staticField<&LogStyle::WARNING>("WARNING")
        .template staticField<&LogStyle::ERROR>("ERROR")
        .template staticField<&LogStyle::NOTICE>("NOTICE")
        .template staticField<&LogStyle::CONSOLE>("CONSOLE")
        .emptyInstance();
})
