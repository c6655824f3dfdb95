#include "users/Screens.h"
