#include "BitmapDataChannel.h"

namespace framework {

namespace {
int RED_ = BitmapDataChannel::RED, GREEN_ = BitmapDataChannel::GREEN, BLUE_ = BitmapDataChannel::BLUE,
    ALPHA_ = BitmapDataChannel::ALPHA;
}  // namespace

RUNTIME_DEFINE_CLASS(BitmapDataChannel, "framework._native.display.BitmapDataChannel", runtime::Object, (auto& b) {
    b.template staticField<&RED_>("RED")
        .template staticField<&GREEN_>("GREEN")
        .template staticField<&BLUE_>("BLUE")
        .template staticField<&ALPHA_>("ALPHA");
})

}  // namespace framework
