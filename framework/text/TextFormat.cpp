#include "TextFormat.h"

#include "platform/runtime/Args.h"

namespace framework {

namespace {
std::optional<double> number(const runtime::Args& a, int i) {
    return a.given(i) ? std::optional<double>(a[i].toFloat()) : std::nullopt;
}
std::optional<bool> flag(const runtime::Args& a, int i) {
    return a.given(i) ? std::optional<bool>(a[i].toBool()) : std::nullopt;
}
}  // namespace

RUNTIME_DEFINE_CLASS(TextFormat, "framework.text.TextFormat", runtime::Object, (auto& b) {
    using T = TextFormat;
    b.template field<&T::align>("align")
        .template field<&T::blockIndent>("blockIndent")
        .template field<&T::bold>("bold")
        .template field<&T::bullet>("bullet")
        .template field<&T::color>("color")
        .template field<&T::display>("display")
        .template field<&T::font>("font")
        .template field<&T::indent>("indent")
        .template field<&T::italic>("italic")
        .template field<&T::kerning>("kerning")
        .template field<&T::leading>("leading")
        .template field<&T::leftMargin>("leftMargin")
        .template field<&T::letterSpacing>("letterSpacing")
        .template field<&T::rightMargin>("rightMargin")
        .template field<&T::size>("size")
        .template field<&T::tabStops>("tabStops")
        .template field<&T::target>("target")
        .template field<&T::underline>("underline")
        .template field<&T::url>("url")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<T>(a.text(0), number(a, 1),
                                    a.given(2) ? std::optional<int>(a[2].toInt()) : std::nullopt, flag(a, 3),
                                    flag(a, 4), flag(a, 5), a.text(6), a.text(7), a.text(8), number(a, 9),
                                    number(a, 10), number(a, 11), number(a, 12));
        });
})

}  // namespace framework
