#include "vmath/vmath.h"
