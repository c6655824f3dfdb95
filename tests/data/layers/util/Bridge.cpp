#include "util/Bridge.h"
