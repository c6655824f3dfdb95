#include "store/InxTypes.h"

void TStatusSet::IncStatus(TStatus aStatus)
{
    FBits |= Bit(aStatus);
}
