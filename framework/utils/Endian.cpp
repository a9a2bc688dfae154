#include "Endian.h"
