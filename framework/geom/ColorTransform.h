#pragma once
// Per-channel multiplier and offset: a channel value v becomes v·multiplier + offset. The back
// end reads and fills the eight fields by name.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class ColorTransform : public runtime::Object {
    RUNTIME_CLASS(ColorTransform)
public:
    // Multipliers red, green, blue, alpha, then offsets in the same order.
    explicit ColorTransform(double redMultiplier = 1, double greenMultiplier = 1, double blueMultiplier = 1,
                            double alphaMultiplier = 1, double redOffset = 0, double greenOffset = 0,
                            double blueOffset = 0, double alphaOffset = 0)
        : alphaMultiplier(alphaMultiplier), alphaOffset(alphaOffset), blueMultiplier(blueMultiplier),
          blueOffset(blueOffset), greenMultiplier(greenMultiplier), greenOffset(greenOffset),
          redMultiplier(redMultiplier), redOffset(redOffset) {}
    explicit ColorTransform(runtime::NoInit) {}

    // Adds second's four multipliers to these; the offsets stay.
    virtual void concat(const runtime::Ref<ColorTransform>& second);
    // The colour offsets as 0xRRGGBB, each truncated and not masked.
    virtual int get_color();
    // Sets the colour offsets from value and the colour multipliers to 0; alpha stays.
    virtual int set_color(int value);

    double alphaMultiplier = 1;
    double alphaOffset = 0;
    double blueMultiplier = 1;
    double blueOffset = 0;
    double greenMultiplier = 1;
    double greenOffset = 0;
    double redMultiplier = 1;
    double redOffset = 0;
};

}  // namespace framework
