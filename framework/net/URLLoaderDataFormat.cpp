#include "URLLoaderDataFormat.h"

RUNTIME_DEFINE_ENUM(framework::URLLoaderDataFormat, "framework.net.URLLoaderDataFormat", "BINARY", "TEXT", "VARIABLES")
