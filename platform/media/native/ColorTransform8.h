#pragma once
// A colour transform: per channel v·multiplier + offset.

namespace media {

struct ColorTransform8 {
    double redMultiplier = 1, greenMultiplier = 1, blueMultiplier = 1, alphaMultiplier = 1;
    double redOffset = 0, greenOffset = 0, blueOffset = 0, alphaOffset = 0;

    // this applied after inner: outer(inner(v)).
    ColorTransform8 after(const ColorTransform8& in) const {
        return {in.redMultiplier * redMultiplier,
                in.greenMultiplier * greenMultiplier,
                in.blueMultiplier * blueMultiplier,
                in.alphaMultiplier * alphaMultiplier,
                in.redOffset * redMultiplier + redOffset,
                in.greenOffset * greenMultiplier + greenOffset,
                in.blueOffset * blueMultiplier + blueOffset,
                in.alphaOffset * alphaMultiplier + alphaOffset};
    }
};

}  // namespace media
