#pragma once
// A GL shader of the given type made, given its source and compiled through the GL binding; a
// failed compile fails the running test with the shader's log.
#include <gtest/gtest.h>

#include "framework/gl/GL.h"

inline runtime::Ref<framework::GLShader> compiledShader(int type, const char* source) {
    auto shader = framework::GL::createShader(type);
    framework::GL::shaderSource(shader, source);
    framework::GL::compileShader(shader);
    EXPECT_EQ(framework::GL::getShaderParameter(shader, framework::GL::COMPILE_STATUS), 1)
        << framework::GL::getShaderInfoLog(shader).str();
    return shader;
}
