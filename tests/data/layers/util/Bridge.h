#pragma once

// A core header that reaches into the shell.
#include "app/Dialogs.h"
