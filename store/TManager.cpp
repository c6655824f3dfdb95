#include "store/TManager.h"
