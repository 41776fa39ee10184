#pragma once
// Results of every exchange with the machine.  Bulk sends return the byte
// count on success instead of 0.
namespace pv {

enum LinkResult : int {
    kLinkOk = 0,
    kLinkFailed = -1,        // connection not opened, short send/write, bulk block refused
    kLinkBadLength = -2,     // reply of the wrong length
    kLinkBadFirstByte = -3,  // reply's first byte is not the request's first byte
    kLinkBadSecondByte = -4, // reply's second byte is not 5
    kLinkBadCode = -5,       // reply does not echo the command code
};

}  // namespace pv
