#include "store/InxTypes.h"

#include <initializer_list>

void TStatusSet::IncStatus(TStatus aStatus)
{
    auto drop = [this](std::initializer_list<TStatus> aFlags) {
        for (const TStatus flag : aFlags)
            ExcStatus(flag);
    };
    switch (aStatus) {
    case stCleaned:
        for (const TStatus implied : {stNoComment, stNoSections, stNoMults, stNoHeaders, stNoKeys})
            IncStatus(implied);
        break;
    case stOK:
        drop({stInvalid});
        break;
    case stInvalid:
        drop({stOK});
        break;
    case stCreationOK:
        drop({stCreationFail, stCreating});
        break;
    case stUpdateFail:
        drop({stUpdateOK});
        break;
    case stUpdateOK:
        drop({stUpdateFail});
        break;
    case stCommentFail:
        drop({stCommentOK});
        break;
    case stCommentOK:
        drop({stCommentFail});
        break;
    case stNoSections:
        drop({stHasSections});
        break;
    case stHasSections:
        drop({stNoSections});
        break;
    case stNoHeaders:
        drop({stHasHeaders});
        break;
    case stHasHeaders:
        drop({stNoHeaders});
        break;
    case stNoComment:
        drop({stHasComment});
        break;
    case stHasComment:
        drop({stNoComment});
        break;
    case stNoMults:
        drop({stHasMults});
        break;
    case stHasMults:
        drop({stNoMults});
        break;
    case stNoKeys:
        drop({stHasKeys});
        break;
    case stHasKeys:
        drop({stNoKeys});
        break;
    case stMultUpdateFail:
        drop({stMultUpdateOK});
        break;
    case stMultUpdateOK:
        drop({stMultUpdateFail});
        break;
    case stMultCreationFail:
        drop({stMultCreationOK});
        break;
    case stMultCreationOK:
        drop({stMultCreationFail});
        break;
    case stKeyUpdateFail:
        drop({stKeyUpdateOK});
        break;
    case stKeyUpdateOK:
        drop({stKeyUpdateFail});
        break;
    case stKeyCreationFail:
        drop({stKeyCreationOK});
        break;
    case stKeyCreationOK:
        drop({stKeyCreationFail});
        break;
    case stHeaderUpdateFail:
        drop({stHeaderUpdateOK});
        break;
    case stHeaderUpdateOK:
        drop({stHeaderUpdateFail});
        break;
    case stHeaderCreationFail:
        drop({stHeaderCreationOK});
        break;
    case stHeaderCreationOK:
        drop({stHeaderCreationFail});
        break;
    case stSectionUpdateFail:
        drop({stSectionUpdateOK});
        break;
    case stSectionUpdateOK:
        drop({stSectionUpdateFail});
        break;
    case stSectionCreationFail:
        drop({stSectionCreationOK});
        break;
    case stSectionCreationOK:
        drop({stSectionCreationFail});
        break;
    case stMultRemoved:
        drop({stMultUpdateFail, stMultUpdateOK, stMultCreationFail, stMultCreationOK});
        break;
    case stKeyRemoved:
        drop({stKeyUpdateFail, stKeyUpdateOK, stKeyCreationFail, stKeyCreationOK});
        break;
    case stHeaderRemoved:
        drop({stHeaderUpdateFail, stHeaderUpdateOK, stHeaderCreationFail, stHeaderCreationOK});
        break;
    case stSectionRemoved:
        drop({stSectionUpdateFail, stSectionUpdateOK, stSectionCreationFail, stSectionCreationOK});
        break;
    case stFileLoaded:
        drop({stFileChanged, stFileLoadFail, stFileSaveFail});
        break;
    case stFileSaved:
        drop({stFileSaveFail});
        break;
    case stFileSaveFail:
        drop({stFileSaved});
        break;
    case stFileChanged:
        drop({stFileSaved, stFileSaveFail});
        break;
    case stFileLoadFail:
        drop({stFileLoaded});
        break;
    case stFileReadOnly:
        drop({stCanSave});
        break;
    default:
        break;
    }
    FBits |= Bit(aStatus);
}
