#include "lottery/TfrmForm.h"
