#include "URLRequestMethod.h"
