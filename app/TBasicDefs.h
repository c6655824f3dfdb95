#pragma once

// Shared enumerations of the form bases.

// Whether a screen holds changes that are not saved. The window sessions ask before closing
// a screen that is aModified.
enum TBasicFrmStatus
{
    aModified,
    aOK
};

// The result of a dialog; the progress dialog uses prNone and prCancel.
enum TPersonalResult
{
    prNone,
    prOK,
    prCancel,
    prYes,
    prNo,
    prYesToAll,
    prNoToAll
};
